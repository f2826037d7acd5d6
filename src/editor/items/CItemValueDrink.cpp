#include "items/CItemValueDrink.h"

#include "universe/Universe.h"

namespace tarnholt {

CItemValueDrink::CItemValueDrink(ItemEditContext& context, QWidget* parent)
    : CItemValuePage(QStringLiteral("Drink Container"), context, parent)
{
    addNumber(QStringLiteral("Maximum Drink Units:"), "maxDrinkUnits", bind(&DrinkValues::maxDrinkUnits));
    addNumber(QStringLiteral("Current Drink Units:"), "drinkUnitsLeft", bind(&DrinkValues::drinkUnitsLeft));
    addNames(QStringLiteral("Starting Liquid in Container:"), "liquid", tableNames(context.universe.liquids),
             bind(&DrinkValues::liquid));
    addCheck(QStringLiteral("Starting drink in container is poisonous"), "poisoned",
             bind(&DrinkValues::poisoned));
    addNumber(QStringLiteral("Minimum Level:"), "minLevel", bind(&DrinkValues::minLevel));
}

} // namespace tarnholt
