#pragma once

#include "store/IoResult.h"

#include <QByteArray>
#include <QString>
#include <vector>

/**
 * A headerless file of fixed-size records (collections, the shape library, the page file). A
 * record's number is its 0-based position; a trailing partial record is not a record. Every call
 * opens the file, works and closes it. Replacing or shrinking the file writes a new file beside it
 * and renames it into place, so an interruption leaves the old file or the new one.
 */
namespace RecordFile {

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

/** Reads every whole record in file order, read-only. A missing file gives no records and OpenFailed. */
IoResult readAll(const QString& path, qint64 recordSize, std::vector<QByteArray>& records);

/**
 * Writes record n in place (n equal to the record count appends), creating a missing file first.
 * Refused when n is beyond the count.
 */
IoResult write(const QString& path, qint64 recordSize, qint64 n, const QByteArray& record);

/** Writes the record after the last whole one. */
IoResult append(const QString& path, qint64 recordSize, const QByteArray& record);

/** Removes record n: later records move down one place and the file ends one record shorter. */
IoResult remove(const QString& path, qint64 recordSize, qint64 n);

/** Creates the file, or empties an existing one, leaving 0 bytes. */
IoResult create(const QString& path);

/** Writes bytes as the whole new content of a file, through a file beside it renamed into place. */
IoResult replaceWhole(const QString& path, const QByteArray& content);

} // namespace RecordFile
