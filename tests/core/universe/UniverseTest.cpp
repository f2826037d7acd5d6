#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "universe/Universe.h"

namespace tarnholt {
namespace {

// Size of each default table and the word every entry belongs to.
struct TableShape {
    const char* table;
    std::size_t size;
    int32_t field; // -2: mixed fields, checked elsewhere
};

const std::vector<FlagEntry>& tableNamed(const Universe& u, const std::string& table)
{
    if (table == "terrains") return u.terrains;
    if (table == "roomFlags") return u.roomFlags;
    if (table == "mobFlags") return u.mobFlags;
    if (table == "wearFlags") return u.wearFlags;
    if (table == "classRestrictions") return u.classRestrictions;
    if (table == "itemExtraFlags") return u.itemExtraFlags;
    if (table == "applyTypes") return u.applyTypes;
    if (table == "damageTypes") return u.damageTypes;
    if (table == "liquids") return u.liquids;
    return u.equipPositions;
}

class UniverseTableShape : public ::testing::TestWithParam<TableShape> {};

TEST_P(UniverseTableShape, HasItsSizeFieldsAndNoBits)
{
    Universe u;
    const TableShape& shape = GetParam();
    const auto& table = tableNamed(u, shape.table);
    ASSERT_EQ(table.size(), shape.size);
    std::set<std::string> names;
    for (const FlagEntry& entry : table) {
        EXPECT_EQ(entry.bit, -1) << entry.name;
        if (shape.field != -2)
            EXPECT_EQ(entry.field, shape.field) << entry.name;
        EXPECT_FALSE(entry.code.empty()) << entry.name;
        names.insert(entry.name);
    }
    EXPECT_EQ(names.size(), table.size()) << "duplicate names";
}

INSTANTIATE_TEST_SUITE_P(Defaults, UniverseTableShape,
                         ::testing::Values(TableShape{"terrains", 9, 1}, TableShape{"roomFlags", 15, 0},
                                           TableShape{"mobFlags", 22, -2}, TableShape{"wearFlags", 15, 1},
                                           TableShape{"classRestrictions", 11, 0},
                                           TableShape{"itemExtraFlags", 18, 0}, TableShape{"applyTypes", 22, 0},
                                           TableShape{"damageTypes", 16, 0}, TableShape{"liquids", 16, 0},
                                           TableShape{"equipPositions", 18, 0}),
                         [](const auto& info) { return std::string(info.param.table); });

TEST(Universe, ListsAndSingleEntries)
{
    Universe u;
    EXPECT_EQ(u.itemSpecProcs.size(), 14u);
    EXPECT_EQ(u.roomSpecProcs.size(), 10u);
    ASSERT_EQ(u.mobSpecProcs.size(), 133u);
    EXPECT_EQ(u.spells.size(), 96u);
    EXPECT_EQ(u.maxAbilities, 2);
    EXPECT_EQ(u.maxItemSpells, 1);
    EXPECT_EQ(u.generator, nullptr);

    EXPECT_EQ(u.itemSpecProcs.front(), "DEVICE_SEND_TO_NEW_LOCATION");
    EXPECT_EQ(u.itemSpecProcs.back(), "ITEM_MODIFY_DAMAGE");
    EXPECT_EQ(u.roomSpecProcs.back(), "ROOM_STOP_SPELL");
    // The single names, then the six families of twelve.
    EXPECT_EQ(u.mobSpecProcs[0], "CASTLE_GUARD");
    EXPECT_EQ(u.mobSpecProcs[20], "HEALER");
    EXPECT_EQ(u.mobSpecProcs[60], "GAIN_EXP_ON_DEATH");
    EXPECT_EQ(u.mobSpecProcs[61], "RESIST_PHYSICAL");
    EXPECT_EQ(u.mobSpecProcs[72], "RESIST_BACKSTAB");
    EXPECT_EQ(u.mobSpecProcs[73], "REDUCE_PHYSICAL");
    EXPECT_EQ(u.mobSpecProcs[109], "REFLECT_PHYSICAL");
    EXPECT_EQ(u.mobSpecProcs[121], "REFLECT_MANA_PHYSICAL");
    EXPECT_EQ(u.mobSpecProcs[132], "CAP_BACKSTAB");
    EXPECT_EQ(std::set<std::string>(u.mobSpecProcs.begin(), u.mobSpecProcs.end()).size(), 133u);

    EXPECT_EQ(u.specialProcFlag, (FlagEntry{"Special Proc Flag", "A", -1, 0}));
    EXPECT_EQ(u.extraOneHitFlag, (FlagEntry{"Extra One-Hit Flag", "J", -1, 0}));
    EXPECT_EQ(u.extraTwoHitFlag, (FlagEntry{"Extra Two-Hit Flag", "K", -1, 0}));

    // 16 action entries, then 6 affect entries.
    for (std::size_t i = 0; i < u.mobFlags.size(); ++i)
        EXPECT_EQ(u.mobFlags[i].field, i < 16 ? 0 : 1) << u.mobFlags[i].name;
    EXPECT_EQ(u.mobFlags[15].name, "No Calm");
    EXPECT_EQ(u.mobFlags[16].name, "Invisible");
}

// Letters that share a word must differ, or a word could not be read back.
TEST(Universe, LetterCodesAreSingleAndDistinctWithinAWord)
{
    Universe u;
    auto check = [](std::vector<FlagEntry> entries, int field) {
        std::set<std::string> codes;
        for (const FlagEntry& e : entries) {
            if (e.field != field)
                continue;
            EXPECT_EQ(e.code.size(), 1u) << e.name;
            EXPECT_TRUE(codes.insert(e.code).second) << "code " << e.code << " used twice (" << e.name << ")";
        }
    };
    std::vector<FlagEntry> itemWord = u.itemExtraFlags;
    itemWord.insert(itemWord.end(), u.classRestrictions.begin(), u.classRestrictions.end());
    check(itemWord, 0);
    std::vector<FlagEntry> mobWord = u.mobFlags;
    mobWord.push_back(u.specialProcFlag);
    mobWord.push_back(u.extraOneHitFlag);
    mobWord.push_back(u.extraTwoHitFlag);
    check(mobWord, 0);
    check(mobWord, 1);
    check(u.roomFlags, 0);
    check(u.wearFlags, 1);
}

TEST(Universe, SpellsHaveDistinctNamesAndNumbers)
{
    Universe u;
    std::set<std::string> names;
    std::set<int32_t> numbers;
    for (const SpellEntry& s : u.spells) {
        names.insert(s.name);
        numbers.insert(s.number);
    }
    EXPECT_EQ(names.size(), 96u);
    EXPECT_EQ(numbers.size(), 96u);
    EXPECT_EQ(numbers.count(29), 0u);
    // Table order is kept: Flaming Sword sits between Flamestrike and Gate One.
    auto at = [&](const std::string& name) {
        return std::find_if(u.spells.begin(), u.spells.end(), [&](const SpellEntry& s) { return s.name == name; }) -
               u.spells.begin();
    };
    EXPECT_EQ(at("Flaming Sword"), at("Flamestrike") + 1);
    EXPECT_EQ(at("Gate One"), at("Flaming Sword") + 1);
    EXPECT_EQ(u.spells.back().name, "Word of Recall");
}

// Lookup, argument, expected result.
struct Lookup {
    const char* what;
    std::string (*run)(const Universe&);
    const char* expected;
};

class UniverseLookup : public ::testing::TestWithParam<Lookup> {};

TEST_P(UniverseLookup, GivesTheTableAnswer)
{
    Universe u;
    EXPECT_EQ(GetParam().run(u), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Defaults, UniverseLookup,
    ::testing::Values(
        Lookup{"IdentifyNumber", [](const Universe& u) { return u.spellNumberText("Identify"); }, "129"},
        Lookup{"SpellNotInTable", [](const Universe& u) { return u.spellNumberText("Fly"); }, "0"},
        Lookup{"SpellOtherCase", [](const Universe& u) { return u.spellNumberText("identify"); }, "0"},
        Lookup{"SpellEmptyName", [](const Universe& u) { return u.spellNumberText(""); }, "0"},
        Lookup{"Spell29", [](const Universe& u) { return u.spellName(29); }, ""},
        Lookup{"Spell123", [](const Universe& u) { return u.spellName(123); }, "Flaming Sword"},
        Lookup{"Spell95", [](const Universe& u) { return u.spellName(95); }, "Word of Recall"},
        Lookup{"Apply17", [](const Universe& u) { return u.applyName(17); }, "Armor Class"},
        Lookup{"ApplyGap", [](const Universe& u) { return u.applyName(6); }, ""},
        Lookup{"ApplyNegative", [](const Universe& u) { return u.applyName(-1); }, ""},
        Lookup{"ApplyCode", [](const Universe& u) { return u.applyNumberText("Move Regen"); }, "29"},
        Lookup{"CokeCode", [](const Universe& u) { return u.liquidNumberText("Coke"); }, "15"},
        Lookup{"CokeOtherCase", [](const Universe& u) { return u.liquidNumberText("coke"); }, "0"},
        Lookup{"Liquid0", [](const Universe& u) { return u.liquidName(0); }, "Water"},
        Lookup{"Liquid16", [](const Universe& u) { return u.liquidName(16); }, ""},
        Lookup{"DamageCode", [](const Universe& u) { return u.damageTypeNumberText("Stab"); }, "16"},
        Lookup{"DamageName", [](const Universe& u) { return u.damageTypeName(11); }, "Pierce"},
        Lookup{"EquipLight", [](const Universe& u) { return u.equipPositionCode("Light"); }, "0"},
        Lookup{"EquipHoldable", [](const Universe& u) { return u.equipPositionCode("Holdable"); }, "17"},
        Lookup{"EquipUnknown", [](const Universe& u) { return u.equipPositionCode("Tail"); }, "0"},
        Lookup{"Terrain7", [](const Universe& u) { return u.terrainName(7); }, "Water, Not Swimmable"},
        Lookup{"Terrain9", [](const Universe& u) { return u.terrainName(9); }, ""},
        // Letter codes are not numbers: no room flag answers to a number.
        Lookup{"LetterTable", [](const Universe& u) { return Universe::nameOfNumber(u.roomFlags, 0); }, ""}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(Universe, FirstMatchWins)
{
    std::vector<FlagEntry> table{{"Twice", "3", -1, 0}, {"Twice", "4", -1, 0}, {"Other", "3", -1, 0}};
    EXPECT_EQ(Universe::codeOf(table, "Twice"), "3");
    EXPECT_EQ(Universe::nameOfNumber(table, 3), "Twice");
    // A code with trailing text is not the number.
    EXPECT_EQ(Universe::nameOfNumber({{"Odd", "5x", -1, 0}}, 5), "");
}

TEST(SpellEntry, KeepsUsageLettersAsFlags)
{
    struct Row {
        const char* letters;
        int c, d, i, p, s, w;
    };
    for (const Row& r : {Row{"", 0, 0, 0, 0, 0, 0}, Row{"CDIPSW", 1, 1, 1, 1, 1, 1}, Row{"WSC", 1, 0, 0, 0, 1, 1},
                         Row{"DI", 0, 1, 1, 0, 0, 0}, Row{"cdipsw", 0, 0, 0, 0, 0, 0}, Row{"none", 0, 0, 0, 0, 0, 0}}) {
        SpellEntry e("x", 7, r.letters);
        EXPECT_EQ(e.number, 7);
        EXPECT_EQ((std::vector<int32_t>{e.usageC, e.usageD, e.usageI, e.usageP, e.usageS, e.usageW}),
                  (std::vector<int32_t>{r.c, r.d, r.i, r.p, r.s, r.w}))
            << r.letters;
    }
    Universe u;
    const SpellEntry& armor = u.spells[3];
    ASSERT_EQ(armor.name, "Armor");
    EXPECT_TRUE(armor.usageC && armor.usageD && armor.usageI && armor.usageP && armor.usageW);
    EXPECT_FALSE(armor.usageS);
}

TEST(Universe, FillDefaultsUndoesAnyChange)
{
    Universe changed;
    changed.roomFlags.clear();
    changed.liquids[15].code = "99";
    changed.spells.pop_back();
    changed.mobSpecProcs.push_back("EXTRA");
    changed.maxAbilities = 6;
    changed.fillDefaults();

    Universe fresh;
    EXPECT_EQ(changed.roomFlags, fresh.roomFlags);
    EXPECT_EQ(changed.liquids, fresh.liquids);
    EXPECT_EQ(changed.spells.size(), fresh.spells.size());
    EXPECT_EQ(changed.mobSpecProcs, fresh.mobSpecProcs);
    EXPECT_EQ(changed.maxAbilities, 2);
}

TEST(Universe, OutsideARunUsesItsOwnEncoderAndDropsWarnings)
{
    Universe u;
    FlagEncoder& first = u.encoder();
    first.addEntry(u.specialProcFlag);
    EXPECT_EQ(&u.encoder(), &first);
    EXPECT_EQ(u.encoder().words(), std::vector<std::string>{"A"});
    u.addWarning("Mob", "Guard", "nothing listens"); // must not crash
}

} // namespace
} // namespace tarnholt
