// Imports arbitrary text as a mobs file (".mob"), answering the reader's questions Yes and No in turn,
// once in order and once split at its middle (the two must agree); the imported mobs are then
// written back as area text and stored in a World document.
#include "FuzzSupport.h"

#include "map/Importer.h"

using namespace tarnholt;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Universe universe;
    if (size == 0)
        return 0;
    // The first byte picks the first answer; the rest is the file.
    fuzzing::AlternatingQuestions questions((data[0] & 1) != 0);
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    World world;
    const ImportResult result = importAreaText(text, world, universe, questions, ImportKind::Mobs, 0);
    fuzzing::requireSplitReadingAgrees(text, ImportKind::Mobs, (data[0] & 1) != 0, world, result, questions);
    fuzzing::require(result.appended == static_cast<int>(world.mobs.size()), "every appended record is counted");
    fuzzing::writeAreaTexts(universe, world);
    fuzzing::requireArchiveRoundTrip(world);
    return 0;
}
