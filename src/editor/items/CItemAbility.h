#pragma once

#include <vector>

#include "items/ItemEditContext.h"
#include "rooms/CSheetPage.h"

class QComboBox;
class QLineEdit;

namespace tarnholt {

/// The "Abilities" page of the item editor: six rows of an ability name and its modifier, of which
/// the Universe's limit decides how many can be changed.
class CItemAbility : public CSheetPage {
    Q_OBJECT
public:
    static constexpr int kRowCount = 6;

    explicit CItemAbility(ItemEditContext& context, QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

private:
    ItemEditContext& context_;
    std::vector<QComboBox*> names_;
    std::vector<QLineEdit*> modifiers_;
};

} // namespace tarnholt
