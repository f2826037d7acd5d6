#include "items/CItemValueMoney.h"

namespace tarnholt {

CItemValueMoney::CItemValueMoney(ItemEditContext& context, QWidget* parent)
    : CItemValuePage(QStringLiteral("Money"), context, parent)
{
    addNumber(QStringLiteral("Number of Coins:"), "coins", bind(&MoneyValues::coins));
}

} // namespace tarnholt
