// The drop-down fillers and the pick list.

#include <QComboBox>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include "app/Questions.h"
#include "editor/rooms/FormDriver.h"
#include "universe/ComboFill.h"
#include "universe/CPickList.h"
#include "world/World.h"

using namespace tarnholt;
using namespace tarnholt::testing;

class ListFormsTest : public QObject {
    Q_OBJECT

private slots:
    void fillSelectsEqualEntryFirst_data();
    void fillSelectsEqualEntryFirst();
    void fillKeepsUnknownReference();
    void keyListHoldsOnlyKeys();

    void pickListOrderAndUse();
    void pickListRefusesUseWithoutSelection();
    void pickListDoubleClickChooses();
    void pickListCancelGivesNothing();
};

void ListFormsTest::fillSelectsEqualEntryFirst_data()
{
    QTest::addColumn<QStringList>("source");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("shown");

    QTest::newRow("equal entry after a longer one") << QStringList{qt("guardian"), qt("guard")} << qt("guard") << qt("guard");
    QTest::newRow("equal entry first") << QStringList{qt("guard"), qt("guardian")} << qt("guard") << qt("guard");
    QTest::newRow("case differs: equal wins") << QStringList{qt("Guard"), qt("guard")} << qt("guard") << qt("guard");
    QTest::newRow("no equal: prefix ignoring case") << QStringList{qt("Smith"), qt("Guardian"), qt("guards")} << qt("guard")
                                                    << qt("Guardian");
    QTest::newRow("empty value: the empty entry") << QStringList{qt("guard")} << QString() << QString();
}

void ListFormsTest::fillSelectsEqualEntryFirst()
{
    QFETCH(QStringList, source);
    QFETCH(QString, current);
    QFETCH(QString, shown);

    World world;
    for (const QString& identifier : source) {
        Mob mob;
        mob.identifier = identifier.toStdString();
        world.mobs.push_back(mob);
    }
    QComboBox combo;
    ComboFill::mobs(&combo, world, current.toStdString());

    QStringList expected{QString()};
    expected << source;
    QCOMPARE(entries(&combo), expected);
    QCOMPARE(combo.currentText(), shown);
    QCOMPARE(ComboFill::chosen(&combo), shown.toStdString());
}

void ListFormsTest::fillKeepsUnknownReference()
{
    // A reference to a room outside the zone (or one deleted) must survive a page that only shows it.
    World world;
    Room room;
    room.identifier = "hall";
    world.rooms.push_back(room);
    QComboBox combo;
    ComboFill::rooms(&combo, world, "#3050 the gate");

    QCOMPARE(entries(&combo), (QStringList{QString(), qt("hall"), qt("#3050 the gate")}));
    QCOMPARE(ComboFill::chosen(&combo), std::string("#3050 the gate"));

    // Filling again with a known value does not carry the old extra entry along.
    ComboFill::rooms(&combo, world, "hall");
    QCOMPARE(entries(&combo), (QStringList{QString(), qt("hall")}));
}

void ListFormsTest::keyListHoldsOnlyKeys()
{
    World world;
    for (const auto& [identifier, type] : {std::pair{"brass key", "Key"}, std::pair{"torch", "Light"},
                                           std::pair{"iron key", "Key"}}) {
        Item item;
        item.identifier = identifier;
        item.itemType = type;
        world.items.push_back(item);
    }
    QComboBox combo;
    ComboFill::keys(&combo, world, "iron key");
    QCOMPARE(entries(&combo), (QStringList{QString(), qt("brass key"), qt("iron key")}));
    QCOMPARE(combo.currentIndex(), 2);

    ComboFill::items(&combo, world, "");
    QCOMPARE(combo.count(), 4);
    QCOMPARE(combo.currentIndex(), 0);
}

void ListFormsTest::pickListOrderAndUse()
{
    ScriptedQuestions questions;
    CPickList form(questions);
    QCOMPARE(form.windowTitle(), qt("Select an item to copy from"));
    QVERIFY(shownTexts(&form).contains(qt("Copy from the following selected item:")));

    form.setTitle("Select a room to copy from");
    form.setPrompt("Select one of the following rooms to copy from:");
    form.setEntries({"temple", "Altar", "bridge", "#3001"});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    auto* list = form.findChild<QListWidget*>();
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    QCOMPARE(shown, (QStringList{qt("#3001"), qt("Altar"), qt("bridge"), qt("temple")}));
    QCOMPARE(form.windowTitle(), qt("Select a room to copy from"));
    QVERIFY(shownTexts(&form).contains(qt("Select one of the following rooms to copy from:")));
    QVERIFY(findButton(&form, qt("Cancel")) != nullptr);

    pickEntry(form, qt("bridge"));
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.choice(), std::optional<std::string>("bridge"));
    QVERIFY(questions.messages.empty());
}

void ListFormsTest::pickListRefusesUseWithoutSelection()
{
    // Also with nothing to offer: the form can then only be cancelled.
    for (const std::vector<std::string>& offered : {std::vector<std::string>{"a", "b"}, std::vector<std::string>{}}) {
        ScriptedQuestions questions;
        CPickList form(questions);
        form.setEntries(offered);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QSignalSpy finished(&form, &QDialog::finished);

        click(&form, "Use");
        QCOMPARE(questions.messages, std::vector<std::string>{"You must select an entry before exiting."});
        QVERIFY(form.isVisible());
        QCOMPARE(finished.count(), 0);

        click(&form, "Cancel");
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(!form.choice().has_value());
    }
}

void ListFormsTest::pickListDoubleClickChooses()
{
    ScriptedQuestions questions;
    CPickList form(questions);
    form.setEntries({"kitchen", "cellar"});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* list = form.findChild<QListWidget*>();
    const QRect rect = list->visualItemRect(list->findItems(qt("kitchen"), Qt::MatchExactly).front());
    // A double click reaches the list as a click followed by the double-click event.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.choice(), std::optional<std::string>("kitchen"));
}

void ListFormsTest::pickListCancelGivesNothing()
{
    ScriptedQuestions questions;
    onPickList([](CPickList& form) {
        auto* list = form.findChild<QListWidget*>();
        list->setCurrentRow(0);
        QTest::mouseClick(findButton(&form, qt("Cancel")), Qt::LeftButton);
    });
    QVERIFY(!CPickList::pick(nullptr, questions, "t", "p", {"one"}).has_value());

    onPickList([](CPickList& form) { pickEntry(form, qt("two")); });
    QCOMPARE(CPickList::pick(nullptr, questions, "t", "p", {"one", "two"}), std::optional<std::string>("two"));
}

QTEST_MAIN(ListFormsTest)
#include "ListFormsTest.moc"
