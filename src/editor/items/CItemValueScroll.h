#pragma once

#include "items/CItemValuePage.h"

namespace tarnholt {

/// The value page of scrolls: spell level, three spell slots, minimum level.
class CItemValueScroll : public CItemValuePage<ScrollValues> {
    Q_OBJECT
public:
    explicit CItemValueScroll(ItemEditContext& context, QWidget* parent = nullptr);
};

} // namespace tarnholt
