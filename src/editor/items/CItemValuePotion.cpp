#include "items/CItemValuePotion.h"

#include <QComboBox>

#include "universe/ComboFill.h"

namespace tarnholt {

CItemValuePotion::CItemValuePotion(ItemEditContext& context, QWidget* parent)
    : CItemValuePage(QStringLiteral("Potion"), context, parent)
{
    addNumber(QStringLiteral("Potion Spell Level:"), "spellLevel", bind(&PotionValues::spellLevel));

    // The potion keeps its spells as a list: the three fields show its first three, and the
    // non-empty fields become the list again, in field order.
    const char* const labels[] = {"Spell One:", "Spell Two:", "Spell Three:"};
    const char* const names[] = {"spellOne", "spellTwo", "spellThree"};
    std::vector<QComboBox*> spells;
    for (int i = 0; i < 3; ++i) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QString::fromLatin1(names[i]));
        addRow(QString::fromLatin1(labels[i]), combo);
        spells.push_back(combo);
    }
    const EntryList spellList = spellNames();
    addBinding(
        [this, spells, spellList] {
            const std::vector<std::string>& chosen = values().spells;
            const std::vector<std::string> entries = spellList();
            for (std::size_t i = 0; i < spells.size(); ++i)
                ComboFill::fill(spells[i], entries, i < chosen.size() ? chosen[i] : std::string());
        },
        {},
        [this, spells] {
            std::vector<std::string> chosen;
            for (QComboBox* combo : spells) {
                std::string name = ComboFill::chosen(combo);
                if (!name.empty())
                    chosen.push_back(std::move(name));
            }
            values().spells = std::move(chosen);
        });

    addNumber(QStringLiteral("Minimum Level:"), "minLevel", bind(&PotionValues::minLevel));
}

} // namespace tarnholt
