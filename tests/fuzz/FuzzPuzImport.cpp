// An Across Lite (.puz) file imported: one whole puzzle appended, or a refusal that writes nothing.
#include "FuzzImportSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzImport::importOnce("FUZZ.puz", data, size);
    return 0;
}
