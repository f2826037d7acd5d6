#include "items/CItemValueKey.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/CText.h"
#include "world/World.h"

namespace tarnholt {

CItemValueKey::CItemValueKey(ItemEditContext& context, QWidget* parent)
    : CItemValuePage(QStringLiteral("Key"), context, parent)
{
    addNumber(QStringLiteral("Key Number:"), "keyNumber", bind(&KeyValues::keyNumber));
    unlocks_ = new QListWidget(this);
    unlocks_->setObjectName(QStringLiteral("unlocks"));
    unlocks_->setSelectionMode(QAbstractItemView::NoSelection);
    auto* label = new QLabel(QStringLiteral("This key will currently unlock the listed items/doors:"), this);
    label->setBuddy(unlocks_);
    below()->addWidget(label);
    below()->addWidget(unlocks_);
}

void CItemValueKey::loaded()
{
    // The doors and containers name the key by the Identifier the World knows; a renamed key
    // takes them along on OK, so both the old and the typed Identifier count. An empty Identifier
    // names no key: it is what every door without a key holds.
    const ItemEditContext& edit = context();
    const std::string& typed = edit.item.identifier;
    const std::string& initial = edit.initialIdentifier;
    auto names = [&](const std::string& reference) {
        return !reference.empty() && (reference == typed || reference == initial);
    };

    unlocks_->clear();
    for (const Room& room : edit.world.rooms) {
        for (std::size_t direction = 0; direction < room.exits.size(); ++direction) {
            if (names(room.exits[direction].key))
                unlocks_->addItem(QStringLiteral("Room: '%1' Exit: %2")
                                      .arg(CText::toQt(room.identifier))
                                      .arg(static_cast<int>(direction)));
        }
    }
    for (const Item& item : edit.world.items) {
        if (item.itemType != "Container")
            continue;
        const auto* container = dynamic_cast<const ContainerValues*>(item.valueRecord.get());
        if (container != nullptr && names(container->key))
            unlocks_->addItem(QStringLiteral("Container: '%1'").arg(CText::toQt(item.identifier)));
    }
}

} // namespace tarnholt
