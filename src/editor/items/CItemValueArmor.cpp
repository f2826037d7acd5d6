#include "items/CItemValueArmor.h"

namespace tarnholt {

CItemValueArmor::CItemValueArmor(ItemEditContext& context, QWidget* parent)
    : CItemValuePage(QStringLiteral("Armor"), context, parent)
{
    addNumber(QStringLiteral("Armor Class:"), "armorClass", bind(&ArmorValues::armorClass));
    addChoice(QString(), {QStringLiteral("Regular"), QStringLiteral("Cursed")}, bind(&ArmorValues::cursed));
    addNumber(QStringLiteral("Minimum Level:"), "minLevel", bind(&ArmorValues::minLevel));
}

} // namespace tarnholt
