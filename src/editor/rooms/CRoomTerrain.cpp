#include "rooms/CRoomTerrain.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/CText.h"
#include "rooms/Room.h"
#include "universe/Universe.h"

namespace tarnholt {

CRoomTerrain::CRoomTerrain(Room& room, const Universe& universe, Questions& questions, QWidget* parent)
    : CSheetPage(questions, parent), room_(room), universe_(universe)
{
    auto* help = new QLabel(QStringLiteral(
        "This screen is used what kind of terrain the room is.  Terrain determines if a boat or fly "
        "spell is required and how many movement points are necessary to move."), this);
    help->setWordWrap(true);

    auto* frame = new QGroupBox(QStringLiteral("Terrain"), this);
    auto* grid = new QGridLayout(frame);
    auto* group = new QButtonGroup(this);
    constexpr int kRows = 7;
    for (int i = 0; i < kButtonCount; ++i) {
        auto* button = new QRadioButton(frame);
        if (i < static_cast<int>(universe_.terrains.size()))
            button->setText(CText::toQt(universe_.terrains[static_cast<std::size_t>(i)].name));
        else
            button->hide();
        group->addButton(button, i);
        grid->addWidget(button, i % kRows, i / kRows);
        buttons_.push_back(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(help);
    layout->addWidget(frame);
    layout->addStretch();
}

void CRoomTerrain::activate()
{
    const std::size_t count = std::min(buttons_.size(), universe_.terrains.size());
    std::size_t marked = count;
    for (std::size_t i = 0; i < count; ++i) {
        if (universe_.terrains[i].name == room_.terrain) {
            marked = i;
            break;
        }
    }
    if (marked < count) {
        buttons_[marked]->setChecked(true);
    } else if (QButtonGroup* group = buttons_.front()->group()) {
        // A terrain the table does not know: no button marked, and leaving keeps it.
        group->setExclusive(false);
        for (QRadioButton* button : buttons_)
            button->setChecked(false);
        group->setExclusive(true);
    }
}

bool CRoomTerrain::leave()
{
    const std::size_t count = std::min(buttons_.size(), universe_.terrains.size());
    int marked = -1;
    int markedCount = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (buttons_[i]->isChecked()) {
            marked = static_cast<int>(i);
            ++markedCount;
        }
    }
    if (markedCount == 1)
        room_.terrain = universe_.terrains[static_cast<std::size_t>(marked)].name;
    return true;
}

} // namespace tarnholt
