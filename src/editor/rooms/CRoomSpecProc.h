#pragma once

#include <string>

#include "rooms/CSheetPage.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace tarnholt {

class Room;
class Universe;

/// The "SpecProc" page of the room editor: the room's special procedures, one line each
/// ("name probability terminate number").
class CRoomSpecProc : public CSheetPage {
    Q_OBJECT
public:
    CRoomSpecProc(Room& room, const Universe& universe, Questions& questions, QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

private:
    /// The entry the fields describe; false (after saying why) when they describe none.
    bool formatEntry(std::string& entry);
    void add();
    void remove();
    void update();
    void storeList();

    Room& room_;
    QListWidget* list_ = nullptr;
    QComboBox* name_ = nullptr;
    QLineEdit* probability_ = nullptr;
    QRadioButton* terminateNo_ = nullptr;
    QRadioButton* terminateYes_ = nullptr;
    QLineEdit* specialNumber_ = nullptr;
};

} // namespace tarnholt
