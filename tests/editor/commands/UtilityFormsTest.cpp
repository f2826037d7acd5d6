// The two bulk description forms and the load list with its value form, used as a builder does:
// rows and entries are clicked (Ctrl adds to the choice), numbers typed, buttons pressed.

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>

#include "app/CNumberSpin.h"
#include "editor/app/EditorTestSupport.h"
#include "generate/CLoadListView.h"
#include "generate/CSetDescriptionsDialog.h"
#include "generate/LoadAction.h"
#include "universe/NewListCtrlClass.h"
#include "world/World.h"

using namespace tarnholt;
using namespace tarnholt::test;

namespace {

Room roomNamed(const char* identifier)
{
    Room room;
    room.identifier = identifier;
    return room;
}

LoadAction loadOf(int32_t task, const char* mob, const char* item, int32_t maxLoad = 1, int32_t probability = 100)
{
    LoadAction action;
    action.task = task;
    action.mob = mob;
    action.item = item;
    action.maxLoad = maxLoad;
    action.probability = probability;
    return action;
}

bool shown(QWidget& form)
{
    form.show();
    return QTest::qWaitForWindowExposed(&form);
}

void clickEntry(QListWidget* list, int row)
{
    QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

/// Clicks a row of the table: the first without modifier, the others with Ctrl, in the cell of
/// `column` (any column selects the whole row).
void clickRows(NewListCtrlClass* list, std::initializer_list<int> rows, int column = 2)
{
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    for (int row : rows) {
        list->scrollToItem(list->topLevelItem(row));
        QRect rect = list->visualItemRect(list->topLevelItem(row));
        int x = list->header()->sectionViewportPosition(column) + 5;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, QPoint(x, rect.center().y()));
        modifiers = Qt::ControlModifier;
    }
}

QStringList rowTexts(const NewListCtrlClass* list, int row)
{
    QStringList cells;
    for (int column = 0; column < list->columnCount(); ++column)
        cells << list->topLevelItem(row)->text(column);
    return cells;
}

QStringList labelTexts(QWidget* form)
{
    QStringList texts;
    for (QLabel* label : form->findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

/// Answers the value form: notes title, explanation and shown value, types `typed`, presses `button`.
struct ValueAnswer {
    QString title;
    QString shownValue;
    QStringList labels;
};

std::function<void(QDialog*)> answerValue(ValueAnswer* seen, const QString& typed, const QString& button)
{
    return [seen, typed, button](QDialog* form) {
        seen->title = form->windowTitle();
        seen->labels = labelTexts(form);
        auto field = form->findChild<CNumberSpin*>();
        seen->shownValue = field->text();
        typeInto(field, typed);
        click(form, button);
    };
}

/// A zone of three rooms whose second bears the first one's Identifier.
World loadZone()
{
    World world;
    Room hall = roomNamed("Hall");
    hall.loads.push_back(loadOf(LoadAction::LoadMob, "guard", "", 2, 50));
    hall.loads.push_back(loadOf(LoadAction::EquipItem, "guard", "sword", 1, 100));
    hall.loads.back().equipPosition = "Wielded";
    Room yard = roomNamed("Yard");
    yard.loads.push_back(loadOf(LoadAction::LoadItem, "", "bucket", 3, 10));
    yard.loads.push_back(loadOf(LoadAction::PutItem, "", "water", 1, 100));
    yard.loads.back().container = "bucket";
    yard.loads.back().condition = 1;
    Room hall2 = roomNamed("Hall");
    hall2.loads.push_back(loadOf(LoadAction::LoadMob, "cook", "", 1, 100));
    hall2.loads.push_back(loadOf(LoadAction::GiveItem, "cook", "ladle", 1, 100));
    hall2.loads.push_back(loadOf(LoadAction::LoadItem, "", "pot", 4, 100));
    world.rooms = {hall, yard, hall2};
    return world;
}

} // namespace

class UtilityFormsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void descriptionFormTexts_data();
    void descriptionFormTexts();
    void roomDescriptionsOnePerSelectedEntry();
    void exitDescriptionsEveryExitIntoSelectedRooms();

    void loadListRows();
    void emptyLoadListButtonsDoNothing();
    void changeMaxOnSeveralRows();
    void changeProbabilityAcceptsAbove100();
    void invalidValueAsksAgain();
    void deleteRemovesFirstSelectedOnly();
    void rowsOfARoomSharingItsIdentifier();
};

void UtilityFormsTest::initTestCase()
{
    static PrivateSettings settings;
    Q_UNUSED(settings);
}

void UtilityFormsTest::descriptionFormTexts_data()
{
    QTest::addColumn<bool>("exits");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("textLabel");
    QTest::addColumn<QString>("setButton");

    QTest::newRow("rooms") << false << QStringLiteral("Set Room Description for a Room or Rooms")
                           << QStringLiteral("New Room Description:") << QStringLiteral("Set Room Description");
    QTest::newRow("exits") << true << QStringLiteral("Set All Exit Descriptions Going to a Particular Room or Rooms")
                           << QStringLiteral("New Exit Description:") << QStringLiteral("Set Exit Description");
}

void UtilityFormsTest::descriptionFormTexts()
{
    QFETCH(bool, exits);
    QFETCH(QString, title);
    QFETCH(QString, textLabel);
    QFETCH(QString, setButton);
    World world;
    world.rooms = {roomNamed("Hall"), roomNamed(""), roomNamed("Yard")};
    ScriptedMessages messages;
    CSetDescriptionsDialog form(exits ? CSetDescriptionsDialog::Target::Exits : CSetDescriptionsDialog::Target::Rooms,
                                world, messages);

    QCOMPARE(form.windowTitle(), title);
    QCOMPARE(labelTexts(&form), (QStringList{QStringLiteral("Select the room(s) to be effected by the change:"), textLabel}));
    for (const char* button : {"Format-60", "Format-80", "Close"})
        QVERIFY(buttonOf(&form, QString::fromLatin1(button)) != nullptr);
    QVERIFY(buttonOf(&form, setButton) != nullptr);
    // Every room Identifier in array order, the empty one included.
    QCOMPARE(form.roomList()->count(), 3);
    QCOMPARE(form.roomList()->item(0)->text(), QStringLiteral("Hall"));
    QCOMPARE(form.roomList()->item(1)->text(), QString());
    QCOMPARE(form.roomList()->item(2)->text(), QStringLiteral("Yard"));
}

void UtilityFormsTest::roomDescriptionsOnePerSelectedEntry()
{
    World world;
    world.rooms = {roomNamed("Hall"), roomNamed("Hall"), roomNamed("Hall"), roomNamed("Yard"), roomNamed("Cellar")};
    for (Room& room : world.rooms)
        room.description = "Old.\r\n";
    ScriptedMessages messages;
    CSetDescriptionsDialog form(CSetDescriptionsDialog::Target::Rooms, world, messages);
    QVERIFY(shown(form));

    // The first two "Hall" entries and "Yard".
    clickEntry(form.roomList(), 0);
    clickEntry(form.roomList(), 1);
    clickEntry(form.roomList(), 3);
    form.descriptionField()->setFocus();
    QTest::keyClicks(form.descriptionField(), QStringLiteral("A bare hall."));
    QTest::keyClick(form.descriptionField(), Qt::Key_Return);
    QTest::keyClicks(form.descriptionField(), QStringLiteral("Cold."));
    click(&form, QStringLiteral("Set Room Description"));

    QCOMPARE(messages.messages, std::vector<std::string>{"3 Room Descriptions successfully set."});
    const std::string set = "A bare hall.\r\nCold.";
    QCOMPARE(world.rooms[0].description, set);
    QCOMPARE(world.rooms[1].description, set);
    QCOMPARE(world.rooms[2].description, std::string("Old.\r\n"));
    QCOMPARE(world.rooms[3].description, set);
    QCOMPARE(world.rooms[4].description, std::string("Old.\r\n"));
    QVERIFY(form.isVisible());

    // A click takes an entry out of the choice again.
    clickEntry(form.roomList(), 0);
    clickEntry(form.roomList(), 1);
    click(&form, QStringLiteral("Set Room Description"));
    QCOMPARE(messages.messages.back(), std::string("1 Room Descriptions successfully set."));
}

void UtilityFormsTest::exitDescriptionsEveryExitIntoSelectedRooms()
{
    World world;
    world.rooms = {roomNamed("Hall"), roomNamed("Yard"), roomNamed("Cellar"), roomNamed(""), roomNamed("Attic")};
    world.rooms[0].exits[1].target = "Yard";
    world.rooms[0].exits[4].target = "Cellar";
    world.rooms[2].exits[5].target = "Hall";
    world.rooms[2].exits[6].target = "Yard";
    world.rooms[1].exits[3].target = "Hall";
    ScriptedMessages messages;
    CSetDescriptionsDialog form(CSetDescriptionsDialog::Target::Exits, world, messages);
    QVERIFY(shown(form));

    clickEntry(form.roomList(), 1); // Yard
    clickEntry(form.roomList(), 3); // the room without an Identifier: unused exits do not lead there
    typeInto(form.descriptionField(), QStringLiteral("A gate."));
    click(&form, QStringLiteral("Set Exit Description"));

    QCOMPARE(messages.messages, std::vector<std::string>{"2 Exit Descriptions successfully set."});
    QCOMPARE(world.rooms[0].exits[1].description, std::string("A gate."));
    QCOMPARE(world.rooms[2].exits[6].description, std::string("A gate."));
    QCOMPARE(world.rooms[0].exits[4].description, std::string());
    QCOMPARE(world.rooms[0].exits[0].description, std::string());

    // A room that no exit leads to.
    clickEntry(form.roomList(), 1);
    clickEntry(form.roomList(), 3);
    clickEntry(form.roomList(), 4);
    click(&form, QStringLiteral("Set Exit Description"));
    QCOMPARE(messages.messages.back(), std::string("0 Exit Descriptions successfully set."));
}

void UtilityFormsTest::loadListRows()
{
    World world = loadZone();
    world.rooms[1].loads[0].condition = 5;
    world.rooms[1].loads.push_back(loadOf(9, "", "", 1, 100));
    world.rooms[1].loads.back().condition = 6;
    ScriptedMessages messages;
    CLoadListView form(world, messages);

    NewListCtrlClass* list = form.list();
    QCOMPARE(list->topLevelItemCount(), 8);
    auto row = [](std::initializer_list<const char*> cells) {
        QStringList out;
        for (const char* cell : cells)
            out << QString::fromLatin1(cell);
        return out;
    };
    QCOMPARE(rowTexts(list, 0), row({"Hall", "Always", "Mob: guard", "50%", "2", "0"}));
    QCOMPARE(rowTexts(list, 1), row({"Hall", "Always", "Item: sword, Mob: guard Equip: Wielded", "100%", "1", "1"}));
    QCOMPARE(rowTexts(list, 2), row({"Yard", "if last mob failed load", "Item: bucket", "10%", "3", "0"}));
    QCOMPARE(rowTexts(list, 3), row({"Yard", "if last loaded", "Item: water, Put in: bucket", "100%", "1", "1"}));
    QCOMPARE(rowTexts(list, 4), row({"Yard", "", "", "100%", "1", "2"}));
    QCOMPARE(rowTexts(list, 6), row({"Hall", "Always", "Item: ladle, Give to: cook", "100%", "1", "1"}));
}

void UtilityFormsTest::emptyLoadListButtonsDoNothing()
{
    World world;
    world.rooms = {roomNamed("Hall")};
    ScriptedMessages messages;
    CLoadListView form(world, messages);
    QVERIFY(shown(form));
    QCOMPARE(form.windowTitle(), QStringLiteral("Things Loaded in this Zone"));
    NewListCtrlClass* list = form.list();
    QStringList headings;
    QList<int> widths;
    for (int column = 0; column < list->columnCount(); ++column) {
        headings << list->headerItem()->text(column);
        widths << (list->isColumnHidden(column) ? 0 : list->columnWidth(column));
    }
    QCOMPARE(headings, strings({"Room Identifier", "Condition", "Task", "Chance", "Max", "Reference"}));
    QCOMPARE(widths, (QList<int>{110, 100, 220, 40, 35, 0}));
    QCOMPARE(list->topLevelItemCount(), 0);

    bool seen = false;
    QPointer<QTimer> watch = whenModal([](QDialog*) {}, &seen);
    for (const char* button : {"Change Prob", "Change Max", "Delete"})
        click(&form, QString::fromLatin1(button));
    QTest::qWait(30);
    delete watch;
    QVERIFY(!seen);
    QVERIFY(messages.messages.empty());
}

void UtilityFormsTest::changeMaxOnSeveralRows()
{
    World world = loadZone();
    ScriptedMessages messages;
    CLoadListView form(world, messages);
    QVERIFY(shown(form));

    clickRows(form.list(), {2, 0, 4});
    ValueAnswer seen;
    whenModal(answerValue(&seen, QStringLiteral("5"), QStringLiteral("OK")));
    click(&form, QStringLiteral("Change Max"));

    QCOMPARE(seen.title, QStringLiteral("Change Max Load"));
    QVERIFY(seen.labels.contains(
        QStringLiteral("This dialog will change the maximum load of the currently selected load(s).")));
    QVERIFY(seen.labels.contains(QStringLiteral("New Value:")));
    // The first selected row in the table, not the first clicked.
    QCOMPARE(seen.shownValue, QStringLiteral("2"));
    QCOMPARE(world.rooms[0].loads[0].maxLoad, 5);
    QCOMPARE(world.rooms[1].loads[0].maxLoad, 5);
    QCOMPARE(world.rooms[2].loads[0].maxLoad, 5);
    QCOMPARE(world.rooms[0].loads[1].maxLoad, 1);
    QCOMPARE(world.rooms[2].loads[2].maxLoad, 4);
    // The table shows the World again.
    QCOMPARE(form.list()->topLevelItem(4)->text(4), QStringLiteral("5"));
    QVERIFY(messages.messages.empty());
}

void UtilityFormsTest::changeProbabilityAcceptsAbove100()
{
    World world = loadZone();
    ScriptedMessages messages;
    CLoadListView form(world, messages);
    QVERIFY(shown(form));

    clickRows(form.list(), {2, 3});
    ValueAnswer seen;
    whenModal(answerValue(&seen, QStringLiteral("150"), QStringLiteral("OK")));
    click(&form, QStringLiteral("Change Prob"));

    QCOMPARE(seen.title, QStringLiteral("Change Load Probability"));
    QVERIFY(seen.labels.contains(
        QStringLiteral("This dialog will change the probability of the currently selected load(s).")));
    QCOMPARE(seen.shownValue, QStringLiteral("10"));
    QCOMPARE(world.rooms[1].loads[0].probability, 150);
    QCOMPARE(world.rooms[1].loads[1].probability, 150);
    QCOMPARE(world.rooms[0].loads[0].probability, 50);
    QCOMPARE(form.list()->topLevelItem(2)->text(3), QStringLiteral("150%"));
}

void UtilityFormsTest::invalidValueAsksAgain()
{
    World world = loadZone();
    const World before = world;
    ScriptedMessages messages;
    CLoadListView form(world, messages);
    QVERIFY(shown(form));
    clickRows(form.list(), {0, 1});

    ValueAnswer first;
    ValueAnswer second;
    bool stayedOpen = false;
    whenModal([&](QDialog* dialog) {
        // Not a number: the form says so and stays open with the focus on the field.
        auto field = dialog->findChild<CNumberSpin*>();
        typeInto(field, QStringLiteral("many"));
        click(dialog, QStringLiteral("OK"));
        stayedOpen = dialog->isVisible() && dialog->focusWidget() == field;
        answerValue(&first, QStringLiteral("0"), QStringLiteral("OK"))(dialog);
        // The form comes back after the message; this time the builder gives up.
        whenModal(answerValue(&second, QStringLiteral("7"), QStringLiteral("Cancel")));
    });
    click(&form, QStringLiteral("Change Max"));

    QVERIFY(stayedOpen);
    QCOMPARE(messages.messages, (std::vector<std::string>{"Please enter an integer.",
                                                          "Value entered was invalid.  Please enter a new value."}));
    QCOMPARE(second.title, QStringLiteral("Change Max Load"));
    for (std::size_t r = 0; r < world.rooms.size(); ++r)
        QCOMPARE(world.rooms[r].loads, before.rooms[r].loads);
}

void UtilityFormsTest::deleteRemovesFirstSelectedOnly()
{
    World world = loadZone();
    ScriptedMessages messages;
    CLoadListView form(world, messages);
    QVERIFY(shown(form));

    clickRows(form.list(), {5, 4, 6});
    click(&form, QStringLiteral("Delete"));

    // Row 4 (the cook) went; the ladle and the pot moved up.
    QCOMPARE(world.rooms[2].loads.size(), std::size_t(2));
    QCOMPARE(world.rooms[2].loads[0].item, std::string("ladle"));
    QCOMPARE(world.rooms[2].loads[1].item, std::string("pot"));
    QCOMPARE(world.rooms[0].loads.size(), std::size_t(2));
    QCOMPARE(form.list()->topLevelItemCount(), 6);
    QCOMPARE(form.list()->topLevelItem(5)->text(5), QStringLiteral("1"));
    QVERIFY(messages.messages.empty());
}

void UtilityFormsTest::rowsOfARoomSharingItsIdentifier()
{
    // The third room bears the first one's Identifier and has the longer load list: its rows
    // change its own loads, never the first room's, and never past the end of a list.
    World world = loadZone();
    ScriptedMessages messages;
    CLoadListView form(world, messages);
    QVERIFY(shown(form));

    clickRows(form.list(), {6});
    whenModal([](QDialog* dialog) {
        typeInto(dialog->findChild<CNumberSpin*>(), QStringLiteral("9"));
        click(dialog, QStringLiteral("OK"));
    });
    click(&form, QStringLiteral("Change Max"));
    QCOMPARE(world.rooms[2].loads[2].maxLoad, 9);
    QCOMPARE(world.rooms[0].loads.size(), std::size_t(2));
    QCOMPARE(world.rooms[0].loads[0].maxLoad, 2);
    QCOMPARE(world.rooms[0].loads[1].maxLoad, 1);

    clickRows(form.list(), {6});
    click(&form, QStringLiteral("Delete"));
    QCOMPARE(world.rooms[2].loads.size(), std::size_t(2));
    QCOMPARE(world.rooms[0].loads.size(), std::size_t(2));
    QVERIFY(messages.messages.empty());
}

QTEST_MAIN(UtilityFormsTest)
#include "UtilityFormsTest.moc"
