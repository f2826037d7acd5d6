// The submenus that list the World's records and the template library, as they are rebuilt each
// time a menu opens: groups of a hundred, command identifiers by index, gaps, "More...".

#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest>

#include "app/CMenuTree.h"
#include "editor/app/EditorTestSupport.h"
#include "universe/TemplateLibrary.h"
#include "world/World.h"

using namespace tarnholt;
using namespace tarnholt::test;

namespace {

World worldWith(int mobs, int items, int shops)
{
    World world;
    for (int i = 0; i < mobs; ++i)
        world.mobs.emplace_back().identifier = "mob" + std::to_string(i);
    for (int i = 0; i < items; ++i)
        world.items.emplace_back().identifier = "item" + std::to_string(i);
    for (int i = 0; i < shops; ++i)
        world.shops.emplace_back().room = "room" + std::to_string(i);
    return world;
}

/// The visible entries of a menu: "text=id", "text>" for a submenu, "-" for a separator.
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

QMenu* group(QMenu* menu, int position)
{
    return menu->actions().at(position)->menu();
}

} // namespace

class TestMenus : public QObject {
    Q_OBJECT

private slots:
    void listsSitWhereTheirCommandsExpect();
    void recordsInGroupsOfAHundred();
    void gapsAndShifts();
    void moreEntryBeyondTheRanges();
    void templatesWithTheCurrentOneTicked();
    void recentFiles();
};

void TestMenus::listsSitWhereTheirCommandsExpect()
{
    QMenuBar bar;
    CMenuTree menus(&bar);
    QCOMPARE(entriesOf(menus.topMenu(2)),
             strings({"Add &Mob=32777", "Add &Item=32778", "Add &Shop=32806", "-", "Edit Existing Mob>",
                      "Edit Existing Item>", "Edit Existing Shop>", "-", "Delete a Mob>", "Delete an Item>",
                      "Delete a Shop>"}));
    QCOMPARE(entriesOf(menus.topMenu(3)),
             strings({"Add Item Template=32781", "Add Mob Template=32783", "Add Room Template=32784", "-",
                      "Use Item Template>", "Use Mob Template>", "Use Room Template>", "-", "Delete Item Template>",
                      "Delete Mob Template>", "Delete Room Template>"}));
    QCOMPARE(menus.action(32782)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    QCOMPARE(menus.action(32777)->statusTip(), QStringLiteral("Add a new monster type"));
    QCOMPARE(menus.action(32777)->toolTip(), QStringLiteral("Add Mob"));
    QVERIFY(!menus.action(32771)->isEnabled()); // no help to show
}

void TestMenus::recordsInGroupsOfAHundred()
{
    QMenuBar bar;
    CMenuTree menus(&bar);
    World world = worldWith(250, 101, 0);
    menus.rebuildLists(world, TemplateLibrary::instance());
    menus.rebuildLists(world, TemplateLibrary::instance()); // opening again builds the same lists

    for (auto [command, base] : {std::pair{ListCommand::EditMob, 36865}, std::pair{ListCommand::DeleteMob, 40865}}) {
        QMenu* list = menus.listMenu(command);
        QCOMPARE(entriesOf(list), strings({"First 100 Mobs>", "Second 100 Mobs>", "Third 100 Mobs>"}));
        QCOMPARE(list->findChildren<QMenu*>().size(), 3);
        QCOMPARE(group(list, 0)->actions().size(), 100);
        QStringList third = entriesOf(group(list, 2));
        QCOMPARE(third.size(), 50);
        QCOMPARE(third.first(), QStringLiteral("mob200=%1").arg(base + 200));
        QCOMPARE(third.last(), QStringLiteral("mob249=%1").arg(base + 249));
    }
    QCOMPARE(entriesOf(menus.listMenu(ListCommand::EditItem)), strings({"First 100 Items>", "Second 100 Items>"}));
    QCOMPARE(entriesOf(group(menus.listMenu(ListCommand::DeleteItem), 1)), strings({"item100=41965"}));
    // A World without shops: both shop submenus are empty.
    QVERIFY(menus.listMenu(ListCommand::EditShop)->actions().isEmpty());
    QVERIFY(menus.listMenu(ListCommand::DeleteShop)->actions().isEmpty());

    // Shops are listed by the Identifier of their room.
    world = worldWith(0, 0, 2);
    menus.rebuildLists(world, TemplateLibrary::instance());
    QCOMPARE(entriesOf(group(menus.listMenu(ListCommand::EditShop), 0)), strings({"room0=39865", "room1=39866"}));
    QCOMPARE(entriesOf(group(menus.listMenu(ListCommand::DeleteShop), 0)), strings({"room0=42865", "room1=42866"}));
}

void TestMenus::gapsAndShifts()
{
    QMenuBar bar;
    CMenuTree menus(&bar);
    World world = worldWith(8, 0, 2);
    world.mobs[5].identifier.clear();
    world.mobs[2].identifier = "Tom & Jerry";
    world.shops[0].room.clear();
    menus.rebuildLists(world, TemplateLibrary::instance());
    QCOMPARE(entriesOf(group(menus.listMenu(ListCommand::EditMob), 0)),
             strings({"mob0=36865", "mob1=36866", "Tom && Jerry=36867", "mob3=36868", "mob4=36869", "mob6=36871",
                      "mob7=36872"}));
    QCOMPARE(entriesOf(group(menus.listMenu(ListCommand::EditShop), 0)), strings({"room1=39866"}));

    // After the first mob is deleted every later one answers to an identifier one lower.
    world.mobs.erase(world.mobs.begin());
    menus.rebuildLists(world, TemplateLibrary::instance());
    QCOMPARE(entriesOf(group(menus.listMenu(ListCommand::DeleteMob), 0)).first(), QStringLiteral("mob1=40865"));

    // A group whose records all lack an Identifier leaves no submenu.
    world = worldWith(150, 0, 0);
    for (int i = 0; i < 100; ++i)
        world.mobs[static_cast<std::size_t>(i)].identifier.clear();
    menus.rebuildLists(world, TemplateLibrary::instance());
    QCOMPARE(entriesOf(menus.listMenu(ListCommand::DeleteMob)), strings({"Second 100 Mobs>"}));
}

void TestMenus::moreEntryBeyondTheRanges()
{
    QMenuBar bar;
    CMenuTree menus(&bar);
    World world = worldWith(1001, 1000, 0);
    menus.rebuildLists(world, TemplateLibrary::instance());
    QStringList mobs = entriesOf(menus.listMenu(ListCommand::EditMob));
    QCOMPARE(mobs.size(), 11);
    QCOMPARE(mobs.at(9), QStringLiteral("Tenth 100 Mobs>"));
    QCOMPARE(mobs.last(), QStringLiteral("More..."));
    QCOMPARE(entriesOf(group(menus.listMenu(ListCommand::DeleteMob), 9)).last(), QStringLiteral("mob999=41864"));
    // Exactly a thousand items all fit in the groups.
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
    QVERIFY(library.rooms().add(Room(), "Hall", questions));
    QVERIFY(library.rooms().add(Room(), "Cellar", questions));
    QVERIFY(library.rooms().setCurrent(1));

    QMenuBar bar;
    CMenuTree menus(&bar);
    World world;
    menus.rebuildLists(world, library);
    QMenu* use = menus.listMenu(ListCommand::UseRoomTemplate);
    QCOMPARE(entriesOf(use), strings({"A Blank Room=53348", "Hall=53349", "Cellar=53350"}));
    QCOMPARE(use->actions().at(0)->isChecked(), false);
    QCOMPARE(use->actions().at(1)->isChecked(), true);
    QCOMPARE(entriesOf(menus.listMenu(ListCommand::DeleteRoomTemplate)),
             strings({"A Blank Room=53498", "Hall=53499", "Cellar=53500"}));
    QCOMPARE(entriesOf(menus.listMenu(ListCommand::UseMobTemplate)), strings({"A Blank Mob=53298"}));
    QCOMPARE(entriesOf(menus.listMenu(ListCommand::DeleteItemTemplate)), strings({"A Blank Item=53398"}));

    // Fifty templates fill a range; the fifty-first is reached through "More...".
    for (int i = 1; i <= 50; ++i)
        QVERIFY(library.items().add(Item(), "t" + std::to_string(i), questions));
    menus.rebuildLists(world, library);
    QStringList items = entriesOf(menus.listMenu(ListCommand::UseItemTemplate));
    QCOMPARE(items.size(), 51);
    QCOMPARE(items.at(49), QStringLiteral("t49=53297"));
    QCOMPARE(items.last(), QStringLiteral("More..."));
}

void TestMenus::recentFiles()
{
    QMenuBar bar;
    CMenuTree menus(&bar);
    menus.setRecentFiles({QStringLiteral("/zones/castle.rlm"), QStringLiteral("/zones/R&D.rlm")});
    QCOMPARE(entriesOf(menus.topMenu(0)).mid(8),
             strings({"Generate Code=32785", "-", "&1 /zones/castle.rlm=57616", "&2 /zones/R&&D.rlm=57617", "-",
                      "E&xit=57665"}));
    QCOMPARE(menus.recentActions().first()->statusTip(), QStringLiteral("Open this document"));
    menus.setRecentFiles({});
    QCOMPARE(entriesOf(menus.topMenu(0)).at(10), QStringLiteral("Recent File"));
}

QTEST_MAIN(TestMenus)
#include "test_menus.moc"
