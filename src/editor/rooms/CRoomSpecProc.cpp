#include "rooms/CRoomSpecProc.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "rooms/Room.h"
#include "universe/Universe.h"

namespace tarnholt {

CRoomSpecProc::CRoomSpecProc(Room& room, const Universe& universe, Questions& questions, QWidget* parent)
    : CSpecProcPage(room.specProcs, universe.roomSpecProcs, questions, parent)
{
    auto* help = new QLabel(QStringLiteral(
        "This screen assigns special abilites to rooms.  Multiple procs can be assigned to a room.  The "
        "terminator field indicates whether or not, that IF this proc is successful, whether to continue "
        "processing other procs.  See doc for special number description."), this);
    help->setWordWrap(true);

    QGridLayout* fields = fieldRows();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton_);
    buttons->addWidget(removeButton_);
    buttons->addWidget(updateButton_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(help);
    layout->addWidget(new QLabel(QStringLiteral("Special Procs this room will execute:"), this));
    layout->addWidget(list_);
    layout->addLayout(fields);
    layout->addLayout(buttons);
}

} // namespace tarnholt
