#pragma once

#include "rooms/CSpecProcPage.h"

namespace tarnholt {

class Room;
class Universe;

/// The "SpecProc" page of the room editor.
class CRoomSpecProc : public CSpecProcPage {
    Q_OBJECT
public:
    CRoomSpecProc(Room& room, const Universe& universe, Questions& questions, QWidget* parent = nullptr);
};

} // namespace tarnholt
