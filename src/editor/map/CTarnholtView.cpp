#include "map/CTarnholtView.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "app/CTarnholtDoc.h"
#include "app/CText.h"
#include "app/CMessageQuestions.h"
#include "map/MapGeometry.h"
#include "map/MapPainter.h"
#include "map/PainterSurface.h"
#include "rooms/CRoomSheet.h"
#include "rooms/Room.h"
#include "settings/DisplaySettings.h"
#include "universe/TemplateLibrary.h"
#include "world/World.h"

namespace tarnholt {

namespace {

Point toPoint(const QPoint& p)
{
    return {p.x(), p.y()};
}

} // namespace

CTarnholtView::CTarnholtView(CTarnholtDoc& doc, QWidget* parent)
    : QAbstractScrollArea(parent), doc_(doc), gestures_(*this)
{
    setObjectName(QStringLiteral("mapView"));
    // Moves arrive with or without a button held; only a drag uses them.
    viewport()->setMouseTracking(true);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(false);

    roomMenu_ = new QMenu(this);
    editRoomAction_ = roomMenu_->addAction(QStringLiteral("&Edit Room"));
    deleteRoomAction_ = roomMenu_->addAction(QStringLiteral("&Delete Room"));
    connect(editRoomAction_, &QAction::triggered, this, [this] {
        syncWorld();
        gestures_.editCurrentRoom();
    });
    connect(deleteRoomAction_, &QAction::triggered, this, [this] {
        syncWorld();
        gestures_.deleteCurrentRoom();
    });

    connect(&doc_, &CTarnholtDoc::worldChanged, this, &CTarnholtView::refreshMap);
    connect(&doc_, &CTarnholtDoc::documentReplaced, this, &CTarnholtView::refreshMap);
    syncWorld();
    updateScrollBars();
}

CTarnholtView::~CTarnholtView() = default;

QPoint CTarnholtView::scrollPosition() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void CTarnholtView::scrollTo(const QPoint& position)
{
    horizontalScrollBar()->setValue(position.x());
    verticalScrollBar()->setValue(position.y());
}

Point CTarnholtView::scroll() const
{
    return toPoint(scrollPosition());
}

void CTarnholtView::refreshMap()
{
    indexStale_ = true;
    syncWorld();
    viewport()->update();
}

World& CTarnholtView::syncWorld()
{
    World& world = doc_.getWorld();
    gestures_.setWorld(&world);
    return world;
}

void CTarnholtView::updateScrollBars()
{
    const QSize page = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, MapGeometry::mapSize - page.width()));
    verticalScrollBar()->setRange(0, std::max(0, MapGeometry::mapSize - page.height()));
    horizontalScrollBar()->setPageStep(page.width());
    verticalScrollBar()->setPageStep(page.height());
    horizontalScrollBar()->setSingleStep(std::max(1, page.width() / 10));
    verticalScrollBar()->setSingleStep(std::max(1, page.height() / 10));
}

void CTarnholtView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CTarnholtView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void CTarnholtView::paintEvent(QPaintEvent*)
{
    const World& world = syncWorld();
    if (indexStale_ || indexedWorld_ != &world || indexedRooms_ != world.rooms.data() ||
        indexedCount_ != world.rooms.size()) {
        index_.rebuild(world);
        indexStale_ = false;
        indexedWorld_ = &world;
        indexedRooms_ = world.rooms.data();
        indexedCount_ = world.rooms.size();
    }

    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    const Point s = scroll();
    const QSize size = viewport()->size();
    painter.translate(-static_cast<int>(s.x), -static_cast<int>(s.y));
    PainterSurface surface(painter);
    MapPainter(displaySettings()).draw(surface, world, index_, {s.x, s.y, s.x + size.width(), s.y + size.height()});

    // The rubber band lives on the screen, in client coordinates.
    painter.resetTransform();
    gestures_.drawBand(surface);
}

void CTarnholtView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    syncWorld();
    gestures_.press(toPoint(event->position().toPoint()), scroll());
}

void CTarnholtView::mouseMoveEvent(QMouseEvent* event)
{
    if (gestures_.move(toPoint(event->position().toPoint())))
        viewport()->update();
}

void CTarnholtView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    const bool banded = gestures_.band().has_value();
    syncWorld();
    gestures_.release(toPoint(event->position().toPoint()), scroll());
    if (banded)
        viewport()->update(); // the band goes
}

void CTarnholtView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    syncWorld();
    gestures_.doubleClick(toPoint(event->position().toPoint()), scroll());
}

void CTarnholtView::contextMenuEvent(QContextMenuEvent* event)
{
    syncWorld();
    if (gestures_.contextMenu(toPoint(event->pos()), scroll()))
        roomMenu_->exec(event->globalPos());
}

bool CTarnholtView::editRoom(Room& room, const std::string& title, int startDirection)
{
    if (roomEditor_)
        return roomEditor_(room, CText::toQt(title), startDirection);
    CRoomSheet sheet(CText::toQt(title), room, doc_.getWorld(), doc_.getUniverse(), TemplateLibrary::instance(),
                     doc_.questions(), false, startDirection, this);
    if (sheet.exec() != QDialog::Accepted)
        return false;
    room = sheet.room();
    return true;
}

Room CTarnholtView::roomTemplate()
{
    if (roomTemplate_)
        return roomTemplate_();
    return TemplateLibrary::instance().rooms().current();
}

bool CTarnholtView::askYesNo(const std::string& question)
{
    return doc_.questions().askYesNo(question);
}

void CTarnholtView::worldChanged(bool modified)
{
    // Both announce the change to every view, this one included (refreshMap).
    if (modified)
        doc_.markChanged();
    else
        doc_.UpdateAllViews();
    indexStale_ = true;
    viewport()->update();
}

} // namespace tarnholt
