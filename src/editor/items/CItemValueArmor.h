#pragma once

#include "items/CItemValuePage.h"

namespace tarnholt {

/// The value page of armor: armor class, cursed or not, minimum level.
class CItemValueArmor : public CItemValuePage<ArmorValues> {
    Q_OBJECT
public:
    explicit CItemValueArmor(ItemEditContext& context, QWidget* parent = nullptr);
};

} // namespace tarnholt
