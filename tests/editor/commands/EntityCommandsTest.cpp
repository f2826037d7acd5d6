// The Objects, Templates and Utilities commands chosen from the menus as a builder does: the
// editors open on copies and are filled in and confirmed or cancelled; numbered entries name
// records and templates by their index at the moment the menu opened.

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

#include "app/CommandIds.h"
#include "editor/commands/CommandsTestSupport.h"
#include "generate/LoadAction.h"

using namespace tarnholt;
using namespace tarnholt::test;

namespace {

template <typename Record>
Record named(const char* identifier)
{
    Record record;
    record.identifier = identifier;
    return record;
}

/// Answers the next editor: notes its title and tabs, types `identifier` and presses `button`.
struct EditorAnswer {
    QString title;
    QStringList tabs;
};

std::function<void(QDialog*)> answer(EditorAnswer* seen, const char* identifier,
                                     const QString& button = QStringLiteral("OK"))
{
    return [seen, identifier, button](QDialog* form) {
        seen->title = form->windowTitle();
        auto tabs = form->findChild<QTabWidget*>();
        for (int i = 0; tabs != nullptr && i < tabs->count(); ++i)
            seen->tabs << tabs->tabText(i);
        if (auto room = field<QComboBox>(form, "room")) // the shop editor wants a room
            room->setCurrentIndex(room->count() - 1);
        else
            typeInto(field<QLineEdit>(form, "identifier"), QString::fromLatin1(identifier));
        click(form, button);
    };
}

} // namespace

class EntityCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void commandsCarriedHere();
    void addRecords_data();
    void addRecords();
    void addShopNeedsARoom();
    void editRenamesReferencesOrCancels();
    void deleteShiftsLaterIdentifiers();
    void entriesNamingNothingDoNothing();
    void templates();
    void reformatEveryDescription();
    void utilityFormsMarkModified_data();
    void utilityFormsMarkModified();
};

void EntityCommandsTest::commandsCarriedHere()
{
    Session session;
    for (int id : {ID_ADD_MOB, ID_ADD_SHOP, ID_ADD_ROOM_TEMPLATE, ID_SHOW_LOADS, ID_REFORMAT_80, ID_EDIT_MOB_FIRST,
                   ID_DELETE_SHOP_FIRST + 999, ID_DELETE_ROOM_TEMPLATE_FIRST + 49})
        QVERIFY2(session.commands->handles(id), qPrintable(QString::number(id)));
    // Define Colors, Edit Zone and Generate Code stay with the frame, Edit Room with the map.
    for (int id : {ID_DEFINE_COLORS, ID_EDIT_ZONE, ID_GENERATE_CODE, ID_EDIT_ROOM, ID_DELETE_ROOM_TEMPLATE_FIRST + 50})
        QVERIFY2(!session.commands->handles(id), qPrintable(QString::number(id)));
}

void EntityCommandsTest::addRecords_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("added");

    QTest::newRow("mob") << ID_ADD_MOB << QStringLiteral("OK") << QStringLiteral("Creating a New Mob") << 1;
    QTest::newRow("item") << ID_ADD_ITEM << QStringLiteral("OK") << QStringLiteral("Creating a New Item") << 1;
    QTest::newRow("shop") << ID_ADD_SHOP << QStringLiteral("OK") << QStringLiteral("Creating a New Shop") << 1;
    QTest::newRow("mob cancelled") << ID_ADD_MOB << QStringLiteral("Cancel") << QStringLiteral("Creating a New Mob") << 0;
    QTest::newRow("shop cancelled") << ID_ADD_SHOP << QStringLiteral("Cancel") << QStringLiteral("Creating a New Shop")
                                    << 0;
}

void EntityCommandsTest::addRecords()
{
    QFETCH(int, id);
    QFETCH(QString, button);
    QFETCH(QString, title);
    QFETCH(int, added);
    Session session;
    World& world = session.world();
    world.rooms.push_back(named<Room>("Bakery"));
    // New mobs and items start as copies of the current template.
    Mob orc;
    orc.level = 7;
    session.library.mobs().add(orc, "Orc", session.messages);
    session.entry(ListCommand::UseMobTemplate, QStringLiteral("Orc"))->trigger();
    Item bread;
    bread.weight = 2;
    session.library.items().add(bread, "Bread", session.messages);
    session.entry(ListCommand::UseItemTemplate, QStringLiteral("Bread"))->trigger();

    EditorAnswer seen;
    whenModal(answer(&seen, "new one", button));
    session.choose(id);

    QCOMPARE(seen.title, title);
    const std::size_t count = world.mobs.size() + world.items.size() + world.shops.size();
    QCOMPARE(count, std::size_t(added));
    QCOMPARE(session.doc.IsModified(), added == 1);
    if (!world.mobs.empty()) {
        QCOMPARE(world.mobs[0].identifier, std::string("new one"));
        QCOMPARE(world.mobs[0].level, 7);
    }
    if (!world.items.empty())
        QCOMPARE(world.items[0].weight, 2);
    if (!world.shops.empty())
        QCOMPARE(world.shops[0].room, std::string("Bakery"));
}

void EntityCommandsTest::addShopNeedsARoom()
{
    Session session;
    session.world().items.push_back(named<Item>("bread"));
    bool seen = false;
    QPointer<QTimer> watch = whenModal([](QDialog*) {}, &seen);
    session.choose(ID_ADD_SHOP);
    QTest::qWait(30);
    delete watch;
    QVERIFY(!seen);
    QCOMPARE(session.messages.messages,
             std::vector<std::string>{"You have to define a room before you can add a shop."});
    QVERIFY(session.world().shops.empty());
}

void EntityCommandsTest::editRenamesReferencesOrCancels()
{
    Session session;
    World& world = session.world();
    world.mobs = {named<Mob>("Ann"), named<Mob>("Bob")};
    world.items = {named<Item>("lamp")};
    Room hall = named<Room>("Hall");
    LoadAction guard;
    guard.task = LoadAction::LoadMob;
    guard.mob = "Bob";
    LoadAction lamp;
    lamp.task = LoadAction::LoadItem;
    lamp.item = "lamp";
    hall.loads = {guard, lamp};
    world.rooms = {hall, named<Room>("Forge")};
    Shop shop;
    shop.room = "Hall";
    shop.keeper = "Bob";
    shop.profitBuying = 120;
    world.shops.push_back(shop);

    QAction* bob = session.entry(ListCommand::EditMob, QStringLiteral("Bob"));
    QCOMPARE(bob->data().toInt(), ID_EDIT_MOB_FIRST + 1);
    EditorAnswer seen;
    whenModal(answer(&seen, "Bert"));
    bob->trigger();
    QCOMPARE(seen.title, QStringLiteral("Editing a Existing Mob - Bob"));
    QCOMPARE(world.mobs[1].identifier, std::string("Bert"));
    QCOMPARE(world.rooms[0].loads[0].mob, std::string("Bert"));
    QCOMPARE(world.shops[0].keeper, std::string("Bert"));
    QCOMPARE(world.rooms[0].loads[1].mob, std::string()); // a load naming no mob still names none
    QVERIFY(session.doc.IsModified());

    session.doc.SetModifiedFlag(false);
    EditorAnswer cancelled;
    whenModal(answer(&cancelled, "torch", QStringLiteral("Cancel")));
    session.entry(ListCommand::EditItem, QStringLiteral("lamp"))->trigger();
    QCOMPARE(cancelled.title, QStringLiteral("Editing an Existing Item - lamp"));
    QCOMPARE(world.items[0].identifier, std::string("lamp"));
    QVERIFY(!session.doc.IsModified());

    EditorAnswer shopSeen;
    whenModal(answer(&shopSeen, nullptr)); // picks the last room, "Forge"
    session.entry(ListCommand::EditShop, QStringLiteral("Hall"))->trigger();
    QCOMPARE(shopSeen.title, QStringLiteral("Editing an Existing Shop"));
    QCOMPARE(world.shops[0].room, std::string("Forge"));
    QCOMPARE(world.shops[0].profitBuying, 120);
}

void EntityCommandsTest::deleteShiftsLaterIdentifiers()
{
    Session session;
    World& world = session.world();
    world.mobs = {named<Mob>("Ann"), named<Mob>("Bob"), named<Mob>("Cid")};
    world.items = {named<Item>("bread"), named<Item>("sword")};
    Room hall = named<Room>("Hall");
    LoadAction load;
    load.task = LoadAction::LoadItem;
    load.item = "sword";
    hall.loads.push_back(load);
    world.rooms.push_back(hall);
    QCOMPARE(session.entry(ListCommand::EditMob, QStringLiteral("Cid"))->data().toInt(), ID_EDIT_MOB_FIRST + 2);

    bool asked = false;
    QPointer<QTimer> watch = whenModal([](QDialog*) {}, &asked);
    QAction* ann = session.entry(ListCommand::DeleteMob, QStringLiteral("Ann"));
    QCOMPARE(ann->data().toInt(), ID_DELETE_MOB_FIRST);
    ann->trigger();
    delete watch;
    QVERIFY(!asked);
    QCOMPARE(world.mobs.size(), std::size_t(2));
    QVERIFY(session.doc.IsModified());

    // The menu opened again lists every later mob one identifier lower, and the lower
    // identifier reaches it.
    QVERIFY(session.entry(ListCommand::EditMob, QStringLiteral("Ann")) == nullptr);
    QCOMPARE(session.entry(ListCommand::EditMob, QStringLiteral("Bob"))->data().toInt(), ID_EDIT_MOB_FIRST);
    QCOMPARE(session.entry(ListCommand::EditMob, QStringLiteral("Cid"))->data().toInt(), ID_EDIT_MOB_FIRST + 1);
    EditorAnswer seen;
    whenModal(answer(&seen, "Cid", QStringLiteral("Cancel")));
    session.commands->run(ID_EDIT_MOB_FIRST + 1);
    QCOMPARE(seen.title, QStringLiteral("Editing a Existing Mob - Cid"));

    // A deleted item stays named by the load that loads it.
    session.entry(ListCommand::DeleteItem, QStringLiteral("sword"))->trigger();
    QCOMPARE(world.items.size(), std::size_t(1));
    QCOMPARE(world.rooms[0].loads[0].item, std::string("sword"));
}

void EntityCommandsTest::entriesNamingNothingDoNothing()
{
    Session session;
    session.world().mobs = {named<Mob>("Ann")};
    bool seen = false;
    QPointer<QTimer> watch = whenModal([](QDialog*) {}, &seen);
    for (int id : {ID_EDIT_MOB_FIRST + 1, ID_DELETE_MOB_FIRST + 999, ID_DELETE_SHOP_FIRST,
                   ID_USE_ITEM_TEMPLATE_FIRST + 7, ID_DELETE_ROOM_TEMPLATE_FIRST + 3})
        session.commands->run(id);
    QTest::qWait(30);
    delete watch;
    QVERIFY(!seen);
    QCOMPARE(session.world().mobs.size(), std::size_t(1));
    QVERIFY(!session.doc.IsModified());
    QVERIFY(session.messages.messages.empty());
    QCOMPARE(session.library.items().currentIndex(), 0);
}

void EntityCommandsTest::templates()
{
    Session session;
    TemplateLibrary& library = session.library;
    // A World room of the same name does not stand in the way of a template.
    session.world().rooms.push_back(named<Room>("Cave"));

    EditorAnswer seen;
    whenModal(answer(&seen, "Cave"));
    session.choose(ID_ADD_ROOM_TEMPLATE);
    QCOMPARE(seen.title, QStringLiteral("Creating a New Room Template"));
    QVERIFY(!seen.tabs.isEmpty());
    QVERIFY(!seen.tabs.contains(QStringLiteral("Exits")));
    QCOMPARE(library.rooms().names(), (std::vector<std::string>{"A Blank Room", "Cave"}));
    for (auto [id, title] : {std::pair{ID_ADD_MOB_TEMPLATE, "Creating a New Mob Template"},
                             std::pair{ID_ADD_ITEM_TEMPLATE, "Creating a New Item Template"}}) {
        whenModal(answer(&seen, "Cave"));
        session.choose(id);
        QCOMPARE(seen.title, QString::fromLatin1(title));
    }
    QCOMPARE(library.mobs().names().back(), std::string("Cave"));
    QCOMPARE(library.items().names().back(), std::string("Cave"));
    QVERIFY(!session.doc.IsModified());

    // Use: the check mark moves with the current template.
    QVERIFY(session.entry(ListCommand::UseRoomTemplate, QStringLiteral("A Blank Room"))->isChecked());
    QAction* cave = session.entry(ListCommand::UseRoomTemplate, QStringLiteral("Cave"));
    QCOMPARE(cave->data().toInt(), ID_USE_ROOM_TEMPLATE_FIRST + 1);
    cave->trigger();
    QCOMPARE(library.rooms().currentIndex(), 1);
    QVERIFY(session.entry(ListCommand::UseRoomTemplate, QStringLiteral("Cave"))->isChecked());
    QVERIFY(!session.entry(ListCommand::UseRoomTemplate, QStringLiteral("A Blank Room"))->isChecked());

    // Delete: the blank one is refused; deleting the current one makes the blank one current.
    session.entry(ListCommand::DeleteRoomTemplate, QStringLiteral("A Blank Room"))->trigger();
    QCOMPARE(session.messages.messages, std::vector<std::string>{"You can not remove the blank template."});
    QAction* remove = session.entry(ListCommand::DeleteRoomTemplate, QStringLiteral("Cave"));
    QCOMPARE(remove->data().toInt(), ID_DELETE_ROOM_TEMPLATE_FIRST + 1);
    remove->trigger();
    QCOMPARE(library.rooms().names(), std::vector<std::string>{"A Blank Room"});
    QVERIFY(session.entry(ListCommand::UseRoomTemplate, QStringLiteral("A Blank Room"))->isChecked());
    QCOMPARE(library.mobs().size(), std::size_t(2));
    QVERIFY(!session.doc.IsModified());
}

void EntityCommandsTest::reformatEveryDescription()
{
    Session session;
    World& world = session.world();
    // Seventeen words of four letters, one line break among the blanks; a zone-wide run turns it
    // into a blank. At 60 columns twelve words (59 characters) make the first line.
    const std::string text = "abcd abcd abcd\r\nabcd abcd abcd abcd abcd abcd abcd abcd abcd abcd abcd abcd abcd abcd";
    const std::string want = "abcd abcd abcd abcd abcd abcd abcd abcd abcd abcd abcd abcd\r\nabcd abcd abcd abcd abcd\r\n";
    Item item = named<Item>("lamp");
    item.description = text;
    item.extraDescriptions.set("lamp", text);
    item.longDescription = text; // not a description
    Mob mob = named<Mob>("guard");
    mob.description = text;
    mob.extraDescriptions.set("guard", text);
    Room room = named<Room>("Hall");
    room.description = text;
    room.extraDescriptions.set("wall", text);
    room.exits[9].description = text;
    world.items = {item};
    world.mobs = {mob};
    world.rooms = {room};

    session.choose(ID_REFORMAT_60);

    QCOMPARE(world.items[0].description, want);
    QCOMPARE(world.items[0].extraDescriptions.get("lamp"), want);
    QCOMPARE(world.items[0].longDescription, text);
    QCOMPARE(world.mobs[0].description, want);
    QCOMPARE(world.mobs[0].extraDescriptions.get("guard"), want);
    QCOMPARE(world.rooms[0].description, want);
    QCOMPARE(world.rooms[0].extraDescriptions.get("wall"), want);
    QCOMPARE(world.rooms[0].exits[9].description, want);
    QCOMPARE(world.rooms[0].exits[0].description, std::string());
    QVERIFY(session.messages.questions.empty());
    // Every description of the zone may have changed: closing must ask to save.
    QVERIFY(session.doc.IsModified());

    world.rooms[0].description = text;
    session.choose(ID_REFORMAT_80);
    QCOMPARE(world.rooms[0].description,
             std::string("abcd abcd abcd abcd abcd abcd abcd abcd abcd abcd abcd abcd abcd abcd abcd abcd\r\nabcd\r\n"));
}

void EntityCommandsTest::utilityFormsMarkModified_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("modified");

    QTest::newRow("rooms") << ID_SET_ROOM_DESCRIPTIONS << QStringLiteral("Set Room Description for a Room or Rooms")
                           << true;
    QTest::newRow("exits") << ID_SET_EXIT_DESCRIPTIONS
                           << QStringLiteral("Set All Exit Descriptions Going to a Particular Room or Rooms") << true;
    QTest::newRow("loads") << ID_SHOW_LOADS << QStringLiteral("Things Loaded in this Zone") << true;
    QTest::newRow("spells") << ID_SHOW_SPELL_LIST << QStringLiteral("Spell Number List") << false;
}

void EntityCommandsTest::utilityFormsMarkModified()
{
    QFETCH(int, id);
    QFETCH(QString, title);
    QFETCH(bool, modified);
    Session session;
    QString shown;
    whenModal([&shown](QDialog* form) {
        shown = form->windowTitle();
        QTest::keyClick(form, Qt::Key_Escape);
    });
    session.choose(id);
    QCOMPARE(shown, title);
    // Closed without doing anything, the form still counts as a change (not the spell list).
    QCOMPARE(session.doc.IsModified(), modified);
}

QTEST_MAIN(EntityCommandsTest)
#include "EntityCommandsTest.moc"
