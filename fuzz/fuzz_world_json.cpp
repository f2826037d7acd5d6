// Reads arbitrary text as the command-line tool's JSON form of a World; a World that was read
// writes out and reads back to the same JSON, stores as a document and writes its area files.
#include "FuzzSupport.h"

#include "cli/WorldJson.h"

using namespace tarnholt;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Universe universe;
    World world;
    try {
        world = worldFromJson(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const WorldJsonError&) {
        return 0;
    }
    const std::string json = worldToJson(world);
    try {
        World again = worldFromJson(json);
        fuzzing::require(worldToJson(again) == json, "a World read back from its JSON writes the same JSON");
    } catch (const WorldJsonError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        fuzzing::require(false, "the JSON of a World reads back");
    }
    fuzzing::requireArchiveRoundTrip(world);
    fuzzing::writeAreaTexts(universe, world);
    return 0;
}
