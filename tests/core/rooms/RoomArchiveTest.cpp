#include <gtest/gtest.h>

#include "RecordBytes.h"
#include "rooms/Room.h"
#include "world/Archive.h"

using namespace tarnholt;
using tarnholt::testing::RecordBytes;

namespace {

// A room stored up to (not including) its load count, with the given version.
RecordBytes roomHead(int32_t version)
{
    RecordBytes b;
    b.i32(version).i32(-1).i32(-1).i32(-1).i32(0);   // column, row, vnum, moving
    b.str("").str("").str("").str("Inside");         // identifier, name, description, terrain
    b.i32(0).i32(0).i32(1).i32(1).str("").str("");   // boat, fly, speed, timer, moveTo, moveText
    b.i32(0).i32(1).i32(0).i32(0);                   // flags; extra descriptions
    for (int i = 0; i < 10; ++i)
        b.emptyExit();
    return b;
}

// One stored load action after its version number, up to its mob and item.
RecordBytes& loadFields(RecordBytes& b) { return b.i32(3).i32(5).i32(2).i32(60).i32(7).str("guard").str("sword"); }

} // namespace

TEST(RoomArchive, NewRoomStoresTheHandWorkedBytes)
{
    Archive ar;
    Room().Serialize(ar);
    EXPECT_EQ(ar.data(), roomHead(1).i32(0).i32(0).bytes); // no loads, no spec procs
    EXPECT_EQ(ar.data().size(), 352u);
}

TEST(RoomArchive, VersionZeroHasNoSpecialProceduresAndTheNextRecordFollows)
{
    RecordBytes b = roomHead(0);
    b.i32(1).i32(4);
    loadFields(b).str("Wielded").str("chest").str("note");
    b.i32(0x5EED); // what follows the room in the file

    Room room;
    room.specProcs = {"left over"};
    Archive ar(b.bytes);
    room.Serialize(ar);
    EXPECT_EQ(ar.readInt(), 0x5EED);
    EXPECT_TRUE(room.specProcs.empty());
    ASSERT_EQ(room.loads.size(), 1u);
    EXPECT_EQ(room.loads[0], (LoadAction{3, 5, "guard", "sword", "", "Wielded", "chest", "note", 2, 60, 7}));
}

TEST(RoomArchive, EveryFieldSurvivesARoundTrip)
{
    Room room;
    room.column = 4, room.row = 9, room.vnum = 3001, room.identifier = "temple", room.name = "The Temple";
    room.description = "Line one\r\nLine two\r\n", room.flags = {"Dark", "Indoors"};
    room.specProcs = {"ROOM_STICKY", "ROOM_HEAL_ALL"}, room.terrain = "City";
    room.moving = room.ignoreBoat = room.ignoreFly = 1, room.moveSpeed = 3, room.moveTimer = 7;
    room.moveTo = "dock", room.moveText = "Swept away.";
    room.exits.edit(5) = Exit{"attic", "hatch", "A hatch.", "brass key", 1, 1, 3, 8, 2};
    LoadAction action{4, 2, "guard", "gem", "", "Wielded", "chest", "hidden", 3, 40, 6};
    room.loads = {action, action};
    room.extraDescriptions.set("altar", "Stone.");

    Archive out;
    room.Serialize(out);
    Room loaded;
    Archive in(out.data());
    loaded.Serialize(in);
    EXPECT_EQ(loaded, room);
    EXPECT_EQ(in.remaining(), 0u);
}

TEST(RoomArchive, DamagedLoadCountsNeitherAllocateNorCrash)
{
    const std::string negative = roomHead(1).i32(-5).i32(0).bytes;
    Room room;
    room.loads.resize(2);
    Archive ar(negative);
    room.Serialize(ar);
    EXPECT_TRUE(room.loads.empty());
    const std::string huge = roomHead(1).i32(0x7FFFFFFF).i32(4).bytes;
    Archive truncated(huge);
    EXPECT_THROW(room.Serialize(truncated), ArchiveError);
}

TEST(LoadActionArchive, StoresVersionFourWithoutTheOwnerRoom)
{
    LoadAction action{3, 5, "guard", "sword", "temple", "Wielded", "chest", "note", 2, 60, 7};
    RecordBytes b;
    loadFields(b.i32(4)).str("Wielded").str("chest").str("note");
    Archive ar;
    action.Serialize(ar);
    EXPECT_EQ(ar.data(), b.bytes);
}

struct OldLoadAction {
    int32_t version;
    std::vector<std::string> strings; // after mob and item, in file order
    std::string equipPosition, container, comment;
};

class LoadActionVersions : public ::testing::TestWithParam<OldLoadAction> {};

TEST_P(LoadActionVersions, ReadsTheStringsOfItsVersion)
{
    const OldLoadAction& row = GetParam();
    RecordBytes b;
    loadFields(b.i32(row.version));
    for (const auto& s : row.strings)
        b.str(s);
    b.i32(0x5EED);

    LoadAction action;
    action.container = action.comment = "stale";
    Archive ar(b.bytes);
    action.Serialize(ar);
    EXPECT_EQ(ar.readInt(), 0x5EED);
    EXPECT_EQ(action, (LoadAction{3, 5, "guard", "sword", "", row.equipPosition, row.container, row.comment, 2, 60, 7}));
}

INSTANTIATE_TEST_SUITE_P(Rows, LoadActionVersions,
    ::testing::Values(OldLoadAction{1, {"dropped", "Wielded"}, "Wielded", "", ""},
                      OldLoadAction{2, {"Wielded"}, "Wielded", "", ""},
                      OldLoadAction{3, {"Wielded", "chest"}, "Wielded", "chest", ""},
                      OldLoadAction{0, {"Wielded", "chest", "note"}, "Wielded", "chest", "note"},
                      OldLoadAction{9, {"Wielded", "chest", "note"}, "Wielded", "chest", "note"}));
