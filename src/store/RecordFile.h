#pragma once

#include "store/IoResult.h"
#include "store/RollbackJournal.h"
#include "store/SystemFile.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

/**
 * A headerless file of fixed-size records (collections, the shape library, the page file). A
 * record's number is its 0-based position; a trailing partial record is not a record. Every call
 * opens the file, works and closes it, and a kill or failure at any moment leaves each record old
 * or new: overwriting a record is journalled (RollbackJournal), an append that fails is cut back,
 * and deleting writes the new file beside the old one a few records at a time and renames it into
 * place. Writers hold the file's exclusive lock while they work, make sure once they hold it that
 * the path still names the file they locked (another process may have renamed a new one into
 * place meanwhile), and read the record count only under the lock, so two processes writing one
 * file lose nothing.
 */
namespace RecordFile {

/**
 * A record file open for reading. Reading never writes: where a kill cut an overwrite short (a
 * journal that fits the file), reads see the journal's old bytes; the next writer puts them back.
 * A file that is not a regular file (a FIFO, device or folder) is not opened.
 */
class Reader {
public:
    IoResult open(const QString& path);
    qint64 size();
    /** Reads exactly size bytes at offset. */
    IoResult readAt(qint64 offset, char* data, qint64 size);

private:
    SystemFile m_file;
    std::optional<RollbackJournal::Entry> m_pending;
};

/**
 * A check of the record a write or delete is about to change, made under the lock: false when
 * the record no longer holds what the caller read there (another process deleted or moved it).
 */
using RecordCheck = std::function<bool(QByteArrayView current)>;

/** Number of whole records; 0 for a missing file. */
qint64 count(const QString& path, qint64 recordSize);

/** Reads record n, opening the file read-only. A record past the end is an IoError. */
IoResult read(const QString& path, qint64 recordSize, qint64 n, QByteArray& record);

/** Reads record n as a record type with a static fromBytes (puzzle, shape, page layout). */
template <class Record>
IoResult readRecord(const QString& path, qint64 recordSize, qint64 n, Record& record)
{
    QByteArray bytes;
    const IoResult result = read(path, recordSize, n, bytes);
    if (result)
        record = Record::fromBytes(bytes);
    return result;
}

/**
 * Records read from a shape library, a page file or an old puzzle file: as many as a collection
 * can list. A larger file is refused unread, as no valid one reaches it.
 */
inline constexpr qint64 MaxListedRecords = 65536;

/**
 * Reads every whole record in file order, read-only. A missing file gives no records and
 * OpenFailed; a file of more than maxRecords records, more than any valid file of its kind, is
 * refused unread.
 */
IoResult readAll(const QString& path, qint64 recordSize, std::vector<QByteArray>& records,
                 qint64 maxRecords = std::numeric_limits<qint64>::max());

/**
 * Writes record n in place (n equal to the record count appends), creating a missing file first.
 * Refused when n is beyond the count, or when check (if given) refuses the record now at n. An
 * overwrite is crash-atomic, and refused untouched where its journal cannot be made (a full disk);
 * a failed one puts the old record back, and a failed append cuts the file back to its old size.
 * A partial record that a killed append left at the end is cut off first (append does so too).
 */
IoResult write(const QString& path, qint64 recordSize, qint64 n, const QByteArray& record, const RecordCheck& check = {});

/**
 * Writes one or more whole records after the last whole one, creating a missing file first; the
 * count is read under the lock. Refused when the file would then hold more than maxRecords. The
 * number of the first record written goes to firstNumber when given.
 */
IoResult append(const QString& path, qint64 recordSize, QByteArrayView records,
                qint64 maxRecords = std::numeric_limits<qint64>::max(), qint64* firstNumber = nullptr);

/**
 * Removes record n: later records move down one place and the file ends one record shorter. The
 * new file is streamed beside the old one (memory stays a few records) and renamed into place.
 * Where the folder takes no new file or the disk is full, nothing is changed and the refusal says
 * that the file cannot be saved safely.
 */
IoResult remove(const QString& path, qint64 recordSize, qint64 n, const RecordCheck& check = {});

/** The refusal of a write or delete whose record check failed. */
IoResult recordMoved();

/** Creates the file, or empties an existing one, leaving 0 bytes. */
IoResult create(const QString& path);

/**
 * Writes bytes as the whole new content of a file, through a file beside it renamed into place
 * (FileReplacer): the old file stays whole on any failure, which is reported with the system's reason.
 */
IoResult replaceWhole(const QString& path, const QByteArray& content);

} // namespace RecordFile
