#include "shops/CShopBuy.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "shops/Shop.h"
#include "universe/ComboFill.h"

namespace tarnholt {

const std::vector<std::string>& CShopBuy::typeNames()
{
    static const std::vector<std::string> names{
        "Light", "Scroll", "Staff", "Wand", "Weapon", "Treasure", "Armor", "Potion", "Worn", "Other",
        "Trash", "Container", "Drink Container", "Device", "Key", "Food", "Money", "Boat", "Fountain", "Airship"};
    return names;
}

CShopBuy::CShopBuy(Shop& shop, Questions& questions, QWidget* parent) : CSheetPage(questions, parent), shop_(shop)
{
    static const char* const kLabels[5] = {"Item Type One:", "Item Type Two:", "Item Type Three:",
                                           "Item Type Four:", "Item Type Five:"};
    auto* help = new QLabel(QStringLiteral("The item types selected here are the item types that the shop will buy:"),
                            this);
    help->setWordWrap(true);

    auto* fields = new QGridLayout;
    for (std::size_t i = 0; i < types_.size(); ++i) {
        types_[i] = new QComboBox(this);
        types_[i]->setObjectName(QStringLiteral("itemType%1").arg(i + 1));
        fields->addWidget(new QLabel(QString::fromLatin1(kLabels[i]), this), int(i), 0);
        fields->addWidget(types_[i], int(i), 1);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(help);
    layout->addLayout(fields);
    layout->addStretch();
}

void CShopBuy::activate()
{
    for (std::size_t i = 0; i < types_.size(); ++i)
        ComboFill::fill(types_[i], typeNames(), shop_.itemTypes[i]);
}

bool CShopBuy::leave()
{
    for (std::size_t i = 0; i < types_.size(); ++i)
        shop_.itemTypes[i] = ComboFill::chosen(types_[i]);
    return true;
}

} // namespace tarnholt
