#include "world/Document.h"

#include "world/Archive.h"
#include "world/Files.h"

namespace tarnholt {

namespace {
constexpr const char* kUnexpectedFormat = "Unexpected file format.";
}

Document::Document() { newDocument(); }

std::string Document::title() const { return path_.empty() ? std::string("Untitled") : fileNameOf(path_); }

void Document::newDocument()
{
    world_ = std::make_unique<World>();
    universe_ = std::make_unique<Universe>();
    path_.clear();
    modified_ = false;
}

std::string Document::basePathFor(const std::string& path)
{
    // Only the file name's extension is cut: dots in folder names stay.
    auto slash = path.find_last_of('/');
    auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return path;
    return path.substr(0, dot);
}

World Document::loadWorld(const std::string& bytes)
{
    Archive ar(bytes);
    World world;
    world.Serialize(ar);
    return world;
}

std::string Document::storeWorld(World& world)
{
    Archive ar;
    world.Serialize(ar);
    return ar.takeData();
}

std::string Document::open(const std::string& path)
{
    FileReader file;
    FileError error = file.open(path);
    if (error != FileError::None)
        return fileErrorMessage(error, path);

    // Load into a fresh World, a window of the file at a time, and swap only when all of it was read.
    auto world = std::make_unique<World>();
    if (file.size() > 0) {
        try {
            Archive ar([&file](char* into, std::size_t count) { return file.read(into, count); }, file.size());
            world->Serialize(ar);
        } catch (const ArchiveError&) {
            if (file.error() != FileError::None)
                return fileErrorMessage(file.error(), path);
            return kUnexpectedFormat;
        } catch (const std::bad_alloc&) {
            return kUnexpectedFormat;
        } catch (const std::length_error&) {
            return kUnexpectedFormat;
        }
    }
    world->basePath = basePathFor(path);
    world_ = std::move(world);
    universe_ = std::make_unique<Universe>();
    path_ = path;
    modified_ = false;
    return {};
}

std::string Document::save(const std::string& path)
{
    std::string previousBase = world_->basePath;
    world_->basePath = basePathFor(path);
    // The archive goes to disk in pieces as it is made: a piece is written while the next is made.
    BackgroundFileWriter writer(path);
    if (writer.openError() == FileError::None) {
        Archive ar([&writer](std::string& piece) { writer.write(piece); }, std::size_t(1) << 20);
        world_->Serialize(ar);
        ar.flush();
    }
    FileError error = writer.commit();
    if (error != FileError::None) {
        world_->basePath = previousBase;
        return fileErrorMessage(error, path);
    }
    path_ = path;
    modified_ = false;
    return {};
}

} // namespace tarnholt
