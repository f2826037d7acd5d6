#include "map/PainterSurface.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QTextLayout>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <limits>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>

#include "app/CText.h"

namespace tarnholt {

namespace {

// The painter's device works in ints; whatever lies beyond them is off any screen anyway.
int device(int64_t v)
{
    return static_cast<int>(std::clamp<int64_t>(v, std::numeric_limits<int>::min() / 2,
                                                 std::numeric_limits<int>::max() / 2));
}

QPoint toQPoint(Point p)
{
    return QPoint(device(p.x), device(p.y));
}

// The outline of a box from (left, top) to (right, bottom) runs through its first and last pixel
// columns and rows inside: right and bottom themselves are outside.
QRect outlineRect(const Rect& r)
{
    return QRect(device(r.left), device(r.top), device(r.right - r.left - 1), device(r.bottom - r.top - 1));
}

QRect textRect(const Rect& r)
{
    return QRect(device(r.left), device(r.top), device(r.right - r.left), device(r.bottom - r.top));
}

constexpr int textFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
// Shapes drawn with wider pens are not kept as pictures.
constexpr int maxStampPenWidth = 16;

std::size_t mix(std::size_t seed, std::size_t value)
{
    return seed ^ (value + 0x9e3779b97f4a7c15ull + (seed << 6) + (seed >> 2));
}

/// A small least-recently-used store: at most `maxEntries` entries and `maxWeight` in all.
template <typename Key, typename Value, typename Hash>
class Lru {
public:
    Lru(std::size_t maxEntries, std::size_t maxWeight) : maxEntries_(maxEntries), maxWeight_(maxWeight) {}

    Value* find(const Key& key)
    {
        auto found = map_.find(key);
        if (found == map_.end())
            return nullptr;
        order_.splice(order_.begin(), order_, found->second);
        return &found->second->value;
    }

    Value& insert(const Key& key, Value value, std::size_t weight)
    {
        auto found = map_.find(key);
        if (found != map_.end())
            erase(found->second);
        order_.push_front(Entry{key, std::move(value), weight});
        map_.emplace(key, order_.begin());
        weight_ += weight;
        while (order_.size() > 1 && (order_.size() > maxEntries_ || weight_ > maxWeight_))
            erase(std::prev(order_.end()));
        return order_.front().value;
    }

    void clear()
    {
        map_.clear();
        order_.clear();
        weight_ = 0;
    }
    std::size_t size() const { return order_.size(); }
    std::size_t weight() const { return weight_; }

private:
    struct Entry {
        Key key;
        Value value;
        std::size_t weight;
    };
    void erase(typename std::list<Entry>::iterator entry)
    {
        weight_ -= entry->weight;
        map_.erase(entry->key);
        order_.erase(entry);
    }

    std::size_t maxEntries_;
    std::size_t maxWeight_;
    std::size_t weight_ = 0;
    std::list<Entry> order_;
    std::unordered_map<Key, typename std::list<Entry>::iterator, Hash> map_;
};

// ---- names ----

struct TextKey {
    std::string text;
    int width;
    int height;
    bool operator==(const TextKey&) const = default;
};

struct TextKeyHash {
    std::size_t operator()(const TextKey& key) const
    {
        return mix(mix(std::hash<std::string>()(key.text), static_cast<std::size_t>(key.width)),
                   static_cast<std::size_t>(key.height));
    }
};

/// A name laid out as QPainter lays out word-wrapped text in a rectangle: the lines that start
/// inside it, each with its left offset, and whether the text reaches beyond the rectangle.
struct LaidOutText {
    std::unique_ptr<QTextLayout> layout;
    std::vector<qreal> offsets;
    bool clipped = false;
};

// ---- shapes ----

struct ShapeKey {
    uint8_t shape;
    Pen pen;
    Brush brush;
    int width;  ///< of the outline rectangle, or the line's x extent (signed)
    int height; ///< of the outline rectangle, or the line's y extent (signed)
    bool operator==(const ShapeKey&) const = default;
};

struct ShapeKeyHash {
    std::size_t operator()(const ShapeKey& key) const
    {
        auto color = [](Color c) { return (std::size_t{c.red} << 16) | (std::size_t{c.green} << 8) | c.blue; };
        std::size_t h = key.shape;
        h = mix(h, (static_cast<std::size_t>(key.pen.style) << 8) ^ static_cast<std::size_t>(key.pen.width));
        h = mix(h, color(key.pen.color));
        h = mix(h, (static_cast<std::size_t>(key.brush.style) << 24) ^ color(key.brush.color));
        h = mix(h, static_cast<std::size_t>(static_cast<uint32_t>(key.width)));
        return mix(h, static_cast<std::size_t>(static_cast<uint32_t>(key.height)));
    }
};

/// A shape drawn once on a transparent picture, cut to the pixels it covers, to be copied wherever
/// the same shape is drawn again; `offset` is where the picture's corner lies from the shape's
/// top-left point.
struct Stamp {
    QImage image;
    QPoint offset;
};

/// The smallest rectangle holding every pixel of `image` that is not transparent.
QRect coveredRect(const QImage& image)
{
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

/// What the program-wide stores were laid out for: names are laid out with the painter's font
/// for its device and in its layout direction.
struct TextContext {
    QFont font;
    int dpi = 0;
    Qt::LayoutDirection direction = Qt::LeftToRight;
};

struct Caches {
    // Weighed by length, so that long names take fewer places: a layout grows with its text.
    Lru<TextKey, LaidOutText, TextKeyHash> texts{PainterSurface::maxCachedTexts, PainterSurface::maxCachedTexts * 64};
    std::optional<TextContext> textContext;
    Lru<ShapeKey, Stamp, ShapeKeyHash> shapes{PainterSurface::maxCachedShapes, PainterSurface::maxCachedShapeBytes};
};

Caches* cachesInstance = nullptr;

// The laid-out names hold font engines, so the stores go before the application takes the fonts
// down, and whenever the fonts change.
void dropCaches()
{
    delete cachesInstance;
    cachesInstance = nullptr;
}

/// The stores, made on first use; only for painting on the application's own thread.
Caches* caches()
{
    if (cachesInstance)
        return cachesInstance;
    QCoreApplication* application = QCoreApplication::instance();
    if (!application)
        return nullptr;
    cachesInstance = new Caches;
    qAddPostRoutine(dropCaches);
    if (auto* gui = qobject_cast<QGuiApplication*>(application))
        QObject::connect(gui, &QGuiApplication::fontDatabaseChanged, gui, [] {
            if (cachesInstance)
                cachesInstance->texts.clear();
        });
    return cachesInstance;
}

// For QPainter, U+009C separates the variants of a text of several lengths; names that hold it are
// left to QPainter.
bool plainText(const QString& text)
{
    return std::none_of(text.begin(), text.end(), [](QChar c) { return c == QChar(0x9c); });
}

/// Lays out `text` in `rect` as QPainter::drawText does with AlignHCenter | AlignTop | TextWordWrap:
/// carriage returns and tabs become spaces and line feeds line breaks; lines go on whole pixels,
/// one leading apart, until one reaches the rectangle's bottom; each line is centred on its own
/// advance; the text is clipped only when its bounds leave the rectangle.
LaidOutText layOut(const QString& source, const QRect& rect, const TextContext& context)
{
    QString text = source;
    for (QChar& c : text) {
        if (c == u'\r' || c == u'\t')
            c = u' ';
        else if (c == u'\n')
            c = QChar::LineSeparator;
    }
    LaidOutText result;
    result.layout = std::make_unique<QTextLayout>(text, context.font);
    QTextLayout& layout = *result.layout;
    QTextOption option = layout.textOption();
    option.setTextDirection(context.direction);
    option.setAlignment(Qt::AlignLeft);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);

    const QRectF r(rect);
    const QFontMetricsF metrics(context.font);
    const qreal leading = metrics.leading();
    qreal height = -leading;
    qreal width = 0;
    layout.beginLayout();
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(std::max<qreal>(0, r.width()));
        height += leading;
        height = std::ceil(height);
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
        width = std::max(width, line.naturalTextWidth());
        if (height >= r.height())
            break;
    }
    layout.endLayout();

    const QRectF bounds(r.x() + (r.width() - width) / 2, r.y(), width, height);
    result.clipped = !r.contains(bounds);
    for (int i = 0; i < layout.lineCount(); ++i)
        result.offsets.push_back((r.width() - layout.lineAt(i).horizontalAdvance()) / 2);
    return result;
}

} // namespace

PainterSurface::PainterSurface(QPainter& painter) : painter_(painter)
{
    const QCoreApplication* application = QCoreApplication::instance();
    ownThread_ = application && QThread::currentThread() == application->thread();
    shape_.qpen = painter_.pen();
    shape_.background = painter_.backgroundMode();
}

PainterSurface::~PainterSurface()
{
    if (painter_.isActive())
        useShapeState();
}

QPen PainterSurface::toQPen(const Pen& pen)
{
    QPen qpen(toQColor(pen.color));
    qpen.setWidth(pen.width);
    if (pen.style == Pen::Style::Dotted) {
        qpen.setStyle(Qt::DotLine);
        qpen.setCapStyle(Qt::FlatCap);
    } else {
        qpen.setStyle(Qt::SolidLine);
        qpen.setCapStyle(Qt::RoundCap);
        qpen.setJoinStyle(Qt::RoundJoin);
    }
    return qpen;
}

QBrush PainterSurface::toQBrush(const Brush& brush)
{
    return QBrush(toQColor(brush.color),
                  brush.style == Brush::Style::DiagonalCross ? Qt::DiagCrossPattern : Qt::SolidPattern);
}

void PainterSurface::clearCaches()
{
    if (cachesInstance) {
        cachesInstance->texts.clear();
        cachesInstance->shapes.clear();
        cachesInstance->textContext.reset();
    }
}

std::size_t PainterSurface::cachedTexts()
{
    return cachesInstance ? cachesInstance->texts.size() : 0;
}

std::size_t PainterSurface::cachedShapes()
{
    return cachesInstance ? cachesInstance->shapes.size() : 0;
}

std::size_t PainterSurface::cachedShapeBytes()
{
    return cachesInstance ? cachesInstance->shapes.weight() : 0;
}

void PainterSurface::useShapeState()
{
    if (!textState_)
        return;
    painter_.setPen(shape_.qpen);
    painter_.setBackgroundMode(shape_.background);
    textState_ = false;
}

void PainterSurface::save()
{
    useShapeState();
    painter_.save();
    saved_.push_back({text_, shape_});
}

void PainterSurface::restore()
{
    if (saved_.empty())
        return;
    painter_.restore();
    text_ = saved_.back().text;
    shape_ = saved_.back().shape;
    saved_.pop_back();
    textState_ = false;
}

void PainterSurface::setPen(const Pen& pen)
{
    if (shape_.pen == pen)
        return;
    shape_.pen = pen;
    shape_.qpen = toQPen(pen);
    if (!textState_)
        painter_.setPen(shape_.qpen);
}

void PainterSurface::setBrush(const Brush& brush)
{
    if (shape_.brush == brush)
        return;
    shape_.brush = brush;
    painter_.setBrush(toQBrush(brush));
}

void PainterSurface::setTextColor(Color color)
{
    text_.color = toQColor(color);
}

void PainterSurface::setTextTransparent(bool transparent)
{
    text_.transparent = transparent;
}

bool PainterSurface::copiesShapes() const
{
    if (!cachesEnabled_ || !ownThread_ || !shape_.pen || shape_.pen->style != Pen::Style::Solid || !painter_.isActive())
        return false;
    const QPaintEngine* engine = painter_.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster)
        return false;
    if (painter_.renderHints().testFlag(QPainter::Antialiasing) ||
        painter_.compositionMode() != QPainter::CompositionMode_SourceOver || painter_.opacity() != 1.0)
        return false;
    // A copy lands on the same pixels only when the painter moves by whole pixels.
    const QTransform& transform = painter_.deviceTransform();
    return transform.type() <= QTransform::TxTranslate && transform.dx() == std::floor(transform.dx()) &&
           transform.dy() == std::floor(transform.dy());
}

// The shape (a line from (x, y) by (width, height), or the outline rectangle at (x, y) of that size
// with the ellipse inscribed in it) copied from the store, drawn there first when it is new. False
// when it is not one to copy.
bool PainterSurface::drawStamp(Shape shape, int x, int y, int width, int height)
{
    if (!copiesShapes())
        return false;
    const bool filled = shape != Shape::Line;
    if (filled && (!shape_.brush || shape_.brush->style != Brush::Style::Solid))
        return false;
    if (shape_.pen->width > maxStampPenWidth)
        return false;
    Caches* store = caches();
    if (!store)
        return false;
    // Round caps and joins reach half the pen's width beyond the shape's points.
    const int margin = std::max(1, shape_.pen->width) + 1;
    const int spanX = filled ? width : std::abs(width), spanY = filled ? height : std::abs(height);
    if (spanX < 0 || spanY < 0 || spanX > maxShapeSide || spanY > maxShapeSide)
        return false;
    const ShapeKey key{static_cast<uint8_t>(shape), *shape_.pen, filled ? *shape_.brush : Brush{}, width, height};
    Stamp* stamp = store->shapes.find(key);
    if (!stamp) {
        QImage image(spanX + 1 + 2 * margin, spanY + 1 + 2 * margin, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter picture(&image);
        picture.setPen(shape_.qpen);
        picture.setBrush(filled ? toQBrush(*shape_.brush) : QBrush());
        switch (shape) {
        case Shape::Line: {
            const QPoint from(margin + (width < 0 ? -width : 0), margin + (height < 0 ? -height : 0));
            picture.drawLine(from, from + QPoint(width, height));
            break;
        }
        case Shape::Rectangle:
            picture.drawRect(QRect(margin, margin, width, height));
            break;
        case Shape::Ellipse:
            picture.drawEllipse(QRect(margin, margin, width, height));
            break;
        }
        picture.end();
        const QRect covered = coveredRect(image);
        Stamp made{image.copy(covered), covered.topLeft() - QPoint(margin, margin)};
        const auto bytes = static_cast<std::size_t>(std::max<qsizetype>(made.image.sizeInBytes(), 0)) + sizeof(Stamp);
        stamp = &store->shapes.insert(key, std::move(made), bytes);
    }
    const int left = filled ? x : std::min(x, x + width), top = filled ? y : std::min(y, y + height);
    if (!stamp->image.isNull())
        painter_.drawImage(QPoint(left, top) + stamp->offset, stamp->image);
    return true;
}

void PainterSurface::drawRectangle(const Rect& rect)
{
    const QRect outline = outlineRect(rect);
    if (drawStamp(Shape::Rectangle, outline.x(), outline.y(), outline.width(), outline.height()))
        return;
    useShapeState();
    painter_.drawRect(outline);
}

void PainterSurface::drawEllipse(const Rect& rect)
{
    const QRect outline = outlineRect(rect);
    if (drawStamp(Shape::Ellipse, outline.x(), outline.y(), outline.width(), outline.height()))
        return;
    useShapeState();
    painter_.drawEllipse(outline);
}

void PainterSurface::drawLine(Point from, Point to)
{
    const QPoint a = toQPoint(from), b = toQPoint(to);
    const int64_t dx = int64_t{b.x()} - a.x(), dy = int64_t{b.y()} - a.y();
    if (std::abs(dx) <= maxShapeSide && std::abs(dy) <= maxShapeSide &&
        drawStamp(Shape::Line, a.x(), a.y(), static_cast<int>(dx), static_cast<int>(dy)))
        return;
    useShapeState();
    painter_.drawLine(a, b);
}

void PainterSurface::drawTextDirectly(const QRect& rect, const std::string& text)
{
    useShapeState();
    painter_.save();
    painter_.setPen(text_.color);
    painter_.setBackgroundMode(text_.transparent ? Qt::TransparentMode : Qt::OpaqueMode);
    // Without Qt::TextDontClip the text is clipped to its rectangle.
    painter_.drawText(rect, textFlags, CText::toQt(text));
    painter_.restore();
}

void PainterSurface::drawText(const Rect& rect, const std::string& text)
{
    const QRect r = textRect(rect);
    Caches* store = cachesEnabled_ && ownThread_ ? caches() : nullptr;
    // Opaque text fills the bounds of each line it draws; QPainter does that, not the store.
    const QFont& font = painter_.font();
    if (!store || !text_.transparent || text.size() > maxCachedTextLength || !painter_.isActive() ||
        font.underline() || font.overline() || font.strikeOut()) {
        drawTextDirectly(r, text);
        return;
    }
    if (text.empty())
        return;
    const int dpi = painter_.device() ? painter_.device()->logicalDpiY() : 0;
    if (!store->textContext || store->textContext->font != font || store->textContext->dpi != dpi ||
        store->textContext->direction != painter_.layoutDirection()) {
        store->texts.clear();
        store->textContext = TextContext{font, dpi, painter_.layoutDirection()};
    }
    TextKey key{text, r.width(), r.height()};
    LaidOutText* laidOut = store->texts.find(key);
    if (!laidOut) {
        const QString qtext = CText::toQt(text);
        if (!plainText(qtext)) {
            drawTextDirectly(r, text);
            return;
        }
        laidOut = &store->texts.insert(key, layOut(qtext, r, *store->textContext), 32 + text.size());
    }

    if (!textState_ || textPen_ != text_.color) {
        painter_.setPen(text_.color);
        painter_.setBackgroundMode(Qt::TransparentMode);
        textPen_ = text_.color;
        textState_ = true;
    }
    if (laidOut->clipped) {
        painter_.save();
        painter_.setClipRect(r, Qt::IntersectClip);
    }
    const QTextLayout& layout = *laidOut->layout;
    for (int i = 0; i < layout.lineCount(); ++i)
        layout.lineAt(i).draw(&painter_, QPointF(r.x() + laidOut->offsets[static_cast<std::size_t>(i)], r.y()));
    if (laidOut->clipped)
        painter_.restore();
}

void PainterSurface::drawInvertedLine(Point from, Point to)
{
    useShapeState();
    painter_.save();
    // White in difference mode turns every pixel under the line into its inverse.
    painter_.setCompositionMode(QPainter::CompositionMode_Difference);
    painter_.setPen(QPen(Qt::white, 1));
    painter_.drawLine(toQPoint(from), toQPoint(to));
    painter_.restore();
}

} // namespace tarnholt
