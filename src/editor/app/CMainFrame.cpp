#include "app/CMainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

#include "app/CAboutDialog.h"
#include "app/CFileChooser.h"
#include "app/CMenuTree.h"
#include "app/CMessageQuestions.h"
#include "app/CRecordFinder.h"
#include "app/CTarnholtDoc.h"
#include "app/CTarnholtIcon.h"
#include "app/CText.h"
#include "generate/CWarningsDialog.h"
#include "generate/Generator.h"
#include "map/CEntityCommands.h"
#include "map/CTarnholtView.h"
#include "map/Importer.h"
#include "settings/CDefineColors.h"
#include "settings/CSettingsStore.h"
#include "settings/DisplaySettings.h"
#include "universe/TemplateLibrary.h"
#include "world/CZoneProperties.h"
#include "world/Files.h"

namespace tarnholt {

namespace {

const QString kDocumentFilter = QStringLiteral("Tarnholt (*.rlm);;All Files (*.*)");

} // namespace

CMainFrame::CMainFrame(CTarnholtDoc& doc, CFileChooser& files, QWidget* parent)
    : QMainWindow(parent), doc_(doc), files_(files)
{
    setWindowIcon(CTarnholtIcon::icon());
    setAcceptDrops(true);
    questions().setParent(this);

    menus_ = new CMenuTree(menuBar());
    connect(menus_, &CMenuTree::command, this, &CMainFrame::runCommand);
    connect(menus_, &CMenuTree::more, this, &CMainFrame::onMore);
    // The lists of records and templates follow the data each time any menu opens.
    for (int position = 0; position < 7; ++position)
        connect(menus_->topMenu(position), &QMenu::aboutToShow, this, &CMainFrame::OnInitMenuPopup);

    createToolBar();
    createStatusBar();

    setCentralWidget(new CTarnholtView(doc_, this));
    entities_ = new CEntityCommands(doc_, TemplateLibrary::instance(), questions(), this);

    auto store = CSettingsStore::open();
    recentFiles_ = CSettingsStore::loadRecentFiles(*store);
    menus_->setRecentFiles(recentFiles_);

    connect(&doc_, &CTarnholtDoc::titleChanged, this, &CMainFrame::updateTitle);
    connect(&doc_, &CTarnholtDoc::documentReplaced, this, &CMainFrame::updateTitle);
    updateTitle();
    resize(1000, 720);
}

CMainFrame::~CMainFrame()
{
    if (qApp != nullptr)
        qApp->removeEventFilter(this);
    questions().setParent(nullptr);
}

CMessageQuestions& CMainFrame::questions()
{
    return doc_.questions();
}

QWidget* CMainFrame::mapView() const
{
    return centralWidget();
}

void CMainFrame::createToolBar()
{
    toolBar_ = addToolBar(QStringLiteral("Standard"));
    toolBar_->setObjectName(QStringLiteral("Standard"));
    toolBar_->setIconSize(QSize(16, 15));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->setMovable(true);
    const int buttons[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_ADD_ITEM, ID_ADD_MOB, 0, ID_EDIT_ZONE};
    for (int id : buttons) {
        if (id == 0) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = menus_->action(id);
        action->setIcon(CTarnholtIcon::toolIcon(id));
        if (action->toolTip().isEmpty() || action->toolTip() == action->text())
            action->setToolTip(action->text().remove(QLatin1Char('&')));
        toolBar_->addAction(action);
    }
    // Menus show their entries' text, not these images.
    for (int id : buttons) {
        if (id != 0)
            menus_->action(id)->setIconVisibleInMenu(false);
    }

    QAction* toggle = menus_->action(ID_VIEW_TOOLBAR);
    toggle->setChecked(true);
    connect(toolBar_, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::createStatusBar()
{
    QStatusBar* bar = statusBar();
    auto ready = new QLabel(QStringLiteral("Ready"), bar);
    bar->addWidget(ready, 1);
    capsPane_ = new QLabel(QStringLiteral("CAP"), bar);
    numPane_ = new QLabel(QStringLiteral("NUM"), bar);
    scrollPane_ = new QLabel(QStringLiteral("SCRL"), bar);
    for (QLabel* pane : {capsPane_, numPane_, scrollPane_}) {
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // Shown greyed while the lock is off (or its state cannot be read).
        pane->setEnabled(false);
        bar->addPermanentWidget(pane);
    }
    // The X11 key events carry the lock state; elsewhere the panes stay off.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        qApp->installEventFilter(this);

    QAction* toggle = menus_->action(ID_VIEW_STATUS_BAR);
    toggle->setChecked(true);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto key = static_cast<QKeyEvent*>(event);
        quint32 state = key->nativeModifiers();
        constexpr quint32 lockMask = 1u << 1; // X11 LockMask: Caps Lock
        constexpr quint32 numMask = 1u << 4;  // X11 Mod2Mask: Num Lock on common keymaps
        capsPane_->setEnabled((state & lockMask) != 0);
        numPane_->setEnabled((state & numMask) != 0);
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::updateTitle()
{
    setWindowTitle(doc_.title() + QStringLiteral(" - Tarnholt"));
}

void CMainFrame::runCommand(int id)
{
    switch (id) {
    case ID_FILE_NEW:
        newDocument();
        return;
    case ID_FILE_OPEN:
        onOpen();
        return;
    case ID_FILE_SAVE:
        saveDocument();
        return;
    case ID_FILE_SAVE_AS:
        saveDocumentAs();
        return;
    case ID_OPEN_ITEM_FILE:
        onImport(true);
        return;
    case ID_OPEN_MOB_FILE:
        onImport(false);
        return;
    case ID_GENERATE_CODE:
        onGenerateCode();
        return;
    case ID_APP_EXIT:
        close();
        return;
    case ID_EDIT_ZONE:
        onEditZone();
        return;
    case ID_DEFINE_COLORS:
        onDefineColors();
        return;
    case ID_VIEW_TOOLBAR:
        toolBar_->setVisible(menus_->action(ID_VIEW_TOOLBAR)->isChecked());
        return;
    case ID_VIEW_STATUS_BAR:
        statusBar()->setVisible(menus_->action(ID_VIEW_STATUS_BAR)->isChecked());
        return;
    case ID_APP_ABOUT:
        onAbout();
        return;
    case ID_OVERVIEW:
    case ID_HELP:
        return; // there is no guide to show
    default:
        break;
    }
    if (id >= ID_FILE_MRU_FIRST && id < ID_FILE_MRU_FIRST + CSettingsStore::kRecentFileCount) {
        onOpenRecent(id - ID_FILE_MRU_FIRST);
        return;
    }
    // The Objects, Templates and Utilities commands, numbered submenu entries included.
    if (entities_->handles(id))
        entities_->run(id);
}

void CMainFrame::OnInitMenuPopup()
{
    menus_->rebuildLists(doc_.getWorld(), TemplateLibrary::instance());
}

// --- Document commands ---------------------------------------------------------------------------

bool CMainFrame::SaveModified()
{
    if (!doc_.IsModified())
        return true;
    std::string text = "Save changes to " + CText::toRecord(doc_.title()) + "?";
    switch (questions().askSaveChanges(text)) {
    case CMessageQuestions::SaveAnswer::Yes:
        return saveDocument();
    case CMessageQuestions::SaveAnswer::No:
        return true;
    case CMessageQuestions::SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool CMainFrame::newDocument()
{
    if (!SaveModified())
        return false;
    return doc_.OnNewDocument();
}

void CMainFrame::onOpen()
{
    QString directory = doc_.path().isEmpty() ? QDir::currentPath() : QFileInfo(doc_.path()).absolutePath();
    QString path = files_.openFileName(this, QStringLiteral("Open"), directory, kDocumentFilter);
    if (!path.isEmpty())
        openDocumentFile(path);
}

bool CMainFrame::openDocumentFile(const QString& path)
{
    if (!SaveModified())
        return false;
    if (!doc_.OnOpenDocument(path))
        return false;
    noteRecentFile(path);
    return true;
}

void CMainFrame::onOpenRecent(int number)
{
    if (number < 0 || number >= recentFiles_.size())
        return;
    QString path = recentFiles_.at(number);
    if (!SaveModified())
        return;
    // A recent file that can no longer be opened leaves the list.
    if (doc_.OnOpenDocument(path))
        noteRecentFile(path);
    else
        forgetRecentFile(path);
}

bool CMainFrame::saveDocument()
{
    if (doc_.path().isEmpty())
        return saveDocumentAs();
    if (!doc_.OnSaveDocument(doc_.path()))
        return false;
    noteRecentFile(doc_.path());
    return true;
}

bool CMainFrame::saveDocumentAs()
{
    QString proposed = doc_.path();
    if (proposed.isEmpty())
        proposed = QDir::current().filePath(doc_.title() + QStringLiteral(".rlm"));
    QString path = files_.saveFileName(this, QStringLiteral("Save As"), proposed, kDocumentFilter,
                                       QStringLiteral("rlm"));
    if (path.isEmpty())
        return false;
    if (!doc_.OnSaveDocument(path))
        return false;
    noteRecentFile(path);
    return true;
}

void CMainFrame::noteRecentFile(const QString& path)
{
    QString full = QFileInfo(path).absoluteFilePath();
    recentFiles_.removeAll(full);
    recentFiles_.prepend(full);
    while (recentFiles_.size() > CSettingsStore::kRecentFileCount)
        recentFiles_.removeLast();
    storeRecentFiles();
}

void CMainFrame::forgetRecentFile(const QString& path)
{
    recentFiles_.removeAll(path);
    storeRecentFiles();
}

void CMainFrame::storeRecentFiles()
{
    menus_->setRecentFiles(recentFiles_);
    auto store = CSettingsStore::open();
    CSettingsStore::saveRecentFiles(*store, recentFiles_);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (SaveModified())
        event->accept();
    else
        event->ignore();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    for (const QUrl& url : urls) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            return;
        }
    }
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    for (const QUrl& url : urls) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            activateWindow();
            // One document at a time: the first file dropped is the one opened.
            openDocumentFile(url.toLocalFile());
            return;
        }
    }
}

// --- Zone commands -------------------------------------------------------------------------------

void CMainFrame::onImport(bool items)
{
    QString filter = items ? QStringLiteral("Item Files (*.obj);;All Files (*.*)")
                           : QStringLiteral("Mob Files (*.mob);;All Files (*.*)");
    QString directory = doc_.path().isEmpty() ? QDir::currentPath() : QFileInfo(doc_.path()).absolutePath();
    QString path = files_.openFileName(this, QStringLiteral("Open"), directory, filter);
    if (path.isEmpty())
        return;
    importAreaFile(CText::toPath(path), doc_.getWorld(), doc_.getUniverse(), questions(),
                   items ? ImportKind::Items : ImportKind::Mobs);
    // Whatever the file held, the import counts as a change once a file was chosen.
    doc_.markChanged();
}

void CMainFrame::onGenerateCode()
{
    // The area files go beside the document.
    std::string folder = directoryOf(doc_.document().path());
    GenerateResult result;
    {
        Generator generator(doc_.getUniverse(), doc_.getWorld());
        result = generator.generate(folder, questions());
    }
    // Newly assigned vnums live only in the World until the document is saved.
    if (result.vnumsChanged)
        doc_.SetModifiedFlag(true);
    if (result.written && !result.warnings.empty()) {
        CWarningsDialog warnings(result.warnings, this);
        warnings.exec();
    }
}

void CMainFrame::onEditZone()
{
    CZoneProperties form(doc_.getWorld(), questions(), this);
    if (form.exec() == QDialog::Accepted)
        doc_.markChanged();
}

void CMainFrame::onDefineColors()
{
    CDefineColors form(displaySettings(), questions(), this);
    if (form.exec() == QDialog::Accepted)
        doc_.UpdateAllViews();
}

void CMainFrame::onAbout()
{
    CAboutDialog about(this);
    about.exec();
}

// --- Record and template lists -------------------------------------------------------------------

void CMainFrame::onMore(ListCommand command)
{
    std::vector<std::pair<int, std::string>> entries;
    const World& world = doc_.getWorld();
    const TemplateLibrary& library = TemplateLibrary::instance();
    auto addNames = [&entries](const std::vector<std::string>& names) {
        for (std::size_t i = 0; i < names.size(); ++i)
            entries.emplace_back(static_cast<int>(i), names[i]);
    };
    switch (command) {
    case ListCommand::EditMob:
    case ListCommand::DeleteMob:
        for (std::size_t i = 0; i < world.mobs.size(); ++i) {
            if (!world.mobs[i].identifier.empty())
                entries.emplace_back(static_cast<int>(i), world.mobs[i].identifier);
        }
        break;
    case ListCommand::EditItem:
    case ListCommand::DeleteItem:
        for (std::size_t i = 0; i < world.items.size(); ++i) {
            if (!world.items[i].identifier.empty())
                entries.emplace_back(static_cast<int>(i), world.items[i].identifier);
        }
        break;
    case ListCommand::EditShop:
    case ListCommand::DeleteShop:
        for (std::size_t i = 0; i < world.shops.size(); ++i) {
            if (!world.shops[i].room.empty())
                entries.emplace_back(static_cast<int>(i), world.shops[i].room);
        }
        break;
    case ListCommand::UseItemTemplate:
    case ListCommand::DeleteItemTemplate:
        addNames(library.items().names());
        break;
    case ListCommand::UseMobTemplate:
    case ListCommand::DeleteMobTemplate:
        addNames(library.mobs().names());
        break;
    case ListCommand::UseRoomTemplate:
    case ListCommand::DeleteRoomTemplate:
        addNames(library.rooms().names());
        break;
    }
    QString title = menus_->listMenu(command)->title();
    CRecordFinder finder(title, std::move(entries), questions(), this);
    if (finder.exec() == QDialog::Accepted && finder.chosenIndex() >= 0)
        entities_->runListCommand(command, finder.chosenIndex());
}

} // namespace tarnholt
