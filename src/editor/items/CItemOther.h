#pragma once

#include <vector>

#include "items/ItemEditContext.h"
#include "rooms/CSheetPage.h"

class QComboBox;
class QLineEdit;

namespace tarnholt {

/// The "Type/Effect" page of the item editor: the item type, weight, value, rent and the
/// permanent spell effects.
class CItemOther : public CSheetPage {
    Q_OBJECT
public:
    /// The item types in the order the page offers them.
    static const std::vector<const char*>& typeChoices();

    explicit CItemOther(ItemEditContext& context, QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

signals:
    /// The builder chose a type in "Item Type:" (possibly the one already chosen).
    void typeChosen(const QString& typeName);

private:
    ItemEditContext& context_;
    QComboBox* type_ = nullptr;
    QLineEdit* weight_ = nullptr;
    QLineEdit* value_ = nullptr;
    QLineEdit* rent_ = nullptr;
    std::vector<QComboBox*> spells_;
};

} // namespace tarnholt
