#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Questions.h"
#include "generate/AreaText.h"
#include "generate/Generator.h"
#include "mobs/Mob.h"
#include "universe/Universe.h"
#include "world/World.h"

namespace tarnholt {
namespace {

using Names = std::vector<std::string>;

Mob guard()
{
    Mob m;
    m.vnum = 3010, m.identifier = "City Guard", m.aliases = "guard cityguard";
    m.shortDescription = "the city guard", m.longDescription = "A city guard stands here.";
    m.description = "A big, strong guard.\r\nHe looks alert.\r\n";
    m.flags = {"Sentinel", "Aggressive"}, m.specProcs = {"MOB_MAGE 100 0 0"};
    m.attackCountIndex = 1, m.alignment = -350, m.level = 10, m.thaco = 15, m.armorClass = 2;
    m.hitDiceCount = 3, m.hitDiceSides = 8, m.hitBonus = 40;
    m.damageDiceCount = 1, m.damageDiceSides = 6, m.damageBonus = 2;
    m.gold = 50, m.experience = 1200, m.loadPosition = 1, m.defaultPosition = 3, m.sex = 1;
    m.speech = {"<INTERVAL> 20\n", "<LINE> Move along, $n. <END_LINE>\n"};
    return m;
}

const std::string kGuardBlock = "#3010\nguard cityguard~\nthe city guard~\nA city guard stands here.\n~\n"
                                "A big, strong guard.\nHe looks alert.\n~\n"
                                "BFAJ 0 -350 S\n10 15 2 3d8+40 1d6+2\n50 1200\n6 4 1\n"
                                "<BEGIN_SPEECH_BLOCK>\n<INTERVAL> 20\n<LINE> Move along, $n. <END_LINE>\n"
                                "<END_SPEECH_BLOCK>\n<SPECIAL>\nMOB_MAGE 100 0 0\n</SPECIAL>\n";

// The lines after a header, up to and including the positions line.
std::string block(const std::string& flagLine = "0 0 0 S", const std::string& numbers = "1 20 10 1d1+0 1d1+0",
                  const std::string& money = "0 1", const std::string& positions = "8 8 0")
{
    return "guard~\nthe guard~\nA guard.\n~\nTall.\n~\n" + flagLine + "\n" + numbers + "\n" + money + "\n" +
           positions + "\n";
}

struct Reading {
    explicit Reading(const std::string& text, bool answer = true, const std::string& header = "#120")
        : questions(answer)
    {
        Universe universe;
        LineReader in(text);
        next = mob.ReadAreaText(in, universe, header, questions);
    }
    ScriptedQuestions questions;
    Mob mob;
    std::string next;
};

class MobWriting : public ::testing::Test {
protected:
    std::string write(const Mob& m)
    {
        std::string out;
        m.WriteAreaText(out, universe);
        return out;
    }
    Universe universe;
    World world;
    Generator generator{universe, world};
};

TEST_F(MobWriting, BlocksAndTheNoDescriptionWarning)
{
    EXPECT_EQ(write(guard()), kGuardBlock);
    Mob a, b;
    a.identifier = "A", b.identifier = "B";
    EXPECT_EQ(write(a), "#0\n~\n~\n\n~\n\n~\n0 0 0 S\n1 20 10 1d1+0 1d1+0\n0 1\n8 8 0\n");
    write(b);
    EXPECT_EQ(generator.warnings(),
              (std::vector<Warning>{{"Mob", "A", "No Description"}, {"Mob", "B", "No Description"}}));

    Mob cut = guard(); // a speech line that lost its line end must not swallow the block's end
    cut.speech = {"<INTERVAL> 5"};
    EXPECT_NE(write(cut).find("<BEGIN_SPEECH_BLOCK>\n<INTERVAL> 5\n<END_SPEECH_BLOCK>\n"), std::string::npos);
}

struct FlagLineCase {
    Names flags;
    int32_t attacks;
    bool specProcs;
    const char* line;
};

class MobFlagLine : public MobWriting, public ::testing::WithParamInterface<FlagLineCase> {};

TEST_P(MobFlagLine, WordsAndAlignment)
{
    const auto& c = GetParam();
    Mob m;
    m.description = "x", m.flags = c.flags, m.attackCountIndex = c.attacks, m.alignment = -7;
    if (c.specProcs)
        m.specProcs = {"COWARD 50 1 0"};
    std::string out = write(m);
    const std::size_t start = std::string("#0\n~\n~\n\n~\nx\n~\n").size();
    EXPECT_EQ(out.substr(start, out.find('\n', start) - start), c.line);
}

// Last row: list order; affects in the second word; unknown and case-different names skipped.
INSTANTIATE_TEST_SUITE_P(
    Lines, MobFlagLine,
    ::testing::Values(FlagLineCase{{}, 1, false, "J 0 -7 S"}, FlagLineCase{{}, 2, false, "K 0 -7 S"},
                      FlagLineCase{{}, 3, true, "AJK 0 -7 S"}, FlagLineCase{{}, 7, false, "0 0 -7 S"},
                      FlagLineCase{{"Invisible", "Wimpy", "sentinel", "Bogus", "Sentinel", "Hidden"}, 0, false,
                                   "HB BT -7 S"}));

TEST_F(MobWriting, WriteReadWriteGivesTheSameText)
{
    Reading r(kGuardBlock.substr(6) + "#99999\n", true, "#3010");
    EXPECT_EQ(r.next, "#99999");
    EXPECT_TRUE(r.questions.questions.empty());
    Mob expected = guard();
    expected.identifier = "#3010 the city guard";
    expected.description = "A big, strong guard.\nHe looks alert.";
    EXPECT_EQ(r.mob, expected);
    EXPECT_EQ(write(r.mob), kGuardBlock);
}

TEST(MobReading, TextsIdentifierAndPrefixedNumbers)
{
    Reading r("a~lias~\nthe ~guard~  \nA guard stands here,\t\r\nwatching you.  \n~  \nLine one~\n\nLine 3\n~\n"
              "BJK HDx 010 S\n010 0x10 -5 2d0x8+0x1f 1d6+-1\n0x64 010\n04 0x5 02\n#121   \n");
    EXPECT_EQ(r.next, "#121");
    EXPECT_TRUE(r.questions.questions.empty());
    EXPECT_EQ(r.mob.vnum, 120);
    EXPECT_EQ(r.mob.identifier, "#120 the guard  "); // one-line texts keep their blanks
    EXPECT_EQ(r.mob.aliases, "alias");
    EXPECT_EQ(r.mob.longDescription, "A guard stands here,\nwatching you.");
    EXPECT_EQ(r.mob.description, "Line one\n\nLine 3");
    EXPECT_EQ(r.mob.flags, (Names{"Sentinel", "See Invisible", "Sanctuary"}));
    // The alignment is plain decimal; the other numbers take a base prefix.
    const Mob& m = r.mob;
    EXPECT_EQ((std::vector<int32_t>{m.attackCountIndex, m.alignment, m.level, m.thaco, m.armorClass, m.hitDiceSides,
                                    m.hitBonus, m.damageBonus, m.gold, m.experience, m.sex, m.loadPosition,
                                    m.defaultPosition}),
              (std::vector<int32_t>{3, 10, 8, 16, -5, 8, 31, -1, 100, 8, 2, 3, 2}));

    EXPECT_EQ(Reading(block("A 0 0 S"), true, "#").mob.identifier, "#0 the guard");
    EXPECT_TRUE(Reading(block("A 2 0 S")).mob.flags.empty()); // special-proc code and numbers set nothing

    const Reading partial(block("BF") + "#121\n"); // a short flag line keeps what it converted
    EXPECT_EQ(partial.next, "#121");
    EXPECT_EQ(partial.mob.flags, (Names{"Sentinel", "Aggressive"}));
    EXPECT_EQ(partial.mob.alignment, 0);
}

struct PositionCase {
    const char* line;
    int32_t load, standing, sex, questions;
};

class MobPositionLine : public ::testing::TestWithParam<PositionCase> {};

TEST_P(MobPositionLine, ReverseMapping)
{
    const auto& c = GetParam();
    Reading r(block("0 0 0 S", "1 20 10 1d1+0 1d1+0", "0 1", c.line) + "#121\n");
    EXPECT_EQ(r.next, "#121");
    EXPECT_EQ((std::vector<int32_t>{r.mob.loadPosition, r.mob.defaultPosition, r.mob.sex}),
              (std::vector<int32_t>{c.load, c.standing, c.sex}));
    EXPECT_EQ(static_cast<int32_t>(r.questions.questions.size()), c.questions);
}

// Missing numbers count as Standing after a Yes.
INSTANTIATE_TEST_SUITE_P(Lines, MobPositionLine,
                         ::testing::Values(PositionCase{"6 5 2", 1, 2, 2, 0}, PositionCase{"4 7 1", 3, 0, 1, 0},
                                           PositionCase{"0 3 1", 0, 0, 1, 0}, PositionCase{"5", 2, 0, 0, 1},
                                           PositionCase{"", 0, 0, 0, 1}));

class MobMissingValues : public ::testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(MobMissingValues, NoStopsYesGoesOn)
{
    const auto& [text, line] = GetParam();
    Reading no(text + "#121\n", false);
    EXPECT_EQ(no.next, "");
    EXPECT_EQ(no.questions.questions, Names{"Missing values for 120 on this line: " + line + " Continue?"});
    EXPECT_EQ(no.mob.identifier, "#120 the guard"); // what was read stays
    Reading yes(text + "#121\n");
    EXPECT_EQ(yes.next, "#121");
    EXPECT_EQ(yes.questions.questions.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MobMissingValues,
    ::testing::Values(std::pair{block("BF 0"), "BF 0"}, std::pair{block("0 0 0 S", "1 20 10 1d1"), "1 20 10 1d1"},
                      std::pair{block("0 0 0 S", "1 20 10 2d08+0 1d1+0"), "1 20 10 2d08+0 1d1+0"},
                      std::pair{block("0 0 0 S", "1 20 10 1d1+0 1d1+0", "500"), "500"},
                      std::pair{block("0 0 0 S", "1 20 10 1d1+0 1d1+0", "0 1", "8 8"), "8 8"}));

TEST(MobReading, EndOfDataStopsEverywhereAndKeepsWhatWasRead)
{
    std::string full = block() + "<SPECIAL>\nCOWARD 100 0 0\n</SPECIAL>\n";
    for (std::size_t pos = 0; pos != std::string::npos; pos = full.find('\n', pos + 1))
        EXPECT_EQ(Reading(full.substr(0, pos + 1)).next, "") << pos;

    Reading r(block("B 0 -7 S", "12 18 4 2d4+1 1d8+0", "300 5000", "6 8 2"));
    EXPECT_EQ(r.next, "");
    EXPECT_EQ(r.mob.description, "Tall.");
    EXPECT_EQ(std::vector<int32_t>({r.mob.alignment, r.mob.level, r.mob.experience, r.mob.sex}),
              std::vector<int32_t>({-7, 12, 5000, 2}));
}

TEST(MobReading, BlocksRepeatInAnyOrderAndAppend)
{
    std::string tail = "<SPECIAL>\nCOWARD 100 0 0   \n</SPECIAL>\n\n<BEGIN_SPEECH_BLOCK>  \n<INTERVAL> 10\t\n\n"
                       "<END_SPEECH_BLOCK>\n<SPECIAL>\nMOB_MAGE 50 1 7\n</SPECIAL>\n   \n#121  \n#122\n";
    Reading r(block("B 0 0 S") + tail);
    EXPECT_EQ(r.next, "#121"); // blank lines between blocks are passed over
    EXPECT_EQ(r.mob.flags, Names{"Sentinel"});
    EXPECT_EQ(r.mob.specProcs, (Names{"COWARD 100 0 0", "MOB_MAGE 50 1 7"}));
    EXPECT_EQ(r.mob.speech, (Names{"<INTERVAL> 10\n", "\n"}));
    EXPECT_EQ(Reading(block() + "<BEGIN_SPEECH_BLOCK>\n<INTERVAL> 10\n").next, "");
    EXPECT_EQ(Reading(block() + "#99999   \n").next, "#99999");
}

} // namespace
} // namespace tarnholt
