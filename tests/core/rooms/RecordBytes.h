#pragma once

#include <cstdint>
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
    // An exit as a new room holds it: version 1, four empty strings, four zeros, placement -1.
    RecordBytes& emptyExit()
    {
        i32(1).str("").str("").str("").str("");
        return i32(0).i32(0).i32(0).i32(0).i32(-1);
    }
};

} // namespace tarnholt::testing
