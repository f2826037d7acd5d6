#include "items/CItemClass.h"

#include "items/Item.h"
#include "universe/Universe.h"

namespace tarnholt {

CItemClass::CItemClass(ItemEditContext& context, QWidget* parent)
    : CItemFlagPage(context, QStringLiteral("The following classes can use this item:"), kBoxCount,
                    context.universe.classRestrictions, &Item::classRestrictions, true, parent)
{
}

} // namespace tarnholt
