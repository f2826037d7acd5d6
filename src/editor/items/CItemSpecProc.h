#pragma once

#include <string>

#include "items/ItemEditContext.h"
#include "rooms/CSheetPage.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace tarnholt {

/// The "SpecProc" page of the item editor: the item's special procedures, one line each
/// ("name probability terminate number").
class CItemSpecProc : public CSheetPage {
    Q_OBJECT
public:
    explicit CItemSpecProc(ItemEditContext& context, QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

private:
    /// The entry the fields describe; false when no procedure is chosen or the probability is
    /// not a number (which is said).
    bool formatEntry(std::string& entry);
    void add();
    void remove();
    void update();
    void storeList();

    ItemEditContext& context_;
    QListWidget* list_ = nullptr;
    QComboBox* name_ = nullptr;
    QLineEdit* probability_ = nullptr;
    QLineEdit* specialNumber_ = nullptr;
    QRadioButton* terminateNo_ = nullptr;
    QRadioButton* terminateYes_ = nullptr;
};

} // namespace tarnholt
