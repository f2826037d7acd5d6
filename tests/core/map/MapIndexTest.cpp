#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "MapTestKit.h"
#include "map/MapIndex.h"
#include "map/MapPainter.h"
#include "settings/DisplaySettings.h"

namespace tarnholt {
namespace {

using Draw = RecordingSurface::Draw;

// A zone with everything the drawing distinguishes: crowded cells, off-map rooms, short and long
// exits, one-way and two-way, door states, missing "#" and missing named targets.
World randomWorld(unsigned seed, int rooms, int columnBase = 0, const std::string& prefix = "R")
{
    std::mt19937 random(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    World world;
    for (int i = 0; i < rooms; ++i)
        addRoom(world, prefix + std::to_string(i), columnBase + pick(-2, 30), pick(-2, 30));
    const World::IndexScope lookups(world); // only exits change below
    for (Room& room : world.rooms) {
        for (int d = 0; d < 10; ++d) {
            const int kind = pick(0, 19);
            if (kind < 12)
                continue;
            std::string target = prefix + std::to_string(pick(0, rooms - 1));
            if (kind == 17)
                target = "#" + std::to_string(pick(1, 99));
            else if (kind == 18)
                target = "Nowhere";
            const int side = setExit(room, d, target, pick(-1, 9), pick(0, 3)).placement;
            Room* other = world.findRoom(target);
            if (kind < 16 && pick(0, 1) == 0 && other && other != &room && side >= 0)
                setExit(*other, side, room.identifier, d, pick(0, 3)); // often the other room leads straight back
        }
    }
    return world;
}

std::vector<Draw> paintWorld(const World& world, const MapIndex& index, const Rect& visible)
{
    RecordingSurface surface;
    MapPainter(DisplaySettings{}).drawWorld(surface, world, index, visible);
    return surface.draws;
}

const Rect everything{-1'000'000, -1'000'000, 1'000'000, 1'000'000};
const Rect screen{0, 0, 1600, 1000};

class VisibleArea : public ::testing::TestWithParam<Rect> {};

// A paint of part of the map draws exactly what a paint of the whole map draws there, in the same
// order and with the same pens.
TEST_P(VisibleArea, DrawsWhatTheWholeMapDrawsThere)
{
    const Rect view = GetParam();
    const World world = randomWorld(7, 700);
    MapIndex index;
    index.rebuild(world);
    const std::vector<Draw> full = paintWorld(world, index, everything);
    const std::vector<Draw> part = paintWorld(world, index, view);

    std::size_t next = 0;
    for (const Draw& d : part) {
        while (next < full.size() && !(full[next] == d))
            ++next;
        ASSERT_LT(next, full.size()) << "a call the whole map does not make, or out of order";
        ++next;
    }
    std::size_t reaching = 0;
    for (const Draw& d : full)
        if (d.extent().intersects(view)) {
            ++reaching;
            EXPECT_NE(std::find(part.begin(), part.end(), d), part.end());
        }
    EXPECT_GT(reaching, 0u);
}

INSTANTIATE_TEST_SUITE_P(Views, VisibleArea,
                         ::testing::Values(screen, Rect{1000, 1000, 1001, 1001}, Rect{-300, -300, 0, 0},
                                           Rect{2790, 0, 2800, 3000}));

TEST(MapIndex, PaintOfAViewIsTheSameForASmallAndAHugeZone)
{
    World small = randomWorld(3, 20);
    World huge = small;
    const World far = randomWorld(4, 20'000, 300, "Far"); // far right of the view, linked among themselves
    huge.rooms.insert(huge.rooms.end(), far.rooms.begin(), far.rooms.end());
    MapIndex smallIndex, hugeIndex;
    smallIndex.rebuild(small);
    hugeIndex.rebuild(huge);
    EXPECT_EQ(paintWorld(small, smallIndex, screen), paintWorld(huge, hugeIndex, screen));
    std::vector<uint32_t> a, b;
    smallIndex.query(screen, a);
    hugeIndex.query(screen, b);
    EXPECT_EQ(a.size(), b.size());
}

TEST(MapIndex, LongExitCrossingTheViewIsDrawnThoughBothRoomsAreOffScreen)
{
    World world = randomWorld(5, 50);
    setExit(addRoom(world, "West", -1000, 5), 1, "East", 3, 2);
    setExit(addRoom(world, "East", 1000, 5), 3, "West", 1, 3);
    MapIndex index;
    index.rebuild(world);
    // West's East anchor (-89910, 510), East's West anchor (90030, 510), midpoint (60, 510).
    const std::vector<Draw> drawn = paintWorld(world, index, screen);
    const RecordingSurface::State state{Pen{Pen::Style::Solid, 3, {0, 255, 0}},
                                        Brush{Brush::Style::Solid, {180, 180, 180}}, {255, 0, 0}, true};
    Draw westHalf{RecordingSurface::Op::Line, {}, {-89910, 510}, {60, 510}, {}, state};
    Draw eastHalf = westHalf;
    eastHalf.from = {90030, 510};
    eastHalf.state.pen.color = {0, 128, 255};
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), westHalf), drawn.end());
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), eastHalf), drawn.end());
}

TEST(MapIndex, ExitToAnExtremeColumnIsCutToTheView)
{
    World world;
    setExit(addRoom(world, "A", 0, 0), 1, "Edge", 3);
    addRoom(world, "Edge", INT32_MAX, 0);
    addRoom(world, "Corner", INT32_MIN, INT32_MIN);
    setExit(world.rooms[0], 9, "Corner", 7, 1);
    MapIndex index;
    index.rebuild(world);
    const std::vector<Draw> drawn = paintWorld(world, index, screen);
    int lines = 0;
    for (const Draw& d : drawn) {
        if (d.op != RecordingSurface::Op::Line)
            continue;
        ++lines;
        for (const Point p : {d.from, d.to})
            EXPECT_TRUE(std::llabs(p.x) < (1 << 22) && std::llabs(p.y) < (1 << 22));
    }
    // East: starts at A's anchor and keeps to row 0's height; Northwest: from A's corner up-left.
    ASSERT_EQ(lines, 2);
    EXPECT_EQ(drawn[2].from, (Point{90, 60}));
    EXPECT_EQ(drawn[2].to.y, 60);
    EXPECT_EQ(drawn[3].from, (Point{30, 30}));
}

TEST(MapIndex, StaleIndexNeverReadsPastTheRooms)
{
    World world = randomWorld(9, 40);
    MapIndex index;
    index.rebuild(world);
    world.rooms.resize(3);
    const std::vector<Draw> drawn = paintWorld(world, index, everything);
    EXPECT_EQ(std::count_if(drawn.begin(), drawn.end(), [](const Draw& d) { return d.op == RecordingSurface::Op::Text; }),
              3);
    index.clear();
    EXPECT_TRUE(paintWorld(world, index, everything).empty());
}

} // namespace
} // namespace tarnholt
