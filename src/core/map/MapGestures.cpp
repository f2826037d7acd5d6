#include "map/MapGestures.h"

#include "map/MapHost.h"
#include "map/Surface.h"
#include "rooms/Room.h"
#include "world/World.h"

namespace tarnholt {

namespace {

Point logical(Point client, Point scroll)
{
    return {client.x + scroll.x, client.y + scroll.y};
}

} // namespace

MapGestures::MapGestures(MapHost& host) : host_(host) {}

void MapGestures::setWorld(World* world)
{
    if (world == world_)
        return;
    world_ = world;
    dragging_ = false;
    bandDrawn_ = false;
    dragRoom_ = -1;
    dragDirection_ = 0;
    currentRoom_ = -1;
}

std::string MapGestures::editTitle(const Room& room)
{
    return "Editing an Existing Room - " + room.identifier;
}

bool MapGestures::validRoom(int index) const
{
    return world_ && index >= 0 && static_cast<std::size_t>(index) < world_->rooms.size();
}

int MapGestures::roomIndexAt(int column, int row) const
{
    if (!world_)
        return -1;
    // The first room of the cell, as everywhere a cell is looked up.
    const Room* room = world_->roomAt(column, row);
    return room ? static_cast<int>(room - world_->rooms.data()) : -1;
}

void MapGestures::commit(int index, const Room& edited)
{
    Room& room = world_->rooms[static_cast<std::size_t>(index)];
    const std::string oldIdentifier = room.identifier;
    room = edited;
    // Nothing can refer to an empty Identifier: renaming "" would make every unused exit, empty
    // moving-room target and shop without a room point at this room. Renaming to "" would delete
    // every exit into the room, which is what deleting it does, not editing it.
    if (edited.identifier != oldIdentifier && !oldIdentifier.empty() && !edited.identifier.empty())
        world_->RenameRoomRef(oldIdentifier, edited.identifier);
    host_.worldChanged(true);
}

MapGestures::Outcome MapGestures::editRoom(int index, int startDirection)
{
    if (!validRoom(index))
        return Outcome::Nothing;
    Room copy = world_->rooms[static_cast<std::size_t>(index)];
    if (!host_.editRoom(copy, editTitle(copy), startDirection))
        return Outcome::EditCancelled;
    if (!validRoom(index))
        return Outcome::Nothing;
    commit(index, copy);
    return Outcome::RoomEdited;
}

MapGestures::Outcome MapGestures::press(Point client, Point scroll)
{
    dragging_ = false;
    bandDrawn_ = false;
    dragRoom_ = -1;
    const std::optional<MapHit> hit = MapGeometry::hitTest(logical(client, scroll));
    if (!world_ || !hit || hit->anchor < 0)
        return Outcome::Nothing;
    const int index = roomIndexAt(hit->column, hit->row);
    currentRoom_ = index;
    if (index < 0)
        return Outcome::Nothing;
    const int d = hit->anchor;
    if (!world_->rooms[static_cast<std::size_t>(index)].exits[static_cast<std::size_t>(d)].target.empty())
        return editRoom(index, d);
    dragging_ = true;
    dragRoom_ = index;
    dragDirection_ = d;
    dragStart_ = client;
    return Outcome::DragStarted;
}

bool MapGestures::move(Point client)
{
    if (!dragging_)
        return false;
    bandEnd_ = client;
    bandDrawn_ = true;
    return true;
}

std::optional<Line> MapGestures::band() const
{
    if (dragging_ && bandDrawn_)
        return Line{dragStart_, bandEnd_};
    return std::nullopt;
}

void MapGestures::drawBand(Surface& screen) const
{
    if (const std::optional<Line> line = band())
        screen.drawInvertedLine(line->from, line->to);
}

MapGestures::Outcome MapGestures::release(Point client, Point scroll)
{
    const bool linking = dragging_ && bandDrawn_;
    const int from = dragRoom_;
    const int direction = dragDirection_;
    // The drag ends here whatever follows; the editor below is modal.
    dragging_ = false;
    bandDrawn_ = false;
    dragRoom_ = -1;
    dragDirection_ = 0;
    if (!linking || !validRoom(from))
        return Outcome::Nothing;

    const std::optional<MapHit> hit = MapGeometry::hitTest(logical(client, scroll));
    if (!hit || hit->anchor < 0)
        return Outcome::Nothing;
    const int to = roomIndexAt(hit->column, hit->row);
    currentRoom_ = to;
    // Letting go on the anchor the drag started from is a slip of the hand, not a loop.
    if (to < 0 || (to == from && hit->anchor == direction))
        return Outcome::Nothing;
    return link(from, direction, to, hit->anchor);
}

MapGestures::Outcome MapGestures::link(int from, int direction, int to, int anchor)
{
    auto exitOf = [this](int room, int d) -> Exit& {
        return world_->rooms[static_cast<std::size_t>(room)].exits.edit(static_cast<std::size_t>(d));
    };
    // What both exits held, so that a cancelled editor can put them back exactly.
    const Exit savedFrom = exitOf(from, direction);
    const Exit savedTo = exitOf(to, anchor);

    Exit& out = exitOf(from, direction);
    out.target = world_->rooms[static_cast<std::size_t>(to)].identifier;
    out.placement = anchor;
    Exit& back = exitOf(to, anchor);
    back.target = world_->rooms[static_cast<std::size_t>(from)].identifier;
    back.placement = direction;
    host_.worldChanged(false);

    Room copy = world_->rooms[static_cast<std::size_t>(from)];
    const bool confirmed = host_.editRoom(copy, editTitle(copy), direction);
    if (!validRoom(from) || !validRoom(to))
        return Outcome::Nothing;
    if (confirmed) {
        commit(from, copy);
        return Outcome::RoomsLinked;
    }
    exitOf(to, anchor) = savedTo;
    exitOf(from, direction) = savedFrom;
    host_.worldChanged(false);
    return Outcome::LinkCancelled;
}

MapGestures::Outcome MapGestures::doubleClick(Point client, Point scroll)
{
    const std::optional<MapHit> hit = MapGeometry::hitTest(logical(client, scroll));
    if (!world_ || !hit)
        return Outcome::Nothing;
    const int index = roomIndexAt(hit->column, hit->row);
    if (index >= 0) {
        currentRoom_ = index;
        return editRoom(index, -1);
    }
    Room room = host_.roomTemplate();
    room.column = hit->column;
    room.row = hit->row;
    if (!host_.editRoom(room, "Creating a New Room", -1))
        return Outcome::CreateCancelled;
    world_->rooms.push_back(std::move(room));
    host_.worldChanged(true);
    return Outcome::RoomCreated;
}

bool MapGestures::contextMenu(Point client, Point scroll)
{
    const std::optional<MapHit> hit = MapGeometry::hitTest(logical(client, scroll));
    if (!world_ || !hit)
        return false;
    const int index = roomIndexAt(hit->column, hit->row);
    if (index < 0)
        return false;
    currentRoom_ = index;
    return true;
}

MapGestures::Outcome MapGestures::editCurrentRoom()
{
    return editRoom(currentRoom_, -1);
}

MapGestures::Outcome MapGestures::deleteCurrentRoom()
{
    if (!validRoom(currentRoom_))
        return Outcome::Nothing;
    if (!host_.askYesNo("Are you sure you want to delete this room?"))
        return Outcome::Nothing;
    if (!validRoom(currentRoom_))
        return Outcome::Nothing;
    const auto index = static_cast<std::size_t>(currentRoom_);
    const std::string identifier = world_->rooms[index].identifier;
    // Emptying the Identifier clears every exit into the room and every reference to it. A room without
    // an Identifier has no references, and renaming "" would wipe every unused exit of the World.
    if (!identifier.empty())
        world_->RenameRoomRef(identifier, "");
    world_->rooms.erase(world_->rooms.begin() + static_cast<std::ptrdiff_t>(index));
    currentRoom_ = -1;
    host_.worldChanged(true);
    return Outcome::RoomDeleted;
}

} // namespace tarnholt
