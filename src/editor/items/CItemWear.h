#pragma once

#include "items/CItemFlagPage.h"

namespace tarnholt {

/// The "Wear" page of the item editor: where the item can be worn.
class CItemWear : public CItemFlagPage {
    Q_OBJECT
public:
    static constexpr int kBoxCount = 24;

    explicit CItemWear(ItemEditContext& context, QWidget* parent = nullptr);
};

} // namespace tarnholt
