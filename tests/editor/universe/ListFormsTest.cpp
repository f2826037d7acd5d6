// The drop-down fillers, the pick list, the sortable report list and the spell list.

#include <QHeaderView>
#include <QListWidget>
#include <QtTest>

#include "app/Questions.h"
#include "editor/app/EditorTestSupport.h"
#include "settings/CSettingsStore.h"
#include "universe/CPickList.h"
#include "universe/CSpellListDialog.h"
#include "universe/ComboFill.h"
#include "universe/NewListCtrlClass.h"
#include "universe/Universe.h"
#include "world/World.h"

using namespace tarnholt;
using namespace tarnholt::test;

namespace {

QStringList entries(const QComboBox& combo)
{
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts << combo.itemText(i);
    return texts;
}

/// Double-clicks the entry `text` of a shown pick list as a mouse does: a click, then the double click.
void doubleClickEntry(CPickList& form, const char* text)
{
    auto* list = form.findChild<QListWidget*>();
    const QPoint at = list->visualItemRect(list->findItems(qt(text), Qt::MatchExactly).front()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

/// A list of two columns; each row is "name|tag".
void fill(NewListCtrlClass& list, const QStringList& rows)
{
    list.addColumn(qt("Name"), 120);
    list.addColumn(qt("Tag"), 80);
    for (const QString& row : rows) {
        auto item = new QTreeWidgetItem(&list);
        item->setText(0, row.section(QLatin1Char('|'), 0, 0));
        item->setText(1, row.section(QLatin1Char('|'), 1, 1));
    }
}

QStringList column(const NewListCtrlClass& list, int c)
{
    QStringList texts;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        texts << list.topLevelItem(i)->text(c);
    return texts;
}

void clickHeader(NewListCtrlClass& list, int c)
{
    QHeaderView* header = list.header();
    QPoint at(header->sectionViewportPosition(c) + header->sectionSize(c) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

} // namespace

class ListFormsTest : public QObject {
    Q_OBJECT

private slots:
    void fillSelectsEqualEntryFirst_data()
    {
        QTest::addColumn<QStringList>("source");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("shown");
        QTest::newRow("equal entry after a longer one") << strings({"guardian", "guard"}) << qt("guard") << qt("guard");
        QTest::newRow("case differs: equal wins") << strings({"Guard", "guard"}) << qt("guard") << qt("guard");
        QTest::newRow("no equal: prefix ignoring case") << strings({"Smith", "Guardian", "guards"}) << qt("guard")
                                                        << qt("Guardian");
        QTest::newRow("empty value: the empty entry") << strings({"guard"}) << QString() << QString();
    }

    void fillSelectsEqualEntryFirst()
    {
        QFETCH(QStringList, source);
        QFETCH(QString, current);
        QFETCH(QString, shown);
        World world;
        for (const QString& identifier : source)
            world.mobs.emplace_back().identifier = identifier.toStdString();
        QComboBox combo;
        ComboFill::mobs(&combo, world, current.toStdString());
        QCOMPARE(entries(combo), QStringList{QString()} + source);
        QCOMPARE(combo.currentText(), shown);
        QCOMPARE(ComboFill::chosen(&combo), shown.toStdString());
    }

    void fillKeepsUnknownReferenceAndKeysOnly()
    {
        // A reference to a room outside the zone (or one deleted) must survive a page that only shows it.
        World world;
        world.rooms.emplace_back().identifier = "hall";
        QComboBox combo;
        ComboFill::rooms(&combo, world, "#3050 the gate");
        QCOMPARE(entries(combo), (QStringList{QString(), qt("hall"), qt("#3050 the gate")}));
        QCOMPARE(ComboFill::chosen(&combo), std::string("#3050 the gate"));
        // Filling again with a known value does not carry the old extra entry along.
        ComboFill::rooms(&combo, world, "hall");
        QCOMPARE(entries(combo), (QStringList{QString(), qt("hall")}));

        for (const auto& [identifier, type] : {std::pair{"brass key", "Key"}, std::pair{"torch", "Light"},
                                               std::pair{"iron key", "Key"}}) {
            world.items.emplace_back().identifier = identifier;
            world.items.back().itemType = type;
        }
        ComboFill::keys(&combo, world, "iron key");
        QCOMPARE(entries(combo), (QStringList{QString(), qt("brass key"), qt("iron key")}));
        QCOMPARE(combo.currentIndex(), 2);
        ComboFill::items(&combo, world, "");
        QCOMPARE(combo.count(), 4);
    }

    void pickListOrderUseAndDoubleClick()
    {
        ScriptedQuestions questions;
        CPickList form(questions);
        QCOMPARE(form.windowTitle(), qt("Select an item to copy from"));
        QVERIFY(labelTexts(&form).contains(qt("Copy from the following selected item:")));
        form.setTitle("Select a room to copy from");
        form.setPrompt("Select one of the following rooms to copy from:");
        form.setEntries({"temple", "Altar", "bridge", "#3001"});
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* list = form.findChild<QListWidget*>();
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        QCOMPARE(shown, strings({"#3001", "Altar", "bridge", "temple"}));
        QCOMPARE(form.windowTitle(), qt("Select a room to copy from"));
        QVERIFY(labelTexts(&form).contains(qt("Select one of the following rooms to copy from:")));

        // "Use" is clicked by the editors' own tests; a double click also chooses.
        doubleClickEntry(form, "bridge");
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.choice(), std::optional<std::string>("bridge"));
    }

    void pickListRefusesUseWithoutSelection()
    {
        // Also with nothing to offer: the form can then only be cancelled.
        for (const std::vector<std::string>& offered : {std::vector<std::string>{"a", "b"}, std::vector<std::string>{}}) {
            ScriptedQuestions questions;
            CPickList form(questions);
            form.setEntries(offered);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            click(&form, "Use");
            QCOMPARE(questions.messages, std::vector<std::string>{"You must select an entry before exiting."});
            QVERIFY(form.isVisible());
            click(&form, "Cancel");
            QCOMPARE(form.result(), int(QDialog::Rejected));
            QVERIFY(!form.choice().has_value());
        }
    }

    void initTestCase()
    {
        static PrivateSettings settings; // the lists leave their column widths in the store
    }

    void headerClicksToggle()
    {
        NewListCtrlClass list;
        fill(list, strings({"b|2", "c|1", "a|3"}));
        list.show();
        QCOMPARE(column(list, 0), strings({"b", "c", "a"})); // unsorted until a header is clicked
        clickHeader(list, 0);
        QCOMPARE(column(list, 0), strings({"a", "b", "c"}));
        clickHeader(list, 0);
        QCOMPARE(column(list, 0), strings({"c", "b", "a"}));
        clickHeader(list, 1); // another column starts ascending again
        QCOMPARE(column(list, 1), strings({"1", "2", "3"}));
    }

    void sortOrder_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QStringList>("expected");
        // Folded to lower case "Zed" comes after "_x" (0x5F), which an unfolded order would reverse;
        // "é" (0xE9) comes after every ASCII letter; rows equal but for case keep their order.
        const QStringList rows = strings({"b|first b", "Zed|", "B|second b", "éa|", "_x|", "a|", "bb|"});
        QTest::newRow("ascending") << rows << true << strings({"_x", "a", "b", "B", "bb", "Zed", "éa"});
        QTest::newRow("descending") << rows << false << strings({"éa", "Zed", "bb", "b", "B", "a", "_x"});
        QTest::newRow("numbers as text") << strings({"10|", "9|", "100|", "1|"}) << true << strings({"1", "10", "100", "9"});
    }

    void sortOrder()
    {
        QFETCH(QStringList, rows);
        QFETCH(bool, ascending);
        QFETCH(QStringList, expected);
        NewListCtrlClass list;
        fill(list, rows);
        list.sortBy(0, ascending);
        QCOMPARE(column(list, 0), expected);
    }

    void sortKeepsSelection()
    {
        NewListCtrlClass list;
        list.setSelectionMode(QAbstractItemView::ExtendedSelection);
        fill(list, strings({"c|", "a|", "b|"}));
        list.topLevelItem(0)->setSelected(true);
        list.topLevelItem(2)->setSelected(true);
        list.setCurrentItem(list.topLevelItem(2), 0, QItemSelectionModel::NoUpdate);
        list.sortBy(0, true);
        std::vector<QTreeWidgetItem*> selected = list.selectedRows();
        QCOMPARE(selected.size(), std::size_t(2));
        QCOMPARE(selected[0]->text(0) + selected[1]->text(0), qt("bc"));
        QCOMPARE(list.currentItem()->text(0), qt("b"));
    }

    void columnWidthsSaved()
    {
        {
            NewListCtrlClass list;
            list.addColumn(qt("Room"), 110);
            list.addColumn(qt("Task"), 220);
            list.addColumn(qt("Hidden"), 0);
            list.setColumnWidth(1, 250); // dragged wider by the builder
            list.setRegistryKey(qt("Test Lists"));
            NewListCtrlClass unsaved; // a list without a key leaves nothing behind
            unsaved.addColumn(qt("Room"), 90);
        }
        auto store = CSettingsStore::open();
        QCOMPARE(store->childGroups(), strings({"Test Lists"}));
        store->beginGroup(qt("Test Lists"));
        QCOMPARE(store->childKeys(), strings({"Column0", "Column1", "Column2"}));
        QStringList widths;
        for (const QString& key : store->childKeys())
            widths << store->value(key).toString();
        QCOMPARE(widths, strings({"110", "250", "0"}));
    }

    void spellList()
    {
        Universe universe;
        CSpellListDialog form(universe);
        form.show();
        NewListCtrlClass* list = form.list();
        QCOMPARE(form.windowTitle(), qt("Spell Number List"));
        QCOMPARE(list->headerItem()->text(0) + qt("|") + list->headerItem()->text(1), qt("Spell Name|Spell Number"));
        QCOMPARE(list->topLevelItemCount(), 96);
        QCOMPARE(list->topLevelItem(0)->text(0) + qt("|") + list->topLevelItem(0)->text(1), qt("Aerial Servant|1"));
        const QStringList names = column(*list, 0);
        QVERIFY(std::is_sorted(names.begin(), names.end(), NewListCtrlClass::textLess));
        clickHeader(*list, 1); // the headers do not sort
        QCOMPARE(column(*list, 0), names);
    }
};

QTEST_MAIN(ListFormsTest)
#include "ListFormsTest.moc"
