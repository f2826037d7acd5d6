#include "app/CMenuTree.h"

#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include "app/CText.h"
#include "universe/TemplateLibrary.h"
#include "world/World.h"

namespace tarnholt {

namespace {

struct Prompt {
    int id;
    const char* text;
};

constexpr Prompt kPrompts[] = {
    {ID_HELP, "See some help on how to use the Tarnholt program"},
    {ID_SET_ROOM_DESCRIPTIONS, "Set the Room Description in one or more rooms"},
    {ID_ADD_MOB, "Add a new monster type\nAdd Mob"},
    {ID_ADD_ITEM, "Add a new item\nAdd Item"},
    {ID_SET_EXIT_DESCRIPTIONS, "Set all exit descriptions that go to a particular room or rooms"},
    {ID_DEFINE_COLORS, "Define what colors to use on the main screen"},
    {ID_ADD_ITEM_TEMPLATE, "Add a new item template"},
    {ID_EDIT_ZONE, "Edit the zone characteristics\nEdit Zone"},
    {ID_ADD_MOB_TEMPLATE, "Add a new mob template"},
    {ID_ADD_ROOM_TEMPLATE, "Add a room template"},
    {ID_GENERATE_CODE, "Generate the necessary code files for the world"},
    {ID_OVERVIEW, "A guide on how to use the Tarnholt program."},
    {ID_EDIT_ROOM, "Edit the characteristics of this room"},
    {ID_DELETE_ROOM, "Delete this room and all attached exits"},
    {ID_SHOW_LOADS, "Show all items and mobs set to load"},
    {ID_OPEN_ITEM_FILE, "Open a Kestrane object file and load into the current context."},
    {ID_OPEN_MOB_FILE, "Open a Kestrane mob file and load into the current context."},
    {ID_SHOW_SPELL_LIST, "Show the spell list and their associated spell numbers."},
    {ID_ADD_SHOP, "Add a new shop\nAdd Shop"},
    {ID_FILE_NEW, "Create a new document\nNew"},
    {ID_FILE_OPEN, "Open an existing document\nOpen"},
    {ID_FILE_SAVE, "Save the active document\nSave"},
    {ID_FILE_SAVE_AS, "Save the active document with a new name\nSave As"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
};

const char* const kMobGroups[10] = {"First 100 Mobs", "Second 100 Mobs", "Third 100 Mobs", "Fourth 100 Mobs",
                                    "Fifth 100 Mobs", "Sixth 100 Mobs", "Seventh 100 Mobs", "Eighth 100 Mobs",
                                    "Ninth 100 Mobs", "Tenth 100 Mobs"};
const char* const kItemGroups[10] = {"First 100 Items", "Second 100 Items", "Third 100 Items", "Fourth 100 Items",
                                     "Fifth 100 Items", "Sixth 100 Items", "Seventh 100 Items", "Eighth 100 Items",
                                     "Ninth 100 Items", "Tenth 100 Items"};
const char* const kShopGroups[10] = {"First 100 Shops", "Second 100 Shops", "Third 100 Shops", "Fourth 100 Shops",
                                     "Fifth 100 Shops", "Sixth 100 Shops", "Seventh 100 Shops", "Eighth 100 Shops",
                                     "Ninth 100 Shops", "Tenth 100 Shops"};

QString recentText(int number, const QString& path)
{
    // Long paths are shortened in the middle so the menu stays readable.
    QString shown = path;
    if (shown.size() > 60)
        shown = shown.left(20) + QStringLiteral("...") + shown.right(37);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(number).arg(shown);
}

} // namespace

QString CMenuTree::prompt(int id)
{
    if (id >= ID_FILE_MRU_FIRST && id < ID_FILE_MRU_FIRST + 10)
        return QStringLiteral("Open this document");
    for (const Prompt& p : kPrompts) {
        if (p.id == id)
            return QLatin1String(p.text);
    }
    return {};
}

CMenuTree::CMenuTree(QMenuBar* bar) : QObject(bar), bar_(bar)
{
    fileMenu_ = bar->addMenu(QStringLiteral("&File"));
    addCommand(fileMenu_, "&New\tCtrl+N", ID_FILE_NEW);
    addCommand(fileMenu_, "&Open...\tCtrl+O", ID_FILE_OPEN);
    addCommand(fileMenu_, "&Save\tCtrl+S", ID_FILE_SAVE);
    addCommand(fileMenu_, "Save &As...", ID_FILE_SAVE_AS);
    fileMenu_->addSeparator();
    addCommand(fileMenu_, "Open &Item File", ID_OPEN_ITEM_FILE);
    addCommand(fileMenu_, "Open &Mob File", ID_OPEN_MOB_FILE);
    fileMenu_->addSeparator();
    addCommand(fileMenu_, "Generate Code", ID_GENERATE_CODE);
    fileMenu_->addSeparator();
    recentPlaceholder_ = fileMenu_->addAction(QStringLiteral("Recent File"));
    recentPlaceholder_->setEnabled(false);
    exitSeparator_ = fileMenu_->addSeparator();
    addCommand(fileMenu_, "E&xit", ID_APP_EXIT);

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    addCommand(edit, "Edit &Zone\tCtrl+Z", ID_EDIT_ZONE);

    QMenu* objects = bar->addMenu(QStringLiteral("&Objects"));
    addCommand(objects, "Add &Mob\tCtrl+M", ID_ADD_MOB);
    addCommand(objects, "Add &Item\tCtrl+I", ID_ADD_ITEM);
    addCommand(objects, "Add &Shop\tCtrl+H", ID_ADD_SHOP);
    objects->addSeparator();
    addListMenu(objects, "Edit Existing Mob", ListCommand::EditMob);
    addListMenu(objects, "Edit Existing Item", ListCommand::EditItem);
    addListMenu(objects, "Edit Existing Shop", ListCommand::EditShop);
    objects->addSeparator();
    addListMenu(objects, "Delete a Mob", ListCommand::DeleteMob);
    addListMenu(objects, "Delete an Item", ListCommand::DeleteItem);
    addListMenu(objects, "Delete a Shop", ListCommand::DeleteShop);

    QMenu* templates = bar->addMenu(QStringLiteral("&Templates"));
    addCommand(templates, "Add Item Template", ID_ADD_ITEM_TEMPLATE);
    addCommand(templates, "Add Mob Template", ID_ADD_MOB_TEMPLATE);
    addCommand(templates, "Add Room Template", ID_ADD_ROOM_TEMPLATE);
    templates->addSeparator();
    addListMenu(templates, "Use Item Template", ListCommand::UseItemTemplate);
    addListMenu(templates, "Use Mob Template", ListCommand::UseMobTemplate);
    addListMenu(templates, "Use Room Template", ListCommand::UseRoomTemplate);
    templates->addSeparator();
    addListMenu(templates, "Delete Item Template", ListCommand::DeleteItemTemplate);
    addListMenu(templates, "Delete Mob Template", ListCommand::DeleteMobTemplate);
    addListMenu(templates, "Delete Room Template", ListCommand::DeleteRoomTemplate);

    QMenu* utilities = bar->addMenu(QStringLiteral("&Utilities"));
    addCommand(utilities, "Set Room &Descriptions", ID_SET_ROOM_DESCRIPTIONS);
    addCommand(utilities, "Set Room &Exit Descriptions", ID_SET_EXIT_DESCRIPTIONS);
    addCommand(utilities, "Show &Loads", ID_SHOW_LOADS);
    addCommand(utilities, "&Show Spell List", ID_SHOW_SPELL_LIST);
    utilities->addSeparator();
    addCommand(utilities, "Define &Colors", ID_DEFINE_COLORS);
    utilities->addSeparator();
    addCommand(utilities, "Reformat Descriptions to 60", ID_REFORMAT_60);
    addCommand(utilities, "Reformat Descriptions to 80", ID_REFORMAT_80);

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    addCommand(view, "&Toolbar", ID_VIEW_TOOLBAR)->setCheckable(true);
    addCommand(view, "&Status Bar", ID_VIEW_STATUS_BAR)->setCheckable(true);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    addCommand(help, "Tarnholt &Help\tF1", ID_HELP)->setEnabled(false); // no help file to show
    addCommand(help, "&Overview", ID_OVERVIEW);
    help->addSeparator();
    addCommand(help, "&About Tarnholt...", ID_APP_ABOUT);
}

QMenu* CMenuTree::topMenu(int position) const
{
    QList<QAction*> entries = bar_->actions();
    if (position < 0 || position >= entries.size())
        return nullptr;
    return entries.at(position)->menu();
}

QAction* CMenuTree::addCommand(QMenu* menu, const char* text, int id)
{
    // The entry texts carry their shortcut after a tab, as they are shown.
    QString full = QLatin1String(text);
    QString label = full.section(QLatin1Char('\t'), 0, 0);
    QString keys = full.section(QLatin1Char('\t'), 1);
    QAction* action = menu->addAction(label);
    action->setData(id);
    if (!keys.isEmpty())
        action->setShortcut(QKeySequence(keys, QKeySequence::PortableText));
    QString tip = prompt(id);
    action->setStatusTip(tip.section(QLatin1Char('\n'), 0, 0));
    if (tip.contains(QLatin1Char('\n')))
        action->setToolTip(tip.section(QLatin1Char('\n'), 1));
    connect(action, &QAction::triggered, this, [this, id] { emit command(id); });
    actions_.insert(id, action);
    return action;
}

QMenu* CMenuTree::addListMenu(QMenu* menu, const char* title, ListCommand command)
{
    QMenu* submenu = menu->addMenu(QLatin1String(title));
    listMenus_[static_cast<std::size_t>(command)] = submenu;
    return submenu;
}

void CMenuTree::clearList(QMenu* menu)
{
    // The group submenus are children of the list menu: delete them with their entries.
    QList<QMenu*> groups;
    for (QAction* entry : menu->actions()) {
        if (QMenu* group = entry->menu())
            groups.append(group);
    }
    menu->clear();
    qDeleteAll(groups);
}

QAction* CMenuTree::addMore(QMenu* menu, ListCommand command)
{
    QAction* entry = menu->addAction(QStringLiteral("More..."));
    connect(entry, &QAction::triggered, this, [this, command] { emit more(command); });
    return entry;
}

void CMenuTree::fillRecords(ListCommand edit, ListCommand remove, const std::vector<std::string>& texts,
                            const char* const groupNames[10])
{
    QMenu* editMenu = listMenu(edit);
    QMenu* removeMenu = listMenu(remove);
    std::array<QMenu*, 10> editGroups{};
    std::array<QMenu*, 10> removeGroups{};
    std::size_t reach = std::min<std::size_t>(texts.size(), kRecordMenuReach);
    for (std::size_t i = 0; i < reach; ++i) {
        if (texts[i].empty())
            continue;
        std::size_t group = i / 100;
        if (editGroups[group] == nullptr) {
            editGroups[group] = new QMenu(QLatin1String(groupNames[group]), editMenu);
            removeGroups[group] = new QMenu(QLatin1String(groupNames[group]), removeMenu);
        }
        QString text = CText::menuText(texts[i]);
        for (auto [menu, kind] : {std::pair{editGroups[group], edit}, std::pair{removeGroups[group], remove}}) {
            int id = listCommandBase(kind) + static_cast<int>(i);
            QAction* entry = menu->addAction(text);
            entry->setData(id);
            connect(entry, &QAction::triggered, this, [this, id] { emit command(id); });
        }
    }
    // Groups go in in order, after all entries are known, so that an empty group leaves no submenu.
    for (std::size_t group = 0; group < 10; ++group) {
        if (editGroups[group] != nullptr) {
            editMenu->addMenu(editGroups[group]);
            removeMenu->addMenu(removeGroups[group]);
        }
    }
    if (texts.size() > static_cast<std::size_t>(kRecordMenuReach)) {
        addMore(editMenu, edit);
        addMore(removeMenu, remove);
    }
}

void CMenuTree::fillTemplates(ListCommand use, ListCommand remove, const std::vector<std::string>& names,
                              int current)
{
    QMenu* useMenu = listMenu(use);
    QMenu* removeMenu = listMenu(remove);
    std::size_t reach = std::min<std::size_t>(names.size(), kTemplateMenuReach);
    for (std::size_t k = 0; k < reach; ++k) {
        QString text = CText::menuText(names[k]);
        int useId = listCommandBase(use) + static_cast<int>(k);
        QAction* entry = useMenu->addAction(text);
        entry->setData(useId);
        entry->setCheckable(true);
        entry->setChecked(static_cast<int>(k) == current);
        connect(entry, &QAction::triggered, this, [this, useId] { emit command(useId); });

        int removeId = listCommandBase(remove) + static_cast<int>(k);
        entry = removeMenu->addAction(text);
        entry->setData(removeId);
        connect(entry, &QAction::triggered, this, [this, removeId] { emit command(removeId); });
    }
    if (names.size() > static_cast<std::size_t>(kTemplateMenuReach)) {
        addMore(useMenu, use);
        addMore(removeMenu, remove);
    }
}

void CMenuTree::rebuildLists(const World& world, const TemplateLibrary& library)
{
    for (QMenu* menu : listMenus_)
        clearList(menu);

    std::vector<std::string> texts;
    texts.reserve(world.mobs.size());
    for (const Mob& mob : world.mobs)
        texts.push_back(mob.identifier);
    fillRecords(ListCommand::EditMob, ListCommand::DeleteMob, texts, kMobGroups);

    texts.clear();
    for (const Item& item : world.items)
        texts.push_back(item.identifier);
    fillRecords(ListCommand::EditItem, ListCommand::DeleteItem, texts, kItemGroups);

    texts.clear();
    for (const Shop& shop : world.shops)
        texts.push_back(shop.room);
    fillRecords(ListCommand::EditShop, ListCommand::DeleteShop, texts, kShopGroups);

    fillTemplates(ListCommand::UseItemTemplate, ListCommand::DeleteItemTemplate, library.items().names(),
                  library.items().currentIndex());
    fillTemplates(ListCommand::UseMobTemplate, ListCommand::DeleteMobTemplate, library.mobs().names(),
                  library.mobs().currentIndex());
    fillTemplates(ListCommand::UseRoomTemplate, ListCommand::DeleteRoomTemplate, library.rooms().names(),
                  library.rooms().currentIndex());
}

void CMenuTree::setRecentFiles(const QStringList& files)
{
    for (QAction* entry : std::as_const(recentActions_)) {
        fileMenu_->removeAction(entry);
        delete entry;
    }
    recentActions_.clear();
    recentPlaceholder_->setVisible(files.isEmpty());
    for (int i = 0; i < files.size() && i < 10; ++i) {
        int id = ID_FILE_MRU_FIRST + i;
        auto entry = new QAction(recentText(i + 1, files.at(i)), fileMenu_);
        entry->setData(id);
        entry->setStatusTip(prompt(id));
        entry->setToolTip(files.at(i));
        connect(entry, &QAction::triggered, this, [this, id] { emit command(id); });
        fileMenu_->insertAction(exitSeparator_, entry);
        recentActions_.append(entry);
    }
}

} // namespace tarnholt
