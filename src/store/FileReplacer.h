#pragma once

#include "store/IoResult.h"
#include "store/SystemFile.h"

#include <QByteArrayView>
#include <QString>

/**
 * Replaces a whole file crash-safely: the new content goes into a new file beside the old one,
 * every write is checked, the data is synced, and only then is the new file renamed over the old
 * one. An interruption or failure at any step leaves the old file as it was, removes the new one
 * and reports the system's reason. A link is followed and its target replaced; a target that is
 * not a regular file (a folder, device or FIFO) is refused untouched, and so is a file the user
 * may not write (SystemPath::mayChange). The old file's permissions carry over. The rename happens
 * under the lock of the file the path names at that moment, which also puts back and removes its
 * rollback journal: a journal never outlives the file it was written for. Every file of the
 * program that is written whole goes through this class.
 */
class FileReplacer {
public:
    explicit FileReplacer(const QString& path);
    /** Removes the new file unless commit succeeded. */
    ~FileReplacer();
    FileReplacer(const FileReplacer&) = delete;
    FileReplacer& operator=(const FileReplacer&) = delete;

    /** Checks the target and creates the new file beside it; OpenFailed when it cannot be created. */
    IoResult open();
    /** Appends bytes to the new file. */
    IoResult write(QByteArrayView bytes);
    /** Tells that the caller already holds the target's lock, which commit would otherwise take. */
    void setTargetLocked() { m_targetLocked = true; }
    /** Syncs and closes the new file, then, holding the target's lock, removes its journal and renames the new file over it. */
    IoResult commit();
    /** Removes the new file; the target stays as it was. */
    void abort();

    /**
     * Removes the new files that killed replacements left beside the file path names: those whose
     * process is gone, or whose process number now belongs to a process started after them.
     */
    static void removeLeftovers(const QString& path);

    /** The error number of the last failure (0 when none), for callers that fall back on some. */
    int error() const { return m_error; }

private:
    IoResult failed(int error, IoResult::Status status = IoResult::IoError);

    QString m_path;
    QString m_target;
    QString m_temporary;
    SystemFile m_file;
    qint64 m_written = 0;
    int m_error = 0;
    bool m_committed = false;
    bool m_targetLocked = false;
};

/**
 * Writes content as the whole new content of path through a FileReplacer; targetLocked tells that
 * the caller holds the lock of the file path names (SystemPath::openLocked).
 */
IoResult ReplaceFile(const QString& path, QByteArrayView content, bool targetLocked = false);
