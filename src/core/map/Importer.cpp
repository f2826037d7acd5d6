#include "map/Importer.h"

#include <algorithm>
#include <atomic>
#include <iterator>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include "app/Questions.h"
#include "generate/AreaText.h"
#include "universe/Universe.h"
#include "world/Files.h"
#include "world/World.h"

namespace tarnholt {

namespace {

constexpr std::string_view kEndMarker = "#99999";

// Headers are lines that start with "#": one per record, and the end marker. A "#" is rarer than a
// line end, so the "#"s are looked for and the line ends before them checked.
std::size_t countHeaders(std::string_view data)
{
    std::size_t headers = 0;
    for (std::size_t at = data.find('#'); at != std::string_view::npos; at = data.find('#', at + 1))
        if (at == 0 || data[at - 1] == '\n')
            ++headers;
    return headers;
}

// Room for one record per header (an upper bound), so a large file is read into place instead of
// into an array that keeps moving as it grows. A record takes more than a few bytes of text, so a
// file of nothing but "#" lines cannot make it reserve much more than a real file of its size would.
template <typename R>
void reserveFor(std::vector<R>& records, std::size_t headers, std::size_t bytes)
{
    constexpr std::size_t kFewestBytesPerRecord = 32;
    records.reserve(records.size() + std::min(headers, bytes / kFewestBytesPerRecord + 1));
}

// What the readers of a run said and asked, kept to be said and asked later, in the same order.
// Every question is taken as answered Yes until then.
template <typename R>
class Recorder : public Questions {
public:
    explicit Recorder(const std::vector<R>& records) : records_(records) {}

    struct Said {
        std::string text;
        bool question = false;
        bool defaultNo = false;
        std::size_t record = 0; // the record being read when it was said
    };

    void message(const std::string& text) override { said.push_back({text, false, false, reading()}); }
    bool askYesNo(const std::string& text, bool defaultNo) override
    {
        said.push_back({text, true, defaultNo, reading()});
        return true;
    }

    std::vector<Said> said;

private:
    // The record being read is the last one of the run's list.
    std::size_t reading() const { return records_.empty() ? 0 : records_.size() - 1; }

    const std::vector<R>& records_;
};

// How a run of records ended.
enum class RunEnd {
    EndMarker,   // at the "#99999" line
    GaveUp,      // the reader gave up on a record; it was taken off again
    ReachedStop, // at a header that starts where the run was told to stop
    Cancelled,   // told to stop early; nothing past the records read counts
    Refused,     // a question about a record was answered No: the reader gave up on it
};

struct Run {
    RunEnd end = RunEnd::GaveUp;
    int appended = 0;
    std::size_t headerAt = 0; // where the header of the record that ended the run starts
};

// Reads records of type R into `records` from `in`, whose next line is a header, until the end
// marker, a record the reader gives up on, a header that starts at `stopAt` or, with `cancel` set,
// the next record. Every record consumes at least one line, so the loop always ends.
template <typename R>
Run readRecords(LineReader& in, std::vector<R>& records, const Universe& universe, Questions& questions,
                std::size_t stopAt = std::string_view::npos, const std::atomic<bool>* cancel = nullptr)
{
    Run run;
    const typename R::FlagDecoders decoders(universe);
    std::string line;
    in.readLine(line);
    run.headerAt = in.lastLineStart();
    for (;;) {
        trimRightInPlace(line);
        if (line == kEndMarker) {
            run.end = RunEnd::EndMarker;
            return run;
        }
        if (run.headerAt == stopAt) {
            run.end = RunEnd::ReachedStop;
            return run;
        }
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            run.end = RunEnd::Cancelled;
            return run;
        }
        // Read in place; a record the reader gives up on is taken off again.
        std::string next = records.emplace_back().ReadAreaText(in, universe, decoders, line, questions);
        if (next.empty()) {
            records.pop_back();
            run.end = RunEnd::GaveUp;
            return run;
        }
        ++run.appended;
        line = std::move(next);
        run.headerAt = in.lastLineStart(); // the readers end on the next record's header
    }
}

// The later part of a file, read on a thread of its own while the earlier part is read. What its
// readers say and ask is kept, with every question taken as answered Yes, and said and asked once
// the earlier part is done; the first No ends the import at that record, as it would have in order.
// A record the reader gives up on ends the part: it is read again in order, with its questions.
template <typename R>
class LaterPart {
public:
    LaterPart(std::string_view data, std::size_t from, const Universe& universe)
    {
        thread_ = std::thread([this, data, from, &universe] {
            try {
                records_.reserve(countHeaders(data.substr(from)));
                LineReader in(data);
                in.seek(from);
                run_ = readRecords(in, records_, universe, recorder_, std::string_view::npos, &cancel_);
            } catch (...) {
                failed_ = true; // (out of memory) the part is read again in order
            }
        });
    }
    ~LaterPart() { cancel(); }
    LaterPart(const LaterPart&) = delete;
    LaterPart& operator=(const LaterPart&) = delete;

    void cancel()
    {
        cancel_ = true;
        if (thread_.joinable())
            thread_.join();
    }

    // Waits for the part, then adds its records to `records` and says and asks what its readers did.
    // The run says how the part ended: given up on at a record (or not read at all, at its start) when
    // the reading goes on in order from there.
    Run finishInto(std::vector<R>& records, Questions& questions, std::size_t from)
    {
        if (thread_.joinable())
            thread_.join();
        if (failed_)
            return Run{RunEnd::GaveUp, 0, from};
        // What was said while reading a record given up on is said again when it is read again.
        std::size_t kept = static_cast<std::size_t>(run_.appended);
        for (const typename Recorder<R>::Said& said : recorder_.said) {
            if (said.record >= kept)
                break;
            if (!said.question) {
                questions.message(said.text);
            } else if (!questions.askYesNo(said.text, said.defaultNo)) {
                // No: the reader gives up on this record, and the import ends.
                kept = said.record;
                run_ = Run{RunEnd::Refused, static_cast<int>(kept), 0};
            }
        }
        records.insert(records.end(), std::make_move_iterator(records_.begin()),
                       std::make_move_iterator(records_.begin() + static_cast<std::ptrdiff_t>(kept)));
        return run_;
    }

private:
    std::vector<R> records_;
    Recorder<R> recorder_{records_};
    Run run_;
    bool failed_ = false;
    std::atomic<bool> cancel_ = false;
    std::thread thread_;
};

// Below this size a file is read in one piece: a thread would cost more than it saves.
constexpr std::size_t kSplitFromBytes = std::size_t(1) << 18;

template <typename R>
ImportResult importRecords(std::string_view data, std::vector<R>& records, const Universe& universe,
                           Questions& questions, ImportKind kind, std::size_t splitHint)
{
    ImportResult result;
    result.opened = true;

    // The later part starts at the first header from the hint on. It counts only if the reading of
    // the earlier part comes to that very line as a record's header; a "#" line inside a text, say,
    // is never reached that way, and then the earlier part's reading simply goes on over it.
    std::optional<LaterPart<R>> later;
    std::size_t split = std::string_view::npos;
    if (splitHint > 0 && splitHint < data.size()) {
        const std::size_t feed = data.find("\n#", splitHint - 1);
        if (feed != std::string_view::npos) {
            split = feed + 1;
            try {
                later.emplace(data, split, universe);
            } catch (const std::system_error&) {
                split = std::string_view::npos; // no thread to be had: one piece it is
            }
        }
    }

    // Measured while the later part is already being read.
    reserveFor(records, countHeaders(data), data.size());

    LineReader in(data);
    Run run = readRecords(in, records, universe, questions, split);
    result.appended += run.appended;
    if (later) {
        if (run.end != RunEnd::ReachedStop) {
            later->cancel();
        } else {
            run = later->finishInto(records, questions, split);
            result.appended += run.appended;
            if (run.end == RunEnd::GaveUp) {
                // Where the later part stopped, the reading goes on in order.
                in.seek(run.headerAt);
                run = readRecords(in, records, universe, questions);
                result.appended += run.appended;
            }
        }
        later.reset();
    }

    if (run.end == RunEnd::EndMarker) {
        result.endMarker = true;
    } else {
        result.dropped = true;
        result.message = std::string(unreadableRecordMessage(kind));
        questions.message(result.message);
    }
    return result;
}

} // namespace

std::string_view unreadableRecordMessage(ImportKind kind)
{
    return kind == ImportKind::Items ? "Unexpected data found." : "Unexpected fields found.";
}

ImportResult importAreaText(std::string_view data, World& world, Universe& universe, Questions& questions,
                            ImportKind kind)
{
    return importAreaText(data, world, universe, questions, kind, data.size() >= kSplitFromBytes ? data.size() / 2 : 0);
}

ImportResult importAreaText(std::string_view data, World& world, const Universe& universe, Questions& questions,
                            ImportKind kind, std::size_t splitAt)
{
    if (kind == ImportKind::Items)
        return importRecords(data, world.items, universe, questions, kind, splitAt);
    return importRecords(data, world.mobs, universe, questions, kind, splitAt);
}

ImportResult importAreaFile(const std::string& path, World& world, Universe& universe, Questions& questions,
                            ImportKind kind)
{
    std::string data;
    const FileError error = readWholeFile(path, data);
    if (error != FileError::None) {
        ImportResult result;
        result.message = fileErrorMessage(error, path);
        questions.message(result.message);
        return result;
    }
    return importAreaText(data, world, universe, questions, kind);
}

} // namespace tarnholt
