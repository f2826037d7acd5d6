#include "items/CItemAssemble.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/CText.h"
#include "app/Questions.h"
#include "items/Item.h"
#include "universe/ComboFill.h"
#include "world/World.h"

namespace tarnholt {

CItemAssemble::CItemAssemble(ItemEditContext& context, QWidget* parent)
    : CSheetPage(context.questions, parent), context_(context)
{
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("components"));
    component_ = new QComboBox(this);
    component_->setObjectName(QStringLiteral("component"));
    auto* addButton = new QPushButton(QStringLiteral("Add"), this);
    auto* removeButton = new QPushButton(QStringLiteral("Remove"), this);

    auto* listLabel = new QLabel(QStringLiteral("Required Components to make this item:"), this);
    listLabel->setBuddy(list_);
    auto* componentLabel = new QLabel(QStringLiteral("Add Component:"), this);
    componentLabel->setBuddy(component_);

    auto* choice = new QHBoxLayout;
    choice->addWidget(componentLabel);
    choice->addWidget(component_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton);
    buttons->addWidget(removeButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addWidget(list_);
    layout->addLayout(choice);
    layout->addLayout(buttons);

    connect(addButton, &QPushButton::clicked, this, &CItemAssemble::add);
    connect(removeButton, &QPushButton::clicked, this, &CItemAssemble::remove);
}

void CItemAssemble::activate()
{
    list_->clear();
    for (const std::string& component : context_.item.assemblyComponents)
        list_->addItem(CText::toQt(component));
    ComboFill::items(component_, context_.world, std::string());
}

bool CItemAssemble::leave()
{
    storeList();
    return true;
}

void CItemAssemble::storeList()
{
    std::vector<std::string>& components = context_.item.assemblyComponents;
    components.clear();
    for (int i = 0; i < list_->count(); ++i)
        components.push_back(CText::toRecord(list_->item(i)->text()));
}

void CItemAssemble::add()
{
    const std::string chosen = ComboFill::chosen(component_);
    if (chosen.empty())
        return;
    const QString text = CText::toQt(chosen);
    for (int i = 0; i < list_->count(); ++i) {
        if (list_->item(i)->text().compare(text, Qt::CaseInsensitive) == 0) {
            questions().message("The item selected is already in the list of components.");
            return;
        }
    }
    list_->addItem(text);
}

void CItemAssemble::remove()
{
    if (removeSelectedEntry(list_))
        storeList();
}

} // namespace tarnholt
