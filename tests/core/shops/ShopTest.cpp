#include <gtest/gtest.h>

#include <string>

#include "core/rooms/RecordBytes.h"
#include "shops/Shop.h"
#include "world/Archive.h"

namespace tarnholt {
namespace {

using testing::RecordBytes;

Shop smithy()
{
    Shop s;
    s.keeper = "Smith", s.room = "Forge";
    s.openTime = 6, s.closeTime = 21, s.profitBuying = 130, s.profitSelling = -40;
    s.itemTypes = {"Weapon", "Armor", "", "Light", ""};
    s.itemsSold = {"Sword", "(None)", "Sword", "", "Shield"};
    s.textDoesNotBuyType = "t1", s.textSellerLacksItem = "t2", s.textShopLacksItem = "t3";
    s.textShopCannotAfford = "t4", s.textBuyerCannotAfford = "t5", s.textShopBought = "t6";
    s.textShopSold = "t7";
    return s;
}

std::string smithyBytes(int32_t version)
{
    RecordBytes b;
    b.i32(version).str("Smith").str("Forge").i32(6).i32(21).i32(130).i32(-40);
    b.str("Weapon").str("Armor").str("").str("Light").str("");
    b.str("Sword").str("(None)").str("Sword").str("").str("Shield");
    return b.str("t1").str("t2").str("t3").str("t4").str("t5").str("t6").str("t7").bytes;
}

TEST(ShopArchive, StoresVersionOneAndLoadsAnyVersion)
{
    Archive out;
    smithy().Serialize(out);
    EXPECT_EQ(out.data(), smithyBytes(1));

    Archive fresh;
    Shop().Serialize(fresh);
    EXPECT_EQ(fresh.data(), RecordBytes().i32(1).str("").str("").i32(0).i32(0).i32(0).i32(0).bytes
                                + std::string(17, '\0'));

    const std::string bytes = smithyBytes(7); // the version number is not used
    Archive in(bytes);
    Shop loaded;
    loaded.Serialize(in);
    EXPECT_EQ(loaded, smithy());
    EXPECT_EQ(in.remaining(), 0u);
}

TEST(ShopRenames, EachKindReachesOnlyItsOwnReferencesExactly)
{
    Shop s = smithy();
    for (const char* other : {"Smith", "Forge", "shield"})
        s.RenameItemRef(other, "X");
    s.RenameItemRef("Sword", "Blade");
    s.RenameMobRef("smith", "X"), s.RenameMobRef("Forge", "X");
    s.RenameRoomRef("Smith", "X"), s.RenameRoomRef("FORGE", "X");
    Shop expected = smithy();
    expected.itemsSold = {"Blade", "(None)", "Blade", "", "Shield"};
    EXPECT_EQ(s, expected);

    s.RenameMobRef("Smith", "Master");
    s.RenameRoomRef("Forge", ""); // the room was deleted
    expected.keeper = "Master", expected.room = "";
    EXPECT_EQ(s, expected);
}

} // namespace
} // namespace tarnholt
