#pragma once

#include "items/CItemValuePage.h"

class QComboBox;
class QLineEdit;

namespace tarnholt {

/// The value page of devices: the action and the one reference it uses (the other reference
/// fields are disabled), and the boolean (lever) behaviour.
class CItemValueDevice : public CItemValuePage<DeviceValues> {
    Q_OBJECT
public:
    explicit CItemValueDevice(ItemEditContext& context, QWidget* parent = nullptr);

protected:
    void loaded() override;

private:
    void enableForAction();

    QComboBox* action_ = nullptr;
    QComboBox* room_ = nullptr;
    QComboBox* item_ = nullptr;
    QComboBox* mob_ = nullptr;
    QComboBox* spell_ = nullptr;
    QComboBox* direction_ = nullptr;
    QLineEdit* duration_ = nullptr;
    QLineEdit* level_ = nullptr;
};

} // namespace tarnholt
