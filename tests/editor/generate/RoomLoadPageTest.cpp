// The "Attach" page: its tree of loads, its fields and buttons, and the load clipboard.

#include <QTreeWidget>
#include <QTest>

#include "app/CText.h"
#include "app/Questions.h"
#include "editor/rooms/FormDriver.h"
#include "generate/CRoomLoadPage.h"
#include "universe/Universe.h"
#include "world/World.h"

using namespace tarnholt;
using namespace tarnholt::testing;

Q_DECLARE_METATYPE(std::vector<tarnholt::LoadAction>)

namespace {

LoadAction load(int task, int condition, const char* reference = "x")
{
    LoadAction action;
    action.task = task;
    action.condition = condition;
    (task == LoadAction::LoadMob ? action.mob : action.item) = reference;
    return action;
}

/// The tree as text: each node's load index, its children in brackets, siblings after commas.
QString shape(const QTreeWidget* tree)
{
    std::function<QString(QTreeWidgetItem*)> node = [&](QTreeWidgetItem* item) {
        QString text = QString::number(item->data(0, Qt::UserRole).toInt());
        if (item->childCount() > 0) {
            QStringList children;
            for (int i = 0; i < item->childCount(); ++i)
                children << node(item->child(i));
            text += QLatin1Char('[') + children.join(QLatin1Char(',')) + QLatin1Char(']');
        }
        return text;
    };
    QStringList top;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        top << node(tree->topLevelItem(i));
    return top.join(QLatin1Char(','));
}

} // namespace

class RoomLoadPageTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void treeShapes_data();
    void treeShapes();
    void newLoadStartsOnDoAlwaysAndEnablesByAction_data();
    void newLoadStartsOnDoAlwaysAndEnablesByAction();
    void addBuildsTheTreeAsTyped();
    void zeroAndNonNumbersAreRefused_data();
    void zeroAndNonNumbersAreRefused();
    void addInsertsAfterTheCurrentLoad();
    void updateChangesTheCurrentLoad();
    void deleteMovesTheCurrentLoad();
    void copyInOneRoomPasteInAnother();
    void fieldsShowTheExactReference();
    void unknownTaskAndConditionShowNothing();

private:
    std::unique_ptr<CRoomLoadPage> openPage(Room& room);
    QTreeWidget* tree(CRoomLoadPage& page) { return findNamed<QTreeWidget>(&page, "loads"); }
    void clickNode(CRoomLoadPage& page, int index);

    World world_;
    Universe universe_;
    ScriptedQuestions questions_;
    Room room_;
};

void RoomLoadPageTest::init()
{
    CRoomLoadPage::clearClipboard();
    world_ = World();
    for (const char* identifier : {"guardian", "guard"}) {
        Mob mob;
        mob.identifier = identifier;
        world_.mobs.push_back(mob);
    }
    for (const char* identifier : {"sword", "chest"}) {
        Item item;
        item.identifier = identifier;
        world_.items.push_back(item);
    }
    room_ = Room();
    room_.identifier = "armoury";
    questions_ = ScriptedQuestions();
}

std::unique_ptr<CRoomLoadPage> RoomLoadPageTest::openPage(Room& room)
{
    auto page = std::make_unique<CRoomLoadPage>(room, world_, universe_, questions_);
    page->show();
    if (!QTest::qWaitForWindowActive(page.get()))
        qWarning("the page did not become the active window");
    page->activate();
    return page;
}

void RoomLoadPageTest::clickNode(CRoomLoadPage& page, int index)
{
    QTreeWidget* view = tree(page);
    QTreeWidgetItemIterator it(view);
    for (; *it != nullptr; ++it) {
        if ((*it)->data(0, Qt::UserRole).toInt() == index)
            break;
    }
    QVERIFY(*it != nullptr);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(*it).center());
    QCOMPARE(page.currentLoad(), index);
}

void RoomLoadPageTest::treeShapes_data()
{
    QTest::addColumn<std::vector<LoadAction>>("loads");
    QTest::addColumn<QString>("expected");

    using L = LoadAction;
    QTest::newRow("give after a mob, on success") << std::vector{load(L::LoadMob, 0), load(L::GiveItem, 1)} << qt("0[1]");
    QTest::newRow("last-mob condition after an item under the mob")
        << std::vector{load(L::LoadMob, 0), load(L::GiveItem, 1), load(L::EquipItem, 3)} << qt("0[1,2]");
    QTest::newRow("last-action chain") << std::vector{load(L::LoadMob, 0), load(L::GiveItem, 1), load(L::PutItem, 2)}
                                       << qt("0[1[2]]");
    QTest::newRow("the latest mob") << std::vector{load(L::LoadMob, 0), load(L::LoadMob, 0), load(L::GiveItem, 4)}
                                    << qt("0,1[2]");
    QTest::newRow("no mob yet") << std::vector{load(L::LoadItem, 5), load(L::LoadItem, 1)} << qt("0[1]");
    QTest::newRow("first load under nothing") << std::vector{load(L::LoadItem, 2)} << qt("0");
    QTest::newRow("mob failed, after an item at the top")
        << std::vector{load(L::LoadMob, 0), load(L::LoadItem, 0), load(L::GiveItem, 4)} << qt("0[2],1");
    QTest::newRow("unknown condition beside the previous one")
        << std::vector{load(L::LoadMob, 0), load(L::GiveItem, 1), load(L::GiveItem, 9), load(L::LoadItem, -1)}
        << qt("0[1,2,3]");
}

void RoomLoadPageTest::treeShapes()
{
    QFETCH(std::vector<LoadAction>, loads);
    QFETCH(QString, expected);
    room_.loads = loads;
    auto page = openPage(room_);
    QCOMPARE(shape(tree(*page)), expected);
    QCOMPARE(page->currentLoad(), 0);
    QCOMPARE(tree(*page)->topLevelItem(0)->text(0), CText::toQt(loads[0].label()));
}

void RoomLoadPageTest::newLoadStartsOnDoAlwaysAndEnablesByAction_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("enabled"); // of Mob, Item, Equip Pos, Object
    QTest::addColumn<QStringList>("choices"); // list name = entry, in order; Add enabled only after the last

    QTest::newRow("Load Mob") << qt("Load Mob") << QStringList{qt("mob")} << QStringList{qt("mob=guard")};
    QTest::newRow("Load Item") << qt("Load Item") << QStringList{qt("item")} << QStringList{qt("item=sword")};
    QTest::newRow("Give") << qt("Load Item and Give to Last Mob") << QStringList{qt("item")}
                          << QStringList{qt("item=sword")};
    QTest::newRow("Equip") << qt("Load Item and Equip on Last Mob") << QStringList{qt("item"), qt("equipPosition")}
                           << QStringList{qt("item=sword"), qt("equipPosition=Wielded")};
    QTest::newRow("Put") << qt("Load Item and Put in Object") << QStringList{qt("item"), qt("container")}
                         << QStringList{qt("container=chest"), qt("item=sword")};
}

void RoomLoadPageTest::newLoadStartsOnDoAlwaysAndEnablesByAction()
{
    QFETCH(QString, action);
    QFETCH(QStringList, enabled);
    QFETCH(QStringList, choices);

    auto page = openPage(room_);
    auto* add = findButton(page.get(), qt("Add to Load"));
    QCOMPARE(findNamed<QComboBox>(page.get(), "condition")->currentText(), qt("Do Always"));
    QCOMPARE(findNamed<QComboBox>(page.get(), "action")->currentIndex(), -1);
    QCOMPARE(findNamed<QLineEdit>(page.get(), "probability")->text(), qt("100"));
    QCOMPARE(findNamed<QLineEdit>(page.get(), "maxLoad")->text(), qt("1"));
    QVERIFY(!add->isEnabled());
    QVERIFY(!findButton(page.get(), qt("Paste Loads"))->isEnabled());
    for (const char* name : {"mob", "item", "equipPosition", "container"})
        QVERIFY2(!findNamed<QComboBox>(page.get(), name)->isEnabled(), name);

    QVERIFY(choose(findNamed<QComboBox>(page.get(), "action"), action));
    for (const char* name : {"mob", "item", "equipPosition", "container"})
        QCOMPARE(findNamed<QComboBox>(page.get(), name)->isEnabled(), enabled.contains(qt(name)));
    for (const QString& choice : choices) {
        QVERIFY(!add->isEnabled());
        const QStringList parts = choice.split(QLatin1Char('='));
        QVERIFY(choose(findNamed<QComboBox>(page.get(), parts[0].toLatin1().constData()), parts[1]));
    }
    QVERIFY(add->isEnabled());
}

void RoomLoadPageTest::addBuildsTheTreeAsTyped()
{
    auto page = openPage(room_);
    QVERIFY(choose(findNamed<QComboBox>(page.get(), "action"), qt("Load Mob")));
    QVERIFY(choose(findNamed<QComboBox>(page.get(), "mob"), qt("guard")));
    type(findNamed<QLineEdit>(page.get(), "comment"), qt("the gate guard"));
    click(page.get(), "Add to Load");

    QVERIFY(choose(findNamed<QComboBox>(page.get(), "action"), qt("Load Item and Equip on Last Mob")));
    QVERIFY(choose(findNamed<QComboBox>(page.get(), "condition"), qt("Do if last Mob loaded")));
    QVERIFY(choose(findNamed<QComboBox>(page.get(), "item"), qt("sword")));
    QVERIFY(choose(findNamed<QComboBox>(page.get(), "equipPosition"), qt("Wielded")));
    type(findNamed<QLineEdit>(page.get(), "probability"), qt("50"));
    click(page.get(), "Add to Load");

    QCOMPARE(shape(tree(*page)), qt("0[1]"));
    QCOMPARE(tree(*page)->topLevelItem(0)->text(0), qt("Load Mob guard, 100%, Max 1"));
    QCOMPARE(tree(*page)->topLevelItem(0)->child(0)->text(0), qt("Load and Equip Item sword at Wielded, 50%, Max 1"));
    QCOMPARE(tree(*page)->currentItem(), tree(*page)->topLevelItem(0)->child(0));
    QCOMPARE(page->currentLoad(), 1);

    QCOMPARE(room_.loads.size(), std::size_t(2));
    const LoadAction& mob = room_.loads[0];
    QCOMPARE(mob.task, 0);
    QCOMPARE(mob.condition, 0);
    QCOMPARE(mob.mob, std::string("guard"));
    QCOMPARE(mob.comment, std::string("the gate guard"));
    QCOMPARE(mob.ownerRoom, std::string("armoury"));
    const LoadAction& equip = room_.loads[1];
    QCOMPARE(equip.task, 3);
    QCOMPARE(equip.condition, 3);
    QCOMPARE(equip.item, std::string("sword"));
    QCOMPARE(equip.equipPosition, std::string("Wielded"));
    QCOMPARE(equip.probability, 50);
    QCOMPARE(equip.maxLoad, 1);
}

void RoomLoadPageTest::zeroAndNonNumbersAreRefused_data()
{
    QTest::addColumn<QString>("probability");
    QTest::addColumn<QString>("maxLoad");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("field");

    QTest::newRow("probability 0") << qt("0") << qt("0")
                                   << qt("You have set the probability of this load to be 0.\nThis means that the item or "
                                         "mob will never load.\nPlease select a non-zero value for the probability.")
                                   << qt("probability");
    QTest::newRow("maximum 0") << qt("20") << qt(" 0")
                               << qt("You have set the maximum number of this load to be 0.\nThis means that the item "
                                     "or mob will never load.\nPlease select a non-zero value for the maximum load number.")
                               << qt("maxLoad");
    QTest::newRow("not a number") << qt("half") << qt("1") << qt("Please enter an integer.") << qt("probability");
    QTest::newRow("maximum not a number") << qt("10") << qt("1x") << qt("Please enter an integer.") << qt("maxLoad");
}

void RoomLoadPageTest::zeroAndNonNumbersAreRefused()
{
    QFETCH(QString, probability);
    QFETCH(QString, maxLoad);
    QFETCH(QString, message);
    QFETCH(QString, field);

    auto page = openPage(room_);
    QVERIFY(choose(findNamed<QComboBox>(page.get(), "action"), qt("Load Item")));
    QVERIFY(choose(findNamed<QComboBox>(page.get(), "item"), qt("chest")));
    type(findNamed<QLineEdit>(page.get(), "probability"), probability);
    type(findNamed<QLineEdit>(page.get(), "maxLoad"), maxLoad);
    click(page.get(), "Add to Load");

    QCOMPARE(questions_.messages, std::vector<std::string>{message.toStdString()});
    auto* focused = findNamed<QLineEdit>(page.get(), field.toLatin1().constData());
    QCOMPARE(QApplication::focusWidget(), focused);
    QCOMPARE(focused->selectedText(), focused->text());
    QVERIFY(room_.loads.empty());
    QCOMPARE(tree(*page)->topLevelItemCount(), 0);
}

void RoomLoadPageTest::addInsertsAfterTheCurrentLoad()
{
    room_.loads = {load(LoadAction::LoadMob, 0, "a"), load(LoadAction::LoadMob, 0, "b"), load(LoadAction::LoadMob, 0, "c")};
    auto page = openPage(room_);
    clickNode(*page, 0);
    QVERIFY(choose(findNamed<QComboBox>(page.get(), "action"), qt("Load Item")));
    QVERIFY(choose(findNamed<QComboBox>(page.get(), "item"), qt("sword")));
    click(page.get(), "Add to Load");
    QCOMPARE(room_.loads.size(), std::size_t(4));
    QCOMPARE(room_.loads[1].item, std::string("sword"));
    QCOMPARE(room_.loads[2].mob, std::string("b"));
    QCOMPARE(page->currentLoad(), 1);

    clickNode(*page, 3);
    click(page.get(), "Add to Load"); // after the last: appended
    QCOMPARE(room_.loads.size(), std::size_t(5));
    QCOMPARE(room_.loads[4].item, std::string("sword"));
    QCOMPARE(page->currentLoad(), 4);
}

void RoomLoadPageTest::updateChangesTheCurrentLoad()
{
    room_.loads = {load(LoadAction::LoadMob, 0, "guard"), load(LoadAction::GiveItem, 0, "sword")};
    auto page = openPage(room_);
    QCOMPARE(shape(tree(*page)), qt("0,1"));
    click(page.get(), "Update Load"); // the fields show load 0: unchanged
    QCOMPARE(room_.loads[0].mob, std::string("guard"));

    clickNode(*page, 1);
    QVERIFY(choose(findNamed<QComboBox>(page.get(), "action"), qt("Load Item and Give to Last Mob")));
    QVERIFY(choose(findNamed<QComboBox>(page.get(), "condition"), qt("Do if last action successful")));
    QVERIFY(choose(findNamed<QComboBox>(page.get(), "item"), qt("chest")));
    type(findNamed<QLineEdit>(page.get(), "probability"), qt("0")); // no zero check on update
    click(page.get(), "Update Load");
    QCOMPARE(room_.loads[1].item, std::string("chest"));
    QCOMPARE(room_.loads[1].probability, 0);
    QCOMPARE(room_.loads[1].condition, 1);
    QVERIFY(questions_.messages.empty());
    QCOMPARE(shape(tree(*page)), qt("0[1]"));
    QCOMPARE(tree(*page)->topLevelItem(0)->child(0)->text(0), qt("Load and Give Item chest, 0%, Max 1"));
}

void RoomLoadPageTest::deleteMovesTheCurrentLoad()
{
    room_.loads = {load(LoadAction::LoadMob, 0, "a"), load(LoadAction::LoadMob, 0, "b"), load(LoadAction::LoadMob, 0, "c")};
    auto page = openPage(room_);
    click(page.get(), "Delete Load"); // the first of three: the new first is current
    QCOMPARE(room_.loads.size(), std::size_t(2));
    QCOMPARE(room_.loads[0].mob, std::string("b"));
    QCOMPARE(page->currentLoad(), 0);
    QCOMPARE(tree(*page)->currentItem()->text(0), qt("Load Mob b, 100%, Max 1"));

    clickNode(*page, 1);
    click(page.get(), "Delete Load"); // the previous one becomes current
    QCOMPARE(page->currentLoad(), 0);
    click(page.get(), "Delete Load");
    QCOMPARE(page->currentLoad(), -1);
    QVERIFY(room_.loads.empty());
    click(page.get(), "Delete Load"); // nothing left: nothing happens
    QCOMPARE(tree(*page)->topLevelItemCount(), 0);
}

void RoomLoadPageTest::copyInOneRoomPasteInAnother()
{
    room_.loads = {load(LoadAction::LoadMob, 0, "guard"), load(LoadAction::GiveItem, 1, "sword")};
    {
        auto first = openPage(room_);
        click(first.get(), "Copy All Loads");
        QVERIFY(findButton(first.get(), qt("Paste Loads"))->isEnabled());
    } // the editor is closed: the clipboard stays

    Room other;
    other.identifier = "kitchen";
    other.loads = {load(LoadAction::LoadItem, 0, "chest"), load(LoadAction::LoadItem, 0, "chest"),
                   load(LoadAction::LoadItem, 0, "chest")};
    auto second = openPage(other);
    clickNode(*second, 2);
    click(second.get(), "Paste Loads");
    QCOMPARE(other.loads, room_.loads);
    QCOMPARE(second->currentLoad(), 0);
    QCOMPARE(shape(tree(*second)), qt("0[1]"));

    // Copying an empty load list leaves nothing to paste.
    Room empty;
    auto third = openPage(empty);
    QVERIFY(findButton(third.get(), qt("Paste Loads"))->isEnabled());
    click(third.get(), "Copy All Loads");
    QVERIFY(!findButton(third.get(), qt("Paste Loads"))->isEnabled());
}

void RoomLoadPageTest::fieldsShowTheExactReference()
{
    // "guardian" comes first among the mobs; the load names "guard" and must keep it.
    LoadAction guard = load(LoadAction::LoadMob, 0, "guard");
    LoadAction outside = load(LoadAction::PutItem, 0, "#3012 a lamp");
    outside.container = "#3001";
    room_.loads = {guard, outside};
    auto page = openPage(room_);
    QCOMPARE(findNamed<QComboBox>(page.get(), "mob")->currentText(), qt("guard"));
    click(page.get(), "Update Load");
    QCOMPARE(room_.loads[0].mob, std::string("guard"));

    clickNode(*page, 1);
    page->activate(); // coming back to the page shows the current load
    QCOMPARE(findNamed<QComboBox>(page.get(), "item")->currentText(), qt("#3012 a lamp"));
    click(page.get(), "Update Load");
    QCOMPARE(room_.loads[1].item, std::string("#3012 a lamp"));
    QCOMPARE(room_.loads[1].container, std::string("#3001"));
}

void RoomLoadPageTest::unknownTaskAndConditionShowNothing()
{
    LoadAction odd = load(7, 12);
    room_.loads = {odd};
    auto page = openPage(room_);
    QCOMPARE(findNamed<QComboBox>(page.get(), "action")->currentIndex(), -1);
    QCOMPARE(findNamed<QComboBox>(page.get(), "condition")->currentIndex(), -1);
    QVERIFY(!findButton(page.get(), qt("Add to Load"))->isEnabled());
    QCOMPARE(tree(*page)->topLevelItem(0)->text(0), QString());
}

QTEST_MAIN(RoomLoadPageTest)
#include "RoomLoadPageTest.moc"
