#include "generate/CRoomLoadPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/CText.h"
#include "rooms/Room.h"
#include "universe/ComboFill.h"
#include "universe/Universe.h"
#include "world/World.h"

namespace tarnholt {

namespace {

std::vector<LoadAction>& loadClipboard()
{
    static std::vector<LoadAction> clipboard;
    return clipboard;
}

QLabel* label(const char* text, QWidget* parent) { return new QLabel(QString::fromLatin1(text), parent); }

QComboBox* namesList(const std::vector<std::string>& names, const char* objectName, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(objectName));
    for (const std::string& name : names)
        combo->addItem(CText::toQt(name));
    return combo;
}

} // namespace

const std::vector<LoadAction>& CRoomLoadPage::clipboard() { return loadClipboard(); }

void CRoomLoadPage::clearClipboard() { loadClipboard().clear(); }

std::vector<int> CRoomLoadPage::treeParents(const std::vector<LoadAction>& loads)
{
    std::vector<int> parents;
    parents.reserve(loads.size());
    int lastMob = -1;
    int previousParent = -1;
    for (std::size_t i = 0; i < loads.size(); ++i) {
        const int index = static_cast<int>(i);
        int parent = previousParent;
        switch (loads[i].condition) {
        case 0:
            parent = -1;
            break;
        case 1:
        case 2:
            parent = index - 1;
            break;
        case 3:
        case 4:
        case 5:
            parent = lastMob;
            break;
        default:
            break;
        }
        parents.push_back(parent);
        previousParent = parent;
        if (loads[i].task == LoadAction::LoadMob)
            lastMob = index;
    }
    return parents;
}

CRoomLoadPage::CRoomLoadPage(Room& room, const World& world, const Universe& universe, Questions& questions,
                             QWidget* parent)
    : CSheetPage(questions, parent), room_(room), world_(world), universe_(universe)
{
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("loads"));
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    // Long labels scroll sideways rather than being cut short.
    tree_->header()->setStretchLastSection(false);
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    action_ = namesList(LoadAction::taskNames(), "action", this);
    condition_ = namesList(LoadAction::conditionNames(), "condition", this);
    mob_ = new QComboBox(this);
    mob_->setObjectName(QStringLiteral("mob"));
    item_ = new QComboBox(this);
    item_->setObjectName(QStringLiteral("item"));
    equipPosition_ = new QComboBox(this);
    equipPosition_->setObjectName(QStringLiteral("equipPosition"));
    container_ = new QComboBox(this);
    container_->setObjectName(QStringLiteral("container"));
    probability_ = new QLineEdit(this);
    probability_->setObjectName(QStringLiteral("probability"));
    maxLoad_ = new QLineEdit(this);
    maxLoad_->setObjectName(QStringLiteral("maxLoad"));
    comment_ = new QLineEdit(this);
    comment_->setObjectName(QStringLiteral("comment"));

    addButton_ = new QPushButton(QStringLiteral("Add to Load"), this);
    updateButton_ = new QPushButton(QStringLiteral("Update Load"), this);
    deleteButton_ = new QPushButton(QStringLiteral("Delete Load"), this);
    copyButton_ = new QPushButton(QStringLiteral("Copy All Loads"), this);
    pasteButton_ = new QPushButton(QStringLiteral("Paste Loads"), this);

    auto* fields = new QGridLayout;
    int row = 0;
    auto addRow = [&](const char* text, QWidget* field) {
        fields->addWidget(label(text, this), row, 0);
        fields->addWidget(field, row, 1);
        ++row;
    };
    addRow("Action:", action_);
    addRow("Condition:", condition_);
    addRow("Mob:", mob_);
    addRow("Item:", item_);
    addRow("Equip Pos:", equipPosition_);
    addRow("Object:", container_);
    addRow("Probability of Load Occuring:", probability_);
    addRow("Max Number Allowed to Load:", maxLoad_);
    addRow("Comment:", comment_);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {addButton_, updateButton_, deleteButton_, copyButton_, pasteButton_})
        buttons->addWidget(button);
    buttons->addStretch();

    auto* treeColumn = new QVBoxLayout;
    treeColumn->addWidget(label("Mobs and Items defined to load in this room:", this));
    treeColumn->addWidget(tree_);
    auto* top = new QHBoxLayout;
    top->addLayout(treeColumn, 3);
    top->addLayout(fields, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    for (QComboBox* combo : {action_, condition_, mob_, item_, equipPosition_, container_})
        connect(combo, &QComboBox::currentIndexChanged, this, &CRoomLoadPage::updateEnabling);
    connect(tree_, &QTreeWidget::currentItemChanged, this, &CRoomLoadPage::nodeChosen);
    connect(addButton_, &QPushButton::clicked, this, &CRoomLoadPage::addLoad);
    connect(updateButton_, &QPushButton::clicked, this, &CRoomLoadPage::updateLoad);
    connect(deleteButton_, &QPushButton::clicked, this, &CRoomLoadPage::deleteLoad);
    connect(copyButton_, &QPushButton::clicked, this, &CRoomLoadPage::copyAll);
    connect(pasteButton_, &QPushButton::clicked, this, &CRoomLoadPage::paste);
}

void CRoomLoadPage::activate()
{
    // The load list may have been replaced on another page (a copied room, an applied template).
    if (!opened_ || current_ >= static_cast<int>(room_.loads.size()))
        current_ = room_.loads.empty() ? -1 : 0;
    opened_ = true;
    rebuildTree();
    fillFields(current_ < 0 ? nullptr : &room_.loads[static_cast<std::size_t>(current_)]);
    pasteButton_->setEnabled(!loadClipboard().empty());
}

bool CRoomLoadPage::leave() { return true; }

void CRoomLoadPage::fillFields(const LoadAction* action)
{
    const LoadAction fresh;
    const LoadAction& source = action != nullptr ? *action : fresh;
    const auto inRange = [](int32_t index, const std::vector<std::string>& names) {
        return index >= 0 && static_cast<std::size_t>(index) < names.size() ? index : -1;
    };
    action_->setCurrentIndex(inRange(source.task, LoadAction::taskNames()));
    // A new load starts on "Do Always".
    condition_->setCurrentIndex(inRange(source.condition, LoadAction::conditionNames()));
    // The records cannot change while the room's editor is open: their lists are made for the first
    // load shown, and each other load only selects in them.
    ComboFill::mobs(mob_, world_, source.mob, listedMobs_);
    ComboFill::items(item_, world_, source.item, listedItems_);
    ComboFill::names(equipPosition_, universe_.equipPositions, source.equipPosition);
    ComboFill::items(container_, world_, source.container, listedContainers_);
    probability_->setText(QString::number(source.probability));
    maxLoad_->setText(QString::number(source.maxLoad));
    comment_->setText(CText::toQt(source.comment));
    updateEnabling();
}

void CRoomLoadPage::updateEnabling()
{
    const int task = action_->currentIndex();
    const bool mob = task == LoadAction::LoadMob;
    const bool item = task >= LoadAction::LoadItem && task <= LoadAction::PutItem;
    const bool equip = task == LoadAction::EquipItem;
    const bool container = task == LoadAction::PutItem;
    mob_->setEnabled(mob);
    item_->setEnabled(item);
    equipPosition_->setEnabled(equip);
    container_->setEnabled(container);

    bool ready = task >= 0 && condition_->currentIndex() >= 0;
    if (mob)
        ready = ready && !ComboFill::chosen(mob_).empty();
    if (item)
        ready = ready && !ComboFill::chosen(item_).empty();
    if (equip)
        ready = ready && !ComboFill::chosen(equipPosition_).empty();
    if (container)
        ready = ready && !ComboFill::chosen(container_).empty();
    addButton_->setEnabled(ready);
}

bool CRoomLoadPage::readNumbers(int32_t& probability, int32_t& maxLoad)
{
    return readInteger(probability_, probability) && readInteger(maxLoad_, maxLoad);
}

void CRoomLoadPage::fieldsInto(LoadAction& action, int32_t probability, int32_t maxLoad) const
{
    action.mob = ComboFill::chosen(mob_);
    action.item = ComboFill::chosen(item_);
    action.equipPosition = ComboFill::chosen(equipPosition_);
    action.container = ComboFill::chosen(container_);
    action.maxLoad = maxLoad;
    action.probability = probability;
    action.comment = CText::toRecord(comment_->text());
    action.ownerRoom = room_.identifier;
    action.task = action_->currentIndex();
    action.condition = condition_->currentIndex();
}

void CRoomLoadPage::rebuildTree()
{
    const bool blocked = tree_->blockSignals(true);
    tree_->clear();
    nodes_.clear();
    const std::vector<int> parents = treeParents(room_.loads);
    for (std::size_t i = 0; i < room_.loads.size(); ++i) {
        QTreeWidgetItem* node = nullptr;
        const int parent = parents[i];
        if (parent < 0)
            node = new QTreeWidgetItem(tree_);
        else
            node = new QTreeWidgetItem(nodes_[static_cast<std::size_t>(parent)]);
        node->setText(0, CText::toQt(room_.loads[i].label()));
        node->setData(0, Qt::UserRole, static_cast<int>(i));
        nodes_.push_back(node);
    }
    tree_->expandAll();
    if (current_ >= 0 && current_ < static_cast<int>(nodes_.size()))
        tree_->setCurrentItem(nodes_[static_cast<std::size_t>(current_)]);
    tree_->blockSignals(blocked);
}

void CRoomLoadPage::nodeChosen(QTreeWidgetItem* item)
{
    if (item != nullptr)
        current_ = item->data(0, Qt::UserRole).toInt();
}

void CRoomLoadPage::addLoad()
{
    int32_t probability = 0;
    int32_t maxLoad = 0;
    if (!readNumbers(probability, maxLoad))
        return;
    if (probability == 0) {
        refuse(probability_, "You have set the probability of this load to be 0.\nThis means that the item or mob "
                             "will never load.\nPlease select a non-zero value for the probability.");
        return;
    }
    if (maxLoad == 0) {
        refuse(maxLoad_, "You have set the maximum number of this load to be 0.\nThis means that the item or mob "
                         "will never load.\nPlease select a non-zero value for the maximum load number.");
        return;
    }
    const std::size_t at = current_ < 0 ? room_.loads.size() : static_cast<std::size_t>(current_) + 1;
    LoadAction action;
    fieldsInto(action, probability, maxLoad);
    room_.loads.insert(room_.loads.begin() + static_cast<std::ptrdiff_t>(at), action);
    current_ = static_cast<int>(at);
    rebuildTree();
}

void CRoomLoadPage::updateLoad()
{
    if (current_ < 0 || current_ >= static_cast<int>(room_.loads.size()))
        return;
    int32_t probability = 0;
    int32_t maxLoad = 0;
    if (!readNumbers(probability, maxLoad))
        return;
    fieldsInto(room_.loads[static_cast<std::size_t>(current_)], probability, maxLoad);
    // A changed condition can move the node, so the tree is laid out again.
    rebuildTree();
}

void CRoomLoadPage::deleteLoad()
{
    if (current_ < 0 || current_ >= static_cast<int>(room_.loads.size()))
        return;
    room_.loads.erase(room_.loads.begin() + current_);
    if (current_ > 0)
        --current_;
    else if (room_.loads.empty())
        current_ = -1;
    rebuildTree();
}

void CRoomLoadPage::copyAll()
{
    loadClipboard() = room_.loads;
    pasteButton_->setEnabled(!loadClipboard().empty());
}

void CRoomLoadPage::paste()
{
    room_.loads = loadClipboard();
    current_ = room_.loads.empty() ? -1 : 0;
    rebuildTree();
}

} // namespace tarnholt
