// The menu bar: the fixed tree with its command identifiers, and the submenus that list the
// World's records and the template library, as they are rebuilt when a menu opens.

#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest>

#include "app/CMenuTree.h"
#include "app/CommandIds.h"
#include "editor/app/EditorTestSupport.h"
#include "universe/TemplateLibrary.h"
#include "world/World.h"

using namespace tarnholt;
using namespace tarnholt::test;

namespace {

World worldWith(int mobs, int items, int shops)
{
    World world;
    for (int i = 0; i < mobs; ++i) {
        world.mobs.emplace_back();
        world.mobs.back().identifier = "mob" + std::to_string(i);
    }
    for (int i = 0; i < items; ++i) {
        world.items.emplace_back();
        world.items.back().identifier = "item" + std::to_string(i);
    }
    for (int i = 0; i < shops; ++i) {
        world.shops.emplace_back();
        world.shops.back().room = "room" + std::to_string(i);
    }
    return world;
}

/// The entries of a menu as "text=id" (or "text>" for a submenu, "text" for an entry without id).
QStringList entriesOf(QMenu* menu)
{
    QStringList out;
    for (QAction* action : menu->actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator())
            out << QStringLiteral("-");
        else if (action->menu() != nullptr)
            out << action->text() + QStringLiteral(">");
        else if (action->data().isValid())
            out << action->text() + QStringLiteral("=") + QString::number(action->data().toInt());
        else
            out << action->text();
    }
    return out;
}

QMenu* submenuNamed(QMenu* menu, const QString& title)
{
    for (QAction* action : menu->actions()) {
        if (action->menu() != nullptr && action->text() == title)
            return action->menu();
    }
    return nullptr;
}

} // namespace

class TestMenus : public QObject {
    Q_OBJECT

private slots:
    void fixedTree_data();
    void fixedTree();
    void shortcutsAndPrompts_data();
    void shortcutsAndPrompts();
    void commandRanges_data();
    void commandRanges();
    void mobsInGroupsOfAHundred();
    void emptyIdentifierLeavesAGap();
    void deletingShiftsTheIdentifiers();
    void shopsAreListedByTheirRoom();
    void moreEntryBeyondAThousand();
    void templatesWithTheCurrentOneTicked();
    void entriesEmitTheirCommand();
    void recentFiles();
};

void TestMenus::fixedTree_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("File") << 0 << "&File"
                          << strings({"&New=57600", "&Open...=57601", "&Save=57603", "Save &As...=57604", "-",
                                         "Open &Item File=32803", "Open &Mob File=32804", "-", "Generate Code=32785",
                                         "-", "Recent File", "-", "E&xit=57665"});
    QTest::newRow("Edit") << 1 << "&Edit" << strings({"Edit &Zone=32782"});
    QTest::newRow("Objects") << 2 << "&Objects"
                             << strings({"Add &Mob=32777", "Add &Item=32778", "Add &Shop=32806", "-",
                                            "Edit Existing Mob>", "Edit Existing Item>", "Edit Existing Shop>", "-",
                                            "Delete a Mob>", "Delete an Item>", "Delete a Shop>"});
    QTest::newRow("Templates") << 3 << "&Templates"
                               << strings({"Add Item Template=32781", "Add Mob Template=32783",
                                              "Add Room Template=32784", "-", "Use Item Template>",
                                              "Use Mob Template>", "Use Room Template>", "-",
                                              "Delete Item Template>", "Delete Mob Template>",
                                              "Delete Room Template>"});
    QTest::newRow("Utilities") << 4 << "&Utilities"
                               << strings({"Set Room &Descriptions=32776", "Set Room &Exit Descriptions=32779",
                                              "Show &Loads=32798", "&Show Spell List=32805", "-",
                                              "Define &Colors=32780", "-", "Reformat Descriptions to 60=32801",
                                              "Reformat Descriptions to 80=32802"});
    QTest::newRow("View") << 5 << "&View" << strings({"&Toolbar=59392", "&Status Bar=59393"});
    QTest::newRow("Help") << 6 << "&Help"
                          << strings({"Tarnholt &Help=32771", "&Overview=32795", "-", "&About Tarnholt...=57664"});
}

void TestMenus::fixedTree()
{
    QFETCH(int, position);
    QFETCH(QString, title);
    QFETCH(QStringList, entries);

    QMenuBar bar;
    CMenuTree menus(&bar);
    QCOMPARE(bar.actions().size(), 7);
    QCOMPARE(menus.topMenu(position)->title(), title);
    QCOMPARE(entriesOf(menus.topMenu(position)), entries);
}

void TestMenus::shortcutsAndPrompts_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("statusTip");
    QTest::addColumn<QString>("toolTip");

    QTest::newRow("New") << 57600 << "Ctrl+N" << "Create a new document" << "New";
    QTest::newRow("Open") << 57601 << "Ctrl+O" << "Open an existing document" << "Open";
    QTest::newRow("Save") << 57603 << "Ctrl+S" << "Save the active document" << "Save";
    QTest::newRow("Edit Zone") << 32782 << "Ctrl+Z" << "Edit the zone characteristics" << "Edit Zone";
    QTest::newRow("Add Mob") << 32777 << "Ctrl+M" << "Add a new monster type" << "Add Mob";
    QTest::newRow("Add Item") << 32778 << "Ctrl+I" << "Add a new item" << "Add Item";
    QTest::newRow("Add Shop") << 32806 << "Ctrl+H" << "Add a new shop" << "Add Shop";
    QTest::newRow("Exit") << 57665 << "" << "Quit the application; prompts to save documents" << "Exit";
    QTest::newRow("Import mobs") << 32804 << ""
                                 << "Open a Kestrane mob file and load into the current context." << "";
    QTest::newRow("Toolbar") << 59392 << "" << "Show or hide the toolbar" << "Toggle ToolBar";
    QTest::newRow("Help") << 32771 << "F1" << "See some help on how to use the Tarnholt program" << "";
}

void TestMenus::shortcutsAndPrompts()
{
    QFETCH(int, id);
    QFETCH(QString, shortcut);
    QFETCH(QString, statusTip);
    QFETCH(QString, toolTip);

    QMenuBar bar;
    CMenuTree menus(&bar);
    QAction* action = menus.action(id);
    QVERIFY(action != nullptr);
    QCOMPARE(action->shortcut().toString(QKeySequence::PortableText), shortcut);
    QCOMPARE(action->statusTip(), statusTip);
    if (!toolTip.isEmpty())
        QCOMPARE(action->toolTip(), toolTip);
    // Help has nothing to show and is offered disabled.
    QCOMPARE(action->isEnabled(), id != ID_HELP);
}

void TestMenus::commandRanges_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("index");

    QTest::newRow("edit mob 0") << 36865 << int(ListCommand::EditMob) << 0;
    QTest::newRow("edit mob 1999") << 38864 << int(ListCommand::EditMob) << 1999;
    QTest::newRow("edit item 0") << 38865 << int(ListCommand::EditItem) << 0;
    QTest::newRow("edit shop 999") << 40864 << int(ListCommand::EditShop) << 999;
    QTest::newRow("delete mob 6") << 40871 << int(ListCommand::DeleteMob) << 6;
    QTest::newRow("delete item 0") << 41865 << int(ListCommand::DeleteItem) << 0;
    QTest::newRow("delete shop 999") << 43864 << int(ListCommand::DeleteShop) << 999;
    QTest::newRow("use item template 0") << 53248 << int(ListCommand::UseItemTemplate) << 0;
    QTest::newRow("use item template 49") << 53297 << int(ListCommand::UseItemTemplate) << 49;
    QTest::newRow("use mob template 0") << 53298 << int(ListCommand::UseMobTemplate) << 0;
    QTest::newRow("use room template 2") << 53350 << int(ListCommand::UseRoomTemplate) << 2;
    QTest::newRow("delete item template 1") << 53399 << int(ListCommand::DeleteItemTemplate) << 1;
    QTest::newRow("delete mob template 0") << 53448 << int(ListCommand::DeleteMobTemplate) << 0;
    QTest::newRow("delete room template 49") << 53547 << int(ListCommand::DeleteRoomTemplate) << 49;
    QTest::newRow("below the ranges") << 36864 << -1 << 0;
    QTest::newRow("between the ranges") << 43865 << -1 << 0;
    QTest::newRow("above the ranges") << 53548 << -1 << 0;
}

void TestMenus::commandRanges()
{
    QFETCH(int, id);
    QFETCH(int, command);
    QFETCH(int, index);

    ListCommand decoded = ListCommand::EditMob;
    int decodedIndex = 0;
    bool inRange = decodeListCommand(id, decoded, decodedIndex);
    QCOMPARE(inRange, command >= 0);
    if (inRange) {
        QCOMPARE(int(decoded), command);
        QCOMPARE(decodedIndex, index);
    }
}

void TestMenus::mobsInGroupsOfAHundred()
{
    QMenuBar bar;
    CMenuTree menus(&bar);
    World world = worldWith(250, 101, 0);
    menus.rebuildLists(world, TemplateLibrary::instance());

    for (ListCommand command : {ListCommand::EditMob, ListCommand::DeleteMob}) {
        QMenu* list = menus.listMenu(command);
        QCOMPARE(entriesOf(list), (strings({"First 100 Mobs>", "Second 100 Mobs>", "Third 100 Mobs>"})));
        QMenu* third = submenuNamed(list, QStringLiteral("Third 100 Mobs"));
        QCOMPARE(third->actions().size(), 50);
        int base = command == ListCommand::EditMob ? 36865 : 40865;
        QCOMPARE(third->actions().first()->text(), QStringLiteral("mob200"));
        QCOMPARE(third->actions().first()->data().toInt(), base + 200);
        QCOMPARE(third->actions().last()->data().toInt(), base + 249);
        QCOMPARE(submenuNamed(list, QStringLiteral("First 100 Mobs"))->actions().size(), 100);
    }
    QCOMPARE(entriesOf(menus.listMenu(ListCommand::EditItem)), (strings({"First 100 Items>", "Second 100 Items>"})));
    QMenu* secondItems = submenuNamed(menus.listMenu(ListCommand::DeleteItem), QStringLiteral("Second 100 Items"));
    QCOMPARE(entriesOf(secondItems), strings({"item100=41965"}));
    // No shops: both shop submenus are empty.
    QVERIFY(menus.listMenu(ListCommand::EditShop)->actions().isEmpty());
    QVERIFY(menus.listMenu(ListCommand::DeleteShop)->actions().isEmpty());

    // Opening the menu again builds the same lists, not twice as many.
    menus.rebuildLists(world, TemplateLibrary::instance());
    QCOMPARE(menus.listMenu(ListCommand::EditMob)->actions().size(), 3);
    QCOMPARE(menus.listMenu(ListCommand::EditMob)->findChildren<QMenu*>().size(), 3);
}

void TestMenus::emptyIdentifierLeavesAGap()
{
    QMenuBar bar;
    CMenuTree menus(&bar);
    World world = worldWith(8, 0, 0);
    world.mobs[5].identifier.clear();
    world.mobs[2].identifier = "Tom & Jerry";
    menus.rebuildLists(world, TemplateLibrary::instance());
    QMenu* first = submenuNamed(menus.listMenu(ListCommand::EditMob), QStringLiteral("First 100 Mobs"));
    QCOMPARE(entriesOf(first), (strings({"mob0=36865", "mob1=36866", "Tom && Jerry=36867", "mob3=36868",
                                            "mob4=36869", "mob6=36871", "mob7=36872"})));

    // A whole group of empty Identifiers leaves no submenu at all.
    World sparse = worldWith(150, 0, 0);
    for (int i = 0; i < 100; ++i)
        sparse.mobs[static_cast<std::size_t>(i)].identifier.clear();
    menus.rebuildLists(sparse, TemplateLibrary::instance());
    QCOMPARE(entriesOf(menus.listMenu(ListCommand::DeleteMob)), strings({"Second 100 Mobs>"}));
}

void TestMenus::deletingShiftsTheIdentifiers()
{
    QMenuBar bar;
    CMenuTree menus(&bar);
    World world = worldWith(3, 0, 0);
    menus.rebuildLists(world, TemplateLibrary::instance());
    world.mobs.erase(world.mobs.begin());
    menus.rebuildLists(world, TemplateLibrary::instance());
    QMenu* first = submenuNamed(menus.listMenu(ListCommand::EditMob), QStringLiteral("First 100 Mobs"));
    QCOMPARE(entriesOf(first), (strings({"mob1=36865", "mob2=36866"})));
}

void TestMenus::shopsAreListedByTheirRoom()
{
    QMenuBar bar;
    CMenuTree menus(&bar);
    World world = worldWith(0, 0, 3);
    world.shops[1].room.clear();
    world.shops[1].keeper = "baker";
    menus.rebuildLists(world, TemplateLibrary::instance());
    QMenu* edit = submenuNamed(menus.listMenu(ListCommand::EditShop), QStringLiteral("First 100 Shops"));
    QCOMPARE(entriesOf(edit), (strings({"room0=39865", "room2=39867"})));
    QMenu* remove = submenuNamed(menus.listMenu(ListCommand::DeleteShop), QStringLiteral("First 100 Shops"));
    QCOMPARE(entriesOf(remove), (strings({"room0=42865", "room2=42867"})));
}

void TestMenus::moreEntryBeyondAThousand()
{
    QMenuBar bar;
    CMenuTree menus(&bar);
    World world = worldWith(1001, 1000, 0);
    menus.rebuildLists(world, TemplateLibrary::instance());

    QStringList mobs = entriesOf(menus.listMenu(ListCommand::EditMob));
    QCOMPARE(mobs.size(), 11);
    QCOMPARE(mobs.at(9), QStringLiteral("Tenth 100 Mobs>"));
    QCOMPARE(mobs.last(), QStringLiteral("More..."));
    QCOMPARE(entriesOf(menus.listMenu(ListCommand::DeleteMob)).last(), QStringLiteral("More..."));
    QMenu* tenth = submenuNamed(menus.listMenu(ListCommand::DeleteMob), QStringLiteral("Tenth 100 Mobs"));
    QCOMPARE(tenth->actions().last()->data().toInt(), 40865 + 999);
    // Exactly a thousand items all fit in the groups: no "More...".
    QCOMPARE(entriesOf(menus.listMenu(ListCommand::EditItem)).last(), QStringLiteral("Tenth 100 Items>"));

    QSignalSpy more(&menus, &CMenuTree::more);
    menus.listMenu(ListCommand::DeleteMob)->actions().last()->trigger();
    QCOMPARE(more.size(), 1);
    QCOMPARE(more.at(0).at(0).value<ListCommand>(), ListCommand::DeleteMob);
}

void TestMenus::templatesWithTheCurrentOneTicked()
{
    TemplateLibrary library(QDir::tempPath().toStdString());
    ScriptedQuestions questions;
    Room hall;
    hall.identifier = "hall";
    QVERIFY(library.rooms().add(hall, "Hall", questions));
    QVERIFY(library.rooms().add(hall, "Cellar", questions));
    QVERIFY(library.rooms().setCurrent(1));

    QMenuBar bar;
    CMenuTree menus(&bar);
    World world;
    menus.rebuildLists(world, library);
    QMenu* use = menus.listMenu(ListCommand::UseRoomTemplate);
    QCOMPARE(entriesOf(use), (strings({"A Blank Room=53348", "Hall=53349", "Cellar=53350"})));
    QCOMPARE(use->actions().at(0)->isChecked(), false);
    QCOMPARE(use->actions().at(1)->isChecked(), true);
    QCOMPARE(use->actions().at(2)->isChecked(), false);
    QCOMPARE(entriesOf(menus.listMenu(ListCommand::DeleteRoomTemplate)),
             (strings({"A Blank Room=53498", "Hall=53499", "Cellar=53500"})));
    QCOMPARE(entriesOf(menus.listMenu(ListCommand::UseItemTemplate)), strings({"A Blank Item=53248"}));
    QVERIFY(menus.listMenu(ListCommand::UseItemTemplate)->actions().at(0)->isChecked());
    QCOMPARE(entriesOf(menus.listMenu(ListCommand::DeleteMobTemplate)), strings({"A Blank Mob=53448"}));

    // Fifty templates fill the range; the fifty-first is reached through "More...".
    Item item;
    for (int i = 1; i <= 50; ++i)
        QVERIFY(library.items().add(item, "t" + std::to_string(i), questions));
    menus.rebuildLists(world, library);
    QStringList items = entriesOf(menus.listMenu(ListCommand::UseItemTemplate));
    QCOMPARE(items.size(), 51);
    QCOMPARE(items.at(49), QStringLiteral("t49=53297"));
    QCOMPARE(items.last(), QStringLiteral("More..."));
}

void TestMenus::entriesEmitTheirCommand()
{
    QMenuBar bar;
    CMenuTree menus(&bar);
    World world = worldWith(7, 0, 0);
    menus.rebuildLists(world, TemplateLibrary::instance());
    QSignalSpy commands(&menus, &CMenuTree::command);
    submenuNamed(menus.listMenu(ListCommand::EditMob), QStringLiteral("First 100 Mobs"))->actions().at(6)->trigger();
    menus.action(ID_EDIT_ZONE)->trigger();
    QCOMPARE(commands.size(), 2);
    QCOMPARE(commands.at(0).at(0).toInt(), 36865 + 6);
    QCOMPARE(commands.at(1).at(0).toInt(), ID_EDIT_ZONE);
}

void TestMenus::recentFiles()
{
    QMenuBar bar;
    CMenuTree menus(&bar);
    QMenu* file = menus.topMenu(0);
    QStringList files{QStringLiteral("/zones/castle.rlm"), QStringLiteral("/zones/R&D.rlm")};
    menus.setRecentFiles(files);
    QStringList entries = entriesOf(file);
    QCOMPARE(entries.mid(8), (strings({"Generate Code=32785", "-", "&1 /zones/castle.rlm=57616",
                                          "&2 /zones/R&&D.rlm=57617", "-", "E&xit=57665"})));
    QVERIFY(!menus.recentActions().isEmpty());
    QCOMPARE(menus.recentActions().first()->statusTip(), QStringLiteral("Open this document"));

    menus.setRecentFiles({});
    QCOMPARE(entriesOf(file).at(10), QStringLiteral("Recent File"));
    QVERIFY(menus.recentActions().isEmpty());
}

QTEST_MAIN(TestMenus)
#include "test_menus.moc"
