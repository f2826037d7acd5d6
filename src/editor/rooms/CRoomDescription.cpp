#include "rooms/CRoomDescription.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/CText.h"
#include "rooms/Room.h"
#include "universe/CPickList.h"
#include "universe/RecordText.h"
#include "universe/TemplateLibrary.h"
#include "world/World.h"

namespace tarnholt {

int32_t identifierNumber(const std::string& identifier)
{
    if (identifier.empty() || identifier[0] != '#')
        return 0;
    int64_t number = 0;
    for (std::size_t i = 1; i < identifier.size() && identifier[i] != ' '; ++i) {
        const char c = identifier[i];
        if (c < '0' || c > '9')
            return 0;
        number = number * 10 + (c - '0');
        if (number > INT32_MAX)
            return 0;
    }
    return static_cast<int32_t>(number);
}

CRoomDescription::CRoomDescription(Room& room, const World& world, const TemplateLibrary& templates,
                                   std::string initialIdentifier, bool templateMode, Questions& questions,
                                   QWidget* parent)
    : CSheetPage(questions, parent), room_(room), world_(world), templates_(templates),
      initialIdentifier_(std::move(initialIdentifier)), templateMode_(templateMode)
{
    identifier_ = new QLineEdit(this);
    identifier_->setObjectName(QStringLiteral("identifier"));
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("name"));
    description_ = new QPlainTextEdit(this);
    description_->setObjectName(QStringLiteral("description"));

    auto* format60 = new QPushButton(QStringLiteral("Format-60"), this);
    auto* format80 = new QPushButton(QStringLiteral("Format-80"), this);
    auto* copyButton = new QPushButton(QStringLiteral("Copy Room"), this);
    auto* templateButton = new QPushButton(QStringLiteral("Use Template"), this);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Identifier:"), this), 0, 0);
    fields->addWidget(identifier_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Room Name:"), this), 1, 0);
    fields->addWidget(name_, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Room Description:"), this), 2, 0, Qt::AlignTop);
    fields->addWidget(description_, 2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(format60);
    buttons->addWidget(format80);
    buttons->addStretch();
    buttons->addWidget(copyButton);
    buttons->addWidget(templateButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(format60, &QPushButton::clicked, this, [this] { formatDescription(description_, 60); });
    connect(format80, &QPushButton::clicked, this, [this] { formatDescription(description_, 80); });
    connect(copyButton, &QPushButton::clicked, this, &CRoomDescription::copyRoom);
    connect(templateButton, &QPushButton::clicked, this, &CRoomDescription::useTemplate);
}

void CRoomDescription::activate()
{
    identifier_->setText(CText::toQt(room_.identifier));
    name_->setText(CText::toQt(room_.name));
    description_->setPlainText(RecordText::linesToQt(room_.description));
}

std::string CRoomDescription::identifierProblem(const std::string& identifier) const
{
    if (identifier.empty())
        return "The Identifier field must be filled in.";
    if (identifier[0] == '#' && identifierNumber(identifier) == 0)
        return "The Identifier number is not valid.";
    if (identifier != initialIdentifier_) {
        bool used = false;
        if (templateMode_) {
            const std::vector<std::string>& names = templates_.rooms().names();
            used = std::find(names.begin(), names.end(), identifier) != names.end();
        } else {
            used = world_.findRoom(identifier) != nullptr;
        }
        if (used)
            return "The Identifier specified is already in use!";
    }
    return {};
}

bool CRoomDescription::leave()
{
    const std::string problem = identifierProblem(CText::toRecord(identifier_->text()));
    if (!problem.empty()) {
        refuse(identifier_, problem);
        return false;
    }
    store();
    return true;
}

void CRoomDescription::store()
{
    room_.identifier = CText::toRecord(identifier_->text());
    room_.name = CText::toRecord(name_->text());
    room_.description = RecordText::linesFromQt(description_->toPlainText());
    if (const int32_t number = identifierNumber(room_.identifier); number != 0)
        room_.vnum = number;
}


void CRoomDescription::copyRoom()
{
    std::vector<std::string> identifiers;
    world_.roomIdentifiers(identifiers);
    const auto chosen = CPickList::pick(this, questions(), "Select a room to copy from",
                                        "Select one of the following rooms to copy from:", identifiers);
    if (!chosen)
        return;
    const Room* source = world_.findRoom(*chosen);
    if (source == nullptr)
        return;
    const std::string typed = CText::toRecord(identifier_->text());
    const int32_t column = room_.column;
    const int32_t row = room_.row;
    const int32_t vnum = room_.vnum;
    room_ = *source;
    room_.identifier = typed;
    room_.column = column;
    room_.row = row;
    room_.vnum = vnum;
    room_.exits.clear();
    activate();
}

void CRoomDescription::useTemplate()
{
    const auto chosen = CPickList::pick(this, questions(), "Select a room template to use",
                                        "Select one of the following room templates to use:",
                                        templates_.rooms().names());
    if (!chosen)
        return;
    const std::string typed = CText::toRecord(identifier_->text());
    room_.copyContent(templates_.rooms().byName(*chosen));
    room_.identifier = typed;
    activate();
}

} // namespace tarnholt
