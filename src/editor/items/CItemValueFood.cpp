#include "items/CItemValueFood.h"

namespace tarnholt {

CItemValueFood::CItemValueFood(ItemEditContext& context, QWidget* parent)
    : CItemValuePage(QStringLiteral("Food"), context, parent)
{
    addNumber(QStringLiteral("Number Hours of Fullness:"), "hoursOfFullness",
              bind(&FoodValues::hoursOfFullness));
    addCheck(QStringLiteral("Food is poisoned"), "poisoned", bind(&FoodValues::poisoned));
}

} // namespace tarnholt
