#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tarnholt {

class Archive;

/// A keeper mob that buys and sells goods in one room. Lives only in the world document:
/// no area file is generated for it.
class Shop {
public:
    std::string keeper;              // Identifier of the keeper mob
    std::string room;                // Identifier of the room the shop is in
    int32_t openTime = 0;            // hour, 24-hour clock
    int32_t closeTime = 0;
    int32_t profitBuying = 0;        // percent
    int32_t profitSelling = 0;       // percent
    std::array<std::string, 5> itemTypes; // item type names bought; "" = none
    std::array<std::string, 5> itemsSold; // item Identifiers; "" or "(None)" = none
    std::string textDoesNotBuyType;      // the shop does not buy that item type
    std::string textSellerLacksItem;     // the character sells an item he does not have
    std::string textShopLacksItem;       // the character buys an item the shop does not have
    std::string textShopCannotAfford;    // the shop cannot afford the item being sold
    std::string textBuyerCannotAfford;   // the character cannot afford the item
    std::string textShopBought;          // the shop bought the item
    std::string textShopSold;            // the shop sold the item

    void Serialize(Archive& ar);

    void RenameItemRef(const std::string& oldName, const std::string& newName);
    void RenameMobRef(const std::string& oldName, const std::string& newName);
    void RenameRoomRef(const std::string& oldName, const std::string& newName);

    bool operator==(const Shop&) const = default;
};

} // namespace tarnholt
