#include "generate/Generator.h"

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <limits>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <system_error>
#include <string_view>
#include <thread>
#include <vector>

#include "app/Questions.h"
#include "generate/PartSchedule.h"
#include "universe/Universe.h"
#include "world/Encoding.h"
#include "world/Files.h"
#include "world/World.h"

namespace tarnholt {

namespace {

constexpr const char* kEndMarker = "#99999\n$~\n";

// The number after the "#" of an Identifier: an optional sign and the digits up to the first
// character that is not one; 0 when there are none. Saturates instead of overflowing.
int32_t hashIdentifierNumber(const std::string& identifier)
{
    std::size_t i = 1;
    bool negative = false;
    if (i < identifier.size() && (identifier[i] == '+' || identifier[i] == '-')) {
        negative = identifier[i] == '-';
        ++i;
    }
    int64_t value = 0;
    for (; i < identifier.size() && identifier[i] >= '0' && identifier[i] <= '9'; ++i) {
        value = value * 10 + (identifier[i] - '0');
        if (value > std::numeric_limits<int32_t>::max())
            return negative ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(negative ? -value : value);
}

bool unnumbered(int32_t vnum)
{
    return vnum == 0 || vnum == -1;
}

struct KindWords {
    const char* singular;
    const char* plural;
};

void stop(const std::string& text, Questions& questions, GenerateResult& result)
{
    result.message = text;
    questions.message(text);
}

// Gives vnums to one kind of record: "#" records take the number of their Identifier, and records
// without a number take the lowest numbers from `start` on that no record of the kind holds yet.
// Numbers already given are never moved. Sets `changed` when a vnum changes. False when the run
// must stop.
template <typename R>
bool assignVnums(std::vector<R>& records, int32_t start, KindWords kind, Questions& questions,
                 GenerateResult& result, bool& changed)
{
    const std::size_t n = records.size();
    if (n == 0)
        return true;
    bool anyUnnumbered = false;
    for (R& record : records) {
        if (!record.identifier.empty() && record.identifier[0] == '#') {
            const int32_t vnum = hashIdentifierNumber(record.identifier);
            changed = changed || vnum != record.vnum;
            record.vnum = vnum;
        }
        anyUnnumbered = anyUnnumbered || unnumbered(record.vnum);
    }
    if (!anyUnnumbered)
        return true;
    if (start == 0) {
        stop(std::string("You have not assigned a starting ") + kind.singular + " number for this zone.\nSince "
                 + kind.plural + " exist, you must assign one.",
             questions, result);
        return false;
    }

    std::vector<bool> taken;
    try {
        taken.assign(n, false);
    } catch (const std::bad_alloc&) {
        stop(std::string("Unable to allocate memory to assign ") + kind.singular
                 + " numbers.\nYour system might be running low on memory.",
             questions, result);
        return false;
    }
    // Unnumbered records take no slot of their own: with a negative start, 0 and -1 would
    // otherwise fall inside the range and leave too few free slots for them.
    for (const R& record : records) {
        if (unnumbered(record.vnum))
            continue;
        const int64_t slot = int64_t{record.vnum} - start;
        if (slot >= 0 && slot < static_cast<int64_t>(n))
            taken[static_cast<std::size_t>(slot)] = true;
    }
    std::size_t next = 0;
    for (R& record : records) {
        if (!unnumbered(record.vnum))
            continue;
        while (next < n && taken[next])
            ++next;
        if (next == n)
            break; // cannot happen: there are at least as many free slots as unnumbered records
        taken[next] = true;
        const auto vnum = static_cast<int32_t>(int64_t{start} + static_cast<int64_t>(next));
        changed = changed || vnum != record.vnum; // 0 or -1 may be given again with a negative start
        record.vnum = vnum;
    }
    return true;
}


// The zone lines look up the room's own Identifier and the mobs and items of its loads, which in a
// large World lie anywhere in tables larger than the processor's cache. Asking for them a few rooms
// ahead lets the memory bring them in while the rooms before are written (a third off the zone lines
// of 200,000 rooms). The room text gains nothing from the same for its exits, so it does not do it.
constexpr std::size_t kZonePrefetchDistance = 4;

void prefetchZoneLookups(const Room& room, const World& world)
{
    if (room.loads.empty())
        return;
    world.prefetchRoom(room.identifier);
    for (const LoadAction& load : room.loads) {
        if (!load.mob.empty())
            world.prefetchMob(load.mob);
        if (!load.item.empty())
            world.prefetchItem(load.item);
        if (!load.container.empty())
            world.prefetchItem(load.container);
    }
}

// The warnings and flag encoder of a thread of a run; `warnings` is the list of the text being made.
struct Lane {
    const Generator* generator;
    std::vector<Warning>* warnings;
    FlagEncoder* encoder;
};

thread_local const Lane* currentLane = nullptr;

// The flag tables stay as they are while a run writes, so an encoder may keep what it learns of them.
class FixedTables {
public:
    explicit FixedTables(FlagEncoder& encoder) : encoder_(encoder) { encoder_.setTablesFixed(true); }
    ~FixedTables() { encoder_.setTablesFixed(false); }
    FixedTables(const FixedTables&) = delete;
    FixedTables& operator=(const FixedTables&) = delete;

private:
    FlagEncoder& encoder_;
};

// The area files made in parts, in the order they are renamed into place (the component lists come
// between the first two).
enum AreaFile : std::size_t { kObj, kMob, kWld, kZon, kAreaFiles };

// The parts of a run form three streams, each written in order by one thread at a time: the items
// (renamed into place with the component lists after them), the mobs, and the rooms (which give
// the ".wld" and the ".zon").
enum Stream : std::size_t { kItemStream, kMobStream, kRoomStream, kStreams };

// Records per part: a part of rooms gives some 100 KB of text, which stays in the processor's cache
// while it is converted and written.
constexpr std::size_t kPartRecords = 256;
// Parts made ahead of the oldest one not yet written; their buffers are used again in turn.
constexpr std::size_t kPartsAhead = 32;

// Text in CR LF form; the memory is kept for the next text made in this place.
class CrLfText {
public:
    void assign(std::string_view text)
    {
        if (capacity_ < crLfRoomFor(text.size())) {
            capacity_ = crLfRoomFor(text.size());
            bytes_.reset(new char[capacity_]);
        }
        size_ = static_cast<std::size_t>(copyWithCrLf(text, bytes_.get()) - bytes_.get());
    }
    std::string_view view() const { return {bytes_.get(), size_}; }

private:
    std::unique_ptr<char[]> bytes_;
    std::size_t capacity_ = 0;
    std::size_t size_ = 0;
};

// A component list to write: the file name and its text in CR LF form.
struct ComponentList {
    std::string name;
    std::string text;
};

// One part made: a run of records of one kind, with the text and warnings for the file of the kind
// and, for rooms, those for the ".zon"; for items, also their component lists.
struct Part {
    Stream stream = kItemStream;
    bool last = false; // the last part of its stream
    CrLfText text[2];
    std::vector<Warning> warnings[2];
    std::vector<ComponentList> components;
};

// A file that could not be written, for the message the run stops with.
struct FailedFile {
    FileError error = FileError::None;
    std::string path;
};

// The records of a run are made in parts of a few hundred: items, then mobs, then rooms (a part of
// rooms gives its ".wld" and ".zon" text at once, so their memory is read once). Every thread of the
// run takes the next part no one has taken. Each stream's parts go into their files in order, written
// by whichever thread finds the oldest unwritten part of the stream done while no other is writing
// the stream. A stream written whole is renamed into place when those before it are, so the files
// and component lists replace the old ones in the order a run that made everything in turn would
// replace them, and a run that stops leaves the same files and warnings. (Only a full disk differs:
// a file written aside may take the room a file before it in that order needed.)
class PartedRun {
public:
    PartedRun(const Generator& generator, Universe& universe, World& world, const std::string& outDir)
        : generator_(generator), universe_(universe), world_(world), outDir_(outDir),
          zone_(std::to_string(world.zoneNumber)),
          schedule_({partsFor(world.items.size()), partsFor(world.mobs.size()), partsFor(world.rooms.size())},
                    kPartsAhead)
    {
        const char* const extensions[kAreaFiles] = {".obj", ".mob", ".wld", ".zon"};
        for (std::size_t f = 0; f < kAreaFiles; ++f) {
            paths_[f] = joinPath(outDir, zone_ + extensions[f]);
            files_[f].emplace(paths_[f], Durability::Regenerable);
        }
    }

    std::size_t parts() const { return schedule_.total(); }

    /// Run by every thread of the run until all parts are taken: makes the next part, then writes
    /// what is done of its stream in order unless another thread is writing the stream already.
    void make(FlagEncoder& encoder)
    {
        std::vector<Warning> none;
        Lane lane{&generator_, &none, &encoder};
        const Lane* const outer = currentLane;
        currentLane = &lane;
        std::string text[2];
        std::unique_lock lock(mutex_);
        try {
            for (;;) {
                advanced_.wait(lock, [&] { return stopped_ || schedule_.allTaken() || schedule_.canTake(); });
                if (stopped_ || schedule_.allTaken())
                    break;
                const std::size_t number = schedule_.take();
                Part& part = slots_[schedule_.slotOf(number)];
                lock.unlock();
                makePart(number, part, lane, text);
                lock.lock();
                schedule_.made(number);
                writeStream(part.stream, lock);
            }
        } catch (...) {
            if (!lock.owns_lock())
                lock.lock();
            if (!failure_)
                failure_ = std::current_exception();
            stopped_ = true;
            advanced_.notify_all();
        }
        currentLane = outer;
    }

    /// After every thread has finished: rethrows what stopped one, or reports the file that could
    /// not be written. True when every file was renamed into place.
    bool finish(std::vector<Warning>& warnings, Questions& questions, GenerateResult& result)
    {
        if (failure_)
            std::rethrow_exception(failure_);
        warnings.insert(warnings.end(), committedWarnings_.begin(), committedWarnings_.end());
        result.files.insert(result.files.end(), committedFiles_.begin(), committedFiles_.end());
        if (failed_.error != FileError::None) {
            stop(fileErrorMessage(failed_.error, failed_.path), questions, result);
            return false;
        }
        return nextToCommit_ == kStreams;
    }

private:
    static std::size_t partsFor(std::size_t records)
    {
        // A kind without records still has one part, which gives the file its end.
        return records == 0 ? 1 : (records + kPartRecords - 1) / kPartRecords;
    }

    // Writes the parts of `stream` that are done, in order, unless another thread is at it; a stream
    // written whole is renamed into place in its turn. Called and returns with `lock` held.
    void writeStream(Stream stream, std::unique_lock<std::mutex>& lock)
    {
        if (writing_[stream])
            return; // the thread that is writing takes the part in its turn
        writing_[stream] = true;
        while (!stopped_) {
            const std::optional<std::size_t> next = schedule_.nextToWrite(stream);
            if (!next)
                break;
            lock.unlock();
            writePart(slots_[schedule_.slotOf(*next)]);
            lock.lock();
            schedule_.written(*next);
            advanced_.notify_all();
        }
        writing_[stream] = false;
        commitInTurn(lock);
    }

    // Renames the streams that are written into place, in order, unless another thread is at it.
    void commitInTurn(std::unique_lock<std::mutex>& lock)
    {
        if (committing_)
            return; // the thread that is renaming goes on to the next stream when it is written
        committing_ = true;
        while (!stopped_ && nextToCommit_ < kStreams && schedule_.streamWritten(nextToCommit_)) {
            lock.unlock();
            const bool ok = commitStream(static_cast<Stream>(nextToCommit_));
            lock.lock();
            if (!ok) {
                stopped_ = true;
                advanced_.notify_all();
                break;
            }
            ++nextToCommit_;
        }
        committing_ = false;
    }

    // Called by one thread at a time, for the streams in order.
    bool commitStream(Stream stream)
    {
        switch (stream) {
        case kItemStream:
            return commitFile(kObj) && writeComponentLists();
        case kMobStream:
            return commitFile(kMob);
        default: {
            const ReleaseAfterwards together;
            return commitFile(kWld) && commitFile(kZon);
        }
        }
    }

    bool commitFile(AreaFile f)
    {
        committedWarnings_.insert(committedWarnings_.end(), warnings_[f].begin(), warnings_[f].end());
        const FileError error = files_[f]->commit();
        if (error != FileError::None) {
            failed_ = {error, paths_[f]};
            return false;
        }
        committedFiles_.push_back(paths_[f]);
        return true;
    }

    bool writeComponentLists()
    {
        for (const ComponentList& list : components_) {
            const std::string path = joinPath(outDir_, list.name);
            const FileError error = writeFileAtomically(path, list.text, Durability::Regenerable);
            if (error != FileError::None) {
                failed_ = {error, path};
                return false;
            }
            committedFiles_.push_back(path);
        }
        return true;
    }

    void makePart(std::size_t number, Part& part, Lane& lane, std::string (&text)[2])
    {
        for (std::string& t : text)
            t.clear();
        for (std::vector<Warning>& list : part.warnings)
            list.clear();
        part.components.clear();
        lane.warnings = &part.warnings[0];

        part.stream = static_cast<Stream>(schedule_.streamOf(number));
        part.last = schedule_.lastInStream(number);
        const std::size_t begin = schedule_.indexInStream(number) * kPartRecords;
        switch (part.stream) {
        case kItemStream:
            makeItemPart(begin, part, text[0]);
            text[0] += part.last ? kEndMarker : "";
            break;
        case kMobStream: {
            const std::size_t end = std::min(world_.mobs.size(), begin + kPartRecords);
            for (std::size_t i = begin; i < end; ++i)
                world_.mobs[i].WriteAreaText(text[0], universe_);
            text[0] += part.last ? kEndMarker : "";
            break;
        }
        default:
            makeRoomPart(begin, part, lane, text[0], text[1]);
            part.text[1].assign(text[1]);
        }
        part.text[0].assign(text[0]);
    }

    void makeItemPart(std::size_t begin, Part& part, std::string& obj)
    {
        const std::size_t end = std::min(world_.items.size(), begin + kPartRecords);
        for (std::size_t i = begin; i < end; ++i) {
            const Item& item = world_.items[i];
            item.WriteAreaText(obj, universe_, world_);
            if (item.assemblyComponents.empty())
                continue;
            std::string list;
            for (const std::string& component : item.assemblyComponents) {
                list += world_.itemVnumText(component);
                list += '\n';
            }
            list += "$\n";
            part.components.push_back({std::to_string(item.vnum) + ".txt", toCrLf(list)});
        }
    }

    void makeRoomPart(std::size_t begin, Part& part, Lane& lane, std::string& wld, std::string& zon)
    {
        const std::vector<Room>& rooms = world_.rooms;
        if (begin == 0) {
            zon += "#" + zone_ + "\n" + world_.zoneName + "~\n";
            zon += std::to_string(world_.maxRoomVnum) + " " + std::to_string(world_.repopTime) + " "
                + std::to_string(world_.repopMode) + " 0\n";
        }
        const std::size_t end = std::min(rooms.size(), begin + kPartRecords);
        for (std::size_t i = begin; i < end; ++i) {
            if (i + kZonePrefetchDistance < rooms.size())
                prefetchZoneLookups(rooms[i + kZonePrefetchDistance], world_);
            const Room& room = rooms[i];
            lane.warnings = &part.warnings[0];
            room.WriteAreaText(wld, universe_, world_);
            lane.warnings = &part.warnings[1];
            room.WriteDoorResets(zon, universe_, world_);
            if (!room.loads.empty()) {
                // The vnum of the room's Identifier, which may be an earlier room's of that name.
                const std::string roomVnum = world_.roomVnumText(room.identifier);
                for (const LoadAction& load : room.loads)
                    load.WriteZoneCommand(zon, universe_, world_, room.identifier, roomVnum);
            }
        }
        if (part.last) {
            wld += kEndMarker;
            zon += "S\n$~\n";
        }
    }

    // Called by one thread at a time for each stream, for its parts in order.
    void writePart(Part& part)
    {
        const AreaFile files[2] = {part.stream == kItemStream ? kObj : part.stream == kMobStream ? kMob : kWld, kZon};
        for (std::size_t t = 0; t < (part.stream == kRoomStream ? 2 : 1); ++t) {
            files_[files[t]]->write(part.text[t].view());
            std::vector<Warning>& list = warnings_[files[t]];
            list.insert(list.end(), part.warnings[t].begin(), part.warnings[t].end());
        }
        for (ComponentList& list : part.components)
            components_.push_back(std::move(list));
    }

    const Generator& generator_;
    Universe& universe_;
    World& world_;
    const std::string outDir_;
    const std::string zone_;
    std::optional<AtomicFileWriter> files_[kAreaFiles];
    std::string paths_[kAreaFiles];
    std::vector<Warning> warnings_[kAreaFiles]; // of the parts written
    std::vector<ComponentList> components_;     // of the item parts written
    Part slots_[kPartsAhead];

    std::mutex mutex_;
    std::condition_variable advanced_; // a part was written, or the run stopped
    PartSchedule schedule_;
    bool writing_[kStreams] = {};
    std::size_t nextToCommit_ = 0;
    bool committing_ = false;
    bool stopped_ = false;
    std::exception_ptr failure_;

    // Kept by the thread renaming, for the run's result.
    std::vector<Warning> committedWarnings_;
    std::vector<std::string> committedFiles_;
    FailedFile failed_;
};

} // namespace

Generator::Generator(Universe& universe, World& world)
    : universe_(universe), world_(world), previous_(universe.generator)
{
    universe_.generator = this;
}

Generator::~Generator()
{
    if (universe_.generator == this)
        universe_.generator = previous_;
}

void Generator::addWarning(const std::string& type, const std::string& identifier, const std::string& text)
{
    std::vector<Warning>& list = currentLane && currentLane->generator == this ? *currentLane->warnings : warnings_;
    list.push_back(Warning{type, identifier, text});
}

FlagEncoder& Generator::encoder()
{
    return currentLane && currentLane->generator == this ? *currentLane->encoder : encoder_;
}

GenerateResult Generator::generate(const std::string& outDir, Questions& questions)
{
    warnings_.clear();
    GenerateResult result;
    if (world_.zoneNumber == 0) {
        stop("Assign a zone number to this zone before you begin generation.", questions, result);
        return result;
    }
    if (world_.basePath.empty()) {
        stop("This zone has never been saved.  The zone must be saved at least once before generating.", questions,
             result);
        return result;
    }

    if (assignAllVnums(questions, result)) {
        // From here on nothing changes the World: lookups by Identifier are hashed for the writing.
        World::IndexScope index(world_);
        const FixedTables fixed(encoder_);
        result.written = writeAreaFiles(outDir, questions, result);
    }
    result.warnings = warnings_;
    return result;
}

bool Generator::assignAllVnums(Questions& questions, GenerateResult& result)
{
    bool changed = false;
    const bool ok = assignVnums(world_.items, world_.startItemVnum, {"item", "items"}, questions, result, changed)
        && assignVnums(world_.mobs, world_.startMobVnum, {"mob", "mobs"}, questions, result, changed)
        && assignVnums(world_.rooms, world_.startRoomVnum, {"room", "rooms"}, questions, result, changed);
    // Also after a stop: the "#" records and the kinds before the stop have their numbers already.
    result.vnumsChanged = changed;
    return ok;
}

bool Generator::writeAreaFiles(const std::string& outDir, Questions& questions, GenerateResult& result)
{
    PartedRun run(*this, universe_, world_, outDir);
    // One thread per processor, this one among them; with none to be had, this one makes everything.
    // (The count is read from the system once: asking costs a file read each time.)
    static const unsigned processors = std::thread::hardware_concurrency();
    std::vector<std::thread> helpers;
    for (unsigned i = 1; i < processors && i < run.parts(); ++i) {
        try {
            helpers.emplace_back([&run] {
                FlagEncoder encoder;
                const FixedTables fixed(encoder);
                run.make(encoder);
            });
        } catch (const std::system_error&) {
            break;
        }
    }
    run.make(encoder_);
    for (std::thread& helper : helpers)
        helper.join();
    return run.finish(warnings_, questions, result);
}

} // namespace tarnholt
