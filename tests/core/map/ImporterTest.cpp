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
    std::vector<std::string> questions; // asked, in order
};

class ImportFile : public ::testing::TestWithParam<ImportCase> {};

TEST_P(ImportFile, AppendsTheRecordsTheReaderAccepts)
{
    const ImportCase& c = GetParam();
    const bool mobs = c.kind == ImportKind::Mobs;
    const std::string message = !c.dropped ? "" : mobs ? "Unexpected fields found." : "Unexpected data found.";
    for (bool crlf : {false, true}) {
        SCOPED_TRACE(crlf ? "CR LF" : "LF");
        World world; // records already in the World stay first
        world.mobs.emplace_back().identifier = "old mob";
        world.items.emplace_back().identifier = "old item";
        Universe universe;
        ScriptedQuestions questions(false);
        for (bool answer : c.answers)
            questions.queueAnswer(answer);
        TempFolder folder;
        folder.write("zone", crlf ? toCrLf(c.data) : c.data);

        const ImportResult result = importAreaFile(folder.file("zone"), world, universe, questions, c.kind);
        EXPECT_EQ(result, (ImportResult{true, static_cast<int>(c.identifiers.size()), c.dropped, !c.dropped, message}));
        EXPECT_EQ(questions.messages, c.dropped ? std::vector<std::string>{message} : std::vector<std::string>{});
        EXPECT_EQ(questions.questions, c.questions);
        std::vector<std::string> expected{mobs ? "old mob" : "old item"};
        expected.insert(expected.end(), c.identifiers.begin(), c.identifiers.end());
        EXPECT_EQ(fieldOf(world.mobs, &Mob::identifier), mobs ? expected : std::vector<std::string>{"old mob"});
        EXPECT_EQ(fieldOf(world.items, &Item::identifier), mobs ? std::vector<std::string>{"old item"} : expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, ImportFile,
    ::testing::Values(
        // End markers with trailing blanks, with or without a line end, and what follows them.
        ImportCase{"ThreeMobs", ImportKind::Mobs,
                   mobBlock(120, "guard") + mobBlock(121, "baker") + mobBlock(122, "cat") + "#99999   \t\n$~\n",
                   {}, {"#120 the guard", "#121 the baker", "#122 the cat"}, false, {}},
        ImportCase{"TwoItems", ImportKind::Items, itemBlock(3010, "bread") + itemBlock(3011, "apple") + "#99999  ",
                   {}, {"#3010 a bread", "#3011 a apple"}, false, {}},
        ImportCase{"OnlyTheEndMarker", ImportKind::Mobs, "#99999\n", {}, {}, false, {}},
        ImportCase{"EmptyMobFile", ImportKind::Mobs, "", {}, {}, true, {}},
        ImportCase{"NoInSecondMobKeepsFirst", ImportKind::Mobs,
                   mobBlock(120, "guard") + mobBlock(121, "baker", "1 20") + mobBlock(122, "cat") + "#99999\n",
                   {false}, {"#120 the guard"}, true, {"Missing values for 121 on this line: 1 20 Continue?"}},
        ImportCase{"NoInSecondItemKeepsFirst", ImportKind::Items,
                   itemBlock(3010, "bread") + itemBlock(3011, "apple", "1 5") + "#99999\n", {false},
                   {"#3010 a bread"}, true,
                   {"Missing Weight/Value/Rent values for 3011 on this line: 1 5 Continue?"}},
        // Without an end marker the last reader meets the end of the file and its record is dropped.
        ImportCase{"MissingEndMarker", ImportKind::Mobs, mobBlock(120, "guard") + mobBlock(121, "baker"), {},
                   {"#120 the guard"}, true, {}},
        ImportCase{"CutInsideRecord", ImportKind::Items, itemBlock(3010, "bread") + "#3011\napple~\n", {},
                   {"#3010 a bread"}, true, {}}),
    [](const ::testing::TestParamInfo<ImportCase>& info) { return std::string(info.param.name); });

// A large file's later records are read on a second thread, from the first header after a split
// point, while the earlier ones are read. Wherever that point falls (on a header, inside a record,
// on a "#" line inside a text, past the end marker) and whatever the answers, the World, the
// questions, the messages and the result are those of reading in order.
TEST(Importer, ReadingFromASplitGivesWhatReadingInOrderGives)
{
    const std::string hashInText = "#130\nowl~\nthe owl~\nAn owl is here.\n~\nIts tag reads\n#131\n~\n0 0 0 S\n"
                                   "1 20 10 1d1+0 1d1+0\n0 1\n8 8 0\n";
    const std::string mobs = mobBlock(120, "guard") + mobBlock(121, "baker", "1 20") + hashInText
        + mobBlock(122, "cat") + mobBlock(123, "dog", "1 2") + mobBlock(124, "rat") + "#99999\n$~\n#125\n";
    const std::string items = itemBlock(3010, "bread") + itemBlock(3011, "apple", "1 5") + itemBlock(3012, "pear")
        + itemBlock(3013, "plum", "2") + itemBlock(3014, "fig") + "#3015\nbroken~\n";
    struct Case {
        ImportKind kind;
        std::string data;
        std::vector<bool> answers;
    };
    const Case cases[] = {
        {ImportKind::Mobs, mobs, {}},           {ImportKind::Mobs, mobs, {false}},
        {ImportKind::Mobs, mobs, {true, false}}, {ImportKind::Items, items, {}},
        {ImportKind::Items, items, {true, false}}, {ImportKind::Items, items.substr(0, items.size() - 12), {}},
    };
    Universe universe;
    for (const Case& c : cases) {
        World inOrder;
        ScriptedQuestions askedInOrder(true);
        for (bool answer : c.answers)
            askedInOrder.queueAnswer(answer);
        const ImportResult expected = importAreaText(c.data, inOrder, universe, askedInOrder, c.kind, 0);
        ASSERT_GE(expected.appended, 1);
        for (std::size_t split = 1; split < c.data.size(); ++split) {
            SCOPED_TRACE("split at " + std::to_string(split) + " of\n" + c.data);
            World world;
            ScriptedQuestions asked(true);
            for (bool answer : c.answers)
                asked.queueAnswer(answer);
            ASSERT_EQ(importAreaText(c.data, world, universe, asked, c.kind, split), expected);
            ASSERT_EQ(asked.questions, askedInOrder.questions);
            ASSERT_EQ(asked.messages, askedInOrder.messages);
            ASSERT_TRUE(world.mobs == inOrder.mobs && world.items == inOrder.items);
        }
    }
}

// The message itself is the file layer's; here it names the path and nothing is appended.
TEST(Importer, FileOrFolderThatCannotBeReadIsNamed)
{
    TempFolder folder;
    World world;
    Universe universe;
    for (const std::string& path : {folder.file("absent.obj"), folder.path()}) {
        ScriptedQuestions questions;
        const ImportResult result = importAreaFile(path, world, universe, questions, ImportKind::Items);
        EXPECT_FALSE(result.opened);
        EXPECT_EQ(questions.messages, std::vector<std::string>{result.message});
        EXPECT_NE(result.message.find(path), std::string::npos) << result.message;
    }
    EXPECT_TRUE(world.items.empty());
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
    EXPECT_TRUE(importAreaText(data, world, universe, questions, ImportKind::Items).dropped);
    EXPECT_TRUE(world.items.empty());
    EXPECT_LE(world.items.capacity(), data.size() / 32 + 1);
}

// The vnums of the record headers of an area file ("#" and digits at the start of a line), in order.
std::vector<int> headerVnums(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<int> vnums;
    for (std::string line; std::getline(in, line);)
        if (line.size() >= 2 && line[0] == '#' && line[1] >= '0' && line[1] <= '9')
            vnums.push_back(std::atoi(line.c_str() + 1));
    return vnums;
}

// Stock area files of other servers import without a crash, answering Yes to every question. They
// end with "$" instead of "#99999", so each ends with the kind's message. Where the format is close
// enough every record arrives, in file order; elsewhere the World holds exactly the records accepted.
TEST(Importer, RealAreaFilesWithYesAnswers)
{
    const std::filesystem::path root(TARNHOLT_REALDATA_DIR);
    if (!std::filesystem::is_directory(root))
        GTEST_SKIP() << "no real area files at " << root;
    struct RealFile {
        const char* path;
        ImportKind kind;
        bool everyRecord; // every header of the file becomes a record
    };
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
        EXPECT_TRUE(result.opened && result.dropped);
        EXPECT_EQ(questions.messages.size(), 1u);
        const std::vector<int> vnums =
            file.kind == ImportKind::Mobs ? fieldOf(world.mobs, &Mob::vnum) : fieldOf(world.items, &Item::vnum);
        EXPECT_EQ(vnums.size(), static_cast<std::size_t>(result.appended));
        const std::vector<int> headers = headerVnums(path);
        EXPECT_TRUE(file.everyRecord ? vnums == headers : result.appended > 0 && vnums.size() <= headers.size());
        // Read split at the middle, as a large file would be, the same records arrive.
        std::string data;
        ASSERT_EQ(readWholeFile(path, data), FileError::None);
        World split;
        ScriptedQuestions splitQuestions(true);
        EXPECT_EQ(importAreaText(data, split, universe, splitQuestions, file.kind, data.size() / 2), result);
        EXPECT_TRUE(split.mobs == world.mobs && split.items == world.items);
        EXPECT_EQ(splitQuestions.questions, questions.questions);
        std::cout << "[ realdata ] " << file.path << ": " << result.appended << " of " << headers.size()
                  << " headers appended\n";
    }
}

} // namespace
