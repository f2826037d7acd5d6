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
using Op = RecordingSurface::Op;

// Crowded cells, off-map rooms, short and long exits, one-way and two-way, door states, missing
// "#" and missing named targets.
World randomWorld(unsigned seed, int rooms, int columnBase = 0, const std::string& prefix = "R")
{
    std::mt19937 random(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    World world;
    for (int i = 0; i < rooms; ++i)
        addRoom(world, prefix + std::to_string(i), columnBase + pick(-2, 30), pick(-2, 30));
    const World::IndexScope lookups(world);
    for (Room& room : world.rooms)
        for (int d = 0; d < 10; ++d) {
            const int kind = pick(0, 19);
            if (kind < 12)
                continue;
            const std::string target = kind == 17   ? "#" + std::to_string(pick(1, 99))
                                       : kind == 18 ? "Nowhere"
                                                    : prefix + std::to_string(pick(0, rooms - 1));
            const int side = setExit(room, d, target, pick(-1, 9), pick(0, 3)).placement;
            Room* other = world.findRoom(target);
            if (kind < 16 && pick(0, 1) == 0 && other && other != &room && side >= 0)
                setExit(*other, side, room.identifier, d, pick(0, 3)); // leads straight back
        }
    return world;
}

std::vector<Draw> paintWorld(const World& world, const Rect& visible, const MapIndex* stale = nullptr)
{
    MapIndex index;
    index.rebuild(world);
    RecordingSurface surface;
    MapPainter(DisplaySettings{}).drawWorld(surface, world, stale ? *stale : index, visible);
    return surface.draws;
}

const Rect everything{-1'000'000, -1'000'000, 1'000'000, 1'000'000};
const Rect screen{0, 0, 1600, 1000};

class VisibleArea : public ::testing::TestWithParam<Rect> {};

// A paint of part of the map draws exactly what a paint of the whole map draws there, in the same
// order and with the same pens, however many rooms lie elsewhere.
TEST_P(VisibleArea, DrawsWhatTheWholeMapDrawsThere)
{
    const Rect view = GetParam();
    const World world = randomWorld(7, 700);
    const std::vector<Draw> full = paintWorld(world, everything);
    const std::vector<Draw> part = paintWorld(world, view);

    std::size_t next = 0;
    for (const Draw& d : part) {
        while (next < full.size() && !(full[next] == d))
            ++next;
        ASSERT_LT(next++, full.size()) << "a call the whole map does not make, or out of order";
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

TEST(MapIndex, ExitToAnExtremeColumnIsCutToTheView)
{
    World world;
    setExit(addRoom(world, "A", 0, 0), 1, "Edge", 3);
    addRoom(world, "Edge", INT32_MAX, 0);
    addRoom(world, "Corner", INT32_MIN, INT32_MIN);
    setExit(world.rooms[0], 9, "Corner", 7, 1);
    const std::vector<Draw> drawn = paintWorld(world, screen);
    int lines = 0;
    for (const Draw& d : drawn)
        if (d.op == Op::Line) {
            ++lines;
            for (const Point p : {d.from, d.to})
                EXPECT_TRUE(std::llabs(p.x) < (1 << 22) && std::llabs(p.y) < (1 << 22));
        }
    // East: from A's anchor, keeping row 0's height; Northwest: from A's corner up-left.
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
    const std::vector<Draw> drawn = paintWorld(world, everything, &index);
    EXPECT_EQ(std::count_if(drawn.begin(), drawn.end(), [](const Draw& d) { return d.op == Op::Text; }), 3);
    index.clear();
    EXPECT_TRUE(paintWorld(world, everything, &index).empty());
}

// A large World's exits are worked out in two halves; the items are those of one pass in order, a circle
// at the start of the second half taking the pen of the first half's last line.
TEST(MapIndex, LargeWorldGivesTheItemsOfOnePass)
{
    World small = randomWorld(17, 40);
    small.rooms[19].exits.clear();
    setExit(small.rooms[19], 4, "R8", -1); // drawn whole: a one-way line
    small.rooms[20].exits.clear();
    setExit(small.rooms[20], 0, "#77", 2); // a circle, then a line
    setExit(small.rooms[20], 3, "R11", -1);
    MapIndex smallIndex;
    smallIndex.rebuild(small);

    constexpr int fillers = 9990; // of the 20,020 rooms the second half starts at the 10,010th: R20
    World large;
    for (int i = 0; i < fillers; ++i)
        addRoom(large, "F" + std::to_string(i), 500 + i % 100, i / 100);
    for (const Room& room : small.rooms)
        large.rooms.push_back(room);
    for (int i = fillers; i < 2 * fillers; ++i)
        addRoom(large, "F" + std::to_string(i), 500 + i % 100, i / 100);
    MapIndex largeIndex;
    largeIndex.rebuild(large);

    std::vector<MapItem> expected, got;
    for (MapItem item : smallIndex.items())
        if (item.kind != MapItem::Kind::Room)
            item.room += fillers, expected.push_back(item);
    for (const MapItem& item : largeIndex.items())
        if (item.kind != MapItem::Kind::Room)
            got.push_back(item);
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].room, expected[i].room) << i;
        EXPECT_EQ(got[i].kind, expected[i].kind) << i;
        EXPECT_EQ(got[i].ink, expected[i].ink) << i;
        EXPECT_EQ(got[i].a, expected[i].a) << i;
        EXPECT_EQ(got[i].c, expected[i].c) << i;
    }
    const auto circle = std::find_if(got.begin(), got.end(), [](const MapItem& item) {
        return item.room == fillers + 20 && item.kind == MapItem::Kind::MissingTarget;
    });
    ASSERT_NE(circle, got.end());
    EXPECT_EQ(circle->ink, MapItem::Ink::OneWayExit);
}

} // namespace
} // namespace tarnholt
