#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>
#include <array>

#include "app/CommandIds.h"

class QAction;
class QMenu;
class QMenuBar;

namespace tarnholt {

class TemplateLibrary;
class World;

/// The menu bar of the main frame: every fixed entry with its command identifier, shortcut and
/// prompt, the recent-file entries, and the submenus that list the World's mobs, items and shops
/// and the library's templates, which are rebuilt each time a menu of the bar opens.
class CMenuTree : public QObject {
    Q_OBJECT

public:
    explicit CMenuTree(QMenuBar* bar);

    /// The fixed entry with command identifier `id`, or null.
    QAction* action(int id) const { return actions_.value(id, nullptr); }
    /// The menu at bar position `position`, 0 "&File" to 6 "&Help".
    QMenu* topMenu(int position) const;
    /// One of the twelve submenus of "&Objects" and "&Templates".
    QMenu* listMenu(ListCommand command) const { return listMenus_[static_cast<std::size_t>(command)]; }

    /// "Status-bar prompt\nTool tip" of a command, or "" when it has none.
    static QString prompt(int id);

    /// Empties the twelve submenus and fills them again. Records are listed by index in groups of a
    /// hundred ("First 100 Mobs" ...), those with an empty Identifier (a shop: an empty room) left
    /// out; a kind with more than 1000 records (or 50 templates) gets a last entry "More...".
    void rebuildLists(const World& world, const TemplateLibrary& library);

    /// Puts the recent files (most recent first) between the separators above "E&xit".
    void setRecentFiles(const QStringList& files);
    /// The recent-file entries, in menu order (57616 onward).
    QList<QAction*> recentActions() const { return recentActions_; }

signals:
    /// A fixed entry, a recent file or a numbered list entry was chosen.
    void command(int id);
    /// "More..." was chosen in the submenu of `command`.
    void more(ListCommand command);

private:
    QAction* addCommand(QMenu* menu, const char* text, int id);
    QMenu* addListMenu(QMenu* menu, const char* title, ListCommand command);
    void fillRecords(ListCommand edit, ListCommand remove, const std::vector<std::string>& texts,
                     const char* const groupNames[10]);
    void fillTemplates(ListCommand use, ListCommand remove, const std::vector<std::string>& names, int current);
    void clearList(QMenu* menu);
    QAction* addMore(QMenu* menu, ListCommand command);

    QMenuBar* bar_;
    QHash<int, QAction*> actions_;
    std::array<QMenu*, kListCommandCount> listMenus_{};
    QList<QAction*> recentActions_;
    QAction* recentPlaceholder_ = nullptr;
    QAction* exitSeparator_ = nullptr;
    QMenu* fileMenu_ = nullptr;
};

} // namespace tarnholt
