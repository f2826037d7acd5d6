#pragma once

#include "items/CItemValuePage.h"

class QListWidget;

namespace tarnholt {

/// The value page of keys: the key number, and the doors and containers of the zone that this
/// key unlocks.
class CItemValueKey : public CItemValuePage<KeyValues> {
    Q_OBJECT
public:
    explicit CItemValueKey(ItemEditContext& context, QWidget* parent = nullptr);

protected:
    void loaded() override;

private:
    QListWidget* unlocks_ = nullptr;
};

} // namespace tarnholt
