#pragma once

#include "items/CItemValuePage.h"

namespace tarnholt {

/// The value page of "Other" items: the minimum level.
class CItemValueOther : public CItemValuePage<OtherValues> {
    Q_OBJECT
public:
    explicit CItemValueOther(ItemEditContext& context, QWidget* parent = nullptr);
};

} // namespace tarnholt
