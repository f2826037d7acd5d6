#include "shops/Shop.h"

#include "world/Archive.h"

namespace tarnholt {

void Shop::Serialize(Archive& ar)
{
    int32_t version = 1; // the only version there is; a loaded number is not used
    ar.serialize(version);
    ar.serialize(keeper);
    ar.serialize(room);
    ar.serialize(openTime);
    ar.serialize(closeTime);
    ar.serialize(profitBuying);
    ar.serialize(profitSelling);
    for (auto& type : itemTypes)
        ar.serialize(type);
    for (auto& item : itemsSold)
        ar.serialize(item);
    ar.serialize(textDoesNotBuyType);
    ar.serialize(textSellerLacksItem);
    ar.serialize(textShopLacksItem);
    ar.serialize(textShopCannotAfford);
    ar.serialize(textBuyerCannotAfford);
    ar.serialize(textShopBought);
    ar.serialize(textShopSold);
}

void Shop::RenameItemRef(const std::string& oldName, const std::string& newName)
{
    for (auto& item : itemsSold)
        if (item == oldName)
            item = newName;
}

void Shop::RenameMobRef(const std::string& oldName, const std::string& newName)
{
    if (keeper == oldName)
        keeper = newName;
}

void Shop::RenameRoomRef(const std::string& oldName, const std::string& newName)
{
    if (room == oldName)
        room = newName;
}

} // namespace tarnholt
