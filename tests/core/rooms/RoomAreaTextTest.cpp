#include <gtest/gtest.h>

#include "generate/Generator.h"
#include "rooms/Room.h"
#include "universe/Universe.h"
#include "world/World.h"

using namespace tarnholt;

namespace {

class RoomAreaText : public ::testing::Test {
protected:
    RoomAreaText()
    {
        world.zoneNumber = 30;
        for (auto [identifier, vnum] : {std::pair{"hall", 3002}, {"dock", 1205}, {"gate", 3001}}) {
            Room& room = world.rooms.emplace_back();
            room.identifier = identifier, room.vnum = vnum;
        }
        Item& key = world.items.emplace_back();
        key.identifier = "brass key", key.vnum = 3050;
    }

    std::string write(const Room& room)
    {
        std::string out;
        room.WriteAreaText(out, universe, world);
        return out;
    }

    std::string door(const Exit& exit, int direction)
    {
        std::string out;
        exit.WriteAreaText(out, universe, world, direction);
        return out;
    }

    Universe universe;
    World world;
    Generator generator{universe, world};
};

Room temple()
{
    Room room;
    room.vnum = 3001, room.identifier = "temple", room.name = "The Temple";
    room.description = "You stand in the temple.\r\n";
    return room;
}

} // namespace

TEST_F(RoomAreaText, EmptyDescriptionIsWrittenAndWarned)
{
    Room room = temple();
    room.description.clear();
    room.exits.edit(0) = Exit{"", "forgotten", "", "", 0, 0, 2, 0, -1}; // no target: no door block
    EXPECT_EQ(write(room), "#3001\nThe Temple~\n\n~\n30  0 0\nS\n");
    EXPECT_EQ(generator.warnings(), (std::vector<Warning>{{"Room", "temple", "No Description"}}));
}

struct RoomLineRow {
    std::vector<std::string> flags;
    std::string terrain;
    int32_t moving;
    std::string line;
};

class RoomLine : public RoomAreaText, public ::testing::WithParamInterface<RoomLineRow> {};

TEST_P(RoomLine, FlagWordsAfterTheZoneNumber)
{
    world.zoneNumber = 12;
    Room room = temple();
    room.flags = GetParam().flags, room.terrain = GetParam().terrain, room.moving = GetParam().moving;
    const std::string head = "#3001\nThe Temple~\nYou stand in the temple.\n~\n" + GetParam().line + "\n";
    EXPECT_EQ(write(room).substr(0, head.size()), head);
}

INSTANTIATE_TEST_SUITE_P(Rows, RoomLine,
    ::testing::Values(RoomLineRow{{"Dark", "Indoors"}, "City", 0, "12  AD 1"},
                      RoomLineRow{{"Dark", "Indoors"}, "City", 1, "12 G AD 1"},
                      RoomLineRow{{"Dark", "Indoors"}, "City", 2, "12  AD 1"},
                      RoomLineRow{{}, "City", 0, "12  0 1"},
                      RoomLineRow{{"Indoors", "Bogus", "Dark"}, "Nowhere", 0, "12  DA 0"}));

TEST_F(RoomAreaText, MovingRoomWithExtrasAndSpecialProcedures)
{
    world.zoneNumber = 12;
    Room room;
    room.vnum = 1201, room.identifier = "river", room.name = "River", room.description = "Fast water.";
    room.flags = {"Dark", "Indoors"}, room.terrain = "City";
    room.moving = 1, room.moveText = "The current drags you.", room.moveTo = "dock";
    room.moveSpeed = 2, room.moveTimer = 3, room.ignoreBoat = 1;
    room.exits.edit(5) = Exit{"hall", "hatch", "", "", 0, 0, 0, 0, -1};
    room.extraDescriptions.set("rock", "A wet rock.\r\n");
    room.specProcs = {"A", "B"};
    EXPECT_EQ(write(room), "#1201\nRiver~\nFast water.\n~\n12 G AD 1\n"
                           "D5\n\n~\nhatch~\n0 -1 3002\n"
                           "E\nrock~\nA wet rock.\n~\n"
                           "M\nThe current drags you.\n~\n1205 2 3 1 0\n"
                           "<SPECIAL>\nA\nB\n</SPECIAL>\nS\n");

    room.moveTo = "nowhere";
    EXPECT_NE(write(room).find("~\n-1 2 3 1 0\n"), std::string::npos);
}

TEST_F(RoomAreaText, DoorBlocks)
{
    Exit exit{"gate", "door wooden", "A sturdy door.\r\n", "brass key", 1, 0, 0, 0, -1};
    EXPECT_EQ(door(exit, 0), "D0\nA sturdy door.\n~\ndoor wooden~\n1 3050 3001\n");

    exit.description = "Line one\r\nLine two\r\n", exit.pickable = 1;
    EXPECT_EQ(door(exit, 9), "D9\nLine one\nLine two\n~\ndoor wooden~\n2 3050 3001\n");

    exit.openable = 0, exit.key = "(None)", exit.target = "#3050 the vault";
    EXPECT_EQ(door(exit, 4), "D4\nLine one\nLine two\n~\ndoor wooden~\n2 -1 3050\n");

    exit.pickable = 0, exit.key = "";
    EXPECT_EQ(door(exit, 4), "D4\nLine one\nLine two\n~\ndoor wooden~\n0 -1 3050\n");
}

TEST_F(RoomAreaText, DoorResetsOnlyForExitsThatReset)
{
    Room room;
    room.vnum = 3001;
    room.exits.edit(1) = Exit{"hall", "", "", "", 1, 0, 1, 0, -1};
    room.exits.edit(2) = Exit{"hall", "", "", "", 1, 0, 0, 0, -1};
    room.exits.edit(4) = Exit{"", "", "", "", 1, 0, 3, 0, -1};
    room.exits.edit(6) = Exit{"dock", "", "", "", 1, 0, 2, 0, -1};
    room.exits.edit(9) = Exit{"gate", "", "", "", 1, 1, 3, 0, -1};
    std::string out;
    room.WriteDoorResets(out, universe, world);
    EXPECT_EQ(out, "D 0 3001 1 0\nD 0 3001 6 1\nD 0 3001 9 2\n");
}
