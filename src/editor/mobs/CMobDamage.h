#pragma once

#include <array>

#include "rooms/CSheetPage.h"

class QLineEdit;
class QRadioButton;

namespace tarnholt {

class Mob;

/// The "Damage" page of the mob editor: level, thac0, the damage and hit-point rolls, armor class
/// and the number of attacks, with the minimum, maximum and average they give.
class CMobDamage : public CSheetPage {
    Q_OBJECT
public:
    CMobDamage(Mob& mob, bool templateMode, Questions& questions, QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

private:
    int attackIndex() const;
    void updateDamageStatistics();
    void updateHitStatistics();

    Mob& mob_;
    bool templateMode_;
    QLineEdit* level_ = nullptr;
    QLineEdit* thaco_ = nullptr;
    QLineEdit* damageCount_ = nullptr;
    QLineEdit* damageSides_ = nullptr;
    QLineEdit* damageBonus_ = nullptr;
    QLineEdit* hitCount_ = nullptr;
    QLineEdit* hitSides_ = nullptr;
    QLineEdit* hitBonus_ = nullptr;
    QLineEdit* armorClass_ = nullptr;
    std::array<QRadioButton*, 4> attacks_{};
    QLineEdit* damageRange_ = nullptr;
    QLineEdit* damageAverage_ = nullptr;
    QLineEdit* hitRange_ = nullptr;
    QLineEdit* hitAverage_ = nullptr;
};

// The statistics of a roll of `count` dice of `sides` plus `bonus`, as the Damage page shows them.
// Damage is dealt once per attack; `attackIndex` 0 is one attack, 3 is four.
QString damageRangeText(int count, int sides, int bonus, int attackIndex);
QString damageAverageText(int count, int sides, int bonus, int attackIndex);
QString hitRangeText(int count, int sides, int bonus);
QString hitAverageText(int count, int sides, int bonus);

} // namespace tarnholt
