#include "items/CItemValueStaff.h"

namespace tarnholt {

CItemValueStaff::CItemValueStaff(ItemEditContext& context, QWidget* parent)
    : CItemValuePage(QStringLiteral("Staff"), context, parent)
{
    addNumber(QStringLiteral("Spell Level:"), "spellLevel", bind(&StaffValues::spellLevel));
    addNumber(QStringLiteral("Max charges:"), "maxCharges", bind(&StaffValues::maxCharges));
    addNumber(QStringLiteral("Charges Left:"), "chargesLeft", bind(&StaffValues::chargesLeft));
    addNames(QStringLiteral("Spell:"), "spell", spellNames(), bind(&StaffValues::spell));
    addNumber(QStringLiteral("Minimum Level:"), "minLevel", bind(&StaffValues::minLevel));
}

} // namespace tarnholt
