#pragma once

#include "store/IoResult.h"
#include "store/SystemFile.h"

#include <QByteArray>
#include <QString>
#include <optional>

/**
 * The rollback journal that makes overwriting part of a file crash-atomic. Before the overwrite,
 * the bytes about to be replaced, their offset and the file's identity and size are written to
 * "<file>-journal" and synced; after the overwrite is synced, the journal is removed. A journal
 * that is found later means the overwrite may have been cut short: whoever opens the file next
 * puts the old bytes back first, so the file holds the old record or the new one, never a mix. A
 * journal that is itself incomplete was cut before the overwrite began and is dropped; one whose
 * file identity or size no longer matches belongs to a file that is gone and is dropped too.
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

    /** Puts the old bytes over the part of data (read from offset) that the overwrite covers. */
    void overlay(qint64 offset, char* data, qint64 size) const;
};

/** The journal of file when there is a complete one. */
std::optional<Entry> read(const QString& file);

/**
 * Writes and syncs the journal for overwriting oldBytes at offset of the open file. On failure
 * no journal is left and the error number is in error.
 */
IoResult write(const QString& file, SystemFile& data, qint64 offset, QByteArrayView oldBytes, int& error);

/** Removes the journal once the overwrite is on the disk. */
IoResult remove(const QString& file);

/**
 * Puts back what a journal of file holds, with the file open for writing and its lock held:
 * the old bytes are written and synced, then the journal is removed. No journal is Ok; an
 * incomplete or stale journal is only removed.
 */
IoResult restore(const QString& file, SystemFile& data);

} // namespace RollbackJournal
