#include "generate/CSetDescriptionsDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>
#include <vector>

#include "app/CText.h"
#include "app/Questions.h"
#include "generate/Reformat.h"
#include "universe/RecordText.h"
#include "world/World.h"

namespace tarnholt {

CSetDescriptionsDialog::CSetDescriptionsDialog(Target target, World& world, Questions& questions, QWidget* parent)
    : QDialog(parent), target_(target), world_(world), questions_(questions)
{
    const bool rooms = target == Target::Rooms;
    setWindowTitle(rooms ? QStringLiteral("Set Room Description for a Room or Rooms")
                         : QStringLiteral("Set All Exit Descriptions Going to a Particular Room or Rooms"));

    rooms_ = new QListWidget(this);
    rooms_->setObjectName(QStringLiteral("rooms"));
    // A click adds a room to the choice or takes it out again.
    rooms_->setSelectionMode(QAbstractItemView::MultiSelection);
    for (const Room& room : world_.rooms)
        rooms_->addItem(CText::toQt(room.identifier));

    description_ = new QPlainTextEdit(this);
    description_->setObjectName(QStringLiteral("description"));

    auto format60 = new QPushButton(QStringLiteral("Format-60"), this);
    auto format80 = new QPushButton(QStringLiteral("Format-80"), this);
    auto set = new QPushButton(rooms ? QStringLiteral("Set Room Description") : QStringLiteral("Set Exit Description"),
                               this);
    auto close = new QPushButton(QStringLiteral("Close"), this);
    for (QPushButton* button : {format60, format80, set, close})
        button->setAutoDefault(false);
    connect(format60, &QPushButton::clicked, this, [this] { format(60); });
    connect(format80, &QPushButton::clicked, this, [this] { format(80); });
    connect(set, &QPushButton::clicked, this, &CSetDescriptionsDialog::apply);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto formats = new QHBoxLayout;
    formats->addWidget(format60);
    formats->addWidget(format80);
    formats->addStretch();

    auto buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(set);
    buttons->addWidget(close);

    auto layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Select the room(s) to be effected by the change:"), this));
    layout->addWidget(rooms_);
    layout->addWidget(
        new QLabel(rooms ? QStringLiteral("New Room Description:") : QStringLiteral("New Exit Description:"), this));
    layout->addWidget(description_);
    layout->addLayout(formats);
    layout->addLayout(buttons);
    resize(520, 520);
}

void CSetDescriptionsDialog::format(int width)
{
    std::string text = RecordText::linesFromQt(description_->toPlainText());
    if (reformatDescription(text, width, false, questions_))
        description_->setPlainText(RecordText::linesToQt(text));
    description_->setFocus();
}

void CSetDescriptionsDialog::apply()
{
    // The chosen entries in list order.
    std::vector<std::string> selected;
    for (int i = 0; i < rooms_->count(); ++i) {
        if (rooms_->item(i)->isSelected())
            selected.push_back(CText::toRecord(rooms_->item(i)->text()));
    }
    const std::string description = RecordText::linesFromQt(description_->toPlainText());
    if (target_ == Target::Rooms)
        questions_.message(roomDescriptionsSetMessage(setRoomDescriptions(world_, selected, description)));
    else
        questions_.message(exitDescriptionsSetMessage(setExitDescriptions(world_, selected, description)));
}

} // namespace tarnholt
