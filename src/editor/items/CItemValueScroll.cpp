#include "items/CItemValueScroll.h"

namespace tarnholt {

CItemValueScroll::CItemValueScroll(ItemEditContext& context, QWidget* parent)
    : CItemValuePage(QStringLiteral("Scroll"), context, parent)
{
    addNumber(QStringLiteral("Scroll Spell Level:"), "spellLevel", bind(&ScrollValues::spellLevel));
    addNames(QStringLiteral("Spell One:"), "spellOne", spellNames(), bind(&ScrollValues::spellOne));
    addNames(QStringLiteral("Spell Two:"), "spellTwo", spellNames(), bind(&ScrollValues::spellTwo));
    addNames(QStringLiteral("Spell Three:"), "spellThree", spellNames(), bind(&ScrollValues::spellThree));
    addNumber(QStringLiteral("Miniumum Level:"), "minLevel", bind(&ScrollValues::minLevel));
}

} // namespace tarnholt
