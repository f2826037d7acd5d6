#pragma once

#include <QColor>
#include <QPen>
#include <optional>
#include <vector>

#include "map/Surface.h"

class QPainter;

namespace tarnholt {

/// The map's drawing surface on a QPainter: pens, brushes, text and the inverting line of the
/// rubber band. Rectangles and ellipses exclude their right and bottom edges, as the map's boxes
/// are measured.
///
/// A paint draws the same few shapes and names over and over, so the surface keeps, for the whole
/// program, the laid-out lines of the names it drew and a picture of each solid shape it drew (an
/// exit line of one length and direction, a room box), which it copies instead of stroking the
/// shape again. Both stores are bounded and give exactly the pixels QPainter draws itself; shapes
/// are copied only where that holds (raster paint, whole-pixel translation, no antialiasing,
/// plain source-over drawing).
class PainterSurface : public Surface {
public:
    explicit PainterSurface(QPainter& painter);
    /// Leaves the painter with the pen and background mode of the shapes.
    ~PainterSurface() override;
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    void save() override;
    void restore() override;
    void setPen(const Pen& pen) override;
    void setBrush(const Brush& brush) override;
    void setTextColor(Color color) override;
    void setTextTransparent(bool transparent) override;

    void drawRectangle(const Rect& rect) override;
    void drawEllipse(const Rect& rect) override;
    void drawLine(Point from, Point to) override;
    void drawText(const Rect& rect, const std::string& text) override;
    void drawInvertedLine(Point from, Point to) override;

    static QColor toQColor(Color color) { return QColor(color.red, color.green, color.blue); }
    static QPen toQPen(const Pen& pen);
    static QBrush toQBrush(const Brush& brush);

    /// Without the stores, every call goes straight to QPainter (for comparisons). They are used only
    /// on the application's thread.
    void setCachesEnabled(bool enabled) { cachesEnabled_ = enabled; }
    /// Empties the program-wide stores of laid-out names and shape pictures.
    static void clearCaches();
    /// How many names and shape pictures the stores hold, and the bytes of the pictures.
    static std::size_t cachedTexts();
    static std::size_t cachedShapes();
    static std::size_t cachedTextStamps();
    static std::size_t cachedShapeBytes();
    /// The most the stores keep. A name weighs 32 plus its length and all of them together at most
    /// 64 times maxCachedTexts, so that long names take up more places.
    static constexpr std::size_t maxCachedTexts = 2048;
    static constexpr std::size_t maxCachedShapes = 512;
    static constexpr std::size_t maxCachedShapeBytes = 8u << 20;
    /// Names drawn again over the same pixels are copied as pictures.
    static constexpr std::size_t maxCachedTextStamps = 2048;
    static constexpr std::size_t maxCachedTextStampBytes = 8u << 20;
    /// Longer names are laid out on every call rather than kept.
    static constexpr std::size_t maxCachedTextLength = 256;
    /// Shapes wider or taller than this (pen not counted) are drawn, not copied.
    static constexpr int maxShapeSide = 256;
    /// How far around the text rectangle the pixels a name changes are looked for, and how far around
    /// its lines and the pixels it changed its pictures reach.
    static constexpr int textStampMargin = 8;
    static constexpr int textStampReach = 2;
    /// Names in larger rectangles are always drawn.
    static constexpr int maxTextStampSide = 512;
    /// Painters moved further than this are not read.
    static constexpr double maxShift = 1 << 28;

private:
    enum class Shape : uint8_t { Line, Rectangle, Ellipse };

    struct TextState {
        QColor color;
        bool transparent;
    };
    /// What the painter holds for shapes; text swaps in its own pen and background mode and the
    /// next shape that goes to QPainter puts these back.
    struct ShapeState {
        std::optional<Pen> pen;
        std::optional<Brush> brush;
        QPen qpen;
        Qt::BGMode background = Qt::TransparentMode;
    };
    struct Saved {
        TextState text;
        ShapeState shape;
    };

    void useShapeState();
    bool copiesPixels() const;
    bool copiesShapes() const;
    /// Whether the painter draws on an image of 32-bit pixels, where opaque pictures are copied as they are.
    bool targetsWords() const;
    /// The image the painter draws on, when the surface may read it and copy opaque pixels straight into
    /// it; `shift` is where the painter's origin lies on it and `clip` the rectangle the painter draws in.
    QImage* writableTarget(QPoint& shift, QRect& clip) const;
    bool drawStamp(Shape shape, int x, int y, int width, int height);
    void drawTextDirectly(const QRect& rect, const std::string& text);

    QPainter& painter_;
    TextState text_{Qt::black, false};
    ShapeState shape_;
    bool textState_ = false; ///< the painter holds the pen of `textPen_` and a transparent background
    QColor textPen_;
    bool cachesEnabled_ = true;
    bool ownThread_ = false; ///< painting on the application's thread, the only one the stores serve
    std::vector<Saved> saved_;
};

} // namespace tarnholt
