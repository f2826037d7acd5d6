#include "rooms/Room.h"

#include "world/Archive.h"

namespace tarnholt {

void Room::reset()
{
    column = -1;
    row = -1;
    vnum = -1;
    identifier.clear();
    name.clear();
    description.clear();
    moveTo.clear();
    moveText.clear();
    terrain = "Inside";
    moving = 0;
    ignoreBoat = 0;
    ignoreFly = 0;
    moveSpeed = 1;
    moveTimer = 1;
    flags.clear();
    specProcs.clear();
}

void Room::copyContent(const Room& other)
{
    if (this == &other)
        return;
    name = other.name;
    description = other.description;
    terrain = other.terrain;
    moving = other.moving;
    ignoreBoat = other.ignoreBoat;
    ignoreFly = other.ignoreFly;
    moveSpeed = other.moveSpeed;
    moveTimer = other.moveTimer;
    moveTo = other.moveTo;
    moveText = other.moveText;
    extraDescriptions = other.extraDescriptions;
    flags = other.flags;
    specProcs = other.specProcs;
    loads = other.loads;
}

void Room::copyAsNew(const Room& other)
{
    copyContent(other);
    column = -1;
    row = -1;
    vnum = -1;
    identifier.clear();
}

void Room::Serialize(Archive& ar)
{
    int32_t version = 1;
    ar.serialize(version);
    ar.serialize(column);
    ar.serialize(row);
    ar.serialize(vnum);
    ar.serialize(moving);
    ar.serialize(identifier);
    ar.serialize(name);
    ar.serialize(description);
    ar.serialize(terrain);
    ar.serialize(ignoreBoat);
    ar.serialize(ignoreFly);
    ar.serialize(moveSpeed);
    ar.serialize(moveTimer);
    ar.serialize(moveTo);
    ar.serialize(moveText);
    ar.serializeStringList(flags);
    extraDescriptions.Serialize(ar);
    exits.Serialize(ar);

    if (ar.isLoading()) {
        loads.clear();
        int32_t count = ar.readInt();
        loads.reserve(ar.roomFor(count, 24)); // an action holds six numbers at least
        for (int32_t i = 0; i < count; ++i)
            loads.emplace_back().Serialize(ar);
        if (version >= 1)
            ar.serializeStringList(specProcs);
        else
            specProcs.clear(); // the first layout had no special procedures
        return;
    }

    ar.writeInt(static_cast<int32_t>(loads.size()));
    for (LoadAction& action : loads)
        action.Serialize(ar);
    ar.serializeStringList(specProcs);
}

void Room::RenameItemRef(const std::string& oldName, const std::string& newName)
{
    for (Exit& exit : exits)
        exit.RenameItemRef(oldName, newName);
    for (LoadAction& action : loads)
        action.RenameItemRef(oldName, newName);
}

void Room::RenameMobRef(const std::string& oldName, const std::string& newName)
{
    for (Exit& exit : exits)
        exit.RenameMobRef(oldName, newName);
    for (LoadAction& action : loads)
        action.RenameMobRef(oldName, newName);
}

void Room::RenameRoomRef(const std::string& oldName, const std::string& newName)
{
    for (Exit& exit : exits)
        exit.RenameRoomRef(oldName, newName);
    for (LoadAction& action : loads)
        action.RenameRoomRef(oldName, newName);
    if (identifier == oldName)
        identifier = newName;
    if (moveTo == oldName)
        moveTo = newName;
}

} // namespace tarnholt
