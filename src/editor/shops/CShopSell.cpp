#include "shops/CShopSell.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "shops/Shop.h"
#include "universe/ComboFill.h"
#include "world/World.h"

namespace tarnholt {

CShopSell::CShopSell(Shop& shop, const World& world, Questions& questions, QWidget* parent)
    : CSheetPage(questions, parent), shop_(shop), world_(world)
{
    static const char* const kLabels[5] = {"Item One:", "Item Two:", "Item Three:", "Item Four:", "Item Five:"};
    auto* intro = new QLabel(QStringLiteral("Items listed here are items that the mob sells when the game starts:"),
                             this);
    intro->setWordWrap(true);
    auto* note = new QLabel(QStringLiteral(
        "When the mud loads, the shopkeeper can only have five items he sells.  Additional items will be added "
        "to his inventory as people sell him items."), this);
    note->setWordWrap(true);

    auto* fields = new QGridLayout;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        items_[i] = new QComboBox(this);
        items_[i]->setObjectName(QStringLiteral("itemSold%1").arg(i + 1));
        fields->addWidget(new QLabel(QString::fromLatin1(kLabels[i]), this), int(i), 0);
        fields->addWidget(items_[i], int(i), 1);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(fields);
    layout->addWidget(note);
    layout->addStretch();
}

void CShopSell::activate()
{
    // The items cannot change while the editor is open: the lists are made the first time the page
    // is shown, and later visits only select in them.
    if (listed_ >= 0) {
        for (std::size_t i = 0; i < items_.size(); ++i)
            ComboFill::select(items_[i], listed_, shop_.itemsSold[i]);
        return;
    }
    std::vector<std::string> entries{"(None)"};
    std::vector<std::string> identifiers;
    world_.itemIdentifiers(identifiers);
    entries.insert(entries.end(), identifiers.begin(), identifiers.end());
    for (std::size_t i = 0; i < items_.size(); ++i)
        listed_ = ComboFill::fill(items_[i], entries, shop_.itemsSold[i]);
}

bool CShopSell::leave()
{
    for (std::size_t i = 0; i < items_.size(); ++i)
        shop_.itemsSold[i] = ComboFill::chosen(items_[i]);
    return true;
}

} // namespace tarnholt
