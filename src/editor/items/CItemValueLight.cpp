#include "items/CItemValueLight.h"

namespace tarnholt {

CItemValueLight::CItemValueLight(ItemEditContext& context, QWidget* parent)
    : CItemValuePage(QStringLiteral("Light"), context, parent)
{
    addChoice(QStringLiteral("Duration"),
              {QStringLiteral("Eternal"), QStringLiteral("No Light"), QStringLiteral("Hours")},
              bind(&LightValues::duration));
    addNumber(QStringLiteral("Number of Hours:"), "lightHours", bind(&LightValues::lightHours));
    addNumber(QStringLiteral("Minimum Level:"), "minLevel", bind(&LightValues::minLevel));
}

} // namespace tarnholt
