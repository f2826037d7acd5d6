// Opens arbitrary bytes as a world document, then writes the World's area files in memory.
#include "FuzzSupport.h"

#include "world/Archive.h"

using namespace tarnholt;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Universe universe;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    World world;
    try {
        world = Document::loadWorld(bytes);
    } catch (const ArchiveError&) {
        return 0; // "Unexpected file format."
    }
    fuzzing::requireArchiveRoundTrip(world);
    fuzzing::writeAreaTexts(universe, world);
    return 0;
}
