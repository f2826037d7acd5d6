#include "items/CItemValueWeapon.h"

#include "universe/Universe.h"

namespace tarnholt {

CItemValueWeapon::CItemValueWeapon(ItemEditContext& context, QWidget* parent)
    : CItemValuePage(QStringLiteral("Weapon"), context, parent)
{
    addDice(QStringLiteral("Damage dealt per turn:"), bind(&WeaponValues::damageDiceCount),
            bind(&WeaponValues::damageDiceSize),
            {{QStringLiteral("Min/Max Damage Done:"), "minMaxDamage"},
             {QStringLiteral("Average Damage Done:"), "averageDamage"}});
    addNames(QStringLiteral("Weapon Type:"), "weaponType", tableNames(context.universe.damageTypes),
             bind(&WeaponValues::weaponType));
    addNumber(QStringLiteral("Minimum Level:"), "minLevel", bind(&WeaponValues::minLevel));
}

QStringList CItemValueWeapon::statistics(int32_t count, int32_t size) const
{
    const double dice = double(count);
    const double average = size == 0 ? 0.0 : dice * (double(size) + 1.0) * 0.5;
    return {QString::asprintf("%1.1f/%1.1f", dice, dice * double(size)), QString::asprintf("%1.1f", average)};
}

} // namespace tarnholt
