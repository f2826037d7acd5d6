#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "core/rooms/RecordBytes.h"
#include "items/Item.h"
#include "items/ItemTypes.h"
#include "world/Archive.h"

namespace tarnholt {
namespace {

using ItemBytes = testing::RecordBytes;

// The stored fields of each type's value record, in archive order: i = int, s = string, l = string list.
std::string fieldKinds(const std::string& type)
{
    static const std::pair<const char*, const char*> kinds[] = {
        {"Light", "iii"},        {"Scroll", "iisss"},     {"Wand", "iiisi"},      {"Staff", "iiisi"},
        {"Weapon", "iiis"},      {"Fireweapon", "iiii"},  {"Missile Weapon", "ii"}, {"Treasure", "i"},
        {"Armor", "iii"},        {"Potion", "lii"},       {"Worn", "i"},          {"Other", "i"},
        {"Trash", "i"},          {"Container", "isiiiiii"}, {"Drink Container", "siiii"}, {"Key", "i"},
        {"Food", "ii"},          {"Money", "i"},          {"Fountain", "ii"},     {"Device", "issssiisiii"},
    };
    for (const auto& [name, kind] : kinds)
        if (type == name)
            return kind;
    return {};
}

// A value record's bytes with a distinct non-default value in every field.
std::string valueBytes(const std::string& type)
{
    std::string kinds = fieldKinds(type);
    if (kinds.empty())
        return {};
    ItemBytes b;
    b.i32(1);
    int n = 11;
    for (char kind : kinds) {
        ++n;
        if (kind == 'i')
            b.i32(n);
        else if (kind == 's')
            b.str("s" + std::to_string(n));
        else
            b.strs({"l" + std::to_string(n), "m" + std::to_string(n)});
    }
    return b.bytes;
}

Item richItem(const std::string& type)
{
    Item item;
    item.vnum = 42, item.abilityModifiers = {2, -1}, item.abilityNames = {"Strength", "Hit Roll"};
    item.classRestrictions = {"Mage"}, item.extraFlags = {"Glowing"}, item.specProcs = {"ITEM_PERCT_DAMAGE 50 1 3"};
    item.itemSpells = {"Bless"}, item.wearFlags = {"Takeable", "Wield"}, item.aliases = "thing";
    item.description = "A thing.\r\nReally.", item.identifier = "Thing", item.longDescription = "A thing lies here.";
    item.shortDescription = "a thing", item.itemType = type, item.rent = 3, item.value = 2, item.weight = 1;
    item.reservedText = "r", item.assemblyComponents = {"Part A", "Part B"};
    item.extraDescriptions.set("rune", "A rune.");
    item.valueRecord = createItemValues(type);
    if (item.valueRecord) {
        std::string bytes = valueBytes(type);
        Archive ar(bytes);
        item.valueRecord->Serialize(ar);
    }
    return item;
}

// The bytes of richItem, worked out field by field in the stored order.
std::string richItemBytes(const std::string& type)
{
    return ItemBytes{}
        .i32(6).i32(42).ints({2, -1}).strs({"Strength", "Hit Roll"}).strs({"Mage"}).strs({"Glowing"})
        .strs({"Takeable", "Wield"}).strs({"Bless"}).str(type)
        .str("thing").str("Thing").str("A thing lies here.").str("a thing").str("A thing.\r\nReally.")
        .i32(1).i32(2).i32(3) // weight, value, rent
        .str("r").strs({"Part A", "Part B"}).raw(valueBytes(type))
        .i32(1).strs({"rune"}).strs({"A rune."}) // extra descriptions
        .strs({"ITEM_PERCT_DAMAGE 50 1 3"})
        .bytes;
}

class ItemArchiveTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ItemArchiveTest, EveryTypeStoresLoadsAndStoresAgainIdentically)
{
    Item item = richItem(GetParam());
    Archive store;
    item.Serialize(store);
    EXPECT_EQ(store.data(), richItemBytes(GetParam()));

    Item loaded;
    Archive load(store.data());
    loaded.Serialize(load);
    EXPECT_EQ(load.remaining(), 0u);
    EXPECT_TRUE(loaded == item);
    EXPECT_EQ(loaded.valueRecord != nullptr, fieldKinds(GetParam()) != "");
    Archive again;
    loaded.Serialize(again);
    EXPECT_EQ(again.data(), store.data());
}

INSTANTIATE_TEST_SUITE_P(AllTypes, ItemArchiveTest,
                         ::testing::Values("Light", "Scroll", "Wand", "Staff", "Weapon", "Fireweapon",
                                           "Missile Weapon", "Treasure", "Armor", "Potion", "Worn", "Other",
                                           "Trash", "Container", "Note", "Drink Container", "Key", "Food", "Money",
                                           "Boat", "Fountain", "Airship", "Device", ""),
                         [](const auto& info) {
                             std::string name = info.param.empty() ? "NoType" : info.param;
                             name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
                             return name;
                         });

// The bytes an older program wrote: each version leaves out what it did not have yet.
std::string olderItemBytes(int version, const std::string& type, const std::string& values)
{
    ItemBytes b;
    b.i32(version).i32(7).ints({5}).strs({"Dexterity"}).strs({"Bard"}).strs({"Humming"}).strs({"Takeable"});
    if (version > 4)
        b.strs({"Curse"});
    b.str(type).str("old").str("Old Thing").str("An old thing.").str("an old thing");
    if (version > 1)
        b.str("Dusty.");
    if (version > 3)
        b.i32(10).i32(20).i32(30);
    b.str("").strs({"Part"}).raw(values).i32(1).strs({"dust"}).strs({"Grey dust."});
    if (version >= 6)
        b.strs({"DEVICE_KILL 10 0 1"});
    return b.bytes;
}

struct VersionRow {
    int version;
    const char* type;
    std::string values; // what that version stored for the value record
    int32_t level;      // minLevel of the loaded Worn/Armor record, damageDiceSize of a Missile Weapon
};

class OlderItemTest : public ::testing::TestWithParam<VersionRow> {};

TEST_P(OlderItemTest, LoadsWhatTheVersionHadAndDefaultsTheRest)
{
    const VersionRow& row = GetParam();
    std::string bytes = olderItemBytes(row.version, row.type, row.values);
    Item item;
    Archive ar(bytes);
    item.Serialize(ar);
    EXPECT_EQ(ar.remaining(), 0u);

    EXPECT_EQ(item.vnum, 7);
    EXPECT_EQ(item.shortDescription, "an old thing");
    EXPECT_EQ(item.itemSpells.size(), row.version > 4 ? 1u : 0u);
    EXPECT_EQ(item.description, row.version > 1 ? "Dusty." : "");
    EXPECT_EQ((std::vector<int32_t>{item.weight, item.value, item.rent}),
              (row.version > 3 ? std::vector<int32_t>{10, 20, 30} : std::vector<int32_t>(3, 0)));
    EXPECT_EQ(item.extraDescriptions.get("dust"), "Grey dust.");
    EXPECT_EQ(item.specProcs.size(), row.version >= 6 ? 1u : 0u);
    ASSERT_NE(item.valueRecord, nullptr);
    EXPECT_EQ(item.valueRecord->typeName(), row.type);
    int32_t level = -1;
    if (auto* worn = dynamic_cast<WornValues*>(item.valueRecord.get()))
        level = worn->minLevel;
    if (auto* armor = dynamic_cast<ArmorValues*>(item.valueRecord.get()))
        level = armor->minLevel;
    if (auto* missile = dynamic_cast<MissileValues*>(item.valueRecord.get()))
        level = missile->damageDiceSize;
    EXPECT_EQ(level, row.level);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, OlderItemTest,
    ::testing::Values(VersionRow{1, "Worn", ItemBytes{}.i32(1).i32(5).bytes, 5},
                      VersionRow{2, "Worn", "", 0}, // version 2 stored no record for Worn
                      VersionRow{2, "Missile Weapon", "", 0},
                      VersionRow{2, "Armor", ItemBytes{}.i32(1).i32(3).i32(8).i32(0).bytes, 8},
                      VersionRow{3, "Worn", ItemBytes{}.i32(1).i32(6).bytes, 6},
                      VersionRow{4, "Armor", ItemBytes{}.i32(1).i32(3).i32(9).i32(1).bytes, 9},
                      VersionRow{5, "Missile Weapon", ItemBytes{}.i32(1).i32(2).i32(4).bytes, 4},
                      VersionRow{6, "Worn", ItemBytes{}.i32(1).i32(7).bytes, 7}));

TEST(ItemArchive, ARecordThatDoesNotMatchItsTypeIsStoredSoItLoadsBack)
{
    // An Armor without its record still stores an Armor record, else the file could not be read.
    Item armor;
    armor.itemType = "Armor";
    Item note;
    note.itemType = "Note";
    note.valueRecord = std::make_unique<KeyValues>();
    for (Item* item : {&armor, &note}) {
        Archive store;
        item->Serialize(store);
        Item loaded;
        Archive load(store.data());
        loaded.Serialize(load);
        EXPECT_EQ(load.remaining(), 0u);
        EXPECT_EQ(loaded.itemType, item->itemType);
        EXPECT_EQ(loaded.valueRecord != nullptr, item == &armor);
    }
}

TEST(ItemCopies, FullCopyCopyAsNewCopyContentAndReset)
{
    const Item original = richItem("Container"); // vnum 42, identifier "Thing"
    Item copy(original);
    ASSERT_TRUE(copy == original);
    dynamic_cast<ContainerValues&>(*copy.valueRecord).key = "Changed"; // the value record is not shared
    EXPECT_FALSE(copy == original);
    copy = original;
    EXPECT_TRUE(copy == original);
    EXPECT_NE(copy.valueRecord.get(), original.valueRecord.get());
    copy = Item();
    EXPECT_EQ(copy.valueRecord, nullptr);
    EXPECT_FALSE(WornValues() == OtherValues()); // the same layout under two types is not the same record

    Item asNew;
    asNew.copyAsNew(original);
    EXPECT_EQ(std::make_pair(asNew.vnum, asNew.identifier), std::make_pair(-1, std::string()));
    asNew.vnum = 42, asNew.identifier = "Thing";
    EXPECT_TRUE(asNew == original);

    Item edited;
    edited.vnum = 7, edited.identifier = "Dagger";
    edited.copyContent(original);
    Item expected(original);
    expected.vnum = 7, expected.identifier = "Dagger";
    EXPECT_TRUE(edited == expected);

    // A reset keeps the extra descriptions only.
    edited.reset();
    Item fresh;
    fresh.extraDescriptions = original.extraDescriptions;
    EXPECT_TRUE(edited == fresh);
}

TEST(ItemRenames, FollowIdentifiersExactly)
{
    Item chest;
    chest.identifier = "Chest", chest.itemType = "Container", chest.assemblyComponents = {"Key", "key", "Lid"};
    chest.valueRecord = std::make_unique<ContainerValues>();
    dynamic_cast<ContainerValues&>(*chest.valueRecord).key = "Key";
    chest.RenameItemRef("Key", "Brass Key");
    chest.RenameItemRef("Chest", "Big Chest");
    EXPECT_EQ(dynamic_cast<ContainerValues&>(*chest.valueRecord).key, "Brass Key");
    EXPECT_EQ(chest.assemblyComponents, (std::vector<std::string>{"Brass Key", "key", "Lid"}));
    EXPECT_EQ(chest.identifier, "Big Chest");

    Item lever;
    lever.itemType = "Device";
    auto device = std::make_unique<DeviceValues>();
    device->mob = "Guard", device->room = "Hall";
    lever.valueRecord = std::move(device);
    lever.RenameMobRef("Guard", "Captain");
    lever.RenameRoomRef("Hall", "");
    EXPECT_EQ(dynamic_cast<DeviceValues&>(*lever.valueRecord).mob, "Captain");
    EXPECT_EQ(dynamic_cast<DeviceValues&>(*lever.valueRecord).room, "");

    Item plain; // no value record: renames do nothing
    plain.RenameMobRef("Guard", "Captain");
    EXPECT_TRUE(plain == Item());
}

} // namespace
} // namespace tarnholt
