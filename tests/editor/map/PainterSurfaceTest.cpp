#include <QImage>
#include <QPainter>
#include <QtTest>
#include <vector>

#include "map/MapIndex.h"
#include "map/MapPainter.h"
#include "map/PainterSurface.h"
#include "settings/DisplaySettings.h"
#include "world/World.h"

using namespace tarnholt;

Q_DECLARE_METATYPE(QImage::Format)

namespace {

const Pen exitPen{Pen::Style::Solid, 3, Color{0, 0, 255}};
const Pen doorPen{Pen::Style::Solid, 3, Color{200, 30, 0}};
const Pen borderPen{Pen::Style::Solid, 3, Color{0, 0, 0}};
const Brush roomBrush{Brush::Style::Solid, Color{255, 255, 200}};

/// Everything the map draws (awkward names, lines in every direction, off the picture, of no length),
/// several times over so that the later shapes and names come from the stores.
void drawScene(QPainter& painter, bool caches)
{
    PainterSurface surface(painter);
    surface.setCachesEnabled(caches);
    surface.save();
    surface.setBrush(Brush{Brush::Style::DiagonalCross, Color{127, 127, 127}});
    surface.setPen(Pen{Pen::Style::Dotted, 1, Color{0, 0, 0}});
    for (int x = 0; x < 400; x += 90)
        for (int y = 0; y < 300; y += 90)
            surface.drawRectangle({30 + x, 30 + y, 90 + x, 90 + y});

    const std::string names[] = {"R1", "the long winding corridor of the old keep", "Smith & Sons\tforge",
                                 "first\nsecond\r\nthird", "caf\xe9 na\xefve", "", "one two three four five six seven "
                                 "eight nine ten eleven twelve thirteen"};
    surface.setPen(borderPen);
    surface.setBrush(roomBrush);
    surface.setTextColor(Color{0, 0, 0});
    surface.setTextTransparent(true);
    int n = 0;
    for (int x = 0; x < 400; x += 90)
        for (int y = 0; y < 300; y += 90, ++n) {
            if (n == 9)
                surface.setTextColor(Color{0, 128, 0});
            surface.drawRectangle({30 + x, 30 + y, 90 + x, 90 + y});
            surface.drawText({20 + x, 30 + y, 100 + x, 90 + y}, names[static_cast<std::size_t>(n) % std::size(names)]);
        }

    const int steps[8][2] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}, {1, -1}, {1, 1}, {-1, 1}, {-1, -1}};
    for (int length : {15, 30, 45})
        for (int i = 0; i < 8; ++i) {
            surface.setPen(i % 3 == 0 ? doorPen : exitPen);
            const Point from{60 + 90 * (i % 4), 60 + 90 * (i / 4)};
            surface.drawLine(from, {from.x + steps[i][0] * length, from.y + steps[i][1] * length});
        }
    surface.drawLine({200, 200}, {200, 200});
    surface.drawLine({-20, 150}, {420, 160});
    surface.drawLine({390, 290}, {430, 330});
    surface.drawEllipse({113, 113, 127, 127});
    surface.drawEllipse({395, 10, 409, 24});

    surface.setTextTransparent(false);
    surface.drawText({200, 250, 280, 310}, "opaque name");
    surface.restore();
}

QImage paint(bool caches, QTransform transform, bool antialiased,
             QImage::Format format = QImage::Format_ARGB32_Premultiplied)
{
    QImage image(400, 300, format);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setTransform(transform);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    drawScene(painter, caches);
    return image;
}

/// Room boxes and names of a view scrolled by `scroll`, some beyond the edges; with `crossed`, a line
/// runs through every other box first, so the pixels under a name differ from the last paint.
QImage paintNames(QImage::Format format, QPoint scroll, bool crossed, bool caches)
{
    QImage image(300, 200, format);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(scroll);
    PainterSurface surface(painter);
    surface.setCachesEnabled(caches);
    surface.setTextTransparent(true);
    const std::string names[] = {"R1", "R22", "the long winding corridor of the old keep",
                                 "first\nsecond\nthird\nfourth\nfifth\nsixth", "R1", "Smith & Sons"};
    for (int i = 0; i < 8; ++i) {
        const int x = 90 * (i % 4) - 40, y = 90 * (i / 4) - 30;
        surface.setPen(borderPen);
        surface.setBrush(i == 5 ? Brush{Brush::Style::Solid, Color{200, 230, 255}} : roomBrush);
        surface.drawRectangle({x + 10, y, x + 70, y + 60});
        if (crossed && i % 2 == 0) {
            surface.setPen(exitPen);
            surface.drawLine({x + 12, y + 4}, {x + 68, y + 9});
        }
        surface.setTextColor(i == 3 ? Color{0, 128, 0} : Color{0, 0, 0});
        surface.drawText({x, y, x + 80, y + 60}, names[static_cast<std::size_t>(i) % std::size(names)]);
    }
    return image;
}

} // namespace

/// The stores of laid-out names and shape pictures must not change a single pixel, and stay bounded.
class PainterSurfaceTest : public QObject {
    Q_OBJECT

private slots:
    void init() { PainterSurface::clearCaches(); }

    void sameAsQPainter_data()
    {
        QTest::addColumn<QTransform>("transform");
        QTest::addColumn<bool>("antialiased");
        QTest::addColumn<QImage::Format>("format");
        const auto premultiplied = QImage::Format_ARGB32_Premultiplied;
        QTest::newRow("at origin") << QTransform() << false << premultiplied;
        QTest::newRow("scrolled") << QTransform::fromTranslate(-37, -21) << false << premultiplied;
        QTest::newRow("scrolled by half a pixel") << QTransform::fromTranslate(-3.5, 2.5) << false << premultiplied;
        QTest::newRow("scaled") << QTransform::fromScale(2, 2) << false << premultiplied;
        QTest::newRow("antialiased") << QTransform::fromTranslate(-5, -5) << true << premultiplied;
        QTest::newRow("window without alpha") << QTransform::fromTranslate(-37, -21) << false << QImage::Format_RGB32;
        QTest::newRow("16-bit window") << QTransform::fromTranslate(-37, -21) << false << QImage::Format_RGB16;
    }

    void sameAsQPainter()
    {
        QFETCH(QTransform, transform);
        QFETCH(bool, antialiased);
        QFETCH(QImage::Format, format);
        const QImage direct = paint(false, transform, antialiased, format);
        QCOMPARE(PainterSurface::cachedTexts(), std::size_t{0});
        // The first paint fills the stores, the later ones draw from them.
        for (int i = 0; i < 3; ++i)
            QCOMPARE(paint(true, transform, antialiased, format), direct);
        if (!antialiased && transform.type() == QTransform::TxTranslate && transform.dx() == -37)
            QVERIFY(PainterSurface::cachedShapes() > 0);
        QVERIFY(PainterSurface::cachedTexts() > 0);
    }

    // Names drawn again are copied from pictures of the pixels they changed, and only over the pixels they
    // were drawn on: scrolled, at the picture's edges, over a line drawn since, the picture is exact.
    void namesSameAsQPainter()
    {
        struct Paint {
            QPoint scroll;
            bool crossed = false;
        };
        struct Row {
            QImage::Format format;
            std::vector<Paint> paints;
        };
        const Row rows[] = {
            {QImage::Format_RGB888, std::vector<Paint>(4, Paint{QPoint(0, 0)})}, // another format: never copied
            {QImage::Format_ARGB32_Premultiplied, {{{0, 0}}, {{0, 0}}, {{13, 7}}, {{-20, 45}}, {{90, 90}}, {{45, 0}}, {{0, 0}}}},
            {QImage::Format_ARGB32_Premultiplied, {{{0, 0}}, {{0, 0}}, {{0, 0}, true}, {{0, 0}}, {{0, 0}, true}, {{0, 0}, true}}},
            {QImage::Format_RGB32, {{{40, 30}}, {{40, 30}}, {{0, 0}}, {{-1, -1}, true}, {{40, 30}}, {{40, 30}, true}}},
        };
        for (const Row& row : rows) {
            PainterSurface::clearCaches();
            for (const Paint& at : row.paints) {
                const QImage direct = paintNames(row.format, at.scroll, at.crossed, false);
                QCOMPARE(paintNames(row.format, at.scroll, at.crossed, true), direct);
            }
            if (row.format == QImage::Format_RGB888)
                QCOMPARE(PainterSurface::cachedTextStamps(), std::size_t{0});
            else
                QVERIFY(PainterSurface::cachedTextStamps() > 0);
        }
    }

    // A painter clipped by its user, or moved by part of a pixel, draws every name itself.
    void namesNotCopied()
    {
        for (const auto& [clipped, transform] : {std::pair{true, QTransform()}, std::pair{false, QTransform::fromTranslate(0.5, 0)},
                                                 std::pair{false, QTransform::fromScale(2, 2)}}) {
            PainterSurface::clearCaches();
            auto paintOnce = [&](bool caches) {
                QImage image(200, 120, QImage::Format_ARGB32_Premultiplied);
                image.fill(Qt::white);
                QPainter painter(&image);
                painter.setTransform(transform);
                if (clipped)
                    painter.setClipRect(QRect(0, 0, 120, 70));
                PainterSurface surface(painter);
                surface.setCachesEnabled(caches);
                surface.setTextTransparent(true);
                surface.setPen(borderPen);
                surface.setBrush(roomBrush);
                for (int x : {10, 100}) {
                    surface.drawRectangle({x + 10, 10, x + 70, 70});
                    surface.drawText({x, 10, x + 80, 70}, "Great Hall");
                }
                return image;
            };
            const QImage direct = paintOnce(false);
            for (int i = 0; i < 3; ++i)
                QCOMPARE(paintOnce(true), direct);
            QCOMPARE(PainterSurface::cachedTextStamps(), std::size_t{0});
        }
    }

    // The grid cells under room boxes are left out of a paint: the picture is the one with every cell drawn
    // first, scrolled by whole cells or not, with rooms cut by the edges, names and exits.
    void roomsHideTheGridUnderThem()
    {
        World world;
        for (int column = -1; column < 6; ++column)
            for (int row = 0; row < 4; ++row)
                if ((column + row) % 3 != 0) {
                    Room& room = world.rooms.emplace_back();
                    room.column = column, room.row = row;
                    room.identifier = "R" + std::to_string(column) + "-" + std::to_string(row);
                    Exit& east = room.exits.edit(1);
                    east.target = "R" + std::to_string(column + 1) + "-" + std::to_string(row);
                    east.placement = 3;
                }
        MapIndex index;
        index.rebuild(world);
        const DisplaySettings settings;
        for (const QPoint scroll : {QPoint(0, 0), QPoint(45, 20), QPoint(90, 180), QPoint(7, 93)}) {
            auto paintView = [&](bool everyCell) {
                QImage image(420, 300, QImage::Format_ARGB32_Premultiplied);
                image.fill(Qt::white);
                QPainter painter(&image);
                painter.translate(-scroll);
                PainterSurface surface(painter);
                const Rect visible{scroll.x(), scroll.y(), scroll.x() + 420, scroll.y() + 300};
                MapPainter mapPainter(settings);
                if (everyCell) {
                    mapPainter.drawGrid(surface, visible);
                    mapPainter.drawWorld(surface, world, index, visible);
                } else {
                    mapPainter.draw(surface, world, index, visible);
                }
                return image;
            };
            QCOMPARE(paintView(false), paintView(true));
        }
    }

    void painterKeepsShapePen()
    {
        QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        {
            PainterSurface surface(painter);
            surface.setPen(exitPen);
            surface.setTextColor(Color{0, 200, 0});
            surface.setTextTransparent(true);
            surface.drawText({0, 0, 80, 60}, "R1");
        }
        QCOMPARE(painter.pen(), PainterSurface::toQPen(exitPen));
        QCOMPARE(painter.backgroundMode(), Qt::TransparentMode);
    }

    void storesStayBounded()
    {
        QImage image(300, 300, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        painter.translate(20, 20);
        PainterSurface surface(painter);
        surface.setTextTransparent(true);
        for (std::size_t i = 0; i < PainterSurface::maxCachedTexts + 100; ++i)
            surface.drawText({0, 0, 80, 60}, "N" + std::to_string(i));
        QCOMPARE(PainterSurface::cachedTexts(), PainterSurface::maxCachedTexts);
        // Drawn again, newest first, the names are kept as pictures too, as many as that store holds.
        image.fill(Qt::white);
        for (std::size_t i = PainterSurface::maxCachedTexts + 100; i-- > 0;)
            surface.drawText({0, 0, 80, 60}, "N" + std::to_string(i));
        QVERIFY(PainterSurface::cachedTextStamps() > 0);
        QVERIFY(PainterSurface::cachedTextStamps() <= PainterSurface::maxCachedTextStamps);
        // A name too long to keep is laid out for its one paint; long names take up more places.
        surface.drawText({0, 0, 80, 60}, std::string(PainterSurface::maxCachedTextLength + 1, 'x'));
        QCOMPARE(PainterSurface::cachedTexts(), PainterSurface::maxCachedTexts);
        for (std::size_t i = 0; i < PainterSurface::maxCachedTexts; ++i)
            surface.drawText({0, 0, 80, 60}, std::to_string(i) + std::string(220, 'y'));
        QVERIFY(PainterSurface::cachedTexts() <= PainterSurface::maxCachedTexts * 64 / 220);

        surface.setPen(exitPen);
        for (int dx = 0; dx <= 256; ++dx)
            for (int dy : {-256, 256})
                surface.drawLine({0, 0}, {dx, dy});
        QVERIFY(PainterSurface::cachedShapes() <= PainterSurface::maxCachedShapes);
        QVERIFY(PainterSurface::cachedShapeBytes() <= PainterSurface::maxCachedShapeBytes);
        QVERIFY(PainterSurface::cachedShapes() > 0);
    }
};

QTEST_MAIN(PainterSurfaceTest)
#include "PainterSurfaceTest.moc"
