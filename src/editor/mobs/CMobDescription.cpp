#include "mobs/CMobDescription.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

#include "app/CText.h"
#include "mobs/COnlineHelp.h"
#include "mobs/Mob.h"
#include "rooms/CRoomDescription.h"
#include "universe/CPickList.h"
#include "universe/RecordText.h"
#include "universe/TemplateLibrary.h"
#include "world/World.h"

namespace tarnholt {

CMobDescription::CMobDescription(Mob& mob, const World& world, const TemplateLibrary& templates,
                                 std::string initialIdentifier, bool templateMode, Questions& questions,
                                 QWidget* parent)
    : CSheetPage(questions, parent), mob_(mob), world_(world), templates_(templates),
      initialIdentifier_(std::move(initialIdentifier)), templateMode_(templateMode)
{
    identifier_ = new QLineEdit(this);
    identifier_->setObjectName(QStringLiteral("identifier"));
    aliases_ = new QLineEdit(this);
    aliases_->setObjectName(QStringLiteral("aliases"));
    shortDescription_ = new QLineEdit(this);
    shortDescription_->setObjectName(QStringLiteral("shortDescription"));
    longDescription_ = new QLineEdit(this);
    longDescription_->setObjectName(QStringLiteral("longDescription"));
    description_ = new QPlainTextEdit(this);
    description_->setObjectName(QStringLiteral("description"));

    auto* copyButton = new QPushButton(QStringLiteral("Copy Mob"), this);
    auto* templateButton = new QPushButton(QStringLiteral("Use Template"), this);
    auto* format60 = new QPushButton(QStringLiteral("Format-60"), this);
    auto* format80 = new QPushButton(QStringLiteral("Format-80"), this);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Mob Identifier:"), this), 0, 0);
    fields->addWidget(identifier_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Name/Alias List:"), this), 1, 0);
    fields->addWidget(aliases_, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Short Description:"), this), 2, 0);
    fields->addWidget(shortDescription_, 2, 1);
    fields->addWidget(new QLabel(QStringLiteral("Long Description:"), this), 3, 0);
    fields->addWidget(longDescription_, 3, 1);
    fields->addWidget(new QLabel(QStringLiteral("Description:"), this), 4, 0, Qt::AlignTop);
    fields->addWidget(description_, 4, 1);

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
    connect(copyButton, &QPushButton::clicked, this, &CMobDescription::copyMob);
    connect(templateButton, &QPushButton::clicked, this, &CMobDescription::useTemplate);

    // F1 anywhere in the editor while this page is the one shown.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [this] {
        if (isVisible())
            showHelp();
    });
}

void CMobDescription::activate()
{
    identifier_->setText(CText::toQt(mob_.identifier));
    aliases_->setText(CText::toQt(mob_.aliases));
    shortDescription_->setText(CText::toQt(mob_.shortDescription));
    longDescription_->setText(CText::toQt(mob_.longDescription));
    description_->setPlainText(RecordText::linesToQt(mob_.description));
}

std::string CMobDescription::identifierProblem(const std::string& identifier) const
{
    if (templateMode_) {
        // The confirmed editor adds a new template under this name; a name already on the shelf
        // would be refused only then, and the whole template lost with it.
        const std::vector<std::string>& names = templates_.mobs().names();
        if (std::find(names.begin(), names.end(), identifier) != names.end())
            return "A template with this name already exists.  Choose another.";
        return {};
    }
    if (identifier.empty())
        return "The Identifier field must be filled in.";
    if (identifier[0] == '#' && identifierNumber(identifier) == 0)
        return "The Identifier number is not valid.";
    if (identifier != initialIdentifier_ && world_.findMob(identifier) != nullptr)
        return "The Identifier specified is already in use!";
    return {};
}

bool CMobDescription::leave()
{
    const std::string problem = identifierProblem(CText::toRecord(identifier_->text()));
    if (!problem.empty()) {
        refuse(identifier_, problem);
        return false;
    }
    store();
    return true;
}

void CMobDescription::store()
{
    mob_.identifier = CText::toRecord(identifier_->text());
    mob_.aliases = CText::toRecord(aliases_->text());
    mob_.shortDescription = CText::toRecord(shortDescription_->text());
    mob_.longDescription = CText::toRecord(longDescription_->text());
    mob_.description = RecordText::linesFromQt(description_->toPlainText());
}


void CMobDescription::copyMob()
{
    std::vector<std::string> identifiers;
    world_.mobIdentifiers(identifiers);
    const auto chosen = CPickList::pick(this, questions(), "Select a mob to copy from",
                                        "Select one of the following mobs to copy from:", identifiers);
    if (!chosen)
        return;
    const Mob* source = world_.findMob(*chosen);
    if (source == nullptr)
        return;
    const std::string typed = CText::toRecord(identifier_->text());
    // The copy keeps its own vnum: two mobs holding one number would both be written under it.
    const int32_t vnum = mob_.vnum;
    mob_ = *source;
    mob_.identifier = typed;
    mob_.vnum = vnum;
    activate();
}

void CMobDescription::useTemplate()
{
    const auto chosen = CPickList::pick(this, questions(), "Select a mob template to use",
                                        "Select one of the following mob templates to use:",
                                        templates_.mobs().names());
    if (!chosen)
        return;
    const std::string typed = CText::toRecord(identifier_->text());
    mob_.copyContent(templates_.mobs().byName(*chosen));
    mob_.identifier = typed;
    activate();
}

void CMobDescription::showHelp() { COnlineHelp::showText(mobDescriptionHelpText(), questions()); }

} // namespace tarnholt
