#include "items/CItemValueMissile.h"

namespace tarnholt {

CItemValueMissile::CItemValueMissile(ItemEditContext& context, QWidget* parent)
    : CItemValuePage(QStringLiteral("Missile"), context, parent)
{
    addDice(QStringLiteral("Damage Done:"), bind(&MissileValues::damageDiceCount),
            bind(&MissileValues::damageDiceSize),
            {{QStringLiteral("Maximum Damage Done:"), "maximumDamage"},
             {QStringLiteral("Average Damage Done:"), "averageDamage"}});
}

QStringList CItemValueMissile::statistics(int32_t count, int32_t size) const
{
    const double maximum = double(count) * double(size);
    const double average = double(count) * (double(size) + 1.0) * 0.5;
    return {QString::asprintf("%1.1f", maximum), QString::asprintf("%1.1f", average)};
}

} // namespace tarnholt
