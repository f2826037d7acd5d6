#include "generate/Generator.h"

#include <cstdint>
#include <exception>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <system_error>
#include <string_view>
#include <thread>
#include <vector>

#include "app/Questions.h"
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
// Numbers already given are never moved. False when the run must stop.
template <typename R>
bool assignVnums(std::vector<R>& records, int32_t start, KindWords kind, Questions& questions,
                 GenerateResult& result)
{
    const std::size_t n = records.size();
    if (n == 0)
        return true;
    bool anyUnnumbered = false;
    for (R& record : records) {
        if (!record.identifier.empty() && record.identifier[0] == '#')
            record.vnum = hashIdentifierNumber(record.identifier);
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
        record.vnum = static_cast<int32_t>(int64_t{start} + static_cast<int64_t>(next));
    }
    return true;
}

template <typename R>
std::vector<int32_t> vnumsOf(const std::vector<R>& records)
{
    std::vector<int32_t> out;
    out.reserve(records.size());
    for (const R& record : records)
        out.push_back(record.vnum);
    return out;
}

// The text of the area file being made and its CR LF form, shared by all files of a run: a large
// zone's files reuse the same two chunks of memory instead of taking fresh ones each. The chunks are
// small enough to stay in the processor's cache while they are converted and handed to the file.
struct AreaBuffers {
    static constexpr std::size_t kChunk = std::size_t(1) << 16;
    AreaBuffers() { text.reserve(kChunk + 16384); }
    std::string text;
    // The CR LF form of a piece of `text`; only ever grows, and is never cleared or filled in
    // before it is written.
    std::unique_ptr<char[]> crlf;
    std::size_t crlfSize = 0;
};

// One area file being written: its text is made record by record and goes to disk (CR LF line
// ends) a chunk at a time, so a large zone is never held whole in memory.
class AreaFileOut {
public:
    AreaFileOut(const std::string& outDir, const std::string& name, AreaBuffers& buffers)
        : path_(joinPath(outDir, name)), writer_(path_, Durability::Regenerable), buffers_(buffers)
    {
        buffers_.text.clear();
    }

    std::string& text() { return buffers_.text; }

    /// Called after each record: hands a full chunk to the file.
    void recordDone()
    {
        if (buffers_.text.size() >= AreaBuffers::kChunk)
            writeOut();
    }

    /// Hands the rest of the text to the file; the buffers are then free for the next file.
    void close()
    {
        if (!closed_)
            writeOut();
        closed_ = true;
    }

    /// Closes the file and renames it into place; false (after the message) when it failed.
    bool finish(Questions& questions, GenerateResult& result)
    {
        close();
        const FileError error = writer_.commit();
        if (error != FileError::None) {
            stop(fileErrorMessage(error, path_), questions, result);
            return false;
        }
        result.files.push_back(path_);
        return true;
    }

private:
    void writeOut()
    {
        const std::string& text = buffers_.text;
        if (buffers_.crlfSize < crLfRoomFor(text.size())) {
            buffers_.crlfSize = crLfRoomFor(text.size());
            buffers_.crlf.reset(new char[buffers_.crlfSize]);
        }
        char* const crlf = buffers_.crlf.get();
        writer_.write(std::string_view(crlf, static_cast<std::size_t>(copyWithCrLf(text, crlf) - crlf)));
        buffers_.text.clear();
    }

    std::string path_;
    AtomicFileWriter writer_;
    AreaBuffers& buffers_;
    bool closed_ = false;
};

// The warnings and flag encoder of the thread that runs a share of a run.
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

} // namespace

// One share of a run made apart from the others: its warnings, its flag encoder and its file,
// which is only written aside. The run renames the file into place, and adds the warnings to its
// own, once everything before it in the run's order has succeeded, so a run that stops leaves the
// same files and warnings as one that made everything in order. (Only a full disk differs: what a
// share has written aside may take the room a file before it in that order needed.)
struct Generator::Share {
    std::vector<Warning> warnings;
    FlagEncoder encoder;
    AreaBuffers buffers;
    std::optional<AreaFileOut> file;
    std::exception_ptr failure;
};

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
    const std::vector<int32_t> items = vnumsOf(world_.items);
    const std::vector<int32_t> mobs = vnumsOf(world_.mobs);
    const std::vector<int32_t> rooms = vnumsOf(world_.rooms);

    const bool ok = assignVnums(world_.items, world_.startItemVnum, {"item", "items"}, questions, result)
        && assignVnums(world_.mobs, world_.startMobVnum, {"mob", "mobs"}, questions, result)
        && assignVnums(world_.rooms, world_.startRoomVnum, {"room", "rooms"}, questions, result);

    // Also after a stop: the "#" records and the kinds before the stop have their numbers already.
    result.vnumsChanged = items != vnumsOf(world_.items) || mobs != vnumsOf(world_.mobs)
        || rooms != vnumsOf(world_.rooms);
    return ok;
}

bool Generator::writeAreaFiles(const std::string& outDir, Questions& questions, GenerateResult& result)
{
    // The ".wld" and the ".zon" are each made on a thread of their own while this one makes the
    // item and mob files: the three take about the same time.
    const std::string zone = std::to_string(world_.zoneNumber);
    Share wld;
    Share zon;
    auto makeWorld = [&] { makeShare(wld, [&](Share& share) { writeWorldFile(share, outDir, zone); }); };
    auto makeZone = [&] { makeShare(zon, [&](Share& share) { writeZoneFile(share, outDir, zone); }); };
    std::thread workers[2];
    auto joinWorkers = [&] {
        for (std::thread& worker : workers)
            if (worker.joinable())
                worker.join();
    };
    try {
        workers[0] = std::thread(makeWorld);
        workers[1] = std::thread(makeZone);
    } catch (const std::system_error&) {
        // No more threads to be had: what has none is made afterwards on this one.
    }
    bool ok = false;
    try {
        ok = writeItemAndMobFiles(outDir, questions, result);
    } catch (...) {
        joinWorkers();
        throw;
    }
    const bool threaded[2] = {workers[0].joinable(), workers[1].joinable()};
    joinWorkers();
    if (ok && !threaded[0])
        makeWorld();
    if (ok && !threaded[1])
        makeZone();
    for (Share* share : {&wld, &zon})
        if (share->failure)
            std::rethrow_exception(share->failure);
    if (!ok)
        return false; // what was written aside is removed with the shares

    for (Share* share : {&wld, &zon}) {
        warnings_.insert(warnings_.end(), share->warnings.begin(), share->warnings.end());
        if (!share->file->finish(questions, result))
            return false;
    }
    return true;
}

template <typename Make>
void Generator::makeShare(Share& share, Make make)
{
    const Lane lane{this, &share.warnings, &share.encoder};
    const FixedTables fixed(share.encoder);
    const Lane* const outer = currentLane;
    currentLane = &lane;
    try {
        make(share);
    } catch (...) {
        share.failure = std::current_exception();
    }
    currentLane = outer;
}

bool Generator::writeItemAndMobFiles(const std::string& outDir, Questions& questions, GenerateResult& result)
{
    const std::string zone = std::to_string(world_.zoneNumber);
    AreaBuffers buffers;
    {
        AreaFileOut file(outDir, zone + ".obj", buffers);
        for (const Item& item : world_.items) {
            item.WriteAreaText(file.text(), universe_, world_);
            file.recordDone();
        }
        file.text() += kEndMarker;
        if (!file.finish(questions, result))
            return false;
    }

    for (const Item& item : world_.items) {
        if (item.assemblyComponents.empty())
            continue;
        AreaFileOut file(outDir, std::to_string(item.vnum) + ".txt", buffers);
        for (const std::string& component : item.assemblyComponents) {
            file.text() += world_.itemVnumText(component);
            file.text() += '\n';
        }
        file.text() += "$\n";
        if (!file.finish(questions, result))
            return false;
    }

    AreaFileOut file(outDir, zone + ".mob", buffers);
    for (const Mob& mob : world_.mobs) {
        mob.WriteAreaText(file.text(), universe_);
        file.recordDone();
    }
    file.text() += kEndMarker;
    return file.finish(questions, result);
}

void Generator::writeWorldFile(Share& share, const std::string& outDir, const std::string& zone)
{
    AreaFileOut& file = share.file.emplace(outDir, zone + ".wld", share.buffers);
    for (const Room& room : world_.rooms) {
        room.WriteAreaText(file.text(), universe_, world_);
        file.recordDone();
    }
    file.text() += kEndMarker;
    file.close();
}

void Generator::writeZoneFile(Share& share, const std::string& outDir, const std::string& zone)
{
    AreaFileOut& file = share.file.emplace(outDir, zone + ".zon", share.buffers);
    std::string& text = file.text();
    text += "#" + zone + "\n" + world_.zoneName + "~\n";
    text += std::to_string(world_.maxRoomVnum) + " " + std::to_string(world_.repopTime) + " "
        + std::to_string(world_.repopMode) + " 0\n";
    for (const Room& room : world_.rooms) {
        room.WriteDoorResets(text, universe_, world_);
        if (!room.loads.empty()) {
            // The vnum of the room's Identifier, which may be an earlier room's of that name.
            const std::string roomVnum = world_.roomVnumText(room.identifier);
            for (const LoadAction& load : room.loads)
                load.WriteZoneCommand(text, universe_, world_, room.identifier, roomVnum);
        }
        file.recordDone();
    }
    text += "S\n$~\n";
    file.close();
}

} // namespace tarnholt
