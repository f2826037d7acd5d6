#pragma once

// Drives the item editor as a builder does, on top of the common form driver, and holds the
// small zone the item tests work in.

#include <QTabBar>
#include <QTabWidget>

#include <memory>

#include "app/Questions.h"
#include "editor/rooms/FormDriver.h"
#include "items/CItemSheet.h"
#include "items/ItemTypes.h"
#include "universe/TemplateLibrary.h"
#include "universe/Universe.h"
#include "world/World.h"

namespace tarnholt::testing {

inline QStringList tabTitles(const CItemSheet& sheet)
{
    QStringList titles;
    for (int i = 0; i < sheet.tabs()->count(); ++i)
        titles << sheet.tabs()->tabText(i);
    return titles;
}

inline void clickTab(CItemSheet& sheet, const char* title)
{
    QTabBar* bar = sheet.tabs()->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
        if (bar->tabText(i) == qt(title)) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
            return;
        }
    }
    QFAIL(title);
}

inline QString currentTab(const CItemSheet& sheet)
{
    return sheet.tabs()->tabText(sheet.tabs()->currentIndex());
}

inline QStringList listEntries(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

template <class Values> Item makeItem(const char* identifier, const char* type, int vnum = 0)
{
    Item item;
    item.identifier = identifier;
    item.itemType = type;
    item.vnum = vnum;
    item.valueRecord = std::make_unique<Values>();
    return item;
}

/// An item of the type named `type`, with that type's default values.
inline Item typedItem(const char* identifier, const std::string& type)
{
    Item item;
    item.identifier = identifier;
    item.itemType = type;
    item.valueRecord = createItemValues(type);
    return item;
}

/// A small zone: keys, a weapon, a container, rooms with locked doors, mobs with similar names.
inline World sampleZone()
{
    World world;
    Item key = makeItem<KeyValues>("brass key", "Key", 3001);
    Item sword = makeItem<WeaponValues>("sword", "Weapon", 3012);
    sword.aliases = "sword long";
    sword.shortDescription = "a long sword";
    sword.weight = 8;
    sword.abilityNames = {"Strength"};
    sword.abilityModifiers = {2};
    auto& blade = static_cast<WeaponValues&>(*sword.valueRecord);
    blade.damageDiceCount = 2;
    blade.damageDiceSize = 4;
    blade.minLevel = 5;
    blade.weaponType = "Slash";
    Item chest = makeItem<ContainerValues>("chest", "Container", 3020);
    static_cast<ContainerValues&>(*chest.valueRecord).key = "brass key";
    Item box = makeItem<ContainerValues>("box", "Container");
    static_cast<ContainerValues&>(*box.valueRecord).key = "iron key";
    Item notAContainer = makeItem<OtherValues>("rag", "Other");
    Item ironKey = makeItem<KeyValues>("iron key", "Key");
    world.items = {key, sword, chest, box, notAContainer, ironKey};

    Room hall;
    hall.identifier = "hall";
    hall.exits[0].key = "brass key";
    hall.exits[5].key = "brass key";
    hall.exits[2].key = "iron key";
    Room vault;
    vault.identifier = "vault";
    vault.exits[3].key = "brass key";
    Room yard;
    yard.identifier = "yard"; // doors without keys
    world.rooms = {hall, vault, yard};

    Mob guardian;
    guardian.identifier = "guardian";
    Mob guard;
    guard.identifier = "guard";
    world.mobs = {guardian, guard};
    return world;
}

/// The sheet with the zone's tables, shown and active like a modal editor.
struct ItemEditorFixture {
    World world = sampleZone();
    Universe universe;
    TemplateLibrary templates{"/nonexistent"};
    ScriptedQuestions questions;

    std::unique_ptr<CItemSheet> open(const Item& item, bool templateMode = false)
    {
        auto sheet = std::make_unique<CItemSheet>(qt("Editing an Existing Item - x"), item, world, universe,
                                                  templates, questions, templateMode);
        sheet->show();
        if (!QTest::qWaitForWindowActive(sheet.get()))
            qWarning("the item editor did not become the active window");
        return sheet;
    }
};

} // namespace tarnholt::testing
