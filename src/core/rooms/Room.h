#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "generate/LoadAction.h"
#include "rooms/ExtraDescriptions.h"
#include "rooms/RoomExits.h"

namespace tarnholt {

class Archive;
class Universe;
class World;

/// One room of the zone: its texts, flags and terrain, moving-room settings, ten exits,
/// extra descriptions, special procedures, load list, map place and vnum.
class Room {
public:
    int32_t column = -1;
    int32_t row = -1;
    int32_t vnum = -1; // 0 or -1: not assigned yet
    RoomExits exits;
    std::string identifier;
    std::string name;
    std::string description; // CR LF between lines, as typed
    std::vector<std::string> flags;     // room-flag names of the Universe
    std::vector<std::string> specProcs; // one line each
    std::string terrain = "Inside";
    int32_t moving = 0;
    int32_t ignoreBoat = 0;
    int32_t ignoreFly = 0;
    int32_t moveSpeed = 1;
    int32_t moveTimer = 1;
    std::string moveTo; // Identifier of the room a moving room sends characters to
    std::string moveText;
    std::vector<LoadAction> loads;
    ExtraDescriptions extraDescriptions;

    /// Back to the defaults, except the exits, loads and extra descriptions.
    void reset();
    /// Takes the content of `other` with no map place, vnum or Identifier; the exits stay.
    void copyAsNew(const Room& other);
    /// Takes the content of `other`; map place, vnum, Identifier and exits stay.
    void copyContent(const Room& other);

    void Serialize(Archive& ar);

    /// The room's block of the world file.
    void WriteAreaText(std::string& out, Universe& universe, World& world) const;
    /// The door reset lines of the zone file, directions 0 to 9.
    void WriteDoorResets(std::string& out, Universe& universe, World& world) const;

    void RenameItemRef(const std::string& oldName, const std::string& newName);
    void RenameMobRef(const std::string& oldName, const std::string& newName);
    void RenameRoomRef(const std::string& oldName, const std::string& newName);

    bool operator==(const Room&) const = default;
};

} // namespace tarnholt
