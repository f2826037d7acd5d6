// Reads arbitrary bytes as the template library; a library that was read writes out and reads back
// to the same bytes.
#include "FuzzSupport.h"

#include "universe/TemplateLibrary.h"

using namespace tarnholt;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TemplateLibrary library("");
    const std::string blank = library.bytes();
    if (!library.readFrom(std::string_view(reinterpret_cast<const char*>(data), size))) {
        fuzzing::require(library.bytes() == blank, "a refused library leaves the templates as they were");
        return 0;
    }
    const std::string written = library.bytes();
    TemplateLibrary again("");
    fuzzing::require(again.readFrom(written), "a written library reads back");
    fuzzing::require(again.bytes() == written, "a library read back writes the same bytes");
    return 0;
}
