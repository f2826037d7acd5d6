// The parts of the main window on their own: the menus that list records and templates, the number
// check, the record finder, the warnings window, the message boxes and text conversion.

#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "app/CFieldCheck.h"
#include "app/CMenuTree.h"
#include "app/CRecordFinder.h"
#include "app/CText.h"
#include "editor/app/EditorTestSupport.h"
#include "generate/CWarningsDialog.h"
#include "generate/Generator.h"
#include "universe/TemplateLibrary.h"
#include "world/World.h"

using namespace tarnholt;
using namespace tarnholt::test;

namespace {

World worldWith(int mobs, int items, int shops)
{
    World world;
    for (int i = 0; i < mobs; ++i)
        world.mobs.emplace_back().identifier = "mob" + std::to_string(i);
    for (int i = 0; i < items; ++i)
        world.items.emplace_back().identifier = "item" + std::to_string(i);
    for (int i = 0; i < shops; ++i)
        world.shops.emplace_back().room = "room" + std::to_string(i);
    return world;
}

/// The visible entries of a menu (or of its group at `group`): "text=id", "text>" for a submenu,
/// "-" for a separator.
QStringList entriesOf(QMenu* menu, int group = -1)
{
    if (group >= 0)
        menu = menu->actions().at(group)->menu();
    QStringList out;
    for (QAction* action : menu->actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator())
            out << qt("-");
        else if (action->menu() != nullptr)
            out << action->text() + qt(">");
        else
            out << action->text() + (action->data().isValid() ? qt("=") + QString::number(action->data().toInt()) : QString());
    }
    return out;
}

} // namespace

class TestAppParts : public QObject {
    Q_OBJECT

    std::unique_ptr<QMenuBar> bar_;
    CMenuTree* menus_ = nullptr; // owned by the bar

    QMenu* list(ListCommand command) { return menus_->listMenu(command); }

private slots:
    void init()
    {
        bar_ = std::make_unique<QMenuBar>();
        menus_ = new CMenuTree(bar_.get());
    }

    void listsSitWhereTheirCommandsExpect()
    {
        QCOMPARE(entriesOf(menus_->topMenu(2)),
                 strings({"Add &Mob=32777", "Add &Item=32778", "Add &Shop=32806", "-", "Edit Existing Mob>",
                          "Edit Existing Item>", "Edit Existing Shop>", "-", "Delete a Mob>", "Delete an Item>",
                          "Delete a Shop>"}));
        QCOMPARE(entriesOf(menus_->topMenu(3)),
                 strings({"Add Item Template=32781", "Add Mob Template=32783", "Add Room Template=32784", "-",
                          "Use Item Template>", "Use Mob Template>", "Use Room Template>", "-", "Delete Item Template>",
                          "Delete Mob Template>", "Delete Room Template>"}));
        QCOMPARE(menus_->action(32782)->shortcut(), QKeySequence(qt("Ctrl+Z")));
        QCOMPARE(menus_->action(32777)->statusTip(), qt("Add a new monster type"));
        QCOMPARE(menus_->action(32777)->toolTip(), qt("Add Mob"));
        QVERIFY(!menus_->action(32771)->isEnabled()); // no help to show
    }

    void recordsInGroupsOfAHundred()
    {
        World world = worldWith(250, 101, 0);
        menus_->rebuildLists(world, TemplateLibrary::instance());
        menus_->rebuildLists(world, TemplateLibrary::instance()); // opening again builds the same lists
        for (auto [command, base] : {std::pair{ListCommand::EditMob, 36865}, std::pair{ListCommand::DeleteMob, 40865}}) {
            QCOMPARE(entriesOf(list(command)), strings({"First 100 Mobs>", "Second 100 Mobs>", "Third 100 Mobs>"}));
            QCOMPARE(list(command)->findChildren<QMenu*>().size(), 3);
            QCOMPARE(entriesOf(list(command), 0).size(), 100);
            QStringList third = entriesOf(list(command), 2);
            QCOMPARE(third.size(), 50);
            QCOMPARE(third.first(), QStringLiteral("mob200=%1").arg(base + 200));
            QCOMPARE(third.last(), QStringLiteral("mob249=%1").arg(base + 249));
        }
        QCOMPARE(entriesOf(list(ListCommand::EditItem)), strings({"First 100 Items>", "Second 100 Items>"}));
        QCOMPARE(entriesOf(list(ListCommand::DeleteItem), 1), strings({"item100=41965"}));
        QVERIFY(list(ListCommand::EditShop)->actions().isEmpty()); // no shops: an empty submenu

        // Shops are listed by the Identifier of their room; entries without an Identifier are
        // gaps that keep the later identifiers; a menu text shows "&" as it is.
        world = worldWith(8, 0, 2);
        world.mobs[5].identifier.clear();
        world.mobs[2].identifier = "Tom & Jerry";
        world.shops[0].room.clear();
        menus_->rebuildLists(world, TemplateLibrary::instance());
        QCOMPARE(entriesOf(list(ListCommand::EditMob), 0),
                 strings({"mob0=36865", "mob1=36866", "Tom && Jerry=36867", "mob3=36868", "mob4=36869", "mob6=36871",
                          "mob7=36872"}));
        QCOMPARE(entriesOf(list(ListCommand::EditShop), 0), strings({"room1=39866"}));
        QCOMPARE(entriesOf(list(ListCommand::DeleteShop), 0), strings({"room1=42866"}));

        // A group whose records all lack an Identifier leaves no submenu.
        world = worldWith(150, 0, 0);
        for (int i = 0; i < 100; ++i)
            world.mobs[static_cast<std::size_t>(i)].identifier.clear();
        menus_->rebuildLists(world, TemplateLibrary::instance());
        QCOMPARE(entriesOf(list(ListCommand::DeleteMob)), strings({"Second 100 Mobs>"}));
    }

    void moreEntryBeyondTheRanges()
    {
        World world = worldWith(1001, 1000, 0);
        menus_->rebuildLists(world, TemplateLibrary::instance());
        QStringList mobs = entriesOf(list(ListCommand::EditMob));
        QCOMPARE(mobs.size(), 11);
        QCOMPARE(mobs.at(9), qt("Tenth 100 Mobs>"));
        QCOMPARE(mobs.last(), qt("More..."));
        QCOMPARE(entriesOf(list(ListCommand::DeleteMob), 9).last(), qt("mob999=41864"));
        QCOMPARE(entriesOf(list(ListCommand::EditItem)).last(), qt("Tenth 100 Items>")); // exactly 1000 all fit

        // Fifty templates fill a range; the fifty-first is reached through "More...".
        QTemporaryDir folder;
        TemplateLibrary library(folder.path().toStdString());
        ScriptedQuestions questions;
        for (int i = 1; i <= 50; ++i)
            QVERIFY(library.items().add(Item(), "t" + std::to_string(i), questions));
        menus_->rebuildLists(world, library);
        QStringList items = entriesOf(list(ListCommand::UseItemTemplate));
        QCOMPARE(items.size(), 51);
        QCOMPARE(items.at(49), qt("t49=53297"));
        QCOMPARE(items.last(), qt("More..."));

        QSignalSpy more(menus_, &CMenuTree::more);
        list(ListCommand::DeleteMob)->actions().last()->trigger();
        QCOMPARE(more.size(), 1);
        QCOMPARE(more.at(0).at(0).value<ListCommand>(), ListCommand::DeleteMob);
    }

    void recentFileEntries()
    {
        menus_->setRecentFiles({qt("/zones/castle.rlm"), qt("/zones/R&D.rlm")});
        QCOMPARE(entriesOf(menus_->topMenu(0)).mid(8), strings({"Generate Code=32785", "-", "&1 /zones/castle.rlm=57616",
                                                                "&2 /zones/R&&D.rlm=57617", "-", "E&xit=57665"}));
        QCOMPARE(menus_->recentActions().first()->statusTip(), qt("Open this document"));
        menus_->setRecentFiles({});
        QCOMPARE(entriesOf(menus_->topMenu(0)).at(10), qt("Recent File"));
    }

    void integerText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("blanks and tabs around") << qt(" \t42\t ") << true << 42;
        QTest::newRow("signs and leading zeros") << qt("-007") << true << -7;
        QTest::newRow("largest") << qt("2147483647") << true << 2147483647;
        QTest::newRow("smallest") << qt("-2147483648") << true << int(INT32_MIN);
        QTest::newRow("one past the largest") << qt("2147483648") << false << 0;
        QTest::newRow("huge") << qt("99999999999999999999999") << false << 0;
        QTest::newRow("empty") << QString() << false << 0;
        QTest::newRow("trailing letters") << qt("12a") << false << 0;
        QTest::newRow("arabic-indic digits") << qt("\u0661\u0662") << false << 0;
        QTest::newRow("line break") << qt("5\n") << false << 0;
    }

    void integerText()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        int32_t read = -99;
        QCOMPARE(CFieldCheck::parseInteger(text, read), valid);
        QCOMPARE(read, valid ? value : -99);
    }

    void finderRefusesNoChoice()
    {
        ScriptedMessages messages;
        CRecordFinder finder(qt("Edit Existing Item"), {{0, "a"}, {1, "b"}}, messages);
        finder.show();
        click(&finder, "OK");
        QCOMPARE(messages.messages, std::vector<std::string>{"You must select an entry before exiting."});
        QVERIFY(finder.isVisible());
        typeInto(finder.findField(), qt("zzz"));
        QCOMPARE(finder.list()->count(), 0);
        click(&finder, "Cancel");
        QCOMPARE(finder.result(), int(QDialog::Rejected));
        QCOMPARE(finder.chosenIndex(), -1);
    }

    void warningsWindow()
    {
        CWarningsDialog window({{"Room", "hall", "No Description"}, {"Item", "caf\xE9", "No Item Type Assigned"}});
        QCOMPARE(window.windowTitle(), qt("Warnings Generated"));
        QVERIFY(labelTexts(&window).contains(qt("The zone you just generated may not be usable because of the following warnings:")));
        QTreeWidget* list = window.list();
        QCOMPARE(list->topLevelItemCount(), 2);
        auto rowText = [](QTreeWidgetItem* row) { return row->text(0) + qt("|") + row->text(1) + qt("|") + row->text(2); };
        QCOMPARE(rowText(list->headerItem()), qt("Type|Identifier|Warning Text"));
        QCOMPARE(rowText(list->topLevelItem(1)), qt("Item|caf\u00e9|No Item Type Assigned"));
        window.show();
        click(&window, "Close");
        QVERIFY(!window.isVisible());
    }

    void messageBoxes()
    {
        CMessageQuestions boxes;
        QStringList buttons;
        QString text;
        whenModal([&](QDialog* dialog) {
            auto box = qobject_cast<QMessageBox*>(dialog);
            text = box->text();
            for (QAbstractButton* button : box->buttons())
                buttons << button->text().remove(QLatin1Char('&'));
            box->button(QMessageBox::Cancel)->click();
        });
        QCOMPARE(boxes.askSaveChanges("Save changes to Untitled?"), CMessageQuestions::SaveAnswer::Cancel);
        QVERIFY(text == qt("Save changes to Untitled?") && buttons.size() == 3);

        whenModal([](QDialog* dialog) { // "No" is the default button when asked for
            auto box = qobject_cast<QMessageBox*>(dialog);
            QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
            box->button(QMessageBox::Yes)->click();
        });
        QVERIFY(boxes.askYesNo("Delete?", true));

        // A file name in a message is UTF-8 on this system; record texts are Windows-1252.
        whenModal([&](QDialog* dialog) {
            text = qobject_cast<QMessageBox*>(dialog)->text();
            dialog->accept();
        });
        boxes.message("Unable to read from /z\xC3\xB6nes/a.rlm, it is opened by someone else.");
        QCOMPARE(text, qt("Unable to read from /z\u00f6nes/a.rlm, it is opened by someone else."));
    }

    void recordTextConversion()
    {
        QCOMPARE(CText::toRecord(qt("caf\u00e9 \u20ac \u2013 \u4e2d \U0001F600")), std::string("caf\xE9 \x80 \x96 ? ?"));
        QCOMPARE(CText::menuText("R&D"), qt("R&&D"));
        QCOMPARE(CText::messageToQt("caf\xE9"), qt("caf\u00e9")); // not UTF-8: read as 8-bit
    }
};

QTEST_MAIN(TestAppParts)
#include "test_app_parts.moc"
