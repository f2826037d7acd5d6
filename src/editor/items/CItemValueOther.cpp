#include "items/CItemValueOther.h"

namespace tarnholt {

CItemValueOther::CItemValueOther(ItemEditContext& context, QWidget* parent)
    : CItemValuePage(QStringLiteral("Other"), context, parent)
{
    addNumber(QStringLiteral("Minimum Level:"), "minLevel", bind(&OtherValues::minLevel));
}

} // namespace tarnholt
