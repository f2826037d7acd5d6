#pragma once

#include <vector>

#include "rooms/CSheetPage.h"

class QRadioButton;

namespace tarnholt {

class Room;
class Universe;

/// The "Terrain" page of the room editor: one option button per terrain of the Universe.
class CRoomTerrain : public CSheetPage {
    Q_OBJECT
public:
    static constexpr int kButtonCount = 14;

    CRoomTerrain(Room& room, const Universe& universe, Questions& questions, QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

private:
    Room& room_;
    const Universe& universe_;
    std::vector<QRadioButton*> buttons_;
};

} // namespace tarnholt
