#include <gtest/gtest.h>

#include <algorithm>
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

// With fixed tables the words a table needs are learnt once; clearing the setting learns them again.
TEST(FlagEncoder, FixedTablesAreLearntOnceAndForgottenWhenCleared)
{
    std::vector<FlagEntry> table{{"first", "A", -1, 0}, {"second", "B", -1, 1}};
    FlagEncoder encoder;
    encoder.setTablesFixed(true);
    for (int run = 0; run < 2; ++run) {
        encoder.reset();
        encoder.addNames({"second"}, table, FlagMode::Set);
        EXPECT_EQ(encoder.words(), (Names{"", "B"}));
    }
    table[0].field = 3; // changed in place: the same entries, as far as the encoder can tell
    encoder.setTablesFixed(false);
    encoder.setTablesFixed(true);
    encoder.reset();
    encoder.addNames({"first"}, table, FlagMode::Set);
    EXPECT_EQ(encoder.words(), (Names{"", "", "", "A"}));
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

TEST(FlagDecoder, AppendsMatchingEntriesInTableOrder)
{
    struct Row {
        std::vector<FlagEntry> Universe::*table;
        const char* word;
        int field;
        FlagMode mode;
        Names expected;
    };
    const Names allClasses{"Ranger", "Bard",  "Mage",   "Cleric", "Thief", "Warrior",
                           "Paladin", "Anti-Paladin", "Ninja", "Vorsai", "Sohei"};
    const Row rows[] = {
        {&Universe::mobFlags, "BFJ", 1, FlagMode::Set, {"Invisible"}},
        {&Universe::mobFlags, "FB", 0, FlagMode::Set, {"Sentinel", "Aggressive"}}, // table order
        {&Universe::mobFlags, "12", 0, FlagMode::Set, {}},                         // decimal words match nothing
        {&Universe::itemExtraFlags, "a", 0, FlagMode::Set, {"No Rent"}},
        {&Universe::classRestrictions, "deRSTUVWX", 0, FlagMode::Inverted, {"Mage", "Cleric"}},
        {&Universe::classRestrictions, "AG", 0, FlagMode::Inverted, allClasses},
        {&Universe::classRestrictions, "", 1, FlagMode::Inverted, {}}, // no class in that field
    };
    Universe u;
    for (const Row& row : rows) {
        Names names{"Kept"};
        decodeFlags(row.word, u.*row.table, row.field, names, row.mode);
        ASSERT_FALSE(names.empty());
        EXPECT_EQ(names[0], "Kept");
        EXPECT_EQ(Names(names.begin() + 1, names.end()), row.expected) << row.word << " field " << row.field;
    }
}

// What the decoders must give: each word decoded in turn against the whole table.
Names decodedInTurn(const std::vector<std::string>& words, const std::vector<FlagEntry>& table, FlagMode mode)
{
    Names names{"Kept"};
    for (std::size_t i = 0; i < words.size(); ++i)
        decodeFlags(words[i], table, static_cast<int>(i), names, mode);
    return names;
}

TEST(FlagDecoder, GivesWhatDecodingEachWordInTurnGives)
{
    Universe u;
    // Fields out of order, codes of several letters and none, entries without a field or past the words.
    const std::vector<FlagEntry> mixed{{"Late", "b", -1, 1},   {"Early", "a", -1, 0}, {"Pair", "cd", -1, 1},
                                       {"Always", "", -1, 0},  {"None", "a", -1, -1}, {"Beyond", "a", -1, 3},
                                       {"Again", "a", -1, 0},  {"Tail", "z", -1, 2}};
    std::vector<FlagEntry> longTable; // too long to mark
    for (int i = 0; i < 70; ++i)
        longTable.push_back({"Entry " + std::to_string(i), std::string(1, static_cast<char>('A' + i % 26)), -1, i % 3});
    struct Case {
        const std::vector<FlagEntry>* table;
        std::size_t words;
    };
    const Case cases[] = {{&u.itemExtraFlags, 3}, {&u.classRestrictions, 3}, {&u.wearFlags, 3},
                          {&u.mobFlags, 2},       {&mixed, 3},               {&mixed, 2},
                          {&longTable, 3}};
    const std::vector<std::vector<std::string>> lines{
        {"0", "0", "0"}, {"", "", ""}, {"abc", "BFJ", "a"}, {"a", "bcd", "z"}, {"deRSTUVWX", "AG", "cdz"}, {"zyx"}};
    for (const Case& c : cases)
        for (const auto& line : lines)
            for (const FlagMode mode : {FlagMode::Set, FlagMode::Inverted}) {
                const FlagDecoder decoder(*c.table, c.words);
                const std::vector<std::string> words(line.begin(), line.begin() + std::min(line.size(), c.words));
                Names names{"Kept"};
                decoder.decode(words, names, mode);
                EXPECT_EQ(names, decodedInTurn(words, *c.table, mode))
                    << "table of " << c.table->size() << ", " << c.words << " words, first word '" << line[0]
                    << "', mode " << static_cast<int>(mode);
            }

    // Worked by hand: field 0 before field 1, each in table order; "Beyond" has no word.
    Names names;
    FlagDecoder(mixed, 2).decode(std::vector<std::string>{"a", "bcd"}, names, FlagMode::Set);
    EXPECT_EQ(names, (Names{"Early", "Always", "Again", "Late", "Pair"}));
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
