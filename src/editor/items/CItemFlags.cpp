#include "items/CItemFlags.h"

#include "items/Item.h"
#include "universe/Universe.h"

namespace tarnholt {

CItemFlags::CItemFlags(ItemEditContext& context, QWidget* parent)
    : CItemFlagPage(context, QString(), kBoxCount, context.universe.itemExtraFlags, &Item::extraFlags, false,
                    parent)
{
}

} // namespace tarnholt
