#include "generate/CLoadListView.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/CText.h"
#include "app/Questions.h"
#include "generate/CValueForm.h"
#include "generate/LoadAction.h"
#include "universe/NewListCtrlClass.h"
#include "world/World.h"

namespace tarnholt {

namespace {

enum Column { RoomColumn, ConditionColumn, TaskColumn, ChanceColumn, MaxColumn, ReferenceColumn };

// Where the row's room sits in the World's array (the table shows only its Identifier).
constexpr int kRoomIndexRole = Qt::UserRole;
constexpr int kPositionRole = Qt::UserRole + 1;

} // namespace

CLoadListView::CLoadListView(World& world, Questions& questions, QWidget* parent)
    : QDialog(parent), world_(world), questions_(questions)
{
    setWindowTitle(QStringLiteral("Things Loaded in this Zone"));

    list_ = new NewListCtrlClass(this);
    list_->setObjectName(QStringLiteral("loads"));
    list_->setRegistryKey(registryKey());
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->addColumn(QStringLiteral("Room Identifier"), 110);
    list_->addColumn(QStringLiteral("Condition"), 100);
    list_->addColumn(QStringLiteral("Task"), 220);
    list_->addColumn(QStringLiteral("Chance"), 40);
    list_->addColumn(QStringLiteral("Max"), 35);
    list_->addColumn(QStringLiteral("Reference"), 0);

    auto probability = new QPushButton(QStringLiteral("Change Prob"), this);
    auto max = new QPushButton(QStringLiteral("Change Max"), this);
    auto remove = new QPushButton(QStringLiteral("Delete"), this);
    auto close = new QPushButton(QStringLiteral("Close"), this);
    for (QPushButton* button : {probability, max, remove, close})
        button->setAutoDefault(false);
    connect(probability, &QPushButton::clicked, this, &CLoadListView::changeProbability);
    connect(max, &QPushButton::clicked, this, &CLoadListView::changeMax);
    connect(remove, &QPushButton::clicked, this, &CLoadListView::deleteLoad);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto buttons = new QHBoxLayout;
    buttons->addWidget(probability);
    buttons->addWidget(max);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(close);

    auto layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    resize(600, 420);

    refill();
}

QString CLoadListView::registryKey()
{
    return QStringLiteral("Load List");
}

std::string CLoadListView::conditionText(int32_t condition)
{
    static const char* const names[] = {"Always", "if last loaded", "if last failed", "if last mob loaded",
                                        "if last mob failed prob", "if last mob failed load"};
    if (condition < 0 || condition > 5)
        return {};
    return names[condition];
}

std::string CLoadListView::taskText(const LoadAction& action)
{
    switch (action.task) {
    case LoadAction::LoadMob:
        return "Mob: " + action.mob;
    case LoadAction::LoadItem:
        return "Item: " + action.item;
    case LoadAction::GiveItem:
        return "Item: " + action.item + ", Give to: " + action.mob;
    case LoadAction::EquipItem:
        return "Item: " + action.item + ", Mob: " + action.mob + " Equip: " + action.equipPosition;
    case LoadAction::PutItem:
        return "Item: " + action.item + ", Put in: " + action.container;
    default:
        return {};
    }
}

void CLoadListView::refill()
{
    list_->clear();
    QList<QTreeWidgetItem*> rows;
    for (std::size_t r = 0; r < world_.rooms.size(); ++r) {
        const Room& room = world_.rooms[r];
        for (std::size_t p = 0; p < room.loads.size(); ++p) {
            const LoadAction& action = room.loads[p];
            auto row = new QTreeWidgetItem;
            row->setText(RoomColumn, CText::toQt(room.identifier));
            row->setText(ConditionColumn, CText::toQt(conditionText(action.condition)));
            row->setText(TaskColumn, CText::toQt(taskText(action)));
            row->setText(ChanceColumn, QString::number(action.probability) + QLatin1Char('%'));
            row->setText(MaxColumn, QString::number(action.maxLoad));
            row->setText(ReferenceColumn, QString::number(p));
            row->setData(RoomColumn, kRoomIndexRole, QVariant::fromValue<qulonglong>(r));
            row->setData(RoomColumn, kPositionRole, QVariant::fromValue<qulonglong>(p));
            rows.append(row);
        }
    }
    list_->addTopLevelItems(rows);
}

LoadAction* CLoadListView::actionOf(const QTreeWidgetItem* row) const
{
    const auto r = static_cast<std::size_t>(row->data(RoomColumn, kRoomIndexRole).toULongLong());
    const auto p = static_cast<std::size_t>(row->data(RoomColumn, kPositionRole).toULongLong());
    if (r >= world_.rooms.size())
        return nullptr;
    Room& room = world_.rooms[r];
    if (room.identifier != CText::toRecord(row->text(RoomColumn)) || p >= room.loads.size())
        return nullptr;
    return &room.loads[p];
}

void CLoadListView::changeProbability()
{
    changeSelected(Field::Probability);
}

void CLoadListView::changeMax()
{
    changeSelected(Field::MaxLoad);
}

void CLoadListView::changeSelected(Field field)
{
    const std::vector<QTreeWidgetItem*> selected = list_->selectedRows();
    if (selected.empty())
        return;

    QString title;
    QString text;
    int32_t value = 0;
    if (field == Field::MaxLoad) {
        title = QStringLiteral("Change Max Load");
        text = QStringLiteral("This dialog will change the maximum load of the currently selected load(s).");
        value = selected.front()->text(MaxColumn).toInt();
    } else {
        title = QStringLiteral("Change Load Probability");
        text = QStringLiteral("This dialog will change the probability of the currently selected load(s).");
        // The number at the start of "%i%" of the first row.
        QString chance = selected.front()->text(ChanceColumn);
        chance.chop(1);
        value = chance.toInt();
    }

    for (;;) {
        CValueForm form(title, text, value, questions_, this);
        if (form.exec() != QDialog::Accepted)
            return;
        value = form.value();
        if (value >= 1)
            break;
        questions_.message("Value entered was invalid.  Please enter a new value.");
    }

    for (QTreeWidgetItem* row : selected) {
        LoadAction* action = actionOf(row);
        if (action == nullptr)
            continue;
        if (field == Field::MaxLoad)
            action->maxLoad = value;
        else
            action->probability = value;
    }
    refill();
}

void CLoadListView::deleteLoad()
{
    const std::vector<QTreeWidgetItem*> selected = list_->selectedRows();
    if (selected.empty())
        return;
    // Only the first selected row goes.
    QTreeWidgetItem* row = selected.front();
    if (actionOf(row) == nullptr) {
        questions_.message("Unable to find room! Report this error!");
        return;
    }
    const auto r = static_cast<std::size_t>(row->data(RoomColumn, kRoomIndexRole).toULongLong());
    const auto p = static_cast<std::size_t>(row->data(RoomColumn, kPositionRole).toULongLong());
    std::vector<LoadAction>& loads = world_.rooms[r].loads;
    loads.erase(loads.begin() + static_cast<std::ptrdiff_t>(p));
    refill();
}

} // namespace tarnholt
