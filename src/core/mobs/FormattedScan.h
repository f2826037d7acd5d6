#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace tarnholt {

/// Where one converted value of scanFormatted goes: an int for %d and %i, a word for %s.
using ScanTarget = std::variant<int32_t*, std::string*>;

/// Reads `text` the way the C library's formatted input reads a string, for the directives the
/// area-file readers use:
///   %d  optional sign and decimal digits;
///   %i  the same, but "0x"/"0X" starts a hexadecimal number and a leading "0" an octal one;
///   %s  a run of non-blank characters;
///   a blank in the format skips any white space (none included); any other character must
///   match itself. %d, %i and %s skip leading white space first.
/// Values go to `targets` in order; a value is stored only when its conversion succeeds, so
/// targets that the scan does not reach keep what they held. Scanning stops at the first
/// mismatch. A number outside the 32-bit range is a failed conversion (nothing stored, the scan
/// stops) rather than a silently wrapped or clamped value. Returns the number of values stored.
int scanFormatted(std::string_view text, std::string_view format, std::initializer_list<ScanTarget> targets);

} // namespace tarnholt
