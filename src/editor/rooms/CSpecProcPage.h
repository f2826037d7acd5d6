#pragma once

#include <string>
#include <vector>

#include "rooms/CSheetPage.h"

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tarnholt {

/// The "SpecProc" page the room, mob and item editors share: the record's special procedures, one
/// line each ("name probability terminate number"), and the fields that make a line. This class
/// makes the widgets and does the work; each editor's page lays them out with its own texts.
class CSpecProcPage : public CSheetPage {
    Q_OBJECT
public:
    void activate() override;
    bool leave() override;

protected:
    /// `entries` is the record's list, `names` the procedures the Universe offers for its kind.
    CSpecProcPage(std::vector<std::string>& entries, const std::vector<std::string>& names, Questions& questions,
                  QWidget* parent);

    /// The two "Terminate" buttons in a row.
    QHBoxLayout* terminateRow();
    /// The fields with their labels in four rows: procedure, probability, terminate, special number.
    QGridLayout* fieldRows();

    /// The probability typed; false after telling the user what is wrong. Any integer will do here.
    virtual bool readProbability(int32_t& probability);

    QListWidget* list_ = nullptr;
    QComboBox* name_ = nullptr;
    QLineEdit* probability_ = nullptr;
    QRadioButton* terminateNo_ = nullptr;
    QRadioButton* terminateYes_ = nullptr;
    QLineEdit* specialNumber_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QPushButton* updateButton_ = nullptr;

private:
    /// The entry the fields describe; false when no procedure is chosen or the probability is refused.
    bool formatEntry(std::string& entry);
    void add();
    void remove();
    void update();
    void storeList();

    std::vector<std::string>& entries_;
};

} // namespace tarnholt
