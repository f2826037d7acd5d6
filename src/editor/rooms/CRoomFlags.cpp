#include "rooms/CRoomFlags.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

#include "app/CText.h"
#include "rooms/Room.h"
#include "universe/Universe.h"

namespace tarnholt {

CRoomFlags::CRoomFlags(Room& room, const Universe& universe, Questions& questions, QWidget* parent)
    : CSheetPage(questions, parent), room_(room), universe_(universe)
{
    auto* help = new QLabel(QStringLiteral(
        "This screen is used to edit what special characteristics this room has.  These range from the "
        "room being inside, no magic allowed, a death trap, prevents talking on public channels, etc."), this);
    help->setWordWrap(true);

    auto* grid = new QGridLayout;
    constexpr int kRows = 11;
    for (int i = 0; i < kBoxCount; ++i) {
        auto* box = new QCheckBox(this);
        if (i < static_cast<int>(universe_.roomFlags.size()))
            box->setText(CText::toQt(universe_.roomFlags[static_cast<std::size_t>(i)].name));
        else
            box->hide();
        grid->addWidget(box, i % kRows, i / kRows);
        boxes_.push_back(box);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(help);
    layout->addLayout(grid);
    layout->addStretch();
}

void CRoomFlags::activate()
{
    const std::size_t count = std::min(boxes_.size(), universe_.roomFlags.size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& name = universe_.roomFlags[i].name;
        boxes_[i]->setChecked(std::find(room_.flags.begin(), room_.flags.end(), name) != room_.flags.end());
    }
}

bool CRoomFlags::leave()
{
    std::vector<std::string> flags;
    const std::size_t count = std::min(boxes_.size(), universe_.roomFlags.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (boxes_[i]->isChecked())
            flags.push_back(universe_.roomFlags[i].name);
    }
    // Names the table does not know have no box; they are kept rather than dropped unseen.
    for (const std::string& name : room_.flags) {
        const bool known = std::any_of(universe_.roomFlags.begin(), universe_.roomFlags.end(),
                                       [&](const FlagEntry& entry) { return entry.name == name; });
        if (!known)
            flags.push_back(name);
    }
    room_.flags = std::move(flags);
    return true;
}

} // namespace tarnholt
