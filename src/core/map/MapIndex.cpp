#include "map/MapIndex.h"

#include <algorithm>
#include <exception>
#include <limits>
#include <system_error>
#include <thread>

#include "rooms/Room.h"
#include "world/World.h"

namespace tarnholt {

namespace {

// Room borders and exit lines are 3 pixels wide: half of that, rounded up, plus a pixel for the
// edges of rectangles.
constexpr int64_t penMargin = 3;
// How far a room's Identifier may reach left and right of its box.
constexpr int64_t textOverhang = 10;
// The circle drawn for an exit to a "#" room that is not in the World.
constexpr int64_t circleRadius = MapGeometry::tolerance;

// Grid level L has tiles of 2^(firstShift + 2L) pixels. The last level's tiles are so large that
// any room of any column or row fits in a few of them.
constexpr int firstShift = 8;
constexpr int levelCount = 16;
constexpr int64_t maxSpan = 4;

MapItem::Ink doorInk(int32_t resetState)
{
    switch (resetState) {
    case 2:
        return MapItem::Ink::ClosedDoor;
    case 3:
        return MapItem::Ink::LockedDoor;
    default:
        return MapItem::Ink::NormalExit;
    }
}

int64_t clampToInt32(int64_t v)
{
    return std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
}

uint64_t tileKey(int64_t tx, int64_t ty)
{
    return (static_cast<uint64_t>(static_cast<uint32_t>(static_cast<int32_t>(tx))) << 32) |
           static_cast<uint32_t>(static_cast<int32_t>(ty));
}

int64_t keyX(uint64_t key)
{
    return static_cast<int32_t>(static_cast<uint32_t>(key >> 32));
}

int64_t keyY(uint64_t key)
{
    return static_cast<int32_t>(static_cast<uint32_t>(key & 0xFFFFFFFFu));
}

Rect spanOf(Point p, Point q)
{
    return {std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)};
}

} // namespace

Rect MapItem::bounds() const
{
    switch (kind) {
    case Kind::Room:
        return Rect{a.x - textOverhang, a.y, a.x + MapGeometry::box + textOverhang, a.y + MapGeometry::box}
            .inflated(penMargin);
    case Kind::TwoWayExit:
        return spanOf(a, b).inflated(penMargin);
    case Kind::OneWayExit: {
        // The two halves meet at b, which lies between a and c.
        return spanOf(a, c).inflated(penMargin);
    }
    case Kind::MissingTarget:
        return Rect{a.x, a.y, a.x, a.y}.inflated(circleRadius + penMargin);
    }
    return {};
}

std::size_t MapIndex::TileHash::operator()(uint64_t key) const
{
    // A 64-bit finaliser, so that neighbouring tiles spread over the buckets.
    key ^= key >> 33;
    key *= 0xff51afd7ed558ccdULL;
    key ^= key >> 33;
    key *= 0xc4ceb9fe1a85ec53ULL;
    key ^= key >> 33;
    return static_cast<std::size_t>(key);
}

MapIndex::MapIndex() : levels_(levelCount) {}

MapIndex::~MapIndex() = default;

void MapIndex::clear()
{
    items_.clear();
    for (Tiles& tiles : levels_)
        tiles.clear();
    roomCount_ = 0;
    seen_.clear();
    stamp_ = 0;
}

MapIndex::ExitPass MapIndex::exitItems(const World& world, std::size_t begin, std::size_t end,
                                       std::vector<MapItem>& items)
{
    ExitPass out;
    // The pen of the exit line drawn last so far, which the circle of a missing "#" room is outlined with.
    MapItem::Ink lastInk = MapItem::Ink::RoomBorder;
    bool lineSeen = false;
    for (std::size_t i = begin; i < end; ++i) {
        const Room& from = world.rooms[i];
        for (int d = 0; d < 10; ++d) {
            const Exit& exit = from.exits[static_cast<std::size_t>(d)];
            if (exit.target.empty())
                continue;
            MapItem item;
            item.room = static_cast<int32_t>(i);
            item.direction = static_cast<int8_t>(d);
            item.a = MapGeometry::anchorPoint(from, d);

            const Room* to = world.findRoom(exit.target);
            if (!to) {
                if (exit.target.front() == '#') {
                    item.kind = MapItem::Kind::MissingTarget;
                    item.ink = lastInk;
                    items.push_back(item);
                    if (!lineSeen)
                        ++out.circlesBeforeFirstLine;
                }
                continue;
            }
            item.c = MapGeometry::anchorPoint(*to, exit.placement);
            item.b = {(item.a.x + item.c.x) / 2, (item.a.y + item.c.y) / 2};
            item.ink = doorInk(exit.resetState);

            // Two-way when the target's exit on the facing side leads back here from this side. An exit
            // without a facing side (placement outside 0-9) has no such partner and is drawn whole.
            bool twoWay = false;
            if (exit.placement >= 0 && exit.placement < 10) {
                const Exit& back = to->exits[static_cast<std::size_t>(exit.placement)];
                twoWay = back.target == from.identifier && (back.placement == d || back.placement == -1);
            }
            item.kind = twoWay ? MapItem::Kind::TwoWayExit : MapItem::Kind::OneWayExit;
            lastInk = twoWay ? item.ink : MapItem::Ink::OneWayExit;
            lineSeen = true;
            items.push_back(item);
        }
    }
    out.lastInk = lastInk;
    return out;
}

void MapIndex::rebuild(const World& world)
{
    clear();
    roomCount_ = world.rooms.size();
    // Many exits look up their target room: let the World answer from a hash index meanwhile.
    World::IndexScope lookups(world, World::IndexScope::Records::RoomsOnly);

    items_.reserve(world.rooms.size() * 3);
    for (std::size_t i = 0; i < world.rooms.size(); ++i) {
        MapItem item;
        item.kind = MapItem::Kind::Room;
        item.room = static_cast<int32_t>(i);
        item.a = MapGeometry::roomOrigin(world.rooms[i]);
        items_.push_back(item);
    }

    // The exits of the rooms, in their order. A large World's second half is worked out on another
    // thread: each exit waits on a few reads from all over memory (its target's slot in the hash
    // index, the target room, the target's exit back), so two threads get through them in little
    // more than half the time.
    constexpr std::size_t kRoomsWorthAThread = 20000;
    const std::size_t rooms = world.rooms.size();
    // The first half goes straight into the index's list, after the rooms.
    std::vector<MapItem> secondItems;
    ExitPass first, second;
    std::exception_ptr failure;
    std::thread helper;
    if (rooms >= kRoomsWorthAThread) {
        try {
            helper = std::thread([&] {
                try {
                    secondItems.reserve((rooms - rooms / 2) * 2);
                    second = exitItems(world, rooms / 2, rooms, secondItems);
                } catch (...) {
                    failure = std::current_exception();
                }
            });
        } catch (const std::system_error&) {
            // No thread to be had: all of them on this one.
        }
    }
    try {
        first = exitItems(world, 0, helper.joinable() ? rooms / 2 : rooms, items_);
    } catch (...) {
        if (helper.joinable())
            helper.join();
        throw;
    }
    if (helper.joinable())
        helper.join();
    if (failure)
        std::rethrow_exception(failure);
    // A circle takes the pen of the exit line drawn last before it, which for the circles at the start
    // of the second half is one of the first half's.
    for (std::size_t i = 0; i < second.circlesBeforeFirstLine; ++i)
        secondItems[i].ink = first.lastInk;
    items_.insert(items_.end(), secondItems.begin(), secondItems.end());

    for (std::size_t id = 0; id < items_.size(); ++id)
        file(static_cast<uint32_t>(id), items_[id].bounds());
    seen_.assign(items_.size(), 0);
}

void MapIndex::file(uint32_t id, const Rect& bounds)
{
    for (int level = 0; level < levelCount; ++level) {
        const int shift = firstShift + 2 * level;
        const int64_t tx0 = clampToInt32(bounds.left >> shift), tx1 = clampToInt32(bounds.right >> shift);
        const int64_t ty0 = clampToInt32(bounds.top >> shift), ty1 = clampToInt32(bounds.bottom >> shift);
        if ((tx1 - tx0 >= maxSpan || ty1 - ty0 >= maxSpan) && level + 1 < levelCount)
            continue;
        Tiles& tiles = levels_[static_cast<std::size_t>(level)];
        for (int64_t tx = tx0; tx <= tx1; ++tx)
            for (int64_t ty = ty0; ty <= ty1; ++ty)
                tiles[tileKey(tx, ty)].push_back(id);
        return;
    }
}

void MapIndex::collect(const Tiles& tiles, int shift, const Rect& area, std::vector<uint32_t>& out) const
{
    auto take = [&](const std::vector<uint32_t>& ids) {
        for (uint32_t id : ids) {
            if (seen_[id] == stamp_)
                continue;
            seen_[id] = stamp_;
            if (items_[id].bounds().intersects(area))
                out.push_back(id);
        }
    };

    const int64_t tx0 = clampToInt32(area.left >> shift), tx1 = clampToInt32(area.right >> shift);
    const int64_t ty0 = clampToInt32(area.top >> shift), ty1 = clampToInt32(area.bottom >> shift);
    const auto filled = static_cast<int64_t>(tiles.size());
    const int64_t columns = tx1 - tx0 + 1, rows = ty1 - ty0 + 1;
    if (columns > filled || rows > filled || columns * rows > filled) {
        // A wide area: visiting the filled tiles is cheaper than looking up every tile of the area.
        for (const auto& [key, ids] : tiles) {
            const int64_t tx = keyX(key), ty = keyY(key);
            if (tx >= tx0 && tx <= tx1 && ty >= ty0 && ty <= ty1)
                take(ids);
        }
        return;
    }
    for (int64_t tx = tx0; tx <= tx1; ++tx)
        for (int64_t ty = ty0; ty <= ty1; ++ty)
            if (auto it = tiles.find(tileKey(tx, ty)); it != tiles.end())
                take(it->second);
}

void MapIndex::query(const Rect& area, std::vector<uint32_t>& out) const
{
    out.clear();
    if (items_.empty() || area.right < area.left || area.bottom < area.top)
        return;
    if (++stamp_ == 0) {
        std::fill(seen_.begin(), seen_.end(), 0);
        stamp_ = 1;
    }
    for (int level = 0; level < levelCount; ++level) {
        const Tiles& tiles = levels_[static_cast<std::size_t>(level)];
        if (!tiles.empty())
            collect(tiles, firstShift + 2 * level, area, out);
    }
    std::sort(out.begin(), out.end());
}

} // namespace tarnholt
