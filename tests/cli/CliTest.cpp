#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CliHarness.h"
#include "cli/WorldJson.h"
#include "world/Document.h"
#include "world/World.h"

namespace tarnholt {
namespace {

using clitest::Folder;
using clitest::CliRun;
using clitest::runCli;

const std::string kCastleJson = clitest::readFile(TARNHOLT_CLI_DATA_DIR "/castle.json");

/// A zone of one described room that generates without a warning.
World keepWorld()
{
    World world;
    world.zoneName = "Keep", world.zoneNumber = 30, world.startRoomVnum = 3000;
    Room room;
    room.identifier = "hall", room.name = "Hall", room.description = "A hall.";
    world.rooms.push_back(room);
    return world;
}

/// The sample castle as castle.json and, converted by the tool, castle.rlm.
void writeCastle(const Folder& folder)
{
    folder.write("castle.json", kCastleJson);
    ASSERT_EQ(runCli({"convert", folder.file("castle.json"), folder.file("castle.rlm")}).status, 0);
}

void store(const Folder& folder, const std::string& name, World world)
{
    folder.write(name, Document::storeWorld(world));
}

World load(const Folder& folder, const std::string& name)
{
    return Document::loadWorld(folder.read(name));
}

// ---- calls that are refused: nothing is written ----------------------------------------------

struct BadCall {
    const char* name;
    std::vector<std::string> args; // "@" stands for the test folder
    std::string err;               // the whole of standard error
};

class BadCalls : public ::testing::TestWithParam<BadCall> {};

TEST_P(BadCalls, GiveOneLineOnStandardErrorAndStatus2)
{
    Folder folder;
    store(folder, "keep.rlm", keepWorld());
    World noZone = keepWorld();
    noZone.zoneNumber = 0;
    store(folder, "nozone.rlm", noZone);
    auto inFolder = [&folder](std::string text) {
        for (auto at = text.find('@'); at != std::string::npos; at = text.find('@', at + 1))
            text.replace(at, 1, folder.path());
        return text;
    };
    std::vector<std::string> args;
    for (const std::string& arg : GetParam().args)
        args.push_back(inFolder(arg));

    const CliRun run = runCli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, inFolder(GetParam().err));
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"keep.rlm", "nozone.rlm"})); // nothing written
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadCalls,
    ::testing::Values(
        BadCall{"UnknownCommand", {"build"}, "tarnholt-cli: unknown command 'build' (see tarnholt-cli --help)\n"},
        BadCall{"UnknownOption", {"generate", "@/keep.rlm", "--fast"},
                "tarnholt-cli generate: unknown option '--fast' (see tarnholt-cli generate --help)\n"},
        BadCall{"FlagWithValue", {"generate", "@/keep.rlm", "--save=yes"},
                "tarnholt-cli generate: option '--save' takes no value (see tarnholt-cli generate --help)\n"},
        BadCall{"MissingValue", {"generate", "@/keep.rlm", "--out"},
                "tarnholt-cli generate: option '--out' needs a value (see tarnholt-cli generate --help)\n"},
        BadCall{"OptionTwice", {"import", "@/keep.rlm", "@/a.mob", "--answer", "yes", "--answer=no"},
                "tarnholt-cli import: option '--answer' given twice (see tarnholt-cli import --help)\n"},
        BadCall{"MissingArgument", {"import", "@/keep.rlm"},
                "tarnholt-cli import: missing argument (2 expected) (see tarnholt-cli import --help)\n"},
        BadCall{"ExtraArgument", {"info", "@/keep.rlm", "more"},
                "tarnholt-cli info: unexpected argument 'more' (see tarnholt-cli info --help)\n"},
        BadCall{"BadAnswer", {"import", "@/keep.rlm", "@/a.mob", "--answer", "maybe"},
                "tarnholt-cli import: --answer takes yes or no, not 'maybe'\n"},
        BadCall{"MissingWorld", {"info", "@/none.rlm"},
                "tarnholt-cli info: @/none.rlm Cannot find this file. Please verify that the correct path and file "
                "name are given.\n"},
        BadCall{"MissingOutFolder", {"generate", "@/keep.rlm", "--out", "@/none"},
                "tarnholt-cli generate: @/none: no such folder\n"},
        BadCall{"MissingImportFile", {"import", "@/keep.rlm", "@/none.mob"},
                "tarnholt-cli import: @/none.mob Cannot find this file. Please verify that the correct path and "
                "file name are given.\n"},
        BadCall{"ImportOfOtherKind", {"import", "@/keep.rlm", "@/keep.wld"},
                "tarnholt-cli import: @/keep.wld: not a .obj or .mob file\n"},
        BadCall{"GenerateRefused", {"generate", "@/nozone.rlm", "--save"},
                "Assign a zone number to this zone before you begin generation.\n"},
        BadCall{"UnknownConversion", {"convert", "@/keep.rlm", "@/keep.txt"},
                "tarnholt-cli convert: cannot convert '@/keep.rlm' to '@/keep.txt': the extensions must be .rlm "
                "to .rlm, .rlm to .json or .json to .rlm\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cli, HelpOfEachCommandGoesToStandardOutput)
{
    for (const std::string command : {"generate", "import", "convert", "info"}) {
        const CliRun run = runCli({command, "--help"});
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_EQ(run.out.rfind("Usage: tarnholt-cli " + command + " ", 0), 0u) << run.out;
        EXPECT_EQ(run.err, "");
    }
    EXPECT_EQ(runCli({"--help"}).status, 0);
    const CliRun bare = runCli({});
    EXPECT_EQ(bare.status, 2);
    EXPECT_EQ(bare.err.rfind("Usage: tarnholt-cli COMMAND", 0), 0u);
}

// ---- generate --------------------------------------------------------------------------------

TEST(CliGenerate, CleanZoneWritesBesideTheDocumentWithStatus0)
{
    Folder folder;
    store(folder, "keep.rlm", keepWorld());
    const std::string before = folder.read("keep.rlm");

    const CliRun run = runCli({"generate", folder.file("keep.rlm")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out + run.err, "");
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"30.mob", "30.obj", "30.wld", "30.zon", "keep.rlm"}));
    EXPECT_EQ(folder.read("keep.rlm"), before); // vnums are not written back without --save
}

TEST(CliGenerate, WarningsGoToStandardOutputInOrderWithStatus1AndSaveKeepsTheVnums)
{
    Folder folder;
    Folder out;
    ASSERT_NO_FATAL_FAILURE(writeCastle(folder));

    const CliRun run = runCli({"generate", folder.file("castle.rlm"), "--out", out.path(), "--save"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "Item\t#3050 a blue potion\tNo Description\nRoom\thall\tNo Description\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(out.names(), (std::vector<std::string>{"30.mob", "30.obj", "30.wld", "30.zon", "3005.txt"}));
    EXPECT_FALSE(folder.exists("30.obj"));

    const World world = load(folder, "castle.rlm");
    std::vector<int32_t> vnums;
    for (const Item& item : world.items)
        vnums.push_back(item.vnum);
    EXPECT_EQ(vnums, (std::vector<int32_t>{3000, 3005, 3050, 3001}));
    EXPECT_EQ(world.rooms.at(1).vnum, 3201);
    EXPECT_EQ(world.basePath, folder.file("castle"));
}

TEST(CliGenerate, WarningFieldsStayOnOneLine)
{
    Folder folder;
    World world = keepWorld();
    world.rooms[0].identifier = "odd\tname\r\nhere";
    world.rooms[0].description.clear();
    store(folder, "odd.rlm", world);

    const CliRun run = runCli({"generate", folder.file("odd.rlm")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "Room\todd name  here\tNo Description\n");
}

// ---- import ----------------------------------------------------------------------------------

// Two mobs; the flag line of the second lacks its alignment.
const char* const kTwoMobs = "#120\nguard~\nthe guard~\nA guard stands here.\n~\nHe is big.\n~\n"
                             "0 0 0 S\n10 15 3 2d8+10 1d6+1\n100 500\n8 8 1\n"
                             "#121\ncat~\na cat~\nA cat sleeps here.\n~\nSmall.\n~\n"
                             "0 0\n3 20 8 1d4+0 010d2+0\n0 10\n8 8 2\n#99999\n";

TEST(CliImport, NoDropsTheRecordKeepsTheOnesBeforeAndGivesStatus1)
{
    Folder folder;
    World world;
    world.mobs.emplace_back().identifier = "old";
    store(folder, "zone.rlm", world);
    folder.write("two.mob", kTwoMobs);

    const CliRun run = runCli({"import", folder.file("zone.rlm"), folder.file("two.mob")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "Appended 1 mobs.\n");
    EXPECT_EQ(run.err, "Missing values for 121 on this line: 0 0 Continue? no\nUnexpected fields found.\n");
    const World saved = load(folder, "zone.rlm");
    ASSERT_EQ(saved.mobs.size(), 2u);
    EXPECT_EQ(saved.mobs[0].identifier, "old");
    EXPECT_EQ(saved.mobs[1].identifier, "#120 the guard");
    EXPECT_EQ(saved.mobs[1].vnum, 120);
}

TEST(CliImport, YesKeepsEveryRecordInANewDocument)
{
    Folder folder;
    folder.write("two.mob", kTwoMobs);
    const CliRun run = runCli({"import", folder.file("new.rlm"), folder.file("two.mob"), "--answer", "yes"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Missing values for 121 on this line: 0 0 Continue? yes\n");
    const World saved = load(folder, "new.rlm");
    ASSERT_EQ(saved.mobs.size(), 2u);
    EXPECT_EQ(saved.mobs[1].identifier, "#121 a cat");
    EXPECT_EQ(saved.mobs[1].damageDiceCount, 8); // "%i" reads 010 as octal
    EXPECT_EQ(saved.basePath, folder.file("new"));
}

TEST(CliImport, ItemFilesByExtensionAndAnUnreadableDocumentIsNotReplaced)
{
    Folder folder;
    folder.write("none.OBJ", "#99999   \r\n");
    folder.write("empty.obj", "");
    folder.write("bad.rlm", std::string("\x01\x00", 2));

    CliRun run = runCli({"import", folder.file("zone.rlm"), folder.file("none.OBJ")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out + run.err, "Appended 0 items.\n");
    run = runCli({"import", folder.file("zone.rlm"), folder.file("empty.obj")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Unexpected data found.\n");
    EXPECT_TRUE(load(folder, "zone.rlm").items.empty());

    run = runCli({"import", folder.file("bad.rlm"), folder.file("none.OBJ")});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "tarnholt-cli import: " + folder.file("bad.rlm") + ": Unexpected file format.\n");
    EXPECT_EQ(folder.read("bad.rlm"), std::string("\x01\x00", 2));
}

// ---- convert and info ------------------------------------------------------------------------

TEST(CliConvert, JsonToDocumentToJsonIsIdentical)
{
    Folder folder;
    ASSERT_NO_FATAL_FAILURE(writeCastle(folder));
    const CliRun run = runCli({"convert", folder.file("castle.rlm"), folder.file("again.json")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out + run.err, "");
    EXPECT_EQ(folder.read("again.json"), kCastleJson);

    // The texts reach the document in Windows-1252.
    const World world = load(folder, "castle.rlm");
    EXPECT_EQ(world.zoneName, "Castle Tarn \x97 east wing");
    EXPECT_EQ(world.items.at(1).description, "Brass bands hold the caf\xE9-brown planks.");
    EXPECT_EQ(world.rooms.at(0).exits[1].target, "hall");   // East
    EXPECT_EQ(world.rooms.at(0).exits[9].placement, 5);     // Northwest, kept though it leads nowhere
    EXPECT_EQ(world.rooms.at(0).exits[0].placement, -1);    // directions left out are new exits
    EXPECT_EQ(world.basePath, "/zones/castle");              // as written, not taken from the path
}

TEST(CliConvert, EmptyDocumentFileIsANewWorld)
{
    Folder folder;
    folder.write("empty.rlm", "");
    ASSERT_EQ(runCli({"convert", folder.file("empty.rlm"), folder.file("empty.json")}).status, 0);
    EXPECT_EQ(folder.read("empty.json"), worldToJson(World()));
}

TEST(CliConvert, DocumentResavedTakesItsBasePathFromTheNewPath)
{
    Folder folder;
    ASSERT_NO_FATAL_FAILURE(writeCastle(folder));
    ASSERT_EQ(runCli({"convert", folder.file("castle.rlm"), folder.file("moved.rlm")}).status, 0);

    World original = load(folder, "castle.rlm");
    const World moved = load(folder, "moved.rlm");
    EXPECT_EQ(moved.basePath, folder.file("moved"));
    original.basePath = moved.basePath;
    EXPECT_EQ(Document::storeWorld(original), folder.read("moved.rlm"));
}

TEST(CliConvert, BrokenInputGivesOneLineAndNoOutputFile)
{
    Folder folder;
    folder.write("deep.json", std::string(1000000, '['));
    folder.write("typo.json", std::string(kCastleJson).replace(kCastleJson.find("\"moveTimer\""), 11, "\"moveTimr\""));
    folder.write("cut.rlm", std::string("\x01\x00\x00\x00\x05" "ab", 7));

    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"deep.json", "deep.rlm"}, "deep.json: nested deeper than a World is"},
        {{"typo.json", "typo.rlm"}, "typo.json: rooms[0].moveTimer: missing"},
        {{"cut.rlm", "cut.json"}, "cut.rlm: Unexpected file format."},
    };
    for (const auto& [names, message] : cases) {
        const CliRun run = runCli({"convert", folder.file(names[0]), folder.file(names[1])});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "tarnholt-cli convert: " + folder.path() + "/" + message + "\n");
        EXPECT_FALSE(folder.exists(names[1]));
    }
    EXPECT_EQ(runCli({"info", folder.file("cut.rlm")}).status, 2);
}

TEST(CliInfo, ShowsTheHeaderAndTheCounts)
{
    Folder folder;
    ASSERT_NO_FATAL_FAILURE(writeCastle(folder));

    const CliRun run = runCli({"info", folder.file("castle.rlm")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "Zone Name: Castle Tarn \xE2\x80\x94 east wing\n"
                       "Zone Number: 30\n"
                       "Repop Mode: No Players To Repop\n"
                       "Zone Repop Time: 15\n"
                       "Start Item Num: 3000\n"
                       "Start Mob Num: 3100\n"
                       "Start Room Num: 3200\n"
                       "Max Room Num: 3299\n"
                       "Rooms: 2\n"
                       "Mobs: 1\n"
                       "Items: 4\n"
                       "Shops: 1\n"
                       "Load Actions: 2\n");
}

// ---- the real area files, when they are there ------------------------------------------------

TEST(CliRealData, EveryFileImportsWithYesAndKeepsWhatWasRead)
{
    const std::filesystem::path dir = TARNHOLT_REALDATA_DIR;
    if (!std::filesystem::is_directory(dir))
        GTEST_SKIP() << "no real data at " << dir;
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".obj" && extension != ".mob")
            continue;
        ++files;
        Folder folder;
        const CliRun run = runCli({"import", folder.file("real.rlm"), entry.path().string(), "--answer", "yes"});
        SCOPED_TRACE(entry.path().string() + "\n" + run.err);
        EXPECT_TRUE(run.status == 0 || run.status == 1) << run.status;
        const World world = load(folder, "real.rlm");
        const std::size_t count = extension == ".obj" ? world.items.size() : world.mobs.size();
        EXPECT_GT(count, 0u);
        EXPECT_EQ(run.out, "Appended " + std::to_string(count) + (extension == ".obj" ? " items.\n" : " mobs.\n"));

        ASSERT_EQ(runCli({"convert", folder.file("real.rlm"), folder.file("real.json")}).status, 0);
        ASSERT_EQ(runCli({"convert", folder.file("real.json"), folder.file("back.rlm")}).status, 0);
        EXPECT_EQ(folder.read("back.rlm"), folder.read("real.rlm"));
    }
    EXPECT_GT(files, 0);
}

} // namespace
} // namespace tarnholt
