#pragma once

#include <QDialog>
#include <QStringList>
#include <string>
#include <utility>
#include <vector>

class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace tarnholt {

class Questions;

/// The searchable list behind the "More..." entries of the Objects and Templates submenus: every
/// record of one kind, in array order, narrowed to those whose text contains what is typed in
/// "Find:". Reaches the records that the numbered menu entries cannot.
class CRecordFinder : public QDialog {
    Q_OBJECT

public:
    /// `entries` are (array index, text) pairs.
    CRecordFinder(const QString& title, std::vector<std::pair<int, std::string>> entries, Questions& questions,
                  QWidget* parent = nullptr);

    QLineEdit* findField() const { return find_; }
    QListWidget* list() const { return list_; }

    /// The array index chosen with OK or a double click; -1 until then.
    int chosenIndex() const { return chosen_; }

    void accept() override;

private:
    void filter(const QString& text);

    std::vector<std::pair<int, std::string>> entries_;
    QStringList texts_;              ///< the entries' texts, converted once
    std::vector<int> shownIndexes_;  ///< the array index of each row shown
    Questions& questions_;
    QLineEdit* find_ = nullptr;
    QListWidget* list_ = nullptr;
    int chosen_ = -1;
};

} // namespace tarnholt
