#include "world/Archive.h"

#include <algorithm>
#include <cstring>

#include "world/Encoding.h"

namespace tarnholt {

namespace {
constexpr const char* kEndOfFile = "archive ended before the data could be read";
} // namespace

Archive::Archive() : loading_(false) {}

Archive::Archive(std::string_view data) : loading_(true), in_(data) {}

Archive::Archive(Sink sink, std::size_t chunkSize) : loading_(false), sink_(std::move(sink)), chunkSize_(chunkSize)
{
    out_.reserve(chunkSize_ + 4096);
}

Archive::Archive(Source source, std::size_t size, std::size_t window)
    : loading_(true), source_(std::move(source)), sourceLeft_(size), windowSize_(window)
{
}

void Archive::refill(std::size_t size)
{
    const std::size_t kept = in_.size() - pos_;
    // Never more than the source has left: a hostile length fails here, before any allocation.
    if (!source_ || size - kept > sourceLeft_)
        failEndOfData();
    const std::size_t want = std::max(size, std::min(windowSize_, kept + sourceLeft_));
    if (window_.size() < want) {
        std::string larger(want, '\0');
        if (kept > 0)
            std::memcpy(larger.data(), in_.data() + pos_, kept);
        window_.swap(larger);
    } else if (kept > 0) {
        std::memmove(window_.data(), in_.data() + pos_, kept);
    }
    std::size_t filled = kept;
    while (filled < want && sourceLeft_ > 0) {
        const std::size_t n = source_(window_.data() + filled, std::min(want - filled, sourceLeft_));
        if (n == 0) {
            sourceLeft_ = 0; // the source ended early: what is missing is missing
            break;
        }
        filled += n;
        sourceLeft_ -= n;
    }
    in_ = std::string_view(window_.data(), filled);
    pos_ = 0;
    if (filled < size)
        failEndOfData();
}

void Archive::flush()
{
    if (sink_ && !out_.empty()) {
        sink_(out_);
        out_.clear();
        // The memory of a piece the sink kept comes back with a later piece.
        if (out_.capacity() < chunkSize_)
            out_.reserve(chunkSize_ + 4096);
    }
}

void Archive::failEndOfData() { throw ArchiveError(kEndOfFile); }

void Archive::writeWord(uint16_t value)
{
    out_ += static_cast<char>(value & 0xFF);
    out_ += static_cast<char>(value >> 8);
}

// 255 characters and more: a 0xFF byte, then the length in a word, or 0xFFFF and a dword.
void Archive::writeLongString(std::string_view text)
{
    std::size_t n = text.size();
    writeByte(0xFF);
    if (n < 0xFFFE) {
        writeWord(static_cast<uint16_t>(n));
    } else {
        writeWord(0xFFFF);
        writeDword(static_cast<uint32_t>(n));
    }
    writeBytes(text.data(), n);
}

void Archive::writeStringList(const std::vector<std::string>& list)
{
    writeInt(static_cast<int32_t>(list.size()));
    for (const auto& s : list)
        writeString(s);
}

void Archive::writeIntList(const std::vector<int32_t>& list)
{
    writeInt(static_cast<int32_t>(list.size()));
    for (int32_t v : list)
        writeInt(v);
}

uint16_t Archive::readWord()
{
    need(2);
    auto b0 = static_cast<unsigned char>(in_[pos_]);
    auto b1 = static_cast<unsigned char>(in_[pos_ + 1]);
    pos_ += 2;
    return static_cast<uint16_t>(b0 | (b1 << 8));
}

uint8_t Archive::readByte()
{
    need(1);
    return static_cast<uint8_t>(in_[pos_++]);
}

void Archive::readBytes(char* data, std::size_t size)
{
    need(size);
    in_.copy(data, size, pos_);
    pos_ += size;
}

std::string Archive::readString()
{
    std::string s;
    readStringInto(s);
    return s;
}

void Archive::readStringInto(std::string& out)
{
    // A length larger than what is left fails before anything is allocated.
    auto readLength = [this]() -> std::pair<uint32_t, bool> {
        uint8_t b = readByte();
        if (b < 0xFF)
            return {b, false};
        uint16_t w = readWord();
        if (w == 0xFFFE)
            return {0, true};
        if (w == 0xFFFF)
            return {readDword(), false};
        return {w, false};
    };
    auto [length, wide] = readLength();
    if (wide) {
        auto [units, again] = readLength();
        if (again) // a second UTF-16 marker where a length belongs
            throw ArchiveError(kEndOfFile);
        std::size_t bytes = static_cast<std::size_t>(units) * 2;
        need(bytes);
        out = utf16leToCp1252(in_.substr(pos_, bytes));
        pos_ += bytes;
        return;
    }
    need(length);
    // Assigning in place keeps the memory the field already has (a default text, a short name).
    out.assign(in_.data() + pos_, length);
    pos_ += length;
}

void Archive::readStringList(std::vector<std::string>& list)
{
    list.clear();
    int32_t count = readInt();
    list.reserve(roomFor(count, 1)); // every string takes at least one byte
    for (int32_t i = 0; i < count; ++i)
        readStringInto(list.emplace_back());
}

void Archive::readIntList(std::vector<int32_t>& list)
{
    list.clear();
    int32_t count = readInt();
    if (count > 0)
        need(static_cast<std::size_t>(count) * 4);
    for (int32_t i = 0; i < count; ++i)
        list.push_back(readInt());
}

void Archive::serializeStringList(std::vector<std::string>& list)
{
    if (loading_)
        readStringList(list);
    else
        writeStringList(list);
}

void Archive::serializeIntList(std::vector<int32_t>& list)
{
    if (loading_)
        readIntList(list);
    else
        writeIntList(list);
}

} // namespace tarnholt
