#pragma once

#include "items/CItemFlagPage.h"

namespace tarnholt {

/// The "Classes" page of the item editor: the player classes that may use the item.
class CItemClass : public CItemFlagPage {
    Q_OBJECT
public:
    static constexpr int kBoxCount = 22;

    explicit CItemClass(ItemEditContext& context, QWidget* parent = nullptr);
};

} // namespace tarnholt
