#include "cli/WorldJson.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <set>
#include <type_traits>
#include <vector>

#include <nlohmann/json.hpp>

#include "items/ItemTypes.h"
#include "world/Encoding.h"
#include "world/World.h"

namespace tarnholt {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kFormatName = "tarnholt-world";
constexpr int32_t kFormatVersion = 1;
// The form nests four levels below the top object (rooms[i].exits.North, items[i].values.spells);
// anything deeper is not a World and is refused before it is built.
constexpr int kMaxDepth = 8;

[[noreturn]] void fail(const std::string& path, const std::string& what)
{
    throw WorldJsonError(path.empty() ? what : path + ": " + what);
}

std::string childPath(const std::string& path, const std::string& key)
{
    return path.empty() ? key : path + "." + key;
}

std::string elementPath(const std::string& path, std::size_t index)
{
    return path + "[" + std::to_string(index) + "]";
}

// ---- Writing ---------------------------------------------------------------------------------

/// Fills one JSON object with the fields a describe function hands it, in the order handed.
class Out {
public:
    explicit Out(Json& object) : object_(object) {}

    void operator()(const char* key, int32_t value) { object_[key] = value; }
    void operator()(const char* key, const std::string& text) { object_[key] = cp1252ToUtf8(text); }
    void operator()(const char* key, const std::vector<std::string>& list) { object_[key] = textArray(list); }
    template <std::size_t N>
    void operator()(const char* key, const std::array<std::string, N>& list)
    {
        object_[key] = textArray(list);
    }
    void operator()(const char* key, const std::vector<int32_t>& list)
    {
        Json array = Json::array();
        for (int32_t value : list)
            array.push_back(value);
        object_[key] = std::move(array);
    }

    template <class R, class F>
    void records(const char* key, const std::vector<R>& list, F describe)
    {
        Json array = Json::array();
        for (const R& record : list) {
            Json element = Json::object();
            Out out(element);
            describe(out, record);
            array.push_back(std::move(element));
        }
        object_[key] = std::move(array);
    }

    void exits(const char* key, const RoomExits& exits);
    void extras(const char* key, const ExtraDescriptions& extras);
    void values(const char* key, const Item& item);

private:
    template <class L>
    static Json textArray(const L& list)
    {
        Json array = Json::array();
        for (const std::string& text : list)
            array.push_back(cp1252ToUtf8(text));
        return array;
    }

    Json& object_;
};

// ---- Reading ---------------------------------------------------------------------------------

int32_t intFrom(const Json& value, const std::string& path)
{
    constexpr int64_t lowest = std::numeric_limits<int32_t>::min();
    constexpr int64_t highest = std::numeric_limits<int32_t>::max();
    if (value.is_number_unsigned()) {
        if (value.get<uint64_t>() > static_cast<uint64_t>(highest))
            fail(path, "number out of range (-2147483648 to 2147483647)");
        return static_cast<int32_t>(value.get<uint64_t>());
    }
    if (value.is_number_integer()) {
        const int64_t number = value.get<int64_t>();
        if (number < lowest || number > highest)
            fail(path, "number out of range (-2147483648 to 2147483647)");
        return static_cast<int32_t>(number);
    }
    if (value.is_number_float() && std::fabs(value.get<double>()) > static_cast<double>(highest))
        fail(path, "number out of range (-2147483648 to 2147483647)");
    fail(path, "expected a whole number");
}

std::string textFrom(const Json& value, const std::string& path)
{
    if (!value.is_string())
        fail(path, "expected a string");
    const std::string& utf8 = value.get_ref<const std::string&>();
    std::string text = utf8ToCp1252(utf8);
    // Texts are stored in Windows-1252: a character it cannot hold would come back as "?".
    if (cp1252ToUtf8(text) != utf8)
        fail(path, "holds a character that Windows-1252 cannot store");
    return text;
}

/// Reads the fields a describe function asks for from one JSON object, by key. Every key must be
/// there; `finish` then refuses keys that no field asked for, so a misspelt key is not lost silently.
class In {
public:
    In(const Json& object, std::string path) : object_(object), path_(std::move(path))
    {
        if (!object_.is_object())
            fail(path_, "expected an object");
    }

    void operator()(const char* key, int32_t& value) { value = intFrom(take(key), childPath(path_, key)); }
    void operator()(const char* key, std::string& text) { text = textFrom(take(key), childPath(path_, key)); }
    void operator()(const char* key, std::vector<std::string>& list)
    {
        const std::string path = childPath(path_, key);
        const Json& array = arrayAt(key, path);
        list.clear();
        for (std::size_t i = 0; i < array.size(); ++i)
            list.push_back(textFrom(array[i], elementPath(path, i)));
    }
    template <std::size_t N>
    void operator()(const char* key, std::array<std::string, N>& list)
    {
        const std::string path = childPath(path_, key);
        const Json& array = arrayAt(key, path);
        if (array.size() != N)
            fail(path, "expected an array of " + std::to_string(N) + " strings");
        for (std::size_t i = 0; i < N; ++i)
            list[i] = textFrom(array[i], elementPath(path, i));
    }
    void operator()(const char* key, std::vector<int32_t>& list)
    {
        const std::string path = childPath(path_, key);
        const Json& array = arrayAt(key, path);
        list.clear();
        for (std::size_t i = 0; i < array.size(); ++i)
            list.push_back(intFrom(array[i], elementPath(path, i)));
    }

    template <class R, class F>
    void records(const char* key, std::vector<R>& list, F describe)
    {
        const std::string path = childPath(path_, key);
        const Json& array = arrayAt(key, path);
        list.clear();
        list.reserve(array.size());
        for (std::size_t i = 0; i < array.size(); ++i) {
            R record;
            In in(array[i], elementPath(path, i));
            describe(in, record);
            in.finish();
            list.push_back(std::move(record));
        }
    }

    void exits(const char* key, RoomExits& exits);
    void extras(const char* key, ExtraDescriptions& extras);
    void values(const char* key, Item& item);

    /// Refuses the keys of the object that were not asked for.
    void finish() const
    {
        if (used_.size() == object_.size())
            return;
        for (const auto& [key, value] : object_.items()) {
            if (used_.count(key) == 0)
                fail(childPath(path_, key), "unknown key");
        }
    }

    const std::string& path() const { return path_; }

private:
    const Json& take(const char* key)
    {
        auto found = object_.find(key);
        if (found == object_.end())
            fail(childPath(path_, key), "missing");
        used_.insert(key);
        return *found;
    }

    const Json& arrayAt(const char* key, const std::string& path)
    {
        const Json& value = take(key);
        if (!value.is_array())
            fail(path, "expected an array");
        return value;
    }

    const Json& object_;
    std::string path_;
    std::set<std::string> used_;
};

// ---- The fields of each record, shared by both directions -----------------------------------
// `R` is the record, const when writing; `V` is Out or In.

template <class V, class R>
void exitFields(V& v, R& exit)
{
    v("target", exit.target);
    v("keywords", exit.keywords);
    v("description", exit.description);
    v("key", exit.key);
    v("openable", exit.openable);
    v("pickable", exit.pickable);
    v("resetState", exit.resetState);
    v("reserved", exit.reserved);
    v("placement", exit.placement);
}

// `ownerRoom` is left out: the room's load page sets it while editing and it is never stored.
template <class V, class R>
void loadFields(V& v, R& load)
{
    v("task", load.task);
    v("condition", load.condition);
    v("mob", load.mob);
    v("item", load.item);
    v("equipPosition", load.equipPosition);
    v("container", load.container);
    v("comment", load.comment);
    v("maxLoad", load.maxLoad);
    v("probability", load.probability);
    v("direction", load.direction);
}

template <class V, class R>
void roomFields(V& v, R& room)
{
    v("vnum", room.vnum);
    v("identifier", room.identifier);
    v("name", room.name);
    v("column", room.column);
    v("row", room.row);
    v("description", room.description);
    v("terrain", room.terrain);
    v("flags", room.flags);
    v("specProcs", room.specProcs);
    v("moving", room.moving);
    v("moveTo", room.moveTo);
    v("moveText", room.moveText);
    v("moveSpeed", room.moveSpeed);
    v("moveTimer", room.moveTimer);
    v("ignoreBoat", room.ignoreBoat);
    v("ignoreFly", room.ignoreFly);
    v.exits("exits", room.exits);
    v.records("loads", room.loads, [](auto& sub, auto& load) { loadFields(sub, load); });
    v.extras("extraDescriptions", room.extraDescriptions);
}

template <class V, class R>
void itemFields(V& v, R& item)
{
    v("vnum", item.vnum);
    v("identifier", item.identifier);
    v("itemType", item.itemType);
    v("aliases", item.aliases);
    v("shortDescription", item.shortDescription);
    v("longDescription", item.longDescription);
    v("description", item.description);
    v("weight", item.weight);
    v("value", item.value);
    v("rent", item.rent);
    v("extraFlags", item.extraFlags);
    v("wearFlags", item.wearFlags);
    v("classRestrictions", item.classRestrictions);
    v("abilityNames", item.abilityNames);
    v("abilityModifiers", item.abilityModifiers);
    v("itemSpells", item.itemSpells);
    v("specProcs", item.specProcs);
    v("assemblyComponents", item.assemblyComponents);
    v("reservedText", item.reservedText);
    v.values("values", item);
    v.extras("extraDescriptions", item.extraDescriptions);
}

template <class V, class R>
void mobFields(V& v, R& mob)
{
    v("vnum", mob.vnum);
    v("identifier", mob.identifier);
    v("aliases", mob.aliases);
    v("shortDescription", mob.shortDescription);
    v("longDescription", mob.longDescription);
    v("description", mob.description);
    v("level", mob.level);
    v("alignment", mob.alignment);
    v("sex", mob.sex);
    v("armorClass", mob.armorClass);
    v("thaco", mob.thaco);
    v("hitDiceCount", mob.hitDiceCount);
    v("hitDiceSides", mob.hitDiceSides);
    v("hitBonus", mob.hitBonus);
    v("damageDiceCount", mob.damageDiceCount);
    v("damageDiceSides", mob.damageDiceSides);
    v("damageBonus", mob.damageBonus);
    v("attackCountIndex", mob.attackCountIndex);
    v("experience", mob.experience);
    v("gold", mob.gold);
    v("defaultPosition", mob.defaultPosition);
    v("loadPosition", mob.loadPosition);
    v("flags", mob.flags);
    v("specProcs", mob.specProcs);
    v("speech", mob.speech);
    v.extras("extraDescriptions", mob.extraDescriptions);
}

template <class V, class R>
void shopFields(V& v, R& shop)
{
    v("keeper", shop.keeper);
    v("room", shop.room);
    v("openTime", shop.openTime);
    v("closeTime", shop.closeTime);
    v("profitBuying", shop.profitBuying);
    v("profitSelling", shop.profitSelling);
    v("itemTypes", shop.itemTypes);
    v("itemsSold", shop.itemsSold);
    v("textDoesNotBuyType", shop.textDoesNotBuyType);
    v("textSellerLacksItem", shop.textSellerLacksItem);
    v("textShopLacksItem", shop.textShopLacksItem);
    v("textShopCannotAfford", shop.textShopCannotAfford);
    v("textBuyerCannotAfford", shop.textBuyerCannotAfford);
    v("textShopBought", shop.textShopBought);
    v("textShopSold", shop.textShopSold);
}

template <class V, class W>
void worldFields(V& v, W& world)
{
    v("zoneName", world.zoneName);
    v("basePath", world.basePath);
    v("zoneNumber", world.zoneNumber);
    v("repopMode", world.repopMode);
    v("repopTime", world.repopTime);
    v("startItemVnum", world.startItemVnum);
    v("startMobVnum", world.startMobVnum);
    v("startRoomVnum", world.startRoomVnum);
    v("maxRoomVnum", world.maxRoomVnum);
    // The order the World stores its arrays in.
    v.records("items", world.items, [](auto& sub, auto& item) { itemFields(sub, item); });
    v.records("mobs", world.mobs, [](auto& sub, auto& mob) { mobFields(sub, mob); });
    v.records("rooms", world.rooms, [](auto& sub, auto& room) { roomFields(sub, room); });
    v.records("shops", world.shops, [](auto& sub, auto& shop) { shopFields(sub, shop); });
}

// The value record as its concrete class, keeping the constness of `base`.
template <class T, class B>
auto* as(B& base)
{
    using Target = std::conditional_t<std::is_const_v<B>, const T, T>;
    return dynamic_cast<Target*>(&base);
}

/// The named fields of the value record of each item type. Staffs and wands share one layout,
/// and so do the four types that carry only a minimum level.
template <class V, class B>
void valueFields(V& v, B& values)
{
    if (auto* r = as<ArmorValues>(values)) {
        v("armorClass", r->armorClass);
        v("cursed", r->cursed);
        v("minLevel", r->minLevel);
    } else if (auto* r = as<ContainerValues>(values)) {
        v("locked", r->locked);
        v("key", r->key);
        v("closed", r->closed);
        v("closeable", r->closeable);
        v("minLevel", r->minLevel);
        v("noKey", r->noKey);
        v("pickproof", r->pickproof);
        v("maxWeight", r->maxWeight);
    } else if (auto* r = as<DeviceValues>(values)) {
        v("startValue", r->startValue);
        v("item", r->item);
        v("mob", r->mob);
        v("room", r->room);
        v("spellDuration", r->spellDuration);
        v("spellLevel", r->spellLevel);
        v("spell", r->spell);
        v("action", r->action);
        v("booleanAction", r->booleanAction);
        v("booleanToggle", r->booleanToggle);
        v("direction", r->direction);
    } else if (auto* r = as<DrinkValues>(values)) {
        v("liquid", r->liquid);
        v("maxDrinkUnits", r->maxDrinkUnits);
        v("minLevel", r->minLevel);
        v("drinkUnitsLeft", r->drinkUnitsLeft);
        v("poisoned", r->poisoned);
    } else if (auto* r = as<FireweaponValues>(values)) {
        v("damageDiceCount", r->damageDiceCount);
        v("damageDiceSize", r->damageDiceSize);
        v("roundsLeft", r->roundsLeft);
        v("totalRounds", r->totalRounds);
    } else if (auto* r = as<FoodValues>(values)) {
        v("hoursOfFullness", r->hoursOfFullness);
        v("poisoned", r->poisoned);
    } else if (auto* r = as<FountainValues>(values)) {
        v("maxDrinkUnits", r->maxDrinkUnits);
        v("drinkUnitsLeft", r->drinkUnitsLeft);
    } else if (auto* r = as<KeyValues>(values)) {
        v("keyNumber", r->keyNumber);
    } else if (auto* r = as<LightValues>(values)) {
        v("duration", r->duration);
        v("minLevel", r->minLevel);
        v("lightHours", r->lightHours);
    } else if (auto* r = as<MissileValues>(values)) {
        v("damageDiceCount", r->damageDiceCount);
        v("damageDiceSize", r->damageDiceSize);
    } else if (auto* r = as<MoneyValues>(values)) {
        v("coins", r->coins);
    } else if (auto* r = as<PotionValues>(values)) {
        v("spells", r->spells);
        v("spellLevel", r->spellLevel);
        v("minLevel", r->minLevel);
    } else if (auto* r = as<ScrollValues>(values)) {
        v("minLevel", r->minLevel);
        v("spellLevel", r->spellLevel);
        v("spellOne", r->spellOne);
        v("spellTwo", r->spellTwo);
        v("spellThree", r->spellThree);
    } else if (auto* r = as<ChargedValues>(values)) {
        v("chargesLeft", r->chargesLeft);
        v("maxCharges", r->maxCharges);
        v("minLevel", r->minLevel);
        v("spell", r->spell);
        v("spellLevel", r->spellLevel);
    } else if (auto* r = as<WeaponValues>(values)) {
        v("damageDiceCount", r->damageDiceCount);
        v("damageDiceSize", r->damageDiceSize);
        v("minLevel", r->minLevel);
        v("weaponType", r->weaponType);
    } else if (auto* r = as<LevelOnlyValues>(values)) {
        v("minLevel", r->minLevel);
    }
}

// ---- The parts with a shape of their own -----------------------------------------------------

// Exits are keyed by direction name; an exit with every field at its default is left out.
void Out::exits(const char* key, const RoomExits& exits)
{
    Json object = Json::object();
    for (int direction = 0; direction < kDirectionCount; ++direction) {
        const Exit& exit = exits[static_cast<std::size_t>(direction)];
        if (exit == RoomExits::empty())
            continue;
        Json element = Json::object();
        Out out(element);
        exitFields(out, exit);
        object[std::string(directionName(direction))] = std::move(element);
    }
    object_[key] = std::move(object);
}

void In::exits(const char* key, RoomExits& exits)
{
    const std::string path = childPath(path_, key);
    const Json& object = take(key);
    if (!object.is_object())
        fail(path, "expected an object keyed by direction name");
    exits.clear();
    for (const auto& [name, value] : object.items()) {
        const int direction = directionNumber(name);
        if (direction < 0)
            fail(childPath(path, name), "not a direction (North, East, South, West, Down, Up, Northeast, "
                                        "Southeast, Southwest, Northwest)");
        In in(value, childPath(path, name));
        exitFields(in, exits.edit(static_cast<std::size_t>(direction)));
        in.finish();
    }
}

// Extra descriptions are one list of keyword and description pairs.
void Out::extras(const char* key, const ExtraDescriptions& extras)
{
    Json array = Json::array();
    for (std::size_t i = 0; i < extras.keywordList.size(); ++i) {
        Json element = Json::object();
        element["keywords"] = cp1252ToUtf8(extras.keywordList[i]);
        element["description"] =
            cp1252ToUtf8(i < extras.descriptionList.size() ? extras.descriptionList[i] : std::string());
        array.push_back(std::move(element));
    }
    object_[key] = std::move(array);
}

void In::extras(const char* key, ExtraDescriptions& extras)
{
    const std::string path = childPath(path_, key);
    const Json& array = arrayAt(key, path);
    extras.keywordList.clear();
    extras.descriptionList.clear();
    for (std::size_t i = 0; i < array.size(); ++i) {
        std::string keywords;
        std::string description;
        In in(array[i], elementPath(path, i));
        in("keywords", keywords);
        in("description", description);
        in.finish();
        extras.keywordList.push_back(std::move(keywords));
        extras.descriptionList.push_back(std::move(description));
    }
}

// The item type decides which value record an item has, as when the document is read: null for a
// type without values, else the record of that type (its defaults when the item holds another one).
void Out::values(const char* key, const Item& item)
{
    std::unique_ptr<ItemValues> expected = createItemValues(item.itemType);
    if (!expected) {
        object_[key] = nullptr;
        return;
    }
    const ItemValues* held = item.valueRecord.get();
    const ItemValues& wanted = *expected;
    const ItemValues& values = held && typeid(*held) == typeid(wanted) ? *held : wanted;
    Json object = Json::object();
    Out out(object);
    valueFields(out, values);
    object_[key] = std::move(object);
}

void In::values(const char* key, Item& item)
{
    const std::string path = childPath(path_, key);
    const Json& value = take(key);
    std::unique_ptr<ItemValues> record = createItemValues(item.itemType);
    if (!record) {
        if (!value.is_null())
            fail(path, "must be null: the item type \"" + cp1252ToUtf8(item.itemType) + "\" has no values");
        item.valueRecord.reset();
        return;
    }
    if (!value.is_object())
        fail(path, "expected an object with the values of the type \"" + std::string(record->typeName()) + "\"");
    In in(value, path);
    valueFields(in, *record);
    in.finish();
    item.valueRecord = std::move(record);
}

/// Parses JSON text, refusing nesting deeper than the form and keys given twice in one object
/// (the parser would keep one of them silently).
Json parseJson(std::string_view text)
{
    std::vector<std::set<std::string>> keysOfOpenObjects;
    Json::parser_callback_t check = [&keysOfOpenObjects](int depth, Json::parse_event_t event, Json& parsed) {
        switch (event) {
        case Json::parse_event_t::object_start:
        case Json::parse_event_t::array_start:
            if (depth >= kMaxDepth)
                throw WorldJsonError("nested deeper than a World is");
            if (event == Json::parse_event_t::object_start)
                keysOfOpenObjects.emplace_back();
            break;
        case Json::parse_event_t::object_end:
            if (!keysOfOpenObjects.empty())
                keysOfOpenObjects.pop_back();
            break;
        case Json::parse_event_t::key:
            if (!keysOfOpenObjects.empty() && parsed.is_string()
                && !keysOfOpenObjects.back().insert(parsed.get<std::string>()).second)
                throw WorldJsonError("the key \"" + parsed.get<std::string>() + "\" appears twice in one object");
            break;
        default:
            break;
        }
        return true;
    };
    try {
        return Json::parse(text.begin(), text.end(), check);
    } catch (const Json::exception& error) {
        // "[json.exception.parse_error.101] parse error at line 1, column 2: ..." without the tag.
        std::string what = error.what();
        if (auto tagEnd = what.find("] "); !what.empty() && what[0] == '[' && tagEnd != std::string::npos)
            what.erase(0, tagEnd + 2);
        throw WorldJsonError("not valid JSON: " + what);
    }
}

} // namespace

std::string worldToJson(const World& world)
{
    Json root = Json::object();
    root["format"] = kFormatName;
    root["version"] = kFormatVersion;
    Out out(root);
    worldFields(out, world);
    return root.dump(2) + "\n";
}

World worldFromJson(std::string_view text)
{
    const Json root = parseJson(text);
    In in(root, "");
    std::string format;
    in("format", format);
    if (format != kFormatName)
        fail("format", "expected \"" + std::string(kFormatName) + "\"");
    int32_t version = 0;
    in("version", version);
    if (version != kFormatVersion)
        fail("version", "version " + std::to_string(version) + " is not known (this program reads version "
                            + std::to_string(kFormatVersion) + ")");
    World world;
    worldFields(in, world);
    in.finish();
    return world;
}

} // namespace tarnholt
