#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "app/CommandIds.h"

namespace tarnholt {

class CTarnholtDoc;
class Item;
class Mob;
class Questions;
class Room;
class Shop;
class TemplateLibrary;
class World;

/// The zone-wide commands of the Objects, Templates and Utilities menus: adding, editing and
/// deleting mobs, items and shops; adding, choosing and deleting templates; the description
/// forms, the load list, the spell list and the reformatting of every description.
///
/// The record editors work on a copy; the copy replaces the record only when the editor is
/// confirmed. Each editor can be replaced (tests answer them from a script).
class CEntityCommands : public QObject {
    Q_OBJECT

public:
    /// Opens an editor titled `title` on `record` and returns true when it was confirmed (the
    /// edited copy then being in `record`). In template mode the Identifier names a template.
    using MobEditor = std::function<bool(Mob& mob, const QString& title, bool templateMode)>;
    using ItemEditor = std::function<bool(Item& item, const QString& title, bool templateMode)>;
    using ShopEditor = std::function<bool(Shop& shop, const QString& title)>;
    /// The room editor in template mode (no exits page).
    using RoomTemplateEditor = std::function<bool(Room& room, const QString& title)>;

    /// `doc`, `templates` and `questions` must outlive the commands; forms open over `parent`,
    /// which also owns the commands.
    CEntityCommands(CTarnholtDoc& doc, TemplateLibrary& templates, Questions& questions, QWidget* parent);

    /// True for the commands carried here: Add Mob, Add Item, Add Shop, the three template
    /// additions, the Utilities commands except Define Colors, and every numbered entry of the
    /// Objects and Templates submenus.
    bool handles(int id) const;
    /// Carries out a command that `handles` accepts; any other identifier does nothing.
    void run(int id);
    /// Carries out a numbered submenu entry: `index` is the record's position in its World array
    /// or the template's position in the library. An index that names nothing does nothing.
    void runListCommand(ListCommand command, int index);

    void setMobEditor(MobEditor editor) { mobEditor_ = std::move(editor); }
    void setItemEditor(ItemEditor editor) { itemEditor_ = std::move(editor); }
    void setShopEditor(ShopEditor editor) { shopEditor_ = std::move(editor); }
    void setRoomTemplateEditor(RoomTemplateEditor editor) { roomTemplateEditor_ = std::move(editor); }

    /// Rewraps every description of `world` for a screen `width` columns wide, without a question:
    /// each item's description and extra descriptions, then each mob's, then each room's
    /// description, extra descriptions and the descriptions of its ten exits.
    static void reformatAll(World& world, int width, Questions& questions);

private:
    void addMob();
    void addItem();
    void addShop();
    void editMob(int index);
    void editItem(int index);
    void editShop(int index);
    void addItemTemplate();
    void addMobTemplate();
    void addRoomTemplate();
    void setRoomDescriptions(bool exits);
    void showLoads();
    void showSpellList();
    void reformat(int width);

    bool openMobEditor(Mob& mob, const QString& title, bool templateMode);
    bool openItemEditor(Item& item, const QString& title, bool templateMode);
    bool openShopEditor(Shop& shop, const QString& title);
    bool openRoomTemplateEditor(Room& room, const QString& title);

    CTarnholtDoc& doc_;
    TemplateLibrary& templates_;
    Questions& questions_;
    QPointer<QWidget> parent_;
    MobEditor mobEditor_;
    ItemEditor itemEditor_;
    ShopEditor shopEditor_;
    RoomTemplateEditor roomTemplateEditor_;
};

} // namespace tarnholt
