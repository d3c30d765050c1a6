// The 16-bit ".QVZ" puzzle file: converted and appended to a collection, or refused untouched.
#include "FuzzSupport.h"

#include "pages/PageLayout.h"
#include "store/Collection.h"
#include "store/OldVersion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString from = FuzzSupport::file("FUZZ.QVZ", FuzzSupport::bytes(data, size));
    const QString into = FuzzSupport::file("INTO.QV3", QByteArray());
    TPuzzleRecord puzzle;
    const TTransferReport report = Import16Bit(from, into, TPageLayout().toBytes(), puzzle);
    // A conversion adds exactly the one record it reports; a refusal adds nothing.
    if (RecordCount(into) != (report ? 1 : 0))
        __builtin_trap();
    TPuzzleRecord stored;
    if (report && (!ReadPuzzle(into, 0, stored) || stored.toBytes() != puzzle.toBytes()))
        __builtin_trap();
    return 0;
}
