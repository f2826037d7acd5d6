#pragma once

#include "items/ItemEditContext.h"
#include "rooms/CSpecProcPage.h"

namespace tarnholt {

/// The "SpecProc" page of the item editor.
class CItemSpecProc : public CSpecProcPage {
    Q_OBJECT
public:
    explicit CItemSpecProc(ItemEditContext& context, QWidget* parent = nullptr);
};

} // namespace tarnholt
