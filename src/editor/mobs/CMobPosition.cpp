#include "mobs/CMobPosition.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <string_view>

#include "app/CFieldCheck.h"
#include "mobs/Mob.h"
#include "mobs/MobPositions.h"

namespace tarnholt {

namespace {

/// A frame of option buttons, one per label; the buttons are appended to `buttons` in order.
template <std::size_t N>
QGroupBox* choiceBox(QWidget* parent, const char* title, const char* name,
                     const std::array<std::string_view, N>& labels, std::vector<QRadioButton*>& buttons)
{
    auto* box = new QGroupBox(QString::fromLatin1(title), parent);
    box->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (std::string_view label : labels) {
        auto* button = new QRadioButton(QString::fromLatin1(label.data(), qsizetype(label.size())), box);
        group->addButton(button);
        layout->addWidget(button);
        buttons.push_back(button);
    }
    return box;
}

void check(const std::vector<QRadioButton*>& buttons, int32_t index)
{
    // An index outside the choices shows as the first one, as the area file takes it.
    if (index < 0 || std::size_t(index) >= buttons.size())
        index = 0;
    buttons[std::size_t(index)]->setChecked(true);
}

int32_t checkedIndex(const std::vector<QRadioButton*>& buttons)
{
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i]->isChecked())
            return int32_t(i);
    }
    return 0;
}

} // namespace

CMobPosition::CMobPosition(Mob& mob, bool templateMode, Questions& questions, QWidget* parent)
    : CSheetPage(questions, parent), mob_(mob), templateMode_(templateMode)
{
    alignment_ = new QLineEdit(this);
    alignment_->setObjectName(QStringLiteral("alignment"));
    gold_ = new QLineEdit(this);
    gold_->setObjectName(QStringLiteral("gold"));
    experience_ = new QLineEdit(this);
    experience_->setObjectName(QStringLiteral("experience"));

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Alignment:"), this), 0, 0);
    fields->addWidget(alignment_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Gold:"), this), 1, 0);
    fields->addWidget(gold_, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Experience:"), this), 2, 0);
    fields->addWidget(experience_, 2, 1);

    auto* choices = new QHBoxLayout;
    choices->addWidget(choiceBox(this, "Load Position", "loadPosition", kMobPositionLabels, loadPosition_));
    choices->addWidget(choiceBox(this, "Default Position", "defaultPosition", kMobPositionLabels, defaultPosition_));
    choices->addWidget(choiceBox(this, "Monster's Sex", "sex", kMobSexLabels, sex_));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(choices);
    layout->addStretch();
}

void CMobPosition::activate()
{
    alignment_->setText(QString::number(mob_.alignment));
    gold_->setText(QString::number(mob_.gold));
    experience_->setText(QString::number(mob_.experience));
    check(loadPosition_, mob_.loadPosition);
    check(defaultPosition_, mob_.defaultPosition);
    check(sex_, mob_.sex);
}

bool CMobPosition::leave()
{
    CFieldCheck check(questions());
    int32_t alignment = 0, gold = 0, experience = 0;
    check.integer(alignment_, alignment);
    check.integer(gold_, gold);
    check.integer(experience_, experience);
    if (!check.ok())
        return false;
    if (!templateMode_ && experience == 0) {
        refuse(experience_, "The experience this mob gives is set to zero.  Mobs must give experience.");
        return false;
    }
    mob_.alignment = alignment;
    mob_.gold = gold;
    mob_.experience = experience;
    mob_.loadPosition = checkedIndex(loadPosition_);
    mob_.defaultPosition = checkedIndex(defaultPosition_);
    mob_.sex = checkedIndex(sex_);
    return true;
}

} // namespace tarnholt
