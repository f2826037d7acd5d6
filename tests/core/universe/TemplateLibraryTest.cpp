#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "app/Questions.h"
#include "universe/TemplateLibrary.h"

namespace tarnholt {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

constexpr const char* kLoadFailed = "Unable to load template library.\nTemplates will not be available this session.";

// A fresh folder under the system's temporary directory, removed at the end of the test.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (fs::temp_directory_path() / "tarnholt-templates-XXXXXX").string();
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempDir()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const std::string& path() const { return path_; }
    std::string file(const char* name) const { return (fs::path(path_) / name).string(); }

private:
    std::string path_;
};

std::string intBytes(int32_t v)
{
    auto u = static_cast<uint32_t>(v);
    return {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF), static_cast<char>((u >> 16) & 0xFF),
            static_cast<char>((u >> 24) & 0xFF)};
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Item sampleItem()
{
    Item item;
    item.vnum = 42;
    item.identifier = "Sword";
    item.aliases = "sword long";
    item.shortDescription = "a long sword";
    item.description = "It is long.\r\nAnd sharp.";
    item.extraFlags = {"Glowing", "No Rent"};
    item.wearFlags = {"Takeable", "Wield"};
    item.weight = 12;
    item.value = 300;
    item.rent = 7;
    return item;
}

Mob sampleMob()
{
    Mob mob;
    mob.vnum = 9;
    mob.identifier = "Guard";
    mob.level = 14;
    mob.alignment = -350;
    mob.flags = {"Sentinel", "Aggressive"};
    mob.specProcs = {"MOB_MAGE 100 0 0"};
    mob.speech = {"<INTERVAL> Halt!\n"};
    return mob;
}

Room sampleRoom()
{
    Room room;
    room.column = 3;
    room.row = 4;
    room.vnum = 1200;
    room.identifier = "Gate";
    room.name = "The Gate";
    room.terrain = "City";
    room.flags = {"Dark"};
    room.exits[0].target = "Yard";
    LoadAction load;
    load.task = LoadAction::LoadMob;
    load.mob = "Guard";
    room.loads.push_back(load);
    return room;
}

// The library every test starts from: the blanks plus one template of each kind.
TemplateLibrary richLibrary(const std::string& dir)
{
    TemplateLibrary library(dir);
    ScriptedQuestions q;
    library.items().add(sampleItem(), "Sword", q);
    library.mobs().add(sampleMob(), "Guard", q);
    library.rooms().add(sampleRoom(), "Gate", q);
    library.rooms().add(Room(), "Plain", q);
    return library;
}

void expectSameTemplates(const TemplateLibrary& a, const TemplateLibrary& b)
{
    EXPECT_EQ(a.items().names(), b.items().names());
    EXPECT_EQ(a.mobs().names(), b.mobs().names());
    EXPECT_EQ(a.rooms().names(), b.rooms().names());
    EXPECT_TRUE(a.items().records() == b.items().records());
    EXPECT_TRUE(a.mobs().records() == b.mobs().records());
    EXPECT_TRUE(a.rooms().records() == b.rooms().records());
}

TEST(TemplateLibrary, StartsWithTheBlankTemplatesOnly)
{
    TemplateLibrary library("/nowhere");
    EXPECT_EQ(library.items().names(), Names{"A Blank Item"});
    EXPECT_EQ(library.mobs().names(), Names{"A Blank Mob"});
    EXPECT_EQ(library.rooms().names(), Names{"A Blank Room"});
    EXPECT_EQ(library.items().currentIndex(), 0);
    EXPECT_EQ(library.mobs().currentIndex(), 0);
    EXPECT_EQ(library.rooms().currentIndex(), 0);
    // Blank templates are default records made as new.
    EXPECT_EQ(library.items().current().vnum, -1);
    EXPECT_EQ(library.items().current().wearFlags, Names{"Takeable"});
    EXPECT_EQ(library.mobs().current().vnum, -1);
    EXPECT_EQ(library.mobs().current().armorClass, 10);
    EXPECT_EQ(library.rooms().current().terrain, "Inside");
    EXPECT_EQ(library.directory(), "/nowhere");
    EXPECT_EQ(library.filePath(), "/nowhere/template.dat");
}

TEST(TemplateLibrary, AddStoresACopyMadeAsNew)
{
    TemplateLibrary library = richLibrary("/nowhere");
    ASSERT_EQ(library.items().names(), (Names{"A Blank Item", "Sword"}));
    const Item& sword = library.items().records()[1];
    EXPECT_EQ(sword.vnum, -1);
    EXPECT_EQ(sword.identifier, "");
    EXPECT_EQ(sword.aliases, "sword long");
    EXPECT_EQ(sword.wearFlags, (Names{"Takeable", "Wield"}));

    const Mob& guard = library.mobs().records()[1];
    EXPECT_EQ(guard.vnum, -1);
    EXPECT_EQ(guard.identifier, "");
    EXPECT_EQ(guard.level, 14);

    const Room& gate = library.rooms().records()[1];
    EXPECT_EQ(gate.column, -1);
    EXPECT_EQ(gate.row, -1);
    EXPECT_EQ(gate.vnum, -1);
    EXPECT_EQ(gate.identifier, "");
    EXPECT_EQ(gate.name, "The Gate");
    EXPECT_EQ(gate.loads.size(), 1u);
    EXPECT_EQ(gate.exits[0].target, "") << "a template has no exits";
}

TEST(TemplateLibrary, AddRefusesANameInUse)
{
    TemplateLibrary library = richLibrary("/nowhere");
    for (const char* name : {"Sword", "A Blank Item"}) {
        ScriptedQuestions q;
        EXPECT_FALSE(library.items().add(Item(), name, q));
        EXPECT_EQ(q.messages, Names{"A template with this name already exists.  Choose another."});
    }
    EXPECT_EQ(library.items().size(), 2u);
    // Names are per kind and case-sensitive.
    ScriptedQuestions q;
    EXPECT_TRUE(library.mobs().add(Mob(), "Sword", q));
    EXPECT_TRUE(library.items().add(Item(), "sword", q));
    EXPECT_TRUE(q.messages.empty());
}

TEST(TemplateLibrary, ByNameFallsBackToTheBlankTemplate)
{
    TemplateLibrary library = richLibrary("/nowhere");
    EXPECT_EQ(library.mobs().byName("Guard").level, 14);
    EXPECT_EQ(library.mobs().byName("guard").level, 1);
    EXPECT_EQ(library.mobs().byName("").level, 1);
    EXPECT_EQ(library.rooms().byName("Plain").name, "");
    EXPECT_EQ(library.rooms().byName("Gate").name, "The Gate");
}

TEST(TemplateLibrary, CurrentTemplate)
{
    TemplateLibrary library = richLibrary("/nowhere");
    EXPECT_TRUE(library.mobs().setCurrent(1));
    EXPECT_EQ(library.mobs().current().level, 14);
    EXPECT_FALSE(library.mobs().setCurrent(2));
    EXPECT_FALSE(library.mobs().setCurrent(-1));
    EXPECT_EQ(library.mobs().currentIndex(), 1);
}

TEST(TemplateLibrary, BlankTemplatesCanNotBeRemoved)
{
    TemplateLibrary library("/nowhere");
    ScriptedQuestions q;
    EXPECT_FALSE(library.items().remove(0, q));
    EXPECT_FALSE(library.mobs().remove(0, q));
    EXPECT_FALSE(library.rooms().remove(0, q));
    EXPECT_EQ(q.messages, Names(3, "You can not remove the blank template."));
    EXPECT_EQ(library.items().size(), 1u);
    EXPECT_EQ(library.mobs().size(), 1u);
    EXPECT_EQ(library.rooms().size(), 1u);
    // An index outside the shelf is not a template: nothing is said or removed.
    EXPECT_FALSE(library.rooms().remove(1, q));
    EXPECT_FALSE(library.rooms().remove(-1, q));
    EXPECT_EQ(q.messages.size(), 3u);
}

// Templates A Blank Room, One, Two, Three; `current` is made current, then `removed` goes.
struct RemoveCase {
    int32_t current;
    int32_t removed;
    int32_t currentAfter;
    const char* currentNameAfter;
};

class TemplateRemoval : public ::testing::TestWithParam<RemoveCase> {};

TEST_P(TemplateRemoval, KeepsTheCurrentTemplateWhereItCan)
{
    const RemoveCase& c = GetParam();
    TemplateLibrary library("/nowhere");
    ScriptedQuestions q;
    for (const char* name : {"One", "Two", "Three"}) {
        Room room;
        room.name = name;
        library.rooms().add(room, name, q);
    }
    ASSERT_TRUE(library.rooms().setCurrent(c.current));
    EXPECT_TRUE(library.rooms().remove(c.removed, q));
    EXPECT_TRUE(q.messages.empty());
    EXPECT_EQ(library.rooms().size(), 3u);
    EXPECT_EQ(library.rooms().currentIndex(), c.currentAfter);
    EXPECT_EQ(library.rooms().names()[static_cast<std::size_t>(c.currentAfter)], c.currentNameAfter);
    EXPECT_EQ(library.rooms().current().name, c.currentNameAfter == std::string("A Blank Room") ? "" : c.currentNameAfter);
}

INSTANTIATE_TEST_SUITE_P(Rules, TemplateRemoval,
                         ::testing::Values(RemoveCase{2, 2, 0, "A Blank Room"}, // the current one goes
                                           RemoveCase{3, 3, 0, "A Blank Room"},
                                           RemoveCase{1, 3, 1, "One"},          // a later one goes
                                           RemoveCase{0, 1, 0, "A Blank Room"},
                                           RemoveCase{3, 1, 2, "Three"}));      // an earlier one goes

TEST(TemplateLibraryFile, MissingFileKeepsTheBlankTemplates)
{
    TempDir dir;
    TemplateLibrary library(dir.path());
    ScriptedQuestions q;
    EXPECT_FALSE(library.load(q));
    EXPECT_EQ(q.messages, Names{kLoadFailed});
    expectSameTemplates(library, TemplateLibrary("/elsewhere"));
}

TEST(TemplateLibraryFile, SavedLibraryLoadsBackEqual)
{
    TempDir dir;
    TemplateLibrary saved = richLibrary(dir.path());
    ScriptedQuestions q;
    ASSERT_TRUE(saved.save(q));

    TemplateLibrary loaded(dir.path());
    ScriptedQuestions q2;
    loaded.rooms().add(Room(), "Soon gone", q2);
    loaded.rooms().setCurrent(1);
    ASSERT_TRUE(loaded.load(q2));
    EXPECT_TRUE(q.messages.empty());
    EXPECT_TRUE(q2.messages.empty());
    expectSameTemplates(saved, loaded);
    EXPECT_EQ(loaded.rooms().currentIndex(), 0);

    // Saved again, the file is the same bytes.
    std::string first = readFile(dir.file("template.dat"));
    ASSERT_TRUE(loaded.save(q2));
    EXPECT_EQ(readFile(dir.file("template.dat")), first);
    // Nothing but the library is left in the folder.
    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        entries.push_back(entry.path().filename().string());
    EXPECT_EQ(entries, Names{"template.dat"});
}

TEST(TemplateLibraryFile, LayoutOfTheBlankLibrary)
{
    TempDir dir;
    ScriptedQuestions q;
    ASSERT_TRUE(TemplateLibrary(dir.path()).save(q));
    std::string bytes = readFile(dir.file("template.dat"));
    // Version 1, one item template: version 6, vnum -1.
    EXPECT_EQ(bytes.substr(0, 16), intBytes(1) + intBytes(1) + intBytes(6) + intBytes(-1));
    // The item's name, one mob template: version 2, alignment 0, armor class 10.
    std::string mobStart = "\x0C" "A Blank Item" + intBytes(1) + intBytes(2) + intBytes(0) + intBytes(10);
    EXPECT_NE(bytes.find(mobStart), std::string::npos);
    // The mob's name, one room template: version 1, column, row and vnum -1, not moving, no Identifier,
    // no name, no description, terrain "Inside".
    std::string roomStart = "\x0B" "A Blank Mob" + intBytes(1) + intBytes(1) + intBytes(-1) + intBytes(-1) +
                            intBytes(-1) + intBytes(0) + std::string(3, '\0') + "\x06" "Inside";
    EXPECT_NE(bytes.find(roomStart), std::string::npos);
    std::string tail = "\x0C" "A Blank Room";
    ASSERT_GE(bytes.size(), tail.size());
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
}

TEST(TemplateLibraryFile, FileWithoutBlankTemplatesGetsThemBack)
{
    TempDir dir;
    // Version 1 and no templates of any kind.
    writeFile(dir.file("template.dat"), intBytes(1) + intBytes(0) + intBytes(0) + intBytes(-3));
    TemplateLibrary library = richLibrary(dir.path());
    ScriptedQuestions q;
    ASSERT_TRUE(library.load(q));
    EXPECT_EQ(library.items().names(), Names{"A Blank Item"});
    EXPECT_EQ(library.mobs().names(), Names{"A Blank Mob"});
    EXPECT_EQ(library.rooms().names(), Names{"A Blank Room"});
    EXPECT_EQ(library.rooms().current().terrain, "Inside");
}

TEST(TemplateLibraryFile, UnreadableLibraryLeavesTheTemplatesAsTheyWere)
{
    TempDir dir;
    ScriptedQuestions q;
    ASSERT_TRUE(richLibrary(dir.path()).save(q));
    const std::string whole = readFile(dir.file("template.dat"));

    TemplateLibrary library = richLibrary(dir.path());
    library.mobs().setCurrent(1);
    auto expectRefused = [&](const std::string& bytes, const std::string& what) {
        writeFile(dir.file("template.dat"), bytes);
        ScriptedQuestions answers;
        EXPECT_FALSE(library.load(answers)) << what;
        EXPECT_EQ(answers.messages, Names{kLoadFailed}) << what;
    };
    for (std::size_t size = 0; size < whole.size(); ++size)
        expectRefused(whole.substr(0, size), "cut at " + std::to_string(size));
    // A count far beyond the data.
    expectRefused(intBytes(1) + intBytes(0x7FFFFFFF), "huge item count");
    // The last name's length prefix made to announce 2 GiB.
    ASSERT_EQ(whole.substr(whole.size() - 6), "\x05" "Plain");
    expectRefused(whole.substr(0, whole.size() - 6) + "\xFF\xFF\xFF\xFF\xFF\xFF\x7F", "huge string");

    expectSameTemplates(library, richLibrary("/elsewhere"));
    EXPECT_EQ(library.mobs().currentIndex(), 1);
}

TEST(TemplateLibraryFile, RandomBytesNeverCrash)
{
    TempDir dir;
    std::mt19937 random(20240611);
    for (int round = 0; round < 1500; ++round) {
        std::string bytes = intBytes(1);
        // Small counts and versions most of the time, so the records themselves get exercised.
        std::size_t length = random() % 96;
        for (std::size_t i = 0; i < length; ++i)
            bytes += static_cast<char>(random() % 4 == 0 ? random() % 256 : random() % 3);
        writeFile(dir.file("template.dat"), bytes);
        TemplateLibrary library(dir.path());
        ScriptedQuestions q;
        if (library.load(q)) {
            EXPECT_GE(library.items().size(), 1u);
            EXPECT_GE(library.mobs().size(), 1u);
            EXPECT_GE(library.rooms().size(), 1u);
        } else {
            EXPECT_EQ(q.messages, Names{kLoadFailed});
        }
    }
}

TEST(TemplateLibraryFile, SaveToAMissingFolderFails)
{
    TempDir dir;
    TemplateLibrary library((fs::path(dir.path()) / "gone" / "deeper").string());
    ScriptedQuestions q;
    EXPECT_FALSE(library.save(q));
    EXPECT_EQ(q.messages, Names{"Unable to save template library."});
}

TEST(TemplateLibraryFile, LooksInItsOwnFolderOnly)
{
    TempDir a;
    TempDir b;
    ScriptedQuestions q;
    ASSERT_TRUE(richLibrary(a.path()).save(q));
    TemplateLibrary other(b.path());
    EXPECT_FALSE(other.load(q));
    EXPECT_EQ(other.items().size(), 1u);
}

TEST(TemplateLibraryInstance, BelongsToTheFolderCurrentAtFirstUse)
{
    TempDir dir;
    fs::path before = fs::current_path();
    fs::current_path(dir.path());
    TemplateLibrary& library = TemplateLibrary::instance();
    fs::current_path(before);
    EXPECT_EQ(fs::path(library.directory()), fs::path(dir.path()));
    EXPECT_EQ(&TemplateLibrary::instance(), &library);
    TemplateLibrary::release();
}

} // namespace
} // namespace tarnholt
