#pragma once

#include "items/CItemValuePage.h"

namespace tarnholt {

/// The value page of wands: charges of one spell.
class CItemValueWand : public CItemValuePage<WandValues> {
    Q_OBJECT
public:
    explicit CItemValueWand(ItemEditContext& context, QWidget* parent = nullptr);
};

} // namespace tarnholt
