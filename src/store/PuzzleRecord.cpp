#include "store/PuzzleRecord.h"

#include "store/ByteIO.h"
#include "store/WordSlotBytes.h"

TPuzzleRecord TPuzzleRecord::fromBytes(const char* data, std::size_t size)
{
    ByteReader in(data, size);
    TPuzzleRecord r;
    r.Version = in.string<Limits::VersionLength>();
    r.Category = in.string<Limits::CategoryLength>();
    r.Title = in.string<Limits::TitleLength>();
    r.GridWidth = in.i16();
    r.GridHeight = in.i16();
    r.Grid = in.bytes<Limits::GridCells>();
    ReadWordSlots(in, r);
    r.WordUsed = in.bytes<Limits::WordSlots>();
    r.Generated = in.u8();
    r.PageLayout = in.bytes<Limits::PageLayoutSize>();
    r.BonusQuestion = in.string<Limits::ClueLength>();
    r.Reserved = in.bytes<Limits::PuzzleReservedSize>();
    return r;
}

QByteArray TPuzzleRecord::toBytes() const
{
    ByteWriter out;
    out.string(Version);
    out.string(Category);
    out.string(Title);
    out.i16(GridWidth);
    out.i16(GridHeight);
    out.bytes(Grid);
    out.i16(WordCount);
    out.i16(AcrossCount);
    out.i16(DownCount);
    for (const auto& w : Words)
        out.string(w);
    for (const auto& c : Clues)
        out.string(c);
    for (auto v : StartCell)
        out.i16(v);
    for (auto v : LetterCount)
        out.i16(v);
    for (auto v : ClueNumber)
        out.i16(v);
    out.bytes(Direction);
    out.bytes(WordUsed);
    out.u8(Generated);
    out.bytes(PageLayout);
    out.string(BonusQuestion);
    out.bytes(Reserved);
    Q_ASSERT(std::size_t(out.size()) == Limits::PuzzleRecordSize);
    return out.data();
}
