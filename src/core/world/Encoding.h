#pragma once

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarnholt {

// Record texts are 8-bit Windows-1252, as the area files and archives of the server's tools are.
// These convert at the borders: the editor (QString), the JSON form (UTF-8) and UTF-16 archive strings.

/// One UTF-16 code unit (or decoded code point) as a Windows-1252 byte; '?' when it has no 8-bit form.
char unicodeToCp1252(char32_t codePoint);
/// The Unicode code point of a Windows-1252 byte (the five unassigned bytes map to themselves).
char32_t cp1252ToUnicode(unsigned char byte);

/// Decodes UTF-16LE bytes (surrogate pairs included) into Windows-1252.
std::string utf16leToCp1252(std::string_view bytes);
std::string cp1252ToUtf8(std::string_view text);
/// Decodes UTF-8 into Windows-1252; malformed sequences and characters without an 8-bit form become '?'.
std::string utf8ToCp1252(std::string_view text);

/// Appends `text` to `out` with every occurrence of `from` (not empty) written as `to`.
void appendReplaced(std::string& out, std::string_view text, std::string_view from, std::string_view to);

/// Appends the decimal text of `value`, as std::to_string writes it, without a temporary string.
inline void appendNumber(std::string& out, int64_t value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
}

} // namespace tarnholt
