// The main window driven as a builder uses it: document commands and the unsaved-changes question,
// title, recent files, file drop, menus, Edit Zone, Define Colors, Generate Code, imports and bars.

#include <QDir>
#include <QFile>
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
#include "app/CRecordFinder.h"
#include "app/CTarnholtDoc.h"
#include "app/CommandIds.h"
#include "editor/app/EditorTestSupport.h"
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

    QString file(const char* name) const { return folder.filePath(qt(name)); }
    QString title() const { return frame->windowTitle(); }
    World& world() { return doc.getWorld(); }
    void run(int id) { frame->runCommand(id); }

    QString writeFile(const char* name, const QByteArray& content)
    {
        QFile out(file(name));
        if (!out.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", name);
        out.write(content);
        return out.fileName();
    }

    QString writeZone(const char* name, const char* zoneName)
    {
        Document other;
        other.world().zoneName = zoneName;
        other.save(file(name).toStdString());
        return file(name);
    }

    void addRoom(const char* identifier)
    {
        Room& room = world().rooms.emplace_back();
        room.identifier = identifier;
        room.column = static_cast<int32_t>(world().rooms.size());
        room.description = "A room.";
        doc.markChanged();
    }

    void drop(const QString& path)
    {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&*frame, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&*frame, &drop);
    }
};

} // namespace

class TestMainFrame : public QObject {
    Q_OBJECT

private slots:
    void titleFollowsTheDocument()
    {
        Program program;
        QCOMPARE(program.title(), qt("Untitled - Tarnholt"));
        program.addRoom("hall");
        program.files.answers = {program.file("castle.rlm")};
        program.run(ID_FILE_SAVE); // never saved: Save asks for a name
        QCOMPARE(program.title(), qt("castle.rlm - Tarnholt"));
        QVERIFY(!program.doc.IsModified());
        QVERIFY(QFileInfo::exists(program.file("castle.rlm")));
        QVERIFY(program.files.filters.first().startsWith(qt("Tarnholt (*.rlm)")));

        program.run(ID_FILE_NEW); // not modified: no question
        QVERIFY(program.messages.saveQuestions.empty() && program.world().rooms.empty());
        QCOMPARE(program.title(), qt("Untitled - Tarnholt"));
    }

    void unsavedChangesQuestion_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("answer");
        for (const char* action : {"new", "open", "recent", "drop", "exit"}) {
            QTest::addRow("%s, Yes", action) << qt(action) << int(SaveAnswer::Yes);
            QTest::addRow("%s, No", action) << qt(action) << int(SaveAnswer::No);
            QTest::addRow("%s, Cancel", action) << qt(action) << int(SaveAnswer::Cancel);
        }
    }

    void unsavedChangesQuestion()
    {
        QFETCH(QString, action);
        QFETCH(int, answer);
        Program program;
        QString other = program.writeZone("other.rlm", "Other");
        if (action == qt("recent")) {
            QVERIFY(program.frame->openDocumentFile(other));
            program.run(ID_FILE_NEW);
        }
        program.addRoom("hall");
        program.messages.saveAnswers = {SaveAnswer(answer)};
        QString saved = program.file("saved.rlm");
        if (action == qt("open"))
            program.files.answers.push_back(other);
        program.files.answers.push_back(saved); // Save As, asked only after a Yes

        if (action == qt("new"))
            program.run(ID_FILE_NEW);
        else if (action == qt("open"))
            program.run(ID_FILE_OPEN);
        else if (action == qt("recent"))
            program.run(ID_FILE_MRU_FIRST);
        else if (action == qt("drop"))
            program.drop(other);
        else
            program.run(ID_APP_EXIT);

        QCOMPARE(program.messages.saveQuestions, std::vector<std::string>{"Save changes to Untitled?"});
        QCOMPARE(QFileInfo::exists(saved), answer == int(SaveAnswer::Yes));
        if (answer == int(SaveAnswer::Yes)) {
            Document written;
            QVERIFY(written.open(saved.toStdString()).empty());
            QCOMPARE(written.world().rooms.size(), std::size_t(1));
        }
        if (answer == int(SaveAnswer::Cancel)) { // nothing happened: the work is still there, unsaved
            QVERIFY(program.frame->isVisible() && program.doc.IsModified());
            QCOMPARE(program.world().rooms.size(), std::size_t(1));
        } else if (action == qt("exit")) {
            QVERIFY(!program.frame->isVisible());
        } else {
            QVERIFY(program.world().rooms.empty() && !program.doc.IsModified());
            QCOMPARE(program.title(), qt(action == qt("new") ? "Untitled - Tarnholt" : "other.rlm - Tarnholt"));
        }
    }

    void saveFailureKeepsTheWindowOpen()
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
        program.files.answers = {program.file("no/such/folder/castle.rlm")};
        program.run(ID_FILE_NEW);
        QCOMPARE(program.messages.messages.size(), std::size_t(1));
        QCOMPARE(program.world().rooms.size(), std::size_t(1));
        QVERIFY(program.doc.IsModified());
    }

    void failedOpenKeepsTheDocument_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<QString>("message");
        QTest::newRow("not a world file") << QByteArray("\x01\x00\x00\x00garbage", 11) << qt("Unexpected file format.");
        QTest::newRow("missing file") << QByteArray() << qt("Cannot find this file.");
    }

    void failedOpenKeepsTheDocument()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        Program program;
        program.files.answers = {program.file("mine.rlm")};
        program.run(ID_FILE_SAVE_AS);
        program.addRoom("hall");
        QString bad = content.isEmpty() ? program.file("bad.rlm") : program.writeFile("bad.rlm", content);
        program.messages.saveAnswers = {SaveAnswer::No};
        QVERIFY(!program.frame->openDocumentFile(bad));

        QCOMPARE(program.messages.messages.size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(program.messages.messages[0]).contains(message), program.messages.messages[0].c_str());
        QCOMPARE(program.world().rooms.size(), std::size_t(1));
        QVERIFY(program.doc.IsModified());
        QCOMPARE(program.title(), qt("mine.rlm - Tarnholt"));
        QVERIFY(!program.frame->recentFiles().contains(bad));
    }

    void recentFiles()
    {
        Program program;
        QStringList paths;
        for (int i = 0; i < 12; ++i)
            paths << program.writeZone(QStringLiteral("z%1.rlm").arg(i).toLatin1().constData(), "Zone");
        for (const QString& path : paths)
            QVERIFY(program.frame->openDocumentFile(path));
        QVERIFY(program.frame->openDocumentFile(paths.at(5))); // again: to the top, not twice
        QStringList expected{paths.at(5), paths.at(11), paths.at(10), paths.at(9), paths.at(8),
                             paths.at(7), paths.at(6), paths.at(4), paths.at(3), paths.at(2)};
        QCOMPARE(program.frame->recentFiles(), expected);

        // The list outlives the window.
        CTarnholtDoc doc(program.messages);
        QCOMPARE(CMainFrame(doc, program.files).recentFiles(), expected);

        // An entry whose file has gone is reported and leaves the list; the document stays.
        QFile::remove(paths.at(11));
        program.run(ID_FILE_MRU_FIRST + 1);
        QCOMPARE(program.messages.messages.size(), std::size_t(1));
        QVERIFY(!program.frame->recentFiles().contains(paths.at(11)));
        QCOMPARE(program.title(), qt("z5.rlm - Tarnholt"));
    }

    void menusFollowTheWorldAndMoreReachesEveryRecord()
    {
        Program program;
        World& world = program.world();
        world.mobs.resize(2); // two without an Identifier, then mob2 to mob1000
        for (int i = 2; i <= 1000; ++i)
            world.mobs.emplace_back().identifier = "mob" + std::to_string(i);
        // Any menu of the bar rebuilds the lists from the World as it is when it opens.
        program.frame->menus().topMenu(0)->popup(QPoint(20, 20));
        program.frame->menus().topMenu(0)->hide();
        bool seen = false;
        whenModal(
            [](QDialog* dialog) {
                auto finder = qobject_cast<CRecordFinder*>(dialog);
                QVERIFY(finder != nullptr);
                QCOMPARE(finder->windowTitle(), qt("Delete a Mob"));
                QCOMPARE(finder->list()->count(), 999); // records without an Identifier are not offered
                typeInto(finder->findField(), qt("mob1000"));
                click(finder, "OK");
            },
            &seen);
        program.frame->menus().listMenu(ListCommand::DeleteMob)->actions().last()->trigger(); // "More..."
        QVERIFY(seen && program.doc.IsModified());
        QCOMPARE(world.mobs.back().identifier, std::string("mob999"));
    }

    void editZoneAndDefineColors()
    {
        Program program;
        World& world = program.world();
        world.startMobVnum = 100;
        world.mobs.emplace_back().vnum = 100;
        program.doc.SetModifiedFlag(false);
        whenModal([](QDialog* dialog) { click(dialog, "Cancel"); });
        program.run(ID_EDIT_ZONE);
        QVERIFY(!program.doc.IsModified());
        program.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&*program.frame));
        whenModal([](QDialog* dialog) {
            typeInto(qobject_cast<CZoneProperties*>(dialog)->startMob(), qt("200"));
            click(dialog, "Ok");
        });
        QTest::keyClick(&*program.frame, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(world.startMobVnum == 200 && world.mobs[0].vnum == 0 && program.doc.IsModified());

        // Colours belong to the program, not to the document; the map is repainted at once.
        program.doc.SetModifiedFlag(false);
        const DisplaySettings saved = displaySettings();
        QSignalSpy repaints(&program.doc, &CTarnholtDoc::worldChanged);
        for (const char* button : {"Cancel", "OK"}) {
            whenModal([button](QDialog* dialog) {
                typeInto(qobject_cast<CDefineColors*>(dialog)->field(0, CDefineColors::Blue), qt("255"));
                click(dialog, button);
            });
            program.run(ID_DEFINE_COLORS);
        }
        QCOMPARE(displaySettings().roomText, (Rgb{255, 0, 255}));
        QCOMPARE(repaints.size(), 1);
        QVERIFY(!program.doc.IsModified());
        displaySettings() = saved;
    }

    void generateCode()
    {
        Program program;
        World& world = program.world();
        world.zoneNumber = 30;
        world.startRoomVnum = 3000;
        program.addRoom("hall");
        program.addRoom("kitchen");
        world.rooms[1].vnum = 3000;
        program.files.answers = {program.file("castle.rlm")};
        program.run(ID_FILE_SAVE);

        // The run numbers the new room: the document now holds unsaved numbers.
        const QDir startDir = QDir::current();
        program.run(ID_GENERATE_CODE);
        QVERIFY(program.messages.messages.empty());
        QVERIFY(world.rooms[0].vnum == 3001 && program.doc.IsModified());
        for (const char* name : {"30.obj", "30.mob", "30.wld", "30.zon"}) {
            QVERIFY2(QFileInfo::exists(program.file(name)), name);
            QVERIFY2(!startDir.exists(qt(name)), "area files go beside the document");
        }
        program.run(ID_FILE_SAVE);
        program.run(ID_GENERATE_CODE);
        QVERIFY(!program.doc.IsModified()); // nothing new to number

        world.rooms[0].description.clear();
        LoadAction& load = world.rooms[1].loads.emplace_back();
        load.task = LoadAction::LoadMob;
        load.mob = "nobody";
        QStringList rows;
        whenModal([&rows](QDialog* dialog) {
            auto window = qobject_cast<CWarningsDialog*>(dialog);
            QVERIFY(window != nullptr);
            for (int i = 0; i < window->list()->topLevelItemCount(); ++i) {
                QTreeWidgetItem* row = window->list()->topLevelItem(i);
                rows << row->text(0) + QLatin1Char('|') + row->text(1) + QLatin1Char('|') + row->text(2);
            }
            click(window, "Close");
        });
        program.run(ID_GENERATE_CODE);
        QCOMPARE(rows, strings({"Room|hall|No Description", "Room-Action|kitchen|Invalid Mob on a Load Mob Action."}));
    }

    void importMobs()
    {
        Program program;
        program.run(ID_OPEN_MOB_FILE); // a cancelled dialog changes nothing
        QVERIFY(!program.doc.IsModified());
        QVERIFY(program.files.filters.last().startsWith(qt("Mob Files (*.mob)")));
        program.files.answers = {program.writeFile("area.mob", "#120\r\nguard~\r\nthe guard~\r\nA guard stands here.\r\n"
                                                               "~\r\nHe looks tough.\r\n~\r\nB 0 0 S\r\n5 15 5 1d8+10 "
                                                               "1d6+1\r\n10 100\r\n8 8 1\r\n#99999\r\n")};
        program.run(ID_OPEN_MOB_FILE);
        QCOMPARE(program.world().mobs.size(), std::size_t(1));
        QCOMPARE(program.world().mobs[0].identifier, std::string("#120 the guard"));
        QVERIFY(program.messages.messages.empty() && program.doc.IsModified());
        program.run(ID_OPEN_ITEM_FILE);
        QVERIFY(program.files.filters.last().startsWith(qt("Item Files (*.obj)")));
    }

    void barsAndToggles()
    {
        Program program;
        QToolBar* bar = program.frame->toolBar();
        QStringList ids;
        for (QAction* action : bar->actions())
            ids << (action->isSeparator() ? qt("-") : QString::number(action->data().toInt()));
        QCOMPARE(ids, strings({"57600", "57601", "57603", "-", "32778", "32777", "-", "32782"}));

        QCOMPARE(labelTexts(program.frame->statusBar()), strings({"Ready", "CAP", "NUM", "SCRL"}));
        program.frame->menus().action(ID_VIEW_TOOLBAR)->trigger();
        program.frame->menus().action(ID_VIEW_STATUS_BAR)->trigger();
        QVERIFY(!bar->isVisible() && !program.frame->statusBar()->isVisible());
        bar->show(); // shown some other way: the check mark follows
        QVERIFY(program.frame->menus().action(ID_VIEW_TOOLBAR)->isChecked());
    }

    void sampleZoneOpensAndGeneratesWithoutWarnings()
    {
        const QString sample = QStringLiteral(TARNHOLT_EXAMPLES_DIR "/castle.rlm");
        Program program;
        QVERIFY(program.frame->openDocumentFile(sample));
        const World& world = program.world();
        QCOMPARE((QList<std::size_t>{world.rooms.size(), world.mobs.size(), world.items.size(), world.shops.size()}),
                 (QList<std::size_t>{12, 3, 5, 1}));
        program.files.answers = {program.file("castle.rlm")};
        program.run(ID_FILE_SAVE_AS);
        bool warned = false;
        QPointer<QTimer> watch = whenModal([](QDialog* dialog) { dialog->reject(); }, &warned);
        program.run(ID_GENERATE_CODE);
        delete watch.data();
        QVERIFY(program.messages.messages.empty());
        QVERIFY(QFileInfo::exists(program.file("30.zon")));
        QVERIFY2(!warned, "the sample zone raises warnings");
    }
};

QTEST_MAIN(TestMainFrame)
#include "test_mainframe.moc"
