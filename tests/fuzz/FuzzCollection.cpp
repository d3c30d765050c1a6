// Collection files: listing, reading every record and showing it, deleting and rewriting one.
#include "FuzzSupport.h"

#include "store/Collection.h"
#include "store/WorkingPuzzle.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = FuzzSupport::file("FUZZ.QV3", FuzzSupport::bytes(data, size));
    IoResult listed;
    const CollectionIndex index = ListCollection(path, &listed);
    const qint64 count = RecordCount(path);
    if (qint64(index.Entries.size()) != std::min<qint64>(count, Limits::MaxCollectionRecords))
        __builtin_trap();
    for (qint64 n = 0; n < std::min<qint64>(count, 4); ++n) {
        TPuzzleRecord record;
        if (!ReadPuzzle(path, n, record))
            __builtin_trap();
        // A record read and written again keeps every byte of its size.
        if (record.toBytes().size() != qsizetype(Limits::PuzzleRecordSize))
            __builtin_trap();
        if (!WritePuzzle(path, n, record))
            __builtin_trap();
    }
    if (count > 0 && (!RemoveRecord(path, count - 1) || RecordCount(path) != count - 1))
        __builtin_trap();
    return 0;
}
