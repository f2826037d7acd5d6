#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "app/Questions.h"
#include "core/generate/TempFolder.h"
#include "core/rooms/RecordBytes.h"
#include "universe/TemplateLibrary.h"

namespace tarnholt {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using testing::TempFolder;

constexpr const char* kLoadFailed = "Unable to load template library.\nTemplates will not be available this session.";

std::string ints(std::initializer_list<int32_t> values)
{
    testing::RecordBytes b;
    for (int32_t v : values)
        b.i32(v);
    return b.bytes;
}

// The blanks plus a filled-in template of each kind, and a plain room last.
TemplateLibrary richLibrary(const std::string& dir)
{
    Item item;
    item.vnum = 42, item.identifier = "Sword", item.aliases = "sword long", item.wearFlags = {"Wield"};
    Mob mob;
    mob.vnum = 9, mob.identifier = "Guard", mob.level = 14, mob.flags = {"Sentinel"};
    Room room;
    room.column = 3, room.row = 4, room.vnum = 1200, room.identifier = "Gate", room.name = "The Gate";
    room.terrain = "City", room.exits.edit(0).target = "Yard";
    room.loads.emplace_back();
    room.loads.back().mob = "Guard";

    TemplateLibrary library(dir);
    ScriptedQuestions q;
    library.items().add(item, "Sword", q);
    library.mobs().add(mob, "Guard", q);
    library.rooms().add(room, "Gate", q);
    library.rooms().add(Room(), "Plain", q);
    return library;
}

Names shelfNames(const TemplateLibrary& library)
{
    Names all = library.items().names();
    for (const Names& more : {library.mobs().names(), library.rooms().names()})
        all.insert(all.end(), more.begin(), more.end());
    return all;
}

void expectSameTemplates(const TemplateLibrary& a, const TemplateLibrary& b)
{
    EXPECT_EQ(shelfNames(a), shelfNames(b));
    EXPECT_TRUE(a.items().records() == b.items().records());
    EXPECT_TRUE(a.mobs().records() == b.mobs().records());
    EXPECT_TRUE(a.rooms().records() == b.rooms().records());
}

TEST(TemplateLibrary, AddStoresACopyMadeAsNewUnderAFreeName)
{
    TemplateLibrary library = richLibrary("/nowhere");
    const Item& sword = library.items().records()[1];
    EXPECT_EQ(std::to_string(sword.vnum) + sword.identifier + "|" + sword.aliases, "-1|sword long");
    const Room& gate = library.rooms().records()[1];
    EXPECT_EQ(std::vector<int32_t>({gate.column, gate.row, gate.vnum}), std::vector<int32_t>(3, -1));
    EXPECT_EQ(gate.identifier + "|" + gate.name, "|The Gate");
    EXPECT_EQ(gate.loads.size(), 1u);
    EXPECT_EQ(gate.exits[0].target, "") << "a template has no exits";

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

TEST(TemplateLibrary, ByNameAndCurrent)
{
    TemplateLibrary library = richLibrary("/nowhere");
    EXPECT_EQ(library.mobs().byName("Guard").level, 14);
    EXPECT_EQ(library.mobs().byName("guard").level, 1) << "falls back to the blank template";
    EXPECT_TRUE(library.mobs().setCurrent(1));
    EXPECT_FALSE(library.mobs().setCurrent(2));
    EXPECT_EQ(library.mobs().current().level, 14);
}

TEST(TemplateLibrary, BlankTemplatesCanNotBeRemoved)
{
    TemplateLibrary library("/nowhere");
    ScriptedQuestions q;
    EXPECT_FALSE(library.items().remove(0, q));
    EXPECT_FALSE(library.mobs().remove(0, q));
    EXPECT_FALSE(library.rooms().remove(0, q));
    EXPECT_EQ(q.messages, Names(3, "You can not remove the blank template."));
    EXPECT_EQ(library.items().size() + library.mobs().size() + library.rooms().size(), 3u);
    // An index outside the shelf is no template: nothing is said or removed.
    EXPECT_FALSE(library.rooms().remove(1, q));
    EXPECT_FALSE(library.rooms().remove(-1, q));
    EXPECT_EQ(q.messages.size(), 3u);
}

TEST(TemplateLibrary, RemovalKeepsTheCurrentTemplateWhereItCan)
{
    struct Row {
        int32_t current, removed, currentAfter;
        const char* currentNameAfter;
    };
    // Templates A Blank Room, One, Two, Three: `current` is made current, then `removed` goes.
    for (const Row& row : {Row{2, 2, 0, "A Blank Room"}, Row{3, 3, 0, "A Blank Room"}, // the current one goes
                           Row{1, 3, 1, "One"},                                       // a later one goes
                           Row{3, 1, 2, "Three"}}) {                                  // an earlier one goes
        TemplateLibrary library("/nowhere");
        ScriptedQuestions q;
        for (const char* name : {"One", "Two", "Three"})
            library.rooms().add(Room(), name, q);
        ASSERT_TRUE(library.rooms().setCurrent(row.current));
        EXPECT_TRUE(library.rooms().remove(row.removed, q));
        EXPECT_TRUE(q.messages.empty());
        EXPECT_EQ(library.rooms().size(), 3u);
        EXPECT_EQ(library.rooms().currentIndex(), row.currentAfter);
        EXPECT_EQ(library.rooms().names()[static_cast<std::size_t>(row.currentAfter)], row.currentNameAfter);
    }
}

TEST(TemplateLibraryFile, MissingFileIsSaidAndShelvesWithoutBlanksGetThemBack)
{
    const Names blanks{"A Blank Item", "A Blank Mob", "A Blank Room"};
    TempFolder dir;
    TemplateLibrary library(dir.path());
    EXPECT_EQ(library.filePath(), dir.file("template.dat"));
    ScriptedQuestions q;
    EXPECT_FALSE(library.load(q));
    EXPECT_EQ(q.messages, Names{kLoadFailed});
    EXPECT_EQ(shelfNames(library), blanks);

    dir.write("template.dat", ints({1, 0, 0, -3}));
    TemplateLibrary rich = richLibrary(dir.path());
    ASSERT_TRUE(rich.load(q));
    EXPECT_EQ(shelfNames(rich), blanks);
    EXPECT_EQ(rich.rooms().current().terrain, "Inside");
}

TEST(TemplateLibraryFile, SavedLibraryLoadsBackEqual)
{
    TempFolder dir;
    TemplateLibrary saved = richLibrary(dir.path());
    ScriptedQuestions q;
    ASSERT_TRUE(saved.save(q));
    const std::string first = dir.read("template.dat");
    EXPECT_EQ(first, saved.bytes());

    TemplateLibrary loaded(dir.path());
    loaded.rooms().add(Room(), "Soon gone", q);
    loaded.rooms().setCurrent(1);
    ASSERT_TRUE(loaded.load(q));
    EXPECT_TRUE(q.messages.empty());
    expectSameTemplates(saved, loaded);
    EXPECT_EQ(loaded.rooms().currentIndex(), 0);

    // Saved again over the old file: the same bytes, and nothing else left in the folder.
    ASSERT_TRUE(loaded.save(q));
    EXPECT_EQ(dir.read("template.dat"), first);
    EXPECT_EQ(dir.names(), Names{"template.dat"});
}

TEST(TemplateLibraryFile, LayoutOfTheBlankLibrary)
{
    std::string bytes = TemplateLibrary("/elsewhere").bytes();
    // Version 1, one item template: version 6, vnum -1.
    EXPECT_EQ(bytes.substr(0, 16), ints({1, 1, 6, -1}));
    // The item's name, one mob template: version 2, alignment 0, armor class 10.
    std::string mobStart = "\x0C" "A Blank Item" + ints({1, 2, 0, 10});
    EXPECT_NE(bytes.find(mobStart), std::string::npos);
    // The mob's name, one room template: version 1, column, row and vnum -1, not moving, three empty
    // texts, terrain "Inside".
    std::string roomStart = "\x0B" "A Blank Mob" + ints({1, 1, -1, -1, -1, 0}) + std::string(3, '\0') + "\x06" "Inside";
    EXPECT_NE(bytes.find(roomStart), std::string::npos);
    std::string tail = "\x0C" "A Blank Room";
    ASSERT_GE(bytes.size(), tail.size());
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
}

TEST(TemplateLibraryBytes, EveryCutOrBrokenLibraryIsRefused)
{
    const std::string whole = richLibrary("/elsewhere").bytes();
    TemplateLibrary library = richLibrary("/elsewhere");
    for (std::size_t size = 0; size < whole.size(); ++size)
        EXPECT_FALSE(library.readFrom(whole.substr(0, size))) << "cut at " << size;
    EXPECT_FALSE(library.readFrom(ints({1, 0x7FFFFFFF}))) << "huge item count";
    // The last name's length prefix made to announce 2 GiB.
    ASSERT_EQ(whole.substr(whole.size() - 6), "\x05" "Plain");
    EXPECT_FALSE(library.readFrom(whole.substr(0, whole.size() - 6) + "\xFF\xFF\xFF\xFF\xFF\xFF\x7F"));
    expectSameTemplates(library, richLibrary("/elsewhere"));

    // Through the file: the message, and the current template stays.
    TempFolder dir;
    dir.write("template.dat", whole.substr(0, whole.size() / 2));
    TemplateLibrary fromFile = richLibrary(dir.path());
    fromFile.items().setCurrent(1);
    ScriptedQuestions q;
    EXPECT_FALSE(fromFile.load(q));
    EXPECT_EQ(q.messages, Names{kLoadFailed});
    expectSameTemplates(fromFile, richLibrary("/elsewhere"));
    EXPECT_EQ(fromFile.items().currentIndex(), 1);
}

TEST(TemplateLibraryBytes, RandomBytesNeverCrash)
{
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        // Mostly small numbers, so that counts and versions lead into the records.
        std::string bytes = ints({1});
        for (std::size_t i = 0, length = random() % 96; i < length; ++i)
            bytes += static_cast<char>(random() % 4 == 0 ? random() % 256 : random() % 3);
        TemplateLibrary library("/elsewhere");
        if (library.readFrom(bytes)) {
            EXPECT_GE(library.items().size(), 1u);
            EXPECT_GE(library.mobs().size(), 1u);
            EXPECT_GE(library.rooms().size(), 1u);
        } else {
            expectSameTemplates(library, TemplateLibrary("/elsewhere"));
        }
    }
}

TEST(TemplateLibraryFile, SaveToAMissingFolderFails)
{
    TempFolder dir;
    TemplateLibrary library((fs::path(dir.path()) / "gone" / "deeper").string());
    ScriptedQuestions q;
    EXPECT_FALSE(library.save(q));
    EXPECT_EQ(q.messages, Names{"Unable to save template library."});
}

TEST(TemplateLibraryInstance, BelongsToTheFolderCurrentAtFirstUse)
{
    TempFolder dir;
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
