#include "items/CItemValueDevice.h"

#include <QComboBox>
#include <QLineEdit>

#include "world/World.h"

namespace tarnholt {

namespace {

// The order in which the page offers the directions (not the device numbering).
const char* const kDirectionChoices[] = {"North", "East",      "South",     "West",      "Down",
                                         "Up",    "Northwest", "Northeast", "Southeast", "Southwest"};

} // namespace

CItemValueDevice::CItemValueDevice(ItemEditContext& context, QWidget* parent)
    : CItemValuePage(QStringLiteral("Device"), context, parent)
{
    QStringList actions;
    for (const DeviceActionInfo& action : deviceActions())
        actions << QString::fromLatin1(action.name);
    action_ = addIndex(QStringLiteral("Device Type:"), "deviceType", actions, bind(&DeviceValues::action));

    // The lists are read from the World each time the page opens.
    const World* world = &context.world;
    room_ = addNames(
        QStringLiteral("Room Name:"), "room",
        [world] {
            std::vector<std::string> list;
            world->roomIdentifiers(list);
            return list;
        },
        bind(&DeviceValues::room));
    item_ = addNames(
        QStringLiteral("Item Name:"), "item",
        [world] {
            std::vector<std::string> list;
            world->itemIdentifiers(list);
            return list;
        },
        bind(&DeviceValues::item));
    mob_ = addNames(
        QStringLiteral("Mob Name:"), "mob",
        [world] {
            std::vector<std::string> list;
            world->mobIdentifiers(list);
            return list;
        },
        bind(&DeviceValues::mob));
    spell_ = addNames(QStringLiteral("Spell Name:"), "spell", spellNames(), bind(&DeviceValues::spell));
    direction_ = addNames(
        QStringLiteral("Direction:"), "direction",
        [] { return std::vector<std::string>(std::begin(kDirectionChoices), std::end(kDirectionChoices)); },
        bind(&DeviceValues::direction));
    duration_ = addNumber(QStringLiteral("Spell Duration (in hours):"), "spellDuration",
                          bind(&DeviceValues::spellDuration));
    level_ = addNumber(QStringLiteral("Spell Level:"), "spellLevel", bind(&DeviceValues::spellLevel));
    addCheck(QStringLiteral("Boolean Toggle"), "booleanToggle", bind(&DeviceValues::booleanToggle));
    addCheck(QStringLiteral("Boolean Action"), "booleanAction", bind(&DeviceValues::booleanAction));
    addChoice(QStringLiteral("Boolean Starts:"), {QStringLiteral("False"), QStringLiteral("True")},
              bind(&DeviceValues::startValue));

    connect(action_, &QComboBox::currentIndexChanged, this, &CItemValueDevice::enableForAction);
}

void CItemValueDevice::loaded()
{
    enableForAction();
}

void CItemValueDevice::enableForAction()
{
    const int index = action_->currentIndex();
    const DeviceTarget target = index >= 0 && index < static_cast<int>(deviceActions().size())
                                    ? deviceActions()[static_cast<std::size_t>(index)].target
                                    : DeviceTarget::Nothing;
    room_->setEnabled(target == DeviceTarget::Room);
    item_->setEnabled(target == DeviceTarget::Item);
    mob_->setEnabled(target == DeviceTarget::Mob);
    direction_->setEnabled(target == DeviceTarget::Direction);
    spell_->setEnabled(target == DeviceTarget::Spell);
    duration_->setEnabled(target == DeviceTarget::Spell);
    level_->setEnabled(target == DeviceTarget::Spell);
}

} // namespace tarnholt
