#pragma once

#include <string>

#include "rooms/Room.h"
#include "world/World.h"

namespace tarnholt {

/// Appends a room named `identifier` in cell (column, row).
inline Room& addRoom(World& world, const std::string& identifier, int column, int row)
{
    Room room;
    room.identifier = identifier;
    room.column = column;
    room.row = row;
    world.rooms.push_back(room);
    return world.rooms.back();
}

/// Sets exit `direction` of `room` to `target`, arriving at side `placement`, with a door state.
inline Exit& setExit(Room& room, int direction, const std::string& target, int placement, int resetState = 0)
{
    Exit& exit = room.exits[static_cast<std::size_t>(direction)];
    exit.target = target;
    exit.placement = placement;
    exit.resetState = resetState;
    return exit;
}

} // namespace tarnholt
