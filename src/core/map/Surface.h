#pragma once

#include <cstdint>
#include <string>

#include "map/MapGeometry.h"

namespace tarnholt {

/// A drawing colour with 8-bit channels.
struct Color {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool operator==(const Color&) const = default;
};

/// How lines and outlines are stroked.
struct Pen {
    enum class Style : uint8_t { Solid, Dotted };
    Style style = Style::Solid;
    int width = 1;
    Color color;
    bool operator==(const Pen&) const = default;
};

/// How rectangles and ellipses are filled.
struct Brush {
    enum class Style : uint8_t { Solid, DiagonalCross };
    Style style = Style::Solid;
    Color color;
    bool operator==(const Brush&) const = default;
};

/// What the map is drawn on: the window, an image, or a recorder in tests. Coordinates are map
/// coordinates; the surface maps them to its device. Shapes use the pen and brush last selected.
class Surface {
public:
    virtual ~Surface() = default;

    /// Remembers the pen, brush, text colour and text background mode; restore() brings them back.
    virtual void save() = 0;
    virtual void restore() = 0;

    virtual void setPen(const Pen& pen) = 0;
    virtual void setBrush(const Brush& brush) = 0;
    virtual void setTextColor(Color color) = 0;
    /// Transparent: text leaves the background under it as it is; opaque: it fills it.
    virtual void setTextTransparent(bool transparent) = 0;

    /// Outlined with the pen, filled with the brush; `rect.right` and `rect.bottom` are the far edges.
    virtual void drawRectangle(const Rect& rect) = 0;
    /// The ellipse inscribed in `rect`, outlined with the pen and filled with the brush.
    virtual void drawEllipse(const Rect& rect) = 0;
    virtual void drawLine(Point from, Point to) = 0;
    /// 8-bit text word-wrapped to the width of `rect`, each line centred, starting at its top,
    /// clipped to `rect`.
    virtual void drawText(const Rect& rect, const std::string& text) = 0;
    /// A line drawn so that the pixels under it are inverted: drawing it twice leaves the picture
    /// as it was (the rubber band of a link drag).
    virtual void drawInvertedLine(Point from, Point to) = 0;
};

} // namespace tarnholt
