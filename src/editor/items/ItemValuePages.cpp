#include "items/ItemValuePages.h"

#include <QWidget>

#include "items/CItemValueArmor.h"
#include "items/CItemValueContainer.h"
#include "items/CItemValueDevice.h"
#include "items/CItemValueDrink.h"
#include "items/CItemValueFireweapon.h"
#include "items/CItemValueFood.h"
#include "items/CItemValueFountain.h"
#include "items/CItemValueKey.h"
#include "items/CItemValueLight.h"
#include "items/CItemValueMissile.h"
#include "items/CItemValueMoney.h"
#include "items/CItemValueOther.h"
#include "items/CItemValuePotion.h"
#include "items/CItemValueScroll.h"
#include "items/CItemValueStaff.h"
#include "items/CItemValueWand.h"
#include "items/CItemValueWeapon.h"
#include "items/CItemValueWorn.h"
#include "items/ItemTypes.h"

namespace tarnholt {

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

template <class Page> CBaseItemValuePage* make(ItemEditContext& context, QWidget* parent)
{
    return new Page(context, parent);
}

struct PageMaker {
    const char* typeName;
    CBaseItemValuePage* (*create)(ItemEditContext&, QWidget*);
};

const PageMaker kPages[] = {
    {"Light", make<CItemValueLight>},
    {"Scroll", make<CItemValueScroll>},
    {"Wand", make<CItemValueWand>},
    {"Staff", make<CItemValueStaff>},
    {"Weapon", make<CItemValueWeapon>},
    {"Fireweapon", make<CItemValueFireweapon>},
    {"Missile Weapon", make<CItemValueMissile>},
    {"Armor", make<CItemValueArmor>},
    {"Potion", make<CItemValuePotion>},
    {"Worn", make<CItemValueWorn>},
    {"Other", make<CItemValueOther>},
    {"Container", make<CItemValueContainer>},
    {"Drink Container", make<CItemValueDrink>},
    {"Key", make<CItemValueKey>},
    {"Food", make<CItemValueFood>},
    {"Money", make<CItemValueMoney>},
    {"Fountain", make<CItemValueFountain>},
    {"Device", make<CItemValueDevice>},
};

} // namespace

std::string itemTypeName(std::string_view typeName)
{
    for (const ItemTypeInfo& type : itemTypes()) {
        if (sameIgnoringCase(type.name, typeName))
            return type.name;
    }
    return {};
}

CBaseItemValuePage* createItemValuePage(std::string_view typeName, ItemEditContext& context, QWidget* parent)
{
    for (const PageMaker& maker : kPages) {
        if (sameIgnoringCase(maker.typeName, typeName))
            return maker.create(context, parent);
    }
    return nullptr;
}

} // namespace tarnholt
