// The map view's wiring, driven with the mouse: client points and scrolling, the room menu, the
// painter and the document. What the gestures do to the World is tested in the core.

#include <QMenu>
#include <QtTest>

#include "app/CTarnholtDoc.h"
#include "editor/app/EditorTestSupport.h"
#include "map/CTarnholtView.h"
#include "settings/DisplaySettings.h"
#include "world/World.h"

using namespace tarnholt;
using namespace tarnholt::test;

class MapViewTest : public QObject {
    Q_OBJECT

    struct EditorCall {
        QString title;
        int startDirection;
    };

    ScriptedMessages boxes;
    std::unique_ptr<CTarnholtDoc> doc;
    std::unique_ptr<CTarnholtView> view;
    std::vector<EditorCall> calls;
    std::function<void(Room&)> edit;

    World& world() { return doc->getWorld(); }
    QWidget* surface() { return view->viewport(); }
    QColor pixel(int x, int y) { return surface()->grab().toImage().pixelColor(x, y); }

    Room& addRoom(const char* identifier, int column, int row)
    {
        Room& room = world().rooms.emplace_back();
        room.identifier = identifier;
        room.column = column;
        room.row = row;
        return room;
    }

    /// Opens the room menu at `at` and chooses the entry with the mnemonic `key`.
    void roomMenu(QPoint at, Qt::Key key)
    {
        QTimer::singleShot(0, this, [key] {
            if (auto menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
                QTest::keyClick(menu, key);
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, surface()->mapToGlobal(at));
        QApplication::sendEvent(surface(), &event);
    }

private slots:
    void init()
    {
        displaySettings() = DisplaySettings();
        boxes = ScriptedMessages();
        doc = std::make_unique<CTarnholtDoc>(boxes);
        view = std::make_unique<CTarnholtView>(*doc);
        calls.clear();
        edit = nullptr;
        view->setRoomEditor([this](Room& room, const QString& title, int startDirection) {
            calls.push_back({title, startDirection});
            if (edit)
                edit(room);
            return true;
        });
        view->setRoomTemplate([] {
            Room blank;
            blank.terrain = "Forest";
            return blank;
        });
        view->resize(800, 600);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    }

    void cleanup()
    {
        view.reset();
        doc.reset();
    }

    void doubleClickOnAScrolledMapCreatesARoomAtTheLogicalPoint()
    {
        view->scrollTo(QPoint(1000, 2000));
        QCOMPARE(view->scrollPosition(), QPoint(1000, 2000));
        edit = [](Room& r) { r.identifier = "Cellar"; };
        QTest::mouseDClick(surface(), Qt::LeftButton, {}, QPoint(50, 50)); // logical (1050, 2050)
        QCOMPARE(calls.size(), std::size_t{1});
        QCOMPARE(calls[0].title, qt("Creating a New Room"));
        QCOMPARE(world().rooms.size(), std::size_t{1});
        const Room& made = world().rooms[0];
        QCOMPARE(made.identifier + "/" + made.terrain, std::string("Cellar/Forest"));
        QCOMPARE(QPoint(made.column, made.row), QPoint(11, 22));
        QVERIFY(doc->IsModified());
    }

    void dragFromEastToWestLinksBothRooms()
    {
        addRoom("A", 0, 0);
        addRoom("B", 1, 0);
        view->refreshMap();
        QTest::mousePress(surface(), Qt::LeftButton, {}, QPoint(90, 60));
        QTest::mouseMove(surface(), QPoint(105, 60));
        QTest::mouseMove(surface(), QPoint(120, 60));
        QTest::mouseRelease(surface(), Qt::LeftButton, {}, QPoint(120, 60));
        QCOMPARE(calls.size(), std::size_t{1});
        QCOMPARE(calls[0].title, qt("Editing an Existing Room - A"));
        QCOMPARE(calls[0].startDirection, 1);
        QCOMPARE(world().rooms[0].exits[1].target + world().rooms[1].exits[3].target, std::string("BA"));
        QVERIFY(doc->IsModified());
    }

    void roomMenuEditsAndDeletes()
    {
        addRoom("A", 0, 0);
        addRoom("B", 1, 0);
        addRoom("C", 2, 0);
        world().shops.emplace_back().room = "A";
        view->refreshMap();

        // "&Edit Room" with a rename: the references follow.
        edit = [](Room& r) { r.identifier = "Hall"; };
        roomMenu(QPoint(60, 60), Qt::Key_E);
        QCOMPARE(world().rooms[0].identifier + world().shops[0].room, std::string("HallHall"));

        // "&Delete Room" on B, answered No, then Yes.
        boxes.yesNoAnswers = {false, true};
        roomMenu(QPoint(150, 60), Qt::Key_D);
        QCOMPARE(world().rooms.size(), std::size_t{3});
        roomMenu(QPoint(150, 60), Qt::Key_D);
        QCOMPARE(boxes.questions, std::vector<std::string>(2, "Are you sure you want to delete this room?"));
        QCOMPARE(world().rooms.size(), std::size_t{2});
        QCOMPARE(world().rooms[1].identifier, std::string("C"));

        // Away from a room no menu opens (it would block the test).
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(300, 300), surface()->mapToGlobal(QPoint(300, 300)));
        QApplication::sendEvent(surface(), &event);
        QCOMPARE(view->gestures().currentRoom(), -1);
    }

    void paintShowsRoomsExitsAndTheBand()
    {
        Room& a = addRoom("A", 0, 0);
        a.exits.edit(1).target = "B";
        a.exits.edit(1).placement = 3;
        a.exits.edit(1).resetState = 2;
        addRoom("B", 1, 0);
        view->refreshMap();
        QCOMPARE(pixel(40, 82), QColor(180, 180, 180));  // inside A's box, below its name
        QCOMPARE(pixel(30, 60), QColor(0, 0, 0));        // A's border
        QCOMPARE(pixel(98, 60), QColor(0, 255, 0));      // closed-door half
        QCOMPARE(pixel(112, 60), QColor(255, 0, 128));   // one-way half
        QCOMPARE(pixel(195, 60), QColor(255, 255, 255)); // gap between cells

        displaySettings().roomBackground = {0, 0, 200};
        doc->UpdateAllViews();
        QCOMPARE(pixel(40, 82), QColor(0, 0, 200));

        // The rubber band inverts what it crosses and goes with the release.
        QTest::mousePress(surface(), Qt::LeftButton, {}, QPoint(150, 90)); // B's free South anchor
        QTest::mouseMove(surface(), QPoint(150, 200));
        QTest::mouseMove(surface(), QPoint(150, 195));
        QCOMPARE(pixel(150, 100), QColor(0, 0, 0));
        QTest::mouseRelease(surface(), Qt::LeftButton, {}, QPoint(150, 195));
        QCOMPARE(pixel(150, 100), QColor(255, 255, 255));
        QVERIFY(calls.empty());
    }

    void replacedDocumentIsDrawnAndForgetsTheCurrentRoom()
    {
        addRoom("A", 0, 0);
        view->refreshMap();
        QVERIFY(view->gestures().contextMenu({60, 60}, {0, 0}));
        doc->OnNewDocument();
        QCOMPARE(view->gestures().currentRoom(), -1);
        QCOMPARE(view->gestures().world(), &world());
        QVERIFY(pixel(40, 82) != QColor(180, 180, 180));
        QCOMPARE(view->gestures().deleteCurrentRoom(), MapGestures::Outcome::Nothing);
    }
};

QTEST_MAIN(MapViewTest)
#include "MapViewTest.moc"
