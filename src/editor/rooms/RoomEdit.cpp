#include "rooms/RoomEdit.h"

#include <string>

#include "rooms/Room.h"
#include "world/World.h"

namespace tarnholt {

bool applyRoomEdit(World& world, std::size_t index, const Room& edited)
{
    if (index >= world.rooms.size())
        return false;
    const std::string oldIdentifier = world.rooms[index].identifier;
    world.rooms[index] = edited;
    // Renaming from the empty text would make every unused exit of the zone lead to this room,
    // and renaming to it would delete the room's exits everywhere: neither is an edit.
    if (!oldIdentifier.empty() && !edited.identifier.empty() && oldIdentifier != edited.identifier)
        world.RenameRoomRef(oldIdentifier, edited.identifier);
    return true;
}

} // namespace tarnholt
