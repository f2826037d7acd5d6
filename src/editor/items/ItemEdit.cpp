#include "items/ItemEdit.h"

#include <string>

#include "items/CItemSheet.h"
#include "items/Item.h"
#include "world/World.h"

namespace tarnholt {

bool editItem(QWidget* parent, const World& world, const Universe& universe, const TemplateLibrary& templates,
              Questions& questions, Item& item, bool templateMode, const QString& title)
{
    CItemSheet sheet(title, item, world, universe, templates, questions, templateMode, parent);
    if (sheet.exec() != QDialog::Accepted)
        return false;
    item = sheet.item();
    return true;
}

bool applyItemEdit(World& world, std::size_t index, const Item& edited)
{
    if (index >= world.items.size())
        return false;
    const std::string oldIdentifier = world.items[index].identifier;
    world.items[index] = edited;
    // Renaming from the empty text would make every empty key and recipe slot of the zone name
    // this item, and renaming to it would unhook every reference: neither is an edit.
    if (!oldIdentifier.empty() && !edited.identifier.empty() && oldIdentifier != edited.identifier)
        world.RenameItemRef(oldIdentifier, edited.identifier);
    return true;
}

} // namespace tarnholt
