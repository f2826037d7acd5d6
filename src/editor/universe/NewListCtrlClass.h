#pragma once

#include <QString>
#include <QTreeWidget>

#include <vector>

namespace tarnholt {

/// A report list (rows of text cells under column headers) that sorts itself when a header is
/// clicked, selects whole rows and, when given a settings key, keeps its column widths in the
/// per-user settings store as it is destroyed.
///
/// Sorting compares the cell texts byte by byte as Windows-1252 with A to Z folded to lower case,
/// and never reorders rows whose texts compare equal.
class NewListCtrlClass : public QTreeWidget {
    Q_OBJECT

public:
    explicit NewListCtrlClass(QWidget* parent = nullptr);
    ~NewListCtrlClass() override;

    /// Appends a column with its heading and width in pixels; a width of 0 hides the column.
    int addColumn(const QString& heading, int width);

    /// Column of the last sort, -1 while the list was never sorted.
    int lastSortColumn() const { return sortColumn_; }
    /// Direction of the last sort.
    bool ascending() const { return ascending_; }

    /// Whether a header click sorts (on by default).
    void setHeaderSorting(bool enabled);

    /// What a header click on `column` does: the same column flips the direction, another one is
    /// sorted ascending.
    void headerClicked(int column);
    /// Sorts the rows by the texts of `column` and remembers the column and direction.
    void sortBy(int column, bool ascending);

    /// The settings group the column widths are saved under ("Column%d" each); empty = not saved.
    void setRegistryKey(const QString& key) { registryKey_ = key; }
    const QString& registryKey() const { return registryKey_; }
    /// Writes the widths now (the destructor does the same).
    void saveColumnWidths() const;

    /// The selected rows, top to bottom.
    std::vector<QTreeWidgetItem*> selectedRows() const;

    /// Less-than of the sort: byte order after folding the ASCII capitals.
    static bool textLess(const QString& a, const QString& b);

private:
    int sortColumn_ = -1;
    bool ascending_ = true;
    QString registryKey_;
};

} // namespace tarnholt
