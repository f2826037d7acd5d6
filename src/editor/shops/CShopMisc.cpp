#include "shops/CShopMisc.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/CFieldCheck.h"
#include "shops/Shop.h"
#include "universe/ComboFill.h"
#include "world/World.h"

namespace tarnholt {

CShopMisc::CShopMisc(Shop& shop, const World& world, Questions& questions, QWidget* parent)
    : CSheetPage(questions, parent), shop_(shop), world_(world)
{
    auto* help = new QLabel(QStringLiteral(
        "Shops are functional only when a specified monster (the shopkeeper) is the specified room.  This "
        "screen is used to determine what room the shop is in, what mob is the shopkeeper, the times open, "
        "and the profit margin the store demands."), this);
    help->setWordWrap(true);

    room_ = new QComboBox(this);
    room_->setObjectName(QStringLiteral("room"));
    keeper_ = new QComboBox(this);
    keeper_->setObjectName(QStringLiteral("keeper"));
    profitBuying_ = new QLineEdit(this);
    profitBuying_->setObjectName(QStringLiteral("profitBuying"));
    profitSelling_ = new QLineEdit(this);
    profitSelling_->setObjectName(QStringLiteral("profitSelling"));
    openTime_ = new QLineEdit(this);
    openTime_->setObjectName(QStringLiteral("openTime"));
    closeTime_ = new QLineEdit(this);
    closeTime_->setObjectName(QStringLiteral("closeTime"));

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Attach To Room:"), this), 0, 0);
    fields->addWidget(room_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Attach To Mob:"), this), 1, 0);
    fields->addWidget(keeper_, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Profit from Buying %:"), this), 2, 0);
    fields->addWidget(profitBuying_, 2, 1);
    fields->addWidget(new QLabel(QStringLiteral("Profit from Selling %:"), this), 3, 0);
    fields->addWidget(profitSelling_, 3, 1);
    fields->addWidget(new QLabel(QStringLiteral("Open time (military):"), this), 4, 0);
    fields->addWidget(openTime_, 4, 1);
    fields->addWidget(new QLabel(QStringLiteral("Close time (military):"), this), 5, 0);
    fields->addWidget(closeTime_, 5, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(help);
    layout->addLayout(fields);
    layout->addStretch();
}

void CShopMisc::activate()
{
    ComboFill::rooms(room_, world_, shop_.room, listedRooms_);
    ComboFill::mobs(keeper_, world_, shop_.keeper, listedKeepers_);
    profitBuying_->setText(QString::number(shop_.profitBuying));
    profitSelling_->setText(QString::number(shop_.profitSelling));
    openTime_->setText(QString::number(shop_.openTime));
    closeTime_->setText(QString::number(shop_.closeTime));
}

bool CShopMisc::leave()
{
    const std::string room = ComboFill::chosen(room_);
    if (room.empty()) {
        refuse(room_, "You must attach to a room before continuing.");
        return false;
    }
    CFieldCheck check(questions());
    int32_t profitBuying = 0, profitSelling = 0, openTime = 0, closeTime = 0;
    check.integer(profitBuying_, profitBuying);
    check.integer(profitSelling_, profitSelling);
    check.integer(openTime_, openTime);
    check.integer(closeTime_, closeTime);
    if (!check.ok())
        return false;
    shop_.room = room;
    shop_.keeper = ComboFill::chosen(keeper_);
    shop_.profitBuying = profitBuying;
    shop_.profitSelling = profitSelling;
    shop_.openTime = openTime;
    shop_.closeTime = closeTime;
    return true;
}

} // namespace tarnholt
