#pragma once

#include "items/ItemEditContext.h"
#include "rooms/CSheetPage.h"

class QComboBox;
class QListWidget;

namespace tarnholt {

/// The "Assemble" page of the item editor: the items needed to assemble this one.
class CItemAssemble : public CSheetPage {
    Q_OBJECT
public:
    explicit CItemAssemble(ItemEditContext& context, QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

private:
    void add();
    void remove();
    void storeList();

    ItemEditContext& context_;
    QListWidget* list_ = nullptr;
    QComboBox* component_ = nullptr;
};

} // namespace tarnholt
