#pragma once

#include <cstddef>

namespace tarnholt {

class Room;
class World;

/// Writes a confirmed room editor's copy back over the World's room at `index` and, when the
/// Identifier changed, renames every reference to the old one (exits, moving rooms, shops).
/// False, with nothing changed, when `index` names no room.
bool applyRoomEdit(World& world, std::size_t index, const Room& edited);

} // namespace tarnholt
