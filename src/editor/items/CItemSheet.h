#pragma once

#include <string>

#include "items/Item.h"
#include "items/ItemEditContext.h"
#include "rooms/CPropertySheet.h"

namespace tarnholt {

/// The item editor: a tabbed form on a working copy of one item. Nine pages are always there;
/// the value page of the item's type follows them and is swapped when the type changes.
/// "OK" leaves the copy in `item()` for the caller (see ItemEdit.h); "Cancel" drops it.
/// In template mode the Identifier names an item template.
class CItemSheet : public CPropertySheet {
    Q_OBJECT
public:
    CItemSheet(const QString& title, const Item& item, const World& world, const Universe& universe,
               const TemplateLibrary& templates, Questions& questions, bool templateMode = false,
               QWidget* parent = nullptr);
    ~CItemSheet() override;

    /// The working copy.
    const Item& item() const { return item_; }
    const std::string& initialIdentifier() const { return context_.initialIdentifier; }
    bool templateMode() const { return context_.templateMode; }
    /// The type whose value page is shown (or would be, for a type without one).
    const std::string& valuePageType() const { return valuePageType_; }

    /// The builder chose another item type: the old type's page and values go, the new type's
    /// page comes with default values. Choosing the type already shown changes nothing.
    void changeType(const std::string& typeName);
    /// The whole item was replaced (copied from another item or a template): shows the value page
    /// of its type with the values it brought along.
    void followItemType();

private:
    void addValuePage(const std::string& typeName);
    void removeValuePage();

    Item item_;
    ItemEditContext context_;
    std::string valuePageType_;
    CSheetPage* valuePage_ = nullptr;
};

} // namespace tarnholt
