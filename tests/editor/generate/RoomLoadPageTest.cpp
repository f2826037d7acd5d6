// The "Attach" page: its tree of loads, its fields and buttons, and the load clipboard.

#include <QRegularExpression>
#include <QTreeWidget>
#include <QtTest>

#include "app/CText.h"
#include "app/Questions.h"
#include "editor/app/EditorTestSupport.h"
#include "generate/CRoomLoadPage.h"
#include "universe/Universe.h"
#include "world/World.h"

using namespace tarnholt;
using namespace tarnholt::test;

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

std::vector<LoadAction> mobs(std::initializer_list<const char*> references)
{
    std::vector<LoadAction> loads;
    for (const char* reference : references)
        loads.push_back(load(LoadAction::LoadMob, 0, reference));
    return loads;
}

/// The tree as text: each node's load index, its children in brackets, siblings after commas.
QString shape(const QTreeWidget* tree)
{
    std::function<QString(QTreeWidgetItem*)> node = [&](QTreeWidgetItem* item) {
        QString text = QString::number(item->data(0, Qt::UserRole).toInt());
        QStringList children;
        for (int i = 0; i < item->childCount(); ++i)
            children << node(item->child(i));
        return children.isEmpty() ? text : text + QLatin1Char('[') + children.join(QLatin1Char(',')) + QLatin1Char(']');
    };
    QStringList top;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        top << node(tree->topLevelItem(i));
    return top.join(QLatin1Char(','));
}

} // namespace

class RoomLoadPageTest : public QObject {
    Q_OBJECT

    World world_;
    Universe universe_;
    ScriptedQuestions questions_;
    Room room_;

    std::unique_ptr<CRoomLoadPage> openPage(Room& room)
    {
        auto page = std::make_unique<CRoomLoadPage>(room, world_, universe_, questions_);
        page->show();
        if (!QTest::qWaitForWindowActive(page.get()))
            qWarning("the page did not become the active window");
        page->activate();
        return page;
    }
    static QTreeWidget* tree(CRoomLoadPage& page) { return named<QTreeWidget>(&page, "loads"); }
    static QComboBox* combo(CRoomLoadPage& page, const char* name) { return named<QComboBox>(&page, name); }
    static QLineEdit* field(CRoomLoadPage& page, const char* name) { return named<QLineEdit>(&page, name); }

    /// Fills the fields as a person does: `choices` are "list=entry" for drop-downs, "field:text" for lines.
    static void fill(CRoomLoadPage& page, std::initializer_list<const char*> choices)
    {
        for (const char* choice : choices) {
            const QStringList parts = qt(choice).split(QRegularExpression(qt("[=:]")));
            const QByteArray name = parts[0].toLatin1();
            if (qt(choice).contains(QLatin1Char('=')))
                QVERIFY2(choose(combo(page, name.constData()), parts[1]), choice);
            else
                typeInto(field(page, name.constData()), parts[1]);
        }
    }

    static void clickNode(CRoomLoadPage& page, int index)
    {
        QTreeWidget* view = tree(page);
        QTreeWidgetItemIterator it(view);
        while (*it != nullptr && (*it)->data(0, Qt::UserRole).toInt() != index)
            ++it;
        QVERIFY(*it != nullptr);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(*it).center());
        QCOMPARE(page.currentLoad(), index);
    }

private slots:
    void init()
    {
        CRoomLoadPage::clearClipboard();
        world_ = World();
        for (const char* identifier : {"guardian", "guard"})
            world_.mobs.emplace_back().identifier = identifier;
        for (const char* identifier : {"sword", "chest"})
            world_.items.emplace_back().identifier = identifier;
        room_ = Room();
        room_.identifier = "armoury";
        questions_ = ScriptedQuestions();
    }

    void treeShapes_data()
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

    void treeShapes()
    {
        QFETCH(std::vector<LoadAction>, loads);
        QFETCH(QString, expected);
        room_.loads = loads;
        auto page = openPage(room_);
        QCOMPARE(shape(tree(*page)), expected);
        QCOMPARE(page->currentLoad(), 0);
        QCOMPARE(tree(*page)->topLevelItem(0)->text(0), CText::toQt(loads[0].label()));
    }

    void newLoadEnablesByAction_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("enabled"); // of Mob, Item, Equip Pos, Object
        QTest::addColumn<QStringList>("choices"); // list=entry, in order; Add enabled only after the last
        QTest::newRow("Load Mob") << qt("Load Mob") << strings({"mob"}) << strings({"mob=guard"});
        QTest::newRow("Load Item") << qt("Load Item") << strings({"item"}) << strings({"item=sword"});
        QTest::newRow("Give") << qt("Load Item and Give to Last Mob") << strings({"item"}) << strings({"item=sword"});
        QTest::newRow("Equip") << qt("Load Item and Equip on Last Mob") << strings({"item", "equipPosition"})
                               << strings({"item=sword", "equipPosition=Wielded"});
        QTest::newRow("Put") << qt("Load Item and Put in Object") << strings({"item", "container"})
                             << strings({"container=chest", "item=sword"});
    }

    void newLoadEnablesByAction()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, enabled);
        QFETCH(QStringList, choices);
        auto page = openPage(room_);
        QAbstractButton* add = buttonOf(page.get(), qt("Add to Load"));
        QCOMPARE(combo(*page, "condition")->currentText() + field(*page, "probability")->text() + field(*page, "maxLoad")->text(),
                 qt("Do Always1001"));
        QCOMPARE(combo(*page, "action")->currentIndex(), -1);
        QVERIFY(!add->isEnabled());
        QVERIFY(!buttonOf(page.get(), qt("Paste Loads"))->isEnabled());
        const char* lists[] = {"mob", "item", "equipPosition", "container"};
        for (const char* name : lists)
            QVERIFY2(!combo(*page, name)->isEnabled(), name);

        QVERIFY(choose(combo(*page, "action"), action));
        for (const char* name : lists)
            QCOMPARE(combo(*page, name)->isEnabled(), enabled.contains(qt(name)));
        for (const QString& choice : choices) {
            QVERIFY(!add->isEnabled());
            fill(*page, {choice.toLatin1().constData()});
        }
        QVERIFY(add->isEnabled());
    }

    void addBuildsTheTreeAsTyped()
    {
        auto page = openPage(room_);
        fill(*page, {"action=Load Mob", "mob=guard", "comment:the gate guard"});
        click(page.get(), "Add to Load");
        fill(*page, {"action=Load Item and Equip on Last Mob", "condition=Do if last Mob loaded", "item=sword",
                     "equipPosition=Wielded", "probability:50"});
        click(page.get(), "Add to Load");

        QCOMPARE(shape(tree(*page)), qt("0[1]"));
        QCOMPARE(tree(*page)->currentItem(), tree(*page)->topLevelItem(0)->child(0));
        QCOMPARE(page->currentLoad(), 1);

        LoadAction mob = load(LoadAction::LoadMob, 0, "guard");
        mob.comment = "the gate guard";
        mob.ownerRoom = "armoury";
        LoadAction equip = mob; // the four lists and the comment are read as they stand, enabled or not
        equip.task = LoadAction::EquipItem;
        equip.condition = 3; // "Do if last Mob loaded"
        equip.item = "sword";
        equip.equipPosition = "Wielded";
        equip.probability = 50;
        QCOMPARE(room_.loads, (std::vector{mob, equip}));
    }

    void zeroAndNonNumbersAreRefused_data()
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

    void zeroAndNonNumbersAreRefused()
    {
        QFETCH(QString, probability);
        QFETCH(QString, maxLoad);
        QFETCH(QString, message);
        QFETCH(QString, field);
        auto page = openPage(room_);
        fill(*page, {"action=Load Item", "item=chest"});
        typeInto(this->field(*page, "probability"), probability);
        typeInto(this->field(*page, "maxLoad"), maxLoad);
        click(page.get(), "Add to Load");

        QCOMPARE(questions_.messages, std::vector<std::string>{message.toStdString()});
        QLineEdit* focused = this->field(*page, field.toLatin1().constData());
        QCOMPARE(QApplication::focusWidget(), focused);
        QCOMPARE(focused->selectedText(), focused->text());
        QVERIFY(room_.loads.empty());
        QCOMPARE(tree(*page)->topLevelItemCount(), 0);
    }

    void addUpdateAndDeleteFollowTheCurrentLoad()
    {
        room_.loads = mobs({"a", "b", "c"});
        auto page = openPage(room_);
        clickNode(*page, 0);
        fill(*page, {"action=Load Item", "item=sword"});
        click(page.get(), "Add to Load"); // after the current load
        QCOMPARE(room_.loads[1].item + room_.loads[2].mob, std::string("swordb"));
        QCOMPARE(page->currentLoad(), 1);
        clickNode(*page, 3);
        click(page.get(), "Add to Load"); // after the last: appended
        QVERIFY(room_.loads.size() == 5 && room_.loads[4].item == "sword");
        QCOMPARE(page->currentLoad(), 4);

        // Update changes the current load only, without the zero check of Add.
        clickNode(*page, 1);
        fill(*page, {"action=Load Item and Give to Last Mob", "condition=Do if last action successful", "item=chest",
                     "probability:0"});
        click(page.get(), "Update Load");
        QVERIFY(room_.loads[1].task == LoadAction::GiveItem && room_.loads[1].condition == 1 && room_.loads[1].probability == 0);
        QVERIFY(questions_.messages.empty());
        QCOMPARE(shape(tree(*page)), qt("0[1],2,3,4"));
        QCOMPARE(tree(*page)->topLevelItem(0)->child(0)->text(0), qt("Load and Give Item chest, 0%, Max 1"));

        // Delete: the next load becomes current, or the previous one after the last.
        clickNode(*page, 0);
        click(page.get(), "Delete Load");
        QCOMPARE(page->currentLoad(), 0);
        QCOMPARE(tree(*page)->currentItem()->text(0), qt("Load and Give Item chest, 0%, Max 1"));
        clickNode(*page, 3);
        click(page.get(), "Delete Load");
        QCOMPARE(page->currentLoad(), 2);
        for (int left = 3; left > 0; --left)
            click(page.get(), "Delete Load");
        QCOMPARE(page->currentLoad(), -1);
        QVERIFY(room_.loads.empty());
        click(page.get(), "Delete Load"); // nothing left: nothing happens
        QCOMPARE(tree(*page)->topLevelItemCount(), 0);
    }

    void copyInOneRoomPasteInAnother()
    {
        room_.loads = {load(LoadAction::LoadMob, 0, "guard"), load(LoadAction::GiveItem, 1, "sword")};
        {
            auto first = openPage(room_);
            click(first.get(), "Copy All Loads");
            QVERIFY(buttonOf(first.get(), qt("Paste Loads"))->isEnabled());
        } // the editor is closed: the clipboard stays

        Room other;
        other.loads = mobs({"c", "c", "c"});
        auto second = openPage(other);
        clickNode(*second, 2);
        click(second.get(), "Paste Loads");
        QCOMPARE(other.loads, room_.loads);
        QCOMPARE(second->currentLoad(), 0);
        QCOMPARE(shape(tree(*second)), qt("0[1]"));

        // Copying an empty load list leaves nothing to paste.
        Room empty;
        auto third = openPage(empty);
        click(third.get(), "Copy All Loads");
        QVERIFY(!buttonOf(third.get(), qt("Paste Loads"))->isEnabled());
    }

    void fieldsShowTheExactReference()
    {
        // "guardian" comes first among the mobs; the load names "guard" and must keep it. A
        // reference outside the zone must survive as well.
        LoadAction outside = load(LoadAction::PutItem, 0, "#3012 a lamp");
        outside.container = "#3001";
        room_.loads = {load(LoadAction::LoadMob, 0, "guard"), outside};
        std::vector<LoadAction> before = room_.loads;
        for (LoadAction& action : before)
            action.ownerRoom = "armoury"; // set from the room being edited
        auto page = openPage(room_);
        QCOMPARE(combo(*page, "mob")->currentText(), qt("guard"));
        click(page.get(), "Update Load");
        clickNode(*page, 1);
        page->activate(); // coming back to the page shows the current load
        QCOMPARE(combo(*page, "item")->currentText(), qt("#3012 a lamp"));
        click(page.get(), "Update Load");
        QCOMPARE(room_.loads, before);
        clickNode(*page, 0);
        page->activate(); // the entries added for the other zone's references go again
        QCOMPARE(combo(*page, "item")->count(), 3);
        QCOMPARE(combo(*page, "item")->itemText(2), qt("chest"));
        QCOMPARE(combo(*page, "container")->count(), 3);
    }

    void unknownTaskAndConditionShowNothing()
    {
        room_.loads = {load(7, 12)};
        auto page = openPage(room_);
        QCOMPARE(combo(*page, "action")->currentIndex(), -1);
        QCOMPARE(combo(*page, "condition")->currentIndex(), -1);
        QVERIFY(!buttonOf(page.get(), qt("Add to Load"))->isEnabled());
        QCOMPARE(tree(*page)->topLevelItem(0)->text(0), QString());
    }
};

QTEST_MAIN(RoomLoadPageTest)
#include "RoomLoadPageTest.moc"
