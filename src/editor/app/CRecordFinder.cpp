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
    texts_.reserve(static_cast<qsizetype>(entries_.size()));
    for (const auto& entry : entries_)
        texts_.append(CText::toQt(entry.second));
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
    // The rows go into the list in one insertion: one at a time, a list of 100,000 mobs took two
    // seconds to open and as long again for each letter typed.
    QStringList rows;
    shownIndexes_.clear();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const QString& shown = texts_[i];
        if (!text.isEmpty() && !shown.contains(text, Qt::CaseInsensitive))
            continue;
        rows.append(QString::number(entries_[i].first) + QStringLiteral("  ") + shown);
        shownIndexes_.push_back(entries_[i].first);
    }
    list_->clear();
    list_->addItems(rows);
    if (list_->count() == 1)
        list_->setCurrentRow(0);
}

void CRecordFinder::accept()
{
    QListWidgetItem* row = list_->currentItem();
    const int at = list_->currentRow();
    if (row == nullptr || !row->isSelected() || at < 0 || static_cast<std::size_t>(at) >= shownIndexes_.size()) {
        questions_.message("You must select an entry before exiting.");
        return;
    }
    chosen_ = shownIndexes_[static_cast<std::size_t>(at)];
    QDialog::accept();
}

} // namespace tarnholt
