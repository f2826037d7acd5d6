#include <QImage>
#include <QPainter>
#include <QtTest>

#include "map/PainterSurface.h"

using namespace tarnholt;

namespace {

const Pen exitPen{Pen::Style::Solid, 3, Color{0, 0, 255}};
const Pen doorPen{Pen::Style::Solid, 3, Color{200, 30, 0}};
const Pen borderPen{Pen::Style::Solid, 3, Color{0, 0, 0}};
const Brush roomBrush{Brush::Style::Solid, Color{255, 255, 200}};

/// Everything the map draws, several times over so that the second and later shapes and names come
/// from the stores: hatched cells, room boxes with names (short, wrapping, taller than the box, with
/// line breaks, tabs, "&" and accented letters), exit lines in every direction and length, a line of
/// no length, circles, lines that leave the picture, opaque text.
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

QImage paint(bool caches, QTransform transform, bool antialiased)
{
    QImage image(400, 300, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setTransform(transform);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    drawScene(painter, caches);
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
        QTest::newRow("at origin") << QTransform() << false;
        QTest::newRow("scrolled") << QTransform::fromTranslate(-37, -21) << false;
        QTest::newRow("scrolled by half a pixel") << QTransform::fromTranslate(-3.5, 2.5) << false;
        QTest::newRow("scaled") << QTransform::fromScale(2, 2) << false;
        QTest::newRow("antialiased") << QTransform::fromTranslate(-5, -5) << true;
    }

    void sameAsQPainter()
    {
        QFETCH(QTransform, transform);
        QFETCH(bool, antialiased);
        const QImage direct = paint(false, transform, antialiased);
        QCOMPARE(PainterSurface::cachedTexts(), std::size_t{0});
        // The first paint fills the stores, the second one draws from them.
        QCOMPARE(paint(true, transform, antialiased), direct);
        QCOMPARE(paint(true, transform, antialiased), direct);
        if (!antialiased && transform.type() == QTransform::TxTranslate && transform.dx() == -37)
            QVERIFY(PainterSurface::cachedShapes() > 0);
        QVERIFY(PainterSurface::cachedTexts() > 0);
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
        PainterSurface surface(painter);
        surface.setTextTransparent(true);
        for (std::size_t i = 0; i < PainterSurface::maxCachedTexts + 100; ++i)
            surface.drawText({0, 0, 80, 60}, "N" + std::to_string(i));
        QCOMPARE(PainterSurface::cachedTexts(), PainterSurface::maxCachedTexts);
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
