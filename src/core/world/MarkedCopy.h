#pragma once

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tarnholt {

/// Copies the bytes from `from` to `end` to `to`, sixteen at a time where it can, and hands every
/// `mark` byte to `atMark(from, to)` instead of copying it: `atMark` writes what the mark becomes and
/// moves both past it (it may take the byte after the mark too). A block is stored whole before the
/// marks in it are looked at, so the output needs 16 bytes of room past what has been written while
/// 16 bytes remain to be read. Returns the end of what was written. Text is mostly short lines, so a
/// block rarely holds more than one mark.
template <typename AtMark>
char* copyMarked(const char* from, const char* end, char* to, char mark, AtMark atMark)
{
#if defined(__SSE2__)
    const __m128i marks = _mm_set1_epi8(mark);
    while (end - from >= 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to), block);
        const auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, marks)));
        if (mask == 0) {
            from += 16;
            to += 16;
            continue;
        }
        const auto before = __builtin_ctz(mask);
        from += before;
        to += before;
        atMark(from, to);
    }
#endif
    while (from != end) {
        if (*from == mark)
            atMark(from, to);
        else
            *to++ = *from++;
    }
    return to;
}

} // namespace tarnholt
