#include "editor/app/SampleZone.h"

#include <memory>

#include "items/ItemTypes.h"
#include "items/ItemValues.h"

namespace tarnholt::test {

namespace {

constexpr int North = 0, East = 1, South = 2, West = 3;

Room& addRoom(World& world, const char* identifier, const char* name, int column, int row, const char* description,
              const char* terrain = "Inside")
{
    Room room;
    room.identifier = identifier;
    room.name = name;
    room.column = column;
    room.row = row;
    room.vnum = 0;
    room.description = description;
    room.terrain = terrain;
    world.rooms.push_back(room);
    return world.rooms.back();
}

Exit& exitOf(World& world, const char* room, int direction)
{
    return world.findRoom(room)->exits[static_cast<std::size_t>(direction)];
}

void linkOneWay(World& world, const char* from, int direction, const char* to, const char* description = "")
{
    Room* room = world.findRoom(from);
    Exit& exit = room->exits[static_cast<std::size_t>(direction)];
    exit.target = to;
    exit.description = description;
    exit.placement = Exit::placementFor(world, room->column, room->row, to);
}

void link(World& world, const char* from, int direction, const char* to)
{
    linkOneWay(world, from, direction, to);
    linkOneWay(world, to, (direction + 2) % 4, from);
}

void door(World& world, const char* room, int direction, const char* keywords, int32_t resetState, const char* key)
{
    for (Exit* exit : {&exitOf(world, room, direction),
                       &exitOf(world, exitOf(world, room, direction).target.c_str(), (direction + 2) % 4)}) {
        exit->keywords = keywords;
        exit->openable = 1;
        exit->resetState = resetState;
        exit->key = key;
    }
}

Item& addItem(World& world, const char* identifier, const char* type, const char* aliases, const char* shortText,
              const char* longText, int32_t weight, int32_t value)
{
    Item item;
    item.identifier = identifier;
    item.itemType = type;
    item.valueRecord = createItemValues(type);
    item.aliases = aliases;
    item.shortDescription = shortText;
    item.longDescription = longText;
    item.description = std::string(longText) + "\r\nIt looks well cared for.";
    item.weight = weight;
    item.value = value;
    item.rent = value / 10;
    world.items.push_back(std::move(item));
    return world.items.back();
}

Mob& addMob(World& world, const char* identifier, const char* aliases, const char* shortText, const char* longText,
            const char* description, int32_t level)
{
    Mob mob;
    mob.identifier = identifier;
    mob.aliases = aliases;
    mob.shortDescription = shortText;
    mob.longDescription = longText;
    mob.description = description;
    mob.level = level;
    mob.hitDiceCount = level;
    mob.hitDiceSides = 8;
    mob.hitBonus = level * 5;
    mob.damageDiceCount = 1;
    mob.damageDiceSides = 6;
    mob.damageBonus = level / 3;
    mob.thaco = 20 - level;
    mob.armorClass = 10 - level / 2;
    mob.experience = level * level * 100;
    mob.gold = level * 10;
    mob.defaultPosition = 0; // standing
    mob.loadPosition = 0;
    mob.sex = 1;
    world.mobs.push_back(mob);
    return world.mobs.back();
}

LoadAction load(int32_t task, const char* mob, const char* item, int32_t maxLoad = 1)
{
    LoadAction action;
    action.task = task;
    action.condition = task == LoadAction::LoadMob || task == LoadAction::LoadItem ? 0 : 1;
    action.mob = mob;
    action.item = item;
    action.maxLoad = maxLoad;
    return action;
}

} // namespace

World buildCastle()
{
    World world;
    world.zoneName = "Castle Tarnholt";
    world.zoneNumber = 30;
    world.repopTime = 30;
    world.repopMode = 1;
    world.startItemVnum = 3000;
    world.startMobVnum = 3000;
    world.startRoomVnum = 3000;
    world.maxRoomVnum = 3099;

    addRoom(world, "watchtower", "The Watchtower", 0, 0,
            "Wind whistles through the arrow slits of this narrow tower.\r\nFar below, the moat glitters.");
    addRoom(world, "well", "By the Old Well", 1, 0,
            "A mossy well stands here, its bucket hanging from a frayed rope.", "City");
    addRoom(world, "chapel", "The Chapel", 2, 0,
            "Candles flicker before a small altar of grey stone.\r\nThe air smells of wax and incense.");
    addRoom(world, "armoury", "The Armoury", 3, 0, "Racks of spears and shields line the walls.");
    addRoom(world, "stable", "The Stable", 0, 1, "Straw covers the floor and horses shift in their stalls.");
    addRoom(world, "courtyard", "The Courtyard", 1, 1,
            "The courtyard is paved with worn flagstones.\r\nDoors lead off in every direction.", "City");
    addRoom(world, "hall", "The Great Hall", 2, 1,
            "Long tables run the length of this hall beneath smoke-blackened beams.");
    addRoom(world, "throne", "The Throne Room", 3, 1,
            "A carved oak throne stands on a dais at the far end of the room.");
    addRoom(world, "gatehouse", "The Gatehouse", 1, 2,
            "The portcullis winch fills most of this cramped room.");
    addRoom(world, "kitchen", "The Kitchen", 2, 2,
            "Copper pots hang above a roaring hearth.\r\nSomething good is simmering.");
    addRoom(world, "pantry", "The Pantry", 3, 2, "Sacks of flour and barrels of salted fish crowd the shelves.");
    addRoom(world, "drawbridge", "The Drawbridge", 1, 3,
            "Heavy timbers span the moat. The castle gate rises to the north.", "Field");

    link(world, "drawbridge", North, "gatehouse");
    link(world, "gatehouse", North, "courtyard");
    link(world, "courtyard", West, "stable");
    link(world, "courtyard", North, "well");
    link(world, "courtyard", East, "hall");
    link(world, "well", West, "watchtower");
    link(world, "hall", North, "chapel");
    link(world, "chapel", East, "armoury");
    link(world, "hall", East, "throne");
    link(world, "hall", South, "kitchen");
    link(world, "kitchen", East, "pantry");
    // A secret passage leads from the pantry up to the throne room, but not back.
    linkOneWay(world, "pantry", North, "throne", "A draught comes from behind the shelves.");
    // The road out of the castle leads to another zone.
    linkOneWay(world, "drawbridge", South, "#2999 the king's road", "The road winds south.");

    door(world, "gatehouse", North, "portcullis", 2, "");
    door(world, "hall", East, "door oak", 3, "iron key");
    door(world, "chapel", East, "door iron", 3, "iron key");

    Item& key = addItem(world, "iron key", "Key", "key iron", "an iron key", "A heavy iron key lies here.", 1, 10);
    static_cast<KeyValues&>(*key.valueRecord).keyNumber = 1;
    key.wearFlags = {"Takeable", "Holdable"};
    Item& sword = addItem(world, "sword", "Weapon", "sword long", "a long sword", "A long sword lies here.", 8, 120);
    auto& blade = static_cast<WeaponValues&>(*sword.valueRecord);
    blade.damageDiceCount = 2;
    blade.damageDiceSize = 4;
    blade.weaponType = "Slash";
    sword.wearFlags = {"Takeable", "Wield"};
    Item& bread = addItem(world, "bread", "Food", "bread loaf", "a loaf of bread", "A loaf of bread lies here.", 1, 5);
    static_cast<FoodValues&>(*bread.valueRecord).hoursOfFullness = 12;
    Item& lantern = addItem(world, "lantern", "Light", "lantern brass", "a brass lantern",
                            "A brass lantern stands on the ground.", 3, 40);
    auto& light = static_cast<LightValues&>(*lantern.valueRecord);
    light.duration = LightValues::Hours;
    light.lightHours = 24;
    Item& crown = addItem(world, "crown", "Worn", "crown gold", "a golden crown", "A golden crown glitters here.", 2, 900);
    crown.wearFlags = {"Takeable", "On Head"};
    crown.extraFlags = {"Glowing", "Magical"};

    addMob(world, "guard", "guard castle", "the castle guard", "A castle guard watches the gate.",
           "He wears the tabard of Castle Tarnholt over his mail.", 8)
        .flags = {"Sentinel", "Stay in Zone"};
    addMob(world, "cook", "cook fat", "the cook", "The cook stirs a bubbling pot.",
           "Flour dusts her apron and her forearms.", 4)
        .sex = 2;
    Mob& king = addMob(world, "king", "king old", "the old king", "The old king sits upon his throne.",
                       "His beard is white and his eyes are tired.", 20);
    king.speech = {"<INTERVAL> 10\n", "<LINE> Welcome to my castle, traveller. <END_LINE>\n"};

    Room* gatehouse = world.findRoom("gatehouse");
    gatehouse->loads.push_back(load(LoadAction::LoadMob, "guard", "", 2));
    LoadAction wield = load(LoadAction::EquipItem, "", "sword");
    wield.equipPosition = "Wielded";
    gatehouse->loads.push_back(wield);
    gatehouse->loads.push_back(load(LoadAction::GiveItem, "", "iron key"));

    Room* throne = world.findRoom("throne");
    throne->loads.push_back(load(LoadAction::LoadMob, "king", ""));
    LoadAction wear = load(LoadAction::EquipItem, "", "crown");
    wear.equipPosition = "Head";
    throne->loads.push_back(wear);

    Room* kitchen = world.findRoom("kitchen");
    kitchen->loads.push_back(load(LoadAction::LoadMob, "cook", ""));
    LoadAction loaf = load(LoadAction::LoadItem, "", "bread", 3);
    loaf.probability = 50;
    kitchen->loads.push_back(loaf);

    world.findRoom("stable")->loads.push_back(load(LoadAction::LoadItem, "", "lantern"));
    world.findRoom("chapel")->extraDescriptions.set("altar", "The altar is carved with the arms of the castle.");

    Shop shop;
    shop.keeper = "cook";
    shop.room = "kitchen";
    shop.openTime = 6;
    shop.closeTime = 22;
    shop.profitBuying = 120;
    shop.profitSelling = 80;
    shop.itemTypes[0] = "Food";
    shop.itemsSold[0] = "bread";
    shop.textDoesNotBuyType = "%s I only buy food.";
    shop.textSellerLacksItem = "%s You don't have that.";
    shop.textShopLacksItem = "%s I have none of that.";
    shop.textShopCannotAfford = "%s I can't afford that.";
    shop.textBuyerCannotAfford = "%s You can't afford that.";
    shop.textShopBought = "%s Thank you, here are %d coins.";
    shop.textShopSold = "%s That will be %d coins.";
    world.shops.push_back(shop);
    return world;
}

} // namespace tarnholt::test
