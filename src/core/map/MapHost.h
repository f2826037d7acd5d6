#pragma once

#include <string>

namespace tarnholt {

class Room;

/// What the map's gestures need from the program around them: the modal room editor, the current
/// room template, a Yes/No question and the news that the World changed. The editor's map view
/// answers with its forms; tests answer from a script.
class MapHost {
public:
    virtual ~MapHost() = default;

    /// Shows the room editor titled `title` on `room`, a copy the caller owns, not in template mode.
    /// A `startDirection` other than -1 opens it on the exits page with that direction selected.
    /// Returns true when the user confirmed; `room` then holds the edited room.
    virtual bool editRoom(Room& room, const std::string& title, int startDirection) = 0;
    /// A full copy of the template library's current room template.
    virtual Room roomTemplate() = 0;
    /// Returns true unless the user answered No.
    virtual bool askYesNo(const std::string& question) = 0;
    /// The World changed: the map must be redrawn from it and, when `modified`, the document is
    /// marked modified.
    virtual void worldChanged(bool modified) = 0;
};

} // namespace tarnholt
