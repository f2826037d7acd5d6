// The pages the room, mob and item editors share: "SpecProc" in each editor, and "Extra
// Descriptions" on its own record.

#include <QTest>

#include "editor/rooms/FormDriver.h"
#include "rooms/CMiscExtraDescrip.h"

using namespace tarnholt;
using namespace tarnholt::testing;

namespace {

/// The room, mob or item editor on the temple, the baker or the sword, and what the shared pages edit.
struct AnySheet {
    struct Parts {
        std::string identifier;
        int32_t vnum;
        std::vector<std::string> specProcs;
    };
    std::unique_ptr<CPropertySheet> sheet;
    std::function<Parts()> record;
};

AnySheet openAny(Editors& f, const QString& editor, bool templateMode = false)
{
    AnySheet any;
    if (editor == qt("room")) {
        auto room = f.room(f.world.rooms[0], templateMode);
        any.record = [s = room.get()] { return AnySheet::Parts{s->room().identifier, s->room().vnum, s->room().specProcs}; };
        any.sheet = std::move(room);
    } else if (editor == qt("mob")) {
        auto mob = f.mob(f.world.mobs[2], templateMode);
        any.record = [s = mob.get()] { return AnySheet::Parts{s->mob().identifier, s->mob().vnum, s->mob().specProcs}; };
        any.sheet = std::move(mob);
    } else {
        auto item = f.item(f.world.items[1], templateMode);
        any.record = [s = item.get()] { return AnySheet::Parts{s->item().identifier, s->item().vnum, s->item().specProcs}; };
        any.sheet = std::move(item);
    }
    return any;
}

} // namespace

class SharedPagesTest : public QObject {
    Q_OBJECT

private slots:
    void identifierChecks_data();
    void identifierChecks();
    void specProcList_data();
    void specProcList();

    void extraDescriptionsAddChangeAndRemove();
    void extraDescriptionsLeaveAndReactivate();
    void extraDescriptionsFormat();

private:
    void openExtraDescriptions();
    QComboBox* selection() { return findNamed<QComboBox>(page_.get(), "keywordSelection"); }
    QLineEdit* keywords() { return findNamed<QLineEdit>(page_.get(), "keywords"); }
    QPlainTextEdit* description() { return findNamed<QPlainTextEdit>(page_.get(), "description"); }

    ExtraDescriptions record_;
    ScriptedQuestions questions_;
    std::unique_ptr<CMiscExtraDescrip> page_;
};

void SharedPagesTest::identifierChecks_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<bool>("templateMode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("vnum"); // what the record holds after OK

    const QString empty = qt("The Identifier field must be filled in.");
    const QString number = qt("The Identifier number is not valid.");
    const QString used = qt("The Identifier specified is already in use!");
    auto row = [](const char* editor, bool templateMode, const char* typed, const QString& message, int vnum) {
        QTest::addRow("%s: %s%s", editor, templateMode ? "template " : "", typed)
            << qt(editor) << templateMode << qt(typed) << message << vnum;
    };
    // The number after '#' is read the same way by every editor.
    row("room", false, "", empty, 100);
    row("room", false, "#0", number, 100); // a room bears it: the number is checked first
    row("room", false, "#12a", number, 100);
    row("room", false, "#", number, 100);
    row("room", false, "#99999999999", number, 100);
    row("room", false, "hall", used, 100);
    row("room", false, "temple", {}, 100); // its own
    row("room", false, "Hall", {}, 100); // differs in case only
    row("room", false, "#3050 the gate", {}, 3050); // a room takes the number as its vnum
    row("room", true, "A Blank Room", used, 100);
    row("room", true, "hall", {}, 100); // a room of the World, not a template

    row("mob", false, "", empty, 3003);
    row("mob", false, "#0", number, 3003);
    row("mob", false, "guard", used, 3003);
    row("mob", false, "baker", {}, 3003);
    row("mob", false, "#12 guard", {}, 3003); // a mob does not take the number
    // The confirmed template is added under its Identifier: a name already on the shelf would only be
    // refused then, and the template lost with it. Anything else will do for a template.
    row("mob", true, "A Blank Mob", qt("A template with this name already exists.  Choose another."), 3003);
    row("mob", true, "", {}, 3003);
    row("mob", true, "guard", {}, 3003);

    row("item", false, "", empty, 3012);
    row("item", false, "#0 sword", number, 3012);
    row("item", false, "chest", used, 3012);
    row("item", false, "sword", {}, 3012);
    row("item", false, "#12 the long sword", {}, 3012);
    row("item", true, "A Blank Item", used, 3012);
    row("item", true, "chest", {}, 3012);
    row("item", true, "", empty, 3012);
}

void SharedPagesTest::identifierChecks()
{
    QFETCH(QString, editor);
    QFETCH(bool, templateMode);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(int, vnum);

    Editors f;
    AnySheet any = openAny(f, editor, templateMode);
    CPropertySheet& sheet = *any.sheet;
    const AnySheet::Parts before = any.record();
    auto* identifier = findNamed<QLineEdit>(sheet.activePage(), "identifier");
    type(identifier, typed);
    clickTab(sheet, "Flags");
    if (message.isEmpty()) {
        QVERIFY(f.questions.messages.empty());
        QCOMPARE(currentTab(sheet), qt("Flags"));
        click(&sheet, "OK");
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        QCOMPARE(any.record().identifier, typed.toStdString());
        QCOMPARE(any.record().vnum, vnum);
        return;
    }
    QCOMPARE(f.questions.messages, std::vector<std::string>{message.toStdString()});
    QCOMPARE(currentTab(sheet), qt("Description"));
    QCOMPARE(QApplication::focusWidget(), identifier);
    QCOMPARE(identifier->selectedText(), typed);
    click(&sheet, "OK"); // checked again, and the editor stays
    QCOMPARE(f.questions.messages, std::vector<std::string>(2, message.toStdString()));
    QVERIFY(sheet.isVisible());
    QCOMPARE(any.record().identifier, before.identifier);
}

void SharedPagesTest::specProcList_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("procedure");
    QTest::addColumn<QString>("badProbability");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("leaveRefused");

    const QString integer = qt("Please enter an integer.");
    QTest::newRow("room") << qt("room") << qt("ROOM_HEAL_ALL") << qt("5o") << integer << false;
    QTest::newRow("item") << qt("item") << qt("DEVICE_KILL") << qt("often") << integer << false;
    // A mob's probability is a percentage, checked again on leaving the page.
    QTest::newRow("mob") << qt("mob") << qt("CASTLE_GUARD") << qt("101")
                         << qt("Please enter an integer between 0 and 100.") << true;
}

void SharedPagesTest::specProcList()
{
    QFETCH(QString, editor);
    QFETCH(QString, procedure);
    QFETCH(QString, badProbability);
    QFETCH(QString, message);
    QFETCH(bool, leaveRefused);

    Editors f;
    f.world.rooms[0].specProcs = f.world.mobs[2].specProcs = f.world.items[1].specProcs = {"OLD 100 0 0"};
    AnySheet any = openAny(f, editor);
    const auto& sheet = any.sheet;
    auto stored = [&any] { return any.record().specProcs; };
    clickTab(*sheet, "SpecProc");
    QWidget* page = sheet->activePage();
    auto* list = findNamed<QListWidget>(page, "specProcs");
    auto* probability = findNamed<QLineEdit>(page, "probability");
    QCOMPARE(listEntries(list), QStringList{qt("OLD 100 0 0")});
    QCOMPARE(probability->text() + qt("|") + findNamed<QLineEdit>(page, "specialNumber")->text(), qt("100|0"));

    click(page, "Add"); // no procedure chosen yet: nothing to add
    QCOMPARE(list->count(), 1);
    QVERIFY(choose(findNamed<QComboBox>(page, "specProcName"), procedure));
    type(probability, badProbability);
    click(page, "Add");
    QCOMPARE(f.questions.messages, std::vector<std::string>{message.toStdString()});
    QVERIFY(QApplication::focusWidget() == probability && list->count() == 1);
    clickTab(*sheet, "Description");
    QCOMPARE(currentTab(*sheet), leaveRefused ? qt("SpecProc") : qt("Description"));
    QCOMPARE(f.questions.messages.size(), std::size_t(leaveRefused ? 2 : 1));
    clickTab(*sheet, "SpecProc");

    type(probability, qt("50"));
    click(page, "Yes");
    type(page, "specialNumber", "7");
    click(page, "Add");
    QCOMPARE(listEntries(list), (QStringList{qt("OLD 100 0 0"), procedure + qt(" 50 1 7")}));
    selectRow(list, 0);
    click(page, "No");
    click(page, "Update");
    QCOMPARE(stored(), (std::vector<std::string>{procedure.toStdString() + " 50 0 7",
                                                 procedure.toStdString() + " 50 1 7"}));
    selectRow(list, 1);
    click(page, "Remove");
    click(page, "Remove"); // the selection went with the entry: nothing more goes
    click(sheet.get(), "OK");
    QCOMPARE(sheet->result(), int(QDialog::Accepted));
    QCOMPARE(stored(), std::vector<std::string>{procedure.toStdString() + " 50 0 7"});
}

void SharedPagesTest::openExtraDescriptions()
{
    record_ = ExtraDescriptions();
    record_.set("altar", "A stone altar.\r\n");
    questions_ = ScriptedQuestions();
    page_ = std::make_unique<CMiscExtraDescrip>(record_, questions_);
    page_->show();
    QVERIFY(QTest::qWaitForWindowExposed(page_.get()));
    page_->activate();
}

void SharedPagesTest::extraDescriptionsAddChangeAndRemove()
{
    openExtraDescriptions();
    QCOMPARE(entries(selection()), QStringList{qt("altar")});
    click(page_.get(), "Add/Update Descrip"); // no keywords: nothing happens
    QCOMPARE(record_.keywordList.size(), std::size_t(1));

    type(keywords(), qt("fountain"));
    type(description(), qt("Water.\nCold."));
    click(page_.get(), "Add/Update Descrip");
    QCOMPARE(record_.get("fountain"), std::string("Water.\r\nCold."));

    QVERIFY(choose(selection(), qt("altar")));
    QCOMPARE(keywords()->text(), qt("altar"));
    QCOMPARE(description()->toPlainText(), qt("A stone altar.\n"));
    type(description(), qt("A cracked altar."));
    click(page_.get(), "Add/Update Descrip");
    QCOMPARE(record_.get("altar"), std::string("A cracked altar."));
    QCOMPARE(entries(selection()), (QStringList{qt("altar"), qt("fountain")})); // listed once

    QVERIFY(choose(selection(), qt("fountain")));
    click(page_.get(), "Delete Descrip");
    QCOMPARE(record_.descriptionList, std::vector<std::string>{"A cracked altar."});
    QCOMPARE(entries(selection()), QStringList{qt("altar")});
    QVERIFY(keywords()->text().isEmpty() && description()->toPlainText().isEmpty());
    click(page_.get(), "Delete Descrip"); // nothing chosen: nothing happens
    QCOMPARE(record_.keywordList.size(), std::size_t(1));

    // Of two entries whose keywords differ in case only, the chosen one goes.
    record_.set("Door", "Big.");
    record_.set("door", "Small.");
    page_->activate();
    QVERIFY(choose(selection(), qt("door")));
    click(page_.get(), "Delete Descrip");
    QCOMPARE(record_.keywordList, (std::vector<std::string>{"altar", "Door"}));
    QCOMPARE(entries(selection()), (QStringList{qt("altar"), qt("Door")}));
}

void SharedPagesTest::extraDescriptionsLeaveAndReactivate()
{
    openExtraDescriptions();
    type(keywords(), qt("statue"));
    type(description(), qt("A marble statue."));
    QVERIFY(page_->leave());
    QCOMPARE(record_.get("statue"), std::string("A marble statue."));
    // Coming back shows the description of the keywords still on the page.
    description()->clear();
    page_->activate();
    QCOMPARE(description()->toPlainText(), qt("A marble statue."));

    // Another page copied a whole record over the edited one: the page follows it.
    QVERIFY(choose(selection(), qt("altar")));
    QVERIFY(page_->leave());
    ExtraDescriptions other;
    other.set("well", "Deep.");
    record_ = other;
    page_->activate();
    QCOMPARE(entries(selection()), QStringList{qt("well")});
    QVERIFY(keywords()->text().isEmpty());
    QVERIFY(page_->leave());
    QCOMPARE(record_.get("altar"), std::string()); // not brought back
}

void SharedPagesTest::extraDescriptionsFormat()
{
    openExtraDescriptions();
    type(description(), qt("one two\nthree"));
    questions_.queueAnswer(true);
    questions_.queueAnswer(true); // keep the line feeds
    click(page_.get(), "Format-80"); // the reformatting itself is checked on its own
    QCOMPARE(description()->toPlainText(), qt("one two\nthree\n"));
    QCOMPARE(QApplication::focusWidget(), description());
}

QTEST_MAIN(SharedPagesTest)
#include "SharedPagesTest.moc"
