// The mob editor driven as a builder uses it, and its copy written back into the World.

#include <QRadioButton>
#include <QTest>

#include "editor/rooms/FormDriver.h"
#include "generate/LoadAction.h"
#include "mobs/COnlineHelp.h"
#include "mobs/MobEdit.h"

using namespace tarnholt;
using namespace tarnholt::testing;

class MobSheetTest : public QObject {
    Q_OBJECT

private slots:
    void init() { f_ = std::make_unique<Editors>(); }

    void titlesAndTabs();
    void everyPageShowsItsTexts_data();
    void everyPageShowsItsTexts();
    void pageChecks_data();
    void pageChecks();

    void everyPageWritesBackOnOk();
    void statisticsFollowTheRolls_data();
    void statisticsFollowTheRolls();
    void flagBoxesFollowTheTable();
    void speechLines();
    void copyMobKeepsTypedIdentifierAndOwnVnum();
    void useTemplateCopiesContent();
    void helpWindowOnF1();
    void applyMobEditRenames_data();
    void applyMobEditRenames();

private:
    std::unique_ptr<CMobSheet> baker(bool templateMode = false) { return f_->mob(f_->world.mobs[2], templateMode); }

    std::unique_ptr<Editors> f_;
};

void MobSheetTest::titlesAndTabs()
{
    QCOMPARE(CMobSheet::newMobTitle(), qt("Creating a New Mob"));
    QCOMPARE(CMobSheet::editMobTitle("baker"), qt("Editing a Existing Mob - baker"));
    QCOMPARE(CMobSheet::newTemplateTitle(), qt("Creating a New Mob Template"));
    for (bool templateMode : {false, true}) {
        auto sheet = baker(templateMode);
        QCOMPARE(tabTitles(*sheet), (QStringList{qt("Description"), qt("Damage"), qt("Position"), qt("Flags"),
                                                 qt("Extra Descriptions"), qt("SpecProc"), qt("Speech")}));
        QCOMPARE(currentTab(*sheet), qt("Description"));
    }
}

void MobSheetTest::everyPageShowsItsTexts_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QStringList>("texts"); // everything the page reads, and nothing else

    QTest::newRow("Description") << qt("Description")
                                 << QStringList{qt("Mob Identifier:"), qt("Name/Alias List:"), qt("Short Description:"),
                                                qt("Long Description:"), qt("Description:"), qt("Copy Mob"),
                                                qt("Use Template"), qt("Format-60"), qt("Format-80")};
    QTest::newRow("Damage") << qt("Damage")
                            << QStringList{qt("Level:"), qt("Thac0 (chance to hit):"), qt("(20: worst, -10: best)"),
                                           qt("Damage:"), qt("d"), qt("+"), qt("Hit Points:"), qt("d"), qt("+"),
                                           qt("Armor Class:"), qt("(10: worst, -10: best)"), qt("Number of Attacks"),
                                           qt("One Attack"), qt("Two Attacks"), qt("Three Attacks"),
                                           qt("Four Attacks"), qt("Min/Max Damage Done:"), qt("Average Damage Done:"),
                                           qt("Min/Max Hit Points:"), qt("Average Hit Points:")};
    QTest::newRow("Position") << qt("Position")
                              << QStringList{qt("Alignment:"), qt("Gold:"), qt("Experience:"), qt("Load Position"),
                                             qt("Standing"), qt("Sitting"), qt("Resting"), qt("Sleeping"),
                                             qt("Default Position"), qt("Standing"), qt("Sitting"), qt("Resting"),
                                             qt("Sleeping"), qt("Monster's Sex"), qt("Neuter"), qt("Male"),
                                             qt("Female")};
    QTest::newRow("Flags") << qt("Flags") << namesOf(Universe().mobFlags); // 22 of the 42 boxes
    QTest::newRow("SpecProc") << qt("SpecProc")
                              << QStringList{qt("Special Procs this mob will execute:"), qt("Add Special Proc:"),
                                             qt("Probability:"), qt("Terminate if proc successful:"), qt("No"),
                                             qt("Yes"), qt("Special Number:"), qt("Add"), qt("Update"), qt("Remove")};
    QTest::newRow("Speech") << qt("Speech")
                            << QStringList{qt("Mob Speech Strings ($n indicates player name):"), qt("Add Text:"),
                                           qt("Add Text"), qt("Add Interval:"), qt("Add Interval"), qt("Remove")};
}

void MobSheetTest::everyPageShowsItsTexts()
{
    QFETCH(QString, tab);
    QFETCH(QStringList, texts);
    checkPageTexts(*baker(), tab, texts);
}

void MobSheetTest::pageChecks_data()
{
    QTest::addColumn<bool>("templateMode");
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QStringList>("typing"); // field=value, in order
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    const QString noDamage = qt("This mob does no damage.  Please enter a valid damage equation.");
    const QString noHits = qt("This mob has no hit points.  Please enter a valid hit point equation.");
    const QString thac0Range = qt("Please enter an integer between -10 and 20.");
    const char* zeroRolls = "damageCount=0 damageSides=0 damageBonus=0 hitCount=0 hitSides=0 hitBonus=0";
    auto row = [](const char* name, bool templateMode, const char* tab, const char* typing, const QString& message,
                  const char* focus) {
        QTest::newRow(name) << templateMode << qt(tab) << qt(typing).split(QLatin1Char(' ')) << message << qt(focus);
    };
    row("damage 0d0+5", false, "Damage", "damageCount=0 damageSides=0 damageBonus=5", {}, "");
    row("damage 2d0+0", false, "Damage", "damageCount=2 damageSides=0 damageBonus=0", noDamage, "damageCount");
    row("damage 0d6+0", false, "Damage", "damageCount=0 damageBonus=0", noDamage, "damageCount");
    row("hit points 4d0+0", false, "Damage", "hitSides=0 hitBonus=0", noHits, "hitCount");
    row("no damage is told before no hit points", false, "Damage", "hitCount=0 hitBonus=0 damageSides=0 damageBonus=0",
        noDamage, "damageCount");
    row("thac0 21", false, "Damage", "thaco=21", thac0Range, "thaco");
    row("thac0 -10", false, "Damage", "thaco=-10", {}, "");
    row("thac0 not a number", false, "Damage", "thaco=abc", qt("Please enter an integer."), "thaco");
    row("number told before the equation", false, "Damage", "damageCount=0 damageBonus=0 armorClass=",
        qt("Please enter an integer."), "armorClass");
    row("experience 0", false, "Position", "experience=0",
        qt("The experience this mob gives is set to zero.  Mobs must give experience."), "experience");
    row("alignment -350", false, "Position", "alignment=-350", {}, "");
    // A template may leave the rolls and the experience at zero, but its numbers are still checked.
    row("template: no rolls", true, "Damage", zeroRolls, {}, "");
    row("template: experience 0", true, "Position", "experience=0", {}, "");
    row("template: thac0 99", true, "Damage", "thaco=99", thac0Range, "thaco");
}

void MobSheetTest::pageChecks()
{
    QFETCH(bool, templateMode);
    QFETCH(QString, tab);
    QFETCH(QStringList, typing);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    auto sheet = baker(templateMode);
    clickTab(*sheet, tab);
    QWidget* page = sheet->activePage();
    for (const QString& assignment : typing) {
        const QStringList parts = assignment.split(QLatin1Char('='));
        type(page, qPrintable(parts[0]), qPrintable(parts[1]));
    }
    clickTab(*sheet, "Flags");
    if (message.isEmpty()) {
        QVERIFY(f_->questions.messages.empty());
        QCOMPARE(currentTab(*sheet), qt("Flags"));
        click(sheet.get(), "OK");
        QCOMPARE(sheet->result(), int(QDialog::Accepted));
        if (templateMode && tab == qt("Position"))
            QCOMPARE(sheet->mob().experience, 0);
        return;
    }
    QCOMPARE(f_->questions.messages, std::vector<std::string>{message.toStdString()});
    QCOMPARE(currentTab(*sheet), tab);
    auto* field = findNamed<QLineEdit>(page, focus);
    QCOMPARE(QApplication::focusWidget(), field);
    QCOMPARE(field->selectedText(), field->text());
    click(sheet.get(), "OK");
    QCOMPARE(f_->questions.messages, std::vector<std::string>(2, message.toStdString()));
    QVERIFY(sheet->isVisible());
    QCOMPARE(sheet->mob(), f_->world.mobs[2]); // nothing of the refused page was stored
}

void MobSheetTest::everyPageWritesBackOnOk()
{
    auto sheet = baker();
    QWidget* page = sheet->activePage();
    QCOMPARE(findNamed<QLineEdit>(page, "aliases")->text(), qt("baker fat"));
    QCOMPARE(findNamed<QPlainTextEdit>(page, "description")->toPlainText(), qt("He is covered in flour.\nHe smiles."));
    auto typeAll = [](QWidget* on, const std::vector<std::pair<const char*, const char*>>& fields) {
        for (const auto& [name, value] : fields)
            type(on, name, value);
    };
    typeAll(page, {{"identifier", "#3050 the baker"}, {"aliases", "baker thin"}, {"shortDescription", "the thin baker"},
                   {"longDescription", "A thin baker waits."}});
    type(findNamed<QPlainTextEdit>(page, "description"), qt("Thin.\nTall."));

    clickTab(*sheet, "Damage");
    page = sheet->activePage();
    QCOMPARE(findNamed<QLineEdit>(page, "thaco")->text(), qt("15"));
    QVERIFY(findButton(page, qt("Three Attacks"))->isChecked());
    typeAll(page, {{"level", "12"}, {"thaco", "-4"}, {"damageCount", "2"}, {"damageSides", "8"}, {"damageBonus", "-1"},
                   {"hitCount", "10"}, {"hitSides", "12"}, {"hitBonus", "100"}, {"armorClass", "-3"}});
    click(page, "Four Attacks");

    clickTab(*sheet, "Position");
    page = sheet->activePage();
    QVERIFY(findNamed<QGroupBox>(page, "loadPosition")->findChildren<QRadioButton*>()[1]->isChecked());
    typeAll(page, {{"alignment", "-1000"}, {"gold", "5"}, {"experience", "1234"}});
    click(findNamed<QGroupBox>(page, "loadPosition"), "Sleeping");
    click(findNamed<QGroupBox>(page, "defaultPosition"), "Standing");
    click(page, "Female");

    clickTab(*sheet, "Extra Descriptions");
    type(sheet->activePage(), "keywords", "hat");
    type(findNamed<QPlainTextEdit>(sheet->activePage(), "description"), qt("A tall hat."));
    click(sheet->activePage(), "Add/Update Descrip");
    click(sheet.get(), "OK");
    QVERIFY(f_->questions.messages.empty());
    QCOMPARE(sheet->result(), int(QDialog::Accepted));

    Mob expected = f_->world.mobs[2];
    expected.identifier = "#3050 the baker";
    expected.aliases = "baker thin";
    expected.shortDescription = "the thin baker";
    expected.longDescription = "A thin baker waits.";
    expected.description = "Thin.\r\nTall.";
    expected.level = 12;
    expected.thaco = -4;
    expected.damageDiceCount = 2;
    expected.damageDiceSides = 8;
    expected.damageBonus = -1;
    expected.hitDiceCount = 10;
    expected.hitDiceSides = 12;
    expected.hitBonus = 100;
    expected.armorClass = -3;
    expected.attackCountIndex = 3;
    expected.alignment = -1000;
    expected.gold = 5;
    expected.experience = 1234;
    expected.loadPosition = 3;
    expected.defaultPosition = 0;
    expected.sex = 2;
    expected.extraDescriptions.set("hat", "A tall hat.");
    QCOMPARE(sheet->mob(), expected);
    QCOMPARE(sheet->initialIdentifier(), std::string("baker"));
}

void MobSheetTest::statisticsFollowTheRolls_data()
{
    QTest::addColumn<QString>("attacks");
    QTest::addColumn<QStringList>("typing"); // field=value, in order
    QTest::addColumn<QStringList>("figures"); // damage range and average, hit point range and average

    auto row = [](const char* name, const char* attacks, const char* typing, const char* figures) {
        QTest::newRow(name) << qt(attacks) << qt(typing).split(QLatin1Char(' '), Qt::SkipEmptyParts)
                            << qt(figures).split(QLatin1Char(' '));
    };
    // The baker's own rolls: 1d6+2 with three attacks, 4d10+20.
    row("as opened", "", "", "3.0/24.0 10.0 24.0/60.0 40.0");
    row("2d4+1 twice", "Two Attacks", "damageCount=2 damageSides=4 damageBonus=1", "3.0/18.0 7.5 24.0/60.0 40.0");
    row("2d4+1 four times", "Four Attacks", "damageCount=2 damageSides=4 damageBonus=1",
        "3.0/36.0 12.5 24.0/60.0 40.0");
    row("hit points 3d8-2", "", "hitCount=3 hitSides=8 hitBonus=-2", "3.0/24.0 10.0 1.0/22.0 10.0");
    row("hit points 3d8+5", "", "hitCount=3 hitSides=8 hitBonus=5", "3.0/24.0 10.0 8.0/29.0 17.0");
    // Huge rolls do not wrap around (the average is N x S / 2 + bonus).
    row("hit points 100000d100000+5", "", "hitCount=100000 hitSides=100000 hitBonus=5",
        "3.0/24.0 10.0 100005.0/10000000005.0 5000000005.0");
}

void MobSheetTest::statisticsFollowTheRolls()
{
    QFETCH(QString, attacks);
    QFETCH(QStringList, typing);
    QFETCH(QStringList, figures);

    auto sheet = baker();
    clickTab(*sheet, "Damage");
    QWidget* page = sheet->activePage();
    if (!attacks.isEmpty())
        click(page, qPrintable(attacks));
    for (const QString& assignment : typing) {
        const QStringList parts = assignment.split(QLatin1Char('='));
        type(page, qPrintable(parts[0]), qPrintable(parts[1]));
    }
    auto shown = [page] {
        QStringList texts;
        for (const char* name : {"damageRange", "damageAverage", "hitRange", "hitAverage"}) {
            auto* figure = findNamed<QLineEdit>(page, name);
            texts << (figure->isReadOnly() ? figure->text() : qt("an editable field"));
        }
        return texts;
    };
    QCOMPARE(shown(), figures);
    // An emptied field leaves the figures as they were until the roll is whole again.
    type(page, "hitBonus", "");
    type(page, "damageSides", "");
    QCOMPARE(shown(), figures);
}

void MobSheetTest::flagBoxesFollowTheTable()
{
    f_->world.mobs[2].flags.push_back("Flying"); // a name no box carries
    auto sheet = baker();
    clickTab(*sheet, "Flags");
    QWidget* page = sheet->activePage();
    QVERIFY(findButton(page, qt("Sentinel"))->isChecked());
    QVERIFY(!findButton(page, qt("Aggressive"))->isChecked());
    for (const char* name : {"Sanctuary", "Hidden", "Aggressive"})
        click(page, name);
    click(sheet.get(), "OK");
    // Box order, whatever order they were ticked in; the unknown name is not dropped unseen.
    QCOMPARE(sheet->mob().flags, (std::vector<std::string>{"Sentinel", "Aggressive", "Hidden", "Flying"}));
}

void MobSheetTest::speechLines()
{
    auto sheet = baker();
    clickTab(*sheet, "Speech");
    QWidget* page = sheet->activePage();
    auto* list = findNamed<QListWidget>(page, "speech");
    auto* interval = findNamed<QLineEdit>(page, "speechInterval");
    QCOMPARE(listEntries(list), (QStringList{qt("<LINE> Fresh bread, $n! <END_LINE>"), qt("<INTERVAL> 20")}));

    click(page, "Add Text"); // empty: nothing
    type(page, "speechText", "Buy a loaf, $n.");
    click(page, "Add Text");
    QCOMPARE(findNamed<QLineEdit>(page, "speechText")->text(), QString());
    for (const char* nothing : {"", "0", "  "}) {
        type(interval, qt(nothing));
        click(page, "Add Interval");
    }
    QCOMPARE(list->count(), 3);
    QVERIFY(f_->questions.messages.empty());

    for (const char* wrong : {"150", "-1", "ten"}) {
        type(interval, qt(wrong));
        click(page, "Add Interval");
        QCOMPARE(QApplication::focusWidget(), interval);
    }
    QCOMPARE(f_->questions.messages, (std::vector<std::string>{"Please enter an integer between 0 and 100.",
                                                                "Please enter an integer between 0 and 100.",
                                                                "Please enter an integer."}));
    type(interval, qt("15"));
    click(page, "Add Interval");
    QCOMPARE(list->item(3)->text(), qt("<INTERVAL> 15"));

    selectRow(list, 1);
    click(page, "Remove");
    QCOMPARE(sheet->mob().speech.size(), std::size_t(3)); // Remove writes the list at once
    click(sheet.get(), "OK");
    QCOMPARE(sheet->mob().speech, (std::vector<std::string>{"<LINE> Fresh bread, $n! <END_LINE>\n",
                                                            "<LINE> Buy a loaf, $n. <END_LINE>\n",
                                                            "<INTERVAL> 15\n"}));
}

void MobSheetTest::copyMobKeepsTypedIdentifierAndOwnVnum()
{
    auto sheet = f_->mob(makeMob("", -1));
    QWidget* page = sheet->activePage();
    type(page, "identifier", "orc");
    type(page, "aliases", "dropped");
    PickListSeen seen;
    pickFromNext(seen, QString()); // cancelled: nothing changes
    click(page, "Copy Mob");
    QCOMPARE(seen.title, qt("Select a mob to copy from"));
    QCOMPARE(seen.texts, (QStringList{qt("Cancel"), qt("Select one of the following mobs to copy from:"), qt("Use")}));
    QCOMPARE(seen.offered, (QStringList{qt("baker"), qt("guard"), qt("guardian")}));
    QCOMPARE(findNamed<QLineEdit>(page, "aliases")->text(), qt("dropped"));

    pickFromNext(seen, qt("baker"));
    click(page, "Copy Mob");
    QCOMPARE(findNamed<QLineEdit>(page, "identifier")->text(), qt("orc"));
    QCOMPARE(findNamed<QLineEdit>(page, "aliases")->text(), qt("baker fat"));
    click(sheet.get(), "OK");
    Mob expected = f_->world.mobs[2];
    expected.identifier = "orc";
    expected.vnum = -1; // two mobs under one vnum would be written twice under that number
    QCOMPARE(sheet->mob(), expected);
}

void MobSheetTest::useTemplateCopiesContent()
{
    Mob shopkeeper = f_->world.mobs[2];
    shopkeeper.speech.clear();
    QVERIFY(f_->templates.mobs().add(shopkeeper, "Shopkeeper", f_->questions));

    auto sheet = f_->mob(f_->world.mobs[1]); // "guard", vnum 3002
    QWidget* page = sheet->activePage();
    type(page, "identifier", "watchman");
    PickListSeen seen;
    pickFromNext(seen, qt("Shopkeeper"));
    click(page, "Use Template");
    QCOMPARE(seen.title, qt("Select a mob template to use"));
    QVERIFY(seen.texts.contains(qt("Select one of the following mob templates to use:")));
    QCOMPARE(findNamed<QLineEdit>(page, "identifier")->text(), qt("watchman"));
    QCOMPARE(findNamed<QLineEdit>(page, "shortDescription")->text(), qt("the baker"));
    clickTab(*sheet, "Speech");
    QCOMPARE(findNamed<QListWidget>(sheet->activePage(), "speech")->count(), 0);
    click(sheet.get(), "OK");
    Mob expected = shopkeeper;
    expected.identifier = "watchman";
    expected.vnum = 3002;
    QCOMPARE(sheet->mob(), expected);
}

void MobSheetTest::helpWindowOnF1()
{
    auto sheet = baker();
    clickTab(*sheet, "Damage");
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : sheet.get(), Qt::Key_F1);
    QVERIFY(COnlineHelp::window() == nullptr || !COnlineHelp::window()->isVisible()); // no help for that page

    clickTab(*sheet, "Description");
    auto* identifier = findNamed<QLineEdit>(sheet->activePage(), "identifier");
    identifier->setFocus();
    QTest::keyClick(identifier, Qt::Key_F1);
    COnlineHelp* help = COnlineHelp::window();
    QVERIFY(help != nullptr && help->isVisible());
    QCOMPARE(help->windowTitle(), qt("Tarnholt Online Help"));
    QVERIFY(help->findChild<QPlainTextEdit*>()->isReadOnly());
    for (const char* needed : {"Identifier", "never written", "exits", "loads", "Name/Alias List", "any one"})
        QVERIFY2(help->text().contains(qt(needed)), needed);
    QVERIFY(sheet->isVisible()); // the editor goes on

    help->close();
    sheet->activateWindow();
    QTest::keyClick(identifier, Qt::Key_F1);
    QCOMPARE(COnlineHelp::window(), help); // hidden, not destroyed, and shown again
    QVERIFY(help->isVisible());
    help->close();
}

void MobSheetTest::applyMobEditRenames_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("duplicate");
    QTest::addColumn<QString>("reference"); // what the load and the shop name afterwards

    QTest::newRow("renamed") << qt("guard") << qt("watchman") << false << qt("watchman");
    QTest::newRow("kept") << qt("guard") << qt("guard") << false << qt("guard");
    QTest::newRow("named at last") << QString() << qt("watchman") << false << QString();
    QTest::newRow("another mob keeps the old name") << qt("guard") << qt("watchman") << true << qt("guard");
}

void MobSheetTest::applyMobEditRenames()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, duplicate);
    QFETCH(QString, reference);

    World& world = f_->world;
    world.mobs[1].identifier = from.toStdString();
    if (duplicate)
        world.mobs.push_back(makeMob("guard", 0));
    world.rooms[1].loads[0].mob = from.toStdString();
    world.shops.resize(1);
    world.shops[0].keeper = from.toStdString();

    Mob edited = world.mobs[1];
    edited.identifier = to.toStdString();
    edited.gold = 99;
    QVERIFY(applyMobEdit(world, 1, edited));
    QCOMPARE(world.mobs[1], edited);
    QCOMPARE(world.rooms[1].loads[0].mob, reference.toStdString());
    QCOMPARE(world.shops[0].keeper, reference.toStdString());
    QCOMPARE(world.mobs[0].identifier, std::string("guardian"));
    if (duplicate)
        QCOMPARE(world.mobs.back().identifier, std::string("guard"));

    const World before = world;
    QVERIFY(!applyMobEdit(world, world.mobs.size(), edited));
    QCOMPARE(world.mobs, before.mobs);
    appendMob(world, edited);
    QCOMPARE(world.mobs.back(), edited);
}

QTEST_MAIN(MobSheetTest)
#include "MobSheetTest.moc"
