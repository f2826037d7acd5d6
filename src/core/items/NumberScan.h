#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnholt {

// Scanning of the numbers and words of object-file lines, with the rules of the C library's
// "%d" and "%s" conversions: white space is skipped before each value, a number is an optional
// sign and decimal digits, a word runs to the next white space. Numbers beyond the range of
// int32 are clamped to it.

/// Reads up to `count` decimal numbers from the start of `line` into `out`; returns how many
/// converted before the first that did not. Values after a failed one are left untouched.
int scanInts(std::string_view line, int32_t* out, int count);

/// One "%d" at `pos` (white space skipped first); false when no number is there.
bool scanInt(std::string_view line, std::size_t& pos, int32_t& value);

/// One "%s" at `pos`; false at the end of the line.
bool scanWord(std::string_view line, std::size_t& pos, std::string& word);

} // namespace tarnholt
