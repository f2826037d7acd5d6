#include "items/CItemSpecProc.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "items/Item.h"
#include "universe/Universe.h"

namespace tarnholt {

CItemSpecProc::CItemSpecProc(ItemEditContext& context, QWidget* parent)
    : CSpecProcPage(context.item.specProcs, context.universe.itemSpecProcs, context.questions, parent)
{
    // The special number comes before the "Terminate" buttons here, in the order of the fields.
    setTabOrder(probability_, specialNumber_);
    setTabOrder(specialNumber_, terminateNo_);

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
    fields->addLayout(terminateRow(), fields->rowCount() - 1, 1);
    fields->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton_);
    buttons->addWidget(removeButton_);
    buttons->addWidget(updateButton_);
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
}

} // namespace tarnholt
