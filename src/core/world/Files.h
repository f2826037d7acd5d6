#pragma once

#include <string>
#include <string_view>

namespace tarnholt {

/// Why a file could not be read or written, in the terms the user is told.
enum class FileError {
    None,
    NotFound,        // "%1\nCannot find this file.\n..."
    SharingViolation,// "Unable to read from %1, it is opened by someone else."
    AccessDenied,    // "Unable to write to %1, it is read-only or opened by someone else."
    DiskFull,        // "Destination disk drive is full."
    ReadFailed,      // "An unexpected error occurred while reading %1."
    WriteFailed,     // "An unexpected error occurred while writing %1."
};

/// The user's message for a file error, with the file name for %1.
std::string fileErrorMessage(FileError error, std::string_view fileName);

/// Reads a whole file into `out`.
FileError readWholeFile(const std::string& path, std::string& out);

/// Writes `data` to a temporary file beside `path`, flushes it to disk and renames it over `path`,
/// so `path` holds either its old contents or all of the new ones. The temporary is removed on failure.
FileError writeFileAtomically(const std::string& path, std::string_view data);

/// `data` with every "\n" written as "\r\n", as text files reach the disk.
std::string toCrLf(std::string_view data);

/// The folder part of a path ("" for a bare file name), and the file name part.
std::string directoryOf(const std::string& path);
std::string fileNameOf(const std::string& path);
/// `dir` joined with `name` ("name" alone when `dir` is empty).
std::string joinPath(const std::string& dir, const std::string& name);

} // namespace tarnholt
