#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

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

/// A file open for reading from start to end, a piece at a time.
class FileReader {
public:
    FileReader() = default;
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    /// Opens `path` (a folder cannot be read); its size is taken now.
    FileError open(const std::string& path);
    std::size_t size() const { return size_; }
    /// Reads up to `count` bytes into `into`: how many were read, 0 at the end or after an error.
    std::size_t read(char* into, std::size_t count);
    /// The first error met while reading.
    FileError error() const { return error_; }

private:
    int fd_ = -1;
    std::size_t size_ = 0;
    FileError error_ = FileError::None;
};

/// How far a finished file is pushed before it replaces the old one. A builder's own work (the
/// document, the template library) goes to the disk itself before the rename, so that not even a
/// power cut can take the old version without leaving the new one. Files made from the document
/// (area files, component lists) only leave the program's buffers: a killed program still leaves
/// the complete old or new file, and after a power cut they are made again from the document.
enum class Durability { OnDisk, Regenerable };

/// Writes a file aside and renames it into place: the data goes to a temporary file beside `path`
/// as it comes; `commit` flushes it to disk and renames it over `path`. A writer destroyed without a
/// successful commit removes its temporary, so `path` keeps its old contents. A replaced file of
/// 128 KiB or more is let go on a thread of its own, where the kernel frees its old contents.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string path, Durability durability = Durability::OnDisk);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    /// Appends bytes; after a failure, further writes do nothing and `commit` reports the error.
    void write(std::string_view data);
    /// Flushes, closes and renames the temporary over the target.
    FileError commit();
    /// The first error met so far (opening included).
    FileError error() const { return error_; }

private:
    void fail(int err);

    // Disk writes are started whenever this much has been written since they were last started.
    static constexpr std::size_t kStartWritebackBytes = 1024 * 1024;

    std::string path_;
    std::string temp_;
    int fd_ = -1;
    std::size_t written_ = 0;
    std::size_t writebackFrom_ = 0; // where the bytes whose disk writes are not started yet begin
    Durability durability_;
    FileError error_ = FileError::None;
    bool committed_ = false;
};

/// While one lives, the replaced files that `AtomicFileWriter::commit` lets go of are kept open, and
/// let go when the last one ends. The kernel's freeing of one file's old contents would otherwise
/// hold up the rename of the next: for renames made one after the other.
class ReleaseAfterwards {
public:
    ReleaseAfterwards();
    ~ReleaseAfterwards();
    ReleaseAfterwards(const ReleaseAfterwards&) = delete;
    ReleaseAfterwards& operator=(const ReleaseAfterwards&) = delete;
};

/// An AtomicFileWriter fed from a thread of its own: `write` hands over a piece and returns at once,
/// so the next piece is made while the last one goes into the file. At most `kWaitingPieces` wait
/// at a time, and their buffers come back to `write` to be filled again. Errors are those of the
/// file writer: the first one stops the writing and `commit` reports it. A writer destroyed
/// without a commit drops what still waits and removes its temporary.
class BackgroundFileWriter {
public:
    explicit BackgroundFileWriter(std::string path, Durability durability = Durability::OnDisk);
    ~BackgroundFileWriter();
    BackgroundFileWriter(const BackgroundFileWriter&) = delete;
    BackgroundFileWriter& operator=(const BackgroundFileWriter&) = delete;

    /// Takes the contents of `piece` and leaves it empty (with the memory of an earlier piece, when
    /// one has been written).
    void write(std::string& piece);
    /// Waits for the waiting pieces to be written, then commits the file.
    FileError commit();
    /// The error of opening the temporary; later errors are known at `commit`.
    FileError openError() const { return openError_; }

    static constexpr std::size_t kWaitingPieces = 3;

private:
    void run();
    void stop(bool dropWaiting);

    AtomicFileWriter file_;
    FileError openError_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::string> waiting_;
    std::vector<std::string> spare_;
    bool stopping_ = false;
    bool dropWaiting_ = false;
    std::thread thread_; // not running when the temporary could not be made or no thread could start
};

/// Writes `data` to a temporary file beside `path`, flushes it to disk and renames it over `path`,
/// so `path` holds either its old contents or all of the new ones. The temporary is removed on failure.
FileError writeFileAtomically(const std::string& path, std::string_view data,
                              Durability durability = Durability::OnDisk);

/// `data` with every "\n" written as "\r\n", as text files reach the disk.
std::string toCrLf(std::string_view data);

/// Room `copyWithCrLf` needs at `out` for `size` bytes of text: each byte may become two, and a
/// block of 16 may be stored past the end.
constexpr std::size_t crLfRoomFor(std::size_t size) { return 2 * size + 16; }

/// Copies `text` to `out` with every "\n" written as "\r\n"; `out` has `crLfRoomFor(text.size())`
/// bytes. Returns the end of what was written.
char* copyWithCrLf(std::string_view text, char* out);

/// The folder part of a path ("" for a bare file name), and the file name part.
std::string directoryOf(const std::string& path);
std::string fileNameOf(const std::string& path);
/// `dir` joined with `name` ("name" alone when `dir` is empty).
std::string joinPath(const std::string& dir, const std::string& name);

} // namespace tarnholt
