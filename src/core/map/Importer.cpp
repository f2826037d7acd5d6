#include "map/Importer.h"

#include <algorithm>

#include "app/Questions.h"
#include "generate/AreaText.h"
#include "universe/Universe.h"
#include "world/Files.h"
#include "world/World.h"

namespace tarnholt {

namespace {

constexpr std::string_view kEndMarker = "#99999";

// Reads records of type R into `records` until the end marker, the end of the data or a record the
// reader gives up on. Every record consumes at least one line, so the loop always ends.
template <typename R>
ImportResult importRecords(std::string_view data, std::vector<R>& records, Universe& universe,
                           Questions& questions, ImportKind kind)
{
    ImportResult result;
    result.opened = true;
    // Room for one record per line that starts with "#" (an upper bound, the end marker included),
    // so a large file is read into place instead of into an array that keeps moving as it grows. A
    // record takes more than a few bytes of text, so a file of nothing but "#" lines cannot make it
    // reserve much more than a real file of its size would need.
    constexpr std::size_t kFewestBytesPerRecord = 32;
    std::size_t headers = !data.empty() && data.front() == '#' ? 1 : 0;
    for (std::size_t at = data.find("\n#"); at != std::string_view::npos; at = data.find("\n#", at + 2))
        ++headers;
    records.reserve(records.size() + std::min(headers, data.size() / kFewestBytesPerRecord + 1));
    LineReader in(data);
    std::string line;
    in.readLine(line);
    for (;;) {
        trimRightInPlace(line);
        if (line == kEndMarker) {
            result.endMarker = true;
            break;
        }
        // Read in place; a record the reader gives up on is taken off again.
        std::string next = records.emplace_back().ReadAreaText(in, universe, line, questions);
        if (next.empty()) {
            records.pop_back();
            result.dropped = true;
            result.message = std::string(unreadableRecordMessage(kind));
            questions.message(result.message);
            break;
        }
        ++result.appended;
        line = std::move(next);
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
    if (kind == ImportKind::Items)
        return importRecords(data, world.items, universe, questions, kind);
    return importRecords(data, world.mobs, universe, questions, kind);
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
