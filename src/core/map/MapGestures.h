#pragma once

#include <optional>
#include <string>

#include "map/MapGeometry.h"

namespace tarnholt {

class MapHost;
class Room;
class Surface;
class World;

/// A line on the screen, in client coordinates.
struct Line {
    Point from;
    Point to;
    bool operator==(const Line&) const = default;
};

/// The mouse gestures and room commands of the map, as logic over the World: link drags between
/// exit anchors, editing and creating rooms by click and double click, and the room menu's edit and
/// delete. Positions arrive in client coordinates with the scroll position beside them. The room
/// editor, the room template and the questions come from the host.
class MapGestures {
public:
    enum class Outcome {
        Nothing,
        DragStarted,
        RoomEdited,      ///< the editor was confirmed and the room replaced
        EditCancelled,
        RoomCreated,     ///< a new room was appended
        CreateCancelled,
        RoomsLinked,     ///< a drag linked two exits and the editor was confirmed
        LinkCancelled,   ///< a drag linked two exits, the editor was cancelled and both exits restored
        RoomDeleted,
    };

    explicit MapGestures(MapHost& host);

    /// The World the gestures work on; a different one forgets the drag and the current room.
    void setWorld(World* world);
    World* world() const { return world_; }

    /// Left button press: on a linked anchor, opens the editor on that exit; on a free anchor of a
    /// room, starts a link drag.
    Outcome press(Point client, Point scroll);
    /// Mouse move; returns true when the rubber band changed and must be drawn again.
    bool move(Point client);
    /// Left button release: ends a drag, linking its exit with the anchor released on.
    Outcome release(Point client, Point scroll);
    /// Double click: edits the room in the cell, or creates one there from the room template.
    Outcome doubleClick(Point client, Point scroll);
    /// Context menu at a client point: true, with currentRoom() set, when a room is there.
    bool contextMenu(Point client, Point scroll);
    /// "&Edit Room" on the current room.
    Outcome editCurrentRoom();
    /// "&Delete Room" on the current room, after the question.
    Outcome deleteCurrentRoom();

    /// Room edit: the editor on a copy of room `index`; on confirmation the copy replaces the room and
    /// a changed Identifier is renamed in every reference.
    Outcome editRoom(int index, int startDirection);

    /// Index of the room last found under the mouse, or -1.
    int currentRoom() const { return currentRoom_; }
    bool dragging() const { return dragging_; }
    /// The rubber band on the screen while a drag shows one.
    std::optional<Line> band() const;
    /// Draws the rubber band, if any, with the inverting line.
    void drawBand(Surface& screen) const;

    /// The editor's title for an existing room.
    static std::string editTitle(const Room& room);

private:
    int roomIndexAt(int column, int row) const;
    bool validRoom(int index) const;
    Outcome link(int from, int direction, int to, int anchor);
    void commit(int index, const Room& edited);

    MapHost& host_;
    World* world_ = nullptr;
    bool dragging_ = false;
    bool bandDrawn_ = false;
    int dragRoom_ = -1;
    int dragDirection_ = 0;
    Point dragStart_;
    Point bandEnd_;
    int currentRoom_ = -1;
};

} // namespace tarnholt
