#pragma once

#include "items/CItemFlagPage.h"

namespace tarnholt {

/// The "Flags" page of the item editor: the item's extra flags.
class CItemFlags : public CItemFlagPage {
    Q_OBJECT
public:
    static constexpr int kBoxCount = 42;

    explicit CItemFlags(ItemEditContext& context, QWidget* parent = nullptr);
};

} // namespace tarnholt
