#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "items/Item.h"
#include "mobs/Mob.h"
#include "rooms/Room.h"
#include "shops/Shop.h"

namespace tarnholt {

class Archive;

/// The zone being edited: its mobs, items, rooms and shops in order, and the zone header.
/// Records refer to each other by Identifier; lookups return the first match in array order.
class World {
public:
    World();
    World(const World& other);
    World& operator=(const World& other);
    World(World&&) noexcept;
    World& operator=(World&&) noexcept;
    ~World();

    std::vector<Mob> mobs;
    std::vector<Item> items;
    std::vector<Room> rooms;
    std::vector<Shop> shops;
    std::string zoneName;
    std::string basePath;
    int32_t zoneNumber = 0;
    int32_t repopMode = 0;
    int32_t repopTime = 30;
    int32_t startItemVnum = 0;
    int32_t startMobVnum = 0;
    int32_t startRoomVnum = 0;
    int32_t maxRoomVnum = 0;

    // Lookups by Identifier (exact, case-sensitive); the first record in array order wins.
    const Mob* findMob(std::string_view identifier) const;
    Mob* findMob(std::string_view identifier);
    const Item* findItem(std::string_view identifier) const;
    Item* findItem(std::string_view identifier);
    const Room* findRoom(std::string_view identifier) const;
    Room* findRoom(std::string_view identifier);
    /// While an IndexScope lives, start bringing in what a lookup of this Identifier will read,
    /// without waiting for it; nothing otherwise. For the writers of large files, a few records ahead.
    void prefetchItem(std::string_view identifier) const;
    void prefetchMob(std::string_view identifier) const;
    void prefetchRoom(std::string_view identifier) const;
    /// The first room placed at (column, row), or null.
    const Room* roomAt(int column, int row) const;
    Room* roomAt(int column, int row);

    /// Replace `list` with the Identifiers of all items, mobs or rooms, in array order.
    void itemIdentifiers(std::vector<std::string>& list) const;
    void mobIdentifiers(std::vector<std::string>& list) const;
    void roomIdentifiers(std::vector<std::string>& list) const;

    /// The vnum text written into area files for a reference: "-1" for an empty reference, "(None)"
    /// or an Identifier that nothing bears; the number part of a "#" reference.
    std::string itemVnumText(std::string_view reference) const;
    std::string mobVnumText(std::string_view reference) const;
    std::string roomVnumText(std::string_view reference) const;
    /// The same texts appended to `out`, for the writers of large files.
    void appendItemVnumText(std::string& out, std::string_view reference) const;
    void appendMobVnumText(std::string& out, std::string_view reference) const;
    void appendRoomVnumText(std::string& out, std::string_view reference) const;

    /// Sets to 0 the vnum of every item, mob or room whose Identifier does not begin with "#".
    void clearItemVnums();
    void clearMobVnums();
    void clearRoomVnums();

    void Serialize(Archive& ar);

    /// Passes a rename of an Identifier to every item, mob, room and shop, in that order.
    void RenameItemRef(const std::string& oldName, const std::string& newName);
    void RenameMobRef(const std::string& oldName, const std::string& newName);
    void RenameRoomRef(const std::string& oldName, const std::string& newName);

    /// While an IndexScope lives, lookups use hash indexes built when it was made (same first-match
    /// results as the scans), and vnum texts the vnums of that moment. The World must not change
    /// Identifiers, vnums, map places or array sizes meanwhile. A scope made inside another one uses
    /// the outer scope's indexes.
    class IndexScope {
    public:
        /// Which records get a hash index; the others are still found, by scanning.
        enum class Records { All, RoomsOnly };
        explicit IndexScope(const World& world, Records records = Records::All);
        ~IndexScope();
        IndexScope(const IndexScope&) = delete;
        IndexScope& operator=(const IndexScope&) = delete;

    private:
        const World& world_;
        bool owner_;
    };

    struct Index;

private:
    mutable std::unique_ptr<Index> index_;
};

/// The number part of a "#" reference: the text before the first blank, without the "#",
/// cut before its first letter ("#120 the guard" gives "120", "#12a" gives "12").
std::string hashReferenceNumber(std::string_view reference);

} // namespace tarnholt
