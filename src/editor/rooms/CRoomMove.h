#pragma once

#include <QList>

#include "rooms/CSheetPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tarnholt {

class Room;
class World;

/// The "Move" page of the room editor: the settings of a room that moves characters elsewhere.
class CRoomMove : public CSheetPage {
    Q_OBJECT
public:
    CRoomMove(Room& room, const World& world, Questions& questions, QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

private:
    void updateEnabling();
    bool readNumber(QLineEdit* field, int32_t& value);

    Room& room_;
    const World& world_;
    QCheckBox* moving_ = nullptr;
    QCheckBox* ignoreBoat_ = nullptr;
    QCheckBox* ignoreFly_ = nullptr;
    QComboBox* moveTo_ = nullptr;
    int listedRooms_ = -1; // entries of moveTo_ made from the World; -1 until made
    QLineEdit* moveText_ = nullptr;
    QLineEdit* moveSpeed_ = nullptr;
    QLineEdit* moveTimer_ = nullptr;
    QList<QWidget*> dependents_;
};

} // namespace tarnholt
