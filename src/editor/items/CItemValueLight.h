#pragma once

#include "items/CItemValuePage.h"

namespace tarnholt {

/// The value page of lights: how long they shine.
class CItemValueLight : public CItemValuePage<LightValues> {
    Q_OBJECT
public:
    explicit CItemValueLight(ItemEditContext& context, QWidget* parent = nullptr);
};

} // namespace tarnholt
