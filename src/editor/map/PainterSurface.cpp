#include "map/PainterSurface.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QTextLayout>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <cstring>
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

/// A name drawn on a picture of one format: what decides its pixels, with the pixels under it.
struct TextStampKey {
    TextKey text;
    QRgb color;  ///< of the text
    int format;  ///< of the picture drawn on
    int hints;   ///< the painter's render hints
    int device;  ///< what the painter paints (a window's letters may be drawn otherwise than an image's)
    int profile; ///< the colour space of the picture drawn on, which decides how letters are blended
    bool operator==(const TextStampKey&) const = default;
};

struct TextStampKeyHash {
    std::size_t operator()(const TextStampKey& key) const
    {
        std::size_t h = mix(TextKeyHash()(key.text), key.color);
        h = mix(h, (static_cast<std::size_t>(key.format) << 32) ^ static_cast<std::size_t>(key.hints));
        return mix(h, (static_cast<std::size_t>(key.device) << 32) ^ static_cast<std::size_t>(key.profile));
    }
};

/// The pixels around a name before and after it was drawn: every pixel its letters may touch. Where
/// the same pixels lie under the name again, it is drawn by copying `after`. `offset` is where the
/// pictures' corner lies from the text rectangle's corner; null pictures mark a name that is always
/// drawn.
struct TextStamp {
    QImage before;
    QImage after;
    QPoint offset;
    /// Every pixel the letters may touch, from the text rectangle's corner. The pictures hold less of it
    /// when part of the name lay beyond the target: they serve where no more of it is shown.
    QRect reach;
    /// False for a name that is always drawn (it changed nothing, or reached the edge of what was read).
    bool kept = false;
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
    /// The same picture in bands of rows, from the picture's corner: where a band's pixels are all
    /// opaque, they are copied as they are instead of blended. Only for targets of 32-bit pixels.
    std::vector<std::pair<QImage, QPoint>> bands;
    /// The runs of opaque pixels of each row, from the picture's corner, when every pixel is either opaque
    /// or transparent: on a target the surface may write, they are copied straight into it.
    struct Run {
        int y, x, length;
    };
    std::vector<Run> runs;
    bool runsOnly = false;
};

/// The runs of opaque pixels of `image`, or false when some pixel is neither opaque nor transparent.
bool opaqueRuns(const QImage& image, std::vector<Stamp::Run>& runs)
{
    runs.clear();
    const int width = image.width(), height = image.height();
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width;) {
            const int alpha = qAlpha(line[x]);
            if (alpha != 0 && alpha != 255)
                return false;
            int end = x + 1;
            while (end < width && qAlpha(line[end]) == alpha)
                ++end;
            if (alpha == 255)
                runs.push_back({y, x, end - x});
            x = end;
        }
    }
    return true;
}

/// Copies the runs of opaque pixels of `picture` to `at` on `target`, within `clip`: what QPainter draws
/// of the picture there, with nothing in between. The raster engine draws straight into the same pixels.
template <typename ForEachRun>
void copyRuns(QImage& target, const QRect& clip, QPoint at, const QImage& picture, ForEachRun forEachRun)
{
    auto* pixels = const_cast<uchar*>(target.constBits());
    const qsizetype targetLine = target.bytesPerLine(), pictureLine = picture.bytesPerLine();
    const uchar* source = picture.constBits();
    const QRect placed(at, picture.size());
    if (clip.contains(placed)) {
        uchar* destination = pixels + at.y() * targetLine + qsizetype{at.x()} * 4;
        forEachRun([&](int y, int x, int length) {
            std::memcpy(destination + y * targetLine + qsizetype{x} * 4, source + y * pictureLine + qsizetype{x} * 4,
                        static_cast<std::size_t>(length) * 4);
        });
        return;
    }
    const QRect shown = clip.translated(-at) & picture.rect();
    if (shown.isEmpty())
        return;
    forEachRun([&](int y, int x, int length) {
        if (y < shown.top() || y > shown.bottom())
            return;
        const int from = std::max(x, shown.left()), to = std::min(x + length, shown.right() + 1);
        if (from < to)
            std::memcpy(pixels + (at.y() + y) * targetLine + qsizetype{at.x() + from} * 4,
                        source + y * pictureLine + qsizetype{from} * 4, static_cast<std::size_t>(to - from) * 4);
    });
}

/// Cuts a picture of a shape into bands of rows: the runs of at least `minOpaqueRows` rows covered
/// alike and wholly opaque, which are kept without alpha, and the rows between them, cut to what they
/// cover. Empty when the picture has no such run big enough to be worth another copy.
std::vector<std::pair<QImage, QPoint>> opaqueBands(const QImage& image)
{
    constexpr int minOpaqueRows = 4, minOpaquePixels = 512;
    struct Row {
        int first = -1, last = -1;
        bool opaque = false;
    };
    const int width = image.width(), height = image.height();
    std::vector<Row> rows(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        Row& row = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < width; ++x)
            if (qAlpha(line[x]) != 0) {
                if (row.first < 0)
                    row.first = x;
                row.last = x;
            }
        row.opaque = row.first >= 0 && std::all_of(line + row.first, line + row.last + 1,
                                                     [](QRgb pixel) { return qAlpha(pixel) == 255; });
    }
    std::vector<std::pair<QImage, QPoint>> bands;
    bool anyOpaque = false;
    int start = 0; // the first row not in a band yet
    auto addBlended = [&](int end) {
        int first = width, last = -1;
        for (int y = start; y < end; ++y) {
            const Row& row = rows[static_cast<std::size_t>(y)];
            if (row.first >= 0) {
                first = std::min(first, row.first);
                last = std::max(last, row.last);
            }
        }
        if (last >= 0) {
            const QRect band(QPoint(first, start), QPoint(last, end - 1));
            bands.emplace_back(image.copy(band), band.topLeft());
        }
    };
    for (int y = 0; y < height;) {
        const Row& row = rows[static_cast<std::size_t>(y)];
        int end = y + 1;
        while (row.opaque && end < height && rows[static_cast<std::size_t>(end)].opaque &&
               rows[static_cast<std::size_t>(end)].first == row.first && rows[static_cast<std::size_t>(end)].last == row.last)
            ++end;
        if (!row.opaque || end - y < minOpaqueRows || (end - y) * (row.last - row.first + 1) < minOpaquePixels) {
            y = end;
            continue;
        }
        addBlended(y);
        const QRect band(QPoint(row.first, y), QPoint(row.last, end - 1));
        QImage pixels = image.copy(band);
        pixels.reinterpretAsFormat(QImage::Format_RGB32);
        bands.emplace_back(std::move(pixels), band.topLeft());
        anyOpaque = true;
        start = y = end;
    }
    if (!anyOpaque)
        return {};
    addBlended(height);
    return bands;
}

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
    Lru<TextStampKey, TextStamp, TextStampKeyHash> textStamps{PainterSurface::maxCachedTextStamps,
                                                              PainterSurface::maxCachedTextStampBytes};
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
            if (cachesInstance) {
                cachesInstance->texts.clear();
                cachesInstance->textStamps.clear();
            }
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
        cachesInstance->textStamps.clear();
        cachesInstance->textContext.reset();
    }
}

std::size_t PainterSurface::cachedTexts()
{
    return cachesInstance ? cachesInstance->texts.size() : 0;
}

std::size_t PainterSurface::cachedTextStamps()
{
    return cachesInstance ? cachesInstance->textStamps.size() : 0;
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

bool PainterSurface::copiesPixels() const
{
    if (!cachesEnabled_ || !ownThread_ || !painter_.isActive())
        return false;
    const QPaintEngine* engine = painter_.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster)
        return false;
    if (painter_.compositionMode() != QPainter::CompositionMode_SourceOver || painter_.opacity() != 1.0)
        return false;
    // A copy lands on the same pixels only when the painter moves by whole pixels.
    const QTransform& transform = painter_.deviceTransform();
    return transform.type() <= QTransform::TxTranslate && transform.dx() == std::floor(transform.dx()) &&
           transform.dy() == std::floor(transform.dy());
}

bool PainterSurface::copiesShapes() const
{
    return shape_.pen && shape_.pen->style == Pen::Style::Solid &&
           !painter_.renderHints().testFlag(QPainter::Antialiasing) && copiesPixels();
}

bool PainterSurface::targetsWords() const
{
    const QPaintDevice* device = painter_.paintEngine()->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return false;
    const QImage::Format format = static_cast<const QImage*>(device)->format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied;
}

QImage* PainterSurface::writableTarget(QPoint& shift, QRect& clip) const
{
    if (!copiesPixels() || painter_.hasClipping())
        return nullptr;
    const QPaintEngine* engine = painter_.paintEngine();
    QPaintDevice* device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    if (image->format() != QImage::Format_RGB32 && image->format() != QImage::Format_ARGB32_Premultiplied)
        return nullptr;
    // Under a clip of several rectangles QPainter blends text another way.
    const QRegion system = engine->systemClip();
    if (system.rectCount() > 1)
        return nullptr;
    const QTransform& transform = painter_.deviceTransform();
    if (std::abs(transform.dx()) > maxShift || std::abs(transform.dy()) > maxShift)
        return nullptr;
    shift = QPoint(static_cast<int>(transform.dx()), static_cast<int>(transform.dy()));
    clip = image->rect();
    if (!system.isEmpty())
        clip &= system.boundingRect();
    return image;
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
        Stamp made;
        made.image = image.copy(covered);
        made.offset = covered.topLeft() - QPoint(margin, margin);
        made.bands = opaqueBands(made.image);
        made.runsOnly = opaqueRuns(made.image, made.runs);
        if (!made.runsOnly)
            made.runs.clear();
        auto bytes = static_cast<std::size_t>(std::max<qsizetype>(made.image.sizeInBytes(), 0)) + sizeof(Stamp);
        for (const auto& band : made.bands)
            bytes += static_cast<std::size_t>(std::max<qsizetype>(band.first.sizeInBytes(), 0)) + sizeof(band);
        bytes += made.runs.size() * sizeof(Stamp::Run);
        stamp = &store->shapes.insert(key, std::move(made), bytes);
    }
    const int left = filled ? x : std::min(x, x + width), top = filled ? y : std::min(y, y + height);
    const QPoint corner = QPoint(left, top) + stamp->offset;
    QPoint shift;
    QRect clip;
    if (stamp->runsOnly) {
        if (QImage* target = writableTarget(shift, clip)) {
            copyRuns(*target, clip, corner + shift, stamp->image, [stamp](auto&& copy) {
                for (const Stamp::Run& run : stamp->runs)
                    copy(run.y, run.x, run.length);
            });
            return true;
        }
    }
    if (!stamp->bands.empty() && targetsWords()) {
        for (const auto& [band, at] : stamp->bands)
            painter_.drawImage(corner + at, band);
    } else if (!stamp->image.isNull()) {
        painter_.drawImage(corner, stamp->image);
    }
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

namespace {

/// Whether the pixels of `image` in `area` are those of `picture` from `from` on; both hold 32-bit pixels.
bool samePixels(const QImage& image, const QRect& area, const QImage& picture, QPoint from)
{
    const auto bytes = static_cast<std::size_t>(area.width()) * sizeof(QRgb);
    for (int y = 0; y < area.height(); ++y)
        if (std::memcmp(reinterpret_cast<const QRgb*>(image.constScanLine(area.top() + y)) + area.left(),
                        reinterpret_cast<const QRgb*>(picture.constScanLine(from.y() + y)) + from.x(), bytes) != 0)
            return false;
    return true;
}

/// The smallest rectangle holding every pixel of `area` in `image` that differs from `before`, a copy of
/// `area` taken earlier.
QRect changedRect(const QImage& image, const QRect& area, const QImage& before)
{
    const int width = area.width(), height = area.height();
    int left = width, right = -1, top = height, bottom = -1;
    for (int y = 0; y < height; ++y) {
        const auto* now = reinterpret_cast<const QRgb*>(image.constScanLine(area.top() + y)) + area.left();
        const auto* was = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        if (std::memcmp(now, was, static_cast<std::size_t>(width) * sizeof(QRgb)) == 0)
            continue;
        int first = 0, last = width - 1;
        while (now[first] == was[first])
            ++first;
        while (now[last] == was[last])
            --last;
        left = std::min(left, first);
        right = std::max(right, last);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom)).translated(area.topLeft());
}

/// What must be read of the target to hold every pixel that letters in `inked` may touch: clipped names
/// are cut by their rectangle, others must not come near the edge of what was read.
QRect reachNeeded(const QRect& inked, const QRect& textRect, bool clipped)
{
    constexpr int reach = PainterSurface::textStampReach;
    const QRect around = inked.adjusted(-reach, -reach, reach, reach);
    return clipped ? around & textRect : around.adjusted(-1, -1, 1, 1);
}

} // namespace

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
        store->textStamps.clear();
        store->textContext = TextContext{font, dpi, painter_.layoutDirection()};
    }

    // A name drawn again over the same pixels is copied from its picture.
    QPoint shift;
    QRect clip;
    QImage* target =
        r.width() <= maxTextStampSide && r.height() <= maxTextStampSide ? writableTarget(shift, clip) : nullptr;
    std::optional<TextStampKey> stampKey;
    if (target) {
        const QColorSpace& space = target->colorSpace();
        stampKey = TextStampKey{TextKey{text, r.width(), r.height()},
                                text_.color.rgba(),
                                static_cast<int>(target->format()),
                                static_cast<int>(painter_.renderHints()),
                                painter_.device() ? painter_.device()->devType() : 0,
                                space.isValid() ? 1 + static_cast<int>(space.transferFunction()) : 0};
        if (const TextStamp* stamp = store->textStamps.find(*stampKey)) {
            if (!stamp->kept) {
                stampKey.reset();
            } else {
                // Pixels off the target or outside the painter's clip are drawn neither way.
                const QPoint corner = r.topLeft() + shift;
                const QRect around(corner + stamp->offset, stamp->before.size());
                const QRect shown = stamp->reach.translated(corner) & clip;
                if (shown.isEmpty() ||
                    (around.contains(shown) &&
                     samePixels(*target, shown, stamp->before, shown.topLeft() - around.topLeft()))) {
                    copyRuns(*target, clip, around.topLeft(), stamp->after, [&around](auto&& copy) {
                        for (int y = 0; y < around.height(); ++y)
                            copy(y, 0, around.width());
                    });
                    return;
                }
            }
        }
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
        // Only names drawn more than once are kept as pictures.
        stampKey.reset();
    }

    // The pictures of a name are taken around it while it is drawn on the target, when the whole of it
    // can be read there.
    const QTextLayout& layout = *laidOut->layout;
    QRect area, wholeArea, lines;
    QImage before;
    if (stampKey) {
        const QRect onTarget = r.translated(shift);
        QRectF lineRects;
        for (int i = 0; i < layout.lineCount(); ++i)
            lineRects |= layout.lineAt(i).naturalTextRect().translated(
                onTarget.x() + laidOut->offsets[static_cast<std::size_t>(i)], onTarget.y());
        lines = lineRects.toAlignedRect();
        wholeArea = laidOut->clipped ? onTarget : onTarget.adjusted(-textStampMargin, -textStampMargin,
                                                                     textStampMargin, textStampMargin);
        // Only what is drawn can be read: the target, within the painter's clip. A name whose lines lie
        // far from it is kept as one that shows nothing there.
        area = wholeArea & clip;
        const QRect far = lines.adjusted(-textStampMargin, -textStampMargin, textStampMargin, textStampMargin);
        if (!lines.isEmpty() && !far.intersects(clip)) {
            TextStamp unseen;
            unseen.kept = true;
            unseen.reach = (laidOut->clipped ? far & onTarget : far).translated(-onTarget.topLeft());
            store->textStamps.insert(*stampKey, std::move(unseen), sizeof(TextStamp) + text.size());
            stampKey.reset();
        } else if (area.isEmpty()) {
            stampKey.reset();
        } else {
            before = target->copy(area);
        }
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
    for (int i = 0; i < layout.lineCount(); ++i)
        layout.lineAt(i).draw(&painter_, QPointF(r.x() + laidOut->offsets[static_cast<std::size_t>(i)], r.y()));
    if (laidOut->clipped)
        painter_.restore();

    if (stampKey) {
        // Every pixel the letters may touch: their lines and whatever they changed, with a margin.
        const QRect changed = changedRect(*target, area, before);
        const QRect onTarget = r.translated(shift);
        const QRect reach = (lines | changed).adjusted(-textStampReach, -textStampReach, textStampReach,
                                                       textStampReach);
        const QRect needed = reachNeeded(lines | changed, onTarget, laidOut->clipped);
        TextStamp made;
        if (changed.isNull() && !reach.intersects(clip)) {
            // Nothing of it is shown here.
            made.reach = (laidOut->clipped ? reach & onTarget : reach).translated(-onTarget.topLeft());
            made.kept = true;
        } else if (!changed.isNull() && wholeArea.contains(needed)) {
            const QRect kept = reach & area;
            made.after = target->copy(kept);
            made.before = before.copy(kept.translated(-area.topLeft()));
            made.offset = kept.topLeft() - onTarget.topLeft();
            made.reach = (laidOut->clipped ? reach & onTarget : reach).translated(-onTarget.topLeft());
            made.kept = true;
        }
        // A name that cannot be kept is remembered as such, unless the edge of the target stood in the way.
        if (made.kept || area == wholeArea) {
            const auto bytes = static_cast<std::size_t>(std::max<qsizetype>(made.before.sizeInBytes(), 0)) * 2 +
                               sizeof(TextStamp) + text.size();
            store->textStamps.insert(*stampKey, std::move(made), bytes);
        }
    }
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
