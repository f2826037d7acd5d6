// Rewraps arbitrary text as a description, for both screen widths, in batch mode and answering the
// questions Yes and No in turn.
#include "FuzzSupport.h"

#include "generate/Reformat.h"

using namespace tarnholt;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the width, batch mode and the first answer; the rest is the text.
    const uint8_t options = data[0];
    const int width = (options & 1) ? 80 : 60;
    const bool batch = (options & 2) != 0;
    fuzzing::AlternatingQuestions questions((options & 4) != 0);
    const std::string original(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::string text = original;
    const bool changed = reformatDescription(text, width, batch, questions);
    if (!changed) {
        fuzzing::require(text == original, "a declined rewrap leaves the text alone");
        return 0;
    }
    if (original.empty())
        fuzzing::require(text.empty(), "an empty description stays empty");
    else if (!text.empty())
        fuzzing::require(text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0,
                         "every rewrapped line ends with CR LF");
    return 0;
}
