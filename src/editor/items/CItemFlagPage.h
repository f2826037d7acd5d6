#pragma once

#include <string>
#include <vector>

#include "items/ItemEditContext.h"
#include "rooms/CSheetPage.h"

class QCheckBox;

namespace tarnholt {

class Item;
struct FlagEntry;

/// A page of check boxes, box i carrying the name of entry i of a Universe table and ticked when
/// that name is in one name list of the item; boxes beyond the table are hidden. The base of the
/// "Classes", "Flags" and "Wear" pages.
class CItemFlagPage : public CSheetPage {
    Q_OBJECT
public:
    void activate() override;
    bool leave() override;

    /// Ticks or clears every box that is shown.
    void setAll(bool ticked);

protected:
    using NameList = std::vector<std::string> Item::*;

    /// `heading` (may be empty) stands above the boxes; `selectButtons` adds "Select All" and
    /// "Unselect All".
    CItemFlagPage(ItemEditContext& context, const QString& heading, int boxCount,
                  const std::vector<FlagEntry>& table, NameList names, bool selectButtons, QWidget* parent);

private:
    ItemEditContext& context_;
    const std::vector<FlagEntry>& table_;
    NameList names_;
    std::vector<QCheckBox*> boxes_;
};

} // namespace tarnholt
