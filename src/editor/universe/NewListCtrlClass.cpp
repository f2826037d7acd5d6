#include "universe/NewListCtrlClass.h"

#include <QHeaderView>
#include <QSettings>

#include <algorithm>
#include <string>

#include "app/CText.h"
#include "settings/CSettingsStore.h"

namespace tarnholt {

namespace {

unsigned char folded(char c)
{
    auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

bool foldedLess(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return folded(x) < folded(y); });
}

} // namespace

NewListCtrlClass::NewListCtrlClass(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setTextElideMode(Qt::ElideRight);
    setColumnCount(0);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setMinimumSectionSize(0);
    // Sorting is ours, not the view's: the view's own sort is neither stable nor byte ordered.
    setSortingEnabled(false);
    header()->setSectionsClickable(true);
    connect(header(), &QHeaderView::sectionClicked, this, &NewListCtrlClass::headerClicked);
}

NewListCtrlClass::~NewListCtrlClass()
{
    saveColumnWidths();
}

int NewListCtrlClass::addColumn(const QString& heading, int width)
{
    const int column = columnCount();
    setColumnCount(column + 1);
    QTreeWidgetItem* head = headerItem();
    head->setText(column, heading);
    if (width <= 0) {
        setColumnHidden(column, true);
    } else {
        setColumnWidth(column, width);
    }
    return column;
}

void NewListCtrlClass::setHeaderSorting(bool enabled)
{
    header()->setSectionsClickable(enabled);
    if (!enabled)
        header()->setSortIndicatorShown(false);
}

void NewListCtrlClass::headerClicked(int column)
{
    if (!header()->sectionsClickable() || column < 0 || column >= columnCount())
        return;
    sortBy(column, column == sortColumn_ ? !ascending_ : true);
}

bool NewListCtrlClass::textLess(const QString& a, const QString& b)
{
    return foldedLess(CText::toRecord(a), CText::toRecord(b));
}

void NewListCtrlClass::sortBy(int column, bool ascending)
{
    if (column < 0 || column >= columnCount())
        return;
    sortColumn_ = column;
    ascending_ = ascending;
    // The arrow tells which header sorted; a list whose headers do not sort shows none.
    header()->setSortIndicatorShown(header()->sectionsClickable());
    header()->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);

    // Rows leave the view while they are reordered, which drops their selection: keep it aside.
    QTreeWidgetItem* current = currentItem();
    const QList<QTreeWidgetItem*> selected = selectedItems();

    struct Row {
        std::string key;
        QTreeWidgetItem* item;
    };
    std::vector<Row> rows;
    const QList<QTreeWidgetItem*> taken = invisibleRootItem()->takeChildren();
    rows.reserve(static_cast<std::size_t>(taken.size()));
    for (QTreeWidgetItem* item : taken)
        rows.push_back({CText::toRecord(item->text(column)), item});
    std::stable_sort(rows.begin(), rows.end(), [ascending](const Row& a, const Row& b) {
        return ascending ? foldedLess(a.key, b.key) : foldedLess(b.key, a.key);
    });

    QList<QTreeWidgetItem*> ordered;
    ordered.reserve(static_cast<qsizetype>(rows.size()));
    for (const Row& row : rows)
        ordered.append(row.item);
    addTopLevelItems(ordered);

    if (current != nullptr)
        setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    for (QTreeWidgetItem* item : selected)
        item->setSelected(true);
}

void NewListCtrlClass::saveColumnWidths() const
{
    if (registryKey_.isEmpty())
        return;
    auto store = CSettingsStore::open();
    store->beginGroup(registryKey_);
    for (int column = 0; column < columnCount(); ++column)
        store->setValue(QStringLiteral("Column%1").arg(column), isColumnHidden(column) ? 0 : columnWidth(column));
    store->endGroup();
}

std::vector<QTreeWidgetItem*> NewListCtrlClass::selectedRows() const
{
    std::vector<QTreeWidgetItem*> rows;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = topLevelItem(i);
        if (item->isSelected())
            rows.push_back(item);
    }
    return rows;
}

} // namespace tarnholt
