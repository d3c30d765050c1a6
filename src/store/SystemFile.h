#pragma once

#include "store/IoResult.h"

#include <QByteArray>
#include <QString>
#include <utility>

/**
 * An open file of the operating system, used by the file layer where every step must be checked:
 * positioned reads and writes that loop over short transfers, sync, truncate and advisory locks.
 * Each failure keeps the system's error number, and its text names the system's reason
 * ("No space left on device"). Writes, syncs, truncates and creates pass the fault-injection seam.
 * The file is closed when the object goes.
 */
class SystemFile {
public:
    /** ReadOnlyNoFollow refuses a symbolic link; CreateNew never follows one (it fails on any existing name). */
    enum class Access { ReadOnly, ReadOnlyNoFollow, ReadWrite, ReadWriteCreate, CreateNew };

    SystemFile() = default;
    ~SystemFile();
    SystemFile(const SystemFile&) = delete;
    SystemFile& operator=(const SystemFile&) = delete;

    /** Opens path; CreateNew fails when the file exists. New files get 0666 less the umask. */
    bool open(const QString& path, Access access);
    bool isOpen() const { return m_fd >= 0; }

    /** Reads exactly size bytes at offset; a file that ends before is an error. */
    bool readAt(qint64 offset, char* data, qint64 size);
    /** Writes all size bytes at offset. */
    bool writeAt(qint64 offset, const char* data, qint64 size);
    bool writeAt(qint64 offset, QByteArrayView bytes) { return writeAt(offset, bytes.data(), bytes.size()); }
    /** Flushes the file's data to the disk. */
    bool sync();
    /** Cuts or extends the file to size bytes. */
    bool truncate(qint64 size);
    /** Current size in bytes, or -1. */
    qint64 size();
    /** Device and inode number of the open file, which tell one file from another; {0, 0} on failure. */
    std::pair<quint64, quint64> identity();
    /** True when the open file is a regular file (not a device, FIFO or folder). */
    bool isRegular();
    /** Number of names (hard links) the open file has, or -1. */
    int linkCount();
    /** Permission bits of the open file, or -1. */
    int permissions();
    /** Gives the file the permission bits. */
    bool setPermissions(int mode);
    /** Takes the exclusive advisory lock, waiting for it, or only when free. */
    bool lockExclusive(bool wait = true);
    /** Reads the extended attribute name (user namespace) of the open file; empty when it has none. */
    QByteArray attribute(const char* name);
    /** Sets the extended attribute name of the open file; fails where the file system keeps none. */
    bool setAttribute(const char* name, QByteArrayView value);
    /** Removes the extended attribute name; a file without it is fine. */
    void removeAttribute(const char* name);
    /** Closes the file and reports a failed close (which can carry a late write error). */
    bool close();

    /** Error number of the last failure. */
    int error() const { return m_error; }
    /** The system's text for the last failure. */
    QString errorString() const;
    /** The last failure as an IoResult of the given status. */
    IoResult failure(IoResult::Status status = IoResult::IoError) const { return IoResult::failed(status, errorString()); }

    /** The system's text for an error number. */
    static QString errorText(int error);

private:
    bool fail(int error);

    int m_fd = -1;
    int m_error = 0;
};

/** Functions of the file system on paths, checked like SystemFile and passing the same seam. */
namespace SystemPath {
/** Renames from over to in one step. Sets error to the failure's error number. */
bool rename(const QString& from, const QString& to, int& error);
/** Removes a file. Sets error to the failure's error number. */
bool remove(const QString& path, int& error);
/** Flushes a folder's entries (a rename or removal in it) to the disk; failures are ignored. */
void syncFolder(const QString& folder);
/** True when path exists and is not a regular file (a folder, device, FIFO or socket); links are followed. */
bool existsAndIsNotRegular(const QString& path);
/** True when both paths name the same existing file (links and different spellings resolved). */
bool sameFile(const QString& a, const QString& b);
/** Device and inode number of the file path names (links followed); {0, 0} when there is none. */
std::pair<quint64, quint64> identity(const QString& path);
/** The file path finally names: symbolic links are followed, also to a target that does not exist yet. */
QString resolved(const QString& path);
/**
 * Whether the user may change the existing file path names (links followed): 0 when so or when
 * there is no file, else the error number of the refusal (EACCES). The system decides for a user;
 * the superuser, whom the system lets write anything, is refused a file with no write permission
 * bit at all, as such a file is marked by its owner to be kept as it is.
 */
int mayChange(const QString& path);
/**
 * Opens the regular file path names for reading and writing and takes its exclusive lock, making
 * sure once it is held that path still names the locked file: another process may have renamed a
 * new file into place or removed it meanwhile, so the lock is taken again on the file path names
 * now. With create, a missing file is created (created tells so). OpenFailed with the system's
 * reason when the file cannot be opened, or "Not a regular file".
 */
IoResult openLocked(const QString& path, SystemFile& file, bool create, bool* created = nullptr);
/** True when the error number means that the folder takes no new file or the disk has no room. */
bool refusesNewFiles(int error);
} // namespace SystemPath
