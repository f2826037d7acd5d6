#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <type_traits>
#include <vector>

#include "TempFolder.h"
#include "app/Questions.h"
#include "generate/Generator.h"
#include "items/ItemTypes.h"
#include "items/ItemValues.h"
#include "map/Importer.h"
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

// --- Refusals ---------------------------------------------------------------------------------

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
    EXPECT_FALSE(run.result.succeeded());
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

// --- Vnum assignment ----------------------------------------------------------------------------

struct VnumCase {
    const char* name;
    int32_t start;
    std::vector<std::string> identifiers;
    std::vector<int32_t> before;
    std::vector<int32_t> after;
};

class VnumAssignment : public ::testing::TestWithParam<VnumCase> {};

TEST_P(VnumAssignment, FillsGapsFromTheStartNumber)
{
    const VnumCase& c = GetParam();
    // The same numbering for each kind of record.
    for (int kind = 0; kind < 3; ++kind) {
        World world = savedZone();
        world.startItemVnum = world.startMobVnum = world.startRoomVnum = c.start;
        for (std::size_t i = 0; i < c.before.size(); ++i) {
            if (kind == 0)
                world.items.push_back(named<Item>(c.identifiers[i], c.before[i]));
            else if (kind == 1)
                world.mobs.push_back(named<Mob>(c.identifiers[i], c.before[i]));
            else
                world.rooms.push_back(named<Room>(c.identifiers[i], c.before[i]));
        }
        TempFolder folder;
        const Outcome run = generated(world, folder.path());
        ASSERT_TRUE(run.result.written) << run.result.message;
        std::vector<int32_t> vnums;
        for (std::size_t i = 0; i < c.before.size(); ++i)
            vnums.push_back(kind == 0 ? world.items[i].vnum : kind == 1 ? world.mobs[i].vnum : world.rooms[i].vnum);
        EXPECT_EQ(vnums, c.after) << "kind " << kind;
        EXPECT_EQ(run.result.vnumsChanged, c.before != c.after) << "kind " << kind;
        const Outcome second = generated(world, folder.path()); // numbered once, a zone keeps its numbers
        EXPECT_FALSE(second.result.vnumsChanged) << "kind " << kind;
    }
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

// --- Files ------------------------------------------------------------------------------------

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
    ASSERT_TRUE(run.result.written);
    EXPECT_TRUE(run.result.succeeded());
    EXPECT_TRUE(run.questions.messages.empty());
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

TEST(Generator, WarningsInOrderOfTheFiles)
{
    World world = savedZone();
    Room hall = named<Room>("hall");
    hall.description.clear();
    LoadAction ghost;
    ghost.task = LoadAction::LoadMob, ghost.mob = "ghost"; // deleted mob
    hall.loads.push_back(ghost);
    world.rooms.push_back(hall);
    Mob guard = named<Mob>("guard");
    guard.description.clear();
    world.mobs.push_back(guard);
    Item sword = named<Item>("sword");
    sword.itemType.clear(), sword.description.clear();
    world.items.push_back(sword);

    TempFolder folder;
    const Outcome run = generated(world, folder.path());
    EXPECT_TRUE(run.result.written);
    EXPECT_FALSE(run.result.succeeded());
    const std::vector<Warning> expected = {
        {"Item", "sword", "No Item Type Assigned"},
        {"Item", "sword", "No Description"},
        {"Mob", "guard", "No Description"},
        {"Room", "hall", "No Description"},
        {"Room-Action", "hall", "Invalid Mob on a Load Mob Action."},
    };
    EXPECT_EQ(run.result.warnings, expected);
    // The broken load still has its line, with -1 for the mob.
    EXPECT_EQ(folder.read("12.zon"), "#12\r\nKeep~\r\n1299 15 1 0\r\nM 0 -1 1 1200\r\nS\r\n$~\r\n");
    // The warning list starts empty on every run.
    EXPECT_EQ(generated(world, folder.path()).result.warnings, expected);
}

// A file that cannot be written stops the run with one message naming it; the files before it stay
// written and nothing after it is written.
TEST(Generator, FileThatCannotBeWrittenStopsTheRun)
{
    World world = savedZone();
    TempFolder folder;
    const std::string missing = folder.file("missing");
    const Outcome none = generated(world, missing);
    EXPECT_FALSE(none.result.written);
    ASSERT_EQ(none.questions.messages.size(), 1u);
    EXPECT_NE(none.questions.messages[0].find(missing + "/12.obj"), std::string::npos) << none.questions.messages[0];
    EXPECT_EQ(none.result.message, none.questions.messages[0]);
    EXPECT_TRUE(none.result.files.empty());

    std::filesystem::create_directory(folder.file("12.mob")); // a folder where the mob file goes
    const Outcome run = generated(world, folder.path());
    EXPECT_FALSE(run.result.written);
    ASSERT_EQ(run.questions.messages.size(), 1u);
    EXPECT_NE(run.questions.messages[0].find(folder.file("12.mob")), std::string::npos) << run.questions.messages[0];
    EXPECT_EQ(folder.read("12.obj"), "#99999\r\n$~\r\n");
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"12.mob", "12.obj"}));
    EXPECT_EQ(run.result.files, std::vector<std::string>{folder.file("12.obj")});
}

// The world file is made apart from the others; a stop still leaves what a run in file order would:
// the warnings raised up to the file that failed, and none of the files after it.
TEST(Generator, StopLeavesTheFilesAndWarningsOfARunInFileOrder)
{
    World world = savedZone();
    Room hall = named<Room>("hall");
    hall.description.clear();
    LoadAction ghost;
    ghost.task = LoadAction::LoadMob, ghost.mob = "ghost";
    hall.loads.push_back(ghost);
    world.rooms.push_back(hall);
    Item sword = named<Item>("sword");
    sword.itemType.clear();
    world.items.push_back(sword);

    for (const char* blocked : {"12.mob", "12.wld", "12.zon"}) {
        SCOPED_TRACE(blocked);
        TempFolder folder;
        std::filesystem::create_directory(folder.file(blocked));
        const Outcome run = generated(world, folder.path());
        EXPECT_FALSE(run.result.written);
        ASSERT_EQ(run.questions.messages.size(), 1u);
        EXPECT_NE(run.questions.messages[0].find(folder.file(blocked)), std::string::npos);
        std::vector<Warning> warnings = {{"Item", "sword", "No Item Type Assigned"}};
        std::vector<std::string> files = {folder.file("12.obj")};
        if (blocked != std::string("12.mob")) {
            warnings.push_back({"Room", "hall", "No Description"});
            files.push_back(folder.file("12.mob"));
        }
        if (blocked == std::string("12.zon")) {
            warnings.push_back({"Room-Action", "hall", "Invalid Mob on a Load Mob Action."});
            files.push_back(folder.file("12.wld"));
        }
        EXPECT_EQ(run.result.warnings, warnings);
        EXPECT_EQ(run.result.files, files);
        std::vector<std::string> names;
        for (const std::string& file : files)
            names.push_back(fileNameOf(file));
        names.push_back(blocked);
        std::sort(names.begin(), names.end());
        EXPECT_EQ(folder.names(), names); // nothing written aside is left behind
    }
}

// --- Generation and import ----------------------------------------------------------------------

// Generated items, imported into a fresh zone (answering No) and generated again, give the same file.
TEST(Generator, GeneratedItemsImportBackToTheSameBlocks)
{
    World world = savedZone();
    Item lamp = named<Item>("lamp");
    lamp.aliases = "lamp brass", lamp.shortDescription = "a brass lamp";
    lamp.longDescription = "A brass lamp lies here.", lamp.description = "It is dented.\r\nStill, it shines.";
    lamp.itemType = "Light";
    auto light = std::make_unique<LightValues>();
    light->duration = LightValues::Hours, light->lightHours = 24;
    lamp.valueRecord = std::move(light);
    lamp.extraFlags = {"Glowing", "Magical"}, lamp.classRestrictions = {"Mage", "Cleric"};
    lamp.wearFlags = {"Takeable", "Holdable"};
    lamp.abilityNames = {"Strength", "Hit Roll"}, lamp.abilityModifiers = {2, -1};
    lamp.itemSpells = {"Identify"};
    lamp.weight = 3, lamp.value = 40, lamp.rent = 10;
    lamp.extraDescriptions.set("dent", "A deep dent.");
    lamp.specProcs = {"ITEM_PERCT_DAMAGE 50 0 1"};
    world.items.push_back(lamp);
    Item cask = named<Item>("cask");
    cask.itemType = "Drink Container", cask.classRestrictions = {"Thief", "Ninja"};
    auto drink = std::make_unique<DrinkValues>();
    drink->liquid = "Dark Ale", drink->maxDrinkUnits = 20, drink->drinkUnitsLeft = 7, drink->minLevel = 3;
    cask.valueRecord = std::move(drink);
    world.items.push_back(std::move(cask));
    Item chest = named<Item>("chest");
    chest.aliases = "chest", chest.itemType = "Container";
    auto container = std::make_unique<ContainerValues>();
    container->key = "#3005", container->locked = container->closed = 1, container->maxWeight = 90;
    chest.valueRecord = std::move(container);
    world.items.push_back(std::move(chest));

    TempFolder first;
    const Outcome run = generated(world, first.path());
    EXPECT_TRUE(run.result.written && run.result.warnings.empty());

    World imported = savedZone();
    Universe universe;
    ScriptedQuestions questions(false);
    const ImportResult result = importAreaFile(first.file("12.obj"), imported, universe, questions, ImportKind::Items);
    EXPECT_EQ(result.appended, 3);
    EXPECT_FALSE(result.dropped);
    EXPECT_TRUE(questions.messages.empty() && questions.questions.empty());
    ASSERT_EQ(imported.items.size(), 3u);
    EXPECT_EQ(imported.items[0].identifier, "#1220 a brass lamp");

    imported.startItemVnum = 0; // "#" records need no start number
    TempFolder second;
    const Outcome again = generated(imported, second.path());
    EXPECT_TRUE(again.result.written) << again.result.message;
    EXPECT_FALSE(again.result.vnumsChanged);
    EXPECT_EQ(second.read("12.obj"), first.read("12.obj"));
}

} // namespace
