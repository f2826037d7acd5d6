#pragma once

#include <memory>
#include <string>

#include "universe/Universe.h"
#include "world/World.h"

namespace tarnholt {

/// The one open document: a World and its Universe, the file path and the modified flag.
/// New, open and save are here; the editor wraps it with dialogs and message boxes.
class Document {
public:
    Document();

    World& world() { return *world_; }
    const World& world() const { return *world_; }
    Universe& universe() { return *universe_; }
    const Universe& universe() const { return *universe_; }

    /// The document's file path; empty for a document never saved or opened.
    const std::string& path() const { return path_; }
    /// The file name of the path, or "Untitled".
    std::string title() const;

    bool isModified() const { return modified_; }
    void setModified(bool modified = true) { modified_ = modified; }

    /// A new default World and Universe, no path, not modified.
    void newDocument();

    /// Opens `path`. On success the World and Universe are replaced, the path and base path set and the
    /// modified flag cleared, and "" is returned. On failure the open document is left exactly as it was
    /// and the user's message is returned ("Unexpected file format." or a file message).
    std::string open(const std::string& path);

    /// Sets the base path from `path`, then writes the World there (beside it, then renamed into place).
    /// Returns "" on success (path set, modified cleared) or the user's message.
    std::string save(const std::string& path);

    /// The base path of a document path: the path without the extension of its file name.
    static std::string basePathFor(const std::string& path);

    /// Loads a World from archive bytes; throws ArchiveError when they are not a whole world file.
    static World loadWorld(const std::string& bytes);
    /// The archive bytes of a World.
    static std::string storeWorld(World& world);

private:
    std::unique_ptr<World> world_;
    std::unique_ptr<Universe> universe_;
    std::string path_;
    bool modified_ = false;
};

} // namespace tarnholt
