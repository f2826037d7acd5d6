#include <gtest/gtest.h>

#include <functional>

#include "MapTestKit.h"
#include "map/MapGestures.h"
#include "map/MapHost.h"
#include "shops/Shop.h"

namespace tarnholt {
namespace {

using Outcome = MapGestures::Outcome;

/// Answers the gestures from a script and remembers how the editor was opened.
class ScriptedHost : public MapHost {
public:
    struct Opened {
        std::string title;
        int startDirection;
    };
    bool editRoom(Room& room, const std::string& title, int startDirection) override
    {
        opened.push_back({title, startDirection});
        if (edit)
            edit(room);
        return confirm;
    }
    Room roomTemplate() override { return templateRoom; }
    bool askYesNo(const std::string& question) override { return questions.push_back(question), yes; }
    void worldChanged(bool changed) override { modified = modified || changed; }

    bool confirm = true, yes = true, modified = false;
    std::function<void(Room&)> edit;
    Room templateRoom;
    std::vector<Opened> opened;
    std::vector<std::string> questions;
};

// Anchors of the cells used below (logical = client when not scrolled).
constexpr Point eastOf00{90, 60};
constexpr Point westOf10{120, 60};
constexpr Point noScroll{0, 0};

class MapGesturesTest : public ::testing::Test {
protected:
    MapGesturesTest() : gestures(host)
    {
        addRoom(world, "A", 0, 0);
        addRoom(world, "B", 1, 0);
        gestures.setWorld(&world);
    }
    Outcome drag(Point from, Point to, Point scroll = noScroll)
    {
        EXPECT_EQ(gestures.press(from, scroll), Outcome::DragStarted);
        gestures.move({(from.x + to.x) / 2, (from.y + to.y) / 2});
        gestures.move(to);
        return gestures.release(to, scroll);
    }
    const Exit& exit(std::size_t room, std::size_t d) const { return world.rooms[room].exits[d]; }
    using Link = std::pair<std::string, int32_t>; // target, placement
    Link link(std::size_t room, std::size_t d) const { return {exit(room, d).target, exit(room, d).placement}; }

    World world;
    ScriptedHost host;
    MapGestures gestures;
};

TEST_F(MapGesturesTest, DragFromEastToWestLinksBothWaysAndOpensTheNewExit)
{
    host.edit = [](Room& r) { EXPECT_EQ(r.exits[1].target, "B"); };
    EXPECT_EQ(drag(eastOf00, westOf10), Outcome::RoomsLinked);
    EXPECT_EQ(link(0, 1), (Link{"B", 3}));
    EXPECT_EQ(link(1, 3), (Link{"A", 1}));
    ASSERT_EQ(host.opened.size(), 1u);
    EXPECT_EQ(host.opened[0].title, "Editing an Existing Room - A");
    EXPECT_EQ(host.opened[0].startDirection, 1);
    EXPECT_TRUE(host.modified);
    EXPECT_FALSE(gestures.dragging());
    EXPECT_EQ(gestures.currentRoom(), 1);
}

TEST_F(MapGesturesTest, CancelledLinkRestoresBothExitsConfirmedOneKeepsTheEditsAndFollowsARename)
{
    setExit(world.rooms[1], 3, "Elsewhere", 2, 3).keywords = "gate";
    world.rooms[0].exits.edit(1).keywords = "left over";
    const World before = world;
    host.confirm = false;
    host.edit = [](Room& r) { r.name = "typed but cancelled"; };
    EXPECT_EQ(drag(eastOf00, westOf10), Outcome::LinkCancelled);
    EXPECT_EQ(world.rooms, before.rooms);
    EXPECT_FALSE(host.modified);

    world.shops.emplace_back().room = "A";
    setExit(world.rooms[1], 0, "A", 2);
    world.rooms[1].moveTo = "A";
    host.confirm = true;
    host.edit = [](Room& r) { r.identifier = "Armoury", r.exits.edit(1).keywords = "door"; };
    EXPECT_EQ(drag(eastOf00, westOf10), Outcome::RoomsLinked);
    EXPECT_EQ(std::vector<std::string>({world.rooms[0].identifier, exit(0, 1).keywords, exit(1, 3).target,
                                        exit(1, 0).target, world.rooms[1].moveTo, world.shops[0].room}),
              std::vector<std::string>({"Armoury", "door", "Armoury", "Armoury", "Armoury", "Armoury"}));
}

class ReleaseElsewhere : public MapGesturesTest, public ::testing::WithParamInterface<Point> {};

TEST_P(ReleaseElsewhere, LinksNothing)
{
    const World before = world;
    EXPECT_EQ(drag(eastOf00, GetParam()), Outcome::Nothing);
    EXPECT_EQ(world.rooms, before.rooms);
    EXPECT_TRUE(host.opened.empty());
    EXPECT_FALSE(gestures.band().has_value());
}

// The gap between anchors, an empty cell, outside the cells, the anchor the drag started from.
INSTANTIATE_TEST_SUITE_P(Points, ReleaseElsewhere,
                         ::testing::Values(Point{150, 60}, Point{210, 60}, Point{10, 10}, Point{92, 61}));

TEST_F(MapGesturesTest, ClickLinksNothingWhileDragsWithinARoomOrScrolledLink)
{
    EXPECT_EQ(gestures.press(eastOf00, noScroll), Outcome::DragStarted);
    EXPECT_EQ(gestures.release(westOf10, noScroll), Outcome::Nothing); // no move in between
    EXPECT_TRUE(exit(0, 1).target.empty());

    EXPECT_EQ(drag(eastOf00, {60, 30}), Outcome::RoomsLinked); // another anchor of the same room: a loop
    EXPECT_EQ(link(0, 1), (Link{"A", 0}));
    EXPECT_EQ(link(0, 0), (Link{"A", 1}));

    addRoom(world, "C", 11, 11); // East anchor (1080, 1050)
    addRoom(world, "D", 12, 11); // West anchor (1110, 1050)
    EXPECT_EQ(drag({80, 50}, {110, 50}, {1000, 1000}), Outcome::RoomsLinked);
    EXPECT_EQ(exit(2, 1).target, "D");
    EXPECT_EQ(exit(3, 3).target, "C");
}

TEST_F(MapGesturesTest, PressOnALinkedAnchorEditsThatExit)
{
    setExit(world.rooms[1], 2, "A", 7);
    host.edit = [](Room& r) { r.exits.edit(2).resetState = 3; };
    EXPECT_EQ(gestures.press({150, 90}, noScroll), Outcome::RoomEdited);
    ASSERT_EQ(host.opened.size(), 1u);
    EXPECT_EQ(host.opened[0].title, "Editing an Existing Room - B");
    EXPECT_EQ(host.opened[0].startDirection, 2);
    EXPECT_FALSE(gestures.dragging());
    EXPECT_EQ(exit(1, 2).resetState, 3);

    host.confirm = false;
    host.edit = [](Room& r) { r.exits.edit(2).resetState = 1; };
    EXPECT_EQ(gestures.press({150, 90}, noScroll), Outcome::EditCancelled);
    EXPECT_EQ(exit(1, 2).resetState, 3);
}

TEST_F(MapGesturesTest, DoubleClickCreatesARoomFromTheTemplateOrEditsTheCellsFirstRoom)
{
    host.templateRoom.name = "Template name", host.templateRoom.column = 40;
    host.edit = [](Room& r) { r.identifier = "New"; };
    EXPECT_EQ(gestures.doubleClick({300, 120}, noScroll), Outcome::RoomCreated); // cell (3, 1)
    ASSERT_EQ(world.rooms.size(), 3u);
    const Room& made = world.rooms[2];
    EXPECT_EQ(std::tuple(made.identifier, made.name, made.column, made.row), std::tuple("New", "Template name", 3, 1));
    EXPECT_EQ(host.opened[0].title, "Creating a New Room");
    EXPECT_EQ(host.opened[0].startDirection, -1);
    EXPECT_TRUE(host.modified);

    host.confirm = false;
    EXPECT_EQ(gestures.doubleClick({300, 300}, noScroll), Outcome::CreateCancelled);
    EXPECT_EQ(world.rooms.size(), 3u);
    EXPECT_EQ(gestures.doubleClick({10, 300}, noScroll), Outcome::Nothing);

    addRoom(world, "A2", 0, 0);
    host.confirm = true;
    host.edit = [](Room& r) { r.name = "edited"; };
    EXPECT_EQ(gestures.doubleClick({90, 60}, noScroll), Outcome::RoomEdited); // the anchor does not matter
    EXPECT_EQ(host.opened.back().startDirection, -1);
    EXPECT_EQ(world.rooms[0].name, "edited");
    EXPECT_EQ(world.rooms[3].name, "");
    EXPECT_EQ(gestures.currentRoom(), 0);
}

TEST_F(MapGesturesTest, NamingARoomThatHadNoIdentifierLeavesUnusedReferencesAlone)
{
    world.rooms[0].identifier.clear();
    world.rooms[1].exits.edit(5).keywords = "trapdoor"; // an exit without a target
    world.shops.emplace_back();                         // a shop without a room
    host.edit = [](Room& r) { r.identifier = "Named"; };
    ASSERT_TRUE(gestures.contextMenu({60, 60}, noScroll));
    EXPECT_EQ(gestures.editCurrentRoom(), Outcome::RoomEdited);
    EXPECT_EQ(exit(1, 5).target, "");
    EXPECT_EQ(world.rooms[1].moveTo, "");
    EXPECT_EQ(world.shops[0].room, "");
}

TEST_F(MapGesturesTest, DeleteAfterTheQuestionClearsExitsIntoTheRoom)
{
    addRoom(world, "C", 2, 0);
    setExit(world.rooms[0], 1, "B", 3).keywords = "door";
    world.rooms[0].exits.edit(4).keywords = "hatch"; // no target
    setExit(world.rooms[2], 3, "B", 1);
    world.rooms[2].moveTo = "B";
    ASSERT_TRUE(gestures.contextMenu({150, 60}, noScroll));

    host.yes = false;
    EXPECT_EQ(gestures.deleteCurrentRoom(), Outcome::Nothing);
    EXPECT_EQ(world.rooms.size(), 3u);

    host.yes = true;
    EXPECT_EQ(gestures.deleteCurrentRoom(), Outcome::RoomDeleted);
    EXPECT_EQ(host.questions, (std::vector<std::string>(2, "Are you sure you want to delete this room?")));
    ASSERT_EQ(world.rooms.size(), 2u);
    EXPECT_EQ(world.rooms[1].identifier, "C"); // later rooms move down
    EXPECT_EQ(exit(0, 1), Exit{});             // cleared whole, keywords too
    EXPECT_EQ(exit(1, 3), Exit{});
    EXPECT_EQ(world.rooms[1].moveTo, "");
    EXPECT_EQ(gestures.currentRoom(), -1);
    EXPECT_TRUE(host.modified);

    // A room without an Identifier takes no exits without a target along.
    world.rooms[1].identifier.clear();
    ASSERT_TRUE(gestures.contextMenu({240, 60}, noScroll));
    EXPECT_EQ(gestures.deleteCurrentRoom(), Outcome::RoomDeleted);
    EXPECT_EQ(exit(0, 4).keywords, "hatch");
}

TEST_F(MapGesturesTest, NothingHappensAwayFromARoomOrAfterTheWorldIsGone)
{
    EXPECT_EQ(gestures.press({60, 60}, noScroll), Outcome::Nothing); // a box centre, not an anchor
    EXPECT_FALSE(gestures.contextMenu({240, 60}, noScroll));
    EXPECT_EQ(gestures.deleteCurrentRoom(), Outcome::Nothing);
    EXPECT_TRUE(host.opened.empty() && host.questions.empty());

    EXPECT_TRUE(gestures.contextMenu({150, 60}, noScroll));
    gestures.press(eastOf00, noScroll);
    gestures.move({100, 100});
    EXPECT_TRUE(gestures.band().has_value());
    World other;
    gestures.setWorld(&other);
    EXPECT_EQ(gestures.currentRoom(), -1);
    EXPECT_FALSE(gestures.dragging());
    EXPECT_EQ(gestures.release(westOf10, noScroll), Outcome::Nothing);
    gestures.setWorld(nullptr);
    EXPECT_EQ(gestures.doubleClick({60, 60}, noScroll), Outcome::Nothing);
}

} // namespace
} // namespace tarnholt
