#include "app/CRecordFinder.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/CText.h"
#include "app/Questions.h"

namespace tarnholt {

CRecordFinder::CRecordFinder(const QString& title, std::vector<std::pair<int, std::string>> entries,
                             Questions& questions, QWidget* parent)
    : QDialog(parent), entries_(std::move(entries)), questions_(questions)
{
    setWindowTitle(title);
    find_ = new QLineEdit(this);
    find_->setClearButtonEnabled(true);
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    list_->setMinimumSize(320, 360);

    auto buttons = new QDialogButtonBox(this);
    auto ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CRecordFinder::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(find_, &QLineEdit::textChanged, this, &CRecordFinder::filter);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* row) {
        list_->setCurrentItem(row);
        accept();
    });

    auto form = new QFormLayout;
    form->addRow(QStringLiteral("Find:"), find_);
    auto layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);

    filter(QString());
}

void CRecordFinder::filter(const QString& text)
{
    list_->clear();
    for (const auto& [index, entryText] : entries_) {
        QString shown = CText::toQt(entryText);
        if (!text.isEmpty() && !shown.contains(text, Qt::CaseInsensitive))
            continue;
        auto row = new QListWidgetItem(QStringLiteral("%1  %2").arg(index).arg(shown), list_);
        row->setData(Qt::UserRole, index);
    }
    if (list_->count() == 1)
        list_->setCurrentRow(0);
}

void CRecordFinder::accept()
{
    QListWidgetItem* row = list_->currentItem();
    if (row == nullptr || !row->isSelected()) {
        questions_.message("You must select an entry before exiting.");
        return;
    }
    chosen_ = row->data(Qt::UserRole).toInt();
    QDialog::accept();
}

} // namespace tarnholt
