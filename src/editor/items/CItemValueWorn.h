#pragma once

#include "items/CItemValuePage.h"

namespace tarnholt {

/// The value page of worn items: the minimum level.
class CItemValueWorn : public CItemValuePage<WornValues> {
    Q_OBJECT
public:
    explicit CItemValueWorn(ItemEditContext& context, QWidget* parent = nullptr);
};

} // namespace tarnholt
