#include <gtest/gtest.h>

#include <algorithm>

#include <nlohmann/json.hpp>

#include "cli/WorldJson.h"
#include "items/ItemTypes.h"
#include "world/Document.h"
#include "world/World.h"

namespace tarnholt {
namespace {

using Json = nlohmann::ordered_json;

// A new World, as the form documents it.
const char* const kEmptyWorldJson = R"({
  "format": "tarnholt-world",
  "version": 1,
  "zoneName": "",
  "basePath": "",
  "zoneNumber": 0,
  "repopMode": 0,
  "repopTime": 30,
  "startItemVnum": 0,
  "startMobVnum": 0,
  "startRoomVnum": 0,
  "maxRoomVnum": 0,
  "items": [],
  "mobs": [],
  "rooms": [],
  "shops": []
}
)";

TEST(WorldJson, NewWorldHasTheDocumentedForm)
{
    EXPECT_EQ(worldToJson(World()), kEmptyWorldJson);
    EXPECT_EQ(worldFromJson(kEmptyWorldJson).repopTime, 30);
}

TEST(WorldJson, EveryByteOfTheCharacterSetSurvivesTheRoundTrip)
{
    World world;
    Room room;
    for (int byte = 0; byte < 256; ++byte)
        room.name += static_cast<char>(byte);
    world.rooms.push_back(room);

    const std::string json = worldToJson(world);
    EXPECT_NE(json.find("\xE2\x82\xAC"), std::string::npos); // byte 0x80 is the euro sign in UTF-8
    EXPECT_EQ(worldFromJson(json).rooms.at(0).name, room.name);
}

TEST(WorldJson, AnItemKeepsTheValueRecordOfItsTypeOnly)
{
    // In memory an item may hold a record of another type; the document stores the type's own
    // defaults then, and the JSON form must say the same.
    World world;
    Item item;
    item.itemType = "Key";
    item.valueRecord = std::make_unique<ArmorValues>();
    world.items.push_back(item);

    const Json values = Json::parse(worldToJson(world))["items"][0]["values"];
    EXPECT_EQ(values, Json::parse(R"({"keyNumber": 0})"));
    World back = worldFromJson(worldToJson(world));
    EXPECT_EQ(Document::storeWorld(back), Document::storeWorld(world));
}

// ---- the value records, by type -------------------------------------------------------------

struct ValueLayout {
    std::string type;
    std::string keys; // in order; "" = the type has no values
};

class ValueRecordJson : public ::testing::TestWithParam<ValueLayout> {};

TEST_P(ValueRecordJson, NamesEveryFieldAndCarriesItThroughTheDocument)
{
    World world;
    Item item;
    item.itemType = GetParam().type;
    item.valueRecord = createItemValues(GetParam().type);
    world.items.push_back(item);

    Json root = Json::parse(worldToJson(world));
    Json& values = root["items"][0]["values"];
    if (GetParam().keys.empty()) {
        EXPECT_TRUE(values.is_null());
        return;
    }
    ASSERT_TRUE(values.is_object());
    // Distinct values in every field must come back from the archive in the same fields.
    std::string keys;
    int n = 0;
    for (auto& [key, value] : values.items()) {
        keys += (keys.empty() ? "" : " ") + key;
        ++n;
        if (value.is_number())
            value = 1000 + n;
        else if (value.is_string())
            value = "text " + std::to_string(n);
        else
            value = Json::array({"first " + std::to_string(n), "second"});
    }
    EXPECT_EQ(keys, GetParam().keys);
    World read = worldFromJson(root.dump());
    World stored = Document::loadWorld(Document::storeWorld(read));
    EXPECT_EQ(Json::parse(worldToJson(stored))["items"][0]["values"], values);
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, ValueRecordJson,
    ::testing::Values(
        ValueLayout{"Armor", "armorClass cursed minLevel"},
        ValueLayout{"Container", "locked key closed closeable minLevel noKey pickproof maxWeight"},
        ValueLayout{"Device", "startValue item mob room spellDuration spellLevel spell action booleanAction "
                              "booleanToggle direction"},
        ValueLayout{"Drink Container", "liquid maxDrinkUnits minLevel drinkUnitsLeft poisoned"},
        ValueLayout{"Fireweapon", "damageDiceCount damageDiceSize roundsLeft totalRounds"},
        ValueLayout{"Food", "hoursOfFullness poisoned"}, ValueLayout{"Fountain", "maxDrinkUnits drinkUnitsLeft"},
        ValueLayout{"Key", "keyNumber"}, ValueLayout{"Light", "duration minLevel lightHours"},
        ValueLayout{"Missile Weapon", "damageDiceCount damageDiceSize"}, ValueLayout{"Money", "coins"},
        ValueLayout{"Potion", "spells spellLevel minLevel"},
        ValueLayout{"Scroll", "minLevel spellLevel spellOne spellTwo spellThree"},
        ValueLayout{"Staff", "chargesLeft maxCharges minLevel spell spellLevel"},
        ValueLayout{"Wand", "chargesLeft maxCharges minLevel spell spellLevel"},
        ValueLayout{"Weapon", "damageDiceCount damageDiceSize minLevel weaponType"},
        ValueLayout{"Other", "minLevel"}, ValueLayout{"Trash", "minLevel"}, ValueLayout{"Treasure", "minLevel"},
        ValueLayout{"Worn", "minLevel"}, ValueLayout{"Boat", ""}, ValueLayout{"Note", ""}, ValueLayout{"", ""}),
    [](const auto& info) {
        std::string name = info.param.type.empty() ? "NoType" : info.param.type;
        name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
        return name;
    });

// ---- what is refused ------------------------------------------------------------------------

World sampleWorld()
{
    World world;
    world.zoneName = "Keep";
    Item& item = world.items.emplace_back();
    item.vnum = 3001, item.identifier = "helm", item.itemType = "Armor", item.valueRecord = createItemValues("Armor");
    Mob& mob = world.mobs.emplace_back();
    mob.identifier = "cat";
    mob.extraDescriptions.set("tail", "Long.");
    Room& room = world.rooms.emplace_back();
    room.identifier = "hall", room.flags = {"Dark"}, room.exits.edit(1).target = "yard";
    room.loads.push_back(LoadAction{});
    world.shops.push_back(Shop{});
    return world;
}

struct Refusal {
    const char* name;
    std::string from; // replaced once in the sample's JSON text; "" replaces the whole text
    std::string to;
    std::string message; // the start of the error message
};

class RefusedJson : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusedJson, GivesOneLineNamingThePlace)
{
    const Refusal& refusal = GetParam();
    std::string text = worldToJson(sampleWorld());
    if (refusal.from.empty()) {
        text = refusal.to;
    } else {
        const std::size_t at = text.find(refusal.from);
        ASSERT_NE(at, std::string::npos) << refusal.from;
        text.replace(at, refusal.from.size(), refusal.to);
    }
    try {
        worldFromJson(text);
        FAIL() << "accepted";
    } catch (const WorldJsonError& error) {
        const std::string what = error.what();
        EXPECT_EQ(what.substr(0, refusal.message.size()), refusal.message);
        EXPECT_EQ(what.find('\n'), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedJson,
    ::testing::Values(
        Refusal{"Empty", "", "", "not valid JSON: "},
        Refusal{"InvalidUtf8", "\"Keep\"", "\"K\xFF\"", "not valid JSON: "},
        Refusal{"OtherFormat", "\"tarnholt-world\"", "\"other\"", "format: expected \"tarnholt-world\""},
        Refusal{"NewerVersion", "\"version\": 1", "\"version\": 2", "version: version 2 is not known"},
        Refusal{"MissingKey", "\"zoneName\": \"Keep\",", "", "zoneName: missing"},
        Refusal{"UnknownKey", "\"zoneName\": \"Keep\",", "\"zoneName\": \"Keep\", \"zoneNam\": \"x\",",
                "zoneNam: unknown key"},
        Refusal{"DuplicateKey", "\"zoneName\": \"Keep\",", "\"zoneName\": \"Keep\", \"zoneName\": \"Moat\",",
                "the key \"zoneName\" appears twice"},
        Refusal{"TextForNumber", "\"vnum\": 3001", "\"vnum\": \"3001\"", "items[0].vnum: expected a whole number"},
        Refusal{"Fraction", "\"repopTime\": 30", "\"repopTime\": 30.5", "repopTime: expected a whole number"},
        Refusal{"Boolean", "\"moving\": 0", "\"moving\": false", "rooms[0].moving: expected a whole number"},
        Refusal{"AboveInt32", "\"repopTime\": 30", "\"repopTime\": 2147483648", "repopTime: number out of range"},
        Refusal{"Huge", "\"repopTime\": 30", "\"repopTime\": 123456789012345678901234567890",
                "repopTime: number out of range"},
        Refusal{"NumberInTextList", "\"Dark\"", "\"Dark\", 3", "rooms[0].flags[1]: expected a string"},
        Refusal{"UnknownDirection", "\"East\"", "\"Eest\"", "rooms[0].exits.Eest: not a direction"},
        Refusal{"FourShopTypes", "\"itemTypes\": [\n        \"\",", "\"itemTypes\": [",
                "shops[0].itemTypes: expected an array of 5 strings"},
        Refusal{"ValuesOnBoat", "\"itemType\": \"Armor\"", "\"itemType\": \"Boat\"",
                "items[0].values: must be null: the item type \"Boat\" has no values"},
        Refusal{"ValuesOfOtherType", "\"itemType\": \"Armor\"", "\"itemType\": \"Key\"",
                "items[0].values.keyNumber: missing"},
        Refusal{"NotWindows1252", "\"Keep\"", "\"\xE6\xBC\xA2\"",
                "zoneName: holds a character that Windows-1252 cannot store"},
        Refusal{"DeepArrays", "", std::string(100000, '['), "nested deeper than a World is"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarnholt
