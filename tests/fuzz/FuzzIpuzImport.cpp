// An iPUZ file imported: one whole puzzle appended, or a refusal that writes nothing.
#include "FuzzImportSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzImport::importOnce("FUZZ.ipuz", data, size);
    return 0;
}
