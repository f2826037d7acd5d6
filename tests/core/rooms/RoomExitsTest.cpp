#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "RecordBytes.h"
#include "rooms/RoomExits.h"
#include "world/Archive.h"

using namespace tarnholt;
using tarnholt::testing::RecordBytes;

TEST(RoomExits, ReadingKeepsNothingEditingKeepsAndCopiesAreDeep)
{
    RoomExits exits;
    EXPECT_EQ(std::as_const(exits)[3], Exit());
    EXPECT_FALSE(exits.kept(3));
    Exit& east = exits.edit(1);
    east.target = "yard";
    exits.edit(5).target = "attic"; // adding another exit leaves the first where it was
    EXPECT_EQ(&east, &exits.edit(1));
    std::vector<std::string> walked;
    for (Exit& exit : exits)
        walked.push_back(exit.target);
    EXPECT_EQ(walked, (std::vector<std::string>{"yard", "attic"}));

    RoomExits copy = exits;
    copy.edit(1).target = "cellar";
    EXPECT_EQ(exits[1].target, "yard");
    copy = exits;
    copy.edit(7); // looked at and left empty: equal still
    EXPECT_EQ(copy, exits);
    copy.edit(7).placement = 3;
    EXPECT_NE(copy, exits);

    exits.clear();
    EXPECT_FALSE(exits.kept(1) || exits.kept(5));
    EXPECT_TRUE(exits.begin() == exits.end());
}

TEST(RoomExits, StoresAllTenDirectionsAndKeepsOnlyTheExitsReadNonEmpty)
{
    RoomExits exits;
    exits.edit(0); // kept but empty: stored like any empty direction
    exits.edit(4) = Exit{"", "hatch", "", "", 0, 0, 0, 0, -1}; // no target, yet not empty
    exits.edit(7).placement = 3; // differs from an empty direction in its last byte only
    exits.edit(9) = Exit{"gate", "door", "A door.", "key", 1, 0, 3, 0, 2};

    RecordBytes b;
    for (int d = 0; d < 4; ++d)
        b.emptyExit();
    b.i32(1).str("").str("hatch").str("").str("").i32(0).i32(0).i32(0).i32(0).i32(-1);
    for (int d = 5; d < 7; ++d)
        b.emptyExit();
    b.i32(1).str("").str("").str("").str("").i32(0).i32(0).i32(0).i32(0).i32(3);
    b.emptyExit();
    b.i32(1).str("gate").str("door").str("A door.").str("key").i32(1).i32(0).i32(3).i32(0).i32(2);
    Archive out;
    exits.Serialize(out);
    EXPECT_EQ(out.data(), b.bytes);

    RoomExits loaded;
    loaded.edit(2).target = "left over";
    Archive in(b.bytes);
    loaded.Serialize(in);
    EXPECT_EQ(loaded, exits);
    for (std::size_t d = 0; d < RoomExits::size(); ++d)
        EXPECT_EQ(loaded.kept(d), d == 4 || d == 7 || d == 9) << d;
}
