#pragma once

#include "items/CItemValuePage.h"

namespace tarnholt {

/// The value page of weapons: damage dice with their range and average, damage type, minimum
/// level.
class CItemValueWeapon : public CItemValuePage<WeaponValues> {
    Q_OBJECT
public:
    explicit CItemValueWeapon(ItemEditContext& context, QWidget* parent = nullptr);

protected:
    QStringList statistics(int32_t count, int32_t size) const override;
};

} // namespace tarnholt
