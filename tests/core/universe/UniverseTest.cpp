#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "generate/Generator.h"
#include "universe/Universe.h"
#include "world/World.h"

namespace tarnholt {
namespace {

// Names must differ within a table, and letters that share a word too, or the word could not be read back.
TEST(Universe, NamesAndLetterCodesAreDistinct)
{
    Universe u;
    for (const auto* table : {&u.terrains, &u.roomFlags, &u.mobFlags, &u.wearFlags, &u.classRestrictions,
                              &u.itemExtraFlags, &u.applyTypes, &u.damageTypes, &u.liquids, &u.equipPositions}) {
        std::set<std::string> names;
        for (const FlagEntry& entry : *table) {
            EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
            EXPECT_FALSE(entry.code.empty()) << entry.name;
        }
    }
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

    // 61 single procedure names, then six families of twelve, all distinct.
    EXPECT_EQ(std::set<std::string>(u.mobSpecProcs.begin(), u.mobSpecProcs.end()).size(), 133u);
    EXPECT_EQ(u.mobSpecProcs.at(61), "RESIST_PHYSICAL");
    EXPECT_EQ(u.mobSpecProcs.back(), "CAP_BACKSTAB");
    std::set<int32_t> numbers;
    for (const SpellEntry& s : u.spells)
        numbers.insert(s.number);
    EXPECT_EQ(numbers.size(), u.spells.size());
    EXPECT_EQ(u.spells[42].name, "Flaming Sword"); // kept in table order, after Flamestrike
}

TEST(Universe, LookupsTakeExactNamesAndWholeCodes)
{
    const Universe u;
    EXPECT_EQ(u.liquidNumberText("Coke"), "15");
    EXPECT_EQ(u.liquidNumberText("coke"), "0");
    EXPECT_EQ(u.spellNumberText("identify"), "0");
    EXPECT_EQ(u.spellName(29), "");
    EXPECT_EQ(u.applyName(17), "Armor Class");
    EXPECT_EQ(u.applyName(6), ""); // a gap in the numbers
    EXPECT_EQ(u.equipPositionCode("Holdable"), "17");
    EXPECT_EQ(u.terrainName(7), "Water, Not Swimmable");
    // Letter codes are not numbers, and a number must be the whole code.
    EXPECT_EQ(Universe::nameOfNumber(u.roomFlags, 0), "");
    EXPECT_EQ(Universe::nameOfNumber({{"Odd", "5x"}}, 5), "");
    EXPECT_EQ(Universe::codeOf({{"Twice", "3"}, {"Twice", "4"}}, "Twice"), "3");
}

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
