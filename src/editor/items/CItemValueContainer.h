#pragma once

#include "items/CItemValuePage.h"

class QCheckBox;
class QComboBox;

namespace tarnholt {

/// The value page of containers: capacity, lock state and the key, which the "No Key Exists"
/// box only locks against changes (the key itself is kept).
class CItemValueContainer : public CItemValuePage<ContainerValues> {
    Q_OBJECT
public:
    explicit CItemValueContainer(ItemEditContext& context, QWidget* parent = nullptr);

protected:
    void loaded() override;

private:
    void followNoKey();

    QCheckBox* noKey_ = nullptr;
    QComboBox* key_ = nullptr;
};

} // namespace tarnholt
