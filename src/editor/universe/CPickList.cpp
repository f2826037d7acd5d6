#include "universe/CPickList.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/Questions.h"
#include "app/CText.h"

namespace tarnholt {

CPickList::CPickList(Questions& questions, QWidget* parent)
    : QDialog(parent), questions_(questions)
{
    prompt_ = new QLabel(this);
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setObjectName(QStringLiteral("entries"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* useButton = buttons->addButton(QStringLiteral("Use"), QDialogButtonBox::AcceptRole);
    QPushButton* cancelButton = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    useButton->setDefault(true);
    connect(useButton, &QPushButton::clicked, this, &CPickList::use);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CPickList::choose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(list_);
    layout->addWidget(buttons);

    setTitle("Select an item to copy from");
    setPrompt("Copy from the following selected item:");
}

void CPickList::setTitle(const std::string& title) { setWindowTitle(CText::toQt(title)); }

void CPickList::setPrompt(const std::string& prompt) { prompt_->setText(CText::toQt(prompt)); }

void CPickList::setEntries(const std::vector<std::string>& entries)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(entries.size()));
    for (const std::string& entry : entries)
        texts.append(CText::toQt(entry));
    // Alphabetical as a reader expects it: case folded first, the exact text breaking ties.
    std::stable_sort(texts.begin(), texts.end(), [](const QString& a, const QString& b) {
        int folded = QString::compare(a, b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
    list_->clear();
    list_->addItems(texts);
}

void CPickList::use()
{
    QListWidgetItem* item = list_->currentItem();
    if (item == nullptr || !item->isSelected()) {
        questions_.message("You must select an entry before exiting.");
        list_->setFocus();
        return;
    }
    choose(item);
}

void CPickList::choose(QListWidgetItem* item)
{
    if (item == nullptr)
        return;
    choice_ = CText::toRecord(item->text());
    accept();
}

std::optional<std::string> CPickList::pick(QWidget* parent, Questions& questions, const std::string& title,
                                           const std::string& prompt, const std::vector<std::string>& entries)
{
    CPickList form(questions, parent);
    form.setTitle(title);
    form.setPrompt(prompt);
    form.setEntries(entries);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.choice();
}

} // namespace tarnholt
