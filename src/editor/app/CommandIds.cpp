#include "app/CommandIds.h"

namespace tarnholt {

int listCommandBase(ListCommand command)
{
    switch (command) {
    case ListCommand::EditMob: return ID_EDIT_MOB_FIRST;
    case ListCommand::EditItem: return ID_EDIT_ITEM_FIRST;
    case ListCommand::EditShop: return ID_EDIT_SHOP_FIRST;
    case ListCommand::DeleteMob: return ID_DELETE_MOB_FIRST;
    case ListCommand::DeleteItem: return ID_DELETE_ITEM_FIRST;
    case ListCommand::DeleteShop: return ID_DELETE_SHOP_FIRST;
    case ListCommand::UseItemTemplate: return ID_USE_ITEM_TEMPLATE_FIRST;
    case ListCommand::UseMobTemplate: return ID_USE_MOB_TEMPLATE_FIRST;
    case ListCommand::UseRoomTemplate: return ID_USE_ROOM_TEMPLATE_FIRST;
    case ListCommand::DeleteItemTemplate: return ID_DELETE_ITEM_TEMPLATE_FIRST;
    case ListCommand::DeleteMobTemplate: return ID_DELETE_MOB_TEMPLATE_FIRST;
    case ListCommand::DeleteRoomTemplate: return ID_DELETE_ROOM_TEMPLATE_FIRST;
    }
    return 0;
}

int listCommandRange(ListCommand command)
{
    switch (command) {
    case ListCommand::EditMob:
        return 2 * kRecordMenuReach;
    case ListCommand::EditItem:
    case ListCommand::EditShop:
    case ListCommand::DeleteMob:
    case ListCommand::DeleteItem:
    case ListCommand::DeleteShop:
        return kRecordMenuReach;
    default:
        return kTemplateMenuReach;
    }
}

bool decodeListCommand(int id, ListCommand& command, int& index)
{
    for (int i = 0; i < kListCommandCount; ++i) {
        auto candidate = static_cast<ListCommand>(i);
        int base = listCommandBase(candidate);
        if (id >= base && id < base + listCommandRange(candidate)) {
            command = candidate;
            index = id - base;
            return true;
        }
    }
    return false;
}

} // namespace tarnholt
