#include "items/CItemSpecProc.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/CText.h"
#include "items/Item.h"
#include "universe/Universe.h"

namespace tarnholt {

CItemSpecProc::CItemSpecProc(ItemEditContext& context, QWidget* parent)
    : CSheetPage(context.questions, parent), context_(context)
{
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("specProcs"));
    name_ = new QComboBox(this);
    name_->setObjectName(QStringLiteral("specProcName"));
    for (const std::string& name : context.universe.itemSpecProcs)
        name_->addItem(CText::toQt(name));
    name_->setCurrentIndex(-1);
    probability_ = new QLineEdit(QStringLiteral("100"), this);
    probability_->setObjectName(QStringLiteral("probability"));
    specialNumber_ = new QLineEdit(QStringLiteral("0"), this);
    specialNumber_->setObjectName(QStringLiteral("specialNumber"));
    terminateNo_ = new QRadioButton(QStringLiteral("No"), this);
    terminateYes_ = new QRadioButton(QStringLiteral("Yes"), this);
    terminateNo_->setChecked(true);
    auto* terminateGroup = new QButtonGroup(this);
    terminateGroup->addButton(terminateNo_);
    terminateGroup->addButton(terminateYes_);

    auto* addButton = new QPushButton(QStringLiteral("Add"), this);
    auto* removeButton = new QPushButton(QStringLiteral("Remove"), this);
    auto* updateButton = new QPushButton(QStringLiteral("Update"), this);

    auto* terminate = new QHBoxLayout;
    terminate->addWidget(terminateNo_);
    terminate->addWidget(terminateYes_);
    terminate->addStretch();

    auto* fields = new QGridLayout;
    auto addField = [&](const QString& label, QWidget* field) {
        const int row = fields->rowCount();
        auto* text = new QLabel(label, this);
        text->setBuddy(field);
        fields->addWidget(text, row, 0);
        fields->addWidget(field, row, 1);
    };
    addField(QStringLiteral("Add Special Proc:"), name_);
    addField(QStringLiteral("Probability:"), probability_);
    addField(QStringLiteral("Special Number:"), specialNumber_);
    fields->addWidget(new QLabel(QStringLiteral("Terminate if proc successful:"), this), fields->rowCount(),
                      0);
    fields->addLayout(terminate, fields->rowCount() - 1, 1);
    fields->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton);
    buttons->addWidget(removeButton);
    buttons->addWidget(updateButton);
    buttons->addStretch();

    auto* listLabel = new QLabel(
        QStringLiteral(
            "Special Procs this item will execute (device procs only proc_device type can execute):"),
        this);
    listLabel->setWordWrap(true);
    listLabel->setBuddy(list_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addWidget(list_);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(addButton, &QPushButton::clicked, this, &CItemSpecProc::add);
    connect(removeButton, &QPushButton::clicked, this, &CItemSpecProc::remove);
    connect(updateButton, &QPushButton::clicked, this, &CItemSpecProc::update);
}

void CItemSpecProc::activate()
{
    list_->clear();
    for (const std::string& entry : context_.item.specProcs)
        list_->addItem(CText::toQt(entry));
}

bool CItemSpecProc::leave()
{
    storeList();
    return true;
}

void CItemSpecProc::storeList()
{
    std::vector<std::string>& entries = context_.item.specProcs;
    entries.clear();
    for (int i = 0; i < list_->count(); ++i)
        entries.push_back(CText::toRecord(list_->item(i)->text()));
}

bool CItemSpecProc::formatEntry(std::string& entry)
{
    if (name_->currentIndex() < 0)
        return false;
    int32_t probability = 0;
    if (!readInteger(probability_, probability))
        return false;
    entry = CText::toRecord(name_->currentText()) + ' ' + std::to_string(probability) + ' ' +
            (terminateYes_->isChecked() ? "1" : "0") + ' ' + CText::toRecord(specialNumber_->text());
    return true;
}

void CItemSpecProc::add()
{
    std::string entry;
    if (formatEntry(entry))
        list_->addItem(CText::toQt(entry));
}

void CItemSpecProc::remove()
{
    QListWidgetItem* entry = list_->currentItem();
    if (entry == nullptr || !entry->isSelected())
        return;
    delete list_->takeItem(list_->row(entry));
    list_->clearSelection(); // a second "Remove" must not take the neighbour unasked
    storeList();
}

void CItemSpecProc::update()
{
    QListWidgetItem* selected = list_->currentItem();
    if (selected == nullptr || !selected->isSelected())
        return;
    std::string entry;
    if (!formatEntry(entry))
        return;
    selected->setText(CText::toQt(entry));
    storeList();
}

} // namespace tarnholt
