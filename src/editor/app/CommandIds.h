#pragma once

namespace tarnholt {

// The command identifiers of the menus, the toolbar and the accelerators. Each menu action carries
// its identifier in QAction::data().

// File
constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_SAVE = 57603;
constexpr int ID_FILE_SAVE_AS = 57604;
constexpr int ID_OPEN_ITEM_FILE = 32803;
constexpr int ID_OPEN_MOB_FILE = 32804;
constexpr int ID_GENERATE_CODE = 32785;
constexpr int ID_FILE_MRU_FIRST = 57616; // ten entries: 57616 to 57625
constexpr int ID_APP_EXIT = 57665;

// Edit
constexpr int ID_EDIT_ZONE = 32782;

// Objects
constexpr int ID_ADD_MOB = 32777;
constexpr int ID_ADD_ITEM = 32778;
constexpr int ID_ADD_SHOP = 32806;

// Templates
constexpr int ID_ADD_ITEM_TEMPLATE = 32781;
constexpr int ID_ADD_MOB_TEMPLATE = 32783;
constexpr int ID_ADD_ROOM_TEMPLATE = 32784;

// Utilities
constexpr int ID_SET_ROOM_DESCRIPTIONS = 32776;
constexpr int ID_SET_EXIT_DESCRIPTIONS = 32779;
constexpr int ID_SHOW_LOADS = 32798;
constexpr int ID_SHOW_SPELL_LIST = 32805;
constexpr int ID_DEFINE_COLORS = 32780;
constexpr int ID_REFORMAT_60 = 32801;
constexpr int ID_REFORMAT_80 = 32802;

// View
constexpr int ID_VIEW_TOOLBAR = 59392;
constexpr int ID_VIEW_STATUS_BAR = 59393;

// Help
constexpr int ID_HELP = 32771;
constexpr int ID_OVERVIEW = 32795;
constexpr int ID_APP_ABOUT = 57664;

// Room context menu of the map
constexpr int ID_EDIT_ROOM = 32796;
constexpr int ID_DELETE_ROOM = 32797;

// The entries of the Objects submenus: base + index of the record in its World array.
// 1000 identifiers per kind and action (2000 for editing mobs).
constexpr int ID_EDIT_MOB_FIRST = 36865;
constexpr int ID_EDIT_ITEM_FIRST = 38865;
constexpr int ID_EDIT_SHOP_FIRST = 39865;
constexpr int ID_DELETE_MOB_FIRST = 40865;
constexpr int ID_DELETE_ITEM_FIRST = 41865;
constexpr int ID_DELETE_SHOP_FIRST = 42865;
constexpr int kRecordMenuReach = 1000; // records listed in the groups of a submenu: index 0 to 999

// The entries of the Templates submenus: base + index of the template in the library (50 per range).
constexpr int ID_USE_ITEM_TEMPLATE_FIRST = 53248;
constexpr int ID_USE_MOB_TEMPLATE_FIRST = 53298;
constexpr int ID_USE_ROOM_TEMPLATE_FIRST = 53348;
constexpr int ID_DELETE_ITEM_TEMPLATE_FIRST = 53398;
constexpr int ID_DELETE_MOB_TEMPLATE_FIRST = 53448;
constexpr int ID_DELETE_ROOM_TEMPLATE_FIRST = 53498;
constexpr int kTemplateMenuReach = 50;

/// The twelve submenus whose entries name a record or a template by its index.
enum class ListCommand {
    EditMob,
    EditItem,
    EditShop,
    DeleteMob,
    DeleteItem,
    DeleteShop,
    UseItemTemplate,
    UseMobTemplate,
    UseRoomTemplate,
    DeleteItemTemplate,
    DeleteMobTemplate,
    DeleteRoomTemplate,
};
constexpr int kListCommandCount = 12;

/// The first identifier of a list command's range.
int listCommandBase(ListCommand command);
/// How many identifiers the range holds (1000 for records, 2000 for editing mobs, 50 for templates).
int listCommandRange(ListCommand command);
/// The list command and index an identifier names; false for an identifier outside the ranges.
bool decodeListCommand(int id, ListCommand& command, int& index);

} // namespace tarnholt
