#include "items/CItemValueFireweapon.h"

namespace tarnholt {

CItemValueFireweapon::CItemValueFireweapon(ItemEditContext& context, QWidget* parent)
    : CItemValuePage(QStringLiteral("Fire Weapon"), context, parent)
{
    addDice(QStringLiteral("Damage Done:"), bind(&FireweaponValues::damageDiceCount),
            bind(&FireweaponValues::damageDiceSize),
            {{QStringLiteral("Maximum Damage Done:"), "maximumDamage"},
             {QStringLiteral("Average Damage Done:"), "averageDamage"}});
    addNumber(QStringLiteral("Rounds Left:"), "roundsLeft", bind(&FireweaponValues::roundsLeft));
    addNumber(QStringLiteral("Total Rounds:"), "totalRounds", bind(&FireweaponValues::totalRounds));
}

QStringList CItemValueFireweapon::statistics(int32_t count, int32_t size) const
{
    const double maximum = double(count) * double(size);
    return {QString::asprintf("%1.1f", maximum), QString::asprintf("%1.1f", maximum * 0.5)};
}

} // namespace tarnholt
