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
 *
 * The journal is named after the real file, links resolved, so every symbolic link to a file finds
 * the same journal. A file with more than one name (hard links) also carries the journal's place
 * in an extended attribute of its own ("user.quorvex.journal"), which every name reaches: a
 * reader or writer through another name finds the journal there, and the identity recorded in the
 * journal must be that of the file before it is applied. Where the file system keeps no such
 * attribute, a file with several names is not overwritten. A journal beside the name a link has
 * (where earlier versions put it) is still found, and applied when its identity fits.
 */
namespace RollbackJournal {

/** Where the journal of file lives: beside the file that path finally names. */
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

/**
 * The complete journal written for the open file data, which path names: beside its real name,
 * beside the name given, or where its attribute says. A link at a journal's path is no journal.
 */
std::optional<Entry> find(const QString& file, SystemFile& data);

/**
 * Writes and syncs the journal for overwriting oldBytes with newBytes at offset of the open file.
 * Whatever stands at the journal's path (a stale journal, a link) is removed and the journal is
 * created as a new file. On failure no journal is left and the error number is in error.
 */
IoResult write(const QString& file, SystemFile& data, qint64 offset, QByteArrayView oldBytes, QByteArrayView newBytes,
               int& error);

/**
 * Removes the journals of the open file data (locked, and named by file) once the overwrite is on
 * the disk: the one beside its real name whatever it holds, any other only when written for data.
 */
IoResult remove(const QString& file, SystemFile& data);

/**
 * Puts back what a journal of file holds, with the file open for writing and its lock held: when
 * the journal fits the file, the old bytes are written and synced; then the journal is removed.
 * No journal is Ok.
 */
IoResult restore(const QString& file, SystemFile& data);

} // namespace RollbackJournal
