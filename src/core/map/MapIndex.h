#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "map/MapGeometry.h"

namespace tarnholt {

class World;

/// One thing a paint of the map draws: a room box with its Identifier, an exit line, or the small
/// circle of an exit to a "#" room that is not in the World. Positions are worked out from the World
/// when the index is rebuilt.
struct MapItem {
    enum class Kind : uint8_t {
        Room,          ///< box at `a`
        TwoWayExit,    ///< half-line `a`-`b`; the other room draws the other half
        OneWayExit,    ///< half-line `a`-`b` in the door colour, then `b`-`c` in the one-way colour
        MissingTarget, ///< circle around `a`
    };
    /// The pen colour: of the first half-line of an exit, or of the circle's outline (the circle
    /// takes the pen of the exit line drawn last before it, or the room border pen).
    enum class Ink : uint8_t { RoomBorder, NormalExit, ClosedDoor, LockedDoor, OneWayExit };

    Kind kind = Kind::Room;
    Ink ink = Ink::RoomBorder;
    int8_t direction = -1;
    int32_t room = -1; ///< index in the World's rooms
    Point a;
    Point b;
    Point c;

    /// Everything the item paints lies inside this rectangle (pen widths included).
    Rect bounds() const;
};

/// Spatial index of what the map draws, so that a paint visits only the items that reach the
/// visible area: its cost depends on what is on screen, not on the size of the zone. Items are kept
/// in the order a full paint draws them (rooms in array order, then exits by room and direction),
/// and in tile grids of growing tile sizes, each item in the finest grid where it covers at most
/// 4 by 4 tiles. The index describes the World as it was at rebuild(); whoever changes the World
/// rebuilds it before the next paint.
class MapIndex {
public:
    MapIndex();
    ~MapIndex();
    MapIndex(const MapIndex&) = delete;
    MapIndex& operator=(const MapIndex&) = delete;

    /// Works out every room box, exit line and circle of `world` and files them in the grids.
    void rebuild(const World& world);
    void clear();

    const std::vector<MapItem>& items() const { return items_; }
    /// Number of rooms the World had at the last rebuild.
    std::size_t roomCount() const { return roomCount_; }

    /// Replaces `out` with the indexes in items() of the items whose bounds meet `area`, ascending,
    /// which is the order they are drawn in.
    void query(const Rect& area, std::vector<uint32_t>& out) const;

private:
    struct TileHash {
        std::size_t operator()(uint64_t key) const;
    };
    using Tiles = std::unordered_map<uint64_t, std::vector<uint32_t>, TileHash>;

    /// What appending the exit lines and circles of rooms [begin, end) to a list, as a rebuild of those
    /// rooms alone makes them, leaves for joining the pieces in order.
    struct ExitPass {
        MapItem::Ink lastInk = MapItem::Ink::RoomBorder; ///< the pen of the last line, as a circle after them takes it
        std::size_t circlesBeforeFirstLine = 0;          ///< the circles that took the starting pen
    };
    static ExitPass exitItems(const World& world, std::size_t begin, std::size_t end, std::vector<MapItem>& items);
    void file(uint32_t id, const Rect& bounds);
    void collect(const Tiles& tiles, int shift, const Rect& area, std::vector<uint32_t>& out) const;

    std::vector<MapItem> items_;
    std::vector<Tiles> levels_;
    std::size_t roomCount_ = 0;
    // Per-item marks of the last query, so that an item filed in several tiles is reported once.
    mutable std::vector<uint32_t> seen_;
    mutable uint32_t stamp_ = 0;
};

} // namespace tarnholt
