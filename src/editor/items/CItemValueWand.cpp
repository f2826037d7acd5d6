#include "items/CItemValueWand.h"

namespace tarnholt {

CItemValueWand::CItemValueWand(ItemEditContext& context, QWidget* parent)
    : CItemValuePage(QStringLiteral("Wand"), context, parent)
{
    addNumber(QStringLiteral("Spell Level:"), "spellLevel", bind(&WandValues::spellLevel));
    addNumber(QStringLiteral("Max charges:"), "maxCharges", bind(&WandValues::maxCharges));
    addNumber(QStringLiteral("Charges Left:"), "chargesLeft", bind(&WandValues::chargesLeft));
    addNames(QStringLiteral("Spell:"), "spell", spellNames(), bind(&WandValues::spell));
    addNumber(QStringLiteral("Minimum Level:"), "minLevel", bind(&WandValues::minLevel));
}

} // namespace tarnholt
