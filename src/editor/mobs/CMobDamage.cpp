#include "mobs/CMobDamage.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/CFieldCheck.h"
#include "mobs/Mob.h"
#include "mobs/MobPositions.h"

namespace tarnholt {

// The rolls are worked out in double: dice counts and sides may be as large as an int holds.
QString damageRangeText(int count, int sides, int bonus, int attackIndex)
{
    const double low = double(count) + bonus;
    const double high = (double(count) * sides + bonus) * (attackIndex + 1);
    return QString::asprintf("%1.1f/%1.1f", low, high);
}

QString damageAverageText(int count, int sides, int bonus, int attackIndex)
{
    return QString::asprintf("%1.1f", (double(count) * sides * 0.5 + bonus) * (1 + attackIndex * 0.5));
}

QString hitRangeText(int count, int sides, int bonus)
{
    return QString::asprintf("%1.1f/%1.1f", double(count) + bonus, double(count) * sides + bonus);
}

QString hitAverageText(int count, int sides, int bonus)
{
    return QString::asprintf("%1.1f", double(count) * sides * 0.5 + bonus);
}

namespace {

QLineEdit* numberField(QWidget* parent, const char* name)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

QLineEdit* statisticField(QWidget* parent, const char* name)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

/// A roll laid out as: count "d" sides "+" bonus.
QHBoxLayout* rollRow(QWidget* parent, QLineEdit* count, QLineEdit* sides, QLineEdit* bonus)
{
    auto* row = new QHBoxLayout;
    row->addWidget(count);
    row->addWidget(new QLabel(QStringLiteral("d"), parent));
    row->addWidget(sides);
    row->addWidget(new QLabel(QStringLiteral("+"), parent));
    row->addWidget(bonus);
    return row;
}

/// The three fields of a roll as numbers; false while one of them is empty or not a number.
bool readRoll(const QLineEdit* count, const QLineEdit* sides, const QLineEdit* bonus, int32_t& c, int32_t& s,
              int32_t& b)
{
    return CFieldCheck::parseInteger(count->text(), c) && CFieldCheck::parseInteger(sides->text(), s) &&
           CFieldCheck::parseInteger(bonus->text(), b);
}

} // namespace

CMobDamage::CMobDamage(Mob& mob, bool templateMode, Questions& questions, QWidget* parent)
    : CSheetPage(questions, parent), mob_(mob), templateMode_(templateMode)
{
    level_ = numberField(this, "level");
    thaco_ = numberField(this, "thaco");
    damageCount_ = numberField(this, "damageCount");
    damageSides_ = numberField(this, "damageSides");
    damageBonus_ = numberField(this, "damageBonus");
    hitCount_ = numberField(this, "hitCount");
    hitSides_ = numberField(this, "hitSides");
    hitBonus_ = numberField(this, "hitBonus");
    armorClass_ = numberField(this, "armorClass");
    damageRange_ = statisticField(this, "damageRange");
    damageAverage_ = statisticField(this, "damageAverage");
    hitRange_ = statisticField(this, "hitRange");
    hitAverage_ = statisticField(this, "hitAverage");

    auto* attacksBox = new QGroupBox(QStringLiteral("Number of Attacks"), this);
    auto* attacksLayout = new QVBoxLayout(attacksBox);
    auto* attacksGroup = new QButtonGroup(this);
    for (std::size_t i = 0; i < attacks_.size(); ++i) {
        attacks_[i] = new QRadioButton(QString::fromLatin1(kMobAttackLabels[i].data(),
                                                           qsizetype(kMobAttackLabels[i].size())), attacksBox);
        attacksGroup->addButton(attacks_[i], int(i));
        attacksLayout->addWidget(attacks_[i]);
    }

    auto* fields = new QGridLayout;
    int row = 0;
    fields->addWidget(new QLabel(QStringLiteral("Level:"), this), row, 0);
    fields->addWidget(level_, row++, 1);
    fields->addWidget(new QLabel(QStringLiteral("Thac0 (chance to hit):"), this), row, 0);
    fields->addWidget(thaco_, row, 1);
    fields->addWidget(new QLabel(QStringLiteral("(20: worst, -10: best)"), this), row++, 2);
    fields->addWidget(new QLabel(QStringLiteral("Damage:"), this), row, 0);
    fields->addLayout(rollRow(this, damageCount_, damageSides_, damageBonus_), row++, 1);
    fields->addWidget(new QLabel(QStringLiteral("Hit Points:"), this), row, 0);
    fields->addLayout(rollRow(this, hitCount_, hitSides_, hitBonus_), row++, 1);
    fields->addWidget(new QLabel(QStringLiteral("Armor Class:"), this), row, 0);
    fields->addWidget(armorClass_, row, 1);
    fields->addWidget(new QLabel(QStringLiteral("(10: worst, -10: best)"), this), row++, 2);

    auto* statistics = new QGridLayout;
    statistics->addWidget(new QLabel(QStringLiteral("Min/Max Damage Done:"), this), 0, 0);
    statistics->addWidget(damageRange_, 0, 1);
    statistics->addWidget(new QLabel(QStringLiteral("Average Damage Done:"), this), 1, 0);
    statistics->addWidget(damageAverage_, 1, 1);
    statistics->addWidget(new QLabel(QStringLiteral("Min/Max Hit Points:"), this), 2, 0);
    statistics->addWidget(hitRange_, 2, 1);
    statistics->addWidget(new QLabel(QStringLiteral("Average Hit Points:"), this), 3, 0);
    statistics->addWidget(hitAverage_, 3, 1);

    auto* lower = new QHBoxLayout;
    lower->addWidget(attacksBox);
    lower->addLayout(statistics);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(lower);
    layout->addStretch();

    for (QLineEdit* field : {damageCount_, damageSides_, damageBonus_})
        connect(field, &QLineEdit::textChanged, this, &CMobDamage::updateDamageStatistics);
    for (QLineEdit* field : {hitCount_, hitSides_, hitBonus_})
        connect(field, &QLineEdit::textChanged, this, &CMobDamage::updateHitStatistics);
    connect(attacksGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            updateDamageStatistics();
    });
}

int CMobDamage::attackIndex() const
{
    for (std::size_t i = 0; i < attacks_.size(); ++i) {
        if (attacks_[i]->isChecked())
            return int(i);
    }
    return 0;
}

void CMobDamage::updateDamageStatistics()
{
    int32_t count = 0, sides = 0, bonus = 0;
    if (!readRoll(damageCount_, damageSides_, damageBonus_, count, sides, bonus))
        return;
    damageRange_->setText(damageRangeText(count, sides, bonus, attackIndex()));
    damageAverage_->setText(damageAverageText(count, sides, bonus, attackIndex()));
}

void CMobDamage::updateHitStatistics()
{
    int32_t count = 0, sides = 0, bonus = 0;
    if (!readRoll(hitCount_, hitSides_, hitBonus_, count, sides, bonus))
        return;
    hitRange_->setText(hitRangeText(count, sides, bonus));
    hitAverage_->setText(hitAverageText(count, sides, bonus));
}

void CMobDamage::activate()
{
    // An index outside the four choices shows as one attack, as the area file counts it.
    const int attack = mob_.attackCountIndex >= 0 && mob_.attackCountIndex < int(attacks_.size())
                           ? mob_.attackCountIndex
                           : 0;
    attacks_[std::size_t(attack)]->setChecked(true);
    level_->setText(QString::number(mob_.level));
    thaco_->setText(QString::number(mob_.thaco));
    damageCount_->setText(QString::number(mob_.damageDiceCount));
    damageSides_->setText(QString::number(mob_.damageDiceSides));
    damageBonus_->setText(QString::number(mob_.damageBonus));
    hitCount_->setText(QString::number(mob_.hitDiceCount));
    hitSides_->setText(QString::number(mob_.hitDiceSides));
    hitBonus_->setText(QString::number(mob_.hitBonus));
    armorClass_->setText(QString::number(mob_.armorClass));
    updateDamageStatistics();
    updateHitStatistics();
}

bool CMobDamage::leave()
{
    CFieldCheck check(questions());
    int32_t level = 0, thaco = 0, armorClass = 0;
    int32_t damageCount = 0, damageSides = 0, damageBonus = 0;
    int32_t hitCount = 0, hitSides = 0, hitBonus = 0;
    check.integer(level_, level);
    check.integerBetween(thaco_, -10, 20, thaco);
    check.integer(damageCount_, damageCount);
    check.integer(damageSides_, damageSides);
    check.integer(damageBonus_, damageBonus);
    check.integer(hitCount_, hitCount);
    check.integer(hitSides_, hitSides);
    check.integer(hitBonus_, hitBonus);
    check.integer(armorClass_, armorClass);
    if (!check.ok())
        return false;

    if (!templateMode_) {
        if ((damageCount == 0 || damageSides == 0) && damageBonus == 0) {
            refuse(damageCount_, "This mob does no damage.  Please enter a valid damage equation.");
            return false;
        }
        if ((hitCount == 0 || hitSides == 0) && hitBonus == 0) {
            refuse(hitCount_, "This mob has no hit points.  Please enter a valid hit point equation.");
            return false;
        }
    }

    mob_.level = level;
    mob_.thaco = thaco;
    mob_.damageDiceCount = damageCount;
    mob_.damageDiceSides = damageSides;
    mob_.damageBonus = damageBonus;
    mob_.hitDiceCount = hitCount;
    mob_.hitDiceSides = hitSides;
    mob_.hitBonus = hitBonus;
    mob_.armorClass = armorClass;
    mob_.attackCountIndex = attackIndex();
    return true;
}

} // namespace tarnholt
