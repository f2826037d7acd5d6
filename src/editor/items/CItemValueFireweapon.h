#pragma once

#include "items/CItemValuePage.h"

namespace tarnholt {

/// The value page of fire weapons: damage dice with their maximum and average, and rounds.
class CItemValueFireweapon : public CItemValuePage<FireweaponValues> {
    Q_OBJECT
public:
    explicit CItemValueFireweapon(ItemEditContext& context, QWidget* parent = nullptr);

protected:
    QStringList statistics(int32_t count, int32_t size) const override;
};

} // namespace tarnholt
