#include <gtest/gtest.h>

#include <algorithm>

#include "MapTestKit.h"
#include "map/MapGestures.h"
#include "map/MapIndex.h"
#include "map/MapPainter.h"
#include "settings/DisplaySettings.h"

namespace tarnholt {
namespace {

using Op = RecordingSurface::Op;

constexpr Color black{0, 0, 0};
constexpr Color oneWay{255, 0, 128};
constexpr Color closedDoor{0, 255, 0};
constexpr Color lockedDoor{0, 128, 255};
constexpr Color grey{180, 180, 180};
const Rect screen{0, 0, 1600, 1000};

Pen solid(Color c) { return Pen{Pen::Style::Solid, 3, c}; }

struct Painted {
    RecordingSurface surface;
    std::vector<RecordingSurface::Draw> lines, ellipses, texts, boxes;
};

// Paints the World's rooms and exits (not the grid) for the screen.
Painted paint(const World& world, const DisplaySettings& settings = {})
{
    Painted p;
    MapIndex index;
    index.rebuild(world);
    MapPainter(settings).drawWorld(p.surface, world, index, screen);
    p.lines = p.surface.ofKind(Op::Line), p.ellipses = p.surface.ofKind(Op::Ellipse);
    p.texts = p.surface.ofKind(Op::Text), p.boxes = p.surface.ofKind(Op::Rectangle);
    return p;
}

TEST(MapPainter, EmptyWorldPaintsOnlyTheDottedHatchedGrid)
{
    World world;
    MapIndex index;
    index.rebuild(world);
    RecordingSurface surface;
    MapPainter(DisplaySettings{}).draw(surface, world, index, screen);

    ASSERT_EQ(surface.ofKind(Op::Rectangle).size(), 18u * 12u); // x = 0, 90, ... 1530; y = 0, 90, ... 990
    EXPECT_EQ(surface.draws.size(), 18u * 12u);
    EXPECT_EQ(surface.draws[100].state.pen, (Pen{Pen::Style::Dotted, 1, black}));
    EXPECT_EQ(surface.draws[100].state.brush, (Brush{Brush::Style::DiagonalCross, Color{127, 127, 127}}));
    EXPECT_EQ(surface.draws.front().rect, (Rect{30, 30, 90, 90}));
    EXPECT_EQ(surface.draws.back().rect, (Rect{1560, 1020, 1620, 1080}));
    // Pen, brush and text colour are given back; the text background is left opaque.
    EXPECT_EQ(surface.saves, 1);
    EXPECT_EQ(surface.restores, 1);
    EXPECT_FALSE(surface.state.textTransparent);
}

TEST(MapPainter, GridStartsAtTheCellBeforeTheScrollPosition)
{
    struct Row {
        Rect visible, first;
        std::size_t count;
    };
    // The start is ((s - 30) div 90) * 90 with division toward zero: 0 for every s below 120.
    for (const Row& row : {Row{{100, 200, 300, 400}, {30, 120, 90, 180}, 4u * 4u},
                           Row{{119, 0, 120, 10}, {30, 30, 90, 90}, 2u * 1u},
                           Row{{120, 120, 121, 121}, {120, 120, 180, 180}, 1u},
                           Row{{5000, 7000, 5090, 7090}, {4980, 6960, 5040, 7020}, 2u * 2u}}) {
        RecordingSurface surface;
        MapPainter(DisplaySettings{}).drawGrid(surface, row.visible);
        ASSERT_EQ(surface.draws.size(), row.count);
        EXPECT_EQ(surface.draws.front().rect, row.first);
    }
}

// A room box hides the cell under it, so that cell's hatched box is not drawn; every other cell is.
TEST(MapPainter, GridLeavesOutTheCellsUnderRoomBoxes)
{
    World world;
    addRoom(world, "A", 0, 0);
    addRoom(world, "Twin", 0, 0);
    addRoom(world, "B", 2, 1);
    addRoom(world, "Far", 40, 40); // outside the view
    for (const Rect& visible : {screen, Rect{100, 50, 1700, 1050}}) {
        MapIndex index;
        index.rebuild(world);
        RecordingSurface surface;
        MapPainter(DisplaySettings{}).draw(surface, world, index, visible);
        std::vector<Rect> cells, boxes;
        for (const auto& draw : surface.ofKind(Op::Rectangle))
            (draw.state.pen.style == Pen::Style::Dotted ? cells : boxes).push_back(draw.rect);
        const std::size_t columns = visible.left == 0 ? 18 : 19, rows = 12;
        EXPECT_EQ(cells.size(), columns * rows - 2);
        for (const Rect& box : {Rect{30, 30, 90, 90}, Rect{210, 120, 270, 180}})
            EXPECT_EQ(std::count(cells.begin(), cells.end(), box), 0);
        EXPECT_EQ(std::count(cells.begin(), cells.end(), Rect{120, 30, 180, 90}), 1);
        EXPECT_EQ(boxes.size(), 3u);
    }
}

TEST(MapPainter, RoomBoxWithItsIdentifierInTheRoomColours)
{
    World world;
    addRoom(world, "Great Hall", 0, 0);
    addRoom(world, "Later", 0, 0); // same cell: drawn after, over the first
    const Painted p = paint(world);
    ASSERT_EQ(p.surface.draws.size(), 4u); // box, then Identifier, room after room
    EXPECT_EQ(p.boxes[0].rect, (Rect{30, 30, 90, 90}));
    EXPECT_EQ(p.boxes[0].state.pen, solid(black));
    EXPECT_EQ(p.boxes[0].state.brush, (Brush{Brush::Style::Solid, grey}));
    EXPECT_EQ(p.surface.draws[1], p.texts[0]);
    EXPECT_EQ(p.texts[0].rect, (Rect{20, 30, 100, 90}));
    EXPECT_EQ(p.texts[0].text, "Great Hall");
    EXPECT_EQ(p.texts[0].state.textColor, (Color{255, 0, 0}));
    EXPECT_TRUE(p.texts[0].state.textTransparent);
    EXPECT_EQ(p.surface.draws[3].text, "Later");

    DisplaySettings settings;
    settings.roomText = {0, 0, 255}, settings.normalExit = {10, 20, 30}, settings.oneWayExit = {40, 50, 60};
    setExit(world.rooms[0], 1, "B", 3);
    addRoom(world, "B", 1, 0);
    const Painted q = paint(world, settings);
    EXPECT_EQ(q.texts[0].state.textColor, (Color{0, 0, 255}));
    ASSERT_EQ(q.lines.size(), 2u);
    EXPECT_EQ(q.lines[0].state.pen.color, (Color{10, 20, 30}));
    EXPECT_EQ(q.lines[1].state.pen.color, (Color{40, 50, 60}));
}

// A at (0, 0), B at (1, 0): A's East anchor is (90, 60), B's West anchor (120, 60), the midpoint (105, 60).
struct ExitCase {
    const char* name;
    int aState, bState;
    const char* bTarget; // B's West exit
    int bPlacement;
    std::vector<std::pair<Line, Color>> lines;
};

class ExitLines : public ::testing::TestWithParam<ExitCase> {};

TEST_P(ExitLines, HalfLinesInTheirColours)
{
    const ExitCase& c = GetParam();
    World world;
    setExit(addRoom(world, "A", 0, 0), 1, "B", 3, c.aState);
    setExit(addRoom(world, "B", 1, 0), 3, c.bTarget, c.bPlacement, c.bState);
    addRoom(world, "C", 5, 5);
    const Painted p = paint(world);

    ASSERT_EQ(p.lines.size(), c.lines.size());
    for (std::size_t i = 0; i < c.lines.size(); ++i) {
        EXPECT_EQ((Line{p.lines[i].from, p.lines[i].to}), c.lines[i].first) << i;
        EXPECT_EQ(p.lines[i].state.pen, solid(c.lines[i].second)) << i;
    }
    EXPECT_TRUE(p.ellipses.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitLines,
    ::testing::Values(
        ExitCase{"TwoWayEachInItsDoorColour", 2, 3, "A", 1,
                 {{{{90, 60}, {105, 60}}, closedDoor}, {{{120, 60}, {105, 60}}, lockedDoor}}},
        ExitCase{"OpenDoorIsNormal", 1, 0, "A", 1, {{{{90, 60}, {105, 60}}, black}, {{{120, 60}, {105, 60}}, black}}},
        // B's own exit has no side of A to arrive at: it ends on A's corner, drawn whole.
        ExitCase{"BackExitWithoutPlacementCountsAsTwoWay", 0, 0, "A", -1,
                 {{{{90, 60}, {105, 60}}, black}, {{{120, 60}, {75, 45}}, black}, {{{75, 45}, {30, 30}}, oneWay}}},
        // B's West exit leads elsewhere: A's line runs on in the one-way colour; B's exit is drawn too.
        ExitCase{"BackExitElsewhereMakesOneWay", 2, 0, "C", 9,
                 {{{{90, 60}, {105, 60}}, closedDoor}, {{{105, 60}, {120, 60}}, oneWay},
                  {{{120, 60}, {300, 270}}, black}, {{{300, 270}, {480, 480}}, oneWay}}},
        ExitCase{"BackExitFromAnotherSideMakesOneWay", 0, 3, "A", 2,
                 {{{{90, 60}, {105, 60}}, black}, {{{105, 60}, {120, 60}}, oneWay},
                  {{{120, 60}, {90, 75}}, lockedDoor}, {{{90, 75}, {60, 90}}, oneWay}}},
        ExitCase{"NoBackExit", 0, 0, "", -1, {{{{90, 60}, {105, 60}}, black}, {{{105, 60}, {120, 60}}, oneWay}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MapPainter, MissingHashTargetDrawsACircleAndMissingNameNothing)
{
    World world;
    Room& a = addRoom(world, "A", 0, 0);
    setExit(a, 0, "#120", 2); // North anchor (60, 30)
    setExit(a, 1, "Kitchen", 3);
    setExit(a, 2, "B", 0);        // one-way line: its last pen is the one-way colour
    setExit(a, 3, "#7 guard", 1); // West anchor (30, 60)
    addRoom(world, "B", 0, 1);
    const Painted p = paint(world);

    ASSERT_EQ(p.ellipses.size(), 2u);
    EXPECT_EQ(p.ellipses[0].rect, (Rect{53, 23, 67, 37}));
    EXPECT_EQ(p.ellipses[0].state.pen, solid(black)); // no exit line drawn yet: the room border pen
    EXPECT_EQ(p.ellipses[0].state.brush, (Brush{Brush::Style::Solid, grey}));
    EXPECT_EQ(p.ellipses[1].rect, (Rect{23, 53, 37, 67}));
    EXPECT_EQ(p.ellipses[1].state.pen, solid(oneWay));
    EXPECT_EQ(p.lines.size(), 2u); // only A's South exit to B
}

TEST(MapPainter, CircleTakesThePenOfTheLastLineEvenWhenThatLineIsOffScreen)
{
    World world;
    setExit(addRoom(world, "Far", 100, 100), 1, "Farther", 3, 3);
    setExit(addRoom(world, "Farther", 101, 100), 3, "Far", 1, 3);
    setExit(addRoom(world, "A", 0, 0), 0, "#5", 2);
    const Painted p = paint(world);
    ASSERT_EQ(p.ellipses.size(), 1u);
    EXPECT_EQ(p.ellipses[0].state.pen, solid(lockedDoor));
    EXPECT_TRUE(p.lines.empty());
}

// The stored order of the colours, and values formed from odd stored numbers without overflow.
TEST(DisplaySettings, StoredOrderAndDrawingValues)
{
    const std::array<int32_t, 21> ints{255, 0, 0, 180, 180, 180, 0, 0, 0, 0, 0, 0, 255, 0, 128, 0, 255, 0, 0, 128, 255};
    EXPECT_EQ(DisplaySettings{}.toInts(), ints);
    EXPECT_EQ(DisplaySettings{}.oneWayExitColor(), 255u + 65536u * 128u);

    DisplaySettings t;
    std::array<int32_t, 21> odd = ints;
    odd[0] = 256, odd[2] = INT32_MAX; // kept as stored
    t.fromInts(odd);
    EXPECT_EQ(t.toInts(), odd);
    EXPECT_EQ(t.roomText.value(), 256u + 65536u * static_cast<uint32_t>(INT32_MAX));
    EXPECT_EQ(MapPainter::toColor(t.roomTextColor()), (Color{0, 1, 255}));
}

} // namespace
} // namespace tarnholt
