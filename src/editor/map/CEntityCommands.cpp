#include "map/CEntityCommands.h"

#include <string>

#include "app/CTarnholtDoc.h"
#include "app/CText.h"
#include "app/Questions.h"
#include "generate/CLoadListView.h"
#include "generate/CSetDescriptionsDialog.h"
#include "generate/Reformat.h"
#include "items/Item.h"
#include "items/ItemEdit.h"
#include "mobs/CMobSheet.h"
#include "mobs/Mob.h"
#include "mobs/MobEdit.h"
#include "rooms/CRoomSheet.h"
#include "rooms/Room.h"
#include "shops/CShopSheet.h"
#include "shops/Shop.h"
#include "universe/CSpellListDialog.h"
#include "universe/TemplateLibrary.h"
#include "world/World.h"

namespace tarnholt {

namespace {

bool validIndex(int index, std::size_t size)
{
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

void reformatExtras(ExtraDescriptions& extras, int width, Questions& questions)
{
    for (std::string& text : extras.descriptionList)
        reformatDescription(text, width, true, questions);
}

} // namespace

CEntityCommands::CEntityCommands(CTarnholtDoc& doc, TemplateLibrary& templates, Questions& questions,
                                 QWidget* parent)
    : QObject(parent), doc_(doc), templates_(templates), questions_(questions), parent_(parent)
{
}

bool CEntityCommands::handles(int id) const
{
    switch (id) {
    case ID_ADD_MOB:
    case ID_ADD_ITEM:
    case ID_ADD_SHOP:
    case ID_ADD_ITEM_TEMPLATE:
    case ID_ADD_MOB_TEMPLATE:
    case ID_ADD_ROOM_TEMPLATE:
    case ID_SET_ROOM_DESCRIPTIONS:
    case ID_SET_EXIT_DESCRIPTIONS:
    case ID_SHOW_LOADS:
    case ID_SHOW_SPELL_LIST:
    case ID_REFORMAT_60:
    case ID_REFORMAT_80:
        return true;
    default:
        break;
    }
    ListCommand command;
    int index = 0;
    return decodeListCommand(id, command, index);
}

void CEntityCommands::run(int id)
{
    switch (id) {
    case ID_ADD_MOB:
        addMob();
        return;
    case ID_ADD_ITEM:
        addItem();
        return;
    case ID_ADD_SHOP:
        addShop();
        return;
    case ID_ADD_ITEM_TEMPLATE:
        addItemTemplate();
        return;
    case ID_ADD_MOB_TEMPLATE:
        addMobTemplate();
        return;
    case ID_ADD_ROOM_TEMPLATE:
        addRoomTemplate();
        return;
    case ID_SET_ROOM_DESCRIPTIONS:
        setRoomDescriptions(false);
        return;
    case ID_SET_EXIT_DESCRIPTIONS:
        setRoomDescriptions(true);
        return;
    case ID_SHOW_LOADS:
        showLoads();
        return;
    case ID_SHOW_SPELL_LIST:
        showSpellList();
        return;
    case ID_REFORMAT_60:
        reformat(60);
        return;
    case ID_REFORMAT_80:
        reformat(80);
        return;
    default:
        break;
    }
    ListCommand command;
    int index = 0;
    if (decodeListCommand(id, command, index))
        runListCommand(command, index);
}

void CEntityCommands::runListCommand(ListCommand command, int index)
{
    World& world = doc_.getWorld();
    switch (command) {
    case ListCommand::EditMob:
        editMob(index);
        return;
    case ListCommand::EditItem:
        editItem(index);
        return;
    case ListCommand::EditShop:
        editShop(index);
        return;
    // Deleting goes at once, without a question; references to the record stay as they are
    // and code generation reports those that no longer resolve.
    case ListCommand::DeleteMob:
        if (validIndex(index, world.mobs.size())) {
            world.mobs.erase(world.mobs.begin() + index);
            doc_.markChanged();
        }
        return;
    case ListCommand::DeleteItem:
        if (validIndex(index, world.items.size())) {
            world.items.erase(world.items.begin() + index);
            doc_.markChanged();
        }
        return;
    case ListCommand::DeleteShop:
        if (validIndex(index, world.shops.size())) {
            world.shops.erase(world.shops.begin() + index);
            doc_.markChanged();
        }
        return;
    // The library belongs to the program, not to the document: it is not marked modified.
    case ListCommand::UseItemTemplate:
        templates_.items().setCurrent(index);
        return;
    case ListCommand::UseMobTemplate:
        templates_.mobs().setCurrent(index);
        return;
    case ListCommand::UseRoomTemplate:
        templates_.rooms().setCurrent(index);
        return;
    case ListCommand::DeleteItemTemplate:
        templates_.items().remove(index, questions_);
        return;
    case ListCommand::DeleteMobTemplate:
        templates_.mobs().remove(index, questions_);
        return;
    case ListCommand::DeleteRoomTemplate:
        templates_.rooms().remove(index, questions_);
        return;
    }
}

// --- Records ---------------------------------------------------------------------------------------

void CEntityCommands::addMob()
{
    Mob mob = templates_.mobs().current();
    if (!openMobEditor(mob, QStringLiteral("Creating a New Mob"), false))
        return;
    doc_.getWorld().mobs.push_back(std::move(mob));
    doc_.markChanged();
}

void CEntityCommands::addItem()
{
    Item item = templates_.items().current();
    if (!openItemEditor(item, QStringLiteral("Creating a New Item"), false))
        return;
    doc_.getWorld().items.push_back(std::move(item));
    doc_.markChanged();
}

void CEntityCommands::addShop()
{
    if (doc_.getWorld().rooms.empty()) {
        questions_.message("You have to define a room before you can add a shop.");
        return;
    }
    Shop shop;
    if (!openShopEditor(shop, QStringLiteral("Creating a New Shop")))
        return;
    doc_.getWorld().shops.push_back(std::move(shop));
    doc_.markChanged();
}

void CEntityCommands::editMob(int index)
{
    World& world = doc_.getWorld();
    if (!validIndex(index, world.mobs.size()))
        return;
    Mob mob = world.mobs[static_cast<std::size_t>(index)];
    const std::string oldName = mob.identifier;
    if (!openMobEditor(mob, QStringLiteral("Editing a Existing Mob - ") + CText::toQt(oldName), false))
        return;
    // Writes the copy back (when the mob is still there) and passes a change of Identifier on.
    if (applyMobEdit(world, static_cast<std::size_t>(index), mob))
        doc_.markChanged();
}

void CEntityCommands::editItem(int index)
{
    World& world = doc_.getWorld();
    if (!validIndex(index, world.items.size()))
        return;
    Item item = world.items[static_cast<std::size_t>(index)];
    const std::string oldName = item.identifier;
    if (!openItemEditor(item, QStringLiteral("Editing an Existing Item - ") + CText::toQt(oldName), false))
        return;
    if (applyItemEdit(world, static_cast<std::size_t>(index), item))
        doc_.markChanged();
}

void CEntityCommands::editShop(int index)
{
    World& world = doc_.getWorld();
    if (!validIndex(index, world.shops.size()))
        return;
    Shop shop = world.shops[static_cast<std::size_t>(index)];
    if (!openShopEditor(shop, QStringLiteral("Editing an Existing Shop")))
        return;
    if (applyShopEdit(world, static_cast<std::size_t>(index), shop))
        doc_.markChanged();
}

// --- Templates -------------------------------------------------------------------------------------

void CEntityCommands::addItemTemplate()
{
    Item item;
    if (openItemEditor(item, QStringLiteral("Creating a New Item Template"), true))
        templates_.items().add(item, item.identifier, questions_);
}

void CEntityCommands::addMobTemplate()
{
    Mob mob;
    if (openMobEditor(mob, QStringLiteral("Creating a New Mob Template"), true))
        templates_.mobs().add(mob, mob.identifier, questions_);
}

void CEntityCommands::addRoomTemplate()
{
    Room room;
    if (openRoomTemplateEditor(room, QStringLiteral("Creating a New Room Template")))
        templates_.rooms().add(room, room.identifier, questions_);
}

// --- Utilities -------------------------------------------------------------------------------------

void CEntityCommands::setRoomDescriptions(bool exits)
{
    {
        CSetDescriptionsDialog form(exits ? CSetDescriptionsDialog::Target::Exits : CSetDescriptionsDialog::Target::Rooms,
                                    doc_.getWorld(), questions_, parent_);
        form.exec();
    }
    // Whatever was done in the form counts as a change.
    doc_.markChanged();
}

void CEntityCommands::showLoads()
{
    {
        CLoadListView form(doc_.getWorld(), questions_, parent_);
        form.exec();
    }
    doc_.markChanged();
}

void CEntityCommands::showSpellList()
{
    CSpellListDialog form(doc_.getUniverse(), parent_);
    form.exec();
}

void CEntityCommands::reformatAll(World& world, int width, Questions& questions)
{
    for (Item& item : world.items) {
        reformatDescription(item.description, width, true, questions);
        reformatExtras(item.extraDescriptions, width, questions);
    }
    for (Mob& mob : world.mobs) {
        reformatDescription(mob.description, width, true, questions);
        reformatExtras(mob.extraDescriptions, width, questions);
    }
    for (Room& room : world.rooms) {
        reformatDescription(room.description, width, true, questions);
        reformatExtras(room.extraDescriptions, width, questions);
        for (Exit& exit : room.exits)
            reformatDescription(exit.description, width, true, questions);
    }
}

void CEntityCommands::reformat(int width)
{
    reformatAll(doc_.getWorld(), width, questions_);
    // Every description may have changed; unmarked, closing the program would lose them silently.
    doc_.markChanged();
}

// --- Editors ---------------------------------------------------------------------------------------

bool CEntityCommands::openMobEditor(Mob& mob, const QString& title, bool templateMode)
{
    if (mobEditor_)
        return mobEditor_(mob, title, templateMode);
    CMobSheet sheet(title, mob, doc_.getWorld(), doc_.getUniverse(), templates_, questions_, templateMode, parent_);
    if (sheet.exec() != QDialog::Accepted)
        return false;
    mob = sheet.mob();
    return true;
}

bool CEntityCommands::openItemEditor(Item& item, const QString& title, bool templateMode)
{
    if (itemEditor_)
        return itemEditor_(item, title, templateMode);
    return tarnholt::editItem(parent_.data(), doc_.getWorld(), doc_.getUniverse(), templates_, questions_, item, templateMode, title);
}

bool CEntityCommands::openShopEditor(Shop& shop, const QString& title)
{
    if (shopEditor_)
        return shopEditor_(shop, title);
    CShopSheet sheet(title, shop, doc_.getWorld(), questions_, parent_);
    if (sheet.exec() != QDialog::Accepted)
        return false;
    shop = sheet.shop();
    return true;
}

bool CEntityCommands::openRoomTemplateEditor(Room& room, const QString& title)
{
    if (roomTemplateEditor_)
        return roomTemplateEditor_(room, title);
    CRoomSheet sheet(title, room, doc_.getWorld(), doc_.getUniverse(), templates_, questions_, true, -1, parent_);
    if (sheet.exec() != QDialog::Accepted)
        return false;
    room = sheet.room();
    return true;
}

} // namespace tarnholt
