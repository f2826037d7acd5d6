#include "rooms/CRoomExit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/CText.h"
#include "generate/Reformat.h"
#include "rooms/Room.h"
#include "universe/ComboFill.h"
#include "universe/RecordText.h"
#include "world/World.h"

namespace tarnholt {

CRoomExit::CRoomExit(Room& room, const World& world, Questions& questions, QWidget* parent)
    : CSheetPage(questions, parent), room_(room), world_(world)
{
    auto* directionFrame = new QGroupBox(QStringLiteral("Select a Door Direction to View/Edit:"), this);
    auto* directionGrid = new QGridLayout(directionFrame);
    auto* directionGroup = new QButtonGroup(this);
    for (int d = 0; d < kDirectionCount; ++d) {
        auto* button = new QRadioButton(CText::toQt(directionName(d)), directionFrame);
        directionGroup->addButton(button, d);
        directionGrid->addWidget(button, d % 5, d / 5);
        directions_.push_back(button);
    }

    target_ = new QComboBox(this);
    target_->setObjectName(QStringLiteral("target"));
    key_ = new QComboBox(this);
    key_->setObjectName(QStringLiteral("key"));
    openable_ = new QCheckBox(QStringLiteral("Openable"), this);
    pickable_ = new QCheckBox(QStringLiteral("Pickable"), this);

    auto* resetFrame = new QGroupBox(QStringLiteral("On Zone Repop"), this);
    auto* resetLayout = new QVBoxLayout(resetFrame);
    auto* resetGroup = new QButtonGroup(this);
    const char* const resetNames[] = {"No Zone Reset", "Starts Reset Open", "Starts Reset Closed",
                                      "Starts Reset Locked"};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(resetNames[i]), resetFrame);
        resetGroup->addButton(button, i);
        resetLayout->addWidget(button);
        resetStates_.push_back(button);
    }

    keywords_ = new QLineEdit(this);
    keywords_->setObjectName(QStringLiteral("keywords"));
    description_ = new QPlainTextEdit(this);
    description_->setObjectName(QStringLiteral("description"));
    auto* format60 = new QPushButton(QStringLiteral("Format-60"), this);
    auto* format80 = new QPushButton(QStringLiteral("Format-80"), this);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Exit Goes To Room:"), this), 0, 0);
    fields->addWidget(target_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Key to Unlock/Lock Door:"), this), 1, 0);
    fields->addWidget(key_, 1, 1);
    auto* doorBoxes = new QHBoxLayout;
    doorBoxes->addWidget(openable_);
    doorBoxes->addWidget(pickable_);
    doorBoxes->addStretch();
    fields->addLayout(doorBoxes, 2, 1);
    fields->addWidget(new QLabel(QStringLiteral("Door Keyword List:"), this), 3, 0);
    fields->addWidget(keywords_, 3, 1);
    fields->addWidget(new QLabel(QStringLiteral("Exit Description:"), this), 4, 0, Qt::AlignTop);
    fields->addWidget(description_, 4, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(directionFrame);
    top->addWidget(resetFrame);

    auto* formatButtons = new QHBoxLayout;
    formatButtons->addStretch();
    formatButtons->addWidget(format60);
    formatButtons->addWidget(format80);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(fields);
    layout->addLayout(formatButtons);

    connect(directionGroup, &QButtonGroup::idClicked, this, &CRoomExit::directionChosen);
    connect(format60, &QPushButton::clicked, this, [this] { format(60); });
    connect(format80, &QPushButton::clicked, this, [this] { format(80); });
}

void CRoomExit::selectDirection(int direction)
{
    if (direction >= 0 && direction < kDirectionCount)
        direction_ = direction;
}

void CRoomExit::activate()
{
    loadExit();
}

bool CRoomExit::leave()
{
    storeExit();
    return true;
}

void CRoomExit::directionChosen(int direction)
{
    if (direction == direction_)
        return;
    storeExit();
    direction_ = direction;
    loadExit();
}

void CRoomExit::loadExit()
{
    const Exit& exit = room_.exits[static_cast<std::size_t>(direction_)];
    directions_[static_cast<std::size_t>(direction_)]->setChecked(true);
    // Made for the first direction shown; each other direction only selects in it.
    ComboFill::rooms(target_, world_, exit.target, listedRooms_);
    ComboFill::keys(key_, world_, exit.key);
    openable_->setChecked(exit.openable == 1);
    pickable_->setChecked(exit.pickable == 1);
    if (exit.resetState >= 0 && exit.resetState < static_cast<int>(resetStates_.size())) {
        resetStates_[static_cast<std::size_t>(exit.resetState)]->setChecked(true);
    } else {
        QButtonGroup* group = resetStates_.front()->group();
        group->setExclusive(false);
        for (QRadioButton* button : resetStates_)
            button->setChecked(false);
        group->setExclusive(true);
    }
    keywords_->setText(CText::toQt(exit.keywords));
    description_->setPlainText(RecordText::linesToQt(exit.description));
}

void CRoomExit::storeExit()
{
    // Looking at a direction and leaving it as it was keeps nothing new in the room.
    const std::size_t direction = static_cast<std::size_t>(direction_);
    Exit exit = room_.exits[direction];
    exit.description = RecordText::linesFromQt(description_->toPlainText());
    exit.key = ComboFill::chosen(key_);
    exit.keywords = CText::toRecord(keywords_->text());
    for (std::size_t i = 0; i < resetStates_.size(); ++i) {
        if (resetStates_[i]->isChecked())
            exit.resetState = static_cast<int32_t>(i);
    }
    exit.openable = openable_->isChecked() ? 1 : 0;
    exit.pickable = pickable_->isChecked() ? 1 : 0;
    const std::string target = ComboFill::chosen(target_);
    if (target != exit.target) {
        exit.placement = Exit::placementFor(world_, room_.column, room_.row, target);
        exit.target = target;
    }
    if (exit != room_.exits[direction])
        room_.exits.edit(direction) = std::move(exit);
}

void CRoomExit::format(int width)
{
    std::string text = RecordText::linesFromQt(description_->toPlainText());
    if (reformatDescription(text, width, false, questions()))
        description_->setPlainText(RecordText::linesToQt(text));
    description_->setFocus(Qt::OtherFocusReason);
}

} // namespace tarnholt
