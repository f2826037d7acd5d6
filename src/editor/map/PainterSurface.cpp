#include "map/PainterSurface.h"

#include <QPainter>
#include <algorithm>
#include <limits>

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

} // namespace

PainterSurface::PainterSurface(QPainter& painter) : painter_(painter) {}

void PainterSurface::save()
{
    painter_.save();
    saved_.push_back(text_);
}

void PainterSurface::restore()
{
    if (saved_.empty())
        return;
    painter_.restore();
    text_ = saved_.back();
    saved_.pop_back();
}

void PainterSurface::setPen(const Pen& pen)
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
    painter_.setPen(qpen);
}

void PainterSurface::setBrush(const Brush& brush)
{
    painter_.setBrush(QBrush(toQColor(brush.color),
                             brush.style == Brush::Style::DiagonalCross ? Qt::DiagCrossPattern : Qt::SolidPattern));
}

void PainterSurface::setTextColor(Color color)
{
    text_.color = toQColor(color);
}

void PainterSurface::setTextTransparent(bool transparent)
{
    text_.transparent = transparent;
}

void PainterSurface::drawRectangle(const Rect& rect)
{
    painter_.drawRect(outlineRect(rect));
}

void PainterSurface::drawEllipse(const Rect& rect)
{
    painter_.drawEllipse(outlineRect(rect));
}

void PainterSurface::drawLine(Point from, Point to)
{
    painter_.drawLine(toQPoint(from), toQPoint(to));
}

void PainterSurface::drawText(const Rect& rect, const std::string& text)
{
    painter_.save();
    painter_.setPen(text_.color);
    painter_.setBackgroundMode(text_.transparent ? Qt::TransparentMode : Qt::OpaqueMode);
    // Without Qt::TextDontClip the text is clipped to its rectangle.
    painter_.drawText(QRect(device(rect.left), device(rect.top), device(rect.right - rect.left),
                            device(rect.bottom - rect.top)),
                      Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, CText::toQt(text));
    painter_.restore();
}

void PainterSurface::drawInvertedLine(Point from, Point to)
{
    painter_.save();
    // White in difference mode turns every pixel under the line into its inverse.
    painter_.setCompositionMode(QPainter::CompositionMode_Difference);
    painter_.setPen(QPen(Qt::white, 1));
    painter_.drawLine(toQPoint(from), toQPoint(to));
    painter_.restore();
}

} // namespace tarnholt
