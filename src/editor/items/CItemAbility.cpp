#include "items/CItemAbility.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/CFieldCheck.h"
#include "items/Item.h"
#include "universe/ComboFill.h"
#include "universe/Universe.h"

namespace tarnholt {

CItemAbility::CItemAbility(ItemEditContext& context, QWidget* parent)
    : CSheetPage(context.questions, parent), context_(context)
{
    // "Abiliy Five:" is how the form has always spelt it.
    const char* const labels[kRowCount] = {
        "Ability One:", "Ability Two:", "Ability Three:", "Ability Four:", "Abiliy Five:", "Ability Six:"};
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Ability List:"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Modifier on Ability:"), this), 0, 2);
    for (int row = 0; row < kRowCount; ++row) {
        auto* name = new QComboBox(this);
        name->setObjectName(QStringLiteral("ability%1").arg(row + 1));
        auto* modifier = new QLineEdit(this);
        modifier->setObjectName(QStringLiteral("modifier%1").arg(row + 1));
        auto* label = new QLabel(QString::fromLatin1(labels[row]), this);
        label->setBuddy(name);
        grid->addWidget(label, row + 1, 0);
        grid->addWidget(name, row + 1, 1);
        grid->addWidget(modifier, row + 1, 2);
        names_.push_back(name);
        modifiers_.push_back(modifier);
    }
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
}

void CItemAbility::activate()
{
    const Item& item = context_.item;
    std::vector<std::string> applies;
    applies.reserve(context_.universe.applyTypes.size());
    for (const FlagEntry& entry : context_.universe.applyTypes)
        applies.push_back(entry.name);

    for (std::size_t row = 0; row < names_.size(); ++row) {
        const bool held = row < item.abilityNames.size();
        ComboFill::fill(names_[row], applies, held ? item.abilityNames[row] : std::string());
        const int32_t modifier = held && row < item.abilityModifiers.size() ? item.abilityModifiers[row] : 0;
        modifiers_[row]->setText(QString::number(modifier));
        const bool enabled = static_cast<int32_t>(row) < context_.universe.maxAbilities;
        names_[row]->setEnabled(enabled);
        modifiers_[row]->setEnabled(enabled);
    }
}

bool CItemAbility::leave()
{
    // Rows without a name are dropped (their modifier with them), so the gaps close up.
    CFieldCheck check(questions());
    std::vector<std::string> names;
    std::vector<int32_t> modifiers;
    for (std::size_t row = 0; row < names_.size(); ++row) {
        int32_t modifier = 0;
        if (!check.integer(modifiers_[row], modifier))
            return false;
        std::string name = ComboFill::chosen(names_[row]);
        if (name.empty())
            continue;
        names.push_back(std::move(name));
        modifiers.push_back(modifier);
    }
    Item& item = context_.item;
    item.abilityNames = std::move(names);
    item.abilityModifiers = std::move(modifiers);
    return true;
}

} // namespace tarnholt
