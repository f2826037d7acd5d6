#pragma once

// A builder's session for the zone commands: a document with scripted message boxes, a template
// library of its own, the menu bar whose entries run the commands, and helpers to find entries
// of the rebuilt submenus.

#include <QMenu>
#include <QMenuBar>
#include <QMainWindow>
#include <QTemporaryDir>

#include <memory>

#include "app/CMenuTree.h"
#include "app/CTarnholtDoc.h"
#include "editor/app/EditorTestSupport.h"
#include "map/CEntityCommands.h"
#include "universe/TemplateLibrary.h"

namespace tarnholt::test {

struct Session {
    PrivateSettings settings;
    QTemporaryDir folder;
    ScriptedMessages messages;
    CTarnholtDoc doc{messages};
    TemplateLibrary library{folder.path().toStdString()};
    QMainWindow window;
    CMenuTree* menus = new CMenuTree(window.menuBar());
    CEntityCommands* commands = new CEntityCommands(doc, library, messages, &window);

    Session()
    {
        doc.OnNewDocument();
        QObject::connect(menus, &CMenuTree::command, commands, [this](int id) {
            if (commands->handles(id))
                commands->run(id);
        });
        window.show();
    }

    World& world() { return doc.getWorld(); }

    /// The entry `text` of a submenu as the builder finds it when the menu opens: inside one of
    /// the groups of a hundred for records, directly for templates. Null when not listed.
    QAction* entry(ListCommand command, const QString& text)
    {
        menus->rebuildLists(doc.getWorld(), library);
        return findEntry(menus->listMenu(command), text);
    }

    static QAction* findEntry(QMenu* menu, const QString& text)
    {
        for (QAction* action : menu->actions()) {
            if (action->menu() != nullptr) {
                if (QAction* found = findEntry(action->menu(), text))
                    return found;
            } else if (action->text() == text) {
                return action;
            }
        }
        return nullptr;
    }

    /// The fixed entry `id` of the menu bar.
    void choose(int id) { menus->action(id)->trigger(); }
};

/// The child of `form` named `name` (looked up on every page).
template <typename Widget>
Widget* field(QWidget* form, const char* name)
{
    return form->findChild<Widget*>(QString::fromLatin1(name));
}

} // namespace tarnholt::test
