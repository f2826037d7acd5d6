#pragma once

#include <string>

#include "items/ItemEditContext.h"
#include "rooms/CSheetPage.h"

class QLineEdit;
class QPlainTextEdit;

namespace tarnholt {

/// The "Description" page of the item editor: Identifier, names and descriptions, with the
/// Identifier checks, the formatter, and copying from another item or a template.
class CItemDescription : public CSheetPage {
    Q_OBJECT
public:
    explicit CItemDescription(ItemEditContext& context, QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

    /// The message for an Identifier that can not be kept, or "" when it is fine.
    std::string identifierProblem(const std::string& identifier) const;

signals:
    /// The whole working item was replaced ("Copy Item", "Use Template"); its type may differ.
    void itemReplaced();

private:
    void store();
    void copyItem();
    void useTemplate();

    ItemEditContext& context_;
    QLineEdit* identifier_ = nullptr;
    QLineEdit* aliases_ = nullptr;
    QLineEdit* shortDescription_ = nullptr;
    QLineEdit* longDescription_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
};

} // namespace tarnholt
