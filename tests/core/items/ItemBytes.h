#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

namespace tarnholt::testing {

// Archive bytes put together by hand, for comparing against what item records store.
struct ItemBytes {
    std::string bytes;

    ItemBytes& i32(int32_t v)
    {
        auto u = static_cast<uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8)
            bytes += static_cast<char>((u >> shift) & 0xFF);
        return *this;
    }
    // Strings below 255 characters: a one-byte length, then the characters.
    ItemBytes& str(const std::string& s)
    {
        bytes += static_cast<char>(s.size());
        bytes += s;
        return *this;
    }
    ItemBytes& strs(std::initializer_list<std::string> list)
    {
        i32(static_cast<int32_t>(list.size()));
        for (const auto& s : list)
            str(s);
        return *this;
    }
    ItemBytes& ints(std::initializer_list<int32_t> list)
    {
        i32(static_cast<int32_t>(list.size()));
        for (int32_t v : list)
            i32(v);
        return *this;
    }
    ItemBytes& raw(const std::string& b)
    {
        bytes += b;
        return *this;
    }
};

} // namespace tarnholt::testing
