// Opens arbitrary bytes as a world document, as a whole and as a file read a few bytes at a time
// through a window of a few dozen bytes (which must give the same World), then writes the World's
// area files in memory.
#include "FuzzSupport.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "world/Archive.h"

using namespace tarnholt;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Universe universe;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    World world;
    bool loaded = true;
    try {
        world = Document::loadWorld(bytes);
    } catch (const ArchiveError&) {
        loaded = false; // "Unexpected file format."
    }
    const std::size_t piece = size == 0 ? 1 : 1 + data[0] % 13;
    const std::size_t window = size == 0 ? 1 : 1 + data[size - 1] % 64;
    std::size_t at = 0;
    World pieces;
    try {
        Archive ar(
            [&](char* into, std::size_t count) {
                const std::size_t n = std::min({count, piece, size - at});
                std::memcpy(into, data + at, n);
                at += n;
                return n;
            },
            size, window);
        pieces.Serialize(ar);
        if (!loaded || Document::storeWorld(pieces) != Document::storeWorld(world))
            std::abort(); // read a piece at a time, the same bytes must make the same World
    } catch (const ArchiveError&) {
        if (loaded)
            std::abort();
    }
    if (!loaded)
        return 0;
    fuzzing::requireArchiveRoundTrip(world);
    fuzzing::writeAreaTexts(universe, world);
    return 0;
}
