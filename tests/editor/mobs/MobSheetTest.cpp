// The mob editor driven as a builder uses it: typing, clicking tabs and buttons, pressing OK.

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTest>

#include "app/Questions.h"
#include "editor/rooms/FormDriver.h"
#include "generate/LoadAction.h"
#include "mobs/CMobSheet.h"
#include "mobs/COnlineHelp.h"
#include "mobs/MobEdit.h"
#include "universe/TemplateLibrary.h"
#include "universe/Universe.h"
#include "world/World.h"

using namespace tarnholt;
using namespace tarnholt::testing;

namespace {

Mob makeMob(const char* identifier, int32_t vnum)
{
    Mob mob;
    mob.identifier = identifier;
    mob.vnum = vnum;
    return mob;
}

/// Clicks an option button or check box on its indicator, as a person aims for the box itself:
/// the middle of a wide button can lie beyond its caption, where a click does nothing.
void tick(QAbstractButton* button)
{
    QVERIFY(button != nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(qMin(8, button->width() / 2), button->height() / 2));
}

QStringList visibleTexts(QWidget* root)
{
    QStringList texts;
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (button->isVisible())
            texts << button->text();
    }
    return texts;
}

} // namespace

class MobSheetTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void titlesAndTabs();
    void everyPageShowsItsTexts_data();
    void everyPageShowsItsTexts();

    void identifierChecks_data();
    void identifierChecks();
    void pageChecks_data();
    void pageChecks();
    void templateModeAcceptsWhatANewMobMayNot();
    void templateNameAlreadyOnTheShelfIsRefused();

    void everyPageWritesBackOnOk();
    void statisticsFollowTheRolls();
    void flagBoxesFollowTheTable();
    void specProcForm();
    void speechLines();

    void copyMobKeepsTypedIdentifierAndOwnVnum();
    void useTemplateCopiesContent();
    void formatRewrapsOnlyTheDescription();
    void helpWindowOnF1();

    void applyMobEditRenames_data();
    void applyMobEditRenames();

private:
    std::unique_ptr<CMobSheet> openSheet(const Mob& mob, bool templateMode = false);
    std::unique_ptr<CMobSheet> openMob(std::size_t index);

    World world_;
    Universe universe_;
    std::unique_ptr<TemplateLibrary> templates_;
    ScriptedQuestions questions_;
};

void MobSheetTest::init()
{
    world_ = World();
    world_.mobs = {makeMob("guardian", 3001), makeMob("guard", 3002), makeMob("baker", 3003)};
    Mob& baker = world_.mobs[2];
    baker.aliases = "baker fat";
    baker.shortDescription = "the baker";
    baker.longDescription = "A fat baker kneads dough here.";
    baker.description = "He is covered in flour.\r\nHe smiles.";
    baker.level = 7;
    baker.thaco = 15;
    baker.damageDiceCount = 1;
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
    templates_ = std::make_unique<TemplateLibrary>("/nonexistent");
    questions_ = ScriptedQuestions();
}

std::unique_ptr<CMobSheet> MobSheetTest::openSheet(const Mob& mob, bool templateMode)
{
    auto sheet = std::make_unique<CMobSheet>(qt("Edit Mob"), mob, world_, universe_, *templates_, questions_,
                                             templateMode);
    sheet->show();
    if (!QTest::qWaitForWindowActive(sheet.get()))
        qWarning("the mob editor did not become the active window");
    return sheet;
}

std::unique_ptr<CMobSheet> MobSheetTest::openMob(std::size_t index) { return openSheet(world_.mobs[index]); }

void MobSheetTest::titlesAndTabs()
{
    QCOMPARE(CMobSheet::newMobTitle(), qt("Creating a New Mob"));
    QCOMPARE(CMobSheet::editMobTitle("baker"), qt("Editing a Existing Mob - baker"));
    QCOMPARE(CMobSheet::newTemplateTitle(), qt("Creating a New Mob Template"));

    for (bool templateMode : {false, true}) {
        auto sheet = openSheet(world_.mobs[2], templateMode);
        QCOMPARE(tabTitles(*sheet), (QStringList{qt("Description"), qt("Damage"), qt("Position"), qt("Flags"),
                                                 qt("Extra Descriptions"), qt("SpecProc"), qt("Speech")}));
        QCOMPARE(currentTab(*sheet), qt("Description"));
        QCOMPARE(sheet->windowTitle(), qt("Edit Mob"));
        QCOMPARE(sheet->templateMode(), templateMode);
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
                                           qt("Damage:"), qt("d"), qt("+"), qt("Hit Points:"), qt("d"), qt("+"), qt("Armor Class:"),
                                           qt("(10: worst, -10: best)"), qt("Number of Attacks"), qt("One Attack"),
                                           qt("Two Attacks"), qt("Three Attacks"), qt("Four Attacks"),
                                           qt("Min/Max Damage Done:"), qt("Average Damage Done:"),
                                           qt("Min/Max Hit Points:"), qt("Average Hit Points:")};
    QTest::newRow("Position") << qt("Position")
                              << QStringList{qt("Alignment:"), qt("Gold:"), qt("Experience:"), qt("Load Position"),
                                             qt("Standing"), qt("Sitting"), qt("Resting"), qt("Sleeping"),
                                             qt("Default Position"), qt("Standing"), qt("Sitting"), qt("Resting"),
                                             qt("Sleeping"), qt("Monster's Sex"), qt("Neuter"), qt("Male"),
                                             qt("Female")};
    QStringList flags;
    for (const FlagEntry& entry : Universe().mobFlags)
        flags << QString::fromStdString(entry.name);
    QTest::newRow("Flags") << qt("Flags") << flags;
    QTest::newRow("Extra Descriptions")
        << qt("Extra Descriptions")
        << QStringList{qt("Keyword Selection:"), qt("Keywords:"), qt("Description:"), qt("Add/Update Descrip"),
                       qt("Delete Descrip"), qt("Format-60"), qt("Format-80"),
                       qt("This screen adds extra descriptions for static 'nouns'.  Adding these extra little tidbits "
                          "can change a zone from a crappy zone to ones players actually look at.  These are also great "
                          "for adding clues that the players have to 'look' for.")};
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
    auto sheet = openMob(2);
    clickTab(*sheet, tab.toUtf8().constData());
    QCOMPARE(currentTab(*sheet), tab);
    QStringList shown = shownTexts(sheet->activePage());
    shown.removeAll(QString()); // the flag boxes the table does not fill
    shown.sort();
    texts.sort();
    QCOMPARE(shown, texts);
}

void MobSheetTest::identifierChecks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    const QString empty = qt("The Identifier field must be filled in.");
    const QString number = qt("The Identifier number is not valid.");
    const QString used = qt("The Identifier specified is already in use!");
    QTest::newRow("empty") << QString() << empty;
    QTest::newRow("#0") << qt("#0") << number;
    QTest::newRow("#12a") << qt("#12a") << number;
    QTest::newRow("# alone") << qt("#") << number;
    QTest::newRow("another mob's") << qt("guard") << used;
    QTest::newRow("#12 guard") << qt("#12 guard") << QString();
    QTest::newRow("its own") << qt("baker") << QString();
    QTest::newRow("differs in case only") << qt("Guard") << QString();
}

void MobSheetTest::identifierChecks()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);

    auto sheet = openMob(2);
    auto* identifier = findNamed<QLineEdit>(sheet->activePage(), "identifier");
    QCOMPARE(identifier->text(), qt("baker"));
    type(identifier, typed);
    clickTab(*sheet, "Damage");

    if (message.isEmpty()) {
        QVERIFY(questions_.messages.empty());
        QCOMPARE(currentTab(*sheet), qt("Damage"));
        click(sheet.get(), "OK");
        QCOMPARE(sheet->result(), int(QDialog::Accepted));
        QCOMPARE(sheet->mob().identifier, typed.toStdString());
        QCOMPARE(sheet->mob().vnum, 3003);
        return;
    }
    QCOMPARE(questions_.messages, std::vector<std::string>{message.toStdString()});
    QCOMPARE(currentTab(*sheet), qt("Description"));
    QCOMPARE(QApplication::focusWidget(), identifier);
    QCOMPARE(identifier->selectedText(), typed);

    // OK on the page makes the same check and keeps the editor open.
    click(sheet.get(), "OK");
    QCOMPARE(questions_.messages.size(), std::size_t(2));
    QCOMPARE(questions_.messages.back(), message.toStdString());
    QVERIFY(sheet->isVisible());
    QCOMPARE(sheet->mob().identifier, std::string("baker"));
}

void MobSheetTest::pageChecks_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QStringList>("typing"); // field=value, in order
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    const QString noDamage = qt("This mob does no damage.  Please enter a valid damage equation.");
    const QString noHits = qt("This mob has no hit points.  Please enter a valid hit point equation.");
    const QString thac0Range = qt("Please enter an integer between -10 and 20.");
    const QString integer = qt("Please enter an integer.");
    const QString noExperience = qt("The experience this mob gives is set to zero.  Mobs must give experience.");

    QTest::newRow("damage 0d0+5") << qt("Damage") << QStringList{qt("damageCount=0"), qt("damageSides=0"),
                                                                  qt("damageBonus=5")} << QString() << QString();
    QTest::newRow("damage 2d0+0") << qt("Damage") << QStringList{qt("damageCount=2"), qt("damageSides=0"),
                                                                  qt("damageBonus=0")} << noDamage << qt("damageCount");
    QTest::newRow("damage 0d6+0") << qt("Damage") << QStringList{qt("damageCount=0"), qt("damageBonus=0")}
                                  << noDamage << qt("damageCount");
    QTest::newRow("hit points 4d0+0") << qt("Damage") << QStringList{qt("hitSides=0"), qt("hitBonus=0")} << noHits
                                      << qt("hitCount");
    QTest::newRow("no damage is told before no hit points")
        << qt("Damage") << QStringList{qt("hitCount=0"), qt("hitBonus=0"), qt("damageSides=0"), qt("damageBonus=0")} << noDamage
        << qt("damageCount");
    QTest::newRow("thac0 21") << qt("Damage") << QStringList{qt("thaco=21")} << thac0Range << qt("thaco");
    QTest::newRow("thac0 -10") << qt("Damage") << QStringList{qt("thaco=-10")} << QString() << QString();
    QTest::newRow("thac0 not a number") << qt("Damage") << QStringList{qt("thaco=abc")} << integer << qt("thaco");
    QTest::newRow("number told before the equation")
        << qt("Damage") << QStringList{qt("damageCount=0"), qt("damageBonus=0"), qt("armorClass=")} << integer
        << qt("armorClass");
    QTest::newRow("experience 0") << qt("Position") << QStringList{qt("experience=0")} << noExperience
                                  << qt("experience");
    QTest::newRow("alignment -350") << qt("Position") << QStringList{qt("alignment=-350")} << QString() << QString();
}

void MobSheetTest::pageChecks()
{
    QFETCH(QString, tab);
    QFETCH(QStringList, typing);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    auto sheet = openMob(2);
    clickTab(*sheet, tab.toUtf8().constData());
    QCOMPARE(currentTab(*sheet), tab);
    QWidget* page = sheet->activePage();
    for (const QString& assignment : typing) {
        const QStringList parts = assignment.split(QLatin1Char('='));
        auto* field = page->findChild<QLineEdit*>(parts[0]);
        QVERIFY2(field != nullptr, qPrintable(parts[0]));
        type(field, parts[1]);
    }
    clickTab(*sheet, "Flags");

    if (message.isEmpty()) {
        QVERIFY(questions_.messages.empty());
        QCOMPARE(currentTab(*sheet), qt("Flags"));
        click(sheet.get(), "OK");
        QCOMPARE(sheet->result(), int(QDialog::Accepted));
        return;
    }
    QCOMPARE(questions_.messages, std::vector<std::string>{message.toStdString()});
    QCOMPARE(currentTab(*sheet), tab);
    auto* field = page->findChild<QLineEdit*>(focus);
    QCOMPARE(QApplication::focusWidget(), field);
    QCOMPARE(field->selectedText(), field->text());

    click(sheet.get(), "OK");
    QCOMPARE(questions_.messages.size(), std::size_t(2));
    QCOMPARE(questions_.messages.back(), message.toStdString());
    QVERIFY(sheet->isVisible());
    QCOMPARE(sheet->mob(), world_.mobs[2]); // nothing of the refused page was stored
}

void MobSheetTest::templateModeAcceptsWhatANewMobMayNot()
{
    auto sheet = openSheet(Mob(), true);
    QCOMPARE(findNamed<QLineEdit>(sheet->activePage(), "identifier")->text(), QString());
    clickTab(*sheet, "Damage");
    QWidget* damage = sheet->activePage();
    for (const char* name : {"damageCount", "damageSides", "damageBonus", "hitCount", "hitSides", "hitBonus"})
        type(findNamed<QLineEdit>(damage, name), qt("0"));
    clickTab(*sheet, "Position");
    QCOMPARE(currentTab(*sheet), qt("Position"));
    type(findNamed<QLineEdit>(sheet->activePage(), "experience"), qt("0"));
    click(sheet.get(), "OK");

    QVERIFY(questions_.messages.empty());
    QCOMPARE(sheet->result(), int(QDialog::Accepted));
    const Mob& mob = sheet->mob();
    QCOMPARE(mob.identifier, std::string());
    QCOMPARE(mob.damageDiceCount, 0);
    QCOMPARE(mob.hitBonus, 0);
    QCOMPARE(mob.experience, 0);

    // Numbers are still numbers in template mode.
    auto again = openSheet(Mob(), true);
    clickTab(*again, "Damage");
    type(findNamed<QLineEdit>(again->activePage(), "thaco"), qt("99"));
    click(again.get(), "OK");
    QCOMPARE(questions_.messages, std::vector<std::string>{"Please enter an integer between -10 and 20."});
    QVERIFY(again->isVisible());
}

void MobSheetTest::templateNameAlreadyOnTheShelfIsRefused()
{
    // Confirming would only have the library refuse the name and the template be lost.
    auto sheet = openSheet(Mob(), true);
    auto* identifier = findNamed<QLineEdit>(sheet->activePage(), "identifier");
    type(identifier, qt("A Blank Mob"));
    click(sheet.get(), "OK");
    QCOMPARE(questions_.messages,
             std::vector<std::string>{"A template with this name already exists.  Choose another."});
    QVERIFY(sheet->isVisible());
    QCOMPARE(QApplication::focusWidget(), identifier);

    type(identifier, qt("Baker"));
    click(sheet.get(), "OK");
    QCOMPARE(sheet->result(), int(QDialog::Accepted));
    QVERIFY(templates_->mobs().add(sheet->mob(), sheet->mob().identifier, questions_));
}

void MobSheetTest::everyPageWritesBackOnOk()
{
    auto sheet = openMob(2);
    QWidget* page = sheet->activePage();
    QCOMPARE(findNamed<QLineEdit>(page, "aliases")->text(), qt("baker fat"));
    QCOMPARE(findNamed<QPlainTextEdit>(page, "description")->toPlainText(), qt("He is covered in flour.\nHe smiles."));
    type(findNamed<QLineEdit>(page, "identifier"), qt("#3050 the baker"));
    type(findNamed<QLineEdit>(page, "aliases"), qt("baker thin"));
    type(findNamed<QLineEdit>(page, "shortDescription"), qt("the thin baker"));
    type(findNamed<QLineEdit>(page, "longDescription"), qt("A thin baker waits."));
    type(findNamed<QPlainTextEdit>(page, "description"), qt("Thin.\nTall."));

    clickTab(*sheet, "Damage");
    page = sheet->activePage();
    QCOMPARE(findNamed<QLineEdit>(page, "thaco")->text(), qt("15"));
    QVERIFY(findButton(page, qt("Three Attacks"))->isChecked());
    const std::pair<const char*, const char*> damage[] = {
        {"level", "12"},     {"thaco", "-4"},   {"damageCount", "2"}, {"damageSides", "8"}, {"damageBonus", "-1"},
        {"hitCount", "10"}, {"hitSides", "12"}, {"hitBonus", "100"},  {"armorClass", "-3"}};
    for (const auto& [name, value] : damage)
        type(findNamed<QLineEdit>(page, name), qt(value));
    tick(findButton(page, qt("Four Attacks")));

    clickTab(*sheet, "Position");
    page = sheet->activePage();
    QVERIFY(findNamed<QGroupBox>(page, "loadPosition")->findChildren<QRadioButton*>()[1]->isChecked());
    type(findNamed<QLineEdit>(page, "alignment"), qt("-1000"));
    type(findNamed<QLineEdit>(page, "gold"), qt("5"));
    type(findNamed<QLineEdit>(page, "experience"), qt("1234"));
    tick(findButton(findNamed<QGroupBox>(page, "loadPosition"), qt("Sleeping")));
    tick(findButton(findNamed<QGroupBox>(page, "defaultPosition"), qt("Standing")));
    tick(findButton(findNamed<QGroupBox>(page, "sex"), qt("Female")));

    clickTab(*sheet, "Extra Descriptions");
    page = sheet->activePage();
    type(findNamed<QLineEdit>(page, "keywords"), qt("hat"));
    type(findNamed<QPlainTextEdit>(page, "description"), qt("A tall hat."));
    click(page, "Add/Update Descrip");

    click(sheet.get(), "OK");
    QVERIFY(questions_.messages.empty());
    QCOMPARE(sheet->result(), int(QDialog::Accepted));

    Mob expected = world_.mobs[2];
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

void MobSheetTest::statisticsFollowTheRolls()
{
    auto sheet = openMob(2);
    clickTab(*sheet, "Damage");
    QWidget* page = sheet->activePage();
    auto* damageRange = findNamed<QLineEdit>(page, "damageRange");
    auto* damageAverage = findNamed<QLineEdit>(page, "damageAverage");
    auto* hitRange = findNamed<QLineEdit>(page, "hitRange");
    auto* hitAverage = findNamed<QLineEdit>(page, "hitAverage");
    QVERIFY(damageRange->isReadOnly() && hitAverage->isReadOnly());

    // The baker's own rolls: 1d6+2 with three attacks, 4d10+20.
    QCOMPARE(damageRange->text(), qt("3.0/24.0"));
    QCOMPARE(damageAverage->text(), qt("10.0"));
    QCOMPARE(hitRange->text(), qt("24.0/60.0"));
    QCOMPARE(hitAverage->text(), qt("40.0"));

    tick(findButton(page, qt("Two Attacks")));
    type(findNamed<QLineEdit>(page, "damageCount"), qt("2"));
    type(findNamed<QLineEdit>(page, "damageSides"), qt("4"));
    type(findNamed<QLineEdit>(page, "damageBonus"), qt("1"));
    QCOMPARE(damageRange->text(), qt("3.0/18.0"));
    QCOMPARE(damageAverage->text(), qt("7.5"));

    tick(findButton(page, qt("Four Attacks")));
    QCOMPARE(damageRange->text(), qt("3.0/36.0"));
    QCOMPARE(damageAverage->text(), qt("12.5"));

    type(findNamed<QLineEdit>(page, "hitCount"), qt("3"));
    type(findNamed<QLineEdit>(page, "hitSides"), qt("8"));
    type(findNamed<QLineEdit>(page, "hitBonus"), qt("-2"));
    QCOMPARE(hitRange->text(), qt("1.0/22.0"));
    QCOMPARE(hitAverage->text(), qt("10.0"));

    // An emptied field leaves the figures as they were until the roll is whole again.
    type(findNamed<QLineEdit>(page, "hitBonus"), QString());
    QCOMPARE(hitRange->text(), qt("1.0/22.0"));
    type(findNamed<QLineEdit>(page, "hitBonus"), qt("5"));
    QCOMPARE(hitRange->text(), qt("8.0/29.0"));
    QCOMPARE(hitAverage->text(), qt("17.0"));

    // Huge rolls do not wrap around.
    type(findNamed<QLineEdit>(page, "hitCount"), qt("100000"));
    type(findNamed<QLineEdit>(page, "hitSides"), qt("100000"));
    QCOMPARE(hitRange->text(), qt("100005.0/10000000005.0"));
}

void MobSheetTest::flagBoxesFollowTheTable()
{
    world_.mobs[2].flags.push_back("Flying"); // a name no box carries
    auto sheet = openMob(2);
    clickTab(*sheet, "Flags");
    QWidget* page = sheet->activePage();
    const QList<QCheckBox*> boxes = page->findChildren<QCheckBox*>();
    QCOMPARE(boxes.size(), 42);
    QCOMPARE(universe_.mobFlags.size(), std::size_t(22));
    for (int i = 0; i < boxes.size(); ++i) {
        QCheckBox* box = findNamed<QCheckBox>(page, QStringLiteral("flag%1").arg(i).toLatin1().constData());
        if (i < 22) {
            QVERIFY(box->isVisible());
            QVERIFY(box->isEnabled());
            QCOMPARE(box->text().toStdString(), universe_.mobFlags[std::size_t(i)].name);
        } else {
            QVERIFY(!box->isVisible());
            QVERIFY(!box->isChecked());
        }
    }
    QCOMPARE(visibleTexts(page).size(), 22);

    auto box = [&](const char* name) { return qobject_cast<QCheckBox*>(findButton(page, qt(name))); };
    QVERIFY(box("Sentinel")->isChecked());
    QVERIFY(box("Sanctuary")->isChecked());
    QVERIFY(!box("Aggressive")->isChecked());
    tick(box("Sanctuary"));
    tick(box("Hidden"));
    tick(box("Aggressive"));
    click(sheet.get(), "OK");
    // Box order, whatever order they were ticked in; the unknown name is not dropped unseen.
    QCOMPARE(sheet->mob().flags, (std::vector<std::string>{"Sentinel", "Aggressive", "Hidden", "Flying"}));
}

void MobSheetTest::specProcForm()
{
    auto sheet = openMob(2);
    clickTab(*sheet, "SpecProc");
    QWidget* page = sheet->activePage();
    auto* list = findNamed<QListWidget>(page, "specProcs");
    auto* name = findNamed<QComboBox>(page, "specProcName");
    auto* probability = findNamed<QLineEdit>(page, "probability");
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), qt("MOB_MAGE 100 0 0"));
    QCOMPARE(name->count(), int(universe_.mobSpecProcs.size()));
    QCOMPARE(probability->text(), qt("100"));
    QCOMPARE(findNamed<QLineEdit>(page, "specialNumber")->text(), qt("0"));

    click(page, "Add"); // no name chosen yet: nothing to add
    QCOMPARE(list->count(), 1);

    QVERIFY(choose(name, qt("CASTLE_GUARD")));
    click(page, "Add");
    QCOMPARE(list->item(1)->text(), qt("CASTLE_GUARD 100 0 0"));

    QVERIFY(choose(name, qt("MOB_CLERIC")));
    type(probability, qt("50"));
    tick(findNamed<QRadioButton>(page, "terminateYes"));
    type(findNamed<QLineEdit>(page, "specialNumber"), qt("7"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    click(page, "Update");
    QCOMPARE(list->item(0)->text(), qt("MOB_CLERIC 50 1 7"));

    type(probability, qt("101"));
    click(page, "Add");
    QCOMPARE(questions_.messages, std::vector<std::string>{"Please enter an integer between 0 and 100."});
    QCOMPARE(list->count(), 2);
    QCOMPARE(QApplication::focusWidget(), probability);

    // The wrong number is told again on leaving the page, which stays.
    clickTab(*sheet, "Speech");
    QCOMPARE(currentTab(*sheet), qt("SpecProc"));
    QCOMPARE(questions_.messages.size(), std::size_t(2));
    type(probability, qt("100"));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    click(page, "Remove");
    QCOMPARE(list->count(), 1);
    click(page, "Remove"); // nothing selected any more
    QCOMPARE(list->count(), 1);

    click(sheet.get(), "OK");
    QCOMPARE(sheet->result(), int(QDialog::Accepted));
    QCOMPARE(sheet->mob().specProcs, std::vector<std::string>{"MOB_CLERIC 50 1 7"});
}

void MobSheetTest::speechLines()
{
    auto sheet = openMob(2);
    clickTab(*sheet, "Speech");
    QWidget* page = sheet->activePage();
    auto* list = findNamed<QListWidget>(page, "speech");
    auto* text = findNamed<QLineEdit>(page, "speechText");
    auto* interval = findNamed<QLineEdit>(page, "speechInterval");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), qt("<LINE> Fresh bread, $n! <END_LINE>"));
    QCOMPARE(list->item(1)->text(), qt("<INTERVAL> 20"));

    click(page, "Add Text"); // empty: nothing
    type(text, qt("Buy a loaf, $n."));
    click(page, "Add Text");
    QCOMPARE(text->text(), QString());

    for (const char* nothing : {"", "0", "  "}) {
        type(interval, qt(nothing));
        click(page, "Add Interval");
    }
    QCOMPARE(list->count(), 3);
    QVERIFY(questions_.messages.empty());

    type(interval, qt("150"));
    click(page, "Add Interval");
    QCOMPARE(questions_.messages, std::vector<std::string>{"Please enter an integer between 0 and 100."});
    QCOMPARE(QApplication::focusWidget(), interval);
    type(interval, qt("-1"));
    click(page, "Add Interval");
    QCOMPARE(questions_.messages.size(), std::size_t(2));
    type(interval, qt("ten"));
    click(page, "Add Interval");
    QCOMPARE(questions_.messages.back(), std::string("Please enter an integer."));
    QCOMPARE(list->count(), 3);

    type(interval, qt("15"));
    click(page, "Add Interval");
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->item(3)->text(), qt("<INTERVAL> 15"));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    click(page, "Remove");
    QCOMPARE(sheet->mob().speech.size(), std::size_t(3)); // Remove writes the list at once

    click(sheet.get(), "OK");
    QCOMPARE(sheet->result(), int(QDialog::Accepted));
    QCOMPARE(sheet->mob().speech, (std::vector<std::string>{"<LINE> Fresh bread, $n! <END_LINE>\n",
                                                            "<LINE> Buy a loaf, $n. <END_LINE>\n",
                                                            "<INTERVAL> 15\n"}));
}

void MobSheetTest::copyMobKeepsTypedIdentifierAndOwnVnum()
{
    Mob fresh = templates_->mobs().current();
    fresh.vnum = -1;
    auto sheet = openSheet(fresh);
    QWidget* page = sheet->activePage();
    type(findNamed<QLineEdit>(page, "identifier"), qt("orc"));
    type(findNamed<QLineEdit>(page, "aliases"), qt("dropped"));

    // Cancelled: nothing changes.
    QString title;
    QStringList offered;
    onPickList([&](CPickList& form) {
        title = form.windowTitle();
        offered = shownTexts(&form);
        for (int i = 0; i < form.findChild<QListWidget*>()->count(); ++i)
            offered << form.findChild<QListWidget*>()->item(i)->text();
        form.reject();
    });
    click(page, "Copy Mob");
    QCOMPARE(title, qt("Select a mob to copy from"));
    QVERIFY(offered.contains(qt("Select one of the following mobs to copy from:")));
    QVERIFY(offered.contains(qt("Use")) && offered.contains(qt("Cancel")));
    for (const char* mob : {"baker", "guard", "guardian"})
        QVERIFY(offered.contains(qt(mob)));
    QCOMPARE(findNamed<QLineEdit>(page, "aliases")->text(), qt("dropped"));

    onPickList([](CPickList& form) { pickEntry(form, qt("baker")); });
    click(page, "Copy Mob");
    QCOMPARE(findNamed<QLineEdit>(page, "identifier")->text(), qt("orc"));
    QCOMPARE(findNamed<QLineEdit>(page, "aliases")->text(), qt("baker fat"));
    click(sheet.get(), "OK");
    QCOMPARE(sheet->result(), int(QDialog::Accepted));

    Mob expected = world_.mobs[2];
    expected.identifier = "orc";
    expected.vnum = -1; // two mobs under one vnum would be written twice under that number
    QCOMPARE(sheet->mob(), expected);
}

void MobSheetTest::useTemplateCopiesContent()
{
    Mob shopkeeper = world_.mobs[2];
    shopkeeper.speech.clear();
    QVERIFY(templates_->mobs().add(shopkeeper, "Shopkeeper", questions_));

    auto sheet = openMob(1); // "guard", vnum 3002
    QWidget* page = sheet->activePage();
    type(findNamed<QLineEdit>(page, "identifier"), qt("watchman"));
    QString title;
    QString prompt;
    onPickList([&](CPickList& form) {
        title = form.windowTitle();
        for (QLabel* label : form.findChildren<QLabel*>())
            prompt += label->text();
        pickEntry(form, qt("Shopkeeper"));
    });
    click(page, "Use Template");
    QCOMPARE(title, qt("Select a mob template to use"));
    QCOMPARE(prompt, qt("Select one of the following mob templates to use:"));
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

void MobSheetTest::formatRewrapsOnlyTheDescription()
{
    auto sheet = openMob(2);
    QWidget* page = sheet->activePage();
    auto* description = findNamed<QPlainTextEdit>(page, "description");
    type(findNamed<QLineEdit>(page, "aliases"), qt("baker tall"));
    const QString words = qt("The baker is a big man with strong arms and a wide smile, and his apron is dusted "
                             "with flour from the morning's work.");
    type(description, words);
    questions_.queueAnswer(true);  // go on
    questions_.queueAnswer(false); // line breaks need not be kept
    click(page, "Format-60");
    QCOMPARE(questions_.questions.size(), std::size_t(2));
    QCOMPARE(QApplication::focusWidget(), description);
    const QStringList lines = description->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lines.size() >= 2);
    for (const QString& line : lines)
        QVERIFY2(line.size() <= 60, qPrintable(line));
    QCOMPARE(lines.join(QLatin1Char(' ')).simplified(), words);
    QCOMPARE(findNamed<QLineEdit>(page, "aliases")->text(), qt("baker tall"));
}

void MobSheetTest::helpWindowOnF1()
{
    auto sheet = openMob(2);
    clickTab(*sheet, "Damage");
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : sheet.get(), Qt::Key_F1);
    QVERIFY(COnlineHelp::window() == nullptr || !COnlineHelp::window()->isVisible());

    clickTab(*sheet, "Description");
    auto* identifier = findNamed<QLineEdit>(sheet->activePage(), "identifier");
    identifier->setFocus();
    QTest::keyClick(identifier, Qt::Key_F1);
    COnlineHelp* help = COnlineHelp::window();
    QVERIFY(help != nullptr);
    QVERIFY(help->isVisible());
    QCOMPARE(help->windowTitle(), qt("Tarnholt Online Help"));
    auto* text = help->findChild<QPlainTextEdit*>();
    QVERIFY(text->isReadOnly());
    for (const char* needed : {"Identifier", "never written", "exits", "loads", "Name/Alias List", "any one"})
        QVERIFY2(help->text().contains(qt(needed)), needed);
    QVERIFY(sheet->isVisible()); // the editor goes on

    help->close();
    QVERIFY(!help->isVisible());
    QCOMPARE(COnlineHelp::window(), help); // hidden, not destroyed
    sheet->activateWindow();
    QTest::keyClick(identifier, Qt::Key_F1);
    QCOMPARE(COnlineHelp::window(), help);
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

    world_.mobs[1].identifier = from.toStdString();
    if (duplicate)
        world_.mobs.push_back(makeMob("guard", 0));
    Room room;
    room.identifier = "gate";
    room.loads.resize(1);
    room.loads[0].task = LoadAction::LoadMob;
    room.loads[0].mob = from.toStdString();
    world_.rooms.push_back(room);
    Shop shop;
    shop.keeper = from.toStdString();
    shop.room = "gate";
    world_.shops.push_back(shop);

    Mob edited = world_.mobs[1];
    edited.identifier = to.toStdString();
    edited.gold = 99;
    QVERIFY(applyMobEdit(world_, 1, edited));
    QCOMPARE(world_.mobs[1], edited);
    QCOMPARE(world_.rooms[0].loads[0].mob, reference.toStdString());
    QCOMPARE(world_.shops[0].keeper, reference.toStdString());
    QCOMPARE(world_.mobs[0].identifier, std::string("guardian"));
    if (duplicate)
        QCOMPARE(world_.mobs.back().identifier, std::string("guard"));

    const World before = world_;
    QVERIFY(!applyMobEdit(world_, world_.mobs.size(), edited));
    QCOMPARE(world_.mobs, before.mobs);
    appendMob(world_, edited);
    QCOMPARE(world_.mobs.back(), edited);
}

QTEST_MAIN(MobSheetTest)
#include "MobSheetTest.moc"
