// The main window driven as a builder uses it: the document commands with the unsaved-changes
// question, the title, the recent files, file drop, the menus rebuilt when they open, Edit Zone,
// Define Colors, Generate Code, the imports and the bars.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>
#include <optional>

#include "app/CMainFrame.h"
#include "app/CMenuTree.h"
#include "app/CNumberSpin.h"
#include "app/CRecordFinder.h"
#include "app/CTarnholtDoc.h"
#include "app/CommandIds.h"
#include "editor/app/EditorTestSupport.h"
#include "editor/app/SampleZone.h"
#include "generate/CWarningsDialog.h"
#include "settings/CDefineColors.h"
#include "settings/DisplaySettings.h"
#include "world/CZoneProperties.h"

using namespace tarnholt;
using namespace tarnholt::test;
using SaveAnswer = CMessageQuestions::SaveAnswer;

namespace {

/// One main window on a document, with scripted boxes and file dialogs and a store of its own.
struct Program {
    PrivateSettings settings;
    QTemporaryDir folder;
    ScriptedMessages messages;
    ScriptedFiles files;
    CTarnholtDoc doc{messages};
    std::optional<CMainFrame> frame;

    Program()
    {
        frame.emplace(doc, files);
        doc.OnNewDocument();
        frame->show();
    }

    QString file(const QString& name) const { return folder.filePath(name); }

    /// Writes a world file holding a zone named `zoneName`.
    QString writeZone(const QString& name, const char* zoneName)
    {
        Document other;
        other.world().zoneName = zoneName;
        QString path = file(name);
        other.save(path.toStdString());
        return path;
    }

    void addRoom(const char* identifier)
    {
        Room room;
        room.identifier = identifier;
        room.column = static_cast<int32_t>(doc.getWorld().rooms.size());
        room.row = 0;
        room.description = "A room.";
        doc.getWorld().rooms.push_back(room);
        doc.markChanged();
    }

    void drop(const QString& path)
    {
        auto mime = new QMimeData;
        mime->setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&*frame, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&*frame, &drop);
        delete mime;
    }

    void run(int id) { frame->runCommand(id); }
};

QStringList toolbarIds(QToolBar* bar)
{
    QStringList ids;
    for (QAction* action : bar->actions())
        ids << (action->isSeparator() ? QStringLiteral("-") : QString::number(action->data().toInt()));
    return ids;
}

bool fileExists(const QString& path)
{
    return QFileInfo::exists(path);
}

} // namespace

class TestMainFrame : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void titleFollowsTheDocument();
    void unsavedChangesQuestion_data();
    void unsavedChangesQuestion();
    void saveFailureKeepsTheWindowOpen();
    void failedOpenKeepsTheDocument_data();
    void failedOpenKeepsTheDocument();
    void recentFiles();
    void menusFollowTheWorld();
    void moreReachesEveryRecord();
    void editZone();
    void defineColors();
    void generateCode();
    void importArea_data();
    void importArea();
    void barsAndToggles();
    void sampleZone();

private:
    QDir startDir_;
};

void TestMainFrame::initTestCase()
{
    // Generation must not write into the folder the tests run in.
    startDir_ = QDir::current();
}

void TestMainFrame::titleFollowsTheDocument()
{
    Program program;
    QCOMPARE(program.frame->windowTitle(), QStringLiteral("Untitled - Tarnholt"));

    program.addRoom("hall");
    program.files.answers = {program.file(QStringLiteral("castle.rlm"))};
    program.run(ID_FILE_SAVE); // never saved: Save asks for a name
    QCOMPARE(program.frame->windowTitle(), QStringLiteral("castle.rlm - Tarnholt"));
    QVERIFY(!program.doc.IsModified());
    QVERIFY(fileExists(program.file(QStringLiteral("castle.rlm"))));
    QVERIFY(program.files.filters.first().startsWith(QStringLiteral("Tarnholt (*.rlm)")));

    program.run(ID_FILE_NEW); // not modified: no question
    QVERIFY(program.messages.saveQuestions.empty());
    QCOMPARE(program.frame->windowTitle(), QStringLiteral("Untitled - Tarnholt"));
    QVERIFY(program.doc.getWorld().rooms.empty());

    program.files.answers = {program.file(QStringLiteral("castle.rlm"))};
    program.run(ID_FILE_OPEN);
    QCOMPARE(program.frame->windowTitle(), QStringLiteral("castle.rlm - Tarnholt"));
    QCOMPARE(program.doc.getWorld().rooms.size(), std::size_t(1));

    program.files.answers = {program.file(QStringLiteral("keep.rlm"))};
    program.run(ID_FILE_SAVE_AS);
    QCOMPARE(program.frame->windowTitle(), QStringLiteral("keep.rlm - Tarnholt"));
}

void TestMainFrame::unsavedChangesQuestion_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("answer");

    for (const char* action : {"new", "open", "recent", "drop", "exit"}) {
        QTest::addRow("%s, Yes", action) << action << int(SaveAnswer::Yes);
        QTest::addRow("%s, No", action) << action << int(SaveAnswer::No);
        QTest::addRow("%s, Cancel", action) << action << int(SaveAnswer::Cancel);
    }
}

void TestMainFrame::unsavedChangesQuestion()
{
    QFETCH(QString, action);
    QFETCH(int, answer);

    Program program;
    QString other = program.writeZone(QStringLiteral("other.rlm"), "Other");
    if (action == QLatin1String("recent")) {
        QVERIFY(program.frame->openDocumentFile(other));
        program.run(ID_FILE_NEW);
    }
    program.addRoom("hall");
    QVERIFY(program.doc.IsModified());
    program.messages.saveAnswers = {SaveAnswer(answer)};
    QString saved = program.file(QStringLiteral("saved.rlm"));
    if (action == QLatin1String("open"))
        program.files.answers.push_back(other);
    program.files.answers.push_back(saved); // Save As, asked only after a Yes

    if (action == QLatin1String("new"))
        program.run(ID_FILE_NEW);
    else if (action == QLatin1String("open"))
        program.run(ID_FILE_OPEN);
    else if (action == QLatin1String("recent"))
        program.run(ID_FILE_MRU_FIRST);
    else if (action == QLatin1String("drop"))
        program.drop(other);
    else
        program.run(ID_APP_EXIT);

    QCOMPARE(program.messages.saveQuestions, std::vector<std::string>{"Save changes to Untitled?"});
    QCOMPARE(fileExists(saved), answer == int(SaveAnswer::Yes));
    if (answer == int(SaveAnswer::Yes)) {
        Document written;
        QVERIFY(written.open(saved.toStdString()).empty());
        QCOMPARE(written.world().rooms.size(), std::size_t(1));
    }

    const World& world = program.doc.getWorld();
    if (answer == int(SaveAnswer::Cancel)) {
        // Nothing happened: the work is still there, still unsaved.
        QVERIFY(program.frame->isVisible());
        QCOMPARE(world.rooms.size(), std::size_t(1));
        QVERIFY(program.doc.IsModified());
        QCOMPARE(program.frame->windowTitle(), QStringLiteral("Untitled - Tarnholt"));
    } else if (action == QLatin1String("exit")) {
        QVERIFY(!program.frame->isVisible());
    } else if (action == QLatin1String("new")) {
        QVERIFY(world.rooms.empty());
        QVERIFY(!program.doc.IsModified());
        QCOMPARE(program.frame->windowTitle(), QStringLiteral("Untitled - Tarnholt"));
    } else {
        QCOMPARE(world.zoneName, std::string("Other"));
        QVERIFY(!program.doc.IsModified());
        QCOMPARE(program.frame->windowTitle(), QStringLiteral("other.rlm - Tarnholt"));
    }
}

void TestMainFrame::saveFailureKeepsTheWindowOpen()
{
    Program program;
    program.addRoom("hall");
    // Yes, then the Save As dialog is cancelled: the window must not close and lose the work.
    program.messages.saveAnswers = {SaveAnswer::Yes};
    program.run(ID_APP_EXIT);
    QVERIFY(program.frame->isVisible());
    QVERIFY(program.doc.IsModified());

    // Yes, and the file cannot be written: the message, and still nothing lost.
    program.messages.saveAnswers = {SaveAnswer::Yes};
    program.files.answers = {program.file(QStringLiteral("no/such/folder/castle.rlm"))};
    program.run(ID_FILE_NEW);
    QCOMPARE(program.messages.messages.size(), std::size_t(1));
    QCOMPARE(program.doc.getWorld().rooms.size(), std::size_t(1));
    QVERIFY(program.doc.IsModified());
    QCOMPARE(program.frame->windowTitle(), QStringLiteral("Untitled - Tarnholt"));
}

void TestMainFrame::failedOpenKeepsTheDocument_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<QString>("message");

    QTest::newRow("not a world file") << QByteArray("\x01\x00\x00\x00garbage", 11)
                                      << QStringLiteral("Unexpected file format.");
    QTest::newRow("missing file") << QByteArray() << QStringLiteral("Cannot find this file.");
}

void TestMainFrame::failedOpenKeepsTheDocument()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);

    Program program;
    program.files.answers = {program.file(QStringLiteral("mine.rlm"))};
    program.run(ID_FILE_SAVE_AS);
    program.addRoom("hall");
    QString bad = program.file(QStringLiteral("bad.rlm"));
    if (!content.isEmpty()) {
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    program.messages.saveAnswers = {SaveAnswer::No};
    QVERIFY(!program.frame->openDocumentFile(bad));

    QCOMPARE(program.messages.messages.size(), std::size_t(1));
    QVERIFY2(QString::fromStdString(program.messages.messages[0]).contains(message),
             program.messages.messages[0].c_str());
    QCOMPARE(program.doc.getWorld().rooms.size(), std::size_t(1));
    QVERIFY(program.doc.IsModified());
    QCOMPARE(program.frame->windowTitle(), QStringLiteral("mine.rlm - Tarnholt"));
    QVERIFY(!program.frame->recentFiles().contains(bad));
}

void TestMainFrame::recentFiles()
{
    Program program;
    QStringList paths;
    for (int i = 0; i < 12; ++i)
        paths << program.writeZone(QStringLiteral("z%1.rlm").arg(i), "Zone");
    for (const QString& path : paths)
        QVERIFY(program.frame->openDocumentFile(path));
    QVERIFY(program.frame->openDocumentFile(paths.at(5))); // again: to the top, not twice
    QStringList expected{paths.at(5), paths.at(11), paths.at(10), paths.at(9), paths.at(8),
                         paths.at(7), paths.at(6), paths.at(4), paths.at(3), paths.at(2)};
    QCOMPARE(program.frame->recentFiles(), expected);

    // The list outlives the window.
    CTarnholtDoc doc(program.messages);
    CMainFrame second(doc, program.files);
    QCOMPARE(second.recentFiles(), expected);

    // An entry whose file has gone is reported and leaves the list; the document stays.
    QFile::remove(paths.at(11));
    program.run(ID_FILE_MRU_FIRST + 1);
    QCOMPARE(program.messages.messages.size(), std::size_t(1));
    QVERIFY(!program.frame->recentFiles().contains(paths.at(11)));
    QCOMPARE(program.frame->windowTitle(), QStringLiteral("z5.rlm - Tarnholt"));
}

void TestMainFrame::menusFollowTheWorld()
{
    Program program;
    World& world = program.doc.getWorld();
    for (int i = 0; i < 250; ++i)
        world.mobs.emplace_back().identifier = "mob" + std::to_string(i);

    // Any menu of the bar opening rebuilds the lists from the World as it is now.
    for (int position : {2, 0}) {
        QMenu* menu = program.frame->menus().topMenu(position);
        menu->popup(QPoint(20, 20));
        menu->hide();
        QMenu* edit = program.frame->menus().listMenu(ListCommand::EditMob);
        QCOMPARE(edit->actions().size(), 3);
        QCOMPARE(edit->actions().at(2)->text(), QStringLiteral("Third 100 Mobs"));
        QMenu* first = edit->actions().at(0)->menu();
        QCOMPARE(first->actions().at(0)->text(), QString::fromStdString(world.mobs[0].identifier));
        world.mobs.erase(world.mobs.begin());
    }
}

void TestMainFrame::moreReachesEveryRecord()
{
    Program program;
    World& world = program.doc.getWorld();
    for (int i = 0; i <= 1000; ++i) {
        world.mobs.emplace_back();
        world.mobs.back().identifier = "mob" + std::to_string(i);
    }
    QMenu* objects = program.frame->menus().topMenu(2);
    objects->popup(QPoint(20, 20));
    objects->hide();
    QAction* more = program.frame->menus().listMenu(ListCommand::DeleteMob)->actions().last();
    QCOMPARE(more->text(), QStringLiteral("More..."));

    bool seen = false;
    whenModal(
        [](QDialog* dialog) {
            auto finder = qobject_cast<CRecordFinder*>(dialog);
            QVERIFY(finder != nullptr);
            QCOMPARE(finder->windowTitle(), QStringLiteral("Delete a Mob"));
            QCOMPARE(finder->list()->count(), 1001);
            typeInto(finder->findField(), QStringLiteral("mob1000"));
            QCOMPARE(finder->list()->count(), 1);
            click(finder, QStringLiteral("OK"));
        },
        &seen);
    more->trigger();
    QVERIFY(seen);
    QCOMPARE(world.mobs.size(), std::size_t(1000));
    QCOMPARE(world.mobs.back().identifier, std::string("mob999"));
    QVERIFY(program.doc.IsModified());
}

void TestMainFrame::editZone()
{
    Program program;
    World& world = program.doc.getWorld();
    world.startMobVnum = 100;
    world.mobs.emplace_back();
    world.mobs.back().identifier = "guard";
    world.mobs.back().vnum = 100;
    program.doc.SetModifiedFlag(false);

    // Cancel leaves the document unmodified.
    bool seen = false;
    whenModal([](QDialog* dialog) { click(dialog, QStringLiteral("Cancel")); }, &seen);
    program.run(ID_EDIT_ZONE);
    QVERIFY(seen);
    QVERIFY(!program.doc.IsModified());

    // Ctrl+Z opens the form; a bad number is refused, then corrected.
    program.frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&*program.frame));
    seen = false;
    whenModal(
        [&program](QDialog* dialog) {
            auto form = qobject_cast<CZoneProperties*>(dialog);
            QVERIFY(form != nullptr);
            QCOMPARE(form->windowTitle(), QStringLiteral("Zone Properties"));
            typeInto(form->zoneNumber(), QStringLiteral("3O"));
            typeInto(form->startMob(), QStringLiteral("200"));
            click(form, QStringLiteral("Ok"));
            QCOMPARE(program.messages.messages, std::vector<std::string>{"Please enter an integer."});
            QVERIFY(form->isVisible());
            typeInto(form->zoneNumber(), QStringLiteral("30"));
            click(form, QStringLiteral("Ok"));
        },
        &seen);
    QTest::keyClick(&*program.frame, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(seen);
    QCOMPARE(world.zoneNumber, 30);
    QCOMPARE(world.startMobVnum, 200);
    QCOMPARE(world.mobs[0].vnum, 0);
    QVERIFY(program.doc.IsModified());
}

void TestMainFrame::defineColors()
{
    Program program;
    const DisplaySettings saved = displaySettings();
    QSignalSpy repaints(&program.doc, &CTarnholtDoc::worldChanged);
    bool seen = false;
    whenModal(
        [](QDialog* dialog) {
            auto form = qobject_cast<CDefineColors*>(dialog);
            QVERIFY(form != nullptr);
            typeInto(form->field(0, CDefineColors::Red), QStringLiteral("0"));
            typeInto(form->field(0, CDefineColors::Blue), QStringLiteral("255"));
            click(form, QStringLiteral("OK"));
        },
        &seen);
    program.run(ID_DEFINE_COLORS);
    QVERIFY(seen);
    QCOMPARE(displaySettings().roomText, (Rgb{0, 0, 255}));
    QCOMPARE(repaints.size(), 1); // the map is repainted at once
    QVERIFY(!program.doc.IsModified()); // colours belong to the program, not the document

    whenModal([](QDialog* dialog) {
        typeInto(qobject_cast<CDefineColors*>(dialog)->field(3, CDefineColors::Green), QStringLiteral("7"));
        click(dialog, QStringLiteral("Cancel"));
    });
    program.run(ID_DEFINE_COLORS);
    QCOMPARE(displaySettings().normalExit, (Rgb{0, 0, 0}));
    QCOMPARE(repaints.size(), 1);
    displaySettings() = saved;
}

void TestMainFrame::generateCode()
{
    Program program;
    World& world = program.doc.getWorld();
    world.zoneNumber = 30;
    world.startRoomVnum = 3000;
    program.addRoom("hall");
    program.addRoom("kitchen");
    world.rooms[1].vnum = 3000;
    program.files.answers = {program.file(QStringLiteral("castle.rlm"))};
    program.run(ID_FILE_SAVE);
    QVERIFY(!program.doc.IsModified());

    // The run numbers the new room: the document now holds unsaved numbers.
    program.run(ID_GENERATE_CODE);
    QVERIFY(program.messages.messages.empty());
    QCOMPARE(world.rooms[0].vnum, 3001);
    QVERIFY(program.doc.IsModified());
    for (const char* name : {"30.obj", "30.mob", "30.wld", "30.zon"}) {
        QVERIFY2(fileExists(program.file(QLatin1String(name))), name);
        QVERIFY2(!startDir_.exists(QLatin1String(name)), "area files go beside the document");
    }

    // Nothing new to number: the saved document stays unmodified.
    program.run(ID_FILE_SAVE);
    program.run(ID_GENERATE_CODE);
    QVERIFY(!program.doc.IsModified());

    // Warnings are shown, one row each, after the files are written.
    world.rooms[0].description.clear();
    LoadAction load;
    load.task = LoadAction::LoadMob;
    load.mob = "nobody";
    world.rooms[1].loads.push_back(load);
    QStringList rows;
    bool seen = false;
    whenModal(
        [&rows](QDialog* dialog) {
            auto window = qobject_cast<CWarningsDialog*>(dialog);
            QVERIFY(window != nullptr);
            for (int i = 0; i < window->list()->topLevelItemCount(); ++i) {
                QTreeWidgetItem* row = window->list()->topLevelItem(i);
                rows << row->text(0) + QLatin1Char('|') + row->text(1) + QLatin1Char('|') + row->text(2);
            }
            click(window, QStringLiteral("Close"));
        },
        &seen);
    program.run(ID_GENERATE_CODE);
    QVERIFY(seen);
    QCOMPARE(rows, (strings({"Room|hall|No Description", "Room-Action|kitchen|Invalid Mob on a Load Mob Action."})));
}

void TestMainFrame::importArea_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("mobs");
    QTest::addColumn<QString>("message");

    const QByteArray guard = "#120\r\nguard~\r\nthe guard~\r\nA guard stands here.\r\n~\r\nHe looks tough.\r\n~\r\n"
                             "B 0 0 S\r\n5 15 5 1d8+10 1d6+1\r\n10 100\r\n8 8 1\r\n";
    QTest::newRow("one mob") << ID_OPEN_MOB_FILE << guard + "#99999\r\n" << 1 << QString();
    QTest::newRow("only the end marker") << ID_OPEN_MOB_FILE << QByteArray("#99999   \n") << 0 << QString();
    QTest::newRow("empty mob file") << ID_OPEN_MOB_FILE << QByteArray() << 0
                                    << QStringLiteral("Unexpected fields found.");
    // Without the end marker the last reader meets the end of the file: that mob is dropped, the
    // ones before it stay.
    QByteArray second = guard;
    second.replace("#120", "#121");
    QTest::newRow("no end marker") << ID_OPEN_MOB_FILE << guard + second << 1
                                   << QStringLiteral("Unexpected fields found.");
    QTest::newRow("empty item file") << ID_OPEN_ITEM_FILE << QByteArray() << 0
                                     << QStringLiteral("Unexpected data found.");
}

void TestMainFrame::importArea()
{
    QFETCH(int, command);
    QFETCH(QByteArray, content);
    QFETCH(int, mobs);
    QFETCH(QString, message);

    Program program;
    // A cancelled dialog changes nothing.
    program.run(command);
    QVERIFY(!program.doc.IsModified());
    QVERIFY(program.files.filters.last().startsWith(command == ID_OPEN_MOB_FILE ? QStringLiteral("Mob Files (*.mob)")
                                                                                : QStringLiteral("Item Files (*.obj)")));

    QString path = program.file(QStringLiteral("area.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    program.files.answers = {path};
    program.run(command);

    QCOMPARE(program.doc.getWorld().mobs.size(), std::size_t(mobs));
    if (mobs > 0)
        QCOMPARE(program.doc.getWorld().mobs[0].identifier, std::string("#120 the guard"));
    QCOMPARE(program.messages.messages.empty(), message.isEmpty());
    if (!message.isEmpty())
        QCOMPARE(QString::fromStdString(program.messages.messages[0]), message);
    QVERIFY(program.doc.IsModified()); // whatever the file held, once a file was chosen
}

void TestMainFrame::barsAndToggles()
{
    Program program;
    QToolBar* bar = program.frame->toolBar();
    QCOMPARE(toolbarIds(bar), strings({"57600", "57601", "57603", "-", "32778", "32777", "-", "32782"}));

    QAction* toggle = program.frame->menus().action(ID_VIEW_TOOLBAR);
    QVERIFY(toggle->isChecked());
    toggle->trigger();
    QVERIFY(!bar->isVisible());
    toggle->trigger();
    QVERIFY(bar->isVisible());
    bar->hide(); // closed some other way: the check mark follows
    QVERIFY(!toggle->isChecked());

    QStringList panes;
    for (QLabel* label : program.frame->statusBar()->findChildren<QLabel*>())
        panes << label->text();
    QCOMPARE(panes, strings({"Ready", "CAP", "NUM", "SCRL"}));
    program.frame->menus().action(ID_VIEW_STATUS_BAR)->trigger();
    QVERIFY(!program.frame->statusBar()->isVisible());
}

void TestMainFrame::sampleZone()
{
    const QString sample = QStringLiteral(TARNHOLT_EXAMPLES_DIR "/castle.rlm");
    if (!QFileInfo::exists(sample))
        QSKIP("examples/castle.rlm has not been written yet");

    Program program;
    QVERIFY(program.frame->openDocumentFile(sample));
    QCOMPARE(program.frame->windowTitle(), QStringLiteral("castle.rlm - Tarnholt"));
    World& world = program.doc.getWorld();
    const World built = buildCastle();
    QCOMPARE(world.rooms.size(), std::size_t(12));
    QVERIFY(world.rooms == built.rooms);
    QVERIFY(world.mobs == built.mobs);
    QVERIFY(world.items == built.items);
    QVERIFY(world.shops == built.shops);
    QCOMPARE(world.zoneName, built.zoneName);

    // Saved elsewhere, the sample generates without a single warning.
    program.files.answers = {program.file(QStringLiteral("castle.rlm"))};
    program.run(ID_FILE_SAVE_AS);
    bool warned = false;
    QPointer<QTimer> watch = whenModal([](QDialog* dialog) { dialog->reject(); }, &warned);
    program.run(ID_GENERATE_CODE);
    delete watch.data();
    QVERIFY(program.messages.messages.empty());
    QVERIFY(fileExists(program.file(QStringLiteral("30.zon"))));
    QVERIFY2(!warned, "the sample zone raises warnings");
}

QTEST_MAIN(TestMainFrame)
#include "test_mainframe.moc"
