#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <functional>

#include "map/MapGestures.h"
#include "map/MapHost.h"
#include "map/MapIndex.h"

class QAction;
class QMenu;

namespace tarnholt {

class CTarnholtDoc;
class Room;
class World;

/// The map view: a scrolling 10000 by 10000 map of the document's rooms and exits, the mouse
/// gestures that link, create and edit rooms, and the room menu "&Edit Room" / "&Delete Room".
/// Drawing and gestures are the core's; this class gives them a painter, the scroll position, the
/// mouse and the modal forms. The rubber band of a link drag is an inverted line drawn over the map.
class CTarnholtView : public QAbstractScrollArea, private MapHost {
    Q_OBJECT

public:
    /// Opens the room editor on `room` (a copy) and returns true when it was confirmed.
    using RoomEditor = std::function<bool(Room& room, const QString& title, int startDirection)>;
    /// Gives a full copy of the current room template.
    using RoomTemplate = std::function<Room()>;

    explicit CTarnholtView(CTarnholtDoc& doc, QWidget* parent = nullptr);
    ~CTarnholtView() override;

    /// Replaces the room editor (the room sheet by default).
    void setRoomEditor(RoomEditor editor) { roomEditor_ = std::move(editor); }
    /// Replaces where new rooms come from (the template library's current room template by default).
    void setRoomTemplate(RoomTemplate source) { roomTemplate_ = std::move(source); }

    MapGestures& gestures() { return gestures_; }
    /// The logical point shown at the top-left corner of the view.
    QPoint scrollPosition() const;
    void scrollTo(const QPoint& position);

    /// The room menu and its two commands, acting on the room it was opened on.
    QMenu* roomMenu() const { return roomMenu_; }
    QAction* editRoomAction() const { return editRoomAction_; }
    QAction* deleteRoomAction() const { return deleteRoomAction_; }

public slots:
    /// The World changed: the map is worked out again and repainted.
    void refreshMap();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool editRoom(Room& room, const std::string& title, int startDirection) override;
    Room roomTemplate() override;
    bool askYesNo(const std::string& question) override;
    void worldChanged(bool modified) override;

    /// Points the gestures at the document's World and rebuilds the index when the World changed.
    World& syncWorld();
    Point scroll() const;
    void updateScrollBars();

    CTarnholtDoc& doc_;
    MapGestures gestures_;
    MapIndex index_;
    bool indexStale_ = true;
    // What the index was built from, so that a World replaced or resized behind our back is noticed.
    const World* indexedWorld_ = nullptr;
    const Room* indexedRooms_ = nullptr;
    std::size_t indexedCount_ = 0;

    RoomEditor roomEditor_;
    RoomTemplate roomTemplate_;
    QMenu* roomMenu_ = nullptr;
    QAction* editRoomAction_ = nullptr;
    QAction* deleteRoomAction_ = nullptr;
};

} // namespace tarnholt
