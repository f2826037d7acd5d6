#include "world/World.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <exception>
#include <optional>
#include <system_error>
#include <thread>
#include <unordered_map>

#include "world/Archive.h"
#include "world/Encoding.h"

namespace tarnholt {

/// Identifier -> array position for one kind of record, kept for an IndexScope. An open-addressing
/// table whose slots hold short Identifiers themselves (longer ones in a private copy of the keys):
/// a lookup usually reads one slot of one cache line instead of chasing list nodes and the records'
/// own strings all over a large World.
class IdentifierIndex {
public:
    template <typename Record>
    void build(const std::vector<Record>& records)
    {
        std::size_t capacity = 16;
        while (capacity < records.size() * 2)
            capacity *= 2;
        slots_.assign(capacity, Slot{});
        mask_ = capacity - 1;
        keys_.clear();
        for (std::size_t i = 0; i < records.size(); ++i)
            insert(records[i].identifier, static_cast<uint32_t>(i), records[i].vnum);
    }

    /// The position of the first record with this Identifier, or npos.
    std::size_t find(std::string_view key) const
    {
        const Slot* slot = slotOf(key);
        return slot ? slot->position : npos;
    }

    /// The vnum the first record with this Identifier had when the index was built; false when none has it.
    bool vnumOf(std::string_view key, int32_t& vnum) const
    {
        const Slot* slot = slotOf(key);
        if (slot)
            vnum = slot->vnum;
        return slot != nullptr;
    }

    /// Starts bringing in the slot a lookup of `key` reads first, without waiting for it.
    void prefetch(std::string_view key) const
    {
        if (!slots_.empty())
            __builtin_prefetch(&slots_[std::hash<std::string_view>()(key) & mask_]);
    }

    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

private:
    static constexpr std::size_t kInlineKey = 16;

    // 32 bytes: two slots to a cache line. A key of up to 16 bytes is kept in the slot; a longer one
    // in `keys_`, with its offset in the slot.
    struct alignas(32) Slot {
        uint32_t tag = 0; // high bits of the hash, never 0 in a used slot
        uint32_t position = 0;
        int32_t vnum = 0;
        uint32_t keyLength = 0;
        char key[kInlineKey] = {};
    };

    static uint32_t tagOf(std::size_t hash) { return static_cast<uint32_t>(hash >> 32) | 1u; }

    // Whether `slot` holds `key`: a short key is compared in place, byte by byte, which for the
    // usual Identifier of a dozen characters is cheaper than a call.
    bool holds(const Slot& slot, uint32_t tag, std::string_view key) const
    {
        if (slot.tag != tag || slot.keyLength != key.size())
            return false;
        if (key.size() > kInlineKey)
            return keyOf(slot) == key;
        for (std::size_t i = 0; i < key.size(); ++i)
            if (slot.key[i] != key[i])
                return false;
        return true;
    }

    std::string_view keyOf(const Slot& slot) const
    {
        if (slot.keyLength <= kInlineKey)
            return {slot.key, slot.keyLength};
        uint64_t offset = 0;
        std::memcpy(&offset, slot.key, sizeof offset);
        return {keys_.data() + offset, slot.keyLength};
    }

    const Slot* slotOf(std::string_view key) const
    {
        if (slots_.empty())
            return nullptr;
        const std::size_t hash = std::hash<std::string_view>()(key);
        const uint32_t tag = tagOf(hash);
        for (std::size_t at = hash & mask_;; at = (at + 1) & mask_) {
            const Slot& slot = slots_[at];
            if (slot.tag == 0)
                return nullptr;
            if (holds(slot, tag, key))
                return &slot;
        }
    }

    void insert(std::string_view key, uint32_t position, int32_t vnum)
    {
        const std::size_t hash = std::hash<std::string_view>()(key);
        const uint32_t tag = tagOf(hash);
        for (std::size_t at = hash & mask_;; at = (at + 1) & mask_) {
            Slot& slot = slots_[at];
            if (slot.tag == 0) {
                slot.tag = tag;
                slot.position = position;
                slot.vnum = vnum;
                slot.keyLength = static_cast<uint32_t>(key.size());
                if (key.size() <= kInlineKey) {
                    std::memcpy(slot.key, key.data(), key.size());
                } else {
                    const uint64_t offset = keys_.size();
                    std::memcpy(slot.key, &offset, sizeof offset);
                    keys_.append(key);
                }
                return;
            }
            if (holds(slot, tag, key))
                return; // an earlier record has this Identifier: the first one is found, as a scan finds it
        }
    }

    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
    std::string keys_;
};

/// Hash indexes over the records, built once for an IndexScope. The first record of an Identifier
/// (or of a map cell) is the one kept, so results equal those of the scans.
struct World::Index {
    struct CellHash {
        std::size_t operator()(const std::pair<int, int>& p) const noexcept
        {
            return std::hash<long long>()((static_cast<long long>(p.first) << 32) ^ static_cast<unsigned>(p.second));
        }
    };
    std::optional<IdentifierIndex> mobs; // none in a scope of rooms only
    std::optional<IdentifierIndex> items;
    IdentifierIndex rooms;
    std::unordered_map<std::pair<int, int>, std::size_t, CellHash> cells;
    bool cellsBuilt = false;
};

World::World() = default;
World::~World() = default;
World::World(World&&) noexcept = default;
World& World::operator=(World&&) noexcept = default;

World::World(const World& other)
    : mobs(other.mobs), items(other.items), rooms(other.rooms), shops(other.shops), zoneName(other.zoneName),
      basePath(other.basePath), zoneNumber(other.zoneNumber), repopMode(other.repopMode),
      repopTime(other.repopTime), startItemVnum(other.startItemVnum), startMobVnum(other.startMobVnum),
      startRoomVnum(other.startRoomVnum), maxRoomVnum(other.maxRoomVnum)
{
}

World& World::operator=(const World& other)
{
    if (this != &other) {
        World copy(other);
        *this = std::move(copy);
    }
    return *this;
}

namespace {

template <typename Record>
Record* scan(std::vector<Record>& records, std::string_view identifier)
{
    for (auto& r : records)
        if (r.identifier == identifier)
            return &r;
    return nullptr;
}

template <typename Record>
Record* lookup(std::vector<Record>& records, const IdentifierIndex& index, std::string_view identifier)
{
    const std::size_t at = index.find(identifier);
    return at == IdentifierIndex::npos ? nullptr : &records[at];
}

} // namespace

Mob* World::findMob(std::string_view identifier)
{
    return index_ && index_->mobs ? lookup(mobs, *index_->mobs, identifier) : scan(mobs, identifier);
}

const Mob* World::findMob(std::string_view identifier) const { return const_cast<World*>(this)->findMob(identifier); }

Item* World::findItem(std::string_view identifier)
{
    return index_ && index_->items ? lookup(items, *index_->items, identifier) : scan(items, identifier);
}

const Item* World::findItem(std::string_view identifier) const
{
    return const_cast<World*>(this)->findItem(identifier);
}

Room* World::findRoom(std::string_view identifier)
{
    return index_ ? lookup(rooms, index_->rooms, identifier) : scan(rooms, identifier);
}

const Room* World::findRoom(std::string_view identifier) const
{
    return const_cast<World*>(this)->findRoom(identifier);
}

void World::prefetchItem(std::string_view identifier) const
{
    if (index_ && index_->items)
        index_->items->prefetch(identifier);
}

void World::prefetchMob(std::string_view identifier) const
{
    if (index_ && index_->mobs)
        index_->mobs->prefetch(identifier);
}

void World::prefetchRoom(std::string_view identifier) const
{
    if (index_)
        index_->rooms.prefetch(identifier);
}

Room* World::roomAt(int column, int row)
{
    if (index_) {
        // Few scopes ask for cells, so their index is made on the first question.
        if (!index_->cellsBuilt) {
            index_->cells.reserve(rooms.size());
            for (std::size_t i = 0; i < rooms.size(); ++i)
                index_->cells.emplace(std::make_pair(rooms[i].column, rooms[i].row), i);
            index_->cellsBuilt = true;
        }
        auto it = index_->cells.find({column, row});
        return it == index_->cells.end() ? nullptr : &rooms[it->second];
    }
    for (auto& r : rooms)
        if (r.column == column && r.row == row)
            return &r;
    return nullptr;
}

const Room* World::roomAt(int column, int row) const { return const_cast<World*>(this)->roomAt(column, row); }

void World::itemIdentifiers(std::vector<std::string>& list) const
{
    list.clear();
    list.reserve(items.size());
    for (const auto& r : items)
        list.push_back(r.identifier);
}

void World::mobIdentifiers(std::vector<std::string>& list) const
{
    list.clear();
    list.reserve(mobs.size());
    for (const auto& r : mobs)
        list.push_back(r.identifier);
}

void World::roomIdentifiers(std::vector<std::string>& list) const
{
    list.clear();
    list.reserve(rooms.size());
    for (const auto& r : rooms)
        list.push_back(r.identifier);
}

std::string hashReferenceNumber(std::string_view reference)
{
    auto blank = reference.find(' ');
    std::string_view text = reference.substr(0, blank);
    if (!text.empty() && text.front() == '#')
        text.remove_prefix(1);
    std::size_t end = 0;
    while (end < text.size() && !std::isalpha(static_cast<unsigned char>(text[end])))
        ++end;
    return std::string(text.substr(0, end));
}

namespace {

template <typename Record>
void appendVnumText(std::string& out, std::string_view reference, const std::vector<Record>& records,
                    const IdentifierIndex* index)
{
    if (reference.empty() || reference == "(None)") {
        out += "-1";
        return;
    }
    if (reference.front() == '#') {
        out += hashReferenceNumber(reference);
        return;
    }
    if (index) {
        // The index holds the vnums too, so the record itself is not visited.
        int32_t vnum = 0;
        if (index->vnumOf(reference, vnum))
            appendNumber(out, vnum);
        else
            out += "-1";
        return;
    }
    for (const auto& r : records)
        if (r.identifier == reference) {
            appendNumber(out, r.vnum);
            return;
        }
    out += "-1";
}

template <typename Record>
void clearVnums(std::vector<Record>& records)
{
    for (auto& r : records)
        if (r.identifier.empty() || r.identifier.front() != '#')
            r.vnum = 0;
}

} // namespace

void World::appendItemVnumText(std::string& out, std::string_view reference) const
{
    appendVnumText(out, reference, items, index_ && index_->items ? &*index_->items : nullptr);
}

void World::appendMobVnumText(std::string& out, std::string_view reference) const
{
    appendVnumText(out, reference, mobs, index_ && index_->mobs ? &*index_->mobs : nullptr);
}

void World::appendRoomVnumText(std::string& out, std::string_view reference) const
{
    appendVnumText(out, reference, rooms, index_ ? &index_->rooms : nullptr);
}

std::string World::itemVnumText(std::string_view reference) const
{
    std::string text;
    appendItemVnumText(text, reference);
    return text;
}

std::string World::mobVnumText(std::string_view reference) const
{
    std::string text;
    appendMobVnumText(text, reference);
    return text;
}

std::string World::roomVnumText(std::string_view reference) const
{
    std::string text;
    appendRoomVnumText(text, reference);
    return text;
}

void World::clearItemVnums() { clearVnums(items); }
void World::clearMobVnums() { clearVnums(mobs); }
void World::clearRoomVnums() { clearVnums(rooms); }

namespace {

template <typename Record>
void serializeArray(Archive& ar, std::vector<Record>& records)
{
    if (ar.isStoring()) {
        ar.writeInt(static_cast<int32_t>(records.size()));
        for (auto& r : records)
            r.Serialize(ar);
        return;
    }
    records.clear();
    int32_t count = ar.readInt();
    // Reserving up front spares a large World the copies and the fresh memory of a growing array.
    constexpr std::size_t kFewestBytesPerRecord = 64;
    records.reserve(ar.roomFor(count, kFewestBytesPerRecord));
    // Each record is read where it will stay. A failure leaves a partly read last record, but a
    // failed load throws the whole World away.
    for (int32_t i = 0; i < count; ++i)
        records.emplace_back().Serialize(ar);
}

} // namespace

void World::Serialize(Archive& ar)
{
    int32_t version = 1;
    ar.serialize(version);
    ar.serialize(basePath);
    ar.serialize(zoneName);
    ar.serialize(repopTime);
    ar.serialize(repopMode);
    ar.serialize(zoneNumber);
    ar.serialize(startItemVnum);
    ar.serialize(startMobVnum);
    ar.serialize(startRoomVnum);
    ar.serialize(maxRoomVnum);
    serializeArray(ar, items);
    serializeArray(ar, mobs);
    serializeArray(ar, rooms);
    serializeArray(ar, shops);
}

void World::RenameItemRef(const std::string& oldName, const std::string& newName)
{
    for (auto& r : items)
        r.RenameItemRef(oldName, newName);
    for (auto& r : mobs)
        r.RenameItemRef(oldName, newName);
    for (auto& r : rooms)
        r.RenameItemRef(oldName, newName);
    for (auto& r : shops)
        r.RenameItemRef(oldName, newName);
}

void World::RenameMobRef(const std::string& oldName, const std::string& newName)
{
    for (auto& r : items)
        r.RenameMobRef(oldName, newName);
    for (auto& r : mobs)
        r.RenameMobRef(oldName, newName);
    for (auto& r : rooms)
        r.RenameMobRef(oldName, newName);
    for (auto& r : shops)
        r.RenameMobRef(oldName, newName);
}

void World::RenameRoomRef(const std::string& oldName, const std::string& newName)
{
    for (auto& r : items)
        r.RenameRoomRef(oldName, newName);
    for (auto& r : mobs)
        r.RenameRoomRef(oldName, newName);
    for (auto& r : rooms)
        r.RenameRoomRef(oldName, newName);
    for (auto& r : shops)
        r.RenameRoomRef(oldName, newName);
}

World::IndexScope::IndexScope(const World& world, Records records) : world_(world), owner_(!world.index_)
{
    if (!owner_)
        return; // an outer scope already indexes this World
    auto index = std::make_unique<Index>();
    // In a large World the rooms are hashed on a thread of their own while the mobs and items are.
    constexpr std::size_t kHashRoomsAsideFrom = 10000;
    std::thread rooms;
    std::exception_ptr roomsFailed;
    if (records == Records::All && world.rooms.size() >= kHashRoomsAsideFrom) {
        try {
            rooms = std::thread([&] {
                try {
                    index->rooms.build(world.rooms);
                } catch (...) {
                    roomsFailed = std::current_exception();
                }
            });
        } catch (const std::system_error&) {
            // No thread to be had: the rooms are hashed after the others.
        }
    }
    try {
        if (records == Records::All) {
            index->mobs.emplace().build(world.mobs);
            index->items.emplace().build(world.items);
        }
    } catch (...) {
        if (rooms.joinable())
            rooms.join();
        throw;
    }
    if (rooms.joinable()) {
        rooms.join();
        if (roomsFailed)
            std::rethrow_exception(roomsFailed);
    } else {
        index->rooms.build(world.rooms);
    }
    world.index_ = std::move(index);
}

World::IndexScope::~IndexScope()
{
    if (owner_)
        world_.index_.reset();
}

} // namespace tarnholt
