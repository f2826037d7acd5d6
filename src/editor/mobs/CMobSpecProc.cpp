#include "mobs/CMobSpecProc.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/CFieldCheck.h"
#include "app/CText.h"
#include "mobs/Mob.h"
#include "universe/Universe.h"

namespace tarnholt {

CMobSpecProc::CMobSpecProc(Mob& mob, const Universe& universe, Questions& questions, QWidget* parent)
    : CSheetPage(questions, parent), mob_(mob)
{
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("specProcs"));
    name_ = new QComboBox(this);
    name_->setObjectName(QStringLiteral("specProcName"));
    for (const std::string& name : universe.mobSpecProcs)
        name_->addItem(CText::toQt(name));
    name_->setCurrentIndex(-1);
    probability_ = new QLineEdit(QStringLiteral("100"), this);
    probability_->setObjectName(QStringLiteral("probability"));
    terminateNo_ = new QRadioButton(QStringLiteral("No"), this);
    terminateNo_->setObjectName(QStringLiteral("terminateNo"));
    terminateYes_ = new QRadioButton(QStringLiteral("Yes"), this);
    terminateYes_->setObjectName(QStringLiteral("terminateYes"));
    terminateNo_->setChecked(true);
    auto* terminateGroup = new QButtonGroup(this);
    terminateGroup->addButton(terminateNo_);
    terminateGroup->addButton(terminateYes_);
    specialNumber_ = new QLineEdit(QStringLiteral("0"), this);
    specialNumber_->setObjectName(QStringLiteral("specialNumber"));

    auto* addButton = new QPushButton(QStringLiteral("Add"), this);
    auto* updateButton = new QPushButton(QStringLiteral("Update"), this);
    auto* removeButton = new QPushButton(QStringLiteral("Remove"), this);

    auto* terminate = new QHBoxLayout;
    terminate->addWidget(terminateNo_);
    terminate->addWidget(terminateYes_);
    terminate->addStretch();

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Add Special Proc:"), this), 0, 0);
    fields->addWidget(name_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Probability:"), this), 1, 0);
    fields->addWidget(probability_, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Terminate if proc successful:"), this), 2, 0);
    fields->addLayout(terminate, 2, 1);
    fields->addWidget(new QLabel(QStringLiteral("Special Number:"), this), 3, 0);
    fields->addWidget(specialNumber_, 3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton);
    buttons->addWidget(updateButton);
    buttons->addWidget(removeButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Special Procs this mob will execute:"), this));
    layout->addWidget(list_);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(addButton, &QPushButton::clicked, this, &CMobSpecProc::add);
    connect(updateButton, &QPushButton::clicked, this, &CMobSpecProc::update);
    connect(removeButton, &QPushButton::clicked, this, &CMobSpecProc::remove);
}

void CMobSpecProc::activate()
{
    list_->clear();
    for (const std::string& entry : mob_.specProcs)
        list_->addItem(CText::toQt(entry));
}

bool CMobSpecProc::readProbability(int32_t& probability)
{
    CFieldCheck check(questions());
    return check.integerBetween(probability_, 0, 100, probability);
}

bool CMobSpecProc::leave()
{
    // The form's probability is checked here too, so that a wrong number is never left unseen.
    int32_t probability = 0;
    if (!readProbability(probability))
        return false;
    storeList();
    return true;
}

void CMobSpecProc::storeList()
{
    mob_.specProcs.clear();
    for (int i = 0; i < list_->count(); ++i)
        mob_.specProcs.push_back(CText::toRecord(list_->item(i)->text()));
}

bool CMobSpecProc::formatEntry(std::string& entry)
{
    if (name_->currentIndex() < 0)
        return false;
    int32_t probability = 0;
    if (!readProbability(probability))
        return false;
    entry = CText::toRecord(name_->currentText()) + ' ' + std::to_string(probability) + ' ' +
            (terminateYes_->isChecked() ? "1" : "0") + ' ' + CText::toRecord(specialNumber_->text());
    return true;
}

void CMobSpecProc::add()
{
    std::string entry;
    if (formatEntry(entry))
        list_->addItem(CText::toQt(entry));
}

void CMobSpecProc::update()
{
    QListWidgetItem* item = list_->currentItem();
    if (item == nullptr || !item->isSelected())
        return;
    std::string entry;
    if (!formatEntry(entry))
        return;
    item->setText(CText::toQt(entry));
    storeList();
}

void CMobSpecProc::remove()
{
    QListWidgetItem* item = list_->currentItem();
    if (item == nullptr || !item->isSelected())
        return;
    delete list_->takeItem(list_->row(item));
    list_->clearSelection(); // a second "Remove" must not take the neighbour unasked
    storeList();
}

} // namespace tarnholt
