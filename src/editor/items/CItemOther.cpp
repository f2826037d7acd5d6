#include "items/CItemOther.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/CFieldCheck.h"
#include "app/CText.h"
#include "items/Item.h"
#include "universe/ComboFill.h"
#include "universe/Universe.h"

namespace tarnholt {

namespace {

constexpr int kSpellFields = 3;

} // namespace

const std::vector<const char*>& CItemOther::typeChoices()
{
    static const std::vector<const char*> choices{
        "Light", "Scroll", "Staff",    "Wand",      "Weapon",          "Treasure",       "Armor", "Potion",
        "Worn",  "Other",  "Trash",    "Container", "Drink Container", "Device",         "Key",   "Food",
        "Money", "Boat",   "Fountain", "Airship",   "Fireweapon",      "Missile Weapon", "Note"};
    return choices;
}

CItemOther::CItemOther(ItemEditContext& context, QWidget* parent)
    : CSheetPage(context.questions, parent), context_(context)
{
    type_ = new QComboBox(this);
    type_->setObjectName(QStringLiteral("itemType"));
    for (const char* name : typeChoices())
        type_->addItem(QString::fromLatin1(name));
    auto number = [this](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        return edit;
    };
    weight_ = number("weight");
    value_ = number("value");
    rent_ = number("rent");

    auto* fields = new QGridLayout;
    auto addField = [&](const QString& label, QWidget* field) {
        const int row = fields->rowCount();
        auto* text = new QLabel(label, this);
        text->setBuddy(field);
        fields->addWidget(text, row, 0);
        fields->addWidget(field, row, 1);
    };
    addField(QStringLiteral("Item Type:"), type_);
    addField(QStringLiteral("Weight:"), weight_);
    addField(QStringLiteral("Value:"), value_);
    addField(QStringLiteral("Rent/Day:"), rent_);
    for (int i = 0; i < kSpellFields; ++i) {
        auto* spell = new QComboBox(this);
        spell->setObjectName(QStringLiteral("spellEffect%1").arg(i + 1));
        addField(QStringLiteral("Spell Effect:"), spell);
        spells_.push_back(spell);
    }
    fields->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch();

    connect(type_, &QComboBox::activated, this,
            [this](int index) { emit typeChosen(type_->itemText(index)); });
}

void CItemOther::activate()
{
    const Item& item = context_.item;
    const int offered = static_cast<int>(typeChoices().size());
    while (type_->count() > offered)
        type_->removeItem(type_->count() - 1);
    const QString type = CText::toQt(item.itemType);
    int index = type_->findText(type, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        index = type_->findText(type, Qt::MatchFixedString);
    if (index < 0 && !type.isEmpty()) {
        // A type this editor does not offer stays what it is rather than being dropped.
        type_->addItem(type);
        index = type_->count() - 1;
    }
    const bool blocked = type_->blockSignals(true);
    type_->setCurrentIndex(index);
    type_->blockSignals(blocked);

    weight_->setText(QString::number(item.weight));
    value_->setText(QString::number(item.value));
    rent_->setText(QString::number(item.rent));

    std::vector<std::string> names;
    names.reserve(context_.universe.spells.size());
    for (const SpellEntry& spell : context_.universe.spells)
        names.push_back(spell.name);
    for (std::size_t i = 0; i < spells_.size(); ++i) {
        ComboFill::fill(spells_[i], names, i < item.itemSpells.size() ? item.itemSpells[i] : std::string());
        spells_[i]->setEnabled(static_cast<int32_t>(i) < context_.universe.maxItemSpells);
    }
}

bool CItemOther::leave()
{
    CFieldCheck check(questions());
    int32_t weight = 0;
    int32_t value = 0;
    int32_t rent = 0;
    check.integer(weight_, weight);
    check.integer(value_, value);
    check.integer(rent_, rent);
    if (!check.ok())
        return false;

    Item& item = context_.item;
    item.itemType = type_->currentIndex() < 0 ? std::string() : CText::toRecord(type_->currentText());
    item.weight = weight;
    item.value = value;
    item.rent = rent;
    item.itemSpells.clear();
    for (QComboBox* spell : spells_) {
        std::string name = ComboFill::chosen(spell);
        if (!name.empty())
            item.itemSpells.push_back(std::move(name));
    }
    return true;
}

} // namespace tarnholt
