#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnholt {

class Archive;
class Universe;
class World;

/// Number of exits of a room; an exit's index is its direction number.
inline constexpr int kDirectionCount = 10;

/// The name of a direction number (0 "North" ... 9 "Northwest"); "" outside 0 to 9.
std::string_view directionName(int direction);
/// The direction number of a name (exact, case-sensitive); -1 when no direction has that name.
int directionNumber(std::string_view name);

/// One of a room's ten exits: the room it leads to and, when there is a door, the door's settings.
class Exit {
public:
    std::string target;      // Identifier of the room the exit leads to; empty = no exit
    std::string keywords;    // words naming the door
    std::string description; // CR LF between lines, as typed
    std::string key;         // Identifier of the key item; empty or "(None)" for none
    int32_t openable = 0;
    int32_t pickable = 0;
    int32_t resetState = 0;  // 0 no reset, 1 open, 2 closed, 3 locked
    int32_t reserved = 0;
    int32_t placement = -1;  // side of the target room facing this room on the map

    /// Empties the four texts, zeroes the four ints and sets `placement` to -1.
    void reset();

    void Serialize(Archive& ar);

    /// The "D" block of the world file for this exit in `direction`.
    void WriteAreaText(std::string& out, Universe& universe, World& world, int direction) const;
    /// The door reset line of the zone file when the exit exists and has a reset state; else nothing.
    void WriteDoorReset(std::string& out, int32_t roomVnum, int direction) const;

    void RenameItemRef(const std::string& oldName, const std::string& newName);
    void RenameMobRef(const std::string& oldName, const std::string& newName);
    /// A target renamed to the empty text (its room deleted) resets the whole exit.
    void RenameRoomRef(const std::string& oldName, const std::string& newName);

    /// The side of a target room at (targetColumn, targetRow) that faces a room at (column, row).
    static int32_t placementFor(int column, int row, int targetColumn, int targetRow);
    /// The same for the room of `world` that bears the Identifier `target`; 9 when none does.
    static int32_t placementFor(const World& world, int column, int row, std::string_view target);

    bool operator==(const Exit&) const = default;
};

} // namespace tarnholt
