#include "map/MapPainter.h"

#include <cmath>

#include "rooms/Room.h"
#include "settings/DisplaySettings.h"
#include "world/World.h"

namespace tarnholt {

namespace {

constexpr int exitPenWidth = 3;
constexpr int64_t circleRadius = MapGeometry::tolerance;
// Lines with a coordinate beyond this are cut to the visible area before they reach the surface,
// whose devices work with far smaller numbers. Maps of any sensible size stay well inside it.
constexpr int64_t safeCoordinate = int64_t{1} << 22;
constexpr int64_t clipMargin = 64;

bool safe(Point p)
{
    return p.x > -safeCoordinate && p.x < safeCoordinate && p.y > -safeCoordinate && p.y < safeCoordinate;
}

// Liang-Barsky: cuts the segment to `box`; false when nothing of it is inside.
bool clipSegment(Point& from, Point& to, const Rect& box)
{
    const long double x0 = static_cast<long double>(from.x), y0 = static_cast<long double>(from.y);
    const long double dx = static_cast<long double>(to.x) - x0, dy = static_cast<long double>(to.y) - y0;
    long double t0 = 0, t1 = 1;
    const long double p[4] = {-dx, dx, -dy, dy};
    const long double q[4] = {x0 - static_cast<long double>(box.left), static_cast<long double>(box.right) - x0,
                              y0 - static_cast<long double>(box.top), static_cast<long double>(box.bottom) - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const long double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    to = {static_cast<int64_t>(std::llround(x0 + t1 * dx)), static_cast<int64_t>(std::llround(y0 + t1 * dy))};
    from = {static_cast<int64_t>(std::llround(x0 + t0 * dx)), static_cast<int64_t>(std::llround(y0 + t0 * dy))};
    return true;
}

} // namespace

MapPainter::MapPainter(const DisplaySettings& settings) : settings_(settings) {}

Color MapPainter::toColor(uint32_t colorValue)
{
    return {static_cast<uint8_t>(colorValue & 0xFFu), static_cast<uint8_t>((colorValue >> 8) & 0xFFu),
            static_cast<uint8_t>((colorValue >> 16) & 0xFFu)};
}

void MapPainter::selectPen(Surface& surface, const Pen& pen)
{
    // A pen is selected when the colour changes, not for every line.
    if (pen_ && *pen_ == pen)
        return;
    surface.setPen(pen);
    pen_ = pen;
}

Pen MapPainter::inkPen(MapItem::Ink ink) const
{
    uint32_t value = 0;
    switch (ink) {
    case MapItem::Ink::RoomBorder:
        value = settings_.roomBorderColor();
        break;
    case MapItem::Ink::NormalExit:
        value = settings_.normalExitColor();
        break;
    case MapItem::Ink::ClosedDoor:
        value = settings_.closedDoorColor();
        break;
    case MapItem::Ink::LockedDoor:
        value = settings_.lockedDoorColor();
        break;
    case MapItem::Ink::OneWayExit:
        value = settings_.oneWayExitColor();
        break;
    }
    return Pen{Pen::Style::Solid, exitPenWidth, toColor(value)};
}

void MapPainter::line(Surface& surface, Point from, Point to, const Rect& visible)
{
    if (!safe(from) || !safe(to)) {
        if (!clipSegment(from, to, visible.inflated(clipMargin)))
            return;
    }
    surface.drawLine(from, to);
}

void MapPainter::draw(Surface& surface, const World& world, const MapIndex& index, const Rect& visible)
{
    surface.save();
    index.query(visible, visibleItems_);
    drawGrid(surface, visible, index.items());
    drawItems(surface, world, index.items(), visible);
    surface.restore();
    surface.setTextTransparent(false);
}

void MapPainter::drawGrid(Surface& surface, const Rect& visible)
{
    visibleItems_.clear();
    drawGrid(surface, visible, {});
}

void MapPainter::drawGrid(Surface& surface, const Rect& visible, const std::vector<MapItem>& items)
{
    constexpr int64_t origin = MapGeometry::origin, pitch = MapGeometry::pitch, box = MapGeometry::box;
    surface.setBrush(Brush{Brush::Style::DiagonalCross, Color{127, 127, 127}});
    const Pen dotted{Pen::Style::Dotted, 1, Color{0, 0, 0}};
    surface.setPen(dotted);
    pen_ = dotted;
    // The first column and row start at the cell at or before the scroll position (division toward zero).
    const int64_t x0 = ((visible.left - origin) / pitch) * pitch;
    const int64_t y0 = ((visible.top - origin) / pitch) * pitch;
    if (x0 >= visible.right || y0 >= visible.bottom)
        return;
    const auto columns = static_cast<std::size_t>((visible.right - x0 + pitch - 1) / pitch);
    const auto rows = static_cast<std::size_t>((visible.bottom - y0 + pitch - 1) / pitch);

    // A room box is drawn over the cell at its place with an opaque fill and an outline wider than the
    // cell's, so that cell is left out here: a full view of rooms then costs little more than the rooms.
    covered_.assign(columns * rows, false);
    for (uint32_t at : visibleItems_) {
        const MapItem& item = items[at];
        if (item.kind != MapItem::Kind::Room)
            break;
        const int64_t dx = item.a.x - origin - x0, dy = item.a.y - origin - y0;
        if (dx < 0 || dy < 0 || dx % pitch != 0 || dy % pitch != 0)
            continue;
        const auto column = static_cast<std::size_t>(dx / pitch), row = static_cast<std::size_t>(dy / pitch);
        if (column < columns && row < rows)
            covered_[column * rows + row] = true;
    }
    std::size_t cell = 0;
    for (int64_t x = x0; x < visible.right; x += pitch)
        for (int64_t y = y0; y < visible.bottom; y += pitch)
            if (!covered_[cell++])
                surface.drawRectangle({origin + x, origin + y, origin + box + x, origin + box + y});
}

void MapPainter::drawWorld(Surface& surface, const World& world, const MapIndex& index, const Rect& visible)
{
    index.query(visible, visibleItems_);
    drawItems(surface, world, index.items(), visible);
}

void MapPainter::drawItems(Surface& surface, const World& world, const std::vector<MapItem>& items,
                           const Rect& visible)
{
    // Rooms come first in the index's order, exits after them.
    std::size_t next = 0;
    const Pen border{Pen::Style::Solid, exitPenWidth, toColor(settings_.roomBorderColor())};
    const Brush background{Brush::Style::Solid, toColor(settings_.roomBackgroundColor())};
    surface.setPen(border);
    pen_ = border;
    surface.setBrush(background);
    surface.setTextColor(toColor(settings_.roomTextColor()));
    surface.setTextTransparent(true);
    for (; next < visibleItems_.size(); ++next) {
        const MapItem& item = items[visibleItems_[next]];
        if (item.kind != MapItem::Kind::Room)
            break;
        const Point o = item.a;
        surface.drawRectangle({o.x, o.y, o.x + MapGeometry::box, o.y + MapGeometry::box});
        // The index may be older than the World (a repaint while a modal form changes it): draw the box
        // but never read past the rooms there are.
        if (static_cast<std::size_t>(item.room) < world.rooms.size())
            surface.drawText({o.x - 10, o.y, o.x + MapGeometry::box + 10, o.y + MapGeometry::box},
                             world.rooms[static_cast<std::size_t>(item.room)].identifier);
    }

    for (; next < visibleItems_.size(); ++next) {
        const MapItem& item = items[visibleItems_[next]];
        switch (item.kind) {
        case MapItem::Kind::Room:
            break;
        case MapItem::Kind::MissingTarget:
            selectPen(surface, inkPen(item.ink));
            surface.drawEllipse({item.a.x - circleRadius, item.a.y - circleRadius, item.a.x + circleRadius,
                                 item.a.y + circleRadius});
            break;
        case MapItem::Kind::TwoWayExit:
            selectPen(surface, inkPen(item.ink));
            line(surface, item.a, item.b, visible);
            break;
        case MapItem::Kind::OneWayExit:
            selectPen(surface, inkPen(item.ink));
            line(surface, item.a, item.b, visible);
            selectPen(surface, inkPen(MapItem::Ink::OneWayExit));
            line(surface, item.b, item.c, visible);
            break;
        }
    }
}

} // namespace tarnholt
