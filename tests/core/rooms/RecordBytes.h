#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

namespace tarnholt::testing {

// Archive bytes put together by hand, for comparing against what the records store.
struct RecordBytes {
    std::string bytes;

    RecordBytes& i32(int32_t v)
    {
        auto u = static_cast<uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8)
            bytes += static_cast<char>((u >> shift) & 0xFF);
        return *this;
    }
    // Strings below 255 characters: a one-byte length, then the characters.
    RecordBytes& str(const std::string& s)
    {
        bytes += static_cast<char>(s.size());
        bytes += s;
        return *this;
    }
    RecordBytes& strs(std::initializer_list<std::string> list)
    {
        i32(static_cast<int32_t>(list.size()));
        for (const auto& s : list)
            str(s);
        return *this;
    }
    RecordBytes& ints(std::initializer_list<int32_t> list)
    {
        i32(static_cast<int32_t>(list.size()));
        for (int32_t v : list)
            i32(v);
        return *this;
    }
    RecordBytes& raw(const std::string& b)
    {
        bytes += b;
        return *this;
    }
    // An exit as a new room holds it: version 1, four empty strings, four zeros, placement -1.
    RecordBytes& emptyExit()
    {
        i32(1).str("").str("").str("").str("");
        return i32(0).i32(0).i32(0).i32(0).i32(-1);
    }
};

} // namespace tarnholt::testing
