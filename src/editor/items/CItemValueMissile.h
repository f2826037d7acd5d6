#pragma once

#include "items/CItemValuePage.h"

namespace tarnholt {

/// The value page of missile weapons: damage dice with their maximum and average.
class CItemValueMissile : public CItemValuePage<MissileValues> {
    Q_OBJECT
public:
    explicit CItemValueMissile(ItemEditContext& context, QWidget* parent = nullptr);

protected:
    QStringList statistics(int32_t count, int32_t size) const override;
};

} // namespace tarnholt
