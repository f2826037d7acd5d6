// The room editor driven as a builder uses it: typing, clicking tabs and buttons, pressing OK.

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include "app/Questions.h"
#include "editor/rooms/FormDriver.h"
#include "rooms/CRoomSheet.h"
#include "universe/TemplateLibrary.h"
#include "universe/Universe.h"
#include "world/World.h"

using namespace tarnholt;
using namespace tarnholt::testing;

namespace {

Room makeRoom(const char* identifier, int column, int row)
{
    Room room;
    room.identifier = identifier;
    room.column = column;
    room.row = row;
    room.vnum = 100 + column;
    return room;
}

} // namespace

class RoomSheetTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void identifierChecks_data();
    void identifierChecks();
    void okRefusedUntilIdentifierValid();
    void templateModeHasSevenTabsAndChecksTemplateNames();
    void everyPageShowsItsTexts_data();
    void everyPageShowsItsTexts();

    void startDirectionOpensExitsPage();
    void exitEditsFollowTheDirection();
    void exitToOutsideRoomSurvivesAVisit();
    void copyRoomLeavesNoExits();
    void useTemplateKeepsExitsAndIdentifier();
    void formatButtonRewrapsTheDescription();

    void flagsAndTerrain();
    void specProcList();
    void moveEnablingAndNumbers();

private:
    std::unique_ptr<CRoomSheet> openSheet(std::size_t index, bool templateMode = false, int direction = -1);

    World world_;
    Universe universe_;
    std::unique_ptr<TemplateLibrary> templates_;
    ScriptedQuestions questions_;
};

void RoomSheetTest::init()
{
    world_ = World();
    world_.rooms = {makeRoom("temple", 0, 0), makeRoom("hall", 1, 0), makeRoom("cellar", 0, 1), makeRoom("#0", 5, 5)};
    Room& temple = world_.rooms[0];
    temple.name = "The Temple";
    temple.exits[0].target = "hall";
    temple.exits[0].placement = 5; // drawn wherever the builder left it
    temple.exits[0].keywords = "door";
    temple.exits[4].target = "cellar";
    Room& hall = world_.rooms[1];
    hall.name = "The Hall";
    hall.description = "A long hall.\r\n";
    hall.terrain = "City";
    hall.flags = {"Dark"};
    hall.exits[3].target = "temple";
    hall.loads.resize(2);
    hall.loads[0].task = LoadAction::LoadMob;
    hall.loads[0].mob = "guard";
    templates_ = std::make_unique<TemplateLibrary>("/nonexistent");
    questions_ = ScriptedQuestions();
}

std::unique_ptr<CRoomSheet> RoomSheetTest::openSheet(std::size_t index, bool templateMode, int direction)
{
    auto sheet = std::make_unique<CRoomSheet>(qt("Edit Room"), world_.rooms[index], world_, universe_, *templates_,
                                              questions_, templateMode, direction);
    sheet->show();
    if (!QTest::qWaitForWindowActive(sheet.get()))
        qWarning("the room editor did not become the active window");
    return sheet;
}

void RoomSheetTest::identifierChecks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("vnum");

    const QString empty = qt("The Identifier field must be filled in.");
    const QString number = qt("The Identifier number is not valid.");
    const QString used = qt("The Identifier specified is already in use!");
    QTest::newRow("empty") << QString() << empty << 100;
    QTest::newRow("#0 (a room bears it: the number is checked first)") << qt("#0") << number << 100;
    QTest::newRow("#12a") << qt("#12a") << number << 100;
    QTest::newRow("# alone") << qt("#") << number << 100;
    QTest::newRow("# then a name") << qt("# gate") << number << 100;
    QTest::newRow("number too large") << qt("#99999999999") << number << 100;
    QTest::newRow("another room's") << qt("hall") << used << 100;
    QTest::newRow("its own") << qt("temple") << QString() << 100;
    QTest::newRow("differs in case only") << qt("Hall") << QString() << 100;
    QTest::newRow("#3050") << qt("#3050") << QString() << 3050;
    QTest::newRow("#3050 with a name") << qt("#3050 the gate") << QString() << 3050;
}

void RoomSheetTest::identifierChecks()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(int, vnum);

    auto sheet = openSheet(0);
    auto* identifier = findNamed<QLineEdit>(sheet->activePage(), "identifier");
    QCOMPARE(identifier->text(), qt("temple"));
    type(identifier, typed);
    clickTab(*sheet, "Flags");

    if (message.isEmpty()) {
        QVERIFY(questions_.messages.empty());
        QCOMPARE(currentTab(*sheet), qt("Flags"));
    } else {
        QCOMPARE(questions_.messages, std::vector<std::string>{message.toStdString()});
        QCOMPARE(currentTab(*sheet), qt("Description"));
        QCOMPARE(QApplication::focusWidget(), identifier);
        QCOMPARE(identifier->selectedText(), typed);
    }
    click(sheet.get(), "OK");
    if (message.isEmpty()) {
        QCOMPARE(sheet->result(), int(QDialog::Accepted));
        QCOMPARE(sheet->room().identifier, typed.toStdString());
        QCOMPARE(sheet->room().vnum, vnum);
    } else {
        QVERIFY(sheet->isVisible());
    }
}

void RoomSheetTest::okRefusedUntilIdentifierValid()
{
    world_.rooms.push_back(Room()); // a room made from the template: no Identifier yet
    auto sheet = openSheet(world_.rooms.size() - 1);
    auto* page = sheet->activePage();
    click(sheet.get(), "OK");
    QCOMPARE(questions_.messages, std::vector<std::string>{"The Identifier field must be filled in."});
    QVERIFY(sheet->isVisible());

    type(findNamed<QLineEdit>(page, "identifier"), qt("chapel"));
    type(findNamed<QLineEdit>(page, "name"), qt("A Chapel"));
    type(findNamed<QPlainTextEdit>(page, "description"), qt("Quiet.\nDim."));
    click(sheet.get(), "OK");
    QCOMPARE(sheet->result(), int(QDialog::Accepted));
    QCOMPARE(sheet->room().identifier, std::string("chapel"));
    QCOMPARE(sheet->room().name, std::string("A Chapel"));
    QCOMPARE(sheet->room().description, std::string("Quiet.\r\nDim."));
    QCOMPARE(sheet->room().vnum, -1);
}

void RoomSheetTest::templateModeHasSevenTabsAndChecksTemplateNames()
{
    auto normal = openSheet(0);
    QCOMPARE(tabTitles(*normal), (QStringList{qt("Description"), qt("Flags"), qt("Terrain"), qt("SpecProc"),
                                              qt("Extra Descriptions"), qt("Move"), qt("Exits"), qt("Attach")}));
    normal->reject();

    Room blank;
    world_.rooms.push_back(blank);
    auto sheet = openSheet(world_.rooms.size() - 1, true, 2); // no Exits page to open on
    QCOMPARE(tabTitles(*sheet), (QStringList{qt("Description"), qt("Flags"), qt("Terrain"), qt("SpecProc"),
                                             qt("Extra Descriptions"), qt("Move"), qt("Attach")}));
    QCOMPARE(currentTab(*sheet), qt("Description"));

    auto* identifier = findNamed<QLineEdit>(sheet->activePage(), "identifier");
    type(identifier, qt("A Blank Room"));
    click(sheet.get(), "OK");
    QCOMPARE(questions_.messages, std::vector<std::string>{"The Identifier specified is already in use!"});
    type(identifier, qt("hall")); // a room of the World, not a template
    click(sheet.get(), "OK");
    QCOMPARE(sheet->result(), int(QDialog::Accepted));
    QCOMPARE(sheet->room().identifier, std::string("hall"));
}

void RoomSheetTest::everyPageShowsItsTexts_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("Description") << qt("Description")
                                 << QStringList{qt("Identifier:"), qt("Room Name:"), qt("Room Description:"),
                                                qt("Format-60"), qt("Format-80"), qt("Copy Room"), qt("Use Template")};
    QTest::newRow("Flags") << qt("Flags")
                           << QStringList{qt("This screen is used to edit what special characteristics this room has.  "
                                             "These range from the room being inside, no magic allowed, a death trap, "
                                             "prevents talking on public channels, etc."),
                                          qt("Dark"), qt("No Sleep")};
    QTest::newRow("Terrain") << qt("Terrain")
                             << QStringList{qt("Terrain"),
                                            qt("This screen is used what kind of terrain the room is.  Terrain determines "
                                               "if a boat or fly spell is required and how many movement points are "
                                               "necessary to move."),
                                            qt("Inside"), qt("Fly")};
    QTest::newRow("SpecProc") << qt("SpecProc")
                              << QStringList{qt("Special Procs this room will execute:"), qt("Add Special Proc:"),
                                             qt("Probability:"), qt("Terminate if proc successful:"), qt("No"),
                                             qt("Yes"), qt("Special Number:"), qt("Add"), qt("Remove"), qt("Update"),
                                             qt("This screen assigns special abilites to rooms.  Multiple procs can be "
                                                "assigned to a room.  The terminator field indicates whether or not, that "
                                                "IF this proc is successful, whether to continue processing other procs.  "
                                                "See doc for special number description.")};
    QTest::newRow("Extra Descriptions")
        << qt("Extra Descriptions")
        << QStringList{qt("Keyword Selection:"), qt("Keywords:"), qt("Description:"), qt("Add/Update Descrip"),
                       qt("Delete Descrip"), qt("Format-60"), qt("Format-80"),
                       qt("This screen adds extra descriptions for static 'nouns'.  Adding these extra little tidbits "
                          "can change a zone from a crappy zone to ones players actually look at.  These are also great "
                          "for adding clues that the players have to 'look' for.")};
    QTest::newRow("Move") << qt("Move")
                          << QStringList{qt("Moving (check this if you want the room to be able to move players)"),
                                         qt("Ignore Boat (if checked the room will move players even if they have boats)"),
                                         qt("Ignore Fly (if checked, the room will move players even if they are flying)"),
                                         qt("To Room:"), qt("Move Text:"), qt("Move Speed:"), qt("Start Timer:"),
                                         qt("(How long before it moves the character)"),
                                         qt("Only fill out this screen if you want the room to move characters out of this "
                                            "room and into a different room."),
                                         qt("Note: Moving rooms are not supported on all muds.  They are used to move "
                                            "characters along rivers and similiar terrain.  They can also be used to move "
                                            "characters into 'hidden' areas where they can not normally walk to.")};
    QTest::newRow("Exits") << qt("Exits")
                           << QStringList{qt("Select a Door Direction to View/Edit:"), qt("North"), qt("East"),
                                          qt("South"), qt("West"), qt("Down"), qt("Up"), qt("Northeast"),
                                          qt("Southeast"), qt("Southwest"), qt("Northwest"), qt("Exit Goes To Room:"),
                                          qt("Key to Unlock/Lock Door:"), qt("Openable"), qt("Pickable"),
                                          qt("On Zone Repop"), qt("No Zone Reset"), qt("Starts Reset Open"),
                                          qt("Starts Reset Closed"), qt("Starts Reset Locked"), qt("Door Keyword List:"),
                                          qt("Exit Description:"), qt("Format-60"), qt("Format-80")};
    QTest::newRow("Attach") << qt("Attach")
                            << QStringList{qt("Mobs and Items defined to load in this room:"), qt("Action:"),
                                           qt("Condition:"), qt("Mob:"), qt("Item:"), qt("Equip Pos:"), qt("Object:"),
                                           qt("Probability of Load Occuring:"), qt("Max Number Allowed to Load:"),
                                           qt("Comment:"), qt("Add to Load"), qt("Update Load"), qt("Delete Load"),
                                           qt("Copy All Loads"), qt("Paste Loads")};
}

void RoomSheetTest::everyPageShowsItsTexts()
{
    QFETCH(QString, tab);
    QFETCH(QStringList, texts);
    auto sheet = openSheet(0);
    clickTab(*sheet, tab.toUtf8().constData());
    QCOMPARE(currentTab(*sheet), tab);
    const QStringList shown = shownTexts(sheet->activePage());
    for (const QString& text : texts)
        QVERIFY2(shown.contains(text), qPrintable(text));
}

void RoomSheetTest::startDirectionOpensExitsPage()
{
    auto sheet = openSheet(0, false, 4);
    QCOMPARE(currentTab(*sheet), qt("Exits"));
    auto* down = qobject_cast<QRadioButton*>(findButton(sheet->activePage(), qt("Down")));
    QVERIFY(down->isChecked());
    QCOMPARE(findNamed<QComboBox>(sheet->activePage(), "target")->currentText(), qt("cellar"));
}

void RoomSheetTest::exitEditsFollowTheDirection()
{
    auto sheet = openSheet(0);
    clickTab(*sheet, "Exits");
    QWidget* page = sheet->activePage();
    QVERIFY(qobject_cast<QRadioButton*>(findButton(page, qt("North")))->isChecked());
    auto* target = findNamed<QComboBox>(page, "target");
    QCOMPARE(target->currentText(), qt("hall"));
    QCOMPARE(entries(target), (QStringList{QString(), qt("temple"), qt("hall"), qt("cellar"), qt("#0")}));

    type(findNamed<QPlainTextEdit>(page, "description"), qt("A narrow door."));
    click(page, "Starts Reset Locked");
    click(page, "Openable");
    click(page, "East");
    QVERIFY(findNamed<QPlainTextEdit>(page, "description")->toPlainText().isEmpty());
    QVERIFY(choose(target, qt("cellar")));
    type(findNamed<QLineEdit>(page, "keywords"), qt("grate"));
    click(page, "North");
    QCOMPARE(findNamed<QPlainTextEdit>(page, "description")->toPlainText(), qt("A narrow door."));
    click(sheet.get(), "OK");

    const Room& room = sheet->room();
    QCOMPARE(room.exits[0].description, std::string("A narrow door."));
    QCOMPARE(room.exits[0].resetState, 3);
    QCOMPARE(room.exits[0].openable, 1);
    QCOMPARE(room.exits[0].target, std::string("hall"));
    QCOMPARE(room.exits[0].placement, 5); // same target: the placement is not worked out again
    QCOMPARE(room.exits[0].keywords, std::string("door"));
    QCOMPARE(room.exits[1].target, std::string("cellar"));
    QCOMPARE(room.exits[1].placement, 0); // the cellar lies below: its North side faces the temple
    QCOMPARE(room.exits[1].keywords, std::string("grate"));
    QCOMPARE(room.exits[4].target, std::string("cellar"));
}

void RoomSheetTest::exitToOutsideRoomSurvivesAVisit()
{
    world_.rooms[0].exits[2].target = "#3050 the gate";
    world_.rooms[0].exits[2].key = "(None)";
    world_.rooms[0].exits[2].placement = 2;
    auto sheet = openSheet(0, false, 2);
    click(sheet->activePage(), "West");
    click(sheet.get(), "OK");
    QCOMPARE(sheet->room().exits, world_.rooms[0].exits);
}

void RoomSheetTest::copyRoomLeavesNoExits()
{
    auto sheet = openSheet(0);
    QWidget* page = sheet->activePage();
    type(findNamed<QLineEdit>(page, "identifier"), qt("sanctum"));

    onPickList([](CPickList& form) {
        QCOMPARE(form.windowTitle(), qt("Select a room to copy from"));
        QVERIFY(shownTexts(&form).contains(qt("Select one of the following rooms to copy from:")));
        pickEntry(form, qt("hall"));
    });
    click(page, "Copy Room");
    QCOMPARE(findNamed<QLineEdit>(page, "identifier")->text(), qt("sanctum"));
    QCOMPARE(findNamed<QLineEdit>(page, "name")->text(), qt("The Hall"));
    click(sheet.get(), "OK");

    const Room& room = sheet->room();
    const Room& hall = world_.rooms[1];
    QCOMPARE(room.identifier, std::string("sanctum"));
    QCOMPARE(room.column, 0);
    QCOMPARE(room.row, 0);
    QCOMPARE(room.vnum, 100);
    QCOMPARE(room.description, hall.description);
    QCOMPARE(room.terrain, hall.terrain);
    QCOMPARE(room.flags, hall.flags);
    QCOMPARE(room.loads, hall.loads);
    for (const Exit& exit : room.exits)
        QCOMPARE(exit, Exit());
}

void RoomSheetTest::useTemplateKeepsExitsAndIdentifier()
{
    Room forest;
    forest.name = "A Forest Path";
    forest.terrain = "Forest";
    forest.moving = 1;
    templates_->rooms().add(forest, "Forest path", questions_);

    auto sheet = openSheet(0);
    QWidget* page = sheet->activePage();
    type(findNamed<QLineEdit>(page, "identifier"), qt("glade"));

    onPickList([](CPickList& form) { QCOMPARE(form.windowTitle(), qt("Select a room template to use")); form.reject(); });
    click(page, "Use Template");
    QCOMPARE(findNamed<QLineEdit>(page, "name")->text(), qt("The Temple"));

    onPickList([](CPickList& form) {
        QVERIFY(shownTexts(&form).contains(qt("Select one of the following room templates to use:")));
        pickEntry(form, qt("Forest path"));
    });
    click(page, "Use Template");
    QCOMPARE(findNamed<QLineEdit>(page, "identifier")->text(), qt("glade"));
    QCOMPARE(findNamed<QLineEdit>(page, "name")->text(), qt("A Forest Path"));
    click(sheet.get(), "OK");

    const Room& room = sheet->room();
    QCOMPARE(room.identifier, std::string("glade"));
    QCOMPARE(room.terrain, std::string("Forest"));
    QCOMPARE(room.moving, 1);
    QCOMPARE(room.exits, world_.rooms[0].exits);
    QCOMPARE(room.column, 0);
    QCOMPARE(room.vnum, 100);
}

void RoomSheetTest::formatButtonRewrapsTheDescription()
{
    auto sheet = openSheet(0);
    QWidget* page = sheet->activePage();
    auto* description = findNamed<QPlainTextEdit>(page, "description");
    const QString words = qt("aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk llll mmmm nnnn");
    type(description, words);

    questions_.queueAnswer(false); // not sure after all
    click(page, "Format-60");
    QCOMPARE(description->toPlainText(), words);

    questions_.queueAnswer(true);
    questions_.queueAnswer(false); // line feeds need not be kept
    click(page, "Format-60");
    QCOMPARE(questions_.questions.front(),
             std::string("This will reformat the description to fit on a 60-column screen.\nAre you sure you want to do this?"));
    QCOMPARE(QApplication::focusWidget(), description);
    click(sheet.get(), "OK");
    QCOMPARE(sheet->room().description,
             std::string("aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk llll\r\nmmmm nnnn\r\n"));
}

void RoomSheetTest::flagsAndTerrain()
{
    world_.rooms[0].flags = {"Haunted", "Peaceful"}; // a name the table does not know is kept
    world_.rooms[0].terrain = "Lava";
    auto sheet = openSheet(0);
    clickTab(*sheet, "Flags");
    QWidget* flags = sheet->activePage();
    const QList<QCheckBox*> boxes = flags->findChildren<QCheckBox*>();
    QCOMPARE(boxes.size(), 33);
    QCOMPARE(std::count_if(boxes.begin(), boxes.end(), [](QCheckBox* box) { return !box->isHidden(); }), 15);
    QVERIFY(findButton(flags, qt("Peaceful"))->isChecked());
    click(flags, "No Sleep");
    click(flags, "Dark");
    click(flags, "Peaceful");

    clickTab(*sheet, "Terrain");
    QWidget* terrain = sheet->activePage();
    const QList<QRadioButton*> buttons = terrain->findChildren<QRadioButton*>();
    QCOMPARE(buttons.size(), 14);
    QCOMPARE(std::count_if(buttons.begin(), buttons.end(), [](QRadioButton* b) { return !b->isHidden(); }), 9);
    QVERIFY(std::none_of(buttons.begin(), buttons.end(), [](QRadioButton* b) { return b->isChecked(); }));
    clickTab(*sheet, "Flags");
    QCOMPARE(sheet->room().terrain, std::string("Lava")); // nothing marked: the terrain stays
    clickTab(*sheet, "Terrain");
    click(terrain, "Water, Swimmable");
    click(sheet.get(), "OK");

    QCOMPARE(sheet->room().flags, (std::vector<std::string>{"Dark", "No Sleep", "Haunted"}));
    QCOMPARE(sheet->room().terrain, std::string("Water, Swimmable"));
}

void RoomSheetTest::specProcList()
{
    world_.rooms[0].specProcs = {"ROOM_STICKY 100 0 0"};
    auto sheet = openSheet(0);
    clickTab(*sheet, "SpecProc");
    QWidget* page = sheet->activePage();
    auto* list = findNamed<QListWidget>(page, "specProcs");
    QCOMPARE(list->count(), 1);

    click(page, "Add"); // no name chosen yet: nothing
    QCOMPARE(list->count(), 1);

    QVERIFY(choose(findNamed<QComboBox>(page, "specProcName"), qt("ROOM_HEAL_ALL")));
    type(findNamed<QLineEdit>(page, "probability"), qt("5o"));
    click(page, "Add");
    QCOMPARE(questions_.messages, std::vector<std::string>{"Please enter an integer."});
    QCOMPARE(QApplication::focusWidget(), findNamed<QLineEdit>(page, "probability"));
    QCOMPARE(list->count(), 1);

    type(findNamed<QLineEdit>(page, "probability"), qt("50"));
    click(page, "Yes");
    type(findNamed<QLineEdit>(page, "specialNumber"), qt("7"));
    click(page, "Add");
    QCOMPARE(list->item(1)->text(), qt("ROOM_HEAL_ALL 50 1 7"));

    list->setCurrentRow(0);
    QVERIFY(choose(findNamed<QComboBox>(page, "specProcName"), qt("ROOM_STOP_SPELL")));
    click(page, "No");
    click(page, "Update");
    QCOMPARE(list->item(0)->text(), qt("ROOM_STOP_SPELL 50 0 7"));
    QCOMPARE(sheet->room().specProcs, (std::vector<std::string>{"ROOM_STOP_SPELL 50 0 7", "ROOM_HEAL_ALL 50 1 7"}));

    list->setCurrentRow(1);
    click(page, "Remove");
    click(page, "Remove"); // nothing selected any more
    QCOMPARE(sheet->room().specProcs, (std::vector<std::string>{"ROOM_STOP_SPELL 50 0 7"}));
    click(sheet.get(), "OK");
    QCOMPARE(sheet->room().specProcs, (std::vector<std::string>{"ROOM_STOP_SPELL 50 0 7"}));
}

void RoomSheetTest::moveEnablingAndNumbers()
{
    auto sheet = openSheet(0);
    clickTab(*sheet, "Move");
    QWidget* page = sheet->activePage();
    auto* moveTo = findNamed<QComboBox>(page, "moveTo");
    auto* speed = findNamed<QLineEdit>(page, "moveSpeed");
    QVERIFY(!moveTo->isEnabled());
    QVERIFY(!speed->isEnabled());
    QVERIFY(!findButton(page, qt("Ignore Fly (if checked, the room will move players even if they are flying)"))->isEnabled());

    click(page, "Moving (check this if you want the room to be able to move players)");
    QVERIFY(moveTo->isEnabled());
    QVERIFY(speed->isEnabled());
    QVERIFY(choose(moveTo, qt("cellar")));
    type(findNamed<QLineEdit>(page, "moveText"), qt("The current drags you down."));
    type(speed, qt("fast"));
    type(findNamed<QLineEdit>(page, "moveTimer"), qt("4"));
    click(page, "Ignore Boat (if checked the room will move players even if they have boats)");

    clickTab(*sheet, "Exits");
    QCOMPARE(questions_.messages, std::vector<std::string>{"Please enter an integer."});
    QCOMPARE(currentTab(*sheet), qt("Move"));
    QCOMPARE(QApplication::focusWidget(), speed);
    QCOMPARE(speed->selectedText(), qt("fast"));

    type(speed, qt("3"));
    click(sheet.get(), "OK");
    const Room& room = sheet->room();
    QCOMPARE(room.moving, 1);
    QCOMPARE(room.ignoreBoat, 1);
    QCOMPARE(room.ignoreFly, 0);
    QCOMPARE(room.moveTo, std::string("cellar"));
    QCOMPARE(room.moveText, std::string("The current drags you down."));
    QCOMPARE(room.moveSpeed, 3);
    QCOMPARE(room.moveTimer, 4);
}

QTEST_MAIN(RoomSheetTest)
#include "RoomSheetTest.moc"
