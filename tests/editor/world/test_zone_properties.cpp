// The Zone Properties form driven as a builder uses it.

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
    // The second of each kind is named by a "#" vnum, which it keeps whatever changes.
    world.items.resize(2);
    world.items[0].vnum = 3000;
    world.items[1].identifier = "#4512 an old shield";
    world.items[1].vnum = 4512;
    world.mobs.resize(2);
    world.mobs[0].vnum = 3100;
    world.mobs[1].identifier = "#120 the guard";
    world.mobs[1].vnum = 120;
    world.rooms.resize(2);
    world.rooms[0].vnum = 3200;
    world.rooms[1].identifier = "#3001";
    world.rooms[1].vnum = 3001;
    return world;
}

/// What the form can change: the zone's header and the vnums of the first item, mob and room.
QList<int> numbersOf(const World& w)
{
    return {w.zoneNumber,    w.repopMode,   w.repopTime,     w.startMobVnum, w.startItemVnum,
            w.startRoomVnum, w.maxRoomVnum, w.items[0].vnum, w.mobs[0].vnum, w.rooms[0].vnum};
}

/// The number fields in form order.
enum Field { ZoneNumber, RepopTime, StartMob, StartItem, StartRoom, MaxRoom };

QWidget* fieldOf(CZoneProperties& form, int field)
{
    QWidget* fields[] = {form.zoneNumber(), form.repopTime(), form.startMob(),
                         form.startItem(),  form.startRoom(), form.maxRoom()};
    return fields[field];
}

QString fieldText(CZoneProperties& form, int field)
{
    if (auto spin = qobject_cast<CNumberSpin*>(fieldOf(form, field)))
        return spin->text();
    return qobject_cast<QLineEdit*>(fieldOf(form, field))->text();
}

struct Edit {
    int field;
    QString text;
};

/// A shown form on `world`.
struct Form {
    ScriptedMessages messages;
    CZoneProperties form;
    explicit Form(World& world) : form(world, messages)
    {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            qWarning("the form was not shown");
    }
};

} // namespace

Q_DECLARE_METATYPE(QList<Edit>)

class TestZoneProperties : public QObject {
    Q_OBJECT

private slots:
    void showsAndWritesTheZoneHeader()
    {
        World world = numberedWorld();
        Form zone(world);
        CZoneProperties& form = zone.form;
        QCOMPARE(form.windowTitle(), qt("Zone Properties"));
        QCOMPARE(form.zoneName()->text(), qt("Castle"));
        QVERIFY(!form.alwaysRepop()->isChecked() && form.noPlayersRepop()->isChecked());
        QStringList shown;
        for (int field = ZoneNumber; field <= MaxRoom; ++field)
            shown << fieldText(form, field);
        QCOMPARE(shown, strings({"30", "45", "3100", "3000", "3200", "3299"}));

        typeInto(form.zoneName(), qt("Tarn Keep "));
        form.zoneName()->insert(qt("\u00e9")); // typed with a compose key
        QTest::mouseClick(form.alwaysRepop(), Qt::LeftButton);
        const QStringList typed = strings({"31", "999", " 3100 ", "+3000", "-3", "3199"});
        for (int field = ZoneNumber; field <= MaxRoom; ++field)
            typeInto(fieldOf(form, field), typed[field]);
        click(&form, "Ok");
        QVERIFY(zone.messages.messages.empty());
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(world.zoneName, std::string("Tarn Keep \xE9"));
        QCOMPARE(numbersOf(world), (QList<int>{31, 0, 999, 3100, 3000, -3, 3199, 3000, 3100, 0}));

        // A repop mode neither button stands for (read from a file) is kept unless one is chosen.
        world.repopMode = 5;
        Form again(world);
        QVERIFY(!again.form.alwaysRepop()->isChecked() && !again.form.noPlayersRepop()->isChecked());
        click(&again.form, "Ok");
        QCOMPARE(world.repopMode, 5);
    }

    void refusesBadNumbers_data()
    {
        QTest::addColumn<QList<Edit>>("edits");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focus");
        const QString notInteger = qt("Please enter an integer.");
        const QString outOfRange = qt("Please enter an integer between 0 and 999.");
        QTest::newRow("zone number empty") << QList<Edit>{{ZoneNumber, QString()}} << notInteger << int(ZoneNumber);
        QTest::newRow("repop time 1000") << QList<Edit>{{RepopTime, qt("1000")}} << outOfRange << int(RepopTime);
        QTest::newRow("repop time -1") << QList<Edit>{{RepopTime, qt("-1")}} << outOfRange << int(RepopTime);
        QTest::newRow("start mob decimal") << QList<Edit>{{StartMob, qt("31.5")}} << notInteger << int(StartMob);
        QTest::newRow("first bad field in form order")
            << QList<Edit>{{MaxRoom, qt("x")}, {RepopTime, qt("5000")}} << outOfRange << int(RepopTime);
        QTest::newRow("then the next one") << QList<Edit>{{MaxRoom, qt("x")}, {RepopTime, qt("0")}} << notInteger
                                           << int(MaxRoom);
    }

    void refusesBadNumbers()
    {
        QFETCH(QList<Edit>, edits);
        QFETCH(QString, message);
        QFETCH(int, focus);
        World world = numberedWorld();
        Form zone(world);
        typeInto(zone.form.zoneName(), qt("Renamed"));
        QTest::mouseClick(zone.form.alwaysRepop(), Qt::LeftButton);
        for (const Edit& edit : edits)
            typeInto(fieldOf(zone.form, edit.field), edit.text);
        click(&zone.form, "Ok");

        QCOMPARE(zone.messages.messages, std::vector<std::string>{message.toStdString()});
        QVERIFY2(zone.form.isVisible(), "the form stays open");
        QWidget* target = fieldOf(zone.form, focus);
        QVERIFY(QApplication::focusWidget() == target || target->isAncestorOf(QApplication::focusWidget()));
        if (auto line = qobject_cast<QLineEdit*>(target))
            QCOMPARE(line->selectedText(), line->text());

        // Nothing is written back, and Cancel leaves it so without a word about the bad field.
        click(&zone.form, "Cancel");
        QCOMPARE(zone.form.result(), int(QDialog::Rejected));
        QCOMPARE(zone.messages.messages.size(), std::size_t(1));
        QCOMPARE(world.zoneName, std::string("Castle"));
        QCOMPARE(numbersOf(world), numbersOf(numberedWorld()));
    }

    void changedStartNumberClearsItsKind_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("vnums"); // of the first item, mob and room
        QTest::newRow("start mob") << int(StartMob) << qt("5000") << QList<int>{3000, 0, 3200};
        QTest::newRow("start item") << int(StartItem) << qt("5000") << QList<int>{0, 3100, 3200};
        QTest::newRow("start room") << int(StartRoom) << qt("5000") << QList<int>{3000, 3100, 0};
        QTest::newRow("same value written differently") << int(StartRoom) << qt(" +3200") << QList<int>{3000, 3100, 3200};
        QTest::newRow("max room is no start") << int(MaxRoom) << qt("9999") << QList<int>{3000, 3100, 3200};
        QTest::newRow("zone number is no start") << int(ZoneNumber) << qt("77") << QList<int>{3000, 3100, 3200};
    }

    void changedStartNumberClearsItsKind()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QList<int>, vnums);
        World world = numberedWorld();
        Form zone(world);
        typeInto(fieldOf(zone.form, field), typed);
        click(&zone.form, "Ok");
        QVERIFY(zone.messages.messages.empty());
        QCOMPARE(numbersOf(world).mid(7), vnums);
        QCOMPARE((QList<int>{world.items[1].vnum, world.mobs[1].vnum, world.rooms[1].vnum}), (QList<int>{4512, 120, 3001}));
    }

    void zoneNumberArrowsStepButNeverCorrect()
    {
        World world = numberedWorld();
        Form zone(world);
        CNumberSpin* spin = zone.form.zoneNumber();
        QTest::keyClick(spin, Qt::Key_Down);
        QCOMPARE(spin->text(), qt("29"));

        // What is typed stays as typed, even after the field loses the focus: the form speaks on Ok.
        typeInto(spin, qt("12abc"));
        zone.form.startMob()->setFocus();
        QTest::keyClick(spin, Qt::Key_Up); // no number to step: nothing happens
        QCOMPARE(spin->text(), qt("12abc"));
        click(&zone.form, "Ok");
        QCOMPARE(zone.messages.messages, std::vector<std::string>{"Please enter an integer."});
        QCOMPARE(world.zoneNumber, 30);
    }
};

QTEST_MAIN(TestZoneProperties)
#include "test_zone_properties.moc"
