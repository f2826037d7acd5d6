#include "mobs/MobEdit.h"

#include <string>

#include "mobs/Mob.h"
#include "world/World.h"

namespace tarnholt {

bool applyMobEdit(World& world, std::size_t index, const Mob& edited)
{
    if (index >= world.mobs.size())
        return false;
    const std::string oldIdentifier = world.mobs[index].identifier;
    world.mobs[index] = edited;
    // Renaming from the empty text would hand this mob every load and shop that names no mob yet,
    // and renaming to it would take it from every load and shop that names it: neither is an edit.
    if (oldIdentifier.empty() || edited.identifier.empty() || oldIdentifier == edited.identifier)
        return true;
    // A mob read twice from area files can share its Identifier with another one. That mob keeps
    // its name, and the references keep naming it, rather than all being carried off by the rename.
    if (world.findMob(oldIdentifier) != nullptr)
        return true;
    world.RenameMobRef(oldIdentifier, edited.identifier);
    return true;
}

void appendMob(World& world, const Mob& created) { world.mobs.push_back(created); }

} // namespace tarnholt
