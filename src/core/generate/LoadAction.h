#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnholt {

class Archive;
class Universe;
class World;

/// One entry of a room's load list: what the server loads into the room at zone reset,
/// and under which condition. Becomes one command line of the zone file.
class LoadAction {
public:
    // Values of `task`.
    static constexpr int32_t LoadMob = 0;
    static constexpr int32_t LoadItem = 1;
    static constexpr int32_t GiveItem = 2;
    static constexpr int32_t EquipItem = 3;
    static constexpr int32_t PutItem = 4;

    int32_t task = -1;
    int32_t condition = 0;
    std::string mob;
    std::string item;
    std::string ownerRoom;     // set by the room's load page; never stored
    std::string equipPosition; // a wear position name of the Universe
    std::string container;
    std::string comment;
    int32_t maxLoad = 1;
    int32_t probability = 100;
    int32_t direction = -1;

    /// The names of the tasks (index = `task`) and of the conditions (index = `condition`).
    static const std::vector<std::string>& taskNames();
    static const std::vector<std::string>& conditionNames();
    /// The number written in the zone file for a condition index (5 is written 6).
    static int32_t conditionCode(int32_t condition);

    /// "Load Mob guard, 100%, Max 1" and the like; "" for an unknown task.
    std::string label() const;

    void Serialize(Archive& ar);

    /// The zone command line of this action in the room `roomIdentifier`, or nothing when a
    /// required field is missing; problems are added as "Room-Action" warnings.
    void WriteZoneCommand(std::string& out, Universe& universe, World& world,
                          const std::string& roomIdentifier) const;
    /// The same, with the room's vnum text already looked up (a room writes all its actions).
    void WriteZoneCommand(std::string& out, Universe& universe, World& world, const std::string& roomIdentifier,
                          std::string_view roomVnumText) const;

    /// Renames `item` (not `container`).
    void RenameItemRef(const std::string& oldName, const std::string& newName);
    void RenameMobRef(const std::string& oldName, const std::string& newName);
    void RenameRoomRef(const std::string& oldName, const std::string& newName);

    bool operator==(const LoadAction&) const = default;
};

} // namespace tarnholt
