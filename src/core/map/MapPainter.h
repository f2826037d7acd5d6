#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "map/MapGeometry.h"
#include "map/MapIndex.h"
#include "map/Surface.h"

namespace tarnholt {

struct DisplaySettings;
class World;

/// Draws the map on a surface: the hatched grid of cells, the room boxes with their Identifiers and
/// the exit lines, in the display colours. Only what reaches the visible area is drawn; the index says
/// what that is.
class MapPainter {
public:
    explicit MapPainter(const DisplaySettings& settings);

    /// One paint of the visible area (the view's size placed at the scroll position): grid, rooms,
    /// exits (the grid cells under room boxes are not drawn, as the boxes hide them); the surface's
    /// pen, brush and text colour are restored afterwards and its text background is left opaque.
    void draw(Surface& surface, const World& world, const MapIndex& index, const Rect& visible);

    /// The dotted, hatched box of every cell from the one at or before the scroll position to the
    /// visible right and bottom edges.
    void drawGrid(Surface& surface, const Rect& visible);
    /// The rooms, then the exits, of the World as the index knows it.
    void drawWorld(Surface& surface, const World& world, const MapIndex& index, const Rect& visible);

    static Color toColor(uint32_t colorValue);

private:
    /// The grid without the cells that a room box of `visibleItems_` is drawn over.
    void drawGrid(Surface& surface, const Rect& visible, const std::vector<MapItem>& items);
    /// The rooms, then the exits, of `visibleItems_`.
    void drawItems(Surface& surface, const World& world, const std::vector<MapItem>& items, const Rect& visible);
    void selectPen(Surface& surface, const Pen& pen);
    Pen inkPen(MapItem::Ink ink) const;
    void line(Surface& surface, Point from, Point to, const Rect& visible);

    const DisplaySettings& settings_;
    std::optional<Pen> pen_; ///< the pen last selected on the surface during this paint
    std::vector<uint32_t> visibleItems_;
    std::vector<bool> covered_; ///< cells of the visible grid with a room box drawn over them, column by column
};

} // namespace tarnholt
