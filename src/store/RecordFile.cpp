#include "store/RecordFile.h"

#include "store/FileReplacer.h"
#include "store/RollbackJournal.h"

#include <QFileInfo>
#include <algorithm>
#include <cerrno>

namespace RecordFile {

namespace {

// Deleting copies whole records through a buffer of this many bytes at least.
constexpr qint64 MinCopyBytes = 64 * 1024;
// ... and of this many records at least, so memory stays a few records whatever the file's size.
constexpr qint64 MinCopyRecords = 4;

IoResult refused(const QString& text)
{
    return IoResult::failed(IoResult::Refused, text);
}

IoResult outOfRange()
{
    return refused(QStringLiteral("Record number out of range"));
}

IoResult notRegular()
{
    return IoResult::failed(IoResult::OpenFailed, QStringLiteral("Not a regular file"));
}

/**
 * Opens the file for writing with its lock held and any journal left by a cut overwrite put back.
 * With create, a missing file is created and created tells so. Once the lock is held, the path
 * must still name the locked file: another process may have renamed a new file into place (a
 * delete) or removed it while this one waited, and writing into the old one would be lost. A
 * file the user may not change is refused, and the new files that killed replacements left
 * beside it are removed.
 */
IoResult openForWriting(const QString& path, SystemFile& file, bool create, bool* created = nullptr)
{
    if (const int error = SystemPath::mayChange(path))
        return IoResult::failed(IoResult::OpenFailed, SystemFile::errorText(error));
    const IoResult locked = SystemPath::openLocked(path, file, create, created);
    if (locked)
        FileReplacer::removeLeftovers(path);
    return locked ? RollbackJournal::restore(path, file) : locked;
}

/** Cuts off a partial record that a killed append left after the last whole one. */
IoResult cutPartialRecord(SystemFile& file, qint64 recordSize)
{
    const qint64 size = file.size();
    if (size % recordSize == 0 || (file.truncate(size - size % recordSize) && file.sync()))
        return IoResult::ok();
    return file.failure();
}

/** The refusal of a change that cannot be journalled, or made beside the file, for want of room. */
IoResult noRoomToSaveSafely(const QString& path)
{
    return refused(QStringLiteral("%1 cannot be saved safely: no room for its journal.  Nothing was written.")
                       .arg(QFileInfo(path).fileName()));
}

/** A refusal that leaves no file behind when the refused call created it. */
IoResult refuseCreated(const QString& path, bool created, const IoResult& refusal)
{
    int error = 0;
    if (created)
        SystemPath::remove(path, error);
    return refusal;
}

/**
 * Writes a record past the last one; a failure cuts the file back to its old size, or removes it
 * when this write created it.
 */
IoResult appendAt(const QString& path, SystemFile& file, qint64 offset, qint64 oldSize, bool created,
                  QByteArrayView record)
{
    if (file.writeAt(offset, record) && file.sync())
        return IoResult::ok();
    const IoResult failure = file.failure();
    int error = 0;
    if (created && SystemPath::remove(path, error))
        return failure;
    if (file.truncate(oldSize))
        file.sync();
    return failure;
}

/**
 * Overwrites bytes inside the file, journalled so that a kill leaves the old bytes or the new
 * ones. Where no journal can be created beside the file (a folder that takes no new files, or a
 * full disk), nothing is written. A failure puts the old bytes back.
 */
IoResult overwrite(const QString& path, SystemFile& file, qint64 offset, const QByteArray& record,
                   const RecordCheck& check)
{
    QByteArray old(record.size(), Qt::Uninitialized);
    if (!file.readAt(offset, old.data(), old.size()))
        return file.failure();
    if (check && !check(old))
        return recordMoved();
    int journalError = 0;
    if (IoResult journalled = RollbackJournal::write(path, file, offset, old, record, journalError); !journalled)
        return SystemPath::refusesNewFiles(journalError) ? noRoomToSaveSafely(path) : journalled;

    IoResult failure;
    if (file.writeAt(offset, record) && file.sync()) {
        failure = RollbackJournal::remove(path, file);
        if (failure)
            return failure;
        // The journal stays and would undo the write later: undo it now, so the failure is reported honestly.
    } else {
        failure = file.failure();
    }
    if (file.writeAt(offset, old) && file.sync())
        RollbackJournal::remove(path, file);
    return failure;
}

/** Deletes record n by writing the file without it beside the old one, a few records at a time. */
IoResult removeByCopy(const QString& path, SystemFile& file, qint64 recordSize, qint64 n, qint64 records,
                      int& error)
{
    FileReplacer replacer(path);
    replacer.setTargetLocked();
    IoResult step = replacer.open();
    const qint64 chunkRecords = std::max(MinCopyRecords, MinCopyBytes / recordSize);
    QByteArray buffer(chunkRecords * recordSize, Qt::Uninitialized);
    const auto copy = [&](qint64 from, qint64 to) {
        for (qint64 i = from; step && i < to; i += chunkRecords) {
            const qint64 bytes = std::min(chunkRecords, to - i) * recordSize;
            if (!file.readAt(i * recordSize, buffer.data(), bytes)) {
                replacer.abort();
                step = file.failure();
                return;
            }
            step = replacer.write(QByteArrayView(buffer).first(bytes));
        }
    };
    copy(0, n);
    copy(n + 1, records);
    if (step)
        step = replacer.commit();
    error = step ? 0 : replacer.error();
    return step;
}

} // namespace

IoResult Reader::open(const QString& path)
{
    m_pending.reset();
    if (!m_file.open(path, SystemFile::Access::ReadOnly))
        return m_file.failure(IoResult::OpenFailed);
    if (!m_file.isRegular())
        return notRegular();
    // A cut overwrite (or one at work in another process) is read as its old bytes.
    bool cut = false;
    m_pending = RollbackJournal::find(path, m_file);
    if (m_pending && !(m_pending->fits(m_file, cut) && cut))
        m_pending.reset();
    return IoResult::ok();
}

qint64 Reader::size()
{
    return m_file.size();
}

IoResult Reader::readAt(qint64 offset, char* data, qint64 size)
{
    if (!m_file.readAt(offset, data, size))
        return m_file.failure();
    if (m_pending)
        m_pending->overlay(offset, data, size);
    return IoResult::ok();
}

qint64 count(const QString& path, qint64 recordSize)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return 0;
    return info.size() / recordSize;
}

IoResult read(const QString& path, qint64 recordSize, qint64 n, QByteArray& record)
{
    Reader file;
    if (IoResult opened = file.open(path); !opened)
        return opened;
    if (n < 0 || (n + 1) * recordSize > file.size())
        return IoResult::failed(IoResult::IoError, QStringLiteral("Read beyond end of file"));
    QByteArray bytes(recordSize, Qt::Uninitialized);
    if (IoResult got = file.readAt(n * recordSize, bytes.data(), recordSize); !got)
        return got;
    record = std::move(bytes);
    return IoResult::ok();
}

IoResult readAll(const QString& path, qint64 recordSize, std::vector<QByteArray>& records, qint64 maxRecords)
{
    records.clear();
    Reader file;
    if (IoResult opened = file.open(path); !opened)
        return opened;
    const qint64 total = file.size() / recordSize;
    if (total > maxRecords)
        return refused(QStringLiteral("%1 holds more than %2 records, more than any valid file of its kind")
                           .arg(path)
                           .arg(maxRecords));
    records.reserve(std::size_t(total));
    for (qint64 i = 0; i < total; ++i) {
        QByteArray record(recordSize, Qt::Uninitialized);
        if (IoResult got = file.readAt(i * recordSize, record.data(), recordSize); !got)
            return got;
        records.push_back(std::move(record));
    }
    return IoResult::ok();
}

IoResult write(const QString& path, qint64 recordSize, qint64 n, const QByteArray& record, const RecordCheck& check)
{
    SystemFile file;
    bool created = false;
    if (IoResult opened = openForWriting(path, file, true, &created); !opened)
        return opened;
    if (IoResult repaired = cutPartialRecord(file, recordSize); !repaired)
        return repaired;
    const qint64 size = file.size();
    const qint64 records = size / recordSize;
    if (check && (n < 0 || n >= records))
        return refuseCreated(path, created, recordMoved());
    if (n < 0 || n > records)
        return outOfRange();
    if (n == records)
        return appendAt(path, file, n * recordSize, size, created, record);
    return overwrite(path, file, n * recordSize, record, check);
}

IoResult append(const QString& path, qint64 recordSize, QByteArrayView records, qint64 maxRecords, qint64* firstNumber)
{
    SystemFile file;
    bool created = false;
    if (IoResult opened = openForWriting(path, file, true, &created); !opened)
        return opened;
    if (IoResult repaired = cutPartialRecord(file, recordSize); !repaired)
        return repaired;
    const qint64 size = file.size();
    const qint64 count = size / recordSize;
    if (records.size() % recordSize != 0 || count + records.size() / recordSize > maxRecords)
        return refuseCreated(path, created, refused(QString()));
    if (firstNumber)
        *firstNumber = count;
    return appendAt(path, file, count * recordSize, size, created, records);
}

IoResult recordMoved()
{
    return refused(QStringLiteral("Another program has changed the file: the record is no longer the one that was "
                                  "read.  Nothing was written."));
}

IoResult replaceWhole(const QString& path, const QByteArray& content)
{
    return ReplaceFile(path, content);
}

IoResult remove(const QString& path, qint64 recordSize, qint64 n, const RecordCheck& check)
{
    SystemFile file;
    if (IoResult opened = openForWriting(path, file, false); !opened)
        return opened;
    const qint64 records = file.size() / recordSize;
    if (n < 0 || n >= records)
        return check ? recordMoved() : outOfRange();
    if (check) {
        QByteArray current(recordSize, Qt::Uninitialized);
        if (!file.readAt(n * recordSize, current.data(), recordSize))
            return file.failure();
        if (!check(current))
            return recordMoved();
    }
    int error = 0;
    const IoResult copied = removeByCopy(path, file, recordSize, n, records, error);
    return copied || !SystemPath::refusesNewFiles(error) ? copied : noRoomToSaveSafely(path);
}

IoResult create(const QString& path)
{
    return replaceWhole(path, QByteArray());
}

} // namespace RecordFile
