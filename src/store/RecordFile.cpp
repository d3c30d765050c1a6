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
 * delete) or removed it while this one waited, and writing into the old one would be lost.
 */
IoResult openForWriting(const QString& path, SystemFile& file, bool create, bool* created = nullptr)
{
    for (int attempt = 0;; ++attempt) {
        bool made = false;
        bool opened = file.open(path, SystemFile::Access::ReadWrite);
        if (!opened && create && file.error() == ENOENT) {
            opened = file.open(path, SystemFile::Access::CreateNew);
            made = opened;
            if (!opened && file.error() == EEXIST && attempt < 100)
                continue;
        }
        if (!opened)
            return file.failure(IoResult::OpenFailed);
        if (!file.isRegular())
            return notRegular();
        if (!file.lockExclusive())
            return file.failure(IoResult::OpenFailed);
        if (file.identity() == SystemPath::identity(path)) {
            if (created)
                *created = made;
            return RollbackJournal::restore(path, file);
        }
        file.close();
        if (attempt >= 100)
            return IoResult::failed(IoResult::OpenFailed, QStringLiteral("The file keeps being replaced"));
    }
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
 * full disk), the overwrite goes ahead without one. A failure puts the old bytes back.
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
    const bool journalled = bool(RollbackJournal::write(path, file, offset, old, record, journalError));
    if (!journalled && !SystemPath::refusesNewFiles(journalError))
        return IoResult::failed(IoResult::IoError, SystemFile::errorText(journalError));

    IoResult failure;
    if (file.writeAt(offset, record) && file.sync()) {
        if (!journalled)
            return IoResult::ok();
        failure = RollbackJournal::remove(path);
        if (failure)
            return failure;
        // The journal stays and would undo the write later: undo it now, so the failure is reported honestly.
    } else {
        failure = file.failure();
    }
    if (file.writeAt(offset, old) && file.sync() && journalled)
        RollbackJournal::remove(path);
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

/** Copies record from over record to, in place. */
bool moveRecord(SystemFile& file, qint64 recordSize, qint64 from, qint64 to, QByteArray& buffer)
{
    return file.readAt(from * recordSize, buffer.data(), recordSize) && file.writeAt(to * recordSize, buffer);
}

/**
 * Deletes record n by moving every later record down one place and cutting the file, for a file
 * that can be written where no file can be created beside it. It cannot be made crash-atomic, but
 * a failure moves the records back and restores the old size.
 */
IoResult removeInPlace(SystemFile& file, qint64 recordSize, qint64 n, qint64 records)
{
    const qint64 oldSize = file.size();
    QByteArray removed(recordSize, Qt::Uninitialized);
    QByteArray buffer(recordSize, Qt::Uninitialized);
    if (!file.readAt(n * recordSize, removed.data(), recordSize))
        return file.failure();
    qint64 moved = n;   // positions n .. moved - 1 hold the records from one place above
    bool cut = false;
    while (moved < records - 1 && moveRecord(file, recordSize, moved + 1, moved, buffer))
        ++moved;
    if (moved == records - 1) {
        cut = file.truncate((records - 1) * recordSize);
        if (cut && file.sync())
            return IoResult::ok();
    }
    const IoResult failure = file.failure();
    // Record j (n < j <= moved) is whole one place down, where it was copied; position moved
    // may hold a cut write, and after a cut the last position is gone: copy each back up.
    bool undone = !cut || file.truncate(oldSize);
    for (qint64 j = moved; undone && j > n; --j)
        undone = moveRecord(file, recordSize, j - 1, j, buffer);
    if (undone && file.writeAt(n * recordSize, removed))
        file.sync();
    return failure;
}

} // namespace

IoResult Reader::open(const QString& path)
{
    m_pending.reset();
    if (!m_file.open(path, SystemFile::Access::ReadOnly))
        return m_file.failure(IoResult::OpenFailed);
    if (!m_file.isRegular())
        return notRegular();
    if (QFileInfo::exists(RollbackJournal::pathFor(path))) {
        // A cut overwrite (or one at work in another process) is read as its old bytes.
        bool cut = false;
        m_pending = RollbackJournal::read(path);
        if (m_pending && !(m_pending->fits(m_file, cut) && cut))
            m_pending.reset();
    }
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

IoResult readAll(const QString& path, qint64 recordSize, std::vector<QByteArray>& records)
{
    records.clear();
    Reader file;
    if (IoResult opened = file.open(path); !opened)
        return opened;
    const qint64 total = file.size() / recordSize;
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
    if (copied || !SystemPath::refusesNewFiles(error))
        return copied;
    return removeInPlace(file, recordSize, n, records);
}

IoResult create(const QString& path)
{
    return replaceWhole(path, QByteArray());
}

} // namespace RecordFile
