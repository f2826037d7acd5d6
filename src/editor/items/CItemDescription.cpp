#include "items/CItemDescription.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/CText.h"
#include "items/Item.h"
#include "rooms/CRoomDescription.h"
#include "universe/CPickList.h"
#include "universe/RecordText.h"
#include "universe/TemplateLibrary.h"
#include "world/World.h"

namespace tarnholt {

CItemDescription::CItemDescription(ItemEditContext& context, QWidget* parent)
    : CSheetPage(context.questions, parent), context_(context)
{
    auto line = [this](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        return edit;
    };
    identifier_ = line("identifier");
    aliases_ = line("aliases");
    shortDescription_ = line("shortDescription");
    longDescription_ = line("longDescription");
    description_ = new QPlainTextEdit(this);
    description_->setObjectName(QStringLiteral("description"));

    auto* fields = new QGridLayout;
    auto addField = [&](const char* label, QWidget* field) {
        const int row = fields->rowCount();
        auto* text = new QLabel(QString::fromLatin1(label), this);
        text->setBuddy(field);
        // The multi-line description keeps its label at the top; the others beside their line.
        fields->addWidget(text, row, 0, field == description_ ? Qt::AlignTop : Qt::Alignment());
        fields->addWidget(field, row, 1);
    };
    addField("Item Identifier:", identifier_);
    addField("Name/Alias List:", aliases_);
    addField("Short Description:", shortDescription_);
    addField("Long Description (as seen lying on the ground):", longDescription_);
    addField("Description:", description_);

    auto* format60 = new QPushButton(QStringLiteral("Format-60"), this);
    auto* format80 = new QPushButton(QStringLiteral("Format-80"), this);
    auto* copyButton = new QPushButton(QStringLiteral("Copy Item"), this);
    auto* templateButton = new QPushButton(QStringLiteral("Use Template"), this);
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
    connect(copyButton, &QPushButton::clicked, this, &CItemDescription::copyItem);
    connect(templateButton, &QPushButton::clicked, this, &CItemDescription::useTemplate);
}

void CItemDescription::activate()
{
    const Item& item = context_.item;
    identifier_->setText(CText::toQt(item.identifier));
    aliases_->setText(CText::toQt(item.aliases));
    shortDescription_->setText(CText::toQt(item.shortDescription));
    longDescription_->setText(CText::toQt(item.longDescription));
    description_->setPlainText(RecordText::linesToQt(item.description));
}

std::string CItemDescription::identifierProblem(const std::string& identifier) const
{
    if (identifier.empty())
        return "The Identifier field must be filled in.";
    if (identifier[0] == '#' && identifierNumber(identifier) == 0)
        return "The Identifier number is not valid.";
    if (identifier != context_.initialIdentifier) {
        bool used = false;
        if (context_.templateMode) {
            const std::vector<std::string>& names = context_.templates.items().names();
            used = std::find(names.begin(), names.end(), identifier) != names.end();
        } else {
            used = context_.world.findItem(identifier) != nullptr;
        }
        if (used)
            return "The Identifier specified is already in use!";
    }
    return {};
}

bool CItemDescription::leave()
{
    const std::string problem = identifierProblem(CText::toRecord(identifier_->text()));
    if (!problem.empty()) {
        refuse(identifier_, problem);
        return false;
    }
    store();
    return true;
}

void CItemDescription::store()
{
    Item& item = context_.item;
    item.identifier = CText::toRecord(identifier_->text());
    item.aliases = CText::toRecord(aliases_->text());
    item.shortDescription = CText::toRecord(shortDescription_->text());
    item.longDescription = CText::toRecord(longDescription_->text());
    item.description = RecordText::linesFromQt(description_->toPlainText());
}


void CItemDescription::copyItem()
{
    std::vector<std::string> identifiers;
    context_.world.itemIdentifiers(identifiers);
    const auto chosen = CPickList::pick(this, questions(), "Select an item to copy from",
                                        "Select one of the following items to copy from:", identifiers);
    if (!chosen)
        return;
    const Item* source = context_.world.findItem(*chosen);
    if (source == nullptr)
        return;
    const std::string typed = CText::toRecord(identifier_->text());
    // The copy keeps its own vnum: two items holding one number would both be written under it.
    const int32_t vnum = context_.item.vnum;
    context_.item = *source;
    context_.item.identifier = typed;
    context_.item.vnum = vnum;
    emit itemReplaced();
    activate();
}

void CItemDescription::useTemplate()
{
    const auto chosen = CPickList::pick(
        this, questions(), "Select an item template to use",
        "Select one of the following item templates to use:", context_.templates.items().names());
    if (!chosen)
        return;
    const std::string typed = CText::toRecord(identifier_->text());
    context_.item.copyContent(context_.templates.items().byName(*chosen));
    context_.item.identifier = typed;
    emit itemReplaced();
    activate();
}

} // namespace tarnholt
