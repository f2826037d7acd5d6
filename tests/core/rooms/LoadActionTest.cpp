#include <gtest/gtest.h>

#include "generate/Generator.h"
#include "generate/LoadAction.h"
#include "universe/Universe.h"
#include "world/World.h"

using namespace tarnholt;

namespace {

struct CommandRow {
    const char* what;
    int32_t task, condition, probability, maxLoad;
    std::string mob, item, equipPosition, container, comment;
    std::string room;
    std::string line;
    std::vector<std::string> warnings;
};

void PrintTo(const CommandRow& row, std::ostream* os) { *os << row.what; }

// Mob 3001, items 3010 and 3011, room 3005.
class ZoneCommand : public ::testing::TestWithParam<CommandRow> {
protected:
    ZoneCommand()
    {
        world.mobs.resize(1), world.items.resize(2), world.rooms.resize(1);
        world.mobs[0].identifier = "guard", world.mobs[0].vnum = 3001;
        world.items[0].identifier = "chest", world.items[0].vnum = 3010;
        world.items[1].identifier = "sword", world.items[1].vnum = 3011;
        world.rooms[0].identifier = "hall", world.rooms[0].vnum = 3005;
    }

    Universe universe;
    World world;
    Generator generator{universe, world};
};

} // namespace

TEST_P(ZoneCommand, LineAndWarnings)
{
    const CommandRow& row = GetParam();
    const LoadAction action{row.task, row.condition, row.mob, row.item, "", row.equipPosition, row.container,
                            row.comment, row.maxLoad, row.probability, -1};

    std::string out = "before\n";
    action.WriteZoneCommand(out, universe, world, row.room);
    EXPECT_EQ(out, "before\n" + row.line);
    std::vector<Warning> expected;
    for (const auto& text : row.warnings)
        expected.push_back({"Room-Action", row.room, text});
    EXPECT_EQ(generator.warnings(), expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lines, ZoneCommand, ::testing::Values(
    CommandRow{"load mob", 0, 0, 100, 1, "guard", "", "", "", "", "hall", "M 0 3001 1 3005\n", {}},
    CommandRow{"load item at 50%", 1, 0, 50, 2, "", "chest", "", "", "", "hall", "X 0 3010 2 3005 50\n", {}},
    CommandRow{"equip", 3, 3, 100, 1, "", "sword", "Wielded", "", "", "hall", "E 3 3011 1 16\n", {}},
    CommandRow{"put", 4, 5, 100, 1, "", "sword", "", "chest", "", "hall", "P 6 3011 1 3010\n", {}},
    CommandRow{"give at 99%", 2, 1, 99, 1, "", "sword", "", "", "", "", "Y 1 3011 1 99\n", {}},
    CommandRow{"equip at 1%", 3, 5, 1, 1, "", "sword", "Tail", "", "", "hall", "Z 6 3011 1 0 1\n", {}},
    CommandRow{"comment", 0, 0, 100, 1, "guard", "", "", "", "guard", "hall",
               "M 0 3001 1 3005                         #guard\n", {}},
    CommandRow{"comment at 39", 4, -2147483647, 123, -2147483647, "", "sword", "", "chest", "x", "hall",
               "Q -2147483647 3011 -2147483647 3010 123 #x\n", {}},
    CommandRow{"comment at 40", 4, -2147483647, 1234, -2147483647, "", "sword", "", "chest", "x", "hall",
               "Q -2147483647 3011 -2147483647 3010 1234#x\n", {}},
    CommandRow{"unknown task", -1, 0, 100, 1, "guard", "sword", "", "", "note", "hall", "", {}}));

INSTANTIATE_TEST_SUITE_P(Warnings, ZoneCommand, ::testing::Values(
    CommandRow{"no mob, no room", 0, 0, 100, 1, "", "", "", "", "", "", "", {}},
    CommandRow{"no mob", 0, 0, 100, 1, "", "", "", "", "", "hall", "", {"No Mob on a Load Mob Action."}},
    CommandRow{"mob, no room", 0, 0, 100, 1, "guard", "", "", "", "", "", "", {"No Room on a Load Mob Action."}},
    CommandRow{"deleted mob", 0, 0, 100, 1, "ghost", "", "", "", "", "hall", "M 0 -1 1 3005\n",
               {"Invalid Mob on a Load Mob Action."}},
    CommandRow{"mob, unknown room", 0, 0, 100, 1, "ghost", "", "", "", "", "attic", "M 0 -1 1 -1\n",
               {"Invalid Mob on a Load Mob Action.", "Invalid Room on a Load Mob Action."}},
    CommandRow{"no item", 1, 0, 100, 1, "", "", "", "", "", "hall", "", {"No Item on a Load Item Action."}},
    CommandRow{"item, no room", 1, 0, 100, 1, "", "sword", "", "", "", "", "", {"No Room on a Load Item Action."}},
    CommandRow{"item, unknown room", 1, 0, 100, 1, "", "ghost", "", "", "", "attic", "O 0 -1 1 -1\n",
               {"Invalid Item on a Load Item Action.", "Invalid Room on a Load Item Action."}},
    CommandRow{"give nothing", 2, 0, 100, 1, "", "", "", "", "", "hall", "",
               {"No Item on a Load And Give Item Action."}},
    CommandRow{"give unknown", 2, 0, 100, 1, "", "ghost", "", "", "", "hall", "G 0 -1 1\n",
               {"Invalid Item on a Load And Give Item Action."}},
    CommandRow{"equip nothing", 3, 0, 100, 1, "", "", "Wielded", "", "", "hall", "",
               {"No Item on a Load Item and Equip Mob Action."}},
    CommandRow{"equip nowhere", 3, 0, 100, 1, "", "sword", "", "", "", "hall", "",
               {"No Equip Position on a Load Item and Equip Mob Action."}},
    CommandRow{"equip unknown", 3, 0, 100, 1, "", "ghost", "Wielded", "", "", "hall", "E 0 -1 1 16\n",
               {"Invalid Item on a Load Item and Equip Mob Action."}},
    CommandRow{"put nothing", 4, 0, 100, 1, "", "", "", "chest", "", "hall", "", {"No Item on a Load and Put Action."}},
    CommandRow{"put into nothing", 4, 0, 100, 1, "", "sword", "", "", "", "hall", "",
               {"No Put Object on a Load And Put Action."}},
    CommandRow{"put unknown", 4, 0, 100, 1, "", "ghost", "", "box", "", "hall", "P 0 -1 1 -1\n",
               {"Invalid Item on a Load And Put Action.", "Invalid Put Item on a Load And Put Action."}}));
// clang-format on

TEST(LoadActionLabel, FollowsTheTask)
{
    LoadAction action{-1, 0, "guard", "sword", "", "Wielded", "chest", "", 2, 50, -1};
    const std::string labels[] = {"", "Load Mob guard, 50%, Max 2", "Load Item sword, 50%, Max 2",
                                  "Load and Give Item sword, 50%, Max 2",
                                  "Load and Equip Item sword at Wielded, 50%, Max 2",
                                  "Load and Put Item sword into chest, 50%, Max 2", ""};
    for (int32_t task = -1; task <= 5; ++task) {
        action.task = task;
        EXPECT_EQ(action.label(), labels[task + 1]) << task;
    }
}
