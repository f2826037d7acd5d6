#pragma once

#include <array>
#include <string>

#include "rooms/CSheetPage.h"

class QLineEdit;

namespace tarnholt {

class Shop;

/// The "Shop Text" page of the shop editor: the seven things the keeper says.
class CShopText1 : public CSheetPage {
    Q_OBJECT
public:
    CShopText1(Shop& shop, Questions& questions, QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

private:
    /// The shop's texts in the order the page shows them.
    std::array<std::string*, 7> texts() const;

    Shop& shop_;
    std::array<QLineEdit*, 7> fields_{};
};

} // namespace tarnholt
