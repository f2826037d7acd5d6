#pragma once

#include "items/CItemValuePage.h"

namespace tarnholt {

/// The value page of food: hours of fullness and poison.
class CItemValueFood : public CItemValuePage<FoodValues> {
    Q_OBJECT
public:
    explicit CItemValueFood(ItemEditContext& context, QWidget* parent = nullptr);
};

} // namespace tarnholt
