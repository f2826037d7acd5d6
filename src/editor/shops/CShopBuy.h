#pragma once

#include <array>
#include <string>
#include <vector>

#include "rooms/CSheetPage.h"

class QComboBox;

namespace tarnholt {

class Shop;

/// The "Buys" page of the shop editor: the five item types the shop buys.
class CShopBuy : public CSheetPage {
    Q_OBJECT
public:
    CShopBuy(Shop& shop, Questions& questions, QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

    /// The item types a shop can buy, in the order the lists offer them.
    static const std::vector<std::string>& typeNames();

private:
    Shop& shop_;
    std::array<QComboBox*, 5> types_{};
};

} // namespace tarnholt
