#include "mobs/CMobFlags.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QVBoxLayout>

#include <algorithm>

#include "app/CText.h"
#include "mobs/Mob.h"
#include "universe/Universe.h"

namespace tarnholt {

CMobFlags::CMobFlags(Mob& mob, const Universe& universe, Questions& questions, QWidget* parent)
    : CSheetPage(questions, parent), mob_(mob), universe_(universe)
{
    auto* grid = new QGridLayout;
    constexpr int kRows = 14;
    for (int i = 0; i < kBoxCount; ++i) {
        auto* box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("flag%1").arg(i));
        grid->addWidget(box, i % kRows, i / kRows);
        boxes_.push_back(box);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
}

void CMobFlags::activate()
{
    const std::vector<FlagEntry>& table = universe_.mobFlags;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        QCheckBox* box = boxes_[i];
        if (i < table.size()) {
            const std::string& name = table[i].name;
            box->setText(CText::toQt(name));
            box->setEnabled(true);
            box->setChecked(std::find(mob_.flags.begin(), mob_.flags.end(), name) != mob_.flags.end());
            box->show();
        } else {
            box->setChecked(false);
            box->hide();
        }
    }
}

bool CMobFlags::leave()
{
    const std::vector<FlagEntry>& table = universe_.mobFlags;
    std::vector<std::string> flags;
    const std::size_t count = std::min(boxes_.size(), table.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (boxes_[i]->isChecked())
            flags.push_back(table[i].name);
    }
    // Names the table does not know have no box; they are kept rather than dropped unseen.
    for (const std::string& name : mob_.flags) {
        const bool known = std::any_of(table.begin(), table.begin() + std::ptrdiff_t(count),
                                       [&](const FlagEntry& entry) { return entry.name == name; });
        if (!known)
            flags.push_back(name);
    }
    mob_.flags = std::move(flags);
    return true;
}

} // namespace tarnholt
