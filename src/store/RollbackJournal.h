#pragma once

#include "store/IoResult.h"
#include "store/SystemFile.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

/**
 * The rollback journal that makes overwriting part of a file crash-atomic. Before the overwrite,
 * the bytes about to be replaced, their offset, the file's identity and size, and a checksum of
 * each 4 KB block of the new bytes are written to "<file>-journal" and synced; after the overwrite
 * is synced, the journal is removed. A journal that is found later means the overwrite may have
 * been cut short: the next writer puts the old bytes back first, so the file holds the old record
 * or the new one, never a mix, and readers meanwhile read the old bytes from the journal.
 *
 * A journal is trusted only for the file it was written for: same identity and size, and every
 * block of its range holding exactly the old bytes or the new ones, as a cut write leaves them.
 * Anything else (an incomplete journal, a backup copied over the file, a new file that reuses the
 * inode) drops the journal and leaves the file alone.
 */
namespace RollbackJournal {

/** Where the journal of file lives. */
QString pathFor(const QString& file);

/** A complete journal: the bytes an overwrite replaced and where they were. */
struct Entry {
    qint64 Offset = 0;
    QByteArray OldBytes;
    std::pair<quint64, quint64> Identity{0, 0};
    qint64 FileSize = 0;
    /** Checksum of each block of the new bytes; blocks follow the file's 4 KB boundaries. */
    std::vector<quint64> NewBlocks;

    /** Puts the old bytes over the part of data (read from offset) that the overwrite covers. */
    void overlay(qint64 offset, char* data, qint64 size) const;
    /**
     * True when the journal belongs to the open file as it is now: same identity and size, and
     * each block of the range old or new. cut tells whether any block is new (the old bytes must go back).
     */
    bool fits(SystemFile& data, bool& cut) const;
};

/** The journal of file when there is a complete one (a link at the journal's path is no journal). */
std::optional<Entry> read(const QString& file);

/**
 * Writes and syncs the journal for overwriting oldBytes with newBytes at offset of the open file.
 * Whatever stands at the journal's path (a stale journal, a link) is removed and the journal is
 * created as a new file. On failure no journal is left and the error number is in error.
 */
IoResult write(const QString& file, SystemFile& data, qint64 offset, QByteArrayView oldBytes, QByteArrayView newBytes,
               int& error);

/** Removes the journal once the overwrite is on the disk. */
IoResult remove(const QString& file);

/**
 * Puts back what a journal of file holds, with the file open for writing and its lock held: when
 * the journal fits the file, the old bytes are written and synced; then the journal is removed.
 * No journal is Ok.
 */
IoResult restore(const QString& file, SystemFile& data);

} // namespace RollbackJournal
