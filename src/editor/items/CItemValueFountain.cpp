#include "items/CItemValueFountain.h"

namespace tarnholt {

CItemValueFountain::CItemValueFountain(ItemEditContext& context, QWidget* parent)
    : CItemValuePage(QStringLiteral("Fountain"), context, parent)
{
    addNumber(QStringLiteral("Maximum Drink Units:"), "maxDrinkUnits", bind(&FountainValues::maxDrinkUnits));
    addNumber(QStringLiteral("Drink Units Left:"), "drinkUnitsLeft", bind(&FountainValues::drinkUnitsLeft));
}

} // namespace tarnholt
