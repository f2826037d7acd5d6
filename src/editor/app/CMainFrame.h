#pragma once

#include <QMainWindow>
#include <QStringList>

#include "app/CommandIds.h"

class QLabel;
class QToolBar;

namespace tarnholt {

class CEntityCommands;
class CFileChooser;
class CMenuTree;
class CMessageQuestions;
class CTarnholtDoc;
class CTarnholtView;

/// The program's one window: the menu bar, the toolbar, the status bar and the map of the document.
/// It carries the document commands (New, Open, Save, recent files, file drop, Exit with the
/// unsaved-changes question), Edit Zone, Define Colors, Generate Code, the imports and About, and
/// passes the Objects, Templates and Utilities commands on to CEntityCommands.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    /// `doc` and `files` must outlive the frame.
    CMainFrame(CTarnholtDoc& doc, CFileChooser& files, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CTarnholtDoc& document() { return doc_; }
    CMenuTree& menus() { return *menus_; }
    QToolBar* toolBar() const { return toolBar_; }
    /// The commands of the Objects, Templates and Utilities menus.
    CEntityCommands& entityCommands() { return *entities_; }
    /// The map of the document (the central widget).
    QWidget* mapView() const;

    /// Carries out the command with identifier `id`, as its menu entry or toolbar button does.
    void runCommand(int id);
    /// Rebuilds the Objects and Templates submenus from the World and the template library.
    void OnInitMenuPopup();

    /// File New: the unsaved-changes question, then a new document. False when cancelled.
    bool newDocument();
    /// Opens a document after the unsaved-changes question. False when cancelled or not opened
    /// (the current document then stays as it was).
    bool openDocumentFile(const QString& path);
    /// Saves to the document's path, or asks for one when it has none. False when not saved.
    bool saveDocument();
    /// Asks for a path and saves there. False when cancelled or not saved.
    bool saveDocumentAs();
    /// "Save changes to %1?" when the document is modified: Yes saves, No goes on, Cancel stops.
    /// False when the work at hand must not go on.
    bool SaveModified();

    /// The recent files, most recent first (at most ten).
    const QStringList& recentFiles() const { return recentFiles_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createToolBar();
    void createStatusBar();
    void updateTitle();
    void noteRecentFile(const QString& path);
    void forgetRecentFile(const QString& path);
    void storeRecentFiles();
    CMessageQuestions& questions();

    void onOpen();
    void onOpenRecent(int number);
    void onImport(bool items);
    void onGenerateCode();
    void onEditZone();
    void onDefineColors();
    void onAbout();
    void onMore(ListCommand command);

    CTarnholtDoc& doc_;
    CFileChooser& files_;
    CMenuTree* menus_ = nullptr;
    CEntityCommands* entities_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* capsPane_ = nullptr;
    QLabel* numPane_ = nullptr;
    QLabel* scrollPane_ = nullptr;
    QStringList recentFiles_;
};

} // namespace tarnholt
