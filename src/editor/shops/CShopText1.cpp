#include "shops/CShopText1.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/CText.h"
#include "shops/Shop.h"

namespace tarnholt {

namespace {

struct TextField {
    const char* label;
    const char* name;
};

// In the order of the page, which is not the order of the record.
constexpr TextField kFields[7] = {
    {"Text Displayed When the Character Tries to Sell an Item that he/she/it Does Not Have:", "textSellerLacksItem"},
    {"Text Displayed When the Character Tries to Buy an Item that the Shop Does Not Have:", "textShopLacksItem"},
    {"Text Displayed When Shop Does Not Buy That Item Type:", "textDoesNotBuyType"},
    {"Text Displayed When Shop Cannot Afford the Item the Character is Selling:", "textShopCannotAfford"},
    {"Text Displayed When the Character Cannot Afford the Item:", "textBuyerCannotAfford"},
    {"Text Displayed When the Shop Successfully Buys the Item:", "textShopBought"},
    {"Text Displayed When the Shop Successfully Sells the Item:", "textShopSold"},
};

} // namespace

CShopText1::CShopText1(Shop& shop, Questions& questions, QWidget* parent) : CSheetPage(questions, parent), shop_(shop)
{
    auto* layout = new QVBoxLayout(this);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        auto* label = new QLabel(QString::fromLatin1(kFields[i].label), this);
        label->setWordWrap(true);
        fields_[i] = new QLineEdit(this);
        fields_[i]->setObjectName(QString::fromLatin1(kFields[i].name));
        label->setBuddy(fields_[i]);
        layout->addWidget(label);
        layout->addWidget(fields_[i]);
    }
    layout->addStretch();
}

std::array<std::string*, 7> CShopText1::texts() const
{
    return {&shop_.textSellerLacksItem, &shop_.textShopLacksItem,  &shop_.textDoesNotBuyType,
            &shop_.textShopCannotAfford, &shop_.textBuyerCannotAfford, &shop_.textShopBought,
            &shop_.textShopSold};
}

void CShopText1::activate()
{
    const auto targets = texts();
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_[i]->setText(CText::toQt(*targets[i]));
}

bool CShopText1::leave()
{
    const auto targets = texts();
    for (std::size_t i = 0; i < fields_.size(); ++i)
        *targets[i] = CText::toRecord(fields_[i]->text());
    return true;
}

} // namespace tarnholt
