#include <gtest/gtest.h>

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

// Words given straight to the encoder through a two-field table.
FlagEncoder encoderWithWords(const std::string& word0, const std::string& word1)
{
    std::vector<FlagEntry> table{{"first", word0, -1, 0}, {"second", word1, -1, 1}};
    FlagEncoder encoder;
    encoder.addNames({"first", "second"}, table, FlagMode::Set);
    return encoder;
}

struct OutputCase {
    const char* what;
    const char* word0;
    const char* word1;
    const char* line;
    const char* expected;
};

class FlagEncoderOutput : public ::testing::TestWithParam<OutputCase> {};

TEST_P(FlagEncoderOutput, WritesBlankAndWordPerField)
{
    const OutputCase& c = GetParam();
    EXPECT_EQ(outputOnto(encoderWithWords(c.word0, c.word1), c.line), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FlagEncoderOutput,
    ::testing::Values(OutputCase{"EmptyLine", "BF", "", "", "BF 0"},
                      OutputCase{"AfterNumber", "BF", "", "12 ", "12  BF 0"},
                      OutputCase{"BothEmpty", "", "", "", "0 0"},
                      OutputCase{"BlankWord", "  ", "D", "1", "1 0 D"},
                      OutputCase{"LeadingBlanksOfLineGo", "A", "B", "   7", "7 A B"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(FlagEncoder, NoWordsLeavesTheLineTrimmed)
{
    FlagEncoder encoder;
    EXPECT_EQ(outputOnto(encoder, "  12 "), "12 ");
    EXPECT_EQ(outputOnto(encoder, ""), "");
}

TEST(FlagEncoder, InvertedClassesCarryEveryClassNotListed)
{
    Universe u;
    FlagEncoder encoder;
    encoder.addNames({"Mage", "Cleric"}, u.classRestrictions, FlagMode::Inverted);
    EXPECT_EQ(encoder.words(), Names{"deRSTUVWX"});
    encoder.reset();
    encoder.addNames({}, u.classRestrictions, FlagMode::Inverted);
    EXPECT_EQ(encoder.words(), Names{"dePQRSTUVWX"});
    encoder.reset();
    encoder.addNames({"Ranger", "Bard", "Mage", "Cleric", "Thief", "Warrior", "Paladin", "Anti-Paladin", "Ninja",
                      "Vorsai", "Sohei"},
                     u.classRestrictions, FlagMode::Inverted);
    EXPECT_EQ(outputOnto(encoder, ""), "0");
}

TEST(FlagEncoder, ItemTypeLineOfALight)
{
    Universe u;
    FlagEncoder encoder;
    encoder.addNames({"Glowing", "Magical"}, u.itemExtraFlags, FlagMode::Set);
    encoder.addNames({}, u.classRestrictions, FlagMode::Inverted);
    encoder.addNames({"Takeable", "Holdable"}, u.wearFlags, FlagMode::Set);
    EXPECT_EQ(outputOnto(encoder, "1"), "1 AGdePQRSTUVWX AO");
}

TEST(FlagEncoder, MobFlagLineWithProcsAndTwoAttacks)
{
    Universe u;
    FlagEncoder encoder;
    encoder.addNames({"Sentinel", "Aggressive"}, u.mobFlags, FlagMode::Set);
    encoder.addEntry(u.specialProcFlag);
    encoder.addEntry(u.extraTwoHitFlag);
    std::string line;
    encoder.output(line);
    line += " -350 S";
    EXPECT_EQ(line, "BFAJ 0 -350 S");
}

TEST(FlagEncoder, SetModeFollowsListOrderAndSkipsUnknownNames)
{
    Universe u;
    FlagEncoder encoder;
    // List order, not table order; wrong case and unknown names add nothing.
    encoder.addNames({"Magical", "glowing", "Teleporting", "Glowing", "No Rent"}, u.itemExtraFlags, FlagMode::Set);
    EXPECT_EQ(encoder.words(), Names{"GAa"});
    // A table of field 1 opens word 0 as well, left empty.
    encoder.reset();
    encoder.addNames({}, u.wearFlags, FlagMode::Set);
    EXPECT_EQ(outputOnto(encoder, ""), "0 0");
    // Names of the other word land there; the affects of a mob fill word 1.
    encoder.reset();
    encoder.addNames({"Hidden", "Sentinel", "Sanctuary"}, u.mobFlags, FlagMode::Set);
    EXPECT_EQ(encoder.words(), (Names{"B", "TH"}));
}

TEST(FlagEncoder, EntriesOutsideAnyWord)
{
    FlagEncoder encoder;
    encoder.addEntry(FlagEntry{"none", "Q", -1, -1});
    EXPECT_TRUE(encoder.words().empty());
    // An entry whose word is not open yet opens it rather than writing past the words.
    encoder.addEntry(FlagEntry{"late", "K", -1, 2});
    EXPECT_EQ(encoder.words(), (Names{"", "", "K"}));
    std::vector<FlagEntry> numbers{{"Unplaced", "3", -1, -1}};
    encoder.reset();
    encoder.addNames({"Unplaced"}, numbers, FlagMode::Set);
    EXPECT_TRUE(encoder.words().empty());
}

struct DecodeCase {
    const char* what;
    const char* word;
    int field;
    FlagMode mode;
    Names expected;
};

class FlagDecoder : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(FlagDecoder, ListsMatchingEntriesInTableOrder)
{
    Universe u;
    const DecodeCase& c = GetParam();
    const auto& table = std::string(c.what).rfind("Mob", 0) == 0     ? u.mobFlags
                        : std::string(c.what).rfind("Class", 0) == 0 ? u.classRestrictions
                                                                     : u.itemExtraFlags;
    Names names;
    decodeFlags(c.word, table, c.field, names, c.mode);
    EXPECT_EQ(names, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Words, FlagDecoder,
    ::testing::Values(
        DecodeCase{"MobActionBFJ", "BFJ", 0, FlagMode::Set, {"Sentinel", "Aggressive"}},
        DecodeCase{"MobAffectBFJ", "BFJ", 1, FlagMode::Set, {"Invisible"}},
        DecodeCase{"MobTableOrder", "FB", 0, FlagMode::Set, {"Sentinel", "Aggressive"}},
        DecodeCase{"MobDecimal", "12", 0, FlagMode::Set, {}},
        DecodeCase{"MobNoSuchField", "BF", 2, FlagMode::Set, {}},
        DecodeCase{"ItemLowerA", "a", 0, FlagMode::Set, {"No Rent"}},
        DecodeCase{"ItemUpperA", "A", 0, FlagMode::Set, {"Glowing"}},
        DecodeCase{"ClassInverted", "deRSTUVWX", 0, FlagMode::Inverted, {"Mage", "Cleric"}},
        DecodeCase{"ClassNoCodes", "AG", 0, FlagMode::Inverted,
                   {"Ranger", "Bard", "Mage", "Cleric", "Thief", "Warrior", "Paladin", "Anti-Paladin", "Ninja",
                    "Vorsai", "Sohei"}},
        DecodeCase{"ClassOtherField", "", 1, FlagMode::Inverted, {}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(FlagDecoder, AppendsToTheList)
{
    Universe u;
    Names names{"Kept"};
    decodeFlags("B", u.mobFlags, 0, names, FlagMode::Set);
    EXPECT_EQ(names, (Names{"Kept", "Sentinel"}));
}

// Every letter table reads back what it wrote, one entry at a time and all at once.
TEST(FlagDecoder, ReadsBackWhatTheEncoderWrote)
{
    Universe u;
    for (const auto* table : {&u.itemExtraFlags, &u.wearFlags, &u.roomFlags, &u.mobFlags}) {
        Names all;
        for (const FlagEntry& entry : *table) {
            all.push_back(entry.name);
            FlagEncoder encoder;
            encoder.addNames({entry.name}, *table, FlagMode::Set);
            Names back;
            for (std::size_t field = 0; field < encoder.words().size(); ++field)
                decodeFlags(encoder.words()[field], *table, static_cast<int>(field), back, FlagMode::Set);
            EXPECT_EQ(back, Names{entry.name});
        }
        FlagEncoder encoder;
        encoder.addNames(all, *table, FlagMode::Set);
        Names back;
        for (std::size_t field = 0; field < encoder.words().size(); ++field)
            decodeFlags(encoder.words()[field], *table, static_cast<int>(field), back, FlagMode::Set);
        EXPECT_EQ(back, all);
    }
}

TEST(FlagDecoder, WordContainsChecksFieldAndCase)
{
    Universe u;
    EXPECT_TRUE(wordContains("BFA", u.specialProcFlag, 0));
    EXPECT_FALSE(wordContains("BFA", u.specialProcFlag, 1));
    EXPECT_FALSE(wordContains("bfa", u.specialProcFlag, 0));
    EXPECT_TRUE(wordContains("BFJK", u.extraTwoHitFlag, 0));
    EXPECT_FALSE(wordContains("", u.extraOneHitFlag, 0));
}

} // namespace
} // namespace tarnholt
