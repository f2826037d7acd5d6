#include "world/CZoneProperties.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/CFieldCheck.h"
#include "app/CNumberSpin.h"
#include "app/CText.h"
#include "world/World.h"

namespace tarnholt {

namespace {

QLineEdit* numberEdit(QWidget* parent, int32_t value)
{
    auto edit = new QLineEdit(QString::number(value), parent);
    edit->setMaximumWidth(100);
    return edit;
}

} // namespace

CZoneProperties::CZoneProperties(World& world, Questions& questions, QWidget* parent)
    : QDialog(parent), world_(world), questions_(questions)
{
    setWindowTitle(QStringLiteral("Zone Properties"));

    zoneName_ = new QLineEdit(CText::toQt(world.zoneName), this);
    zoneName_->setMinimumWidth(260);
    zoneNumber_ = new CNumberSpin(this);
    zoneNumber_->setValue(world.zoneNumber);
    zoneNumber_->setMaximumWidth(100);

    alwaysRepop_ = new QRadioButton(QStringLiteral("Always Repop"), this);
    noPlayersRepop_ = new QRadioButton(QStringLiteral("No Players To Repop"), this);
    auto repopGroup = new QButtonGroup(this);
    repopGroup->addButton(alwaysRepop_, 0);
    repopGroup->addButton(noPlayersRepop_, 1);
    alwaysRepop_->setChecked(world.repopMode == 0);
    noPlayersRepop_->setChecked(world.repopMode == 1);

    repopTime_ = numberEdit(this, world.repopTime);
    startMob_ = numberEdit(this, world.startMobVnum);
    startItem_ = numberEdit(this, world.startItemVnum);
    startRoom_ = numberEdit(this, world.startRoomVnum);
    maxRoom_ = numberEdit(this, world.maxRoomVnum);

    auto form = new QFormLayout;
    form->addRow(QStringLiteral("Zone Name:"), zoneName_);
    form->addRow(QStringLiteral("Zone Number:"), zoneNumber_);
    auto radios = new QHBoxLayout;
    radios->addWidget(alwaysRepop_);
    radios->addWidget(noPlayersRepop_);
    radios->addStretch(1);
    form->addRow(radios);
    form->addRow(QStringLiteral("Zone Repop Time:"), repopTime_);
    form->addRow(QStringLiteral("Start Mob Num:"), startMob_);
    form->addRow(QStringLiteral("Start Item Num:"), startItem_);
    form->addRow(QStringLiteral("Start Room Num:"), startRoom_);
    form->addRow(QStringLiteral("Max Room Num:"), maxRoom_);

    auto buttons = new QDialogButtonBox(this);
    auto ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CZoneProperties::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CZoneProperties::accept()
{
    CFieldCheck check(questions_);
    int32_t zoneNumber = 0, repopTime = 0, startMob = 0, startItem = 0, startRoom = 0, maxRoom = 0;
    check.integer(zoneNumber_, zoneNumber);
    check.integerBetween(repopTime_, 0, 999, repopTime);
    check.integer(startMob_, startMob);
    check.integer(startItem_, startItem);
    check.integer(startRoom_, startRoom);
    check.integer(maxRoom_, maxRoom);
    if (!check.ok())
        return;

    bool itemsRenumbered = startItem != world_.startItemVnum;
    bool mobsRenumbered = startMob != world_.startMobVnum;
    bool roomsRenumbered = startRoom != world_.startRoomVnum;

    world_.zoneName = CText::toRecord(zoneName_->text());
    world_.zoneNumber = zoneNumber;
    // A repop mode neither button stands for (from a file) is kept unless one is chosen.
    if (alwaysRepop_->isChecked())
        world_.repopMode = 0;
    else if (noPlayersRepop_->isChecked())
        world_.repopMode = 1;
    world_.repopTime = repopTime;
    world_.startMobVnum = startMob;
    world_.startItemVnum = startItem;
    world_.startRoomVnum = startRoom;
    world_.maxRoomVnum = maxRoom;

    if (itemsRenumbered)
        world_.clearItemVnums();
    if (mobsRenumbered)
        world_.clearMobVnums();
    if (roomsRenumbered)
        world_.clearRoomVnums();
    QDialog::accept();
}

} // namespace tarnholt
