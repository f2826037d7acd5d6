#include "rooms/CRoomMove.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/CFieldCheck.h"
#include "app/CText.h"
#include "rooms/Room.h"
#include "universe/ComboFill.h"
#include "world/World.h"

namespace tarnholt {

CRoomMove::CRoomMove(Room& room, const World& world, Questions& questions, QWidget* parent)
    : CSheetPage(questions, parent), room_(room), world_(world)
{
    auto* intro = new QLabel(QStringLiteral(
        "Only fill out this screen if you want the room to move characters out of this room and into a "
        "different room."), this);
    intro->setWordWrap(true);
    auto* note = new QLabel(QStringLiteral(
        "Note: Moving rooms are not supported on all muds.  They are used to move characters along rivers "
        "and similiar terrain.  They can also be used to move characters into 'hidden' areas where they "
        "can not normally walk to."), this);
    note->setWordWrap(true);

    moving_ = new QCheckBox(QStringLiteral("Moving (check this if you want the room to be able to move players)"), this);
    ignoreBoat_ = new QCheckBox(
        QStringLiteral("Ignore Boat (if checked the room will move players even if they have boats)"), this);
    ignoreFly_ = new QCheckBox(
        QStringLiteral("Ignore Fly (if checked, the room will move players even if they are flying)"), this);
    moveTo_ = new QComboBox(this);
    moveTo_->setObjectName(QStringLiteral("moveTo"));
    moveText_ = new QLineEdit(this);
    moveText_->setObjectName(QStringLiteral("moveText"));
    moveSpeed_ = new QLineEdit(this);
    moveSpeed_->setObjectName(QStringLiteral("moveSpeed"));
    moveTimer_ = new QLineEdit(this);
    moveTimer_->setObjectName(QStringLiteral("moveTimer"));

    auto* toLabel = new QLabel(QStringLiteral("To Room:"), this);
    auto* textLabel = new QLabel(QStringLiteral("Move Text:"), this);
    auto* speedLabel = new QLabel(QStringLiteral("Move Speed:"), this);
    auto* timerLabel = new QLabel(QStringLiteral("Start Timer:"), this);
    auto* timerNote = new QLabel(QStringLiteral("(How long before it moves the character)"), this);

    auto* fields = new QGridLayout;
    fields->addWidget(toLabel, 0, 0);
    fields->addWidget(moveTo_, 0, 1);
    fields->addWidget(textLabel, 1, 0);
    fields->addWidget(moveText_, 1, 1);
    fields->addWidget(speedLabel, 2, 0);
    fields->addWidget(moveSpeed_, 2, 1);
    fields->addWidget(timerLabel, 3, 0);
    fields->addWidget(moveTimer_, 3, 1);
    fields->addWidget(timerNote, 3, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(moving_);
    layout->addWidget(ignoreBoat_);
    layout->addWidget(ignoreFly_);
    layout->addLayout(fields);
    layout->addWidget(note);
    layout->addStretch();

    dependents_ = {ignoreBoat_, ignoreFly_, moveTo_, moveText_, moveSpeed_, moveTimer_,
                   toLabel, textLabel, speedLabel, timerLabel, timerNote};
    connect(moving_, &QCheckBox::toggled, this, &CRoomMove::updateEnabling);
}

void CRoomMove::activate()
{
    moving_->setChecked(room_.moving == 1);
    ignoreBoat_->setChecked(room_.ignoreBoat == 1);
    ignoreFly_->setChecked(room_.ignoreFly == 1);
    ComboFill::rooms(moveTo_, world_, room_.moveTo, listedRooms_);
    moveText_->setText(CText::toQt(room_.moveText));
    moveSpeed_->setText(QString::number(room_.moveSpeed));
    moveTimer_->setText(QString::number(room_.moveTimer));
    updateEnabling();
}

void CRoomMove::updateEnabling()
{
    const bool on = moving_->isChecked();
    for (QWidget* widget : dependents_)
        widget->setEnabled(on);
}

bool CRoomMove::readNumber(QLineEdit* field, int32_t& value)
{
    // A disabled field can not be corrected, so what it holds is only taken when it is a number.
    if (!field->isEnabled()) {
        CFieldCheck::parseInteger(field->text(), value);
        return true;
    }
    return readInteger(field, value);
}

bool CRoomMove::leave()
{
    int32_t speed = room_.moveSpeed;
    int32_t timer = room_.moveTimer;
    if (!readNumber(moveSpeed_, speed) || !readNumber(moveTimer_, timer))
        return false;
    room_.moving = moving_->isChecked() ? 1 : 0;
    room_.ignoreBoat = ignoreBoat_->isChecked() ? 1 : 0;
    room_.ignoreFly = ignoreFly_->isChecked() ? 1 : 0;
    room_.moveTo = ComboFill::chosen(moveTo_);
    room_.moveText = CText::toRecord(moveText_->text());
    room_.moveSpeed = speed;
    room_.moveTimer = timer;
    return true;
}

} // namespace tarnholt
