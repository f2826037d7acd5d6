#pragma once

// Drives the editor's forms as a person does, and holds the small zone the room, mob, item and shop
// editor tests work in.

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

#include "app/Questions.h"
#include "editor/app/EditorTestSupport.h"
#include "items/CItemSheet.h"
#include "items/ItemTypes.h"
#include "mobs/CMobSheet.h"
#include "rooms/CPropertySheet.h"
#include "rooms/CRoomSheet.h"
#include "rooms/CSheetPage.h"
#include "shops/CShopSheet.h"
#include "universe/CPickList.h"
#include "universe/TemplateLibrary.h"
#include "universe/Universe.h"
#include "world/World.h"

namespace tarnholt::testing {

using test::choose;
using test::qt;

/// The button whose text is `text` among the children of `root`, enabled or not.
inline QAbstractButton* findButton(QWidget* root, const QString& text)
{
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

template <typename T> T* findNamed(QWidget* root, const QString& name) { return root->findChild<T*>(name); }
template <typename T> T* findNamed(QWidget* root, const char* name) { return root->findChild<T*>(qt(name)); }

inline void click(QWidget* root, const char* text)
{
    QAbstractButton* button = findButton(root, qt(text));
    QVERIFY2(button != nullptr && button->isEnabled(), text);
    // Check boxes and option buttons answer on their mark and text, not on the whole cell they fill.
    const bool marked = button->inherits("QCheckBox") || button->inherits("QRadioButton");
    QTest::mouseClick(button, Qt::LeftButton, {}, marked ? QPoint(6, button->height() / 2) : QPoint());
}

/// Ticks or clears the check box `text` of `page`, clicking it only when it must change.
inline void tick(QWidget* page, const char* text, bool ticked)
{
    auto* box = qobject_cast<QCheckBox*>(findButton(page, qt(text)));
    QVERIFY2(box != nullptr, text);
    if (box->isChecked() != ticked)
        click(page, text);
    QCOMPARE(box->isChecked(), ticked);
}

inline void type(QLineEdit* field, const QString& text) { test::typeInto(field, text); }

/// Types several lines, pressing Return between them.
inline void type(QPlainTextEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClicks(field, lines[i]);
    }
}

/// Types into the line edit named `name` on `page`.
inline void type(QWidget* page, const char* name, const char* text)
{
    auto* field = findNamed<QLineEdit>(page, name);
    QVERIFY2(field != nullptr, name);
    type(field, qt(text));
}

inline QStringList entries(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

inline QStringList listEntries(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

inline void selectRow(QListWidget* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

inline QStringList tabTitles(const CPropertySheet& sheet)
{
    QStringList titles;
    for (int i = 0; i < sheet.tabs()->count(); ++i)
        titles << sheet.tabs()->tabText(i);
    return titles;
}

inline void clickTab(CPropertySheet& sheet, const QString& title)
{
    QTabBar* bar = sheet.tabs()->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
        if (bar->tabText(i) == title) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
            return;
        }
    }
    QFAIL(qPrintable(title));
}
inline void clickTab(CPropertySheet& sheet, const char* title) { clickTab(sheet, qt(title)); }

inline QString currentTab(const CPropertySheet& sheet) { return sheet.tabs()->tabText(sheet.tabs()->currentIndex()); }

/// Every text a person reads on `root`, sorted unless asked not to: labels (not the named ones, which
/// show worked-out figures), shown buttons, frames.
inline QStringList shownTexts(QWidget* root, bool sorted = true)
{
    QStringList texts;
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->objectName().isEmpty())
            texts << label->text();
    }
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (!button->isHidden())
            texts << button->text();
    }
    for (QGroupBox* box : root->findChildren<QGroupBox*>())
        texts << box->title();
    if (sorted)
        texts.sort();
    return texts;
}

/// Opens the tab `tab` of `sheet` and checks it shows exactly `texts` (in any order).
inline void checkPageTexts(CPropertySheet& sheet, const QString& tab, QStringList texts)
{
    clickTab(sheet, tab);
    QCOMPARE(currentTab(sheet), tab);
    texts.sort();
    QCOMPARE(shownTexts(sheet.activePage()), texts);
}

inline QStringList namesOf(const std::vector<FlagEntry>& table)
{
    QStringList names;
    for (const FlagEntry& entry : table)
        names << QString::fromStdString(entry.name);
    return names;
}

/// What a pick list showed: its title, its texts (prompt, buttons) and its entries in list order.
struct PickListSeen {
    QString title;
    QStringList texts;
    QStringList offered;

    /// Whether the list had this title and showed this prompt.
    bool asks(const QString& expectedTitle, const QString& prompt) const
    {
        return title == expectedTitle && texts.contains(prompt);
    }
};

/// Records the next pick list to open, then clicks `entry` and "Use" (or cancels when `entry` is empty).
inline void pickFromNext(PickListSeen& seen, const QString& entry)
{
    QTimer::singleShot(0, [&seen, entry] {
        auto* form = qobject_cast<CPickList*>(QApplication::activeModalWidget());
        if (form == nullptr)
            return;
        auto* list = form->findChild<QListWidget*>();
        seen.title = form->windowTitle();
        seen.texts = shownTexts(form);
        seen.offered = listEntries(list);
        const QList<QListWidgetItem*> found = list->findItems(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (!found.isEmpty())
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
        if (!entry.isEmpty())
            QTest::mouseClick(findButton(form, qt("Use")), Qt::LeftButton);
        if (form->isVisible())
            form->reject(); // never leave a modal form open behind a failing test
    });
}

/// Clicks `button` on `page` and answers the pick list it opens with `entry` (cancels when empty).
inline PickListSeen pickThrough(QWidget* page, const char* button, const QString& entry)
{
    PickListSeen seen;
    pickFromNext(seen, entry);
    click(page, button);
    return seen;
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

inline Room makeRoom(const char* identifier, int column, int row)
{
    Room room;
    room.identifier = identifier;
    room.column = column;
    room.row = row;
    room.vnum = 100 + column;
    return room;
}

inline Mob makeMob(const char* identifier, int32_t vnum)
{
    Mob mob;
    mob.identifier = identifier;
    mob.vnum = vnum;
    return mob;
}

/// Rooms with doors locked by the keys, mobs and items whose names begin alike, a baker with every
/// field set, a sword, a locked chest.
inline World sampleZone()
{
    World world;
    world.rooms = {makeRoom("temple", 0, 0), makeRoom("hall", 1, 0), makeRoom("cellar", 0, 1), makeRoom("#0", 5, 5)};
    Room& temple = world.rooms[0];
    temple.name = "The Temple";
    temple.exits.edit(0).target = "hall";
    temple.exits.edit(0).keywords = "door";
    temple.exits.edit(0).key = "brass key";
    temple.exits.edit(0).placement = 5; // drawn wherever the builder left it
    temple.exits.edit(4).target = "cellar";
    temple.exits.edit(5).key = "brass key";
    Room& hall = world.rooms[1];
    hall.name = "The Hall";
    hall.description = "A long hall.\r\n";
    hall.terrain = "City";
    hall.flags = {"Dark"};
    hall.exits.edit(3).target = "temple";
    hall.exits.edit(3).key = "brass key";
    hall.loads.resize(2);
    hall.loads[0].task = LoadAction::LoadMob;
    hall.loads[0].mob = "guard";
    world.rooms[2].exits.edit(2).key = "iron key";

    world.mobs = {makeMob("guardian", 3001), makeMob("guard", 3002), makeMob("baker", 3003)};
    Mob& baker = world.mobs[2];
    baker.aliases = "baker fat";
    baker.shortDescription = "the baker";
    baker.longDescription = "A fat baker kneads dough here.";
    baker.description = "He is covered in flour.\r\nHe smiles.";
    baker.level = 7;
    baker.thaco = 15;
    baker.damageDiceSides = 6;
    baker.damageBonus = 2;
    baker.hitDiceCount = 4;
    baker.hitDiceSides = 10;
    baker.hitBonus = 20;
    baker.armorClass = 5;
    baker.attackCountIndex = 2;
    baker.alignment = 350;
    baker.gold = 40;
    baker.experience = 900;
    baker.loadPosition = 1;
    baker.defaultPosition = 2;
    baker.sex = 1;
    baker.flags = {"Sentinel", "Sanctuary"};
    baker.specProcs = {"MOB_MAGE 100 0 0"};
    baker.speech = {"<LINE> Fresh bread, $n! <END_LINE>\n", "<INTERVAL> 20\n"};
    baker.extraDescriptions.set("apron", "A white apron.");

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
    world.items = {makeItem<KeyValues>("brass key", "Key", 3001), sword, chest, box,
                   makeItem<OtherValues>("rag", "Other"), makeItem<KeyValues>("iron key", "Key")};
    return world;
}

/// The zone with the Universe, an empty template library and scripted answers; opens the editors
/// shown and active, as modal editors are.
struct Editors {
    World world = sampleZone();
    Universe universe;
    TemplateLibrary templates{"/nonexistent"};
    ScriptedQuestions questions;

    template <class Sheet> static std::unique_ptr<Sheet> shown(std::unique_ptr<Sheet> sheet)
    {
        sheet->show();
        if (!QTest::qWaitForWindowActive(sheet.get()))
            qWarning("the editor did not become the active window");
        return sheet;
    }
    std::unique_ptr<CRoomSheet> room(const Room& room, bool templateMode = false, int direction = -1)
    {
        return shown(std::make_unique<CRoomSheet>(qt("Edit Room"), room, world, universe, templates, questions,
                                                  templateMode, direction));
    }
    std::unique_ptr<CMobSheet> mob(const Mob& mob, bool templateMode = false)
    {
        return shown(std::make_unique<CMobSheet>(qt("Edit Mob"), mob, world, universe, templates, questions,
                                                 templateMode));
    }
    std::unique_ptr<CItemSheet> item(const Item& item, bool templateMode = false)
    {
        return shown(std::make_unique<CItemSheet>(qt("Edit Item"), item, world, universe, templates, questions,
                                                  templateMode));
    }
    std::unique_ptr<CShopSheet> shop(const Shop& shop, const QString& title = CShopSheet::newShopTitle())
    {
        return shown(std::make_unique<CShopSheet>(title, shop, world, questions));
    }
};

} // namespace tarnholt::testing
