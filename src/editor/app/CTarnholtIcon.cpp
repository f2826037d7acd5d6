#include "app/CTarnholtIcon.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

#include "app/CommandIds.h"

namespace tarnholt {

namespace {

QPixmap mapPicture(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    qreal box = size * 0.38;
    QRectF left(size * 0.04, size * 0.04, box, box);
    QRectF right(size - box - size * 0.04, size - box - size * 0.04, box, box);
    painter.setPen(QPen(Qt::black, qMax(1.0, size / 16.0)));
    painter.drawLine(left.center(), right.center());
    painter.setBrush(QColor(180, 180, 180));
    painter.drawRect(left);
    painter.drawRect(right);
    painter.setPen(QColor(255, 0, 0));
    painter.setBrush(QColor(255, 0, 0));
    painter.drawEllipse(left.center(), box / 6, box / 6);
    painter.drawEllipse(right.center(), box / 6, box / 6);
    return pixmap;
}

// A small glyph for toolbar commands that have no standard image: a letter on a coloured disc.
QIcon letterIcon(QChar letter, const QColor& colour)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(20);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QString(letter));
    return QIcon(pixmap);
}

} // namespace

QIcon CTarnholtIcon::icon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(mapPicture(size));
    return icon;
}

QIcon CTarnholtIcon::toolIcon(int command)
{
    QStyle* style = QApplication::style();
    switch (command) {
    case ID_FILE_NEW:
        return QIcon::fromTheme(QStringLiteral("document-new"), style->standardIcon(QStyle::SP_FileIcon));
    case ID_FILE_OPEN:
        return QIcon::fromTheme(QStringLiteral("document-open"), style->standardIcon(QStyle::SP_DialogOpenButton));
    case ID_FILE_SAVE:
        return QIcon::fromTheme(QStringLiteral("document-save"), style->standardIcon(QStyle::SP_DialogSaveButton));
    case ID_ADD_ITEM:
        return letterIcon(QLatin1Char('I'), QColor(0, 128, 255));
    case ID_ADD_MOB:
        return letterIcon(QLatin1Char('M'), QColor(200, 60, 60));
    case ID_EDIT_ZONE:
        return letterIcon(QLatin1Char('Z'), QColor(60, 150, 60));
    default:
        return {};
    }
}

} // namespace tarnholt
