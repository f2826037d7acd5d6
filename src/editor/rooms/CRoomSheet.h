#pragma once

#include <string>

#include "rooms/CPropertySheet.h"
#include "rooms/Room.h"

namespace tarnholt {

class CRoomExit;
class Questions;
class TemplateLibrary;
class Universe;
class World;

/// The room editor: a tabbed form on a copy of one room. "OK" leaves the copy in `room()` for the
/// caller to write back (see applyRoomEdit); "Cancel" drops it. In template mode the Identifier
/// names a room template and there is no "Exits" page.
class CRoomSheet : public CPropertySheet {
    Q_OBJECT
public:
    /// `startDirection` (0 to 9) opens the editor on the "Exits" page at that direction; -1 on
    /// the "Description" page.
    CRoomSheet(const QString& title, const Room& room, World& world, Universe& universe, TemplateLibrary& templates,
               Questions& questions, bool templateMode = false, int startDirection = -1, QWidget* parent = nullptr);

    /// The edited copy.
    const Room& room() const { return room_; }
    const std::string& initialIdentifier() const { return initialIdentifier_; }
    bool templateMode() const { return templateMode_; }

private:
    Room room_;
    std::string initialIdentifier_;
    bool templateMode_;
};

} // namespace tarnholt
