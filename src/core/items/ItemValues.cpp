#include "items/ItemValues.h"

#include <climits>
#include <initializer_list>

#include "items/ItemTypes.h"
#include "items/NumberScan.h"
#include "universe/Universe.h"
#include "world/Archive.h"
#include "world/World.h"

namespace tarnholt {

namespace {

/// The numbers (or number texts) of a value line, blank-separated, with its line end.
std::string valueLine(std::initializer_list<std::string> parts)
{
    std::string line;
    for (const auto& part : parts) {
        if (!line.empty())
            line += ' ';
        line += part;
    }
    line += '\n';
    return line;
}

std::string num(int64_t value) { return std::to_string(value); }

std::string hashReference(int32_t vnum) { return "#" + std::to_string(vnum); }

void renameField(std::string& field, const std::string& oldName, const std::string& newName)
{
    if (field == oldName)
        field = newName;
}

// Reads the five numbers of most value lines; false when fewer convert.
bool scanFive(const std::string& line, std::array<int32_t, 5>& w)
{
    return scanInts(line, w.data(), 5) == 5;
}

} // namespace

// ---- base ----

void ItemValues::Serialize(Archive& ar)
{
    int32_t version = 1; // read and ignored when loading
    ar.serialize(version);
    for (const FieldRef& field : fields()) {
        std::visit(
            [&ar](auto* target) {
                using T = std::remove_pointer_t<decltype(target)>;
                if constexpr (std::is_same_v<T, std::vector<std::string>>)
                    ar.serializeStringList(*target);
                else
                    ar.serialize(*target);
            },
            field);
    }
}

void ItemValues::WriteSpecialListing(std::string&, Universe&, const World&, const std::string&) const {}

void ItemValues::RenameItemRef(const std::string&, const std::string&) {}
void ItemValues::RenameMobRef(const std::string&, const std::string&) {}
void ItemValues::RenameRoomRef(const std::string&, const std::string&) {}

bool ItemValues::operator==(const ItemValues& other) const
{
    if (typeid(*this) != typeid(other))
        return false;
    // fields() hands out references for both directions of Serialize; nothing is changed here.
    auto mine = const_cast<ItemValues&>(*this).fields();
    auto theirs = const_cast<ItemValues&>(other).fields();
    if (mine.size() != theirs.size())
        return false;
    for (std::size_t i = 0; i < mine.size(); ++i) {
        bool equal = std::visit(
            [&](auto* a) {
                using P = decltype(a);
                auto* const* b = std::get_if<P>(&theirs[i]);
                return b != nullptr && *a == **b;
            },
            mine[i]);
        if (!equal)
            return false;
    }
    return true;
}

// ---- Armor ----

std::vector<ItemValues::FieldRef> ArmorValues::fields() { return {&armorClass, &minLevel, &cursed}; }

std::string ArmorValues::WriteValueLine(Universe&, const World&, const std::string&) const
{
    int64_t ac = cursed ? -static_cast<int64_t>(armorClass) : armorClass;
    return valueLine({num(ac), "0", "0", "0", num(minLevel)});
}

bool ArmorValues::ReadValueLine(const Universe&, const std::string& line)
{
    std::array<int32_t, 5> w{};
    if (!scanFive(line, w))
        return false;
    if (w[0] < 0) {
        armorClass = w[0] == INT32_MIN ? INT32_MAX : -w[0];
        cursed = 1;
    } else {
        armorClass = w[0];
        cursed = 0;
    }
    minLevel = w[4];
    return true;
}

// ---- Container ----

std::vector<ItemValues::FieldRef> ContainerValues::fields()
{
    return {&locked, &key, &closed, &closeable, &minLevel, &noKey, &pickproof, &maxWeight};
}

std::string ContainerValues::WriteValueLine(Universe& universe, const World& world,
                                            const std::string& itemIdentifier) const
{
    int flags = (locked ? 8 : 0) + (closed ? 4 : 0) + (pickproof ? 2 : 0) + (closeable ? 1 : 0);
    std::string keyVnum;
    const Item* keyItem = world.findItem(key);
    if (keyItem == nullptr || keyItem->itemType == "Key") {
        keyVnum = world.itemVnumText(key);
    } else {
        universe.addWarning("Item-Container", itemIdentifier, "Item " + key + " is not a key");
        keyVnum = "-1";
    }
    return valueLine({num(maxWeight), num(flags), keyVnum, "0", num(minLevel)});
}

bool ContainerValues::ReadValueLine(const Universe&, const std::string& line)
{
    std::array<int32_t, 5> w{};
    if (!scanFive(line, w))
        return false;
    maxWeight = w[0];
    locked = (w[1] & 8) ? 1 : 0;
    closed = (w[1] & 4) ? 1 : 0;
    pickproof = (w[1] & 2) ? 1 : 0;
    closeable = (w[1] & 1) ? 1 : 0;
    key = w[2] != -1 ? hashReference(w[2]) : std::string();
    minLevel = w[4];
    return true;
}

void ContainerValues::RenameItemRef(const std::string& oldName, const std::string& newName)
{
    renameField(key, oldName, newName);
}

// ---- Device ----

const std::array<DeviceActionInfo, 14>& deviceActions()
{
    static const std::array<DeviceActionInfo, 14> table{{
        {"Move Everyone", DeviceTarget::Room},
        {"Move User", DeviceTarget::Room},
        {"Kill All in Room", DeviceTarget::Nothing},
        {"Kill User", DeviceTarget::Nothing},
        {"Unlock Door", DeviceTarget::Direction},
        {"Open Door", DeviceTarget::Direction},
        {"Load Item", DeviceTarget::Item},
        {"Purge Item", DeviceTarget::Item},
        {"Load Mob", DeviceTarget::Mob},
        {"Purge Mob", DeviceTarget::Mob},
        {"Room Echo", DeviceTarget::Nothing},
        {"Zone Echo", DeviceTarget::Nothing},
        {"Move Group if Leader Uses", DeviceTarget::Room},
        {"Spell Effect", DeviceTarget::Spell},
    }};
    return table;
}

std::string deviceActionName(int32_t index)
{
    if (index < 0 || index >= static_cast<int32_t>(deviceActions().size()))
        return {};
    return deviceActions()[static_cast<std::size_t>(index)].name;
}

int32_t deviceActionIndex(std::string_view name)
{
    const auto& table = deviceActions();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (name == table[i].name)
            return static_cast<int32_t>(i);
    return -1;
}

const std::array<const char*, 10>& deviceDirectionNames()
{
    static const std::array<const char*, 10> names{"North", "East",      "South",     "West",      "Up",
                                                   "Down",  "Northeast", "Southeast", "Southwest", "Northwest"};
    return names;
}

int32_t deviceDirectionNumber(std::string_view name)
{
    const auto& names = deviceDirectionNames();
    for (std::size_t i = 0; i < names.size(); ++i)
        if (name == names[i])
            return static_cast<int32_t>(i);
    return -1;
}

std::string deviceDirectionName(int32_t number)
{
    if (number < 0 || number >= static_cast<int32_t>(deviceDirectionNames().size()))
        return {};
    return deviceDirectionNames()[static_cast<std::size_t>(number)];
}

std::vector<ItemValues::FieldRef> DeviceValues::fields()
{
    return {&startValue, &item,       &mob,    &room,          &direction,    &spellDuration,
            &spellLevel, &spell,      &action, &booleanAction, &booleanToggle};
}

std::string DeviceValues::WriteValueLine(Universe& universe, const World& world,
                                         const std::string& itemIdentifier) const
{
    std::string line = num(static_cast<int64_t>(action) + 1) + " ";
    std::string start = num(startValue);
    DeviceTarget target = DeviceTarget::Spell; // an index outside the table has no form either
    bool known = action >= 0 && action < static_cast<int32_t>(deviceActions().size());
    if (known)
        target = deviceActions()[static_cast<std::size_t>(action)].target;

    if (booleanToggle) {
        line += start + " " + world.itemVnumText(item) + " 0 0";
    } else if (booleanAction) {
        line += start + " ";
        switch (target) {
        case DeviceTarget::Room: line += world.roomVnumText(room); break;
        case DeviceTarget::Nothing: line += "0"; break;
        case DeviceTarget::Direction: {
            int32_t number = deviceDirectionNumber(direction);
            if (number < 0)
                universe.addWarning("Item-Device", itemIdentifier, "Unknown Direction in Device");
            else
                line += num(number);
            break;
        }
        case DeviceTarget::Item: line += world.itemVnumText(item); break;
        case DeviceTarget::Mob: line += world.mobVnumText(mob); break;
        case DeviceTarget::Spell: universe.addWarning("Item-Device", itemIdentifier, "Unknown action."); break;
        }
    } else {
        switch (target) {
        case DeviceTarget::Room: line += world.roomVnumText(room) + " 0 0"; break;
        case DeviceTarget::Nothing: line += "0 0 0"; break;
        case DeviceTarget::Direction: {
            // Without the boolean, an unknown name writes nothing and raises nothing.
            int32_t number = deviceDirectionNumber(direction);
            if (number >= 0)
                line += num(number);
            break;
        }
        case DeviceTarget::Item: line += world.itemVnumText(item) + " 0 0"; break;
        case DeviceTarget::Mob: line += world.mobVnumText(mob) + " 0 0"; break;
        case DeviceTarget::Spell:
            // A stored index outside the table comes from a damaged document: say so.
            if (!known)
                universe.addWarning("Item-Device", itemIdentifier, "Unknown action.");
            break;
        }
    }
    line += '\n';
    return line;
}

bool DeviceValues::ReadValueLine(const Universe&, const std::string& line)
{
    std::array<int32_t, 5> w{};
    if (!scanFive(line, w))
        return false;
    action = w[0] == INT32_MIN ? INT32_MIN : w[0] - 1;
    switch (w[0]) {
    case 1:
    case 2:
    case 13: room = hashReference(w[1]); break;
    case 5:
    case 6: {
        std::string name = deviceDirectionName(w[1]);
        if (!name.empty())
            direction = name;
        break;
    }
    case 7:
    case 8:
        item = hashReference(w[1]);
        room = hashReference(w[2]);
        break;
    case 9:
    case 10:
        mob = hashReference(w[1]);
        room = hashReference(w[2]);
        break;
    default: break;
    }
    return true;
}

void DeviceValues::RenameItemRef(const std::string& oldName, const std::string& newName)
{
    renameField(item, oldName, newName);
}

void DeviceValues::RenameMobRef(const std::string& oldName, const std::string& newName)
{
    renameField(mob, oldName, newName);
}

void DeviceValues::RenameRoomRef(const std::string& oldName, const std::string& newName)
{
    renameField(room, oldName, newName);
}

// ---- Drink container ----

std::vector<ItemValues::FieldRef> DrinkValues::fields()
{
    return {&liquid, &maxDrinkUnits, &minLevel, &drinkUnitsLeft, &poisoned};
}

std::string DrinkValues::WriteValueLine(Universe& universe, const World&, const std::string&) const
{
    return valueLine({num(maxDrinkUnits), num(drinkUnitsLeft), universe.liquidNumberText(liquid),
                      poisoned ? "1" : "0", num(minLevel)});
}

bool DrinkValues::ReadValueLine(const Universe& universe, const std::string& line)
{
    std::array<int32_t, 5> w{};
    if (!scanFive(line, w))
        return false;
    maxDrinkUnits = w[0];
    drinkUnitsLeft = w[1];
    liquid = universe.liquidName(w[2]);
    poisoned = w[3];
    minLevel = w[4];
    return true;
}

// ---- Fireweapon ----

std::vector<ItemValues::FieldRef> FireweaponValues::fields()
{
    return {&roundsLeft, &damageDiceCount, &damageDiceSize, &totalRounds};
}

std::string FireweaponValues::WriteValueLine(Universe&, const World&, const std::string&) const
{
    return valueLine({num(roundsLeft), num(damageDiceCount), num(damageDiceSize), num(totalRounds)});
}

bool FireweaponValues::ReadValueLine(const Universe&, const std::string& line)
{
    std::array<int32_t, 4> w{};
    if (scanInts(line, w.data(), 4) != 4)
        return false;
    roundsLeft = w[0];
    damageDiceCount = w[1];
    damageDiceSize = w[2];
    totalRounds = w[3];
    return true;
}

// ---- Food ----

std::vector<ItemValues::FieldRef> FoodValues::fields() { return {&hoursOfFullness, &poisoned}; }

std::string FoodValues::WriteValueLine(Universe&, const World&, const std::string&) const
{
    return valueLine({num(hoursOfFullness), "0", "0", poisoned ? "1" : "0", "0"});
}

bool FoodValues::ReadValueLine(const Universe&, const std::string& line)
{
    std::array<int32_t, 5> w{};
    if (!scanFive(line, w))
        return false;
    hoursOfFullness = w[0];
    poisoned = w[3];
    return true;
}

// ---- Fountain ----

std::vector<ItemValues::FieldRef> FountainValues::fields() { return {&maxDrinkUnits, &drinkUnitsLeft}; }

std::string FountainValues::WriteValueLine(Universe&, const World&, const std::string&) const
{
    return valueLine({num(maxDrinkUnits), num(drinkUnitsLeft), "0", "0", "0"});
}

bool FountainValues::ReadValueLine(const Universe&, const std::string& line)
{
    std::array<int32_t, 5> w{};
    if (!scanFive(line, w))
        return false;
    maxDrinkUnits = w[0];
    drinkUnitsLeft = w[1];
    return true;
}

// ---- Key ----

std::vector<ItemValues::FieldRef> KeyValues::fields() { return {&keyNumber}; }

std::string KeyValues::WriteValueLine(Universe&, const World&, const std::string&) const
{
    return valueLine({num(keyNumber), "0", "0", "0", "0"});
}

bool KeyValues::ReadValueLine(const Universe&, const std::string& line)
{
    std::array<int32_t, 5> w{};
    if (!scanFive(line, w))
        return false;
    keyNumber = w[0];
    return true;
}

// ---- Light ----

std::vector<ItemValues::FieldRef> LightValues::fields() { return {&duration, &minLevel, &lightHours}; }

std::string LightValues::WriteValueLine(Universe&, const World&, const std::string&) const
{
    return valueLine({"0", "0", duration == Eternal ? "-1" : num(lightHours), "0", num(minLevel)});
}

bool LightValues::ReadValueLine(const Universe&, const std::string& line)
{
    std::array<int32_t, 5> w{};
    if (!scanFive(line, w))
        return false;
    if (w[2] == -1) {
        duration = Eternal;
        lightHours = 0;
    } else {
        duration = Hours;
        lightHours = w[2];
    }
    minLevel = w[4];
    return true;
}

// ---- Missile weapon ----

std::vector<ItemValues::FieldRef> MissileValues::fields() { return {&damageDiceCount, &damageDiceSize}; }

std::string MissileValues::WriteValueLine(Universe&, const World&, const std::string&) const
{
    return valueLine({"0", num(damageDiceCount), num(damageDiceSize), "0"});
}

bool MissileValues::ReadValueLine(const Universe&, const std::string& line)
{
    std::array<int32_t, 4> w{};
    if (scanInts(line, w.data(), 4) != 4)
        return false;
    damageDiceCount = w[1];
    damageDiceSize = w[2];
    return true;
}

// ---- Money ----

std::vector<ItemValues::FieldRef> MoneyValues::fields() { return {&coins}; }

std::string MoneyValues::WriteValueLine(Universe&, const World&, const std::string&) const
{
    return valueLine({num(coins), "0", "0", "0", "0"});
}

bool MoneyValues::ReadValueLine(const Universe&, const std::string& line)
{
    std::array<int32_t, 5> w{};
    if (!scanFive(line, w))
        return false;
    coins = w[0];
    return true;
}

// ---- Potion ----

std::vector<ItemValues::FieldRef> PotionValues::fields() { return {&spells, &spellLevel, &minLevel}; }

std::string PotionValues::WriteValueLine(Universe& universe, const World&, const std::string&) const
{
    auto spellNumber = [&](std::size_t i) {
        return i < spells.size() ? universe.spellNumberText(spells[i]) : std::string("0");
    };
    // The minimum level has no place on a potion's line.
    return valueLine({num(spellLevel), spellNumber(0), spellNumber(1), spellNumber(2), "0"});
}

bool PotionValues::ReadValueLine(const Universe& universe, const std::string& line)
{
    std::array<int32_t, 5> w{};
    if (!scanFive(line, w))
        return false;
    spellLevel = w[0];
    // The line lists all of the potion's spells: it replaces what the record held.
    spells.clear();
    for (int i = 1; i <= 3; ++i)
        if (w[static_cast<std::size_t>(i)] != 0)
            spells.push_back(universe.spellName(w[static_cast<std::size_t>(i)]));
    return true;
}

// ---- Scroll ----

std::vector<ItemValues::FieldRef> ScrollValues::fields()
{
    return {&minLevel, &spellLevel, &spellOne, &spellTwo, &spellThree};
}

std::string ScrollValues::WriteValueLine(Universe& universe, const World&, const std::string&) const
{
    return valueLine({num(spellLevel), universe.spellNumberText(spellOne), universe.spellNumberText(spellTwo),
                      universe.spellNumberText(spellThree), num(minLevel)});
}

bool ScrollValues::ReadValueLine(const Universe& universe, const std::string& line)
{
    std::array<int32_t, 5> w{};
    if (!scanFive(line, w))
        return false;
    spellLevel = w[0];
    std::string* slots[3] = {&spellOne, &spellTwo, &spellThree};
    for (std::size_t i = 0; i < 3; ++i)
        if (w[i + 1] != 0)
            *slots[i] = universe.spellName(w[i + 1]);
    return true;
}

// ---- Staff and wand ----

std::vector<ItemValues::FieldRef> ChargedValues::fields()
{
    return {&chargesLeft, &maxCharges, &minLevel, &spell, &spellLevel};
}

std::string ChargedValues::WriteValueLine(Universe& universe, const World&, const std::string&) const
{
    return valueLine({num(spellLevel), num(maxCharges), num(chargesLeft), universe.spellNumberText(spell),
                      num(minLevel)});
}

bool ChargedValues::ReadValueLine(const Universe& universe, const std::string& line)
{
    std::array<int32_t, 5> w{};
    if (!scanFive(line, w))
        return false;
    spellLevel = w[0];
    maxCharges = w[1];
    chargesLeft = w[2];
    if (w[3] != 0)
        spell = universe.spellName(w[3]);
    minLevel = w[4];
    return true;
}

// ---- Weapon ----

std::vector<ItemValues::FieldRef> WeaponValues::fields()
{
    return {&damageDiceCount, &damageDiceSize, &minLevel, &weaponType};
}

std::string WeaponValues::WriteValueLine(Universe& universe, const World&, const std::string&) const
{
    return valueLine({"0", num(damageDiceCount), num(damageDiceSize), universe.damageTypeNumberText(weaponType),
                      num(minLevel)});
}

bool WeaponValues::ReadValueLine(const Universe& universe, const std::string& line)
{
    std::array<int32_t, 5> w{};
    if (!scanFive(line, w))
        return false;
    damageDiceCount = w[1];
    damageDiceSize = w[2];
    weaponType = universe.damageTypeName(w[3]);
    minLevel = w[4];
    return true;
}

// ---- Other, Trash, Treasure, Worn ----

std::vector<ItemValues::FieldRef> LevelOnlyValues::fields() { return {&minLevel}; }

std::string LevelOnlyValues::WriteValueLine(Universe&, const World&, const std::string&) const
{
    return valueLine({"0", "0", "0", "0", num(minLevel)});
}

bool LevelOnlyValues::ReadValueLine(const Universe&, const std::string& line)
{
    std::array<int32_t, 5> w{};
    if (!scanFive(line, w))
        return false;
    minLevel = w[4];
    return true;
}

} // namespace tarnholt
