#include "items/CItemValueContainer.h"

#include <QCheckBox>
#include <QComboBox>

#include "world/World.h"

namespace tarnholt {

CItemValueContainer::CItemValueContainer(ItemEditContext& context, QWidget* parent)
    : CItemValuePage(QStringLiteral("Container"), context, parent)
{
    addNumber(QStringLiteral("Maximum weight the item can hold:"), "maxWeight",
              bind(&ContainerValues::maxWeight));
    addCheck(QStringLiteral("Closeable"), "closeable", bind(&ContainerValues::closeable));
    addCheck(QStringLiteral("Pickproof"), "pickproof", bind(&ContainerValues::pickproof));
    addCheck(QStringLiteral("Closed"), "closed", bind(&ContainerValues::closed));
    addCheck(QStringLiteral("Locked"), "locked", bind(&ContainerValues::locked));
    noKey_ = addCheck(QStringLiteral("No Key Exists"), "noKey", bind(&ContainerValues::noKey));
    // The lists are read from the World each time the page opens.
    const World* world = &context.world;
    key_ = addNames(
        QStringLiteral("Key Object:"), "key",
        [world] {
            std::vector<std::string> keys;
            for (const Item& item : world->items) {
                if (item.itemType == "Key")
                    keys.push_back(item.identifier);
            }
            return keys;
        },
        bind(&ContainerValues::key));
    addNumber(QStringLiteral("Minimum Level:"), "minLevel", bind(&ContainerValues::minLevel));

    connect(noKey_, &QCheckBox::toggled, this, &CItemValueContainer::followNoKey);
}

void CItemValueContainer::loaded()
{
    followNoKey();
}

void CItemValueContainer::followNoKey()
{
    key_->setEnabled(!noKey_->isChecked());
}

} // namespace tarnholt
