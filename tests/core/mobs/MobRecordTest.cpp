#include <gtest/gtest.h>

#include <string>

#include "core/rooms/RecordBytes.h"
#include "mobs/Mob.h"
#include "world/Archive.h"

namespace tarnholt {
namespace {

using testing::RecordBytes;

// Every field distinct from its default and from the others, so a field out of place shows.
Mob distinctMob()
{
    Mob m;
    m.alignment = 101, m.armorClass = 102, m.damageDiceCount = 103, m.damageDiceSides = 104;
    m.damageBonus = 105, m.defaultPosition = 2, m.experience = 107, m.gold = 108, m.hitDiceCount = 109;
    m.hitDiceSides = 110, m.hitBonus = 111, m.level = 112, m.loadPosition = 3, m.sex = 2, m.thaco = 115;
    m.attackCountIndex = 3, m.vnum = 117;
    m.description = "desc\r\nline", m.longDescription = "long", m.aliases = "alias";
    m.shortDescription = "short", m.identifier = "Guard";
    m.flags = {"Sentinel", "Hidden"};
    m.specProcs = {"MOB_MAGE 100 0 0"};
    m.speech = {"<INTERVAL> 15\n"};
    m.extraDescriptions.set("badge", "A shiny badge.");
    return m;
}

// distinctMob's archive by hand; version 1 has no spec procs nor speech.
std::string distinctMobBytes(int32_t version)
{
    RecordBytes b;
    b.i32(version).i32(101).i32(102).i32(103).i32(104).i32(105).i32(2).str("desc\r\nline");
    b.i32(107).i32(108).i32(109).i32(110).i32(111).i32(112).i32(3).str("long").str("alias").i32(2);
    b.str("short").i32(115).str("Guard").i32(3).i32(117).i32(2).str("Sentinel").str("Hidden");
    if (version > 1)
        b.i32(1).str("MOB_MAGE 100 0 0").i32(1).str("<INTERVAL> 15\n");
    return b.i32(1).i32(1).str("badge").i32(1).str("A shiny badge.").bytes;
}

TEST(MobRecord, ResetCopiesAndRenames)
{
    Mob m = distinctMob();
    m.reset(); // spec procs and extra descriptions survive a reset
    Mob expected;
    expected.specProcs = {"MOB_MAGE 100 0 0"};
    expected.extraDescriptions.set("badge", "A shiny badge.");
    EXPECT_EQ(m, expected);

    Mob asNew, target;
    asNew.copyAsNew(distinctMob());
    target.vnum = 7, target.identifier = "Baker";
    target.copyContent(distinctMob());
    expected = distinctMob();
    expected.vnum = -1, expected.identifier = "";
    EXPECT_EQ(asNew, expected);
    expected.vnum = 7, expected.identifier = "Baker";
    EXPECT_EQ(target, expected);

    target.RenameItemRef("Baker", "X");
    target.RenameRoomRef("Baker", "X");
    target.RenameMobRef("baker", "X");
    EXPECT_EQ(target, expected);
    target.RenameMobRef("Baker", "Cook");
    EXPECT_EQ(target.identifier, "Cook");
}

TEST(MobArchive, StoresVersionTwoAndLoadsVersionsOneAndTwo)
{
    Archive out;
    distinctMob().Serialize(out);
    EXPECT_EQ(out.data(), distinctMobBytes(2));

    for (int32_t version : {1, 2}) {
        const std::string bytes = distinctMobBytes(version);
        Archive in(bytes);
        Mob loaded;
        loaded.specProcs = loaded.speech = {"stale"}; // replaced on loading
        loaded.Serialize(in);
        EXPECT_EQ(in.remaining(), 0u);
        Mob expected = distinctMob();
        if (version == 1)
            expected.specProcs.clear(), expected.speech.clear();
        EXPECT_EQ(loaded, expected);
    }
}

} // namespace
} // namespace tarnholt
