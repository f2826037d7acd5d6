// The mob editor driven as a builder uses it, and its copy written back into the World.

#include <QRadioButton>
#include <QTest>

#include "editor/rooms/FormDriver.h"
#include "generate/LoadAction.h"
#include "mobs/COnlineHelp.h"
#include "mobs/MobEdit.h"

using namespace tarnholt;
using namespace tarnholt::testing;

namespace {

QStringList words(const char* texts) { return qt(texts).split(QLatin1Char('|')); }

/// Types each "field=value" into the line edit of that name.
void typeAll(QWidget* page, const QStringList& typing)
{
    for (const QString& assignment : typing)
        type(page, qPrintable(assignment.section(QLatin1Char('='), 0, 0)),
             qPrintable(assignment.section(QLatin1Char('='), 1)));
}

} // namespace

class MobSheetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CMobSheet> baker(bool templateMode = false) { return f_->mob(f_->world.mobs[2], templateMode); }

    std::unique_ptr<Editors> f_;

private slots:
    void init() { f_ = std::make_unique<Editors>(); }

    void tabsInBothModes()
    {
        for (bool templateMode : {false, true}) {
            auto sheet = baker(templateMode);
            QCOMPARE(tabTitles(*sheet), words("Description|Damage|Position|Flags|Extra Descriptions|SpecProc|Speech"));
            QCOMPARE(currentTab(*sheet), qt("Description"));
        }
    }

    void everyPageShowsItsTexts_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QStringList>("texts"); // everything the page reads, and nothing else

        auto row = [](const char* tab, const QStringList& texts) { QTest::newRow(tab) << qt(tab) << texts; };
        row("Description", words("Mob Identifier:|Name/Alias List:|Short Description:|Long Description:|Description:|"
                                 "Copy Mob|Use Template|Format-60|Format-80"));
        row("Damage", words("Level:|Thac0 (chance to hit):|(20: worst, -10: best)|Damage:|d|+|Hit Points:|d|+|"
                            "Armor Class:|(10: worst, -10: best)|Number of Attacks|One Attack|Two Attacks|Three Attacks|"
                            "Four Attacks|Min/Max Damage Done:|Average Damage Done:|Min/Max Hit Points:|"
                            "Average Hit Points:"));
        row("Position", words("Alignment:|Gold:|Experience:|Load Position|Standing|Sitting|Resting|Sleeping|"
                              "Default Position|Standing|Sitting|Resting|Sleeping|Monster's Sex|Neuter|Male|Female"));
        row("Flags", namesOf(Universe().mobFlags)); // 22 of the 42 boxes
        row("SpecProc", words("Special Procs this mob will execute:|Add Special Proc:|Probability:|"
                              "Terminate if proc successful:|No|Yes|Special Number:|Add|Update|Remove"));
        row("Speech", words("Mob Speech Strings ($n indicates player name):|Add Text:|Add Text|Add Interval:|"
                            "Add Interval|Remove"));
    }

    void everyPageShowsItsTexts()
    {
        QFETCH(QString, tab);
        QFETCH(QStringList, texts);
        checkPageTexts(*baker(), tab, texts);
    }

    void pageChecks_data()
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
        row("hit points 4d0+0", false, "Damage", "hitSides=0 hitBonus=0", noHits, "hitCount");
        row("no damage is told before no hit points", false, "Damage", "hitCount=0 hitBonus=0 damageSides=0 damageBonus=0",
            noDamage, "damageCount");
        row("thac0 21", false, "Damage", "thaco=21", thac0Range, "thaco");
        row("thac0 -10", false, "Damage", "thaco=-10", {}, "");
        row("number told before the equation", false, "Damage", "damageCount=0 damageBonus=0 armorClass=",
            qt("Please enter an integer."), "armorClass");
        row("experience 0", false, "Position", "experience=0",
            qt("The experience this mob gives is set to zero.  Mobs must give experience."), "experience");
        // A template may leave the rolls and the experience at zero, but its numbers are still checked.
        row("template: no rolls", true, "Damage", zeroRolls, {}, "");
        row("template: experience 0", true, "Position", "experience=0", {}, "");
        row("template: thac0 99", true, "Damage", "thaco=99", thac0Range, "thaco");
    }

    void pageChecks()
    {
        QFETCH(bool, templateMode);
        QFETCH(QString, tab);
        QFETCH(QStringList, typing);
        QFETCH(QString, message);
        QFETCH(QString, focus);

        auto sheet = baker(templateMode);
        clickTab(*sheet, tab);
        QWidget* page = sheet->activePage();
        typeAll(page, typing);
        clickTab(*sheet, "Flags");
        if (message.isEmpty()) {
            QVERIFY(f_->questions.messages.empty());
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

    void everyPageWritesBackOnOk()
    {
        auto sheet = baker();
        QWidget* page = sheet->activePage();
        QCOMPARE(findNamed<QPlainTextEdit>(page, "description")->toPlainText(), qt("He is covered in flour.\nHe smiles."));
        typeAll(page, words("identifier=#3050 the baker|aliases=baker thin|shortDescription=the thin baker|"
                            "longDescription=A thin baker waits."));
        type(findNamed<QPlainTextEdit>(page, "description"), qt("Thin.\nTall."));
        clickTab(*sheet, "Damage");
        QVERIFY(findButton(sheet->activePage(), qt("Three Attacks"))->isChecked());
        typeAll(sheet->activePage(), words("level=12|thaco=-4|damageCount=2|damageSides=8|damageBonus=-1|hitCount=10|"
                                           "hitSides=12|hitBonus=100|armorClass=-3"));
        click(sheet->activePage(), "Four Attacks");
        clickTab(*sheet, "Position");
        page = sheet->activePage();
        QVERIFY(findNamed<QGroupBox>(page, "loadPosition")->findChildren<QRadioButton*>()[1]->isChecked());
        typeAll(page, words("alignment=-1000|gold=5|experience=1234"));
        click(findNamed<QGroupBox>(page, "loadPosition"), "Sleeping");
        click(findNamed<QGroupBox>(page, "defaultPosition"), "Standing");
        click(page, "Female");
        clickTab(*sheet, "Extra Descriptions");
        type(sheet->activePage(), "keywords", "hat");
        type(findNamed<QPlainTextEdit>(sheet->activePage(), "description"), qt("A tall hat."));
        click(sheet->activePage(), "Add/Update Descrip");
        click(sheet.get(), "OK");
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

    void statisticsFollowTheRolls()
    {
        struct Row {
            const char *attacks, *typing, *figures; // figures: damage range and average, hit point range and average
        };
        // The baker's own rolls: 1d6+2 with three attacks, 4d10+20. Huge rolls do not wrap around.
        for (const Row& row : {Row{"", "", "3.0/24.0 10.0 24.0/60.0 40.0"},
                               Row{"Two Attacks", "damageCount=2|damageSides=4|damageBonus=1", "3.0/18.0 7.5 24.0/60.0 40.0"},
                               Row{"", "hitCount=3|hitSides=8|hitBonus=-2", "3.0/24.0 10.0 1.0/22.0 10.0"},
                               Row{"", "hitCount=100000|hitSides=100000|hitBonus=5",
                                   "3.0/24.0 10.0 100005.0/10000000005.0 5000000005.0"}}) {
            auto sheet = baker();
            clickTab(*sheet, "Damage");
            QWidget* page = sheet->activePage();
            if (*row.attacks)
                click(page, row.attacks);
            typeAll(page, qt(row.typing).split(QLatin1Char('|'), Qt::SkipEmptyParts));
            for (int pass = 0; pass < 2; ++pass) {
                QStringList shown;
                for (const char* name : {"damageRange", "damageAverage", "hitRange", "hitAverage"}) {
                    auto* figure = findNamed<QLineEdit>(page, name);
                    shown << (figure->isReadOnly() ? figure->text() : qt("an editable field"));
                }
                QCOMPARE(shown.join(QLatin1Char(' ')), qt(row.figures));
                // An emptied field leaves the figures as they were until the roll is whole again.
                typeAll(page, words("hitBonus=|damageSides="));
            }
        }
    }

    void flagBoxesFollowTheTable()
    {
        f_->world.mobs[2].flags.push_back("Flying"); // a name no box carries
        auto sheet = baker();
        clickTab(*sheet, "Flags");
        QWidget* page = sheet->activePage();
        QVERIFY(findButton(page, qt("Sentinel"))->isChecked());
        for (const char* name : {"Sanctuary", "Hidden", "Aggressive"})
            click(page, name);
        click(sheet.get(), "OK");
        // Box order, whatever order they were ticked in; the unknown name is not dropped unseen.
        QCOMPARE(sheet->mob().flags, (std::vector<std::string>{"Sentinel", "Aggressive", "Hidden", "Flying"}));
    }

    void speechLines()
    {
        auto sheet = baker();
        clickTab(*sheet, "Speech");
        QWidget* page = sheet->activePage();
        auto* list = findNamed<QListWidget>(page, "speech");
        auto* interval = findNamed<QLineEdit>(page, "speechInterval");
        QCOMPARE(listEntries(list), words("<LINE> Fresh bread, $n! <END_LINE>|<INTERVAL> 20"));

        click(page, "Add Text"); // empty: nothing
        type(page, "speechText", "Buy a loaf, $n.");
        click(page, "Add Text");
        QCOMPARE(findNamed<QLineEdit>(page, "speechText")->text(), QString());
        for (const char* typed : {"", "0", "  ", "150", "ten", "15"}) { // nothing, nothing, nothing, refused...
            type(interval, qt(typed));
            click(page, "Add Interval");
        }
        QCOMPARE(f_->questions.messages, (std::vector<std::string>{"Please enter an integer between 0 and 100.",
                                                                    "Please enter an integer."}));
        QCOMPARE(list->count(), 4);

        selectRow(list, 1);
        click(page, "Remove");
        QCOMPARE(sheet->mob().speech.size(), std::size_t(3)); // Remove writes the list at once
        click(sheet.get(), "OK");
        QCOMPARE(sheet->mob().speech, (std::vector<std::string>{"<LINE> Fresh bread, $n! <END_LINE>\n",
                                                                "<LINE> Buy a loaf, $n. <END_LINE>\n",
                                                                "<INTERVAL> 15\n"}));
    }

    void copyMobKeepsTypedIdentifierAndOwnVnum()
    {
        auto sheet = f_->mob(makeMob("", -1));
        QWidget* page = sheet->activePage();
        type(page, "identifier", "orc");
        type(page, "aliases", "dropped");
        PickListSeen seen;
        pickFromNext(seen, QString()); // cancelled: nothing changes
        click(page, "Copy Mob");
        QCOMPARE(seen.title, qt("Select a mob to copy from"));
        QCOMPARE(seen.texts, words("Cancel|Select one of the following mobs to copy from:|Use"));
        QCOMPARE(seen.offered, words("baker|guard|guardian"));
        QCOMPARE(findNamed<QLineEdit>(page, "aliases")->text(), qt("dropped"));

        pickFromNext(seen, qt("baker"));
        click(page, "Copy Mob");
        QCOMPARE(findNamed<QLineEdit>(page, "identifier")->text(), qt("orc"));
        click(sheet.get(), "OK");
        Mob expected = f_->world.mobs[2];
        expected.identifier = "orc";
        expected.vnum = -1; // two mobs under one vnum would be written twice under that number
        QCOMPARE(sheet->mob(), expected);
    }

    void useTemplateCopiesContent()
    {
        Mob shopkeeper = f_->world.mobs[2];
        shopkeeper.speech.clear();
        QVERIFY(f_->templates.mobs().add(shopkeeper, "Shopkeeper", f_->questions));

        auto sheet = f_->mob(f_->world.mobs[1]); // "guard", vnum 3002
        type(sheet->activePage(), "identifier", "watchman");
        PickListSeen seen = pickThrough(sheet->activePage(), "Use Template", qt("Shopkeeper"));
        QVERIFY(seen.asks(qt("Select a mob template to use"), qt("Select one of the following mob templates to use:")));
        clickTab(*sheet, "Speech");
        QCOMPARE(findNamed<QListWidget>(sheet->activePage(), "speech")->count(), 0);
        click(sheet.get(), "OK");
        Mob expected = shopkeeper;
        expected.identifier = "watchman";
        expected.vnum = 3002;
        QCOMPARE(sheet->mob(), expected);
    }

    void helpWindowOnF1()
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
        for (const char* needed : {"Identifier", "never written", "Name/Alias List"})
            QVERIFY2(help->text().contains(qt(needed)), needed);

        help->close();
        sheet->activateWindow();
        QTest::keyClick(identifier, Qt::Key_F1);
        QCOMPARE(COnlineHelp::window(), help); // hidden, not destroyed, and shown again
        QVERIFY(help->isVisible());
        help->close();
    }

    void applyMobEditRenames()
    {
        struct Row {
            const char *from, *to;
            bool duplicate;
            const char* reference; // what the load and the shop name afterwards
        };
        // Named at last: no empty reference follows. Another mob keeps the old name: so do the references.
        for (const Row& row : {Row{"guard", "watchman", false, "watchman"}, Row{"", "watchman", false, ""},
                               Row{"guard", "watchman", true, "guard"}}) {
            f_ = std::make_unique<Editors>();
            World& world = f_->world;
            world.mobs[1].identifier = row.from;
            if (row.duplicate)
                world.mobs.push_back(makeMob("guard", 0));
            world.rooms[1].loads[0].mob = row.from;
            world.shops.resize(1);
            world.shops[0].keeper = row.from;

            Mob edited = world.mobs[1];
            edited.identifier = row.to;
            edited.gold = 99;
            QVERIFY(applyMobEdit(world, 1, edited));
            QCOMPARE(world.mobs[1], edited);
            QCOMPARE(world.rooms[1].loads[0].mob + "|" + world.shops[0].keeper, std::string(row.reference) + "|" + row.reference);
            QCOMPARE(world.mobs.back().identifier, std::string(row.duplicate ? "guard" : "baker"));
            QVERIFY(!applyMobEdit(world, world.mobs.size(), edited));
        }
    }
};

QTEST_MAIN(MobSheetTest)
#include "MobSheetTest.moc"
