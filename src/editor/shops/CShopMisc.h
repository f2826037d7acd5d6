#pragma once

#include "rooms/CSheetPage.h"

class QComboBox;
class QLineEdit;

namespace tarnholt {

class Shop;
class World;

/// The "Shop Settings" page of the shop editor: the room and the keeper, the profits and the
/// opening hours. It can not be left without a room.
class CShopMisc : public CSheetPage {
    Q_OBJECT
public:
    CShopMisc(Shop& shop, const World& world, Questions& questions, QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

private:
    Shop& shop_;
    const World& world_;
    QComboBox* room_ = nullptr;
    QComboBox* keeper_ = nullptr;
    int listedRooms_ = -1; // entries of room_ and keeper_ made from the World; -1 until made
    int listedKeepers_ = -1;
    QLineEdit* profitBuying_ = nullptr;
    QLineEdit* profitSelling_ = nullptr;
    QLineEdit* openTime_ = nullptr;
    QLineEdit* closeTime_ = nullptr;
};

} // namespace tarnholt
