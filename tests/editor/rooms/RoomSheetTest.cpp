// The room editor driven as a builder uses it, and its copy written back into the World.

#include <QRadioButton>
#include <QTest>

#include "editor/rooms/FormDriver.h"
#include "rooms/RoomEdit.h"

using namespace tarnholt;
using namespace tarnholt::testing;

namespace {
QStringList words(const char* texts) { return qt(texts).split(QLatin1Char('|')); }
} // namespace

class RoomSheetTest : public QObject {
    Q_OBJECT

private slots:
    void init() { f_ = std::make_unique<Editors>(); }

    void tabsInBothModes();
    void everyPageShowsItsTexts_data();
    void everyPageShowsItsTexts();

    void exitEditsFollowTheDirection();
    void copyRoomLeavesNoExits();
    void useTemplateKeepsExitsAndIdentifier();
    void formatButtonRewrapsTheDescription();
    void flagsAndTerrain();
    void moveEnablingAndNumbers();
    void applyRoomEditRenamesReferences();

private:
    std::unique_ptr<Editors> f_;
};

void RoomSheetTest::tabsInBothModes()
{
    const QStringList tabs = words("Description|Flags|Terrain|SpecProc|Extra Descriptions|Move|Exits|Attach");
    QCOMPARE(tabTitles(*f_->room(f_->world.rooms[0])), tabs);
    auto sheet = f_->room(Room(), true, 2); // a template has no Exits page to open on
    QCOMPARE(tabTitles(*sheet), QStringList(tabs).mid(0, 6) << qt("Attach"));
    QCOMPARE(currentTab(*sheet), qt("Description"));
}

void RoomSheetTest::everyPageShowsItsTexts_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QStringList>("texts"); // everything the page reads, and nothing else

    const Universe universe;
    auto row = [](const char* tab, const QStringList& texts) { QTest::newRow(tab) << qt(tab) << texts; };
    row("Description", words("Identifier:|Room Name:|Room Description:|Format-60|Format-80|Copy Room|Use Template"));
    row("Flags", QStringList{qt("This screen is used to edit what special characteristics this room has.  These range "
                                "from the room being inside, no magic allowed, a death trap, prevents talking on "
                                "public channels, etc.")}
                     + namesOf(universe.roomFlags));
    row("Terrain", QStringList{qt("Terrain"), qt("This screen is used what kind of terrain the room is.  Terrain "
                                                 "determines if a boat or fly spell is required and how many movement "
                                                 "points are necessary to move.")}
                       + namesOf(universe.terrains));
    row("SpecProc", words("Special Procs this room will execute:|Add Special Proc:|Probability:|"
                          "Terminate if proc successful:|No|Yes|Special Number:|Add|Remove|Update|"
                          "This screen assigns special abilites to rooms.  Multiple procs can be assigned to a room.  "
                          "The terminator field indicates whether or not, that IF this proc is successful, whether to "
                          "continue processing other procs.  See doc for special number description."));
    row("Extra Descriptions",
        words("Keyword Selection:|Keywords:|Description:|Add/Update Descrip|Delete Descrip|Format-60|Format-80|"
              "This screen adds extra descriptions for static 'nouns'.  Adding these extra little tidbits can change "
              "a zone from a crappy zone to ones players actually look at.  These are also great for adding clues "
              "that the players have to 'look' for."));
    row("Move", words("Moving (check this if you want the room to be able to move players)|"
                      "Ignore Boat (if checked the room will move players even if they have boats)|"
                      "Ignore Fly (if checked, the room will move players even if they are flying)|"
                      "To Room:|Move Text:|Move Speed:|Start Timer:|(How long before it moves the character)|"
                      "Only fill out this screen if you want the room to move characters out of this room and into a "
                      "different room.|"
                      "Note: Moving rooms are not supported on all muds.  They are used to move characters along "
                      "rivers and similiar terrain.  They can also be used to move characters into 'hidden' areas "
                      "where they can not normally walk to."));
    row("Exits", words("Select a Door Direction to View/Edit:|North|East|South|West|Down|Up|Northeast|Southeast|"
                       "Southwest|Northwest|Exit Goes To Room:|Key to Unlock/Lock Door:|Openable|Pickable|"
                       "On Zone Repop|No Zone Reset|Starts Reset Open|Starts Reset Closed|Starts Reset Locked|"
                       "Door Keyword List:|Exit Description:|Format-60|Format-80"));
    row("Attach", words("Mobs and Items defined to load in this room:|Action:|Condition:|Mob:|Item:|Equip Pos:|"
                        "Object:|Probability of Load Occuring:|Max Number Allowed to Load:|Comment:|Add to Load|"
                        "Update Load|Delete Load|Copy All Loads|Paste Loads"));
}

void RoomSheetTest::everyPageShowsItsTexts()
{
    QFETCH(QString, tab);
    QFETCH(QStringList, texts);
    checkPageTexts(*f_->room(f_->world.rooms[0]), tab, texts);
}

void RoomSheetTest::exitEditsFollowTheDirection()
{
    Room& temple = f_->world.rooms[0];
    temple.exits.edit(2).target = "#3050 the gate"; // a room of another zone
    temple.exits.edit(2).key = "(None)";
    temple.exits.edit(2).placement = 2;
    auto sheet = f_->room(temple, false, 4); // opened on the way down
    QCOMPARE(currentTab(*sheet), qt("Exits"));
    QWidget* page = sheet->activePage();
    QVERIFY(findButton(page, qt("Down"))->isChecked());
    auto* target = findNamed<QComboBox>(page, "target");
    QCOMPARE(target->currentText(), qt("cellar"));
    QCOMPARE(entries(target), (QStringList{QString(), qt("temple"), qt("hall"), qt("cellar"), qt("#0")}));

    click(page, "South"); // the exit to the other zone survives a visit
    QCOMPARE(entries(target).last(), qt("#3050 the gate"));
    QCOMPARE(target->currentText(), qt("#3050 the gate"));
    click(page, "North");
    QCOMPARE(target->currentText(), qt("hall"));
    QCOMPARE(entries(target).size(), 5); // and leaves the list with it
    type(findNamed<QPlainTextEdit>(page, "description"), qt("A narrow door."));
    click(page, "Starts Reset Locked");
    click(page, "Openable");
    click(page, "East");
    QVERIFY(findNamed<QPlainTextEdit>(page, "description")->toPlainText().isEmpty());
    QVERIFY(choose(target, qt("cellar")));
    type(page, "keywords", "grate");
    click(page, "North");
    QCOMPARE(findNamed<QPlainTextEdit>(page, "description")->toPlainText(), qt("A narrow door."));
    click(sheet.get(), "OK");

    RoomExits expected = temple.exits;
    expected.edit(0).description = "A narrow door.";
    expected.edit(0).resetState = 3;
    expected.edit(0).openable = 1; // same target: the placement (5) is not worked out again
    expected.edit(1).target = "cellar";
    expected.edit(1).placement = 0; // the cellar lies below: its North side faces the temple
    expected.edit(1).keywords = "grate";
    QCOMPARE(sheet->room().exits, expected);
}

void RoomSheetTest::copyRoomLeavesNoExits()
{
    auto sheet = f_->room(f_->world.rooms[0]);
    QWidget* page = sheet->activePage();
    type(page, "identifier", "sanctum");
    PickListSeen seen = pickThrough(page, "Copy Room", qt("hall"));
    QVERIFY(seen.asks(qt("Select a room to copy from"), qt("Select one of the following rooms to copy from:")));
    QCOMPARE(findNamed<QLineEdit>(page, "name")->text(), qt("The Hall")); // the page shows the copy at once
    click(sheet.get(), "OK");

    Room expected = f_->world.rooms[1];
    expected.identifier = "sanctum";
    expected.column = expected.row = 0;
    expected.vnum = 100;
    expected.exits = {};
    QCOMPARE(sheet->room(), expected);
}

void RoomSheetTest::useTemplateKeepsExitsAndIdentifier()
{
    Room forest;
    forest.name = "A Forest Path";
    forest.terrain = "Forest";
    forest.moving = 1;
    QVERIFY(f_->templates.rooms().add(forest, "Forest path", f_->questions));

    auto sheet = f_->room(f_->world.rooms[0]);
    QWidget* page = sheet->activePage();
    type(page, "identifier", "glade");
    PickListSeen seen = pickThrough(page, "Use Template", QString()); // cancelled: nothing changes
    QVERIFY(seen.asks(qt("Select a room template to use"), qt("Select one of the following room templates to use:")));
    QCOMPARE(findNamed<QLineEdit>(page, "name")->text(), qt("The Temple"));

    pickFromNext(seen, qt("Forest path"));
    click(page, "Use Template");
    click(sheet.get(), "OK");
    Room expected = f_->world.rooms[0];
    expected.identifier = "glade"; // exits, place and vnum stay
    expected.name = "A Forest Path";
    expected.terrain = "Forest";
    expected.moving = 1;
    QCOMPARE(sheet->room(), expected);
}

void RoomSheetTest::formatButtonRewrapsTheDescription()
{
    auto sheet = f_->room(f_->world.rooms[0]);
    QWidget* page = sheet->activePage();
    auto* description = findNamed<QPlainTextEdit>(page, "description");
    const QString text = qt("aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk llll mmmm nnnn");
    type(description, text);

    f_->questions.queueAnswer(false); // not sure after all
    click(page, "Format-60");
    QCOMPARE(description->toPlainText(), text);

    f_->questions.queueAnswer(true);
    f_->questions.queueAnswer(false); // line feeds need not be kept
    click(page, "Format-60");
    QCOMPARE(QApplication::focusWidget(), description);
    click(sheet.get(), "OK");
    QCOMPARE(sheet->room().description,
             std::string("aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk llll\r\nmmmm nnnn\r\n"));
}

void RoomSheetTest::flagsAndTerrain()
{
    Room& temple = f_->world.rooms[0];
    temple.flags = {"Haunted", "Peaceful"}; // a name the table does not know is kept
    temple.terrain = "Lava";
    auto sheet = f_->room(temple);
    clickTab(*sheet, "Flags");
    QWidget* flags = sheet->activePage();
    QVERIFY(findButton(flags, qt("Peaceful"))->isChecked());
    click(flags, "No Sleep");
    click(flags, "Dark");
    click(flags, "Peaceful");

    clickTab(*sheet, "Terrain");
    const QList<QRadioButton*> buttons = sheet->activePage()->findChildren<QRadioButton*>();
    QVERIFY(std::none_of(buttons.begin(), buttons.end(), [](QRadioButton* b) { return b->isChecked(); }));
    clickTab(*sheet, "Flags");
    QCOMPARE(sheet->room().terrain, std::string("Lava")); // nothing marked: the terrain stays
    clickTab(*sheet, "Terrain");
    click(sheet->activePage(), "Water, Swimmable");
    click(sheet.get(), "OK");
    QCOMPARE(sheet->room().flags, (std::vector<std::string>{"Dark", "No Sleep", "Haunted"}));
    QCOMPARE(sheet->room().terrain, std::string("Water, Swimmable"));
}

void RoomSheetTest::moveEnablingAndNumbers()
{
    auto sheet = f_->room(f_->world.rooms[0]);
    clickTab(*sheet, "Move");
    QWidget* page = sheet->activePage();
    auto* moveTo = findNamed<QComboBox>(page, "moveTo");
    auto* speed = findNamed<QLineEdit>(page, "moveSpeed");
    const char* ignoreFly = "Ignore Fly (if checked, the room will move players even if they are flying)";
    QVERIFY(!moveTo->isEnabled() && !speed->isEnabled() && !findButton(page, qt(ignoreFly))->isEnabled());

    click(page, "Moving (check this if you want the room to be able to move players)");
    QVERIFY(moveTo->isEnabled() && speed->isEnabled() && findButton(page, qt(ignoreFly))->isEnabled());
    QVERIFY(choose(moveTo, qt("cellar")));
    type(page, "moveText", "The current drags you down.");
    type(page, "moveSpeed", "fast");
    type(page, "moveTimer", "4");
    click(page, "Ignore Boat (if checked the room will move players even if they have boats)");

    clickTab(*sheet, "Exits");
    QCOMPARE(f_->questions.messages, std::vector<std::string>{"Please enter an integer."});
    QCOMPARE(currentTab(*sheet), qt("Move"));
    QCOMPARE(QApplication::focusWidget(), speed);

    type(speed, qt("3"));
    click(sheet.get(), "OK");
    Room expected = f_->world.rooms[0];
    expected.moving = expected.ignoreBoat = 1;
    expected.moveTo = "cellar";
    expected.moveText = "The current drags you down.";
    expected.moveSpeed = 3;
    expected.moveTimer = 4;
    QCOMPARE(sheet->room(), expected);
}

void RoomSheetTest::applyRoomEditRenamesReferences()
{
    // The World's renames are checked on their own; here: the edit reaches them, and only on write-back.
    World& world = f_->world;
    auto sheet = f_->room(world.rooms[0]);
    type(sheet->activePage(), "identifier", "sanctum");
    click(sheet.get(), "OK");
    QCOMPARE(world.rooms[0].identifier, std::string("temple"));
    QVERIFY(applyRoomEdit(world, 0, sheet->room()));
    QCOMPARE(world.rooms[0], sheet->room());
    QCOMPARE(world.rooms[1].exits[3].target, std::string("sanctum"));

    // A room without an Identifier that gets one does not capture the exits that lead nowhere.
    world.rooms[3].identifier.clear();
    Room named = world.rooms[3];
    named.identifier = "ford";
    QVERIFY(applyRoomEdit(world, 3, named));
    QCOMPARE(world.rooms[0].exits[1].target, std::string());
    QCOMPARE(world.rooms[1].exits[0].target, std::string());

    const World before = world;
    QVERIFY(!applyRoomEdit(world, world.rooms.size(), named));
    QCOMPARE(world.rooms, before.rooms);
}

QTEST_MAIN(RoomSheetTest)
#include "RoomSheetTest.moc"
