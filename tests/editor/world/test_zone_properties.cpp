// The Zone Properties form, driven as a builder uses it: type into the fields, press Ok or Cancel,
// and look at the World and at the messages.

#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "app/CNumberSpin.h"
#include "editor/app/EditorTestSupport.h"
#include "world/CZoneProperties.h"
#include "world/World.h"

using namespace tarnholt;
using namespace tarnholt::test;

namespace {

World numberedWorld()
{
    World world;
    world.zoneName = "Castle";
    world.zoneNumber = 30;
    world.repopMode = 1;
    world.repopTime = 45;
    world.startItemVnum = 3000;
    world.startMobVnum = 3100;
    world.startRoomVnum = 3200;
    world.maxRoomVnum = 3299;
    for (const char* id : {"sword", "#4512 an old shield"}) {
        Item item;
        item.identifier = id;
        item.vnum = id[0] == '#' ? 4512 : 3000;
        world.items.push_back(item);
    }
    for (const char* id : {"guard", "#120 the guard"}) {
        Mob mob;
        mob.identifier = id;
        mob.vnum = id[0] == '#' ? 120 : 3100;
        world.mobs.push_back(mob);
    }
    for (const char* id : {"hall", "#3001"}) {
        Room room;
        room.identifier = id;
        room.vnum = id[0] == '#' ? 3001 : 3200;
        world.rooms.push_back(room);
    }
    return world;
}

QWidget* fieldNamed(CZoneProperties& form, const QString& name)
{
    if (name == QLatin1String("Zone Number:"))
        return form.zoneNumber();
    if (name == QLatin1String("Zone Repop Time:"))
        return form.repopTime();
    if (name == QLatin1String("Start Mob Num:"))
        return form.startMob();
    if (name == QLatin1String("Start Item Num:"))
        return form.startItem();
    if (name == QLatin1String("Start Room Num:"))
        return form.startRoom();
    if (name == QLatin1String("Max Room Num:"))
        return form.maxRoom();
    return nullptr;
}

} // namespace

class TestZoneProperties : public QObject {
    Q_OBJECT

private slots:
    void opensOnTheZoneHeader();
    void okWritesTheForm();
    void refusesBadNumbers_data();
    void refusesBadNumbers();
    void reportsTheFirstBadFieldOnly();
    void changedStartNumberClearsItsKind_data();
    void changedStartNumberClearsItsKind();
    void cancelChangesNothing();
    void zoneNumberArrowsStepButNeverCorrect();
};

void TestZoneProperties::opensOnTheZoneHeader()
{
    World world = numberedWorld();
    ScriptedMessages messages;
    CZoneProperties form(world, messages);
    QCOMPARE(form.windowTitle(), QStringLiteral("Zone Properties"));
    QCOMPARE(form.zoneName()->text(), QStringLiteral("Castle"));
    QCOMPARE(form.zoneNumber()->text(), QStringLiteral("30"));
    QVERIFY(!form.alwaysRepop()->isChecked());
    QVERIFY(form.noPlayersRepop()->isChecked());
    QCOMPARE(form.repopTime()->text(), QStringLiteral("45"));
    QCOMPARE(form.startMob()->text(), QStringLiteral("3100"));
    QCOMPARE(form.startItem()->text(), QStringLiteral("3000"));
    QCOMPARE(form.startRoom()->text(), QStringLiteral("3200"));
    QCOMPARE(form.maxRoom()->text(), QStringLiteral("3299"));
}

void TestZoneProperties::okWritesTheForm()
{
    World world; // a new zone: everything at its defaults
    ScriptedMessages messages;
    CZoneProperties form(world, messages);
    form.show();
    typeInto(form.zoneName(), QStringLiteral("Tarn Keep "));
    form.zoneName()->insert(QString::fromUtf8("\u00e9")); // typed with a compose key
    typeInto(form.zoneNumber(), QStringLiteral("31"));
    QTest::mouseClick(form.noPlayersRepop(), Qt::LeftButton);
    typeInto(form.repopTime(), QStringLiteral("999"));
    typeInto(form.startMob(), QStringLiteral(" 3100 "));
    typeInto(form.startItem(), QStringLiteral("+3000"));
    typeInto(form.startRoom(), QStringLiteral("-3"));
    typeInto(form.maxRoom(), QStringLiteral("3199"));
    click(&form, QStringLiteral("Ok"));

    QVERIFY(messages.messages.empty());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(world.zoneName, std::string("Tarn Keep \xE9"));
    QCOMPARE(world.zoneNumber, 31);
    QCOMPARE(world.repopMode, 1);
    QCOMPARE(world.repopTime, 999);
    QCOMPARE(world.startMobVnum, 3100);
    QCOMPARE(world.startItemVnum, 3000);
    QCOMPARE(world.startRoomVnum, -3);
    QCOMPARE(world.maxRoomVnum, 3199);
}

void TestZoneProperties::refusesBadNumbers_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    const QString notInteger = QStringLiteral("Please enter an integer.");
    const QString outOfRange = QStringLiteral("Please enter an integer between 0 and 999.");
    QTest::newRow("zone number empty") << "Zone Number:" << "" << notInteger;
    QTest::newRow("zone number too big for an int") << "Zone Number:" << "2147483648" << notInteger;
    QTest::newRow("repop time 1000") << "Zone Repop Time:" << "1000" << outOfRange;
    QTest::newRow("repop time -1") << "Zone Repop Time:" << "-1" << outOfRange;
    QTest::newRow("start mob decimal") << "Start Mob Num:" << "31.5" << notInteger;
    QTest::newRow("start item two numbers") << "Start Item Num:" << "30 00" << notInteger;
}

void TestZoneProperties::refusesBadNumbers()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);

    World world = numberedWorld();
    const World before = world;
    ScriptedMessages messages;
    CZoneProperties form(world, messages);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget* target = fieldNamed(form, field);
    typeInto(target, typed);
    typeInto(form.zoneName(), QStringLiteral("Renamed"));
    click(&form, QStringLiteral("Ok"));

    QCOMPARE(messages.messages, std::vector<std::string>{message.toStdString()});
    QVERIFY2(form.isVisible(), "the form stays open");
    QCOMPARE(QApplication::focusWidget() == target || target->isAncestorOf(QApplication::focusWidget()), true);
    QCOMPARE(world.zoneName, before.zoneName); // nothing is written back
    QCOMPARE(world.zoneNumber, before.zoneNumber);
}

void TestZoneProperties::reportsTheFirstBadFieldOnly()
{
    World world = numberedWorld();
    ScriptedMessages messages;
    CZoneProperties form(world, messages);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    typeInto(form.maxRoom(), QStringLiteral("x"));
    typeInto(form.repopTime(), QStringLiteral("5000"));
    click(&form, QStringLiteral("Ok"));
    QCOMPARE(messages.messages, std::vector<std::string>{"Please enter an integer between 0 and 999."});
    QCOMPARE(QApplication::focusWidget(), form.repopTime());

    // Once the time is right, the next bad field speaks.
    messages.clear();
    typeInto(form.repopTime(), QStringLiteral("0"));
    click(&form, QStringLiteral("Ok"));
    QCOMPARE(messages.messages, std::vector<std::string>{"Please enter an integer."});
    QCOMPARE(QApplication::focusWidget(), form.maxRoom());
    QCOMPARE(form.maxRoom()->selectedText(), QStringLiteral("x"));
}

void TestZoneProperties::changedStartNumberClearsItsKind_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("itemsCleared");
    QTest::addColumn<bool>("mobsCleared");
    QTest::addColumn<bool>("roomsCleared");

    QTest::newRow("start mob") << "Start Mob Num:" << "5000" << false << true << false;
    QTest::newRow("start item") << "Start Item Num:" << "5000" << true << false << false;
    QTest::newRow("start room") << "Start Room Num:" << "5000" << false << false << true;
    QTest::newRow("same start mob typed again") << "Start Mob Num:" << "3100" << false << false << false;
    QTest::newRow("same value written differently") << "Start Room Num:" << " +3200" << false << false << false;
    QTest::newRow("max room is no start") << "Max Room Num:" << "9999" << false << false << false;
    QTest::newRow("zone number is no start") << "Zone Number:" << "77" << false << false << false;
}

void TestZoneProperties::changedStartNumberClearsItsKind()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(bool, itemsCleared);
    QFETCH(bool, mobsCleared);
    QFETCH(bool, roomsCleared);

    World world = numberedWorld();
    ScriptedMessages messages;
    CZoneProperties form(world, messages);
    form.show();
    typeInto(fieldNamed(form, field), typed);
    click(&form, QStringLiteral("Ok"));
    QVERIFY(messages.messages.empty());
    QCOMPARE(form.result(), int(QDialog::Accepted));

    QCOMPARE(world.items[0].vnum, itemsCleared ? 0 : 3000);
    QCOMPARE(world.mobs[0].vnum, mobsCleared ? 0 : 3100);
    QCOMPARE(world.rooms[0].vnum, roomsCleared ? 0 : 3200);
    // Records named by a "#" vnum keep it whatever changes.
    QCOMPARE(world.items[1].vnum, 4512);
    QCOMPARE(world.mobs[1].vnum, 120);
    QCOMPARE(world.rooms[1].vnum, 3001);
}

void TestZoneProperties::cancelChangesNothing()
{
    World world = numberedWorld();
    const World before = world;
    ScriptedMessages messages;
    CZoneProperties form(world, messages);
    form.show();
    typeInto(form.zoneName(), QStringLiteral("Other"));
    typeInto(form.startMob(), QStringLiteral("1"));
    typeInto(form.repopTime(), QStringLiteral("bad"));
    QTest::mouseClick(form.alwaysRepop(), Qt::LeftButton);
    click(&form, QStringLiteral("Cancel"));
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QVERIFY(messages.messages.empty());
    QCOMPARE(world.zoneName, before.zoneName);
    QCOMPARE(world.repopMode, before.repopMode);
    QCOMPARE(world.startMobVnum, before.startMobVnum);
    QCOMPARE(world.mobs[0].vnum, before.mobs[0].vnum);
}

void TestZoneProperties::zoneNumberArrowsStepButNeverCorrect()
{
    World world = numberedWorld();
    ScriptedMessages messages;
    CZoneProperties form(world, messages);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    CNumberSpin* spin = form.zoneNumber();
    QTest::keyClick(spin, Qt::Key_Up);
    QCOMPARE(spin->text(), QStringLiteral("31"));
    QTest::keyClick(spin, Qt::Key_Down);
    QTest::keyClick(spin, Qt::Key_Down);
    QCOMPARE(spin->text(), QStringLiteral("29"));

    // What is typed stays as typed, even after the field loses the focus: the form speaks on Ok.
    typeInto(spin, QStringLiteral("12abc"));
    form.startMob()->setFocus();
    QCOMPARE(spin->text(), QStringLiteral("12abc"));
    QTest::keyClick(spin, Qt::Key_Up); // no number to step: nothing happens
    QCOMPARE(spin->text(), QStringLiteral("12abc"));
    click(&form, QStringLiteral("Ok"));
    QCOMPARE(messages.messages, std::vector<std::string>{"Please enter an integer."});
    QCOMPARE(world.zoneNumber, 30);
}

QTEST_MAIN(TestZoneProperties)
#include "test_zone_properties.moc"
