#include "generate/CWarningsDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/CText.h"
#include "generate/Generator.h"

namespace tarnholt {

CWarningsDialog::CWarningsDialog(const std::vector<Warning>& warnings, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Warnings Generated"));

    auto intro = new QLabel(
        QStringLiteral("The zone you just generated may not be usable because of the following warnings:"), this);
    intro->setWordWrap(true);

    list_ = new QTreeWidget(this);
    list_->setColumnCount(3);
    list_->setHeaderLabels({QStringLiteral("Type"), QStringLiteral("Identifier"), QStringLiteral("Warning Text")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list_->header()->setStretchLastSection(false);
    const int widths[3] = {80, 140, 240};
    for (int column = 0; column < 3; ++column)
        list_->setColumnWidth(column, widths[column]);

    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(warnings.size()));
    for (const Warning& warning : warnings) {
        auto row = new QTreeWidgetItem(
            QStringList{CText::toQt(warning.type), CText::toQt(warning.identifier), CText::toQt(warning.text)});
        // The columns are narrow: the whole text shows when the mouse rests on a cell.
        for (int column = 0; column < 3; ++column)
            row->setToolTip(column, row->text(column));
        rows.append(row);
    }
    list_->addTopLevelItems(rows);
    list_->setMinimumSize(80 + 140 + 240 + 30, 220);

    auto buttons = new QDialogButtonBox(this);
    auto close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
}

} // namespace tarnholt
