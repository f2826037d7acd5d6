// The two bulk description forms and the load list with its value form, used as a builder does:
// rows and entries are clicked (Ctrl adds to the choice), numbers typed, buttons pressed.

#include <QHeaderView>
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

/// A zone of three rooms whose third bears the first one's Identifier and has the longer load list.
World loadZone()
{
    World world;
    world.rooms = {roomNamed("Hall"), roomNamed("Yard"), roomNamed("Hall")};
    world.rooms[0].loads = {loadOf(LoadAction::LoadMob, "guard", "", 2, 50), loadOf(LoadAction::EquipItem, "guard", "sword")};
    world.rooms[0].loads[1].equipPosition = "Wielded";
    world.rooms[1].loads = {loadOf(LoadAction::LoadItem, "", "bucket", 3, 10), loadOf(LoadAction::PutItem, "", "water")};
    world.rooms[1].loads[1].container = "bucket";
    world.rooms[1].loads[1].condition = 1;
    world.rooms[2].loads = {loadOf(LoadAction::LoadMob, "cook", ""), loadOf(LoadAction::GiveItem, "cook", "ladle"),
                            loadOf(LoadAction::LoadItem, "", "pot", 4)};
    return world;
}

/// Every load's maximum, or probability, in table order.
QStringList loadValues(const World& world, bool probability)
{
    QStringList values;
    for (const Room& room : world.rooms)
        for (const LoadAction& action : room.loads)
            values << QString::number(probability ? action.probability : action.maxLoad);
    return values;
}

/// The header and every row of the table, cells joined by '|'.
QStringList tableTexts(const NewListCtrlClass* list)
{
    QStringList rows;
    for (int row = -1; row < list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = row < 0 ? list->headerItem() : list->topLevelItem(row);
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column)
            cells << item->text(column);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

void clickEntry(QListWidget* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(row)).center());
}

/// Clicks rows of the table: the first without modifier, the others with Ctrl, in the "Task"
/// column (any column selects the whole row).
void clickRows(NewListCtrlClass* list, QList<int> rows)
{
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    for (int row : rows) {
        list->scrollToItem(list->topLevelItem(row));
        const int x = list->header()->sectionViewportPosition(2) + 5;
        const int y = list->visualItemRect(list->topLevelItem(row)).center().y();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, QPoint(x, y));
        modifiers = Qt::ControlModifier;
    }
}

/// A load list form on `world`, shown.
struct LoadList {
    ScriptedMessages messages;
    CLoadListView form;
    explicit LoadList(World& world) : form(world, messages)
    {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            qWarning("the load list was not shown");
    }
};

/// Answers the value form: types `typed` and presses `button`; notes what it showed.
struct ValueAnswer {
    QString title, shownValue;
    QStringList labels;
};

std::function<void(QDialog*)> answerValue(ValueAnswer* seen, const char* typed, const char* button = "OK")
{
    return [seen, typed, button](QDialog* form) {
        seen->title = form->windowTitle();
        seen->labels = labelTexts(form);
        auto field = form->findChild<CNumberSpin*>();
        seen->shownValue = field->text();
        typeInto(field, qt(typed));
        click(form, button);
    };
}

} // namespace

class UtilityFormsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        static PrivateSettings settings; // the tables leave their column widths in the store
    }

    void descriptionForms()
    {
        // Which rooms and exits take the text is the core's; here the form's words, choice and text.
        struct Row {
            bool exits;
            const char *title, *textLabel, *setButton, *message;
        };
        for (const Row& row : {Row{false, "Set Room Description for a Room or Rooms", "New Room Description:",
                                   "Set Room Description", "2 Room Descriptions successfully set."},
                               Row{true, "Set All Exit Descriptions Going to a Particular Room or Rooms",
                                   "New Exit Description:", "Set Exit Description", "3 Exit Descriptions successfully set."}}) {
            World world;
            world.rooms = {roomNamed("Hall"), roomNamed("Yard"), roomNamed("Hall"), roomNamed(""), roomNamed("Attic")};
            world.rooms[0].exits.edit(1).target = world.rooms[2].exits.edit(6).target = "Yard";
            world.rooms[1].exits.edit(3).target = "Hall";
            world.rooms[0].exits.edit(4).target = "Attic";
            ScriptedMessages messages;
            CSetDescriptionsDialog form(row.exits ? CSetDescriptionsDialog::Target::Exits : CSetDescriptionsDialog::Target::Rooms,
                                        world, messages);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            QCOMPARE(form.windowTitle(), qt(row.title));
            QCOMPARE(labelTexts(&form), (QStringList{qt("Select the room(s) to be effected by the change:"), qt(row.textLabel)}));
            for (const char* button : {"Format-60", "Format-80", "Close", row.setButton})
                QVERIFY2(buttonOf(&form, qt(button)) != nullptr, button);
            QStringList entries; // every room Identifier in array order, the empty one included
            for (int i = 0; i < form.roomList()->count(); ++i)
                entries << form.roomList()->item(i)->text();
            QCOMPARE(entries, strings({"Hall", "Yard", "Hall", "", "Attic"}));

            for (int entry : {0, 1, 4, 4}) // a second click takes an entry out of the choice again
                clickEntry(form.roomList(), entry);
            form.descriptionField()->setFocus();
            QTest::keyClicks(form.descriptionField(), qt("A gate."));
            QTest::keyClick(form.descriptionField(), Qt::Key_Return);
            QTest::keyClicks(form.descriptionField(), qt("Cold."));
            click(&form, row.setButton);

            QCOMPARE(messages.messages, std::vector<std::string>{row.message});
            QCOMPARE(row.exits ? world.rooms[2].exits[6].description : world.rooms[1].description,
                     std::string("A gate.\r\nCold."));
            QVERIFY(form.isVisible()); // the form stays open for the next setting
        }
    }

    void loadListRowsAndEmptyList()
    {
        World world = loadZone();
        world.rooms[1].loads[0].condition = 5;
        world.rooms[1].loads.push_back(loadOf(9, "", ""));
        world.rooms[1].loads.back().condition = 6;
        LoadList view(world);
        NewListCtrlClass* list = view.form.list();
        QCOMPARE(view.form.windowTitle(), qt("Things Loaded in this Zone"));
        QCOMPARE(tableTexts(list), strings({"Room Identifier|Condition|Task|Chance|Max|Reference", "Hall|Always|Mob: guard|50%|2|0",
                                "Hall|Always|Item: sword, Mob: guard Equip: Wielded|100%|1|1",
                                "Yard|if last mob failed load|Item: bucket|10%|3|0",
                                "Yard|if last loaded|Item: water, Put in: bucket|100%|1|1", "Yard|||100%|1|2",
                                "Hall|Always|Mob: cook|100%|1|0", "Hall|Always|Item: ladle, Give to: cook|100%|1|1",
                                "Hall|Always|Item: pot|100%|4|2"}));
        QVERIFY(list->isColumnHidden(5));

        // On an empty list the buttons do nothing.
        World empty;
        LoadList none(empty);
        QVERIFY(!opensAForm([&] {
            for (const char* button : {"Change Prob", "Change Max", "Delete"})
                click(&none.form, button);
        }));
        QVERIFY(none.messages.messages.empty());
    }

    void changeValuesOfSeveralRows()
    {
        struct Row {
            const char *button, *typed, *title, *explanation;
            QList<int> rows;
            const char* shown; // of the first selected row in the table, not the first clicked
            QStringList after;
        };
        for (const Row& row :
             {Row{"Change Max", "5", "Change Max Load",
                  "This dialog will change the maximum load of the currently selected load(s).", {2, 0, 4}, "2",
                  strings({"5", "1", "5", "1", "5", "1", "4"})},
              Row{"Change Prob", "150", "Change Load Probability", // above 100 too
                  "This dialog will change the probability of the currently selected load(s).", {2, 3}, "10",
                  strings({"50", "100", "150", "150", "100", "100", "100"})}}) {
            const bool probability = row.button == std::string("Change Prob");
            World world = loadZone();
            LoadList view(world);
            clickRows(view.form.list(), row.rows);
            ValueAnswer seen;
            whenModal(answerValue(&seen, row.typed));
            click(&view.form, row.button);

            QCOMPARE(seen.title, qt(row.title));
            QCOMPARE(seen.labels, (QStringList{qt(row.explanation), qt("New Value:")}));
            QCOMPARE(seen.shownValue, qt(row.shown));
            QCOMPARE(loadValues(world, probability), row.after);
            // The table shows the World again.
            QCOMPARE(view.form.list()->topLevelItem(row.rows[0])->text(probability ? 3 : 4),
                     row.after[row.rows[0]] + qt(probability ? "%" : ""));
            QVERIFY(view.messages.messages.empty());
        }
    }

    void invalidValueAsksAgain()
    {
        World world = loadZone();
        const World before = world;
        LoadList view(world);
        clickRows(view.form.list(), {0, 1});
        ValueAnswer first, second;
        bool stayedOpen = false;
        whenModal([&](QDialog* dialog) {
            // Not a number: the form says so and stays open with the focus on the field.
            auto field = dialog->findChild<CNumberSpin*>();
            typeInto(field, qt("many"));
            click(dialog, "OK");
            stayedOpen = dialog->isVisible() && dialog->focusWidget() == field;
            answerValue(&first, "0")(dialog);
            // The form comes back after the message; this time the builder gives up.
            whenModal(answerValue(&second, "7", "Cancel"));
        });
        click(&view.form, "Change Max");
        QVERIFY(stayedOpen);
        QCOMPARE(view.messages.messages,
                 (std::vector<std::string>{"Please enter an integer.", "Value entered was invalid.  Please enter a new value."}));
        QCOMPARE(second.title, qt("Change Max Load"));
        QCOMPARE(loadValues(world, false), loadValues(before, false));
    }

    void deleteRemovesFirstSelectedOnly()
    {
        World world = loadZone();
        LoadList view(world);
        clickRows(view.form.list(), {5, 4, 6});
        click(&view.form, "Delete");
        // Row 4 (the cook) went; the ladle and the pot moved up.
        QCOMPARE(world.rooms[2].loads.size(), std::size_t(2));
        QCOMPARE(world.rooms[2].loads[0].item + world.rooms[2].loads[1].item, std::string("ladlepot"));
        QCOMPARE(view.form.list()->topLevelItemCount(), 6);
        QCOMPARE(view.form.list()->topLevelItem(5)->text(5), qt("1"));

        // The third room's last row changes its own loads, never those of the first room (which
        // bears the same Identifier), and never past the end of a list.
        clickRows(view.form.list(), {5});
        ValueAnswer seen;
        whenModal(answerValue(&seen, "9"));
        click(&view.form, "Change Max");
        QCOMPARE(loadValues(world, false), strings({"2", "1", "3", "1", "1", "9"}));
        clickRows(view.form.list(), {5});
        click(&view.form, "Delete");
        QVERIFY(world.rooms[2].loads.size() == 1 && world.rooms[0].loads.size() == 2);
        QVERIFY(view.messages.messages.empty());
    }
};

QTEST_MAIN(UtilityFormsTest)
#include "UtilityFormsTest.moc"
