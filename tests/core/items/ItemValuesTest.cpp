#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/rooms/RecordBytes.h"
#include "generate/Generator.h"
#include "items/ItemTypes.h"
#include "items/ItemValues.h"
#include "universe/Universe.h"
#include "world/Archive.h"
#include "world/World.h"

namespace tarnholt {
namespace {

using ItemBytes = testing::RecordBytes;
using Make = std::function<std::unique_ptr<ItemValues>()>;

template <class T>
Make with(std::function<void(T&)> set)
{
    return [set] {
        auto record = std::make_unique<T>();
        set(*record);
        return std::unique_ptr<ItemValues>(std::move(record));
    };
}

template <class T>
T record(const std::string& identifier, int32_t vnum)
{
    T r;
    r.identifier = identifier, r.vnum = vnum;
    return r;
}

// A zone with a few records that value lines refer to.
World referenceWorld()
{
    World world;
    world.items = {record<Item>("Lever", 3012), record<Item>("Brass Key", 3005), record<Item>("Sword", 3020)};
    world.items[0].itemType = "Other", world.items[1].itemType = "Key", world.items[2].itemType = "Weapon";
    world.mobs = {record<Mob>("Guard", 3001)};
    world.rooms = {record<Room>("Hall", 3050)};
    return world;
}

// ---- value lines ----

struct LineRow {
    const char* name;
    Make make;
    std::string expected;
};

class ValueLineTest : public ::testing::TestWithParam<LineRow> {};

TEST_P(ValueLineTest, WritesTheTypesNumbers)
{
    Universe universe;
    World world = referenceWorld();
    Generator generator(universe, world);
    auto record = GetParam().make();
    EXPECT_EQ(record->WriteValueLine(universe, world, "Thing"), GetParam().expected);
    EXPECT_TRUE(generator.warnings().empty());
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, ValueLineTest,
    ::testing::Values(
        LineRow{"ArmorCursedIsNegative", with<ArmorValues>([](auto& v) { v.armorClass = 4; v.cursed = 1; v.minLevel = 10; }), "-4 0 0 0 10\n"},
        LineRow{"ContainerLockedPickproofCloseable", with<ContainerValues>([](auto& v) { v.locked = 1; v.pickproof = 1; v.closeable = 1; v.maxWeight = 50; v.minLevel = 3; }), "50 11 -1 0 3\n"},
        LineRow{"ContainerClosedWithKey", with<ContainerValues>([](auto& v) { v.closed = 1; v.key = "Brass Key"; v.maxWeight = 20; v.noKey = 1; }), "20 4 3005 0 0\n"},
        // A key that names nothing, or nothing at all, writes -1 without a warning.
        LineRow{"ContainerKeyNamesNothing", with<ContainerValues>([](auto& v) { v.key = "Lost Key"; v.maxWeight = 100; }), "100 0 -1 0 0\n"},
        LineRow{"ContainerWithoutKey", with<ContainerValues>([](auto& v) { v.maxWeight = 100; }), "100 0 -1 0 0\n"},
        LineRow{"DrinkPoisonedWritesOne", with<DrinkValues>([](auto& v) { v.liquid = "Whisky"; v.maxDrinkUnits = 10; v.drinkUnitsLeft = 4; v.poisoned = 7; v.minLevel = 2; }), "10 4 5 1 2\n"},
        LineRow{"FireweaponFourNumbers", with<FireweaponValues>([](auto& v) { v.roundsLeft = 5; v.damageDiceCount = 2; v.damageDiceSize = 6; v.totalRounds = 10; }), "5 2 6 10\n"},
        LineRow{"FoodFifthIsZero", with<FoodValues>([](auto& v) { v.hoursOfFullness = 12; v.poisoned = 1; }), "12 0 0 1 0\n"},
        LineRow{"Fountain", with<FountainValues>([](auto& v) { v.maxDrinkUnits = 100; v.drinkUnitsLeft = 80; }), "100 80 0 0 0\n"},
        LineRow{"Key", with<KeyValues>([](auto& v) { v.keyNumber = 3005; }), "3005 0 0 0 0\n"},
        LineRow{"LightEternal", with<LightValues>([](auto& v) { v.duration = LightValues::Eternal; v.lightHours = 24; v.minLevel = 5; }), "0 0 -1 0 5\n"},
        LineRow{"LightNoLightWritesItsHours", with<LightValues>([](auto& v) { v.duration = LightValues::NoLight; v.lightHours = 3; }), "0 0 3 0 0\n"},
        LineRow{"MissileFourNumbers", with<MissileValues>([](auto& v) { v.damageDiceCount = 2; v.damageDiceSize = 4; }), "0 2 4 0\n"},
        LineRow{"Money", with<MoneyValues>([](auto& v) { v.coins = 250; }), "250 0 0 0 0\n"},
        LineRow{"PotionTwoSpellsNoMinLevel", with<PotionValues>([](auto& v) { v.spells = {"Armor", "Heal"}; v.spellLevel = 12; v.minLevel = 9; }), "12 4 51 0 0\n"},
        LineRow{"Scroll", with<ScrollValues>([](auto& v) { v.minLevel = 3; v.spellLevel = 15; v.spellOne = "Identify"; v.spellThree = "Bless"; }), "15 129 0 6 3\n"},
        LineRow{"Staff", with<StaffValues>([](auto& v) { v.chargesLeft = 3; v.maxCharges = 5; v.minLevel = 7; v.spell = "Heal"; v.spellLevel = 20; }), "20 5 3 51 7\n"},
        LineRow{"Weapon", with<WeaponValues>([](auto& v) { v.damageDiceCount = 2; v.damageDiceSize = 6; v.minLevel = 4; v.weaponType = "Slash"; }), "0 2 6 3 4\n"},
        LineRow{"Worn", with<WornValues>([](auto& v) { v.minLevel = 8; }), "0 0 0 0 8\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ContainerKeyCheck, AKeyOfAnotherTypeWarnsAndWritesMinusOne)
{
    Universe universe;
    World world = referenceWorld();
    Generator generator(universe, world);
    ContainerValues chest;
    chest.key = "Sword";
    chest.maxWeight = 100;
    EXPECT_EQ(chest.WriteValueLine(universe, world, "Chest"), "100 0 -1 0 0\n");
    ASSERT_EQ(generator.warnings().size(), 1u);
    EXPECT_EQ(generator.warnings()[0], (Warning{"Item-Container", "Chest", "Item Sword is not a key"}));
}

// ---- the device line ----

struct DeviceRow {
    const char* name;
    int32_t action;
    int32_t booleanAction;
    int32_t booleanToggle;
    int32_t startValue;
    std::string reference; // into item, mob, room or direction, by the action
    std::string expected;
    std::string warning;
};

class DeviceLineTest : public ::testing::TestWithParam<DeviceRow> {};

TEST_P(DeviceLineTest, WritesEveryBranch)
{
    const DeviceRow& row = GetParam();
    Universe universe;
    World world = referenceWorld();
    Generator generator(universe, world);
    DeviceValues device;
    device.action = row.action;
    device.booleanAction = row.booleanAction;
    device.booleanToggle = row.booleanToggle;
    device.startValue = row.startValue;
    device.item = device.mob = device.room = device.direction = row.reference;
    device.spell = "Heal"; // never written
    device.spellLevel = 30;
    device.spellDuration = 4;

    EXPECT_EQ(device.WriteValueLine(universe, world, "Altar"), row.expected);
    if (row.warning.empty()) {
        EXPECT_TRUE(generator.warnings().empty());
    } else {
        ASSERT_EQ(generator.warnings().size(), 1u);
        EXPECT_EQ(generator.warnings()[0], (Warning{"Item-Device", "Altar", row.warning}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Branches, DeviceLineTest,
    ::testing::Values(
        DeviceRow{"LoadItem", 6, 0, 0, 0, "Lever", "7 3012 0 0\n", ""},
        DeviceRow{"LoadItemBoolean", 6, 1, 0, 1, "Lever", "7 1 3012\n", ""},
        DeviceRow{"SpellEffectKeepsItsBlank", 13, 0, 0, 0, "", "14 \n", ""},
        DeviceRow{"SpellEffectBoolean", 13, 1, 0, 0, "", "14 0 \n", "Unknown action."},
        DeviceRow{"ToggleWinsOverAction", 5, 1, 1, 1, "Lever", "6 1 3012 0 0\n", ""},
        DeviceRow{"UnlockUpIsFour", 4, 1, 0, 0, "Up", "5 0 4\n", ""},
        DeviceRow{"UnlockUnknownDirection", 4, 1, 0, 0, "Sideways", "5 0 \n", "Unknown Direction in Device"},
        DeviceRow{"OpenDownIsFive", 5, 0, 0, 0, "Down", "6 5\n", ""},
        DeviceRow{"OpenNoDirectionNoWarning", 5, 0, 0, 0, "", "6 \n", ""},
        DeviceRow{"KillUser", 3, 0, 0, 0, "", "4 0 0 0\n", ""},
        DeviceRow{"MoveUser", 1, 0, 0, 0, "Hall", "2 3050 0 0\n", ""},
        DeviceRow{"LoadMob", 8, 0, 0, 0, "Guard", "9 3001 0 0\n", ""},
        DeviceRow{"RoomEchoBoolean", 10, 1, 0, 1, "", "11 1 0\n", ""},
        DeviceRow{"MoveGroupBooleanHashRoom", 12, 1, 0, 0, "#4000", "13 0 4000\n", ""},
        DeviceRow{"PurgeMobBooleanMissing", 9, 1, 0, 0, "Ghost", "10 0 -1\n", ""},
        DeviceRow{"DamagedActionIndex", 20, 0, 0, 0, "", "21 \n", "Unknown action."}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- reading value lines ----

struct ReadRow {
    const char* name;
    const char* type;
    std::string line;
    bool ok;
    Make expected; // null: a failed read leaves the record as it was made
};

class ReadValueLineTest : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ReadValueLineTest, ParsesTheNumbers)
{
    Universe universe;
    auto record = createItemValues(GetParam().type);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->ReadValueLine(universe, GetParam().line), GetParam().ok);
    EXPECT_TRUE(*record == *(GetParam().expected ? GetParam().expected() : createItemValues(GetParam().type)));
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, ReadValueLineTest,
    ::testing::Values(
        ReadRow{"ArmorCursed", "Armor", "-4 0 0 0 10", true, with<ArmorValues>([](auto& v) { v.armorClass = 4, v.cursed = 1, v.minLevel = 10; })},
        ReadRow{"ContainerBits", "Container", "50 13 3005 0 3", true, with<ContainerValues>([](auto& v) {
                    v.maxWeight = 50, v.locked = v.closed = v.closeable = 1, v.key = "#3005", v.minLevel = 3; })},
        ReadRow{"Drink", "Drink Container", "10 4 5 1 2", true, with<DrinkValues>([](auto& v) {
                    v.maxDrinkUnits = 10, v.drinkUnitsLeft = 4, v.liquid = "Whisky", v.poisoned = 1, v.minLevel = 2; })},
        ReadRow{"Fireweapon", "Fireweapon", "5 2 6 10", true, with<FireweaponValues>([](auto& v) {
                    v.roundsLeft = 5, v.damageDiceCount = 2, v.damageDiceSize = 6, v.totalRounds = 10; })},
        ReadRow{"FireweaponThreeNumbersFail", "Fireweapon", "5 2 6", false, nullptr},
        ReadRow{"LightMinusOneIsEternal", "Light", "0 0 -1 0 5", true, with<LightValues>([](auto& v) {
                    v.duration = LightValues::Eternal, v.lightHours = 0, v.minLevel = 5; })},
        ReadRow{"Missile", "Missile Weapon", "0 3 8 0", true, with<MissileValues>([](auto& v) { v.damageDiceCount = 3, v.damageDiceSize = 8; })},
        ReadRow{"PotionSkipsZeros", "Potion", "20 4 0 51 7", true, with<PotionValues>([](auto& v) {
                    v.spellLevel = 20, v.spells = {"Armor", "Heal"}, v.minLevel = 0; })},
        ReadRow{"ScrollIgnoresFifth", "Scroll", "15 129 0 6 3", true, with<ScrollValues>([](auto& v) {
                    v.spellLevel = 15, v.spellOne = "Identify", v.spellThree = "Bless"; })},
        ReadRow{"Staff", "Staff", "20 5 3 51 7", true, with<StaffValues>([](auto& v) {
                    v.spellLevel = 20, v.maxCharges = 5, v.chargesLeft = 3, v.spell = "Heal", v.minLevel = 7; })},
        ReadRow{"Weapon", "Weapon", "0 2 6 11 4", true, with<WeaponValues>([](auto& v) {
                    v.damageDiceCount = 2, v.damageDiceSize = 6, v.weaponType = "Pierce", v.minLevel = 4; })},
        ReadRow{"WornTakesFifth", "Worn", "1 2 3 4 9", true, with<WornValues>([](auto& v) { v.minLevel = 9; })},
        ReadRow{"DeviceLoadItem", "Device", "7 3012 4000 0 0", true, with<DeviceValues>([](auto& v) { v.action = 6, v.item = "#3012", v.room = "#4000"; })},
        ReadRow{"DeviceUnlockUp", "Device", "5 4 0 0 0", true, with<DeviceValues>([](auto& v) { v.action = 4, v.direction = "Up"; })},
        ReadRow{"DeviceOwnLineHasTooFewNumbers", "Device", "7 3012 0 0", false, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- archive forms ----

struct ArchiveRow {
    const char* name;
    Make make;
    std::string expected;
};

class ValueArchiveTest : public ::testing::TestWithParam<ArchiveRow> {};

TEST_P(ValueArchiveTest, StoresInItsOwnOrderAndLoadsBack)
{
    auto record = GetParam().make();
    Archive store;
    record->Serialize(store);
    EXPECT_EQ(store.data(), GetParam().expected);

    auto loaded = createItemValues(record->typeName());
    Archive load(GetParam().expected);
    loaded->Serialize(load);
    EXPECT_EQ(load.remaining(), 0u);
    EXPECT_TRUE(*loaded == *record);
}

INSTANTIATE_TEST_SUITE_P(
    ReorderedRecords, ValueArchiveTest,
    ::testing::Values(
        ArchiveRow{"Armor", with<ArmorValues>([](auto& v) { v.armorClass = 4; v.cursed = 1; v.minLevel = 10; }),
                   ItemBytes{}.i32(1).i32(4).i32(10).i32(1).bytes},
        ArchiveRow{"Container", with<ContainerValues>([](auto& v) { v.locked = 1; v.key = "K"; v.closed = 2; v.closeable = 3; v.minLevel = 4; v.noKey = 5; v.pickproof = 6; v.maxWeight = 7; }),
                   ItemBytes{}.i32(1).i32(1).str("K").i32(2).i32(3).i32(4).i32(5).i32(6).i32(7).bytes},
        ArchiveRow{"Device", with<DeviceValues>([](auto& v) { v.startValue = 1; v.item = "I"; v.mob = "M"; v.room = "R"; v.spellDuration = 2; v.spellLevel = 3; v.spell = "Heal"; v.action = 4; v.booleanAction = 5; v.booleanToggle = 6; v.direction = "Up"; }),
                   ItemBytes{}.i32(1).i32(1).str("I").str("M").str("R").str("Up").i32(2).i32(3).str("Heal").i32(4).i32(5).i32(6).bytes},
        ArchiveRow{"Drink", with<DrinkValues>([](auto& v) { v.liquid = "Ale"; v.maxDrinkUnits = 1; v.minLevel = 2; v.drinkUnitsLeft = 3; v.poisoned = 4; }),
                   ItemBytes{}.i32(1).str("Ale").i32(1).i32(2).i32(3).i32(4).bytes},
        ArchiveRow{"Fireweapon", with<FireweaponValues>([](auto& v) { v.damageDiceCount = 1; v.damageDiceSize = 2; v.roundsLeft = 3; v.totalRounds = 4; }),
                   ItemBytes{}.i32(1).i32(3).i32(1).i32(2).i32(4).bytes},
        ArchiveRow{"Potion", with<PotionValues>([](auto& v) { v.spells = {"Aid", "Haste"}; v.spellLevel = 1; v.minLevel = 2; }),
                   ItemBytes{}.i32(1).strs({"Aid", "Haste"}).i32(1).i32(2).bytes}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ValueRecords, CloneIsEqualAndSeparate)
{
    DeviceValues device;
    device.item = "Lever";
    device.action = 6;
    auto copy = device.Clone();
    EXPECT_TRUE(*copy == device);
    dynamic_cast<DeviceValues&>(*copy).item = "Other Lever";
    EXPECT_EQ(device.item, "Lever");
    EXPECT_FALSE(*copy == device);

    // The same layout under two types is not the same record.
    WornValues worn;
    OtherValues other;
    EXPECT_FALSE(worn == other);
    EXPECT_EQ(worn.Clone()->typeName(), "Worn");
}

// ---- the type table ----

TEST(ItemTypes, NumbersAndRecordsOfEveryType)
{
    struct Row {
        const char* name;
        const char* number;
        bool hasRecord;
    };
    const Row rows[] = {{"Light", "1", true},       {"Scroll", "2", true},          {"Wand", "3", true},
                        {"Staff", "4", true},       {"Weapon", "5", true},          {"Fireweapon", "6", true},
                        {"Missile Weapon", "7", true}, {"Treasure", "8", true},     {"Armor", "9", true},
                        {"Potion", "10", true},     {"Worn", "11", true},           {"Other", "12", true},
                        {"Trash", "13", true},      {"Container", "15", true},      {"Note", "16", false},
                        {"Drink Container", "17", true}, {"Key", "18", true},       {"Food", "19", true},
                        {"Money", "20", true},      {"Boat", "22", false},          {"Fountain", "23", true},
                        {"Airship", "24", false},   {"Device", "26", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(typeNumberText(row.name), row.number);
        EXPECT_EQ(typeNameForNumber(std::stoi(row.number)), row.name);
        auto record = createItemValues(row.name);
        ASSERT_EQ(record != nullptr, row.hasRecord);
        if (record) {
            EXPECT_EQ(record->typeName(), row.name);
        }
    }
    for (int number : {0, 14, 21, 25, -1, 27, 1000})
        EXPECT_EQ(typeNameForNumber(number), "") << number;
}

TEST(ItemTypes, FactoryIgnoresCaseButTheNumberDoesNot)
{
    auto armor = createItemValues("armor");
    ASSERT_NE(armor, nullptr);
    EXPECT_NE(dynamic_cast<ArmorValues*>(armor.get()), nullptr);
    EXPECT_EQ(typeNumberText("armor"), "");
    EXPECT_NE(createItemValues("DRINK CONTAINER"), nullptr);
    EXPECT_EQ(createItemValues(""), nullptr);
    EXPECT_EQ(createItemValues("Armour"), nullptr);
    EXPECT_FALSE(typeHasValuePage("Treasure"));
    EXPECT_TRUE(typeHasValuePage("Device"));
}

} // namespace
} // namespace tarnholt
