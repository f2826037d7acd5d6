#include "items/CItemValueWorn.h"

namespace tarnholt {

CItemValueWorn::CItemValueWorn(ItemEditContext& context, QWidget* parent)
    : CItemValuePage(QStringLiteral("Worn"), context, parent)
{
    addNumber(QStringLiteral("Minimum Level:"), "minLevel", bind(&WornValues::minLevel));
}

} // namespace tarnholt
