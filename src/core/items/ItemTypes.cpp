#include "items/ItemTypes.h"


#include "items/ItemValues.h"

namespace tarnholt {

namespace {

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

template <class T>
std::unique_ptr<ItemValues> make()
{
    return std::make_unique<T>();
}

struct Factory {
    const char* name;
    std::unique_ptr<ItemValues> (*create)();
};

// The types that have a value record; Note, Boat and Airship have none.
const Factory kFactories[] = {
    {LightValues::kTypeName, make<LightValues>},
    {ScrollValues::kTypeName, make<ScrollValues>},
    {WandValues::kTypeName, make<WandValues>},
    {StaffValues::kTypeName, make<StaffValues>},
    {WeaponValues::kTypeName, make<WeaponValues>},
    {FireweaponValues::kTypeName, make<FireweaponValues>},
    {MissileValues::kTypeName, make<MissileValues>},
    {TreasureValues::kTypeName, make<TreasureValues>},
    {ArmorValues::kTypeName, make<ArmorValues>},
    {PotionValues::kTypeName, make<PotionValues>},
    {WornValues::kTypeName, make<WornValues>},
    {OtherValues::kTypeName, make<OtherValues>},
    {TrashValues::kTypeName, make<TrashValues>},
    {ContainerValues::kTypeName, make<ContainerValues>},
    {DrinkValues::kTypeName, make<DrinkValues>},
    {KeyValues::kTypeName, make<KeyValues>},
    {FoodValues::kTypeName, make<FoodValues>},
    {MoneyValues::kTypeName, make<MoneyValues>},
    {FountainValues::kTypeName, make<FountainValues>},
    {DeviceValues::kTypeName, make<DeviceValues>},
};

} // namespace

const std::array<ItemTypeInfo, 23>& itemTypes()
{
    static const std::array<ItemTypeInfo, 23> table{{
        {"Light", 1, true},
        {"Scroll", 2, true},
        {"Wand", 3, true},
        {"Staff", 4, true},
        {"Weapon", 5, true},
        {"Fireweapon", 6, true},
        {"Missile Weapon", 7, true},
        {"Treasure", 8, false},
        {"Armor", 9, true},
        {"Potion", 10, true},
        {"Worn", 11, true},
        {"Other", 12, true},
        {"Trash", 13, false},
        {"Container", 15, true},
        {"Note", 16, false},
        {"Drink Container", 17, true},
        {"Key", 18, true},
        {"Food", 19, true},
        {"Money", 20, true},
        {"Boat", 22, false},
        {"Fountain", 23, true},
        {"Airship", 24, false},
        {"Device", 26, true},
    }};
    return table;
}

std::unique_ptr<ItemValues> createItemValues(std::string_view typeName)
{
    for (const Factory& factory : kFactories)
        if (equalIgnoringCase(typeName, factory.name))
            return factory.create();
    return nullptr;
}

std::string typeNumberText(std::string_view typeName)
{
    for (const ItemTypeInfo& type : itemTypes())
        if (typeName == type.name)
            return std::to_string(type.number);
    return {};
}

std::string typeNameForNumber(int32_t number)
{
    for (const ItemTypeInfo& type : itemTypes())
        if (type.number == number)
            return type.name;
    return {};
}

bool typeHasValuePage(std::string_view typeName)
{
    for (const ItemTypeInfo& type : itemTypes())
        if (typeName == type.name)
            return type.hasValuePage;
    return false;
}

} // namespace tarnholt
