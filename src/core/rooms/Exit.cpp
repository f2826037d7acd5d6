#include "rooms/Exit.h"

#include <array>

#include "generate/AreaText.h"
#include "world/Archive.h"
#include "world/World.h"
#include "world/Encoding.h"

namespace tarnholt {

namespace {

// The names of the direction buttons, by direction number. Up follows Down.
constexpr std::array<std::string_view, kDirectionCount> kDirectionNames = {
    "North", "East", "South", "West", "Down", "Up", "Northeast", "Southeast", "Southwest", "Northwest",
};

} // namespace

std::string_view directionName(int direction)
{
    if (direction < 0 || direction >= kDirectionCount)
        return {};
    return kDirectionNames[static_cast<std::size_t>(direction)];
}

int directionNumber(std::string_view name)
{
    for (std::size_t i = 0; i < kDirectionNames.size(); ++i)
        if (kDirectionNames[i] == name)
            return static_cast<int>(i);
    return -1;
}

void Exit::reset()
{
    *this = Exit();
}

void Exit::Serialize(Archive& ar)
{
    int32_t version = 1;
    ar.serialize(version); // read and not used: there is only one layout
    ar.serialize(target);
    ar.serialize(keywords);
    ar.serialize(description);
    ar.serialize(key);
    ar.serialize(openable);
    ar.serialize(pickable);
    ar.serialize(resetState);
    ar.serialize(reserved);
    ar.serialize(placement);
}

void Exit::WriteAreaText(std::string& out, Universe& /*universe*/, World& world, int direction) const
{
    out += 'D';
    appendNumber(out, direction);
    out += '\n';
    appendNormalizedText(out, description);
    out += "\n~\n";
    out += keywords;
    out += "~\n";
    if (pickable == 1)
        out += "2 ";
    else if (openable == 1)
        out += "1 ";
    else
        out += "0 ";
    world.appendItemVnumText(out, key);
    out += ' ';
    world.appendRoomVnumText(out, target);
    out += '\n';
}

void Exit::WriteDoorReset(std::string& out, int32_t roomVnum, int direction) const
{
    if (target.empty() || resetState == 0)
        return;
    // The zone file numbers the states from "open" = 0.
    out += "D 0 ";
    appendNumber(out, roomVnum);
    out += ' ';
    appendNumber(out, direction);
    out += ' ';
    appendNumber(out, static_cast<int64_t>(resetState) - 1);
    out += '\n';
}

void Exit::RenameItemRef(const std::string& oldName, const std::string& newName)
{
    if (key == oldName)
        key = newName;
}

void Exit::RenameMobRef(const std::string& /*oldName*/, const std::string& /*newName*/) {}

void Exit::RenameRoomRef(const std::string& oldName, const std::string& newName)
{
    if (target != oldName)
        return;
    target = newName;
    // A room renamed to nothing has been deleted: nothing of the exit into it remains.
    if (target.empty())
        reset();
}

int32_t Exit::placementFor(int column, int row, int targetColumn, int targetRow)
{
    if (targetColumn == column)
        return targetRow > row ? 0 : 2; // the same cell counts as "above"
    if (targetColumn < column) {
        if (targetRow == row)
            return 1;
        return targetRow > row ? 6 : 7;
    }
    if (targetRow == row)
        return 3;
    return targetRow < row ? 8 : 9;
}

int32_t Exit::placementFor(const World& world, int column, int row, std::string_view target)
{
    const Room* room = world.findRoom(target);
    if (!room)
        return 9;
    return placementFor(column, row, room->column, room->row);
}

} // namespace tarnholt
