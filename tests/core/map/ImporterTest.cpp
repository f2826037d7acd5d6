#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/Questions.h"
#include "core/generate/TempFolder.h"
#include "map/Importer.h"
#include "universe/Universe.h"
#include "world/Files.h"
#include "world/World.h"

using namespace tarnholt;
using tarnholt::testing::TempFolder;

namespace {

std::string mobBlock(int vnum, const std::string& name, const std::string& numbers = "1 20 10 1d1+0 1d1+0")
{
    return "#" + std::to_string(vnum) + "\n" + name + "~\nthe " + name + "~\nA " + name
        + " is here.\n~\nNothing special.\n~\n0 0 0 S\n" + numbers + "\n0 1\n8 8 0\n";
}

std::string itemBlock(int vnum, const std::string& name, const std::string& weights = "1 5 0")
{
    return "#" + std::to_string(vnum) + "\n" + name + "~\na " + name + "~\nA " + name + " lies here.~\n~\n16 0 A\n"
        + "0 0 0 0 0\n" + weights + "\n";
}

// One field of every record, in order.
template <class Record, class Field>
std::vector<Field> fieldOf(const std::vector<Record>& records, Field Record::*field)
{
    std::vector<Field> out;
    for (const Record& record : records)
        out.push_back(record.*field);
    return out;
}

struct ImportCase {
    const char* name;
    ImportKind kind;
    std::string data;
    std::vector<bool> answers;
    std::vector<std::string> identifiers; // of the appended records, in order
    bool dropped;
    bool endMarker;
    std::vector<std::string> questions; // asked, in order
};

class ImportFile : public ::testing::TestWithParam<ImportCase> {};

TEST_P(ImportFile, AppendsTheRecordsTheReaderAccepts)
{
    const ImportCase& c = GetParam();
    for (bool crlf : {false, true}) {
        World world;
        // Records already in the World stay first.
        world.mobs.emplace_back().identifier = "old mob";
        world.items.emplace_back().identifier = "old item";
        Universe universe;
        ScriptedQuestions questions(false);
        for (bool answer : c.answers)
            questions.queueAnswer(answer);

        TempFolder folder;
        folder.write("zone", crlf ? toCrLf(c.data) : c.data);
        const ImportResult result = importAreaFile(folder.file("zone"), world, universe, questions, c.kind);

        SCOPED_TRACE(crlf ? "CR LF" : "LF");
        EXPECT_TRUE(result.opened);
        EXPECT_EQ(result.appended, static_cast<int>(c.identifiers.size()));
        EXPECT_EQ(result.dropped, c.dropped);
        EXPECT_EQ(result.endMarker, c.endMarker);
        const std::string expectedMessage =
            !c.dropped ? "" : c.kind == ImportKind::Mobs ? "Unexpected fields found." : "Unexpected data found.";
        EXPECT_EQ(result.message, expectedMessage);
        EXPECT_EQ(questions.messages,
                  c.dropped ? std::vector<std::string>{expectedMessage} : std::vector<std::string>{});
        EXPECT_EQ(questions.questions, c.questions);

        const bool mobs = c.kind == ImportKind::Mobs;
        EXPECT_EQ(mobs ? fieldOf(world.items, &Item::identifier) : fieldOf(world.mobs, &Mob::identifier),
                  std::vector<std::string>{mobs ? "old item" : "old mob"});
        std::vector<std::string> expected{mobs ? "old mob" : "old item"};
        expected.insert(expected.end(), c.identifiers.begin(), c.identifiers.end());
        EXPECT_EQ(mobs ? fieldOf(world.mobs, &Mob::identifier) : fieldOf(world.items, &Item::identifier), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, ImportFile,
    ::testing::Values(
        ImportCase{"ThreeMobs", ImportKind::Mobs,
                   mobBlock(120, "guard") + mobBlock(121, "baker") + mobBlock(122, "cat") + "#99999\n$~\n",
                   {}, {"#120 the guard", "#121 the baker", "#122 the cat"}, false, true, {}},
        ImportCase{"TwoItems", ImportKind::Items, itemBlock(3010, "bread") + itemBlock(3011, "apple") + "#99999\n",
                   {}, {"#3010 a bread", "#3011 a apple"}, false, true, {}},
        ImportCase{"EndMarkerWithTrailingBlanks", ImportKind::Mobs, "#99999   \t\n", {}, {}, false, true, {}},
        ImportCase{"EndMarkerAfterRecordWithTrailingBlanks", ImportKind::Items, itemBlock(5, "nail") + "#99999  ",
                   {}, {"#5 a nail"}, false, true, {}},
        ImportCase{"EmptyMobFile", ImportKind::Mobs, "", {}, {}, true, false, {}},
        ImportCase{"NoInSecondMobKeepsFirst", ImportKind::Mobs,
                   mobBlock(120, "guard") + mobBlock(121, "baker", "1 20") + mobBlock(122, "cat") + "#99999\n",
                   {false}, {"#120 the guard"}, true, false,
                   {"Missing values for 121 on this line: 1 20 Continue?"}},
        ImportCase{"YesInSecondMobKeepsAll", ImportKind::Mobs,
                   mobBlock(120, "guard") + mobBlock(121, "baker", "1 20") + "#99999\n", {true},
                   {"#120 the guard", "#121 the baker"}, false, true,
                   {"Missing values for 121 on this line: 1 20 Continue?"}},
        ImportCase{"NoInSecondItemKeepsFirst", ImportKind::Items,
                   itemBlock(3010, "bread") + itemBlock(3011, "apple", "1 5") + "#99999\n", {false},
                   {"#3010 a bread"}, true, false,
                   {"Missing Weight/Value/Rent values for 3011 on this line: 1 5 Continue?"}},
        // Without an end marker the last reader meets the end of the file and its record is dropped.
        ImportCase{"MissingEndMarker", ImportKind::Mobs, mobBlock(120, "guard") + mobBlock(121, "baker"), {},
                   {"#120 the guard"}, true, false, {}},
        ImportCase{"CutInsideRecord", ImportKind::Items, itemBlock(3010, "bread") + "#3011\napple~\n", {},
                   {"#3010 a bread"}, true, false, {}}),
    [](const ::testing::TestParamInfo<ImportCase>& info) { return std::string(info.param.name); });

TEST(Importer, FileThatCannotBeOpenedIsNamed)
{
    TempFolder folder;
    const std::string path = folder.file("absent.obj");
    World world;
    Universe universe;
    ScriptedQuestions questions;
    const ImportResult result = importAreaFile(path, world, universe, questions, ImportKind::Items);
    EXPECT_FALSE(result.opened);
    EXPECT_EQ(result.appended, 0);
    const std::string expected =
        path + "\nCannot find this file.\nPlease verify that the correct path and file name are given.";
    EXPECT_EQ(result.message, expected);
    EXPECT_EQ(questions.messages, std::vector<std::string>{expected});
    EXPECT_TRUE(world.items.empty());

    // A folder is no area file either.
    ScriptedQuestions again;
    const ImportResult folderResult = importAreaFile(folder.path(), world, universe, again, ImportKind::Mobs);
    EXPECT_FALSE(folderResult.opened);
    ASSERT_EQ(again.messages.size(), 1u);
    EXPECT_NE(again.messages[0].find(folder.path()), std::string::npos);
}

// A file of nothing but "#" lines stops at its first record, and the room kept for records stays
// in proportion to the file's size rather than to its number of lines.
TEST(Importer, HeaderLinesAloneDoNotReserveARecordEach)
{
    std::string data;
    for (int i = 0; i < 200000; ++i)
        data += "#\n";
    World world;
    Universe universe;
    ScriptedQuestions questions;
    const ImportResult result = importAreaText(data, world, universe, questions, ImportKind::Items);
    EXPECT_TRUE(result.dropped);
    EXPECT_TRUE(world.items.empty());
    EXPECT_LE(world.items.capacity(), data.size() / 32 + 1);
}

// The vnums of the record headers of an area file ("#" and digits at the start of a line), in order.
std::vector<int> headerVnums(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<int> vnums;
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() < 2 || line[0] != '#' || line[1] < '0' || line[1] > '9')
            continue;
        vnums.push_back(std::atoi(line.c_str() + 1));
    }
    return vnums;
}

struct RealFile {
    const char* path; // under the real-data folder
    ImportKind kind;
    bool everyRecord; // every header of the file becomes a record
};

// Stock area files of other servers import without a crash, answering Yes to every question. The
// files end with "$" instead of "#99999", so each ends with the kind's message on that last line.
// Where the format is close enough, every record arrives, in file order; elsewhere the readers lose
// their place in some records (one-line action descriptions, mobs with extra "E" sections, broken
// records), and the World still holds exactly the records they accepted.
TEST(Importer, RealAreaFilesWithYesAnswers)
{
    const std::filesystem::path root(TARNHOLT_REALDATA_DIR);
    if (!std::filesystem::is_directory(root))
        GTEST_SKIP() << "no real area files at " << root;
    const RealFile files[] = {
        {"circlemud31/30.mob", ImportKind::Mobs, false},  {"circlemud31/120.mob", ImportKind::Mobs, false},
        {"circlemud31/70.mob", ImportKind::Mobs, true},   {"circlemud31/30.obj", ImportKind::Items, true},
        {"circlemud31/25.obj", ImportKind::Items, true},  {"circlemud31/120.obj", ImportKind::Items, true},
        {"dikualfa/tinyworld.mob", ImportKind::Mobs, false}, {"dikualfa/tinyworld.obj", ImportKind::Items, false},
    };
    for (const RealFile& file : files) {
        const std::string path = (root / file.path).string();
        if (!std::filesystem::exists(path))
            continue;
        SCOPED_TRACE(file.path);
        World world;
        Universe universe;
        ScriptedQuestions questions(true);
        const ImportResult result = importAreaFile(path, world, universe, questions, file.kind);
        EXPECT_TRUE(result.opened);
        EXPECT_TRUE(result.dropped);
        EXPECT_EQ(questions.messages.size(), 1u);

        const std::vector<int> vnums =
            file.kind == ImportKind::Mobs ? fieldOf(world.mobs, &Mob::vnum) : fieldOf(world.items, &Item::vnum);
        EXPECT_EQ(vnums.size(), static_cast<std::size_t>(result.appended));
        const std::vector<int> headers = headerVnums(path);
        if (file.everyRecord) {
            EXPECT_EQ(vnums, headers);
        } else {
            EXPECT_GT(result.appended, 0);
            EXPECT_LE(vnums.size(), headers.size());
        }
        std::cout << "[ realdata ] " << file.path << ": " << result.appended << " of " << headers.size()
                  << " headers appended, " << questions.questions.size() << " questions answered Yes, ended with "
                  << result.message << "\n";
    }
}

} // namespace
