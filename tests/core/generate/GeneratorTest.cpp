#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "SampleZone.h"
#include "TempFolder.h"
#include "app/Questions.h"
#include "generate/Generator.h"
#include "universe/Universe.h"
#include "world/Files.h"
#include "world/World.h"

using namespace tarnholt;
using tarnholt::testing::TempFolder;

namespace {

// A saved zone 12 with start numbers, ready to generate.
World savedZone()
{
    World world;
    world.zoneNumber = 12, world.zoneName = "Keep", world.basePath = "/zones/keep", world.maxRoomVnum = 1299;
    world.repopTime = 15, world.repopMode = 1;
    world.startItemVnum = 1220, world.startMobVnum = 1210, world.startRoomVnum = 1200;
    return world;
}

// A record named `identifier` that generates without a warning.
template <class T>
T named(const std::string& identifier, int32_t vnum = 0)
{
    T record;
    record.identifier = identifier, record.vnum = vnum, record.description = "Something.";
    if constexpr (std::is_same_v<T, Item>)
        record.itemType = "Note";
    if constexpr (std::is_same_v<T, Room>)
        record.name = identifier;
    return record;
}

struct Outcome {
    GenerateResult result;
    ScriptedQuestions questions;
};

Outcome generated(World& world, const std::string& folder)
{
    Outcome run;
    Universe universe;
    Generator generator(universe, world);
    run.result = generator.generate(folder, run.questions);
    return run;
}

struct RefusalCase {
    const char* name;
    void (*prepare)(World&);
    std::string message;
    bool vnumsChanged;
};

class GeneratorRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(GeneratorRefusal, StopsWithMessageAndWritesNothing)
{
    const RefusalCase& c = GetParam();
    World world = savedZone();
    world.items.push_back(named<Item>("sword"));
    world.mobs.push_back(named<Mob>("guard"));
    world.rooms.push_back(named<Room>("hall"));
    c.prepare(world);

    TempFolder folder;
    const Outcome run = generated(world, folder.path());
    EXPECT_FALSE(run.result.written);
    EXPECT_EQ(run.result.message, c.message);
    EXPECT_EQ(run.questions.messages, std::vector<std::string>{c.message});
    EXPECT_EQ(run.result.vnumsChanged, c.vnumsChanged);
    EXPECT_TRUE(folder.names().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Preconditions, GeneratorRefusal,
    ::testing::Values(
        RefusalCase{"NoZoneNumber", [](World& w) { w.zoneNumber = 0; },
                    "Assign a zone number to this zone before you begin generation.", false},
        RefusalCase{"NeverSaved", [](World& w) { w.basePath.clear(); },
                    "This zone has never been saved.  The zone must be saved at least once before generating.",
                    false},
        RefusalCase{"NoItemStart", [](World& w) { w.startItemVnum = 0; },
                    "You have not assigned a starting item number for this zone.\nSince items exist, you must "
                    "assign one.",
                    false},
        // The items were numbered before the mobs stopped the run.
        RefusalCase{"NoMobStart", [](World& w) { w.startMobVnum = 0; },
                    "You have not assigned a starting mob number for this zone.\nSince mobs exist, you must "
                    "assign one.",
                    true},
        RefusalCase{"NoRoomStart", [](World& w) { w.startRoomVnum = 0; },
                    "You have not assigned a starting room number for this zone.\nSince rooms exist, you must "
                    "assign one.",
                    true}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

struct VnumCase {
    const char* name;
    int32_t start;
    std::vector<std::string> identifiers;
    std::vector<int32_t> before;
    std::vector<int32_t> after;
};

class VnumAssignment : public ::testing::TestWithParam<VnumCase> {};

template <class T>
void expectNumbering(const VnumCase& c, std::vector<T> World::*records)
{
    SCOPED_TRACE(typeid(T).name());
    World world = savedZone();
    world.startItemVnum = world.startMobVnum = world.startRoomVnum = c.start;
    for (std::size_t i = 0; i < c.before.size(); ++i)
        (world.*records).push_back(named<T>(c.identifiers[i], c.before[i]));
    TempFolder folder;
    const Outcome run = generated(world, folder.path());
    ASSERT_TRUE(run.result.written) << run.result.message;
    std::vector<int32_t> vnums;
    for (const T& record : world.*records)
        vnums.push_back(record.vnum);
    EXPECT_EQ(vnums, c.after);
    EXPECT_EQ(run.result.vnumsChanged, c.before != c.after);
    EXPECT_FALSE(generated(world, folder.path()).result.vnumsChanged); // numbered once, a zone keeps its numbers
}

TEST_P(VnumAssignment, FillsGapsFromTheStartNumberForEachKind)
{
    expectNumbering(GetParam(), &World::items);
    expectNumbering(GetParam(), &World::mobs);
    expectNumbering(GetParam(), &World::rooms);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, VnumAssignment,
    ::testing::Values(VnumCase{"KeepsNumberInRange", 100, {"a", "b", "c"}, {0, 101, -1}, {100, 101, 102}},
                      VnumCase{"FillsAfterTakenStart", 3000, {"a", "b", "c"}, {3000, 0, 0}, {3000, 3001, 3002}},
                      VnumCase{"NumberOutsideRangeStays", 3000, {"a", "b"}, {5000, 0}, {5000, 3000}},
                      VnumCase{"AllNumberedNothingChanges", 10, {"a", "b"}, {11, 10}, {11, 10}},
                      VnumCase{"HashIdentifierTakesItsNumber", 100, {"#4512 the axe", "b"}, {7, 0}, {4512, 100}},
                      // Only "#" records: no start number is needed.
                      VnumCase{"HashOnlyNeedsNoStart", 0, {"#300", "#301 x"}, {0, -1}, {300, 301}},
                      VnumCase{"SameVnumTwice", 50, {"a", "b", "c"}, {50, 50, 0}, {50, 50, 51}},
                      // With a negative start, 0 and -1 lie in the range but take no number of their own,
                      // so every unnumbered record still finds a free one.
                      VnumCase{"NegativeStart", -2, {"a", "b", "c"}, {0, 0, -1}, {-2, -1, 0}}),
    [](const ::testing::TestParamInfo<VnumCase>& info) { return std::string(info.param.name); });

TEST(Generator, ZoneWithoutRecordsOrLoadsWritesEndMarkersAndFiveLineZoneFile)
{
    World world = savedZone();
    world.repopTime = 30;
    world.repopMode = 0;
    world.rooms.push_back(named<Room>("hall"));
    world.rooms.push_back(named<Room>("yard"));
    world.rooms[0].exits.edit(0).target = "yard"; // an exit without reset state writes no reset line
    TempFolder folder;
    const Outcome run = generated(world, folder.path());
    ASSERT_TRUE(run.result.succeeded());
    EXPECT_EQ(folder.read("12.obj"), "#99999\r\n$~\r\n");
    EXPECT_EQ(folder.read("12.mob"), "#99999\r\n$~\r\n");
    EXPECT_EQ(folder.read("12.zon"), "#12\r\nKeep~\r\n1299 30 0 0\r\nS\r\n$~\r\n");
    EXPECT_EQ(run.result.files, (std::vector<std::string>{folder.file("12.obj"), folder.file("12.mob"),
                                                           folder.file("12.wld"), folder.file("12.zon")}));
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"12.mob", "12.obj", "12.wld", "12.zon"}));
}

TEST(Generator, WorldAndZoneFilesOfTwoRooms)
{
    World world = savedZone();
    world.mobs.push_back(named<Mob>("guard"));
    world.items.push_back(named<Item>("sword"));
    Room hall = named<Room>("hall");
    hall.name = "Great\nHall"; // a line feed inside a one-line text reaches the disk as CR LF too
    hall.description = "A hall.", hall.exits.edit(0).target = "yard", hall.exits.edit(0).resetState = 3;
    LoadAction loadGuard;
    loadGuard.task = LoadAction::LoadMob, loadGuard.mob = "guard";
    hall.loads.push_back(loadGuard);
    Room yard = named<Room>("yard");
    yard.name = "Yard", yard.description = "A yard.";
    LoadAction dropSword;
    dropSword.task = LoadAction::LoadItem, dropSword.item = "sword", dropSword.maxLoad = 2, dropSword.probability = 50;
    yard.loads.push_back(dropSword);
    world.rooms.push_back(hall);
    world.rooms.push_back(yard);

    TempFolder folder;
    const Outcome run = generated(world, folder.path());
    ASSERT_TRUE(run.result.written);
    EXPECT_TRUE(run.result.warnings.empty());
    EXPECT_EQ(folder.read("12.wld"),
              "#1200\r\nGreat\r\nHall~\r\nA hall.\r\n~\r\n12  0 0\r\n"
              "D0\r\n\r\n~\r\n~\r\n0 -1 1201\r\nS\r\n"
              "#1201\r\nYard~\r\nA yard.\r\n~\r\n12  0 0\r\nS\r\n"
              "#99999\r\n$~\r\n");
    EXPECT_EQ(folder.read("12.zon"),
              "#12\r\nKeep~\r\n1299 15 1 0\r\n"
              "D 0 1200 0 2\r\n"
              "M 0 1210 1 1200\r\n"
              "X 0 1220 2 1201 50\r\n"
              "S\r\n$~\r\n");
}

TEST(Generator, ComponentListNamesEachComponentByVnum)
{
    World world = savedZone();
    world.startItemVnum = 100;
    Item kit = named<Item>("kit");
    kit.assemblyComponents = {"blade", "deleted one", "#77 outside", "(None)"};
    world.items.push_back(kit);
    world.items.push_back(named<Item>("blade"));
    TempFolder folder;
    const Outcome run = generated(world, folder.path());
    ASSERT_TRUE(run.result.written);
    EXPECT_EQ(folder.read("100.txt"), "101\r\n-1\r\n77\r\n-1\r\n$\r\n");
    EXPECT_FALSE(folder.exists("101.txt")); // no components, no list
    EXPECT_EQ(run.result.files[1], folder.file("100.txt")); // right after the object file
}

// A zone that raises warnings in each file: an item without type or description, a mob without
// description, a room without description that loads a deleted mob.
World brokenZone()
{
    World world = savedZone();
    Item sword = named<Item>("sword");
    sword.itemType.clear(), sword.description.clear();
    world.items.push_back(sword);
    world.mobs.push_back(named<Mob>("guard"));
    world.mobs[0].description.clear();
    Room hall = named<Room>("hall");
    hall.description.clear();
    hall.loads.emplace_back().task = LoadAction::LoadMob;
    hall.loads[0].mob = "ghost";
    world.rooms.push_back(hall);
    return world;
}

const std::vector<Warning> kBrokenZoneWarnings = {
    {"Item", "sword", "No Item Type Assigned"},
    {"Item", "sword", "No Description"},
    {"Mob", "guard", "No Description"},
    {"Room", "hall", "No Description"},
    {"Room-Action", "hall", "Invalid Mob on a Load Mob Action."},
};

TEST(Generator, WarningsInOrderOfTheFiles)
{
    World world = brokenZone();
    TempFolder folder;
    const Outcome run = generated(world, folder.path());
    EXPECT_TRUE(run.result.written);
    EXPECT_EQ(run.result.warnings, kBrokenZoneWarnings);
    // The broken load still has its line, with -1 for the mob.
    EXPECT_EQ(folder.read("12.zon"), "#12\r\nKeep~\r\n1299 15 1 0\r\nM 0 -1 1 1200\r\nS\r\n$~\r\n");
    // The warning list starts empty on every run.
    EXPECT_EQ(generated(world, folder.path()).result.warnings, kBrokenZoneWarnings);
}

// A file that cannot be written stops the run with one message naming it; the files before it stay
// written and nothing after it is written.
TEST(Generator, FileThatCannotBeWrittenStopsTheRunInFileOrder)
{
    World world = brokenZone();
    TempFolder scratch;
    const std::string missing = scratch.file("missing");
    const Outcome none = generated(world, missing);
    EXPECT_FALSE(none.result.written);
    ASSERT_EQ(none.questions.messages.size(), 1u);
    EXPECT_NE(none.questions.messages[0].find(missing + "/12.obj"), std::string::npos) << none.questions.messages[0];
    EXPECT_EQ(none.result.message, none.questions.messages[0]);
    EXPECT_TRUE(none.result.files.empty());

    // The world file is made apart from the others; a stop still leaves what a run in file order would:
    // the warnings raised up to and in the file that failed, and none of the files after it.
    const std::vector<std::string> order = {"12.obj", "12.mob", "12.wld", "12.zon"};
    const std::size_t warningsUpTo[] = {2, 3, 4, 5};
    for (std::size_t blocked = 1; blocked < order.size(); ++blocked) {
        SCOPED_TRACE(order[blocked]);
        TempFolder folder;
        std::filesystem::create_directory(folder.file(order[blocked])); // a folder where the file goes
        const Outcome run = generated(world, folder.path());
        EXPECT_FALSE(run.result.written);
        ASSERT_EQ(run.questions.messages.size(), 1u);
        EXPECT_NE(run.questions.messages[0].find(folder.file(order[blocked])), std::string::npos);
        EXPECT_EQ(run.result.warnings, std::vector<Warning>(kBrokenZoneWarnings.begin(),
                                                            kBrokenZoneWarnings.begin() + warningsUpTo[blocked]));
        std::vector<std::string> files, names{order[blocked]};
        for (std::size_t i = 0; i < blocked; ++i)
            files.push_back(folder.file(order[i])), names.push_back(order[i]);
        EXPECT_EQ(run.result.files, files);
        std::sort(names.begin(), names.end());
        EXPECT_EQ(folder.names(), names); // nothing written aside is left behind
    }
}

// A zone large enough to be made in many parts on several threads gives, file by file, the texts of
// its records written one after the other, the warnings in file order, and the component lists
// between the object and mob files. A stop at a late file keeps that order too.
TEST(Generator, LargeZoneGivesWhatWritingEachRecordInTurnGives)
{
    World world = sample::makeZone(9000, 5);
    for (std::size_t i = 0; i < world.items.size(); i += 97)
        world.items[i].description.clear();
    for (std::size_t i = 0; i < world.mobs.size(); i += 89)
        world.mobs[i].description.clear();
    for (std::size_t i = 0; i < world.rooms.size(); i += 83) {
        world.rooms[i].description.clear();
        LoadAction& load = world.rooms[i].loads.emplace_back();
        load.task = LoadAction::LoadMob, load.mob = "nobody";
    }
    // Rooms named like an earlier room: their zone lines give the earlier room's vnum.
    for (std::size_t i = 70; i < world.rooms.size(); i += 71) {
        world.rooms[i].identifier = world.rooms[i - 70].identifier;
        ASSERT_FALSE(world.rooms[i].loads.empty());
    }
    TempFolder folder;
    const Outcome first = generated(world, folder.path());
    ASSERT_TRUE(first.result.written); // the vnums are given now

    // The same texts and warnings, record after record on this thread.
    Universe universe;
    Generator generator(universe, world);
    std::string texts[4];
    std::vector<std::string> lists;
    {
        const World::IndexScope index(world);
        for (const Item& item : world.items) {
            item.WriteAreaText(texts[0], universe, world);
            if (!item.assemblyComponents.empty())
                lists.push_back(std::to_string(item.vnum) + ".txt");
        }
        for (const Mob& mob : world.mobs)
            mob.WriteAreaText(texts[1], universe);
        for (const Room& room : world.rooms)
            room.WriteAreaText(texts[2], universe, world);
        texts[3] = "#42\n" + world.zoneName + "~\n" + std::to_string(world.maxRoomVnum) + " "
            + std::to_string(world.repopTime) + " " + std::to_string(world.repopMode) + " 0\n";
        for (const Room& room : world.rooms) {
            room.WriteDoorResets(texts[3], universe, world);
            for (const LoadAction& load : room.loads)
                load.WriteZoneCommand(texts[3], universe, world, room.identifier);
        }
    }
    for (int f = 0; f < 3; ++f)
        texts[f] += "#99999\n$~\n";
    texts[3] += "S\n$~\n";
    ASSERT_GE(lists.size(), 2u);
    const std::vector<Warning> warnings = generator.warnings();
    ASSERT_GT(warnings.size(), 200u);

    const Outcome run = generated(world, folder.path());
    ASSERT_TRUE(run.result.written);
    EXPECT_EQ(run.result.warnings, warnings);
    const char* const names[] = {"42.obj", "42.mob", "42.wld", "42.zon"};
    for (int f = 0; f < 4; ++f)
        EXPECT_TRUE(folder.read(names[f]) == toCrLf(texts[f])) << names[f];
    std::vector<std::string> files = {folder.file("42.obj")};
    for (const std::string& list : lists)
        files.push_back(folder.file(list));
    for (const char* name : {"42.mob", "42.wld", "42.zon"})
        files.push_back(folder.file(name));
    EXPECT_EQ(run.result.files, files);

    // A ".wld" that cannot be written: the files before it are written, with the warnings up to it.
    TempFolder blocked;
    std::filesystem::create_directory(blocked.file("42.wld"));
    const Outcome stopped = generated(world, blocked.path());
    EXPECT_FALSE(stopped.result.written);
    ASSERT_EQ(stopped.questions.messages.size(), 1u);
    EXPECT_NE(stopped.questions.messages[0].find(blocked.file("42.wld")), std::string::npos);
    files.resize(files.size() - 2);
    for (std::string& file : files)
        file = blocked.file(std::filesystem::path(file).filename().string());
    EXPECT_EQ(stopped.result.files, files);
    const auto upToRooms = std::find_if(warnings.begin(), warnings.end(), [](const Warning& w) {
        return w.type == "Room-Action";
    });
    EXPECT_EQ(stopped.result.warnings, std::vector<Warning>(warnings.begin(), upToRooms));
    EXPECT_EQ(blocked.names().size(), files.size() + 1); // nothing written aside is left behind
    EXPECT_EQ(blocked.read("42.mob"), folder.read("42.mob"));
}

} // namespace
