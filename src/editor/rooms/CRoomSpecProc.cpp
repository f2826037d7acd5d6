#include "rooms/CRoomSpecProc.h"

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
#include "rooms/Room.h"
#include "universe/Universe.h"

namespace tarnholt {

CRoomSpecProc::CRoomSpecProc(Room& room, const Universe& universe, Questions& questions, QWidget* parent)
    : CSheetPage(questions, parent), room_(room)
{
    auto* help = new QLabel(QStringLiteral(
        "This screen assigns special abilites to rooms.  Multiple procs can be assigned to a room.  The "
        "terminator field indicates whether or not, that IF this proc is successful, whether to continue "
        "processing other procs.  See doc for special number description."), this);
    help->setWordWrap(true);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("specProcs"));
    name_ = new QComboBox(this);
    name_->setObjectName(QStringLiteral("specProcName"));
    for (const std::string& name : universe.roomSpecProcs)
        name_->addItem(CText::toQt(name));
    name_->setCurrentIndex(-1);
    probability_ = new QLineEdit(QStringLiteral("100"), this);
    probability_->setObjectName(QStringLiteral("probability"));
    terminateNo_ = new QRadioButton(QStringLiteral("No"), this);
    terminateYes_ = new QRadioButton(QStringLiteral("Yes"), this);
    terminateNo_->setChecked(true);
    auto* terminateGroup = new QButtonGroup(this);
    terminateGroup->addButton(terminateNo_);
    terminateGroup->addButton(terminateYes_);
    specialNumber_ = new QLineEdit(QStringLiteral("0"), this);
    specialNumber_->setObjectName(QStringLiteral("specialNumber"));

    auto* addButton = new QPushButton(QStringLiteral("Add"), this);
    auto* removeButton = new QPushButton(QStringLiteral("Remove"), this);
    auto* updateButton = new QPushButton(QStringLiteral("Update"), this);

    auto* terminate = new QHBoxLayout;
    terminate->addWidget(terminateNo_);
    terminate->addWidget(terminateYes_);
    terminate->addStretch();

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Add Special Proc:"), this), 0, 0);
    fields->addWidget(name_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Probability:"), this), 1, 0);
    fields->addWidget(probability_, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Terminate if proc successful:"), this), 2, 0);
    fields->addLayout(terminate, 2, 1);
    fields->addWidget(new QLabel(QStringLiteral("Special Number:"), this), 3, 0);
    fields->addWidget(specialNumber_, 3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton);
    buttons->addWidget(removeButton);
    buttons->addWidget(updateButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(help);
    layout->addWidget(new QLabel(QStringLiteral("Special Procs this room will execute:"), this));
    layout->addWidget(list_);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(addButton, &QPushButton::clicked, this, &CRoomSpecProc::add);
    connect(removeButton, &QPushButton::clicked, this, &CRoomSpecProc::remove);
    connect(updateButton, &QPushButton::clicked, this, &CRoomSpecProc::update);
}

void CRoomSpecProc::activate()
{
    list_->clear();
    for (const std::string& entry : room_.specProcs)
        list_->addItem(CText::toQt(entry));
}

bool CRoomSpecProc::leave()
{
    storeList();
    return true;
}

void CRoomSpecProc::storeList()
{
    room_.specProcs.clear();
    for (int i = 0; i < list_->count(); ++i)
        room_.specProcs.push_back(CText::toRecord(list_->item(i)->text()));
}

bool CRoomSpecProc::formatEntry(std::string& entry)
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

void CRoomSpecProc::add()
{
    std::string entry;
    if (formatEntry(entry))
        list_->addItem(CText::toQt(entry));
}

void CRoomSpecProc::remove()
{
    QListWidgetItem* item = list_->currentItem();
    if (item == nullptr || !item->isSelected())
        return;
    delete list_->takeItem(list_->row(item));
    list_->clearSelection(); // a second "Remove" must not take the neighbour unasked
    storeList();
}

void CRoomSpecProc::update()
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
