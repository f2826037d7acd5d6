#pragma once

#include <vector>

#include "rooms/CSheetPage.h"

class QLineEdit;
class QRadioButton;

namespace tarnholt {

class Mob;

/// The "Position" page of the mob editor: alignment, gold, experience, the load and default
/// positions and the sex.
class CMobPosition : public CSheetPage {
    Q_OBJECT
public:
    CMobPosition(Mob& mob, bool templateMode, Questions& questions, QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

private:
    Mob& mob_;
    bool templateMode_;
    QLineEdit* alignment_ = nullptr;
    QLineEdit* gold_ = nullptr;
    QLineEdit* experience_ = nullptr;
    std::vector<QRadioButton*> loadPosition_;
    std::vector<QRadioButton*> defaultPosition_;
    std::vector<QRadioButton*> sex_;
};

} // namespace tarnholt
