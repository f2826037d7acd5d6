#pragma once

#include "rooms/CPropertySheet.h"
#include "shops/Shop.h"

namespace tarnholt {

class Questions;
class World;

/// The shop editor: a tabbed form on a copy of one shop, with the pages "Shop Settings", "Buys",
/// "Sells" and "Shop Text".
///
/// Open it with exec(); on "OK" the edited copy is in `shop()` for the caller to append to the
/// World's shops or to write back with applyShopEdit; "Cancel" drops it. A confirmed shop always
/// has a room.
class CShopSheet : public CPropertySheet {
    Q_OBJECT
public:
    CShopSheet(const QString& title, const Shop& shop, const World& world, Questions& questions,
               QWidget* parent = nullptr);

    /// "Creating a New Shop" and "Editing an Existing Shop".
    static QString newShopTitle();
    static QString editShopTitle();

    /// The edited copy.
    const Shop& shop() const { return shop_; }

private:
    Shop shop_;
};

/// Writes a confirmed shop editor's copy back over the World's shop at `index`.
/// False, with nothing changed, when `index` names no shop.
bool applyShopEdit(World& world, std::size_t index, const Shop& edited);

} // namespace tarnholt
