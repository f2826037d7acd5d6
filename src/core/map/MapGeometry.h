#pragma once

#include <cstdint>
#include <optional>

namespace tarnholt {

class Room;

/// A point in map coordinates (logical pixels) or on the screen. 64-bit so that the box position
/// of any column or row a file may hold is exact.
struct Point {
    int64_t x = 0;
    int64_t y = 0;
    bool operator==(const Point&) const = default;
};

/// A rectangle from (left, top) to (right, bottom).
struct Rect {
    int64_t left = 0;
    int64_t top = 0;
    int64_t right = 0;
    int64_t bottom = 0;

    /// Closed-interval overlap: touching edges count.
    bool intersects(const Rect& other) const
    {
        return left <= other.right && other.left <= right && top <= other.bottom && other.top <= bottom;
    }
    Rect inflated(int64_t by) const { return {left - by, top - by, right + by, bottom + by}; }
    bool operator==(const Rect&) const = default;
};

/// What a point of the map hits: a cell and, when the point is near one, an exit anchor of its box.
struct MapHit {
    int column = -1;
    int row = -1;
    int anchor = -1; ///< a direction number 0-9, or -1 between anchors
    bool operator==(const MapHit&) const = default;
};

/// The fixed grid of the map: where each cell's room box lies, where its ten exit anchors are,
/// and which cell and anchor a point falls on.
class MapGeometry {
public:
    static constexpr int origin = 30;    ///< x and y of the box of cell (0, 0)
    static constexpr int pitch = 90;     ///< distance between neighbouring boxes
    static constexpr int box = 60;       ///< width and height of a room box
    static constexpr int tolerance = 7;  ///< how far a point may lie from an anchor and still hit it
    static constexpr int mapSize = 10000; ///< the scrollable width and height of the map

    /// Offset of anchor `n` (a direction number) from the top-left corner of a box; (0, 0) for any
    /// number outside 0 to 8.
    static Point anchorOffset(int n);
    /// Top-left corner of the box of cell (column, row).
    static Point cellOrigin(int64_t column, int64_t row);
    /// Top-left corner of a room's box.
    static Point roomOrigin(const Room& room);
    /// A room's anchor `n` on the map.
    static Point anchorPoint(const Room& room, int n);
    /// The box of cell (column, row).
    static Rect cellBox(int64_t column, int64_t row);
    /// The cell and anchor under a logical point, or nothing above and left of the first cell.
    static std::optional<MapHit> hitTest(Point logical);
};

} // namespace tarnholt
