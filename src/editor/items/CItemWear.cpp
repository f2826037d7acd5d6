#include "items/CItemWear.h"

#include "items/Item.h"
#include "universe/Universe.h"

namespace tarnholt {

CItemWear::CItemWear(ItemEditContext& context, QWidget* parent)
    : CItemFlagPage(context, QStringLiteral("The item is wearable at the following locations:"), kBoxCount,
                    context.universe.wearFlags, &Item::wearFlags, false, parent)
{
}

} // namespace tarnholt
