#pragma once

#include <string>

#include "rooms/CSheetPage.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace tarnholt {

class Mob;
class Universe;

/// The "SpecProc" page of the mob editor: the mob's special procedures, one line each
/// ("name probability terminate number"), and the form that makes a line.
class CMobSpecProc : public CSheetPage {
    Q_OBJECT
public:
    CMobSpecProc(Mob& mob, const Universe& universe, Questions& questions, QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

private:
    /// The probability typed, checked (0 to 100); false after telling the user what is wrong.
    bool readProbability(int32_t& probability);
    /// The entry the form describes; false when no name is chosen or the probability is refused.
    bool formatEntry(std::string& entry);
    void add();
    void update();
    void remove();
    void storeList();

    Mob& mob_;
    QListWidget* list_ = nullptr;
    QComboBox* name_ = nullptr;
    QLineEdit* probability_ = nullptr;
    QRadioButton* terminateNo_ = nullptr;
    QRadioButton* terminateYes_ = nullptr;
    QLineEdit* specialNumber_ = nullptr;
};

} // namespace tarnholt
