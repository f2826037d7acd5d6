#pragma once

#include "items/CItemValuePage.h"

namespace tarnholt {

/// The value page of potions: spell level, up to three spells, minimum level.
class CItemValuePotion : public CItemValuePage<PotionValues> {
    Q_OBJECT
public:
    explicit CItemValuePotion(ItemEditContext& context, QWidget* parent = nullptr);
};

} // namespace tarnholt
