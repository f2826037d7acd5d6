#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarnholt {

/// Raised when an archive ends before a primitive could be read in full.
class ArchiveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The byte encoding of world documents and the template library: little-endian ints,
/// length-prefixed 8-bit strings and the two list forms. An archive either stores (into memory or
/// through a sink) or loads (from memory or from a source read a window at a time).
class Archive {
public:
    /// An archive that stores into an empty buffer.
    Archive();
    /// An archive that loads from `data`, which must outlive it.
    explicit Archive(std::string_view data);
    /// An archive that stores through `sink`, handing it the bytes in pieces of about `chunkSize`
    /// (so a large World is never held whole in memory); `flush` hands over the rest. The sink may
    /// take the piece's contents, leaving the string empty with memory of its own or none.
    using Sink = std::function<void(std::string& piece)>;
    Archive(Sink sink, std::size_t chunkSize);
    void flush();
    /// An archive that loads `size` bytes from `source`, which reads up to `count` bytes into `into`
    /// and returns how many it read (0 at the end). They are read a window at a time, so a large
    /// file is never held whole in memory; a source that gives fewer bytes ends the data early. A
    /// value longer than `window` gets a window of its own size.
    using Source = std::function<std::size_t(char* into, std::size_t count)>;
    static constexpr std::size_t kDefaultWindow = std::size_t(1) << 16;
    Archive(Source source, std::size_t size, std::size_t window = kDefaultWindow);

    bool isLoading() const { return loading_; }
    bool isStoring() const { return !loading_; }

    // The per-field calls are inline: a large World stores millions of them.
    void writeInt(int32_t value) { writeDword(static_cast<uint32_t>(value)); }
    void writeWord(uint16_t value);
    void writeByte(uint8_t value) { out_ += static_cast<char>(value); }
    void writeDword(uint32_t value)
    {
        const char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                               static_cast<char>((value >> 16) & 0xFF), static_cast<char>((value >> 24) & 0xFF)};
        out_.append(bytes, 4);
        maybeFlush();
    }
    void writeBytes(const char* data, std::size_t size)
    {
        out_.append(data, size);
        maybeFlush();
    }
    void writeString(std::string_view text)
    {
        if (text.size() < 0xFF) {
            out_ += static_cast<char>(text.size());
            out_.append(text.data(), text.size());
            maybeFlush();
        } else {
            writeLongString(text);
        }
    }
    void writeStringList(const std::vector<std::string>& list);
    void writeIntList(const std::vector<int32_t>& list);

    int32_t readInt() { return static_cast<int32_t>(readDword()); }
    uint16_t readWord();
    uint8_t readByte();
    uint32_t readDword()
    {
        need(4);
        const auto* p = reinterpret_cast<const unsigned char*>(in_.data() + pos_);
        pos_ += 4;
        return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16)
            | (static_cast<uint32_t>(p[3]) << 24);
    }
    void readBytes(char* data, std::size_t size);
    /// Reads past the next bytes if they are `bytes`, and says whether it did. With fewer bytes
    /// left than that the answer is no, and nothing is read.
    bool skipIfNext(std::string_view bytes)
    {
        if (bytes.size() > remaining())
            return false;
        need(bytes.size());
        if (in_.substr(pos_, bytes.size()) != bytes)
            return false;
        pos_ += bytes.size();
        return true;
    }
    std::string readString();
    /// Reads a string into `out`, reusing its memory.
    void readStringInto(std::string& out);
    /// Empties the list, then reads a count and that many strings (none for a count of 0 or below).
    void readStringList(std::vector<std::string>& list);
    void readIntList(std::vector<int32_t>& list);

    /// Both directions: stores the value, or loads into it.
    void serialize(int32_t& value)
    {
        if (loading_)
            value = readInt();
        else
            writeInt(value);
    }
    void serialize(std::string& text)
    {
        if (loading_)
            readStringInto(text);
        else
            writeString(text);
    }
    void serializeStringList(std::vector<std::string>& list);
    void serializeIntList(std::vector<int32_t>& list);

    /// The bytes stored so far.
    const std::string& data() const { return out_; }
    std::string takeData() { return std::move(out_); }
    /// The bytes left to load (for a source, those it has not given yet included).
    std::size_t remaining() const { return in_.size() - pos_ + sourceLeft_; }
    /// How many of `count` items read next to make room for: no more than the bytes left could hold
    /// at `fewestBytes` each, so a damaged count fails at the end of the data, not in an allocation.
    std::size_t roomFor(int32_t count, std::size_t fewestBytes) const
    {
        return count > 0 ? std::min(static_cast<std::size_t>(count), remaining() / fewestBytes) : 0;
    }

private:
    void need(std::size_t size)
    {
        if (size > in_.size() - pos_)
            refill(size);
    }
    // Makes `size` bytes readable at `pos_` from the source, or fails as at the end of the data.
    void refill(std::size_t size);
    [[noreturn]] static void failEndOfData();
    void writeLongString(std::string_view text);
    void maybeFlush()
    {
        if (sink_ && out_.size() >= chunkSize_)
            flush();
    }

    bool loading_;
    std::string out_;
    std::string_view in_;
    std::size_t pos_ = 0;
    Sink sink_;
    std::size_t chunkSize_ = 0;
    Source source_;
    std::size_t sourceLeft_ = 0; // bytes the source has still to give
    std::size_t windowSize_ = 0; // how much a refill reads ahead at least
    std::string window_;         // what `in_` views when loading from a source
};

} // namespace tarnholt
