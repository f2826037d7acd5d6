#include "mobs/CMobSpecProc.h"

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
#include "mobs/Mob.h"
#include "universe/Universe.h"

namespace tarnholt {

CMobSpecProc::CMobSpecProc(Mob& mob, const Universe& universe, Questions& questions, QWidget* parent)
    : CSpecProcPage(mob.specProcs, universe.mobSpecProcs, questions, parent)
{
    QGridLayout* fields = fieldRows();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton_);
    buttons->addWidget(updateButton_);
    buttons->addWidget(removeButton_);
    buttons->addStretch();
    setTabOrder(updateButton_, removeButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Special Procs this mob will execute:"), this));
    layout->addWidget(list_);
    layout->addLayout(fields);
    layout->addLayout(buttons);
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
    return CSpecProcPage::leave();
}

} // namespace tarnholt
