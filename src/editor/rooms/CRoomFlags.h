#pragma once

#include <vector>

#include "rooms/CSheetPage.h"

class QCheckBox;

namespace tarnholt {

class Room;
class Universe;

/// The "Flags" page of the room editor: one check box per room flag of the Universe.
class CRoomFlags : public CSheetPage {
    Q_OBJECT
public:
    static constexpr int kBoxCount = 33;

    CRoomFlags(Room& room, const Universe& universe, Questions& questions, QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

private:
    Room& room_;
    const Universe& universe_;
    std::vector<QCheckBox*> boxes_;
};

} // namespace tarnholt
