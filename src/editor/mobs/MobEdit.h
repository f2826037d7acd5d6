#pragma once

#include <cstddef>

namespace tarnholt {

class Mob;
class World;

/// Writes a confirmed mob editor's copy back over the World's mob at `index` and, when the
/// Identifier changed, renames every reference to the old one (loads, shop keepers), unless
/// another mob still bears the old Identifier.
/// False, with nothing changed, when `index` names no mob.
bool applyMobEdit(World& world, std::size_t index, const Mob& edited);

/// Appends a confirmed new mob to the World.
void appendMob(World& world, const Mob& created);

} // namespace tarnholt
