#include "SampleZone.h"

#include <array>
#include <cmath>
#include <random>

#include "app/Questions.h"
#include "generate/Generator.h"
#include "items/ItemTypes.h"
#include "items/ItemValues.h"
#include "universe/Universe.h"
#include "world/Files.h"

namespace tarnholt::sample {

namespace {

constexpr std::array<const char*, 48> kWords = {
    "the",    "a",       "old",    "stone",  "wall",   "rises",  "above", "narrow", "street",  "where",
    "torches", "flicker", "and",   "smoke",  "drifts", "over",   "worn",  "cobbles", "beneath", "arch",
    "moss",   "covers",  "every",  "corner", "of",     "this",   "quiet", "yard",   "guards",  "watch",
    "from",   "tower",   "gate",   "iron",   "bars",   "rust",   "in",    "rain",   "market",  "stalls",
    "lean",   "against", "houses", "bright", "banners", "hang",  "still", "air"};

class Random {
public:
    explicit Random(uint32_t seed) : engine_(seed) {}
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    const char* word() { return kWords[static_cast<std::size_t>(between(0, kWords.size() - 1))]; }

    std::string words(int count)
    {
        std::string out;
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                out += ' ';
            out += word();
        }
        return out;
    }

    // A description as typed into a form: lines of about 70 characters joined by CR LF.
    std::string description(int lines)
    {
        std::string out;
        for (int i = 0; i < lines; ++i) {
            if (i > 0)
                out += "\r\n";
            std::string line;
            while (line.size() < 60) {
                if (!line.empty())
                    line += ' ';
                line += word();
            }
            out += line;
        }
        return out;
    }

    template <typename T>
    const T& pick(const std::vector<T>& list)
    {
        return list[static_cast<std::size_t>(between(0, static_cast<int>(list.size()) - 1))];
    }

private:
    std::mt19937 engine_;
};

std::string roomId(int i) { return "room" + std::to_string(i); }
std::string mobId(int i) { return "mob" + std::to_string(i); }
std::string itemId(int i) { return "item" + std::to_string(i); }

// Grid offsets of the ten directions (North, East, South, West, Down, Up, NE, SE, SW, NW);
// Down and Up lead nowhere on a flat grid.
constexpr std::array<std::array<int, 2>, 10> kStep = {{{0, -1}, {1, 0}, {0, 1}, {-1, 0}, {0, 0}, {0, 0},
                                                        {1, -1}, {1, 1}, {-1, 1}, {-1, -1}}};

Item makeItem(int i, int items, Random& random, const Universe& universe)
{
    Item item;
    item.identifier = itemId(i);
    item.aliases = random.words(2);
    item.shortDescription = "a " + random.words(2);
    item.longDescription = "A " + random.words(5) + " lies here.";
    item.description = random.description(random.between(0, 2));
    const auto& types = itemTypes();
    item.itemType = types[static_cast<std::size_t>(i) % types.size()].name;
    item.valueRecord = createItemValues(item.itemType);
    if (auto* drink = dynamic_cast<DrinkValues*>(item.valueRecord.get())) {
        drink->liquid = random.pick(universe.liquids).name;
        drink->maxDrinkUnits = 10;
        drink->drinkUnitsLeft = 5;
    } else if (auto* container = dynamic_cast<ContainerValues*>(item.valueRecord.get())) {
        container->key = itemId(random.between(0, items - 1));
        container->maxWeight = 50;
    }
    item.wearFlags = {"Takeable", random.pick(universe.wearFlags).name};
    if (random.chance(40))
        item.extraFlags = {random.pick(universe.itemExtraFlags).name};
    if (random.chance(30)) {
        item.abilityNames = {random.pick(universe.applyTypes).name};
        item.abilityModifiers = {random.between(-3, 3)};
    }
    if (random.chance(10))
        item.classRestrictions = {random.pick(universe.classRestrictions).name};
    item.weight = random.between(1, 40);
    item.value = random.between(1, 5000);
    item.rent = random.between(0, 100);
    if (random.chance(30))
        item.extraDescriptions.set(item.aliases, random.description(2));
    // Assemblies are rare: each one becomes a file of its own.
    if (i % 1000 == 999)
        item.assemblyComponents = {itemId(i - 1), itemId(i - 2)};
    return item;
}

Mob makeMob(int i, Random& random, const Universe& universe)
{
    Mob mob;
    mob.identifier = mobId(i);
    mob.aliases = random.words(2);
    mob.shortDescription = "the " + random.words(2);
    mob.longDescription = "A " + random.words(6) + " stands here.";
    mob.description = random.description(random.between(1, 3));
    mob.level = random.between(1, 30);
    mob.alignment = random.between(-1000, 1000);
    mob.armorClass = random.between(-10, 10);
    mob.hitDiceCount = random.between(1, 10);
    mob.hitDiceSides = random.between(2, 12);
    mob.hitBonus = random.between(0, 100);
    mob.damageDiceCount = random.between(1, 4);
    mob.damageDiceSides = random.between(2, 8);
    mob.experience = random.between(1, 100000);
    mob.gold = random.between(0, 1000);
    mob.sex = random.between(0, 2);
    mob.defaultPosition = 8;
    mob.loadPosition = 8;
    mob.flags = {random.pick(universe.mobFlags).name};
    if (random.chance(30))
        mob.flags.push_back(random.pick(universe.mobFlags).name);
    if (random.chance(20))
        mob.extraDescriptions.set(mob.aliases, random.description(2));
    return mob;
}

} // namespace

World makeZone(int rooms, uint32_t seed)
{
    Random random(seed);
    const Universe universe;
    World world;
    world.zoneName = "Sample zone of " + std::to_string(rooms) + " rooms";
    world.zoneNumber = 42;
    world.startItemVnum = 100000;
    world.startMobVnum = 100000;
    world.startRoomVnum = 100000;
    world.maxRoomVnum = 100000 + rooms;
    world.basePath = "/tmp/sample";

    const int mobs = std::max(1, rooms / 2);
    const int items = std::max(1, rooms / 2);
    world.items.reserve(static_cast<std::size_t>(items));
    for (int i = 0; i < items; ++i)
        world.items.push_back(makeItem(i, items, random, universe));
    world.mobs.reserve(static_cast<std::size_t>(mobs));
    for (int i = 0; i < mobs; ++i)
        world.mobs.push_back(makeMob(i, random, universe));

    const int side = std::max(1, static_cast<int>(std::ceil(std::sqrt(static_cast<double>(rooms)))));
    world.rooms.reserve(static_cast<std::size_t>(rooms));
    for (int i = 0; i < rooms; ++i) {
        Room room;
        room.identifier = roomId(i);
        room.column = i % side;
        room.row = i / side;
        room.name = "The " + random.words(3);
        room.description = random.description(random.between(2, 4));
        room.terrain = random.pick(universe.terrains).name;
        if (random.chance(30))
            room.flags = {random.pick(universe.roomFlags).name};
        room.extraDescriptions.set(random.words(2), random.description(1));

        // Two to four exits towards neighbours that exist, in a shuffled order of directions.
        std::array<int, 8> directions = {0, 1, 2, 3, 6, 7, 8, 9};
        for (std::size_t k = directions.size() - 1; k > 0; --k)
            std::swap(directions[k], directions[static_cast<std::size_t>(random.between(0, static_cast<int>(k)))]);
        const int wanted = random.between(2, 4);
        int made = 0;
        for (int direction : directions) {
            if (made == wanted)
                break;
            const int column = room.column + kStep[static_cast<std::size_t>(direction)][0];
            const int row = room.row + kStep[static_cast<std::size_t>(direction)][1];
            const int target = row * side + column;
            if (column < 0 || column >= side || row < 0 || target >= rooms || target == i)
                continue;
            Exit& exit = room.exits.edit(static_cast<std::size_t>(direction));
            exit.target = roomId(target);
            exit.placement = Exit::placementFor(room.column, room.row, column, row);
            if (random.chance(15)) {
                exit.keywords = "door";
                exit.openable = 1;
                exit.resetState = random.between(1, 3);
                exit.key = itemId(random.between(0, items - 1));
                exit.description = random.words(6);
            }
            ++made;
        }
        if (made == 0) // a zone of one room, or a lone room at the end of the last row
            room.exits.edit(4).target = roomId(i == 0 ? 0 : i - 1);

        LoadAction loadMob;
        loadMob.task = LoadAction::LoadMob;
        loadMob.mob = mobId(random.between(0, mobs - 1));
        loadMob.maxLoad = random.between(1, 3);
        room.loads.push_back(loadMob);
        if (random.chance(60)) {
            LoadAction equip;
            equip.task = LoadAction::EquipItem;
            equip.item = itemId(random.between(0, items - 1));
            equip.equipPosition = random.pick(universe.equipPositions).name;
            room.loads.push_back(equip);
        }
        if (random.chance(40)) {
            LoadAction load;
            load.task = LoadAction::LoadItem;
            load.item = itemId(random.between(0, items - 1));
            load.probability = random.between(10, 100);
            room.loads.push_back(load);
        }
        world.rooms.push_back(std::move(room));
    }

    // A shop for every hundred rooms.
    for (int i = 0; i < rooms / 100; ++i) {
        Shop shop;
        shop.keeper = mobId(i % mobs);
        shop.room = roomId(i * 100);
        shop.openTime = 6;
        shop.closeTime = 20;
        shop.profitBuying = 120;
        shop.profitSelling = 80;
        shop.itemTypes[0] = "Armor";
        shop.itemsSold[0] = itemId(i % items);
        shop.textShopSold = "Here you are.";
        world.shops.push_back(shop);
    }
    return world;
}

namespace {

template <typename Write>
std::string areaFile(int records, Write write)
{
    std::string text;
    write(text, records);
    text += "#99999\n$~\n";
    return toCrLf(text);
}

} // namespace

std::string makeItemFile(int records, uint32_t seed, int32_t firstVnum)
{
    Random random(seed);
    Universe universe;
    World world;
    Generator generator(universe, world); // the writers reach the flag encoder through the Universe
    return areaFile(records, [&](std::string& text, int count) {
        for (int i = 0; i < count; ++i) {
            Item item = makeItem(i, count, random, universe);
            item.vnum = firstVnum + i;
            item.WriteAreaText(text, universe, world);
        }
    });
}

std::string makeMobFile(int records, uint32_t seed, int32_t firstVnum)
{
    Random random(seed);
    Universe universe;
    World world;
    Generator generator(universe, world);
    return areaFile(records, [&](std::string& text, int count) {
        for (int i = 0; i < count; ++i) {
            Mob mob = makeMob(i, random, universe);
            mob.vnum = firstVnum + i;
            mob.WriteAreaText(text, universe);
        }
    });
}

} // namespace tarnholt::sample
