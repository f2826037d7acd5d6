// The Objects, Templates and Utilities commands chosen from the menus; numbered entries name records
// and templates by their index at the moment the menu opened.

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QtTest>

#include "app/CMenuTree.h"
#include "app/CTarnholtDoc.h"
#include "app/CommandIds.h"
#include "editor/app/EditorTestSupport.h"
#include "generate/LoadAction.h"
#include "map/CEntityCommands.h"
#include "universe/TemplateLibrary.h"

using namespace tarnholt;
using namespace tarnholt::test;

namespace {

/// A document with scripted boxes, its own template library and the menu bar that runs the commands.
struct Session {
    PrivateSettings settings;
    QTemporaryDir folder;
    ScriptedMessages messages;
    CTarnholtDoc doc{messages};
    TemplateLibrary library{folder.path().toStdString()};
    QMainWindow window;
    CMenuTree* menus = new CMenuTree(window.menuBar());
    CEntityCommands* commands = new CEntityCommands(doc, library, messages, &window);

    Session()
    {
        doc.OnNewDocument();
        QObject::connect(menus, &CMenuTree::command, commands, [this](int id) {
            if (commands->handles(id))
                commands->run(id);
        });
        window.show();
    }

    World& world() { return doc.getWorld(); }
    void choose(int id) { menus->action(id)->trigger(); }

    /// The entry `text` of a submenu as the builder finds it when the menu opens, or null.
    QAction* entry(ListCommand command, const char* text)
    {
        menus->rebuildLists(doc.getWorld(), library);
        return findEntry(menus->listMenu(command), qt(text));
    }

    static QAction* findEntry(QMenu* menu, const QString& text)
    {
        for (QAction* action : menu->actions()) {
            QAction* found = action->menu() != nullptr ? findEntry(action->menu(), text) : action;
            if (found != nullptr && found->text() == text)
                return found;
        }
        return nullptr;
    }
};

template <typename Record>
Record entity(const char* identifier)
{
    Record record;
    record.identifier = identifier;
    return record;
}

/// Answers the next editor: notes its title and tabs in `seen` ("title|tab|tab..."), types
/// `identifier` (the shop editor gets its last room instead) and presses `button`.
void answer(QString* seen, const char* identifier, QString button = QStringLiteral("OK"))
{
    whenModal([seen, identifier, button](QDialog* form) {
        *seen = form->windowTitle();
        if (auto tabs = form->findChild<QTabWidget*>())
            for (int i = 0; i < tabs->count(); ++i)
                *seen += QLatin1Char('|') + tabs->tabText(i);
        if (auto room = named<QComboBox>(form, "room"))
            room->setCurrentIndex(room->count() - 1);
        else
            typeInto(named<QLineEdit>(form, "identifier"), qt(identifier));
        click(form, button);
    });
}

QString titleOf(const QString& seen) { return seen.section(QLatin1Char('|'), 0, 0); }

} // namespace

class EntityCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void addRecords_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::newRow("mob") << ID_ADD_MOB << qt("OK") << qt("Creating a New Mob");
        QTest::newRow("item") << ID_ADD_ITEM << qt("OK") << qt("Creating a New Item");
        QTest::newRow("shop") << ID_ADD_SHOP << qt("OK") << qt("Creating a New Shop");
        QTest::newRow("mob cancelled") << ID_ADD_MOB << qt("Cancel") << qt("Creating a New Mob");
        QTest::newRow("shop cancelled") << ID_ADD_SHOP << qt("Cancel") << qt("Creating a New Shop");
    }

    void addRecords()
    {
        QFETCH(int, id);
        QFETCH(QString, button);
        QFETCH(QString, title);
        Session session;
        World& world = session.world();
        world.rooms.push_back(entity<Room>("Bakery"));
        // New mobs and items start as copies of the current template.
        Mob orc;
        orc.level = 7;
        session.library.mobs().add(orc, "Orc", session.messages);
        session.entry(ListCommand::UseMobTemplate, "Orc")->trigger();
        Item bread;
        bread.weight = 2;
        session.library.items().add(bread, "Bread", session.messages);
        session.entry(ListCommand::UseItemTemplate, "Bread")->trigger();

        QString seen;
        answer(&seen, "new one", button);
        session.choose(id);
        QCOMPARE(titleOf(seen), title);
        const bool added = button == qt("OK");
        QCOMPARE(world.mobs.size() + world.items.size() + world.shops.size(), std::size_t(added));
        QCOMPARE(session.doc.IsModified(), added);
        if (!world.mobs.empty())
            QVERIFY(world.mobs[0].identifier == "new one" && world.mobs[0].level == 7);
        if (!world.items.empty())
            QVERIFY(world.items[0].identifier == "new one" && world.items[0].weight == 2);
        if (!world.shops.empty())
            QCOMPARE(world.shops[0].room, std::string("Bakery"));
    }

    void addShopNeedsARoom()
    {
        Session session;
        QVERIFY(!opensAForm([&] { session.choose(ID_ADD_SHOP); }));
        QCOMPARE(session.messages.messages, std::vector<std::string>{"You have to define a room before you can add a shop."});
        QVERIFY(session.world().shops.empty());
    }

    void editRenamesReferencesOrCancels()
    {
        Session session;
        World& world = session.world();
        world.mobs = {entity<Mob>("Ann"), entity<Mob>("Bob")};
        world.items = {entity<Item>("lamp")};
        world.rooms = {entity<Room>("Hall"), entity<Room>("Forge")};
        Shop& shop = world.shops.emplace_back();
        shop.room = "Hall";
        shop.keeper = "Bob";
        shop.profitBuying = 120;

        QAction* bob = session.entry(ListCommand::EditMob, "Bob");
        QCOMPARE(bob->data().toInt(), ID_EDIT_MOB_FIRST + 1);
        QString seen;
        answer(&seen, "Bert");
        bob->trigger();
        QCOMPARE(titleOf(seen), qt("Editing a Existing Mob - Bob"));
        QCOMPARE(world.mobs[1].identifier + world.shops[0].keeper, std::string("BertBert")); // references follow
        QVERIFY(session.doc.IsModified());

        session.doc.SetModifiedFlag(false);
        answer(&seen, "torch", qt("Cancel"));
        session.entry(ListCommand::EditItem, "lamp")->trigger();
        QCOMPARE(titleOf(seen), qt("Editing an Existing Item - lamp"));
        QCOMPARE(world.items[0].identifier, std::string("lamp"));
        QVERIFY(!session.doc.IsModified());

        answer(&seen, nullptr); // picks the last room, "Forge"
        session.entry(ListCommand::EditShop, "Hall")->trigger();
        QCOMPARE(titleOf(seen), qt("Editing an Existing Shop"));
        QVERIFY(world.shops[0].room == "Forge" && world.shops[0].profitBuying == 120);
    }

    void deleteShiftsLaterIdentifiers()
    {
        Session session;
        World& world = session.world();
        world.mobs = {entity<Mob>("Ann"), entity<Mob>("Bob"), entity<Mob>("Cid")};
        world.items = {entity<Item>("bread"), entity<Item>("sword")};
        world.rooms = {entity<Room>("Hall")};
        world.rooms[0].loads.resize(1);
        world.rooms[0].loads[0].item = "sword";

        QAction* ann = session.entry(ListCommand::DeleteMob, "Ann");
        QCOMPARE(ann->data().toInt(), ID_DELETE_MOB_FIRST);
        QVERIFY(!opensAForm([ann] { ann->trigger(); })); // no question
        QCOMPARE(world.mobs.size(), std::size_t(2));
        QVERIFY(session.doc.IsModified());
        // The menu opened again lists every later mob one identifier lower, which reaches it.
        QVERIFY(session.entry(ListCommand::EditMob, "Ann") == nullptr);
        QCOMPARE(session.entry(ListCommand::EditMob, "Cid")->data().toInt(), ID_EDIT_MOB_FIRST + 1);
        QString seen;
        answer(&seen, "Cid", qt("Cancel"));
        session.commands->run(ID_EDIT_MOB_FIRST + 1);
        QCOMPARE(titleOf(seen), qt("Editing a Existing Mob - Cid"));

        // A deleted item stays named by the load that loads it.
        session.entry(ListCommand::DeleteItem, "sword")->trigger();
        QVERIFY(world.items.size() == 1 && world.rooms[0].loads[0].item == "sword");
    }

    void entriesNamingNothingDoNothing()
    {
        Session session;
        session.world().mobs = {entity<Mob>("Ann")};
        QVERIFY(!opensAForm([&] {
            for (int id : {ID_EDIT_MOB_FIRST + 1, ID_DELETE_MOB_FIRST + 999, ID_DELETE_SHOP_FIRST,
                           ID_USE_ITEM_TEMPLATE_FIRST + 7, ID_DELETE_ROOM_TEMPLATE_FIRST + 3})
                session.commands->run(id);
        }));
        QCOMPARE(session.world().mobs.size(), std::size_t(1));
        QVERIFY(!session.doc.IsModified() && session.messages.messages.empty());
        // Define Colors, Edit Zone and Generate Code stay with the frame, Edit Room with the map.
        for (int id : {ID_DEFINE_COLORS, ID_EDIT_ZONE, ID_GENERATE_CODE, ID_EDIT_ROOM, ID_DELETE_ROOM_TEMPLATE_FIRST + 50})
            QVERIFY2(!session.commands->handles(id), qPrintable(QString::number(id)));
    }

    void templates()
    {
        Session session;
        TemplateLibrary& library = session.library;
        session.world().rooms.push_back(entity<Room>("Cave")); // a World room of that name is no obstacle
        QString seen;
        for (auto [id, title] : {std::pair{ID_ADD_ROOM_TEMPLATE, "Creating a New Room Template"},
                                 std::pair{ID_ADD_MOB_TEMPLATE, "Creating a New Mob Template"},
                                 std::pair{ID_ADD_ITEM_TEMPLATE, "Creating a New Item Template"}}) {
            answer(&seen, "Cave");
            session.choose(id);
            QCOMPARE(titleOf(seen), qt(title));
            QVERIFY(seen.contains(QLatin1Char('|')) && !seen.contains(qt("|Exits"))); // a room template has no exits
        }
        QCOMPARE(library.rooms().names().back() + library.mobs().names().back() + library.items().names().back(),
                 std::string("CaveCaveCave"));

        // Use: the check mark moves with the current template.
        QAction* cave = session.entry(ListCommand::UseRoomTemplate, "Cave");
        QCOMPARE(cave->data().toInt(), ID_USE_ROOM_TEMPLATE_FIRST + 1);
        cave->trigger();
        QCOMPARE(library.rooms().currentIndex(), 1);
        QVERIFY(session.entry(ListCommand::UseRoomTemplate, "Cave")->isChecked());

        // Delete: the blank one is refused; deleting the current one makes the blank one current.
        session.entry(ListCommand::DeleteRoomTemplate, "A Blank Room")->trigger();
        QCOMPARE(session.messages.messages, std::vector<std::string>{"You can not remove the blank template."});
        QAction* remove = session.entry(ListCommand::DeleteRoomTemplate, "Cave");
        QCOMPARE(remove->data().toInt(), ID_DELETE_ROOM_TEMPLATE_FIRST + 1);
        remove->trigger();
        QCOMPARE(library.rooms().names(), std::vector<std::string>{"A Blank Room"});
        QVERIFY(session.entry(ListCommand::UseRoomTemplate, "A Blank Room")->isChecked());
        QVERIFY(!session.doc.IsModified()); // templates are not the document's
    }

    void reformatEveryDescription()
    {
        // How a text is wrapped is the core's; here every description of the zone is reached, at the
        // chosen width, without a question.
        Session session;
        World& world = session.world();
        const std::string text = std::string(29, 'a') + " " + std::string(30, 'b'); // 60 characters
        Item& item = world.items.emplace_back();
        item.description = item.longDescription = text; // the long description is none
        item.extraDescriptions.set("lamp", text);
        Mob& mob = world.mobs.emplace_back();
        mob.description = text;
        mob.extraDescriptions.set("guard", text);
        Room& room = world.rooms.emplace_back();
        room.description = room.exits.edit(9).description = text;
        room.extraDescriptions.set("wall", text);

        session.choose(ID_REFORMAT_60);
        for (const std::string& done : {item.description, item.extraDescriptions.get("lamp"), mob.description,
                                        mob.extraDescriptions.get("guard"), room.description,
                                        room.extraDescriptions.get("wall"), room.exits[9].description})
            QCOMPARE(done, std::string(29, 'a') + "\r\n" + std::string(30, 'b') + "\r\n");
        QVERIFY(item.longDescription == text && session.messages.questions.empty());
        QVERIFY(session.doc.IsModified()); // closing must ask to save

        room.description = text;
        session.choose(ID_REFORMAT_80);
        QCOMPARE(room.description, text + "\r\n");
    }

    void utilityFormsMarkModified_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("title");
        QTest::newRow("rooms") << ID_SET_ROOM_DESCRIPTIONS << qt("Set Room Description for a Room or Rooms");
        QTest::newRow("exits") << ID_SET_EXIT_DESCRIPTIONS << qt("Set All Exit Descriptions Going to a Particular Room or Rooms");
        QTest::newRow("loads") << ID_SHOW_LOADS << qt("Things Loaded in this Zone");
        QTest::newRow("spells") << ID_SHOW_SPELL_LIST << qt("Spell Number List");
    }

    void utilityFormsMarkModified()
    {
        QFETCH(int, id);
        QFETCH(QString, title);
        Session session;
        QString shown;
        whenModal([&shown](QDialog* form) {
            shown = form->windowTitle();
            QTest::keyClick(form, Qt::Key_Escape);
        });
        session.choose(id);
        QCOMPARE(shown, title);
        // Closed without doing anything, the form still counts as a change (not the spell list).
        QCOMPARE(session.doc.IsModified(), id != ID_SHOW_SPELL_LIST);
    }
};

QTEST_MAIN(EntityCommandsTest)
#include "EntityCommandsTest.moc"
