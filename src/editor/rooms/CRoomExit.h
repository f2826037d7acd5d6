#pragma once

#include <vector>

#include "rooms/CSheetPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace tarnholt {

class Room;
class World;

/// The "Exits" page of the room editor: the exit of one direction at a time.
class CRoomExit : public CSheetPage {
    Q_OBJECT
public:
    CRoomExit(Room& room, const World& world, Questions& questions, QWidget* parent = nullptr);

    /// Selects the direction shown when the page becomes active.
    void selectDirection(int direction);
    int direction() const { return direction_; }

    void activate() override;
    bool leave() override;

private:
    void directionChosen(int direction);
    void loadExit();
    void storeExit();
    void format(int width);

    Room& room_;
    const World& world_;
    int direction_ = 0;
    std::vector<QRadioButton*> directions_;
    QComboBox* target_ = nullptr;
    int listedRooms_ = -1; // entries of target_ made from the World; -1 until made
    QComboBox* key_ = nullptr;
    QCheckBox* openable_ = nullptr;
    QCheckBox* pickable_ = nullptr;
    std::vector<QRadioButton*> resetStates_;
    QLineEdit* keywords_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
};

} // namespace tarnholt
