#pragma once

#include "items/CItemValuePage.h"

namespace tarnholt {

/// The value page of fountains: drink units.
class CItemValueFountain : public CItemValuePage<FountainValues> {
    Q_OBJECT
public:
    explicit CItemValueFountain(ItemEditContext& context, QWidget* parent = nullptr);
};

} // namespace tarnholt
