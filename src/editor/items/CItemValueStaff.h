#pragma once

#include "items/CItemValuePage.h"

namespace tarnholt {

/// The value page of staffs: charges of one spell.
class CItemValueStaff : public CItemValuePage<StaffValues> {
    Q_OBJECT
public:
    explicit CItemValueStaff(ItemEditContext& context, QWidget* parent = nullptr);
};

} // namespace tarnholt
