#include <gtest/gtest.h>

#include "rooms/Room.h"
#include "world/World.h"

using namespace tarnholt;

namespace {

// A room that refers to "hall" every way a room can, with a door keyed by "brass key".
Room referringRoom()
{
    Room room;
    room.identifier = "yard";
    room.exits.edit(0) = Exit{"hall", "door", "A door.", "brass key", 1, 0, 3, 0, 2};
    room.exits.edit(2).target = "Hall";
    room.moving = 1, room.moveTo = "hall";
    room.loads = {LoadAction{0, 0, "guard", "", "", "", "", "", 1, 100, -1},
                  LoadAction{4, 0, "", "brass key", "", "", "brass key", "", 1, 100, -1}};
    return room;
}

} // namespace

TEST(RoomRenames, DeletedRoomClearsExitsAndMoveTargetRenamedRoomKeepsTheDoor)
{
    Room room = referringRoom();
    room.RenameRoomRef("hall", "");
    EXPECT_EQ(room.exits[0], Exit());
    EXPECT_EQ(room.exits[2].target, "Hall"); // case differs: another room
    EXPECT_EQ(room.moveTo, "");
    EXPECT_EQ(room.loads, referringRoom().loads);

    room = referringRoom();
    room.RenameRoomRef("hall", "great hall");
    Exit expected = referringRoom().exits[0];
    expected.target = "great hall";
    EXPECT_EQ(room.exits[0], expected);
    EXPECT_EQ(room.moveTo, "great hall");
    room.RenameRoomRef("yard", "courtyard");
    EXPECT_EQ(room.identifier, "courtyard");
}

TEST(RoomRenames, ItemAndMobRenamesReachKeysAndLoadsButNotContainers)
{
    Room room = referringRoom();
    room.RenameItemRef("brass key", "iron key");
    room.RenameItemRef("Iron Key", "x");
    room.RenameMobRef("guard", "captain");
    room.RenameMobRef("hall", "x");
    Room expected = referringRoom();
    expected.exits.edit(0).key = expected.loads[1].item = "iron key";
    expected.loads[0].mob = "captain";
    EXPECT_EQ(room, expected);
}

TEST(RoomCopies, TemplatesCarryContentButNeverPlaceIdentityOrExitsResetKeepsLists)
{
    Room templ = referringRoom();
    templ.column = templ.row = templ.vnum = 5;
    templ.name = "Template", templ.flags = {"Dark"}, templ.specProcs = {"ROOM_STICKY"};
    templ.extraDescriptions.set("sign", "It reads: keep out.");

    Room room;
    room.column = 7, room.vnum = 3001, room.identifier = "kitchen", room.exits.edit(3).target = "pantry";
    Room expected = templ;
    expected.column = expected.row = expected.vnum = -1;
    expected.identifier.clear();
    expected.exits = room.exits;
    Room fresh = room;
    fresh.copyAsNew(templ);
    EXPECT_EQ(fresh, expected);
    expected.column = 7, expected.vnum = 3001, expected.identifier = "kitchen";
    room.copyContent(templ);
    EXPECT_EQ(room, expected);

    // reset() keeps exits, loads and extra descriptions.
    templ.reset();
    expected = Room();
    expected.exits = referringRoom().exits, expected.loads = referringRoom().loads;
    expected.extraDescriptions.set("sign", "It reads: keep out.");
    EXPECT_EQ(templ, expected);
}

struct PlacementRow {
    int column, row, targetColumn, targetRow;
    int32_t placement;
};

class ExitPlacement : public ::testing::TestWithParam<PlacementRow> {};

TEST_P(ExitPlacement, FacesTheRoom)
{
    const PlacementRow& p = GetParam();
    EXPECT_EQ(Exit::placementFor(p.column, p.row, p.targetColumn, p.targetRow), p.placement);
    World world;
    world.rooms.resize(1);
    world.rooms[0].identifier = "target", world.rooms[0].column = p.targetColumn, world.rooms[0].row = p.targetRow;
    EXPECT_EQ(Exit::placementFor(world, p.column, p.row, "target"), p.placement);
    EXPECT_EQ(Exit::placementFor(world, p.column, p.row, "Target"), 9);
}

INSTANTIATE_TEST_SUITE_P(Rows, ExitPlacement,
    ::testing::Values(PlacementRow{5, 5, 5, 6, 0}, PlacementRow{5, 5, 2, 5, 1}, PlacementRow{5, 5, 5, 1, 2},
                      PlacementRow{5, 5, 5, 5, 2}, PlacementRow{5, 5, 9, 5, 3}, PlacementRow{5, 5, 4, 6, 6},
                      PlacementRow{5, 5, 4, 4, 7}, PlacementRow{5, 5, 6, 4, 8}, PlacementRow{5, 5, 6, 6, 9}));
