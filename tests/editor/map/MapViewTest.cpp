#include <QApplication>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include "app/CMessageQuestions.h"
#include "app/CTarnholtDoc.h"
#include "map/CTarnholtView.h"
#include "rooms/Room.h"
#include "settings/DisplaySettings.h"
#include "shops/Shop.h"
#include "world/World.h"

using namespace tarnholt;

namespace {

/// Yes/No answers from a script instead of message boxes.
class ScriptedBoxes : public CMessageQuestions {
public:
    void message(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string& text, bool) override
    {
        questions.push_back(text);
        return yes;
    }
    bool yes = true;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
};

struct EditorCall {
    QString title;
    int startDirection;
    Room room;
};

Room& addRoom(World& world, const std::string& identifier, int column, int row)
{
    Room room;
    room.identifier = identifier;
    room.column = column;
    room.row = row;
    world.rooms.push_back(room);
    return world.rooms.back();
}

QColor pixel(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

} // namespace

/// Drives the map view with the mouse as a person would, with the room editor answered from a script.
class MapViewTest : public QObject {
    Q_OBJECT

private:
    ScriptedBoxes boxes;
    std::unique_ptr<CTarnholtDoc> doc;
    std::unique_ptr<CTarnholtView> view;
    std::vector<EditorCall> calls;
    bool confirm = true;
    std::function<void(Room&)> edit;

    World& world() { return doc->getWorld(); }
    QWidget* surface() { return view->viewport(); }
    const Exit& exit(int room, int d) { return world().rooms[static_cast<std::size_t>(room)].exits[static_cast<std::size_t>(d)]; }

    void drag(QPoint from, QPoint to)
    {
        QTest::mousePress(surface(), Qt::LeftButton, {}, from);
        QTest::mouseMove(surface(), (from + to) / 2);
        QTest::mouseMove(surface(), to);
        QTest::mouseRelease(surface(), Qt::LeftButton, {}, to);
    }

private slots:
    void init()
    {
        boxes = ScriptedBoxes();
        doc = std::make_unique<CTarnholtDoc>(boxes);
        view = std::make_unique<CTarnholtView>(*doc);
        calls.clear();
        confirm = true;
        edit = nullptr;
        view->setRoomEditor([this](Room& room, const QString& title, int startDirection) {
            calls.push_back({title, startDirection, room});
            if (edit)
                edit(room);
            return confirm;
        });
        view->setRoomTemplate([] {
            Room blank;
            blank.terrain = "Forest";
            return blank;
        });
        view->resize(800, 600);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        displaySettings() = DisplaySettings();
    }

    void cleanup()
    {
        view.reset();
        doc.reset();
    }

    void doubleClickOnAnEmptyCellCreatesARoom()
    {
        edit = [](Room& r) { r.identifier = "Cellar"; };
        QTest::mouseDClick(surface(), Qt::LeftButton, {}, QPoint(300, 120));
        QCOMPARE(calls.size(), std::size_t{1});
        QCOMPARE(calls[0].title, QStringLiteral("Creating a New Room"));
        QCOMPARE(calls[0].startDirection, -1);
        QCOMPARE(world().rooms.size(), std::size_t{1});
        QCOMPARE(world().rooms[0].identifier, std::string("Cellar"));
        QCOMPARE(world().rooms[0].terrain, std::string("Forest"));
        QCOMPARE(world().rooms[0].column, 3);
        QCOMPARE(world().rooms[0].row, 1);
        QVERIFY(doc->IsModified());
    }

    void doubleClickOnAScrolledMapUsesLogicalPoints()
    {
        view->scrollTo(QPoint(1000, 2000));
        QCOMPARE(view->scrollPosition(), QPoint(1000, 2000));
        confirm = true;
        QTest::mouseDClick(surface(), Qt::LeftButton, {}, QPoint(50, 50)); // logical (1050, 2050)
        QCOMPARE(world().rooms.size(), std::size_t{1});
        QCOMPARE(world().rooms[0].column, 11);
        QCOMPARE(world().rooms[0].row, 22);
    }

    void dragFromEastToWestLinksBothRooms_data()
    {
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("confirmed") << true;
        QTest::newRow("cancelled") << false;
    }

    void dragFromEastToWestLinksBothRooms()
    {
        QFETCH(bool, confirmed);
        addRoom(world(), "A", 0, 0);
        Room& b = addRoom(world(), "B", 1, 0);
        b.exits[3].target = "Elsewhere";
        b.exits[3].placement = 1;
        b.exits[3].keywords = "gate";
        const Exit aBefore = exit(0, 1), bBefore = exit(1, 3);
        view->refreshMap();
        confirm = confirmed;

        drag(QPoint(90, 60), QPoint(120, 60));
        QCOMPARE(calls.size(), std::size_t{1});
        QCOMPARE(calls[0].title, QStringLiteral("Editing an Existing Room - A"));
        QCOMPARE(calls[0].startDirection, 1);
        QCOMPARE(calls[0].room.exits[1].target, std::string("B"));
        if (confirmed) {
            QCOMPARE(exit(0, 1).target, std::string("B"));
            QCOMPARE(exit(0, 1).placement, 3);
            QCOMPARE(exit(1, 3).target, std::string("A"));
            QCOMPARE(exit(1, 3).placement, 1);
            QVERIFY(doc->IsModified());
        } else {
            QVERIFY(exit(0, 1) == aBefore);
            QVERIFY(exit(1, 3) == bBefore);
            QVERIFY(!doc->IsModified());
        }
    }

    void pressOnALinkedAnchorEditsThatExit()
    {
        Room& a = addRoom(world(), "A", 0, 0);
        a.exits[2].target = "B";
        a.exits[2].placement = 0;
        addRoom(world(), "B", 0, 1);
        edit = [](Room& r) { r.exits[2].resetState = 2; };
        QTest::mousePress(surface(), Qt::LeftButton, {}, QPoint(60, 90));
        QTest::mouseRelease(surface(), Qt::LeftButton, {}, QPoint(60, 90));
        QCOMPARE(calls.size(), std::size_t{1});
        QCOMPARE(calls[0].startDirection, 2);
        QCOMPARE(exit(0, 2).resetState, 2);
        QVERIFY(!view->gestures().dragging());
    }

    void roomMenuEditsAndDeletes()
    {
        addRoom(world(), "A", 0, 0).exits[1].target = "B";
        world().rooms[0].exits[1].placement = 3;
        addRoom(world(), "B", 1, 0).moveTo = "A";
        addRoom(world(), "C", 2, 0);
        world().shops.emplace_back();
        world().shops[0].room = "A";
        view->refreshMap();

        // "&Edit Room" with a rename: every reference follows.
        edit = [](Room& r) { r.identifier = "Hall"; };
        QTimer::singleShot(0, this, [] {
            if (auto menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
                QTest::keyClick(menu, Qt::Key_E);
        });
        QContextMenuEvent onA(QContextMenuEvent::Mouse, QPoint(60, 60), surface()->mapToGlobal(QPoint(60, 60)));
        QApplication::sendEvent(surface(), &onA);
        QCOMPARE(calls.size(), std::size_t{1});
        QCOMPARE(world().rooms[0].identifier, std::string("Hall"));
        QCOMPARE(world().rooms[1].moveTo, std::string("Hall"));
        QCOMPARE(world().shops[0].room, std::string("Hall"));

        // "&Delete Room" on B, answered No, then Yes.
        for (bool answer : {false, true}) {
            boxes.yes = answer;
            QTimer::singleShot(0, this, [] {
                if (auto menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
                    QTest::keyClick(menu, Qt::Key_D);
            });
            QContextMenuEvent onB(QContextMenuEvent::Mouse, QPoint(150, 60), surface()->mapToGlobal(QPoint(150, 60)));
            QApplication::sendEvent(surface(), &onB);
        }
        QCOMPARE(boxes.questions.size(), std::size_t{2});
        QCOMPARE(boxes.questions[0], std::string("Are you sure you want to delete this room?"));
        QCOMPARE(world().rooms.size(), std::size_t{2});
        QCOMPARE(world().rooms[1].identifier, std::string("C"));
        QVERIFY(exit(0, 1) == Exit{});
    }

    void contextMenuOnAnEmptyCellOpensNothing()
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(300, 300), surface()->mapToGlobal(QPoint(300, 300)));
        QApplication::sendEvent(surface(), &event); // would block in the menu if it opened
        QCOMPARE(view->gestures().currentRoom(), -1);
    }

    void paintShowsRoomsExitsAndTheBand()
    {
        Room& a = addRoom(world(), "A", 0, 0);
        a.exits[1].target = "B";
        a.exits[1].placement = 3;
        a.exits[1].resetState = 2;
        addRoom(world(), "B", 1, 0);
        view->refreshMap();

        QImage shot = surface()->grab().toImage();
        QCOMPARE(pixel(shot, 40, 82), QColor(180, 180, 180));  // inside A's box, below its name
        QCOMPARE(pixel(shot, 30, 60), QColor(0, 0, 0));        // A's border
        QCOMPARE(pixel(shot, 98, 60), QColor(0, 255, 0));      // closed-door half
        QCOMPARE(pixel(shot, 112, 60), QColor(255, 0, 128));   // one-way half
        QCOMPARE(pixel(shot, 195, 60), QColor(255, 255, 255)); // gap between cells
        bool hatched = false;                                   // empty cell (3, 3): grey hatch
        for (int x = 300; x < 330 && !hatched; ++x)
            for (int y = 300; y < 330 && !hatched; ++y)
                hatched = pixel(shot, x, y) == QColor(127, 127, 127);
        QVERIFY(hatched);

        displaySettings().roomBackground = {0, 0, 200};
        doc->UpdateAllViews();
        shot = surface()->grab().toImage();
        QCOMPARE(pixel(shot, 40, 82), QColor(0, 0, 200));

        // The rubber band inverts what it crosses and goes with the release.
        QTest::mousePress(surface(), Qt::LeftButton, {}, QPoint(150, 90)); // B's free South anchor
        QTest::mouseMove(surface(), QPoint(150, 200));
        QTest::mouseMove(surface(), QPoint(150, 195));
        shot = surface()->grab().toImage();
        QCOMPARE(pixel(shot, 150, 100), QColor(0, 0, 0));
        QTest::mouseRelease(surface(), Qt::LeftButton, {}, QPoint(150, 195));
        shot = surface()->grab().toImage();
        QCOMPARE(pixel(shot, 150, 100), QColor(255, 255, 255));
        QVERIFY(calls.empty());
    }

    void replacedDocumentIsDrawnAndForgetsTheCurrentRoom()
    {
        addRoom(world(), "A", 0, 0);
        view->refreshMap();
        QVERIFY(view->gestures().contextMenu({60, 60}, {0, 0}));
        doc->OnNewDocument();
        QCOMPARE(view->gestures().currentRoom(), -1);
        QCOMPARE(view->gestures().world(), &world());
        QImage shot = surface()->grab().toImage();
        QVERIFY(pixel(shot, 40, 82) != QColor(180, 180, 180));
        QCOMPARE(view->gestures().deleteCurrentRoom(), MapGestures::Outcome::Nothing);
    }
};

QTEST_MAIN(MapViewTest)
#include "MapViewTest.moc"
