#include "shops/CShopSheet.h"

#include "shops/CShopBuy.h"
#include "shops/CShopMisc.h"
#include "shops/CShopSell.h"
#include "shops/CShopText1.h"
#include "world/World.h"

namespace tarnholt {

CShopSheet::CShopSheet(const QString& title, const Shop& shop, const World& world, Questions& questions,
                       QWidget* parent)
    : CPropertySheet(title, parent), shop_(shop)
{
    setObjectName(QStringLiteral("shopSheet"));
    addPage(new CShopMisc(shop_, world, questions, this), QStringLiteral("Shop Settings"));
    addPage(new CShopBuy(shop_, questions, this), QStringLiteral("Buys"));
    addPage(new CShopSell(shop_, world, questions, this), QStringLiteral("Sells"));
    addPage(new CShopText1(shop_, questions, this), QStringLiteral("Shop Text"));
    openOn(0);
}

QString CShopSheet::newShopTitle() { return QStringLiteral("Creating a New Shop"); }

QString CShopSheet::editShopTitle() { return QStringLiteral("Editing an Existing Shop"); }

bool applyShopEdit(World& world, std::size_t index, const Shop& edited)
{
    if (index >= world.shops.size())
        return false;
    world.shops[index] = edited;
    return true;
}

} // namespace tarnholt
