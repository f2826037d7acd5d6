#pragma once

#include "items/CItemValuePage.h"

namespace tarnholt {

/// The value page of money: the number of coins.
class CItemValueMoney : public CItemValuePage<MoneyValues> {
    Q_OBJECT
public:
    explicit CItemValueMoney(ItemEditContext& context, QWidget* parent = nullptr);
};

} // namespace tarnholt
