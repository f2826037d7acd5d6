#include <gtest/gtest.h>

#include "RecordBytes.h"
#include "generate/AreaText.h"
#include "rooms/ExtraDescriptions.h"
#include "world/Archive.h"

using namespace tarnholt;
using tarnholt::testing::RecordBytes;

namespace {

ExtraDescriptions threeEntries()
{
    ExtraDescriptions extras;
    extras.set("fountain", "Water.");
    extras.set("statue", "Marble.");
    extras.set("sign", "Keep out.");
    return extras;
}

} // namespace

TEST(ExtraDescriptions, SetGetRemoveKeepTheListsInStep)
{
    ExtraDescriptions extras = threeEntries();
    extras.set("statue", "Bronze.");
    EXPECT_EQ(extras.keywordList, (std::vector<std::string>{"fountain", "statue", "sign"}));
    EXPECT_EQ(extras.descriptionList, (std::vector<std::string>{"Water.", "Bronze.", "Keep out."}));
    EXPECT_EQ(extras.get("Statue"), "");

    extras.remove("statue");
    extras.remove("nothing");
    EXPECT_EQ(extras.keywordList, (std::vector<std::string>{"fountain", "sign"}));
    EXPECT_EQ(extras.get("sign"), "Keep out.");
}

TEST(ExtraDescriptions, ArchiveFormAndDamagedLists)
{
    RecordBytes b;
    b.i32(1).i32(2).str("fountain").str("sign").i32(2).str("Water.").str("Keep out.");
    ExtraDescriptions extras;
    extras.set("fountain", "Water.");
    extras.set("sign", "Keep out.");
    Archive out;
    extras.Serialize(out);
    EXPECT_EQ(out.data(), b.bytes);

    // More keyword entries than descriptions: every entry still has one.
    RecordBytes damaged;
    damaged.i32(1).i32(2).str("fountain").str("sign").i32(1).str("Water.");
    Archive in(damaged.bytes);
    ExtraDescriptions loaded;
    loaded.Serialize(in);
    EXPECT_EQ(loaded.descriptionList, (std::vector<std::string>{"Water.", ""}));
    EXPECT_EQ(loaded.get("sign"), "");
}

TEST(ExtraDescriptions, WritesEntriesWithKeywordsOnly)
{
    ExtraDescriptions extras = threeEntries();
    extras.set("", "Never written.");
    extras.set("statue", "Marble,\r\ncold.\r\n");
    std::string out;
    extras.WriteAreaText(out);
    EXPECT_EQ(out, "E\nfountain~\nWater.\n~\n"
                   "E\nstatue~\nMarble,\ncold.\n~\n"
                   "E\nsign~\nKeep out.\n~\n");
}

// Descriptions reach the area files with LF line ends: each CR LF becomes LF and one trailing CR LF
// goes, while a lone CR or LF stays. The texts are long enough to cross the 16-byte blocks the
// copy works in at every place.
TEST(ExtraDescriptions, DescriptionTextsLoseTheirCarriageReturns)
{
    EXPECT_EQ(normalizeText("a\r\nb\r\n"), "a\nb");
    EXPECT_EQ(normalizeText("\r\n"), "\n"); // too short to lose its end, but still a line end
    EXPECT_EQ(normalizeText("a\r\n\r\n"), "a\n");
    EXPECT_EQ(normalizeText("a\rb\nc\r\r\nd\r"), "a\rb\nc\r\nd\r");
    EXPECT_EQ(normalizeText("0123456789abcde\r\nf"), "0123456789abcde\nf");
    EXPECT_EQ(normalizeText("0123456789abcdef\r\n0123456789abcdef"), "0123456789abcdef\n0123456789abcdef");
    for (std::size_t length = 0; length <= 60; ++length)
        for (std::size_t every = 2; every <= 19; ++every) {
            std::string text = "x";
            std::string expected = "x";
            for (std::size_t i = 1; i < length; ++i) {
                if (i % every == 0) {
                    text += "\r\n";
                    expected += "\n";
                } else if (i % 7 == 0) {
                    text += '\r'; // a carriage return on its own is kept
                    expected += '\r';
                } else {
                    text += static_cast<char>('a' + i % 26);
                    expected += static_cast<char>('a' + i % 26);
                }
            }
            std::string out = "kept:";
            appendNormalizedText(out, text + "z");
            ASSERT_EQ(out, "kept:" + expected + "z") << length << " " << every;
        }
}

struct ReadRow {
    std::string text;
    bool ok;
    std::string keywords, description;
};

class ExtraDescriptionsRead : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ExtraDescriptionsRead, AddsAWholeEntryOrNothing)
{
    const ReadRow& row = GetParam();
    ExtraDescriptions extras;
    extras.set("old", "Kept.");
    LineReader in(row.text);
    EXPECT_EQ(extras.ReadAreaText(in), row.ok);
    ASSERT_EQ(extras.keywordList.size(), extras.descriptionList.size());
    if (!row.ok) {
        EXPECT_EQ(extras.keywordList.size(), 1u);
        return;
    }
    ASSERT_EQ(extras.keywordList.size(), 2u);
    EXPECT_EQ(extras.keywordList[1], row.keywords);
    EXPECT_EQ(extras.descriptionList[1], row.description);
}

INSTANTIATE_TEST_SUITE_P(Rows, ExtraDescriptionsRead,
    ::testing::Values(ReadRow{"fountain~\nA marble fountain.\n~\nnext", true, "fountain", "A marble fountain."},
                      ReadRow{"well old~\r\nDeep  \r\nand ~dark\t\r\n~  \r\n", true, "well old", "Deep\nand dark"},
                      ReadRow{"empty~\n~\n", true, "empty", ""},
                      ReadRow{"", false, "", ""},
                      ReadRow{"fountain~\nA marble fountain.\n", false, "", ""}));
