#include <gtest/gtest.h>

#include <random>

#include <string>
#include <vector>

#include "universe/FlagEncoder.h"
#include "universe/Universe.h"

namespace tarnholt {
namespace {

using Names = std::vector<std::string>;

std::string outputOnto(const FlagEncoder& encoder, std::string line)
{
    encoder.output(line);
    return line;
}

TEST(FlagEncoder, OutputWritesABlankAndAWordPerField)
{
    struct Row {
        const char* word0;
        const char* word1;
        const char* line;
        const char* expected;
    };
    for (const Row& r : {Row{"BF", "", "", "BF 0"}, Row{"BF", "", "12 ", "12  BF 0"}, Row{"", "", "", "0 0"},
                         Row{"  ", "D", "1", "1 0 D"}, Row{"A", "B", "   7", "7 A B"}}) {
        std::vector<FlagEntry> table{{"first", r.word0, -1, 0}, {"second", r.word1, -1, 1}};
        FlagEncoder encoder;
        encoder.addNames({"first", "second"}, table, FlagMode::Set);
        EXPECT_EQ(outputOnto(encoder, r.line), r.expected) << "line '" << r.line << "'";
    }
}

TEST(FlagEncoder, SetModeFollowsListOrderAndSkipsUnknownNames)
{
    Universe u;
    FlagEncoder encoder;
    encoder.addNames({"Magical", "glowing", "Teleporting", "Glowing", "No Rent"}, u.itemExtraFlags, FlagMode::Set);
    EXPECT_EQ(encoder.words(), Names{"GAa"});
    // A table of field 1 opens word 0 as well.
    encoder.reset();
    encoder.addNames({}, u.wearFlags, FlagMode::Set);
    EXPECT_EQ(outputOnto(encoder, ""), "0 0");
    encoder.reset();
    encoder.addNames({"Hidden", "Sentinel", "Sanctuary"}, u.mobFlags, FlagMode::Set);
    EXPECT_EQ(encoder.words(), (Names{"B", "TH"}));
}

TEST(FlagEncoder, EntriesOutsideTheOpenWords)
{
    FlagEncoder encoder;
    encoder.addEntry(FlagEntry{"none", "Q", -1, -1});
    EXPECT_TRUE(encoder.words().empty());
    // An entry whose word is not open yet opens it rather than writing past the words.
    encoder.addEntry(FlagEntry{"late", "K", -1, 2});
    EXPECT_EQ(encoder.words(), (Names{"", "", "K"}));
}

struct DecodeCase {
    const char* what;
    std::vector<FlagEntry> Universe::*table;
    const char* word;
    int field;
    FlagMode mode;
    Names expected;
};

class FlagDecoder : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(FlagDecoder, AppendsMatchingEntriesInTableOrder)
{
    Universe u;
    const DecodeCase& c = GetParam();
    Names names{"Kept"};
    decodeFlags(c.word, u.*c.table, c.field, names, c.mode);
    Names expected{"Kept"};
    expected.insert(expected.end(), c.expected.begin(), c.expected.end());
    EXPECT_EQ(names, expected);
}

const Names kAllClasses{"Ranger", "Bard",         "Mage",  "Cleric", "Thief", "Warrior",
                        "Paladin", "Anti-Paladin", "Ninja", "Vorsai", "Sohei"};

INSTANTIATE_TEST_SUITE_P(
    Words, FlagDecoder,
    ::testing::Values(
        DecodeCase{"MobAffectBFJ", &Universe::mobFlags, "BFJ", 1, FlagMode::Set, {"Invisible"}},
        DecodeCase{"MobTableOrder", &Universe::mobFlags, "FB", 0, FlagMode::Set, {"Sentinel", "Aggressive"}},
        DecodeCase{"MobDecimal", &Universe::mobFlags, "12", 0, FlagMode::Set, {}},
        DecodeCase{"ItemLowerA", &Universe::itemExtraFlags, "a", 0, FlagMode::Set, {"No Rent"}},
        DecodeCase{"ClassInverted", &Universe::classRestrictions, "deRSTUVWX", 0, FlagMode::Inverted,
                   {"Mage", "Cleric"}},
        DecodeCase{"ClassNoCodes", &Universe::classRestrictions, "AG", 0, FlagMode::Inverted, kAllClasses},
        DecodeCase{"ClassOtherField", &Universe::classRestrictions, "", 1, FlagMode::Inverted, {}}),
    [](const auto& info) { return std::string(info.param.what); });

// Several words at once give the names field by field, whatever order the table lists its fields
// in, however many words there are and however many names match.
TEST(FlagDecoder, SeveralWordsAtOnceMatchOneWordAtATime)
{
    std::mt19937 random(11);
    const std::string letters = "abcdefgABCDEFG";
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int round = 0; round < 300; ++round) {
        std::vector<FlagEntry> table;
        const int entries = round % 50 == 0 ? 200 : pick(0, 30); // now and then more matches than fit at once
        const int fields = pick(1, 7);
        const bool ordered = round % 2 == 0;
        for (int i = 0; i < entries; ++i) {
            FlagEntry entry;
            entry.name = "N" + std::to_string(i);
            entry.code = pick(0, 4) == 0 ? std::string("ab")
                                           : std::string(1, letters[static_cast<std::size_t>(pick(0, 13))]);
            entry.field = ordered ? i * fields / std::max(entries, 1) : pick(-1, fields);
            table.push_back(entry);
        }
        std::vector<std::string> words(static_cast<std::size_t>(fields));
        for (std::string& word : words)
            for (int n = pick(0, 6); n > 0; --n)
                word += letters[static_cast<std::size_t>(pick(0, 13))];
        const int firstField = pick(0, 1);
        for (const FlagMode mode : {FlagMode::Set, FlagMode::Inverted}) {
            // Field by field, each in table order: the plain reading of the words.
            Names oneAtATime{"Kept"};
            for (std::size_t i = 0; i < words.size(); ++i)
                for (const FlagEntry& entry : table)
                    if (entry.field == firstField + static_cast<int>(i)
                        && (words[i].find(entry.code) != std::string::npos) == (mode == FlagMode::Set))
                        oneAtATime.push_back(entry.name);
            Names atOnce{"Kept"};
            decodeFlagWords(words, firstField, table, atOnce, mode);
            ASSERT_EQ(atOnce, oneAtATime) << "round " << round;
        }
    }
}

// Every letter table reads back what it wrote, one entry at a time and all at once.
TEST(FlagDecoder, ReadsBackWhatTheEncoderWrote)
{
    Universe u;
    auto roundTrip = [](const Names& names, const std::vector<FlagEntry>& table) {
        FlagEncoder encoder;
        encoder.addNames(names, table, FlagMode::Set);
        Names back;
        for (std::size_t field = 0; field < encoder.words().size(); ++field)
            decodeFlags(encoder.words()[field], table, static_cast<int>(field), back, FlagMode::Set);
        return back;
    };
    for (const auto* table : {&u.itemExtraFlags, &u.wearFlags, &u.roomFlags, &u.mobFlags}) {
        Names all;
        for (const FlagEntry& entry : *table) {
            all.push_back(entry.name);
            EXPECT_EQ(roundTrip({entry.name}, *table), Names{entry.name});
        }
        EXPECT_EQ(roundTrip(all, *table), all);
    }
}

TEST(FlagDecoder, WordContainsChecksFieldAndCase)
{
    Universe u;
    EXPECT_TRUE(wordContains("BFA", u.specialProcFlag, 0));
    EXPECT_FALSE(wordContains("BFA", u.specialProcFlag, 1));
    EXPECT_FALSE(wordContains("bfa", u.specialProcFlag, 0));
    EXPECT_TRUE(wordContains("BFJK", u.extraTwoHitFlag, 0));
}

} // namespace
} // namespace tarnholt
