// Writing a confirmed room editor back into the World, renames included.

#include <QTest>

#include "app/Questions.h"
#include "editor/rooms/FormDriver.h"
#include "rooms/CRoomSheet.h"
#include "rooms/RoomEdit.h"
#include "universe/TemplateLibrary.h"
#include "universe/Universe.h"
#include "world/World.h"

using namespace tarnholt;
using namespace tarnholt::testing;

class RoomEditTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void renamedRoomIsFollowedEverywhere();
    void roomWithoutIdentifierDoesNotCaptureEmptyExits();
    void indexOutsideTheWorldChangesNothing();

private:
    World world_;
};

void RoomEditTest::init()
{
    world_ = World();
    for (const char* identifier : {"temple", "hall", "river"}) {
        Room room;
        room.identifier = identifier;
        world_.rooms.push_back(room);
    }
    world_.rooms[0].exits[1].target = "hall";
    world_.rooms[1].exits[3].target = "temple";
    world_.rooms[1].exits[6].target = "temple";
    world_.rooms[2].moving = 1;
    world_.rooms[2].moveTo = "temple";
    world_.rooms[2].exits[0].target = "templeX"; // alike, but another room
    Shop shop;
    shop.room = "temple";
    world_.shops.push_back(shop);
}

void RoomEditTest::renamedRoomIsFollowedEverywhere()
{
    Universe universe;
    TemplateLibrary templates("/nonexistent");
    ScriptedQuestions questions;
    CRoomSheet sheet(qt("Edit Room"), world_.rooms[0], world_, universe, templates, questions);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    type(findNamed<QLineEdit>(sheet.activePage(), "identifier"), qt("sanctum"));
    type(findNamed<QLineEdit>(sheet.activePage(), "name"), qt("The Sanctum"));
    click(&sheet, "OK");
    QCOMPARE(sheet.result(), int(QDialog::Accepted));
    QCOMPARE(world_.rooms[0].identifier, std::string("temple")); // nothing reaches the World before the write-back

    QVERIFY(applyRoomEdit(world_, 0, sheet.room()));
    QCOMPARE(world_.rooms[0].identifier, std::string("sanctum"));
    QCOMPARE(world_.rooms[0].name, std::string("The Sanctum"));
    QCOMPARE(world_.rooms[1].exits[3].target, std::string("sanctum"));
    QCOMPARE(world_.rooms[1].exits[6].target, std::string("sanctum"));
    QCOMPARE(world_.rooms[2].moveTo, std::string("sanctum"));
    QCOMPARE(world_.rooms[2].exits[0].target, std::string("templeX"));
    QCOMPARE(world_.shops[0].room, std::string("sanctum"));
}

void RoomEditTest::roomWithoutIdentifierDoesNotCaptureEmptyExits()
{
    world_.rooms[2].identifier.clear();
    Room edited = world_.rooms[2];
    edited.identifier = "ford";
    QVERIFY(applyRoomEdit(world_, 2, edited));
    QCOMPARE(world_.rooms[2].identifier, std::string("ford"));
    QCOMPARE(world_.rooms[0].exits[0].target, std::string());
    QCOMPARE(world_.rooms[1].exits[0].target, std::string());
    QCOMPARE(world_.rooms[0].exits[1].target, std::string("hall"));
}

void RoomEditTest::indexOutsideTheWorldChangesNothing()
{
    const World before = world_;
    Room edited;
    edited.identifier = "x";
    QVERIFY(!applyRoomEdit(world_, 3, edited));
    QCOMPARE(world_.rooms, before.rooms);
}

QTEST_MAIN(RoomEditTest)
#include "RoomEditTest.moc"
