#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <tuple>

#include "core/generate/TempFolder.h"
#include "core/rooms/RecordBytes.h"
#include "world/Archive.h"
#include "items/ItemTypes.h"
#include "world/Document.h"
#include "world/Files.h"

using namespace tarnholt;
using tarnholt::testing::TempFolder;

namespace {

// A World with every kind of record and non-default fields, for round trips and truncation.
World richWorld()
{
    World w;
    w.zoneName = "The Castle", w.zoneNumber = 12, w.repopMode = 1, w.repopTime = 45;
    w.startItemVnum = 1200, w.startMobVnum = 1210, w.startRoomVnum = 1220, w.maxRoomVnum = 1299;
    Item& sword = w.items.emplace_back();
    sword.identifier = "sword", sword.itemType = "Weapon", sword.valueRecord = createItemValues("Weapon");
    sword.aliases = "sword long", sword.extraFlags = {"Glowing", "Magical"};
    sword.abilityNames = {"Strength"}, sword.abilityModifiers = {2}, sword.weight = 7;
    sword.extraDescriptions.set("runes", "Old runes.\r\n");
    Item& box = w.items.emplace_back();
    box.identifier = "box", box.itemType = "Container", box.valueRecord = createItemValues("Container");
    Mob& guard = w.mobs.emplace_back();
    guard.identifier = "guard", guard.level = 9, guard.flags = {"Sentinel"}, guard.speech = {"<INTERVAL> Halt!\n"};
    Room& hall = w.rooms.emplace_back();
    hall.identifier = "hall", hall.name = "The Hall", hall.description = "A hall.\r\n";
    hall.column = 2, hall.row = 3, hall.flags = {"Dark"}, hall.specProcs = {"ROOM_STICKY"};
    hall.exits.edit(0).target = "yard", hall.exits.edit(0).keywords = "door";
    hall.loads = {LoadAction{0, 0, "guard", "", "", "", "", "the guard", 1, 100, -1}};
    Room& yard = w.rooms.emplace_back();
    yard.identifier = "yard", yard.column = 2, yard.row = 2, yard.exits.edit(2).target = "hall";
    Shop& shop = w.shops.emplace_back();
    shop.keeper = "guard", shop.room = "hall", shop.itemsSold[0] = "sword";
    return w;
}

} // namespace

TEST(Document, NewWorldStoresAsTheHandWorkedBytes)
{
    World w;
    w.basePath = "/zones/castle";
    // Version, base path, zone name, repop time 30, then ten zeros: 63 bytes.
    const std::string expected = tarnholt::testing::RecordBytes{}.i32(1).str("/zones/castle").str("").i32(30).bytes +
                                 std::string(40, '\0');
    EXPECT_EQ(Document::storeWorld(w), expected);

    // A World version number other than 1 reads the same.
    World loaded = Document::loadWorld(std::string("\7\0\0\0", 4) + expected.substr(4));
    EXPECT_EQ(loaded.basePath, "/zones/castle");
    EXPECT_EQ(loaded.repopTime, 30);
}

TEST(Document, BasePathCutsOnlyTheFileNamesExtension)
{
    EXPECT_EQ(Document::basePathFor("/zones/my.world/castle.rlm"), "/zones/my.world/castle");
    EXPECT_EQ(Document::basePathFor("/zones/my.world/castle"), "/zones/my.world/castle");
    EXPECT_EQ(Document::basePathFor("castle.tar.rlm"), "castle.tar");
}

TEST(Document, SaveOpenRoundTripIsByteIdentical)
{
    TempFolder dir;
    Document doc;
    doc.world() = richWorld();
    doc.setModified();
    std::string path = dir.file("castle.rlm");
    ASSERT_EQ(doc.save(path), "");
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.world().basePath, dir.file("castle"));
    EXPECT_EQ(doc.title(), "castle.rlm");

    Document other;
    ASSERT_EQ(other.open(path), "");
    EXPECT_EQ(Document::storeWorld(other.world()), dir.read("castle.rlm"));
    const World& a = doc.world();
    const World& b = other.world();
    EXPECT_TRUE(a.items == b.items && a.mobs == b.mobs && a.rooms == b.rooms && a.shops == b.shops);
}

TEST(Document, TruncatedFilesFailCleanlyAndLeaveTheOpenDocumentAlone)
{
    TempFolder dir;
    World w = richWorld();
    w.basePath = "/zones/castle";
    std::string full = Document::storeWorld(w);

    Document doc;
    doc.world().zoneName = "Still Open";
    doc.world().rooms.emplace_back();
    doc.setModified();
    ASSERT_EQ(doc.save(dir.file("open.rlm")), "");
    doc.setModified();

    for (std::size_t cut = 0; cut < full.size(); ++cut)
        ASSERT_THROW(Document::loadWorld(full.substr(0, cut)), ArchiveError) << "cut at " << cut;
    // Through the document, at a spread of offsets (every offset above is the same code path).
    for (std::size_t cut = 1; cut < full.size(); cut += 7) {
        dir.write("bad.rlm", full.substr(0, cut));
        ASSERT_EQ(doc.open(dir.file("bad.rlm")), "Unexpected file format.") << "cut at " << cut;
    }
    EXPECT_EQ(doc.world().zoneName, "Still Open");
    EXPECT_EQ(doc.world().rooms.size(), 1u);
    EXPECT_EQ(doc.path(), dir.file("open.rlm"));
    EXPECT_TRUE(doc.isModified());
}

// A file is loaded a window at a time: texts that cross window ends, a text larger than a window,
// and a source that hands over a few bytes per read all load as the whole bytes do, and a source
// that ends early fails like a cut file.
TEST(Document, LoadingThroughAWindowEqualsLoadingTheWholeFile)
{
    World w = richWorld();
    for (int i = 0; i < 3000; ++i) {
        Room room;
        room.identifier = "room " + std::to_string(i);
        room.description = std::string(static_cast<std::size_t>(i % 700), static_cast<char>('a' + i % 26));
        w.rooms.push_back(room);
    }
    w.rooms[1500].description = std::string(3u << 20, 'x'); // a text of many windows
    const std::string full = Document::storeWorld(w);
    ASSERT_GT(full.size(), 4u << 20);

    TempFolder dir;
    dir.write("big.rlm", full);
    Document doc;
    ASSERT_EQ(doc.open(dir.file("big.rlm")), "");
    doc.world().basePath.clear(); // set from the file's name on open
    EXPECT_EQ(Document::storeWorld(doc.world()), full);

    auto loadThrough = [&](std::size_t size, std::size_t piece, std::size_t window = Archive::kDefaultWindow) {
        std::size_t at = 0;
        Archive ar(
            [&](char* into, std::size_t count) {
                const std::size_t n = std::min({count, piece, full.size() - at});
                std::memcpy(into, full.data() + at, n);
                at += n;
                return n;
            },
            size, window);
        World loaded;
        loaded.Serialize(ar);
        return loaded;
    };
    World pieces = loadThrough(full.size(), 7);
    EXPECT_EQ(Document::storeWorld(pieces), full);
    World smallWindow = loadThrough(full.size(), 1000, 40); // most texts are longer than the window
    EXPECT_EQ(Document::storeWorld(smallWindow), full);
    // The source's own size is what counts: it ends early, or is told of fewer bytes than it has.
    for (std::size_t cut : {std::size_t(1), std::size_t(1000), full.size() / 2, full.size() - 1})
        EXPECT_THROW(loadThrough(cut, 1u << 16), ArchiveError) << "cut at " << cut;
}

TEST(Document, RandomGarbageNeverCrashes)
{
    std::mt19937 rng(1234);
    World w = richWorld();
    const std::string full = Document::storeWorld(w);
    int failures = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string data = full; // random bytes, or a valid file with a few bytes flipped
        if (round % 2 == 0)
            data.resize(rng() % 300);
        for (std::size_t k = 0; k < (round % 2 == 0 ? data.size() : 3); ++k)
            data[round % 2 == 0 ? k : rng() % data.size()] = static_cast<char>(rng());
        try {
            Document::loadWorld(data);
        } catch (const ArchiveError&) {
            ++failures;
        }
    }
    EXPECT_GT(failures, 0);
}

TEST(Document, UnreadableFileIsReportedAndAZeroByteFileOpensAsANewWorld)
{
    Document doc;
    doc.world().zoneName = "Kept";
    EXPECT_EQ(doc.open("/nonexistent/castle.rlm"), "/nonexistent/castle.rlm\nCannot find this file.\n"
                                                   "Please verify that the correct path and file name are given.");
    EXPECT_EQ(doc.world().zoneName, "Kept");
    EXPECT_EQ(doc.title(), "Untitled");
    EXPECT_NE(doc.save("/nonexistent/castle.rlm"), "");
    EXPECT_EQ(doc.world().basePath, "");

    TempFolder dir;
    dir.write("empty.rlm", "");
    doc.setModified();
    ASSERT_EQ(doc.open(dir.file("empty.rlm")), "");
    EXPECT_EQ(doc.world().zoneName, "");
    EXPECT_EQ(doc.world().basePath, dir.file("empty"));
    EXPECT_EQ(doc.path(), dir.file("empty.rlm"));
    EXPECT_FALSE(doc.isModified());
}

TEST(World, LookupsVnumTextsAndVnumClearing)
{
    World w = richWorld();
    Room& dup = w.rooms.emplace_back();
    dup.identifier = "hall", dup.column = 2, dup.row = 3, dup.vnum = 9999;
    w.rooms[0].vnum = 1220;
    EXPECT_EQ(w.findRoom("hall"), &w.rooms[0]);
    EXPECT_EQ(w.roomAt(2, 3), &w.rooms[0]);
    EXPECT_EQ(w.findRoom("Hall"), nullptr);
    EXPECT_EQ(w.roomVnumText("hall"), "1220");
    {
        World::IndexScope scope(w); // the first room of a cell, as the scan finds it
        EXPECT_EQ(w.roomAt(2, 3), &w.rooms[0]);
    }
    {
        // Mobs and items are still found in a scope that indexes rooms only.
        World::IndexScope scope(w, World::IndexScope::Records::RoomsOnly);
        EXPECT_EQ(w.findRoom("hall"), &w.rooms[0]);
        EXPECT_EQ(w.findMob(w.mobs[0].identifier), &w.mobs[0]);
        EXPECT_EQ(w.findItem(w.items[0].identifier), &w.items[0]);
        w.items[0].vnum = 66;
        EXPECT_EQ(w.itemVnumText(w.items[0].identifier), "66");
    }
    EXPECT_EQ(w.roomVnumText("#120 the guard"), "120");
    EXPECT_EQ(w.roomVnumText("#12a"), "12");
    EXPECT_EQ(w.mobVnumText("(None)"), "-1");
    EXPECT_EQ(w.itemVnumText("nothing"), "-1");

    Mob& baker = w.mobs.emplace_back();
    baker.identifier = "#3001 the baker", baker.vnum = 3001;
    w.mobs[0].vnum = 55, w.items[0].vnum = 66;
    w.clearMobVnums(); // "#" records keep theirs; other kinds are left alone
    EXPECT_EQ((std::vector<int32_t>{w.mobs[0].vnum, w.mobs[1].vnum, w.items[0].vnum, w.rooms[0].vnum}),
              (std::vector<int32_t>{0, 3001, 66, 1220}));

    std::vector<std::string> ids{"stale"};
    w.roomIdentifiers(ids);
    EXPECT_EQ(ids, (std::vector<std::string>{"hall", "yard", "hall"}));
}

// The hashed lookups of a large World give exactly what the scans give: the first bearer of an
// Identifier, nothing for an absent one (empty Identifiers and near-misses included).
TEST(World, IndexedLookupsEqualScansOnALargeWorld)
{
    World w;
    std::mt19937 random(7);
    auto name = [&random](int range) { return "r" + std::to_string(random() % static_cast<unsigned>(range)); };
    // Enough rooms that they are hashed on a thread of their own.
    for (int i = 0; i < 12000; ++i) {
        Room& room = w.rooms.emplace_back();
        room.identifier = i % 97 == 0 ? std::string() : name(3000), room.vnum = 10000 + i;
        if (i >= 5000)
            continue;
        Item& item = w.items.emplace_back();
        item.identifier = name(4000) + std::string(i % 3 == 0 ? 40 : 0, 'x'), item.vnum = 20000 + i;
        Mob& mob = w.mobs.emplace_back();
        mob.identifier = name(100), mob.vnum = 30000 + i;
    }
    std::vector<std::string> probes{"", "r", "r1x", "R1"};
    for (int i = 0; i < 2000; ++i)
        probes.push_back(name(5000));
    for (int i = 0; i < 100; ++i)
        probes.push_back(name(5000) + std::string(40, 'x'));

    auto lookUp = [&w](const std::string& p) {
        return std::tuple(w.findRoom(p), w.findItem(p), w.findMob(p),
                          w.roomVnumText(p) + " " + w.itemVnumText(p) + " " + w.mobVnumText(p));
    };
    std::vector<decltype(lookUp(""))> scanned;
    for (const auto& p : probes)
        scanned.push_back(lookUp(p));
    World::IndexScope scope(w);
    for (std::size_t i = 0; i < probes.size(); ++i)
        EXPECT_EQ(lookUp(probes[i]), scanned[i]) << probes[i];
}

TEST(World, RenamesReachEveryKindOfRecord)
{
    World w = richWorld();
    w.RenameMobRef("guard", "captain");
    w.RenameItemRef("sword", "blade");
    w.RenameRoomRef("hall", "");
    EXPECT_EQ(std::vector<std::string>({w.mobs[0].identifier, w.rooms[0].loads[0].mob, w.shops[0].keeper,
                                        w.items[0].identifier, w.shops[0].itemsSold[0], w.rooms[1].exits[2].target,
                                        w.shops[0].room}),
              std::vector<std::string>({"captain", "captain", "captain", "blade", "blade", "", ""}));
}
