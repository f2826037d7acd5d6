// The sortable report list and the spell list: header clicks, the order rows take, whole-row
// selection and the column widths left in the settings store.

#include <QHeaderView>
#include <QSettings>
#include <QtTest>

#include "editor/app/EditorTestSupport.h"
#include "settings/CSettingsStore.h"
#include "universe/CSpellListDialog.h"
#include "universe/NewListCtrlClass.h"
#include "universe/Universe.h"

using namespace tarnholt;
using namespace tarnholt::test;

namespace {

/// A list of two columns; each row is "name|tag".
void fill(NewListCtrlClass& list, const QStringList& rows)
{
    list.addColumn(QStringLiteral("Name"), 120);
    list.addColumn(QStringLiteral("Tag"), 80);
    for (const QString& row : rows) {
        auto item = new QTreeWidgetItem(&list);
        const QStringList cells = row.split(QLatin1Char('|'));
        item->setText(0, cells.value(0));
        item->setText(1, cells.value(1));
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

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

class ListControlTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void headerClicksToggle();
    void sortOrder_data();
    void sortOrder();
    void sortKeepsSelection();
    void clickInAnyColumnSelectsRow();
    void columnWidthsSaved();
    void spellList();

private:
    PrivateSettings* settings_ = nullptr;
};

void ListControlTest::initTestCase()
{
    settings_ = new PrivateSettings;
}

void ListControlTest::headerClicksToggle()
{
    NewListCtrlClass list;
    fill(list, {text("b|2"), text("c|1"), text("a|3")});
    list.show();
    QCOMPARE(list.lastSortColumn(), -1);
    QCOMPARE(column(list, 0), strings({"b", "c", "a"}));

    clickHeader(list, 0);
    QCOMPARE(list.lastSortColumn(), 0);
    QVERIFY(list.ascending());
    QCOMPARE(column(list, 0), strings({"a", "b", "c"}));

    clickHeader(list, 0);
    QVERIFY(!list.ascending());
    QCOMPARE(column(list, 0), strings({"c", "b", "a"}));

    // Another column starts ascending again, whatever the last direction was.
    clickHeader(list, 1);
    QCOMPARE(list.lastSortColumn(), 1);
    QVERIFY(list.ascending());
    QCOMPARE(column(list, 1), strings({"1", "2", "3"}));
    QCOMPARE(column(list, 0), strings({"c", "b", "a"}));
}

void ListControlTest::sortOrder_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<QStringList>("expected");

    // Folded to lower case "Zed" comes after "_x" (0x5F), which an unfolded order would reverse;
    // "é" (0xE9) comes after every ASCII letter; rows equal but for case keep their order.
    const QStringList rows = {text("b|first b"), text("Zed|"), text("B|second b"), text("éa|"), text("_x|"),
                              text("a|"), text("bb|")};
    QTest::newRow("ascending") << rows << true
                               << QStringList{text("_x"), text("a"), text("b"), text("B"), text("bb"), text("Zed"),
                                              text("éa")};
    QTest::newRow("descending") << rows << false
                                << QStringList{text("éa"), text("Zed"), text("bb"), text("b"), text("B"), text("a"),
                                               text("_x")};
    QTest::newRow("numbers as text") << QStringList{text("10|"), text("9|"), text("100|"), text("1|")} << true
                                     << QStringList{text("1"), text("10"), text("100"), text("9")};
}

void ListControlTest::sortOrder()
{
    QFETCH(QStringList, rows);
    QFETCH(bool, ascending);
    QFETCH(QStringList, expected);
    NewListCtrlClass list;
    fill(list, rows);
    list.sortBy(0, ascending);
    QCOMPARE(column(list, 0), expected);
    QCOMPARE(list.ascending(), ascending);
}

void ListControlTest::sortKeepsSelection()
{
    NewListCtrlClass list;
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    fill(list, {text("c|"), text("a|"), text("b|")});
    list.topLevelItem(0)->setSelected(true);
    list.topLevelItem(2)->setSelected(true);
    list.setCurrentItem(list.topLevelItem(2), 0, QItemSelectionModel::NoUpdate);

    list.sortBy(0, true);
    std::vector<QTreeWidgetItem*> selected = list.selectedRows();
    QCOMPARE(selected.size(), std::size_t(2));
    QCOMPARE(selected[0]->text(0), text("b"));
    QCOMPARE(selected[1]->text(0), text("c"));
    QCOMPARE(list.currentItem()->text(0), text("b"));
}

void ListControlTest::clickInAnyColumnSelectsRow()
{
    NewListCtrlClass list;
    fill(list, {text("a|one"), text("b|two"), text("c|three")});
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));

    QRect row = list.visualItemRect(list.topLevelItem(1));
    QPoint inTag(list.header()->sectionViewportPosition(1) + 10, row.center().y());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, inTag);

    QCOMPARE(list.selectedRows().size(), std::size_t(1));
    QCOMPARE(list.selectedRows()[0]->text(0), text("b"));
    QCOMPARE(list.currentItem(), list.topLevelItem(1));
    QVERIFY(list.selectionModel()->isRowSelected(1, QModelIndex()));
}

void ListControlTest::columnWidthsSaved()
{
    {
        NewListCtrlClass list;
        list.addColumn(QStringLiteral("Room"), 110);
        list.addColumn(QStringLiteral("Task"), 220);
        list.addColumn(QStringLiteral("Hidden"), 0);
        list.setColumnWidth(1, 250); // dragged wider by the builder
        list.setRegistryKey(QStringLiteral("Test Lists"));
    }
    {
        NewListCtrlClass unsaved;
        unsaved.addColumn(QStringLiteral("Room"), 90);
    }
    auto store = CSettingsStore::open();
    store->beginGroup(QStringLiteral("Test Lists"));
    QCOMPARE(store->childKeys().size(), 3);
    QCOMPARE(store->value(QStringLiteral("Column0")).toInt(), 110);
    QCOMPARE(store->value(QStringLiteral("Column1")).toInt(), 250);
    QCOMPARE(store->value(QStringLiteral("Column2")).toInt(), 0);
    store->endGroup();
    // A list without a key leaves nothing behind.
    QCOMPARE(store->childGroups(), strings({"Test Lists"}));
}

void ListControlTest::spellList()
{
    Universe universe;
    CSpellListDialog form(universe);
    form.show();
    NewListCtrlClass* list = form.list();

    QCOMPARE(form.windowTitle(), text("Spell Number List"));
    QCOMPARE(list->headerItem()->text(0), text("Spell Name"));
    QCOMPARE(list->headerItem()->text(1), text("Spell Number"));
    QCOMPARE(list->columnWidth(0), 200);
    QCOMPARE(list->columnWidth(1), 120);
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(list->topLevelItemCount(), 96);
    QCOMPARE(list->topLevelItem(0)->text(0), text("Aerial Servant"));
    QCOMPARE(list->topLevelItem(0)->text(1), text("1"));
    for (int i = 1; i < list->topLevelItemCount(); ++i)
        QVERIFY(!NewListCtrlClass::textLess(list->topLevelItem(i)->text(0), list->topLevelItem(i - 1)->text(0)));
    // Every spell of the table, with its own number.
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const std::string name = list->topLevelItem(i)->text(0).toStdString();
        QCOMPARE(list->topLevelItem(i)->text(1).toStdString(), universe.spellNumberText(name));
    }

    // The headers do not sort.
    const QStringList before = column(*list, 0);
    clickHeader(*list, 0);
    clickHeader(*list, 1);
    QCOMPARE(column(*list, 0), before);
}

QTEST_MAIN(ListControlTest)
#include "ListControlTest.moc"
