#include "store/OldVersion.h"

#include "store/ByteIO.h"
#include "store/WordSlotBytes.h"
#include "store/Collection.h"
#include "store/RecordFile.h"
#include "store/WorkingPuzzle.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

namespace {

constexpr qint64 OldRecordSize = qint64(Limits::OldPuzzleRecordSize);
constexpr qint64 ShapeRecordSize = qint64(Limits::ShapeRecordSize);
constexpr qint64 SignatureSize = 3;

/** Creates a missing file empty, as opening it for writing would; an existing one is left alone. */
IoResult createIfMissing(const QString& path)
{
    if (QFileInfo::exists(path))
        return IoResult::ok();
    return RecordFile::create(path);
}

/** Deletes a converted old file; a failure is reported, since a second start would convert it again. */
IoResult deleteConverted(const QString& path)
{
    QFile file(path);
    if (file.remove())
        return IoResult::ok();
    return IoResult::failed(IoResult::IoError, QStringLiteral("%1 could not be deleted: %2")
                                                   .arg(QFileInfo(path).fileName(), file.errorString()));
}

} // namespace

TOldPuzzleRecord TOldPuzzleRecord::fromBytes(const QByteArray& bytes)
{
    ByteReader in(bytes);
    TOldPuzzleRecord r;
    r.Title = in.string<Limits::TitleLength>();
    r.Size = in.i16();
    in.skip(2);
    r.Grid = in.bytes<Limits::GridCells>();
    ReadWordSlots(in, r);
    return r;
}

void ConvertOldPuzzle(const TOldPuzzleRecord& old, const QByteArray& defaultLayout, TPuzzleRecord& puzzle)
{
    std::memcpy(puzzle.PageLayout.data(), defaultLayout.constData(),
                std::min<std::size_t>(puzzle.PageLayout.size(), std::size_t(defaultLayout.size())));
    StampVersion(puzzle);
    puzzle.Title.setText(old.Title.text());
    puzzle.BonusQuestion.clear();
    puzzle.Category.setText(OldVersion::ConvertedCategory);

    const auto side = std::int16_t(std::clamp<int>(old.Size, 1, Limits::GridSide));
    puzzle.GridWidth = side;
    puzzle.GridHeight = side;
    puzzle.Grid = old.Grid;

    const int wordCount = std::clamp<int>(old.WordCount, 0, Limits::WordSlots);
    puzzle.WordCount = std::int16_t(wordCount);
    puzzle.AcrossCount = std::int16_t(std::clamp<int>(old.AcrossCount, 0, Limits::WordSlots));
    puzzle.DownCount = std::int16_t(std::clamp<int>(old.DownCount, 0, Limits::WordSlots));

    for (std::size_t i = 0; i < std::size_t(Limits::WordSlots); ++i) {
        puzzle.Words[i].setText(old.Words[i].text());
        puzzle.Clues[i].setText(old.Clues[i].text());
        puzzle.StartCell[i] = old.StartCell[i];
        puzzle.LetterCount[i] = old.LetterCount[i];
        puzzle.ClueNumber[i] = old.ClueNumber[i];
        puzzle.Direction[i] = old.Direction[i];
        const bool placed = int(i) < wordCount;
        puzzle.WordUsed[i] = placed ? 1 : 0;
        if (!placed) {
            puzzle.Words[i].clear();
            puzzle.Clues[i].clear();
        }
    }
    puzzle.Generated = 1;
}

IoResult ReadOldPuzzleFile(const QString& path, TOldPuzzleRecord& old)
{
    // Only a regular file: reading a pipe or a device could wait for ever. Its reason is named.
    RecordFile::Reader file;
    if (IoResult opened = file.open(path); !opened)
        return opened;
    const qint64 size = file.size();
    QByteArray head(std::min<qint64>(size, SignatureSize + 1), Qt::Uninitialized);
    if (!file.readAt(0, head.data(), head.size()) || head.size() != SignatureSize + 1
        || !head.startsWith(QByteArray(OldVersion::QvzSignature)))
        return IoResult::failed(IoResult::Corrupt);
    const qint64 start = SignatureSize + 1 + std::uint8_t(head.back());
    if (size < start + qint64(OldRecordSize))
        return IoResult::failed(IoResult::Corrupt);
    QByteArray record(OldRecordSize, Qt::Uninitialized);
    if (IoResult got = file.readAt(start, record.data(), record.size()); !got)
        return got;
    old = TOldPuzzleRecord::fromBytes(record);
    return IoResult::ok();
}

TTransferReport Import16Bit(const QString& path, const QString& collection, const QByteArray& defaultLayout,
                            TPuzzleRecord& puzzle)
{
    TOldPuzzleRecord old;
    const IoResult read = ReadOldPuzzleFile(path, old);
    if (read.status == IoResult::OpenFailed)
        return TTransferReport::failure(read, TransferMessages::OldPuzzleUnreadable);
    if (!read)
        return TTransferReport::failure(IoResult::failed(IoResult::Corrupt), TransferMessages::OldPuzzleCorrupt);
    ConvertOldPuzzle(old, defaultLayout, puzzle);
    const IoResult appended = AppendPuzzle(collection, puzzle);
    if (!appended)
        return TTransferReport::failure(appended, TransferMessages::UnableToSavePuzzle);
    return TTransferReport::success(1);
}

TTransferReport ConvertOldPuzzles(const QString& oldFile, const QString& target, const QByteArray& defaultLayout,
                                  TPuzzleRecord& puzzle)
{
    std::vector<QByteArray> records;
    const IoResult read = RecordFile::readAll(oldFile, OldRecordSize, records, RecordFile::MaxListedRecords);
    if (!read)
        return TTransferReport::failure(read, TransferMessages::OldFileUnreadable);
    const IoResult created = createIfMissing(target);
    if (!created)
        return TTransferReport::failure(created, TransferMessages::UnableToSavePuzzles);
    int written = 0;
    for (const QByteArray& bytes : records) {
        ConvertOldPuzzle(TOldPuzzleRecord::fromBytes(bytes), defaultLayout, puzzle);
        const IoResult appended = AppendPuzzle(target, puzzle);
        if (!appended)
            return TTransferReport::failure(appended, TransferMessages::UnableToSavePuzzles, written);
        ++written;
    }
    const IoResult deleted = deleteConverted(oldFile);
    if (!deleted)
        return TTransferReport::failure(deleted, TransferMessages::UnableToSavePuzzles, written);
    return TTransferReport::success(written, &TransferMessages::OldPuzzlesConverted);
}

TTransferReport ConvertOldShapes(const QString& oldFile, const QString& library)
{
    std::vector<QByteArray> records;
    const IoResult read = RecordFile::readAll(oldFile, ShapeRecordSize, records, RecordFile::MaxListedRecords);
    if (!read)
        return TTransferReport::failure(read, TransferMessages::OldFileUnreadable);
    const IoResult created = createIfMissing(library);
    if (!created)
        return TTransferReport::failure(created, TransferMessages::UnableToAddShapes);
    int written = 0;
    for (const QByteArray& bytes : records) {
        const IoResult appended = RecordFile::append(library, ShapeRecordSize, bytes);
        if (!appended)
            return TTransferReport::failure(appended, TransferMessages::UnableToAddShapes, written);
        ++written;
    }
    const IoResult deleted = deleteConverted(oldFile);
    if (!deleted)
        return TTransferReport::failure(deleted, TransferMessages::UnableToAddShapes, written);
    return TTransferReport::success(written, &TransferMessages::OldShapesAdded);
}
