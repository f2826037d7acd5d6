#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarnholt {

class Questions;
class Universe;
class World;

/// What an area file holds: items (".obj") or mobs (".mob").
enum class ImportKind { Items, Mobs };

/// What one import did. The caller marks the document modified and repaints in every case once a
/// file was chosen, even when nothing was appended.
struct ImportResult {
    bool opened = false;   // the file could be read
    int appended = 0;      // records appended to the World, in file order
    bool dropped = false;  // the reader gave up on a record; it was discarded and the import ended
    bool endMarker = false; // the import ended at the "#99999" line
    std::string message;   // the message shown to the user, "" when none

    bool operator==(const ImportResult&) const = default;
};

/// Appends every item or mob of the area file at `path` to the World, until the "#99999" end
/// marker. A record the reader gives up on is dropped with "Unexpected data found." (items) or
/// "Unexpected fields found." (mobs); records before it stay. A file that cannot be read is
/// reported with a message naming it. Messages and the readers' questions go through `questions`.
ImportResult importAreaFile(const std::string& path, World& world, Universe& universe, Questions& questions,
                            ImportKind kind);

/// The same for the contents of an area file already in memory (no file message).
ImportResult importAreaText(std::string_view data, World& world, Universe& universe, Questions& questions,
                            ImportKind kind);

/// The same, reading the records from the first header at or after `splitAt` on a second thread
/// while the earlier ones are read (0: all in order). Files of a few hundred KB and more are read so.
/// Records, questions, messages and result are the same as when read in order, wherever the split.
ImportResult importAreaText(std::string_view data, World& world, const Universe& universe, Questions& questions,
                            ImportKind kind, std::size_t splitAt);

/// The message shown when a record of the kind cannot be read.
std::string_view unreadableRecordMessage(ImportKind kind);

} // namespace tarnholt
