#include "rooms/CSpecProcPage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "app/CText.h"

namespace tarnholt {

CSpecProcPage::CSpecProcPage(std::vector<std::string>& entries, const std::vector<std::string>& names,
                             Questions& questions, QWidget* parent)
    : CSheetPage(questions, parent), entries_(entries)
{
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("specProcs"));
    name_ = new QComboBox(this);
    name_->setObjectName(QStringLiteral("specProcName"));
    for (const std::string& name : names)
        name_->addItem(CText::toQt(name));
    name_->setCurrentIndex(-1);
    probability_ = new QLineEdit(QStringLiteral("100"), this);
    probability_->setObjectName(QStringLiteral("probability"));
    terminateNo_ = new QRadioButton(QStringLiteral("No"), this);
    terminateNo_->setObjectName(QStringLiteral("terminateNo"));
    terminateYes_ = new QRadioButton(QStringLiteral("Yes"), this);
    terminateYes_->setObjectName(QStringLiteral("terminateYes"));
    terminateNo_->setChecked(true);
    auto* terminateGroup = new QButtonGroup(this);
    terminateGroup->addButton(terminateNo_);
    terminateGroup->addButton(terminateYes_);
    specialNumber_ = new QLineEdit(QStringLiteral("0"), this);
    specialNumber_->setObjectName(QStringLiteral("specialNumber"));

    addButton_ = new QPushButton(QStringLiteral("Add"), this);
    removeButton_ = new QPushButton(QStringLiteral("Remove"), this);
    updateButton_ = new QPushButton(QStringLiteral("Update"), this);
    connect(addButton_, &QPushButton::clicked, this, &CSpecProcPage::add);
    connect(removeButton_, &QPushButton::clicked, this, &CSpecProcPage::remove);
    connect(updateButton_, &QPushButton::clicked, this, &CSpecProcPage::update);
}

QHBoxLayout* CSpecProcPage::terminateRow()
{
    auto* terminate = new QHBoxLayout;
    terminate->addWidget(terminateNo_);
    terminate->addWidget(terminateYes_);
    terminate->addStretch();
    return terminate;
}

QGridLayout* CSpecProcPage::fieldRows()
{
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Add Special Proc:"), this), 0, 0);
    fields->addWidget(name_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Probability:"), this), 1, 0);
    fields->addWidget(probability_, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Terminate if proc successful:"), this), 2, 0);
    fields->addLayout(terminateRow(), 2, 1);
    fields->addWidget(new QLabel(QStringLiteral("Special Number:"), this), 3, 0);
    fields->addWidget(specialNumber_, 3, 1);
    return fields;
}

void CSpecProcPage::activate()
{
    list_->clear();
    for (const std::string& entry : entries_)
        list_->addItem(CText::toQt(entry));
}

bool CSpecProcPage::leave()
{
    storeList();
    return true;
}

bool CSpecProcPage::readProbability(int32_t& probability) { return readInteger(probability_, probability); }

void CSpecProcPage::storeList()
{
    entries_.clear();
    for (int i = 0; i < list_->count(); ++i)
        entries_.push_back(CText::toRecord(list_->item(i)->text()));
}

bool CSpecProcPage::formatEntry(std::string& entry)
{
    if (name_->currentIndex() < 0)
        return false;
    int32_t probability = 0;
    if (!readProbability(probability))
        return false;
    entry = CText::toRecord(name_->currentText()) + ' ' + std::to_string(probability) + ' ' +
            (terminateYes_->isChecked() ? "1" : "0") + ' ' + CText::toRecord(specialNumber_->text());
    return true;
}

void CSpecProcPage::add()
{
    std::string entry;
    if (formatEntry(entry))
        list_->addItem(CText::toQt(entry));
}

void CSpecProcPage::remove()
{
    if (removeSelectedEntry(list_))
        storeList();
}

void CSpecProcPage::update()
{
    QListWidgetItem* item = list_->currentItem();
    if (item == nullptr || !item->isSelected())
        return;
    std::string entry;
    if (!formatEntry(entry))
        return;
    item->setText(CText::toQt(entry));
    storeList();
}

} // namespace tarnholt
