#include "world/Files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <mutex>
#include <pthread.h>
#include <system_error>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "world/Encoding.h"
#include "world/MarkedCopy.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace tarnholt {

namespace {

std::string substitute(std::string_view pattern, std::string_view fileName)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == '1') {
            out += fileName;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

FileError fromErrno(int err, bool writing)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return writing ? FileError::AccessDenied : FileError::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return writing ? FileError::AccessDenied : FileError::SharingViolation;
    case ETXTBSY:
    case EBUSY:
        return writing ? FileError::AccessDenied : FileError::SharingViolation;
    case ENOSPC:
    case EDQUOT:
        return FileError::DiskFull;
    default:
        return writing ? FileError::WriteFailed : FileError::ReadFailed;
    }
}

bool writeAll(int fd, std::string_view data, int& err)
{
    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::string fileErrorMessage(FileError error, std::string_view fileName)
{
    switch (error) {
    case FileError::None:
        return {};
    case FileError::NotFound:
        return substitute("%1\nCannot find this file.\nPlease verify that the correct path and file name are given.",
                          fileName);
    case FileError::SharingViolation:
        return substitute("Unable to read from %1, it is opened by someone else.", fileName);
    case FileError::AccessDenied:
        return substitute("Unable to write to %1, it is read-only or opened by someone else.", fileName);
    case FileError::DiskFull:
        return "Destination disk drive is full.";
    case FileError::ReadFailed:
        return substitute("An unexpected error occurred while reading %1.", fileName);
    case FileError::WriteFailed:
        return substitute("An unexpected error occurred while writing %1.", fileName);
    }
    return {};
}

FileError readWholeFile(const std::string& path, std::string& out)
{
    out.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return fromErrno(errno, false);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return FileError::ReadFailed;
    }
    // Read straight into the result: the size the file has now, then whatever it grew by since.
    std::size_t size = st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0;
    out.resize(std::max<std::size_t>(size + 1, 65536)); // one byte more lets the last read see the end
    std::size_t used = 0;
    for (;;) {
        if (used == out.size())
            out.resize(out.size() * 2);
        ssize_t n = ::read(fd, out.data() + used, out.size() - used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int err = errno;
            ::close(fd);
            out.clear();
            return fromErrno(err, false);
        }
        if (n == 0)
            break;
        used += static_cast<std::size_t>(n);
    }
    out.resize(used);
    ::close(fd);
    return FileError::None;
}

FileReader::~FileReader()
{
    if (fd_ >= 0)
        ::close(fd_);
}

FileError FileReader::open(const std::string& path)
{
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        return fromErrno(errno, false);
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        return fromErrno(errno, false);
    if (S_ISDIR(st.st_mode))
        return FileError::ReadFailed;
    size_ = st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0;
    return FileError::None;
}

std::size_t FileReader::read(char* into, std::size_t count)
{
    if (fd_ < 0 || error_ != FileError::None)
        return 0;
    for (;;) {
        const ssize_t n = ::read(fd_, into, count);
        if (n >= 0)
            return static_cast<std::size_t>(n);
        if (errno != EINTR) {
            error_ = fromErrno(errno, false);
            return 0;
        }
    }
}

namespace {

// A replaced file's contents are freed by the kernel when its last descriptor is closed: for a file
// of megabytes that takes milliseconds (a 200 MB document about 45 ms). The writer keeps the old
// file open across the rename and hands the descriptor here, to be closed on a thread of its own,
// so that the program goes on at once. The files are gone from their folder already; only their
// space comes back a little later.
class Releaser {
public:
    static Releaser& instance()
    {
        // Never destroyed: the thread may still run while the program exits.
        static Releaser* const releaser = [] {
            made_ = new Releaser;
            // A forked child has no thread of its own yet, and must not inherit a held lock.
            ::pthread_atfork([] { made_->mutex_.lock(); }, [] { made_->mutex_.unlock(); },
                             [] {
                                 // The child's copies of what still waited; the parent closes its own.
                                 for (int fd : made_->waiting_)
                                     ::close(fd);
                                 made_->waiting_.clear();
                                 made_->running_ = false;
                                 made_->held_ = 0;
                                 made_->mutex_.unlock();
                             });
            return made_;
        }();
        return *releaser;
    }

    void release(int fd)
    {
        std::unique_lock lock(mutex_);
        if (!running_) {
            try {
                std::thread([this] { run(); }).detach();
                running_ = true;
            } catch (const std::system_error&) {
                lock.unlock();
                ::close(fd);
                return;
            }
        }
        waiting_.push_back(fd);
        lock.unlock();
        wake_.notify_one();
    }

    void hold()
    {
        const std::lock_guard lock(mutex_);
        ++held_;
    }

    void unhold()
    {
        {
            const std::lock_guard lock(mutex_);
            if (held_ > 0) // a forked child starts with none held
                --held_;
        }
        wake_.notify_one();
    }

private:
    void run()
    {
        for (;;) {
            std::vector<int> closing;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return !waiting_.empty() && held_ == 0; });
                closing.swap(waiting_);
            }
            for (int fd : closing)
                ::close(fd);
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<int> waiting_;
    int held_ = 0; // while above 0, what waits is kept
    bool running_ = false;
    static inline Releaser* made_ = nullptr;
};

// Files smaller than this are simply replaced. (On a virtual disk, the rename over a zone file of
// 0.95 MB took 4.5 ms, most of it the freeing of the old contents.)
constexpr off_t kReleaseAsideBytes = 128 << 10;

} // namespace

ReleaseAfterwards::ReleaseAfterwards()
{
    Releaser::instance().hold();
}

ReleaseAfterwards::~ReleaseAfterwards()
{
    Releaser::instance().unhold();
}

AtomicFileWriter::AtomicFileWriter(std::string path, Durability durability)
    : path_(std::move(path)), durability_(durability)
{
    // One fixed temporary name per target: a temporary left by a save that was killed midway is
    // simply replaced by the next save, so none accumulate.
    temp_ = joinPath(directoryOf(path_), "." + fileNameOf(path_) + ".saving");
    const auto create = [this] { return ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666); };
    fd_ = create();
    if (fd_ < 0 && errno == EEXIST) {
        ::unlink(temp_.c_str());
        fd_ = create();
    }
    if (fd_ < 0)
        error_ = fromErrno(errno, true);
}

AtomicFileWriter::~AtomicFileWriter()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!committed_)
        ::unlink(temp_.c_str());
}

void AtomicFileWriter::fail(int err)
{
    if (error_ == FileError::None)
        error_ = fromErrno(err, true);
}

void AtomicFileWriter::write(std::string_view data)
{
    if (error_ != FileError::None || fd_ < 0)
        return;
    int err = 0;
    if (!writeAll(fd_, data, err)) {
        fail(err);
        return;
    }
    written_ += data.size();
#ifdef SYNC_FILE_RANGE_WRITE
    // Start the disk writes of what is in now, without waiting for them: the flush at commit then
    // finds most of the file already on its way instead of all of it still to do.
    if (durability_ == Durability::OnDisk && written_ - writebackFrom_ >= kStartWritebackBytes) {
        ::sync_file_range(fd_, static_cast<off_t>(writebackFrom_), static_cast<off_t>(written_ - writebackFrom_),
                          SYNC_FILE_RANGE_WRITE);
        writebackFrom_ = written_;
    }
#endif
}

FileError AtomicFileWriter::commit()
{
    if (fd_ < 0)
        return error_;
    if (error_ == FileError::None && durability_ == Durability::OnDisk && ::fsync(fd_) != 0)
        fail(errno);
    if (::close(fd_) != 0)
        fail(errno);
    fd_ = -1;
    if (error_ != FileError::None) {
        ::unlink(temp_.c_str());
        return error_;
    }
    // Keep the permissions of the file being replaced.
    struct stat st {};
    int replaced = -1;
    if (::stat(path_.c_str(), &st) == 0) {
        ::chmod(temp_.c_str(), st.st_mode & 07777);
        if (S_ISREG(st.st_mode) && st.st_size >= kReleaseAsideBytes)
            replaced = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    }
    if (::rename(temp_.c_str(), path_.c_str()) != 0) {
        fail(errno);
        ::unlink(temp_.c_str());
        if (replaced >= 0)
            ::close(replaced);
        return error_;
    }
    committed_ = true;
    if (replaced >= 0)
        Releaser::instance().release(replaced);
    if (durability_ != Durability::OnDisk)
        return FileError::None;
    // Make the rename itself durable.
    std::string dir = directoryOf(path_);
    int dfd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return FileError::None;
}

BackgroundFileWriter::BackgroundFileWriter(std::string path, Durability durability)
    : file_(std::move(path), durability), openError_(file_.error())
{
    if (openError_ != FileError::None)
        return;
    try {
        thread_ = std::thread([this] { run(); });
    } catch (const std::system_error&) {
        // No thread to be had: `write` puts each piece in the file itself.
    }
}

BackgroundFileWriter::~BackgroundFileWriter() { stop(true); }

void BackgroundFileWriter::stop(bool dropWaiting)
{
    if (!thread_.joinable())
        return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        dropWaiting_ = dropWaiting;
    }
    changed_.notify_all();
    thread_.join();
}

void BackgroundFileWriter::write(std::string& piece)
{
    if (!thread_.joinable()) {
        file_.write(piece);
        piece.clear();
        return;
    }
    std::string emptied;
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return waiting_.size() < kWaitingPieces; });
        waiting_.push_back(std::move(piece));
        if (!spare_.empty()) {
            emptied = std::move(spare_.back());
            spare_.pop_back();
        }
    }
    changed_.notify_all();
    emptied.clear();
    piece = std::move(emptied);
}

void BackgroundFileWriter::run()
{
    for (;;) {
        std::string piece;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return !waiting_.empty() || stopping_; });
            if (waiting_.empty() || dropWaiting_)
                return;
            piece = std::move(waiting_.front());
            waiting_.pop_front();
        }
        changed_.notify_all();
        file_.write(piece);
        std::lock_guard lock(mutex_);
        spare_.push_back(std::move(piece));
    }
}

FileError BackgroundFileWriter::commit()
{
    stop(false);
    return file_.commit();
}

FileError writeFileAtomically(const std::string& path, std::string_view data, Durability durability)
{
    AtomicFileWriter writer(path, durability);
    writer.write(data);
    return writer.commit();
}

namespace {

char* copyWithCrLfByLine(const char* from, const char* end, char* to)
{
    return copyMarked(from, end, to, '\n', [](const char*& at, char*& out) {
        *out++ = '\r';
        *out++ = '\n';
        ++at;
    });
}

#if defined(__x86_64__) && defined(__GNUC__)
// Eight bytes at a time without a branch on their contents: which of them are line feeds picks a
// shuffle that spreads them out with a gap before each line feed, and the carriage returns that
// fill the gaps. Area text has a line feed every twenty bytes or so, too often for a copy that
// stops at each one to guess right where the next is.
struct CrLfTables {
    unsigned char shuffle[256][16];
    unsigned char carriage[256][16];
    unsigned char length[256];
};

constexpr CrLfTables makeCrLfTables()
{
    CrLfTables tables{};
    for (unsigned feeds = 0; feeds < 256; ++feeds) {
        unsigned out = 0;
        for (unsigned byte = 0; byte < 8; ++byte) {
            if (feeds & (1u << byte)) {
                tables.shuffle[feeds][out] = 0x80; // a zero byte, where the carriage return goes
                tables.carriage[feeds][out] = '\r';
                ++out;
            }
            tables.shuffle[feeds][out++] = static_cast<unsigned char>(byte);
        }
        for (unsigned rest = out; rest < 16; ++rest)
            tables.shuffle[feeds][rest] = 0x80;
        tables.length[feeds] = static_cast<unsigned char>(out);
    }
    return tables;
}

alignas(64) constexpr CrLfTables kCrLfTables = makeCrLfTables();

__attribute__((target("ssse3"))) char* copyWithCrLfSpread(const char* from, const char* end, char* to)
{
    const __m128i feed = _mm_set1_epi8('\n');
    while (end - from >= 8) {
        const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(from));
        const auto feeds = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, feed))) & 0xffu;
        const __m128i spread = _mm_shuffle_epi8(
            bytes, _mm_loadu_si128(reinterpret_cast<const __m128i*>(kCrLfTables.shuffle[feeds])));
        const __m128i filled =
            _mm_or_si128(spread, _mm_loadu_si128(reinterpret_cast<const __m128i*>(kCrLfTables.carriage[feeds])));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to), filled);
        to += kCrLfTables.length[feeds];
        from += 8;
    }
    return copyWithCrLfByLine(from, end, to);
}

bool canSpread()
{
    static const bool can = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("ssse3") != 0;
    }();
    return can;
}
#endif

} // namespace

char* copyWithCrLf(std::string_view text, char* out)
{
    const char* from = text.data();
    const char* end = from + text.size();
#if defined(__x86_64__) && defined(__GNUC__)
    if (canSpread())
        return copyWithCrLfSpread(from, end, out);
#endif
    return copyWithCrLfByLine(from, end, out);
}

std::string toCrLf(std::string_view data)
{
    std::string out(crLfRoomFor(data.size()), '\0');
    out.resize(static_cast<std::size_t>(copyWithCrLf(data, out.data()) - out.data()));
    return out;
}

std::string directoryOf(const std::string& path)
{
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return {};
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string fileNameOf(const std::string& path)
{
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string joinPath(const std::string& dir, const std::string& name)
{
    if (dir.empty())
        return name;
    if (dir.back() == '/')
        return dir + name;
    return dir + "/" + name;
}

} // namespace tarnholt
