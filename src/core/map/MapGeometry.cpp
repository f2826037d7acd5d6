#include "map/MapGeometry.h"

#include <array>
#include <cstdlib>

#include "rooms/Room.h"

namespace tarnholt {

namespace {

constexpr int w = MapGeometry::box;
constexpr int h = MapGeometry::box;

// Indexed by direction: North, East, South, West, Down, Up, Northeast, Southeast, Southwest.
// Northwest and every other number sit on the top-left corner.
constexpr std::array<Point, 9> anchorOffsets{{
    {w / 2, 0},
    {w, h / 2},
    {w / 2, h},
    {0, h / 2},
    {w / 2, 7 * h / 10},
    {w / 2, 3 * h / 10},
    {w, 0},
    {w, h},
    {0, h},
}};

} // namespace

Point MapGeometry::anchorOffset(int n)
{
    if (n < 0 || n >= static_cast<int>(anchorOffsets.size()))
        return {0, 0};
    return anchorOffsets[static_cast<std::size_t>(n)];
}

Point MapGeometry::cellOrigin(int64_t column, int64_t row)
{
    return {origin + pitch * column, origin + pitch * row};
}

Point MapGeometry::roomOrigin(const Room& room)
{
    return cellOrigin(room.column, room.row);
}

Point MapGeometry::anchorPoint(const Room& room, int n)
{
    Point o = roomOrigin(room);
    Point a = anchorOffset(n);
    return {o.x + a.x, o.y + a.y};
}

Rect MapGeometry::cellBox(int64_t column, int64_t row)
{
    Point o = cellOrigin(column, row);
    return {o.x, o.y, o.x + box, o.y + box};
}

std::optional<MapHit> MapGeometry::hitTest(Point logical)
{
    // Cells reach `tolerance` pixels left of and above their boxes, so that the West and North
    // anchors can be hit from outside; the first cell therefore starts at x = y = 23.
    if (logical.x - origin + tolerance < 0 || logical.y - origin + tolerance < 0)
        return std::nullopt;
    const int64_t column = (logical.x - tolerance) / pitch;
    const int64_t row = (logical.y - tolerance) / pitch;
    if (column > INT32_MAX || row > INT32_MAX)
        return std::nullopt;
    const int64_t dx = logical.x - origin - pitch * column;
    const int64_t dy = logical.y - origin - pitch * row;

    MapHit hit{static_cast<int>(column), static_cast<int>(row), -1};
    for (int n = 0; n < 10; ++n) {
        Point a = anchorOffset(n);
        if (std::llabs(dx - a.x) <= tolerance && std::llabs(dy - a.y) <= tolerance) {
            hit.anchor = n;
            break;
        }
    }
    return hit;
}

} // namespace tarnholt
