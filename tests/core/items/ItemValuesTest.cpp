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

// No warning when `text` is empty, else that one.
std::vector<Warning> warned(const std::string& type, const std::string& identifier, const std::string& text)
{
    return text.empty() ? std::vector<Warning>() : std::vector<Warning>{{type, identifier, text}};
}

// Each row writes its record to the line, reads the line back into the record, or both.
enum Way { Both, Writes, Reads };

struct LineRow {
    const char* name;
    Way way;
    Make make;
    std::string line;         // without its line feed
    std::string warning = {}; // of the write, "" = none
};

class ValueLineTest : public ::testing::TestWithParam<LineRow> {};

TEST_P(ValueLineTest, WritesAndReadsTheTypesNumbers)
{
    const LineRow& row = GetParam();
    Universe universe;
    World world = referenceWorld();
    Generator generator(universe, world);
    auto expected = row.make();
    if (row.way != Reads) {
        EXPECT_EQ(expected->WriteValueLine(universe, world, "Thing"), row.line + "\n");
        EXPECT_EQ(generator.warnings(), warned("Item-Container", "Thing", row.warning));
    }
    if (row.way != Writes) {
        auto read = createItemValues(expected->typeName());
        EXPECT_TRUE(read->ReadValueLine(universe, row.line));
        EXPECT_TRUE(*read == *expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, ValueLineTest,
    ::testing::Values(
        LineRow{"ArmorCursedIsNegative", Both, with<ArmorValues>([](auto& v) { v.armorClass = 4; v.cursed = 1; v.minLevel = 10; }), "-4 0 0 0 10"},
        LineRow{"ContainerLockedPickproofCloseable", Writes, with<ContainerValues>([](auto& v) { v.locked = 1; v.pickproof = 1; v.closeable = 1; v.maxWeight = 50; v.minLevel = 3; }), "50 11 -1 0 3"},
        LineRow{"ContainerClosedWithKey", Writes, with<ContainerValues>([](auto& v) { v.closed = 1; v.key = "Brass Key"; v.maxWeight = 20; v.noKey = 1; }), "20 4 3005 0 0"},
        // A key that names nothing, or nothing at all, writes -1 without a warning; another item warns.
        LineRow{"ContainerKeyNamesNothing", Writes, with<ContainerValues>([](auto& v) { v.key = "Lost Key"; v.maxWeight = 100; }), "100 0 -1 0 0"},
        LineRow{"ContainerWithoutKey", Writes, with<ContainerValues>([](auto& v) { v.maxWeight = 100; }), "100 0 -1 0 0"},
        LineRow{"ContainerKeyNotAKey", Writes, with<ContainerValues>([](auto& v) { v.key = "Sword"; v.maxWeight = 100; }), "100 0 -1 0 0", "Item Sword is not a key"},
        LineRow{"ContainerReadsKeyNumber", Reads, with<ContainerValues>([](auto& v) { v.maxWeight = 50, v.locked = v.closed = v.closeable = 1, v.key = "#3005", v.minLevel = 3; }), "50 13 3005 0 3"},
        LineRow{"DrinkPoisonedWritesOne", Writes, with<DrinkValues>([](auto& v) { v.liquid = "Whisky"; v.maxDrinkUnits = 10; v.drinkUnitsLeft = 4; v.poisoned = 7; v.minLevel = 2; }), "10 4 5 1 2"},
        LineRow{"Drink", Reads, with<DrinkValues>([](auto& v) { v.maxDrinkUnits = 10, v.drinkUnitsLeft = 4, v.liquid = "Whisky", v.poisoned = 1, v.minLevel = 2; }), "10 4 5 1 2"},
        LineRow{"FireweaponFourNumbers", Both, with<FireweaponValues>([](auto& v) { v.roundsLeft = 5; v.damageDiceCount = 2; v.damageDiceSize = 6; v.totalRounds = 10; }), "5 2 6 10"},
        LineRow{"FoodFifthIsZero", Writes, with<FoodValues>([](auto& v) { v.hoursOfFullness = 12; v.poisoned = 1; }), "12 0 0 1 0"},
        LineRow{"Fountain", Writes, with<FountainValues>([](auto& v) { v.maxDrinkUnits = 100; v.drinkUnitsLeft = 80; }), "100 80 0 0 0"},
        LineRow{"Key", Writes, with<KeyValues>([](auto& v) { v.keyNumber = 3005; }), "3005 0 0 0 0"},
        LineRow{"LightEternal", Writes, with<LightValues>([](auto& v) { v.duration = LightValues::Eternal; v.lightHours = 24; v.minLevel = 5; }), "0 0 -1 0 5"},
        LineRow{"LightMinusOneIsEternal", Reads, with<LightValues>([](auto& v) { v.duration = LightValues::Eternal, v.lightHours = 0, v.minLevel = 5; }), "0 0 -1 0 5"},
        LineRow{"LightNoLightWritesItsHours", Writes, with<LightValues>([](auto& v) { v.duration = LightValues::NoLight; v.lightHours = 3; }), "0 0 3 0 0"},
        LineRow{"MissileFourNumbers", Both, with<MissileValues>([](auto& v) { v.damageDiceCount = 2; v.damageDiceSize = 4; }), "0 2 4 0"},
        LineRow{"Money", Writes, with<MoneyValues>([](auto& v) { v.coins = 250; }), "250 0 0 0 0"},
        LineRow{"PotionTwoSpellsNoMinLevel", Writes, with<PotionValues>([](auto& v) { v.spells = {"Armor", "Heal"}; v.spellLevel = 12; v.minLevel = 9; }), "12 4 51 0 0"},
        LineRow{"PotionSkipsZeros", Reads, with<PotionValues>([](auto& v) { v.spellLevel = 20, v.spells = {"Armor", "Heal"}, v.minLevel = 0; }), "20 4 0 51 7"},
        LineRow{"Scroll", Writes, with<ScrollValues>([](auto& v) { v.minLevel = 3; v.spellLevel = 15; v.spellOne = "Identify"; v.spellThree = "Bless"; }), "15 129 0 6 3"},
        LineRow{"ScrollIgnoresFifth", Reads, with<ScrollValues>([](auto& v) { v.spellLevel = 15, v.spellOne = "Identify", v.spellThree = "Bless"; }), "15 129 0 6 3"},
        LineRow{"Staff", Both, with<StaffValues>([](auto& v) { v.chargesLeft = 3; v.maxCharges = 5; v.minLevel = 7; v.spell = "Heal"; v.spellLevel = 20; }), "20 5 3 51 7"},
        LineRow{"Weapon", Both, with<WeaponValues>([](auto& v) { v.damageDiceCount = 2; v.damageDiceSize = 6; v.minLevel = 4; v.weaponType = "Slash"; }), "0 2 6 3 4"},
        LineRow{"Worn", Writes, with<WornValues>([](auto& v) { v.minLevel = 8; }), "0 0 0 0 8"},
        LineRow{"WornTakesFifth", Reads, with<WornValues>([](auto& v) { v.minLevel = 9; }), "1 2 3 4 9"},
        LineRow{"DeviceLoadItem", Reads, with<DeviceValues>([](auto& v) { v.action = 6, v.item = "#3012", v.room = "#4000"; }), "7 3012 4000 0 0"},
        LineRow{"DeviceUnlockUp", Reads, with<DeviceValues>([](auto& v) { v.action = 4, v.direction = "Up"; }), "5 4 0 0 0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ValueLines, TooFewNumbersFailAndLeaveTheRecordAsItWas)
{
    Universe universe;
    for (const auto& [type, line] : {std::pair{"Fireweapon", "5 2 6"}, std::pair{"Device", "7 3012 0 0"}}) {
        auto record = createItemValues(type);
        EXPECT_FALSE(record->ReadValueLine(universe, line)) << type;
        EXPECT_TRUE(*record == *createItemValues(type)) << type;
    }
}

struct DeviceRow {
    const char* name;
    int32_t action, booleanAction, booleanToggle, startValue;
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
    device.action = row.action, device.booleanAction = row.booleanAction;
    device.booleanToggle = row.booleanToggle, device.startValue = row.startValue;
    device.item = device.mob = device.room = device.direction = row.reference;
    device.spell = "Heal", device.spellLevel = 30, device.spellDuration = 4; // never written

    EXPECT_EQ(device.WriteValueLine(universe, world, "Altar"), row.expected);
    EXPECT_EQ(generator.warnings(), warned("Item-Device", "Altar", row.warning));
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

TEST(ItemTypes, NumbersAndRecordsOfEveryType)
{
    // Indexed by type number; "" marks a number without a type.
    const std::vector<std::string> names = {
        "", "Light", "Scroll", "Wand", "Staff", "Weapon", "Fireweapon", "Missile Weapon", "Treasure", // 0-8
        "Armor", "Potion", "Worn", "Other", "Trash", "", "Container", "Note", "Drink Container",      // 9-17
        "Key", "Food", "Money", "", "Boat", "Fountain", "Airship", "", "Device", ""};                  // 18-27
    for (std::size_t number = 0; number < names.size(); ++number) {
        const std::string& name = names[number];
        SCOPED_TRACE(number);
        EXPECT_EQ(typeNameForNumber(static_cast<int>(number)), name);
        if (name.empty())
            continue;
        EXPECT_EQ(typeNumberText(name), std::to_string(number));
        auto record = createItemValues(name);
        EXPECT_EQ(record == nullptr, name == "Note" || name == "Boat" || name == "Airship");
        EXPECT_EQ(record ? record->typeName() : name, name);
    }
    EXPECT_EQ(typeNameForNumber(-1), "");
    EXPECT_EQ(typeNameForNumber(1000), "");
    // The factory ignores letter case, the number does not.
    ASSERT_NE(createItemValues("armor"), nullptr);
    EXPECT_EQ(createItemValues("armor")->typeName(), "Armor");
    EXPECT_EQ(typeNumberText("armor"), "");
    EXPECT_EQ(createItemValues("Armour"), nullptr);
    EXPECT_FALSE(typeHasValuePage("Treasure"));
    EXPECT_TRUE(typeHasValuePage("Device"));
}

} // namespace
} // namespace tarnholt
