#include "items/NumberScan.h"

#include <limits>

namespace tarnholt {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

void skipSpace(std::string_view line, std::size_t& pos)
{
    while (pos < line.size() && isSpace(line[pos]))
        ++pos;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

bool scanInt(std::string_view line, std::size_t& pos, int32_t& value)
{
    std::size_t p = pos;
    skipSpace(line, p);
    bool negative = false;
    if (p < line.size() && (line[p] == '+' || line[p] == '-')) {
        negative = line[p] == '-';
        ++p;
    }
    if (p >= line.size() || !isDigit(line[p]))
        return false;
    constexpr int64_t limit = static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1;
    int64_t magnitude = 0;
    while (p < line.size() && isDigit(line[p])) {
        if (magnitude <= limit)
            magnitude = magnitude * 10 + (line[p] - '0');
        ++p;
    }
    int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<int32_t>::max())
        signedValue = std::numeric_limits<int32_t>::max();
    if (signedValue < std::numeric_limits<int32_t>::min())
        signedValue = std::numeric_limits<int32_t>::min();
    value = static_cast<int32_t>(signedValue);
    pos = p;
    return true;
}

bool scanWord(std::string_view line, std::size_t& pos, std::string& word)
{
    std::size_t p = pos;
    skipSpace(line, p);
    if (p >= line.size())
        return false;
    std::size_t start = p;
    while (p < line.size() && !isSpace(line[p]))
        ++p;
    word.assign(line.substr(start, p - start));
    pos = p;
    return true;
}

int scanInts(std::string_view line, int32_t* out, int count)
{
    std::size_t pos = 0;
    for (int i = 0; i < count; ++i) {
        int32_t value = 0;
        if (!scanInt(line, pos, value))
            return i;
        out[i] = value;
    }
    return count;
}

} // namespace tarnholt
