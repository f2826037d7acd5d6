#pragma once

#include <QDialog>
#include <vector>

class QTreeWidget;

namespace tarnholt {

struct Warning;

/// "Warnings Generated": the problems a run of Generate Code found, one read-only row each
/// (type, Identifier, text) in the order they were raised.
class CWarningsDialog : public QDialog {
    Q_OBJECT

public:
    CWarningsDialog(const std::vector<Warning>& warnings, QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }

private:
    QTreeWidget* list_ = nullptr;
};

} // namespace tarnholt
