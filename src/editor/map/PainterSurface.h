#pragma once

#include <QColor>
#include <vector>

#include "map/Surface.h"

class QPainter;

namespace tarnholt {

/// The map's drawing surface on a QPainter: pens, brushes, text and the inverting line of the
/// rubber band. Rectangles and ellipses exclude their right and bottom edges, as the map's boxes
/// are measured.
class PainterSurface : public Surface {
public:
    explicit PainterSurface(QPainter& painter);

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

private:
    struct TextState {
        QColor color;
        bool transparent;
    };

    QPainter& painter_;
    TextState text_{Qt::black, false};
    std::vector<TextState> saved_;
};

} // namespace tarnholt
