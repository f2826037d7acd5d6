#pragma once

#include <array>

#include "rooms/CSheetPage.h"

class QComboBox;

namespace tarnholt {

class Shop;
class World;

/// The "Sells" page of the shop editor: the five items the keeper sells when the game starts.
class CShopSell : public CSheetPage {
    Q_OBJECT
public:
    CShopSell(Shop& shop, const World& world, Questions& questions, QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

private:
    Shop& shop_;
    const World& world_;
    std::array<QComboBox*, 5> items_{};
    int listed_ = -1; // entries of each of items_ made from the World; -1 until made
};

} // namespace tarnholt
