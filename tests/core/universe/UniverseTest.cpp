#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "generate/Generator.h"
#include "universe/Universe.h"
#include "world/World.h"

namespace tarnholt {
namespace {

// Size of each default table and the word its entries belong to (-2: checked separately).
struct TableShape {
    const char* table;
    std::vector<FlagEntry> Universe::*member;
    std::size_t size;
    int32_t field;
};

class UniverseTable : public ::testing::TestWithParam<TableShape> {};

TEST_P(UniverseTable, HasItsSizeFieldAndDistinctNames)
{
    Universe u;
    const auto& table = u.*GetParam().member;
    ASSERT_EQ(table.size(), GetParam().size);
    std::set<std::string> names;
    for (const FlagEntry& entry : table) {
        EXPECT_EQ(entry.bit, -1) << entry.name;
        EXPECT_TRUE(GetParam().field == -2 || entry.field == GetParam().field) << entry.name;
        EXPECT_FALSE(entry.code.empty()) << entry.name;
        names.insert(entry.name);
    }
    EXPECT_EQ(names.size(), table.size());
}

INSTANTIATE_TEST_SUITE_P(
    Defaults, UniverseTable,
    ::testing::Values(TableShape{"terrains", &Universe::terrains, 9, 1},
                      TableShape{"roomFlags", &Universe::roomFlags, 15, 0},
                      TableShape{"mobFlags", &Universe::mobFlags, 22, -2},
                      TableShape{"wearFlags", &Universe::wearFlags, 15, 1},
                      TableShape{"classRestrictions", &Universe::classRestrictions, 11, 0},
                      TableShape{"itemExtraFlags", &Universe::itemExtraFlags, 18, 0},
                      TableShape{"applyTypes", &Universe::applyTypes, 22, 0},
                      TableShape{"damageTypes", &Universe::damageTypes, 16, 0},
                      TableShape{"liquids", &Universe::liquids, 16, 0},
                      TableShape{"equipPositions", &Universe::equipPositions, 18, 0}),
    [](const auto& info) { return std::string(info.param.table); });

TEST(Universe, ProcedureListsSpellsAndSingleEntries)
{
    Universe u;
    EXPECT_EQ(u.itemSpecProcs.size(), 14u);
    EXPECT_EQ(u.roomSpecProcs.size(), 10u);
    EXPECT_EQ(std::make_pair(u.maxAbilities, u.maxItemSpells), std::make_pair(2, 1));
    // 61 single names, then six families of twelve, all distinct.
    EXPECT_EQ(std::set<std::string>(u.mobSpecProcs.begin(), u.mobSpecProcs.end()).size(), 133u);
    EXPECT_EQ(u.mobSpecProcs.at(61), "RESIST_PHYSICAL");
    EXPECT_EQ(u.mobSpecProcs.back(), "CAP_BACKSTAB");
    EXPECT_EQ(u.specialProcFlag, (FlagEntry{"Special Proc Flag", "A", -1, 0}));
    EXPECT_EQ(u.extraOneHitFlag, (FlagEntry{"Extra One-Hit Flag", "J", -1, 0}));
    EXPECT_EQ(u.extraTwoHitFlag, (FlagEntry{"Extra Two-Hit Flag", "K", -1, 0}));
    for (std::size_t i = 0; i < u.mobFlags.size(); ++i)
        EXPECT_EQ(u.mobFlags[i].field, i < 16 ? 0 : 1) << u.mobFlags[i].name;

    std::set<int32_t> numbers;
    for (const SpellEntry& s : u.spells)
        numbers.insert(s.number);
    EXPECT_EQ(numbers.size(), 96u);
    EXPECT_EQ(u.spells.size(), 96u);
    EXPECT_EQ(u.spells[42].name, "Flaming Sword"); // kept in table order, after Flamestrike
}

// Letters that share a word must differ, or the word could not be read back.
TEST(Universe, LetterCodesAreSingleAndDistinctWithinAWord)
{
    Universe u;
    auto check = [](std::vector<FlagEntry> entries, int field) {
        std::set<std::string> codes;
        for (const FlagEntry& e : entries)
            if (e.field == field) {
                EXPECT_EQ(e.code.size(), 1u) << e.name;
                EXPECT_TRUE(codes.insert(e.code).second) << e.code << " twice (" << e.name << ")";
            }
    };
    std::vector<FlagEntry> itemWord = u.itemExtraFlags;
    itemWord.insert(itemWord.end(), u.classRestrictions.begin(), u.classRestrictions.end());
    check(itemWord, 0);
    std::vector<FlagEntry> mobWord = u.mobFlags;
    mobWord.insert(mobWord.end(), {u.specialProcFlag, u.extraOneHitFlag, u.extraTwoHitFlag});
    check(mobWord, 0);
    check(mobWord, 1);
    check(u.roomFlags, 0);
    check(u.wearFlags, 1);
}

struct Lookup {
    const char* what;
    std::string (*run)(const Universe&);
    const char* expected;
};

class UniverseLookup : public ::testing::TestWithParam<Lookup> {};

TEST_P(UniverseLookup, GivesTheTableAnswer)
{
    EXPECT_EQ(GetParam().run(Universe()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Defaults, UniverseLookup,
    ::testing::Values(
        Lookup{"SpellOtherCase", [](const Universe& u) { return u.spellNumberText("identify"); }, "0"},
        Lookup{"SpellEmptyName", [](const Universe& u) { return u.spellNumberText(""); }, "0"},
        Lookup{"Spell29", [](const Universe& u) { return u.spellName(29); }, ""},
        Lookup{"Apply17", [](const Universe& u) { return u.applyName(17); }, "Armor Class"},
        Lookup{"ApplyGap", [](const Universe& u) { return u.applyName(6); }, ""},
        Lookup{"CokeCode", [](const Universe& u) { return u.liquidNumberText("Coke"); }, "15"},
        Lookup{"CokeOtherCase", [](const Universe& u) { return u.liquidNumberText("coke"); }, "0"},
        Lookup{"EquipHoldable", [](const Universe& u) { return u.equipPositionCode("Holdable"); }, "17"},
        Lookup{"Terrain7", [](const Universe& u) { return u.terrainName(7); }, "Water, Not Swimmable"},
        // Letter codes are not numbers, and a number must be the whole code.
        Lookup{"LetterTable", [](const Universe& u) { return Universe::nameOfNumber(u.roomFlags, 0); }, ""},
        Lookup{"NumberWithTail", [](const Universe&) { return Universe::nameOfNumber({{"Odd", "5x"}}, 5); }, ""},
        Lookup{"FirstMatch",
               [](const Universe&) { return Universe::codeOf({{"Twice", "3"}, {"Twice", "4"}}, "Twice"); }, "3"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(SpellEntry, KeepsUsageLettersAsFlags)
{
    auto flags = [](const SpellEntry& e) {
        return std::vector<int32_t>{e.usageC, e.usageD, e.usageI, e.usageP, e.usageS, e.usageW};
    };
    EXPECT_EQ(flags(SpellEntry("x", 1, "WSC")), (std::vector<int32_t>{1, 0, 0, 0, 1, 1}));
    EXPECT_EQ(flags(SpellEntry("x", 1, "cdipsw")), std::vector<int32_t>(6, 0));
    EXPECT_EQ(flags(Universe().spells[3]), (std::vector<int32_t>{1, 1, 1, 1, 0, 1})); // Armor CDIPW
}

TEST(Universe, FillDefaultsUndoesAnyChange)
{
    Universe changed;
    changed.roomFlags.clear();
    changed.liquids[15].code = "99";
    changed.mobSpecProcs.push_back("EXTRA");
    changed.maxAbilities = 6;
    changed.fillDefaults();
    const Universe fresh;
    EXPECT_TRUE(changed.roomFlags == fresh.roomFlags && changed.liquids == fresh.liquids &&
                changed.mobSpecProcs == fresh.mobSpecProcs && changed.maxAbilities == 2);
}

TEST(Universe, EncoderAndWarningsReachTheRunningGenerator)
{
    Universe u;
    World world;
    u.addWarning("Mob", "Guard", "nobody listens"); // outside a run: dropped
    u.encoder().addEntry(u.specialProcFlag);        // outside a run: scratch words
    {
        Generator generator(u, world);
        ASSERT_EQ(u.generator, &generator);
        EXPECT_EQ(&u.encoder(), &generator.encoder());
        u.addWarning("Room", "Gate", "Exit leads nowhere.");
        EXPECT_EQ(generator.warnings(), (std::vector<Warning>{{"Room", "Gate", "Exit leads nowhere."}}));
    }
    EXPECT_EQ(u.generator, nullptr);
    EXPECT_EQ(u.encoder().words(), std::vector<std::string>{"A"});
}

} // namespace
} // namespace tarnholt
