#pragma once

#include "items/CItemValuePage.h"

namespace tarnholt {

/// The value page of drink containers: drink units, liquid and poison.
class CItemValueDrink : public CItemValuePage<DrinkValues> {
    Q_OBJECT
public:
    explicit CItemValueDrink(ItemEditContext& context, QWidget* parent = nullptr);
};

} // namespace tarnholt
