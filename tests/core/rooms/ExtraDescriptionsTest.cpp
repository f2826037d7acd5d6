#include <gtest/gtest.h>

#include "RecordBytes.h"
#include "generate/AreaText.h"
#include "rooms/ExtraDescriptions.h"
#include "world/Archive.h"

using namespace tarnholt;
using tarnholt::testing::RecordBytes;
using Texts = std::vector<std::string>;

TEST(ExtraDescriptions, EditsKeepTheListsInStepInTheArchiveFormAndAfterDamage)
{
    ExtraDescriptions extras;
    extras.set("fountain", "Water.");
    extras.set("statue", "Marble.");
    extras.set("sign", "Keep out.");
    extras.set("statue", "Bronze.");
    EXPECT_EQ(extras.get("Statue"), "");
    EXPECT_EQ(extras.get("statue"), "Bronze.");
    extras.remove("statue");
    extras.remove("nothing");
    Archive out;
    extras.Serialize(out);
    EXPECT_EQ(out.data(),
              RecordBytes().i32(1).i32(2).str("fountain").str("sign").i32(2).str("Water.").str("Keep out.").bytes);

    // More keyword entries than descriptions: every entry still has one.
    const std::string damaged = RecordBytes().i32(1).i32(2).str("fountain").str("sign").i32(1).str("Water.").bytes;
    Archive in(damaged);
    ExtraDescriptions loaded;
    loaded.Serialize(in);
    EXPECT_EQ(loaded.descriptionList, (Texts{"Water.", ""}));
}

TEST(ExtraDescriptions, WritesEntriesWithKeywordsOnly)
{
    ExtraDescriptions extras;
    extras.set("fountain", "Water.");
    extras.set("", "Never written.");
    extras.set("statue", "Marble,\r\ncold.\r\n");
    std::string out;
    extras.WriteAreaText(out);
    EXPECT_EQ(out, "E\nfountain~\nWater.\n~\nE\nstatue~\nMarble,\ncold.\n~\n");
}

// Each CR LF becomes LF and one trailing CR LF goes, while a lone CR or LF stays. The generated
// texts cross the 16-byte blocks the copy works in at every place.
TEST(ExtraDescriptions, DescriptionTextsLoseTheirCarriageReturns)
{
    EXPECT_EQ(normalizeText("\r\n"), "\n"); // too short to lose its end
    EXPECT_EQ(normalizeText("a\r\n\r\n"), "a\n");
    EXPECT_EQ(normalizeText("a\rb\nc\r\r\nd\r"), "a\rb\nc\r\nd\r");
    for (std::size_t length = 0; length <= 60; ++length)
        for (std::size_t every = 2; every <= 19; ++every) {
            std::string text = "x", expected = "x";
            for (std::size_t i = 1; i < length; ++i) {
                const std::string c = i % every == 0 ? "\r\n" : i % 7 == 0 ? "\r" : std::string(1, char('a' + i % 26));
                text += c;
                expected += c == "\r\n" ? "\n" : c;
            }
            std::string out = "kept:";
            appendNormalizedText(out, text + "\r\n");
            ASSERT_EQ(out, "kept:" + expected) << length << " " << every;
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
    EXPECT_EQ(extras.keywordList, (row.ok ? Texts{"old", row.keywords} : Texts{"old"}));
    EXPECT_EQ(extras.descriptionList, (row.ok ? Texts{"Kept.", row.description} : Texts{"Kept."}));
}

INSTANTIATE_TEST_SUITE_P(Rows, ExtraDescriptionsRead,
    ::testing::Values(ReadRow{"fountain~\nA marble fountain.\n~\nnext", true, "fountain", "A marble fountain."},
                      ReadRow{"well old~\r\nDeep  \r\nand ~dark\t\r\n~  \r\n", true, "well old", "Deep\nand dark"},
                      ReadRow{"empty~\n~\n", true, "empty", ""}, ReadRow{"", false, "", ""},
                      ReadRow{"fountain~\nA marble fountain.\n", false, "", ""}));
