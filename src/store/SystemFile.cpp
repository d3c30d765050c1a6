#include "store/SystemFile.h"

#include "store/FaultInjection.h"

#include <QFile>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/file.h>
#include <QFileInfo>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

using FaultInjection::Step;

int injected(Step step)
{
    return FaultInjection::check(step);
}

QByteArray nativePath(const QString& path)
{
    return QFile::encodeName(path);
}

} // namespace

SystemFile::~SystemFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool SystemFile::fail(int error)
{
    m_error = error;
    return false;
}

QString SystemFile::errorText(int error)
{
    return qt_error_string(error);
}

QString SystemFile::errorString() const
{
    return errorText(m_error);
}

bool SystemFile::open(const QString& path, Access access)
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    int flags = O_CLOEXEC;
    switch (access) {
    case Access::ReadOnly: flags |= O_RDONLY; break;
    case Access::ReadOnlyNoFollow: flags |= O_RDONLY | O_NOFOLLOW; break;
    case Access::ReadWrite: flags |= O_RDWR; break;
    case Access::ReadWriteCreate: flags |= O_RDWR | O_CREAT; break;
    case Access::CreateNew: flags |= O_RDWR | O_CREAT | O_EXCL; break;
    }
    if (flags & O_CREAT) {
        if (const int error = injected(Step::Create))
            return fail(error);
    }
    // A FIFO must not block the opening: it is refused by the callers once open.
    int fd;
    do {
        fd = ::open(nativePath(path).constData(), flags | O_NONBLOCK, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return fail(errno);
    const int status = ::fcntl(fd, F_GETFL);
    if (status >= 0)
        ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK);
    m_fd = fd;
    m_error = 0;
    return true;
}

bool SystemFile::readAt(qint64 offset, char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t got = ::pread(m_fd, data, std::size_t(std::min<qint64>(size, SSIZE_MAX)), off_t(offset));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (got == 0)
            return fail(ENODATA);
        data += got;
        offset += got;
        size -= got;
    }
    return true;
}

bool SystemFile::writeAt(qint64 offset, const char* data, qint64 size)
{
    if (const int error = injected(Step::Write))
        return fail(error);
    while (size > 0) {
        const ssize_t put = ::pwrite(m_fd, data, std::size_t(std::min<qint64>(size, SSIZE_MAX)), off_t(offset));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (put == 0)
            return fail(ENOSPC);
        data += put;
        offset += put;
        size -= put;
    }
    return true;
}

bool SystemFile::sync()
{
    if (const int error = injected(Step::Sync))
        return fail(error);
    if (::fsync(m_fd) != 0 && errno != EINVAL)
        return fail(errno);
    return true;
}

bool SystemFile::truncate(qint64 size)
{
    if (const int error = injected(Step::Truncate))
        return fail(error);
    int result;
    do {
        result = ::ftruncate(m_fd, off_t(size));
    } while (result != 0 && errno == EINTR);
    return result == 0 || fail(errno);
}

qint64 SystemFile::size()
{
    struct stat info;
    if (::fstat(m_fd, &info) != 0) {
        fail(errno);
        return -1;
    }
    return qint64(info.st_size);
}

std::pair<quint64, quint64> SystemFile::identity()
{
    struct stat info;
    if (::fstat(m_fd, &info) != 0) {
        fail(errno);
        return {0, 0};
    }
    return {quint64(info.st_dev), quint64(info.st_ino)};
}

bool SystemFile::isRegular()
{
    struct stat info;
    if (::fstat(m_fd, &info) != 0)
        return fail(errno);
    return S_ISREG(info.st_mode);
}

int SystemFile::permissions()
{
    struct stat info;
    if (::fstat(m_fd, &info) != 0) {
        fail(errno);
        return -1;
    }
    return int(info.st_mode & 07777);
}

int SystemFile::linkCount()
{
    struct stat info;
    if (::fstat(m_fd, &info) != 0) {
        fail(errno);
        return -1;
    }
    return int(info.st_nlink);
}

QByteArray SystemFile::attribute(const char* name)
{
    char value[4096];
    const ssize_t size = ::fgetxattr(m_fd, name, value, sizeof value);
    return size > 0 ? QByteArray(value, size) : QByteArray();
}

bool SystemFile::setAttribute(const char* name, QByteArrayView value)
{
    if (const int error = injected(Step::Write))
        return fail(error);
    return ::fsetxattr(m_fd, name, value.data(), std::size_t(value.size()), 0) == 0 || fail(errno);
}

void SystemFile::removeAttribute(const char* name)
{
    ::fremovexattr(m_fd, name);
}

bool SystemFile::setPermissions(int mode)
{
    return ::fchmod(m_fd, mode_t(mode)) == 0 || fail(errno);
}

bool SystemFile::lockExclusive(bool wait)
{
    int result;
    do {
        result = ::flock(m_fd, LOCK_EX | (wait ? 0 : LOCK_NB));
    } while (result != 0 && errno == EINTR);
    return result == 0 || fail(errno);
}

bool SystemFile::close()
{
    if (m_fd < 0)
        return true;
    const int fd = m_fd;
    m_fd = -1;
    // Linux releases the descriptor even when close reports an error, so it is never retried.
    return ::close(fd) == 0 || errno == EINTR || fail(errno);
}

namespace SystemPath {

bool rename(const QString& from, const QString& to, int& error)
{
    error = injected(Step::Rename);
    if (error)
        return false;
    if (::rename(nativePath(from).constData(), nativePath(to).constData()) == 0)
        return true;
    error = errno;
    return false;
}

bool remove(const QString& path, int& error)
{
    error = injected(Step::Remove);
    if (error)
        return false;
    if (::unlink(nativePath(path).constData()) == 0)
        return true;
    error = errno;
    return false;
}

void syncFolder(const QString& folder)
{
    const int fd = ::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool existsAndIsNotRegular(const QString& path)
{
    struct stat info;
    return ::stat(nativePath(path).constData(), &info) == 0 && !S_ISREG(info.st_mode);
}

bool sameFile(const QString& a, const QString& b)
{
    struct stat first;
    struct stat second;
    return ::stat(nativePath(a).constData(), &first) == 0 && ::stat(nativePath(b).constData(), &second) == 0
        && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

std::pair<quint64, quint64> identity(const QString& path)
{
    struct stat info;
    if (::stat(nativePath(path).constData(), &info) != 0)
        return {0, 0};
    return {quint64(info.st_dev), quint64(info.st_ino)};
}

QString resolved(const QString& path)
{
    QString target = QFileInfo(path).absoluteFilePath();
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            break;
        const QString next = info.symLinkTarget();
        if (next.isEmpty())
            break;
        target = next;
    }
    return target;
}

int mayChange(const QString& path)
{
    struct stat info;
    const QByteArray native = nativePath(path);
    if (::stat(native.constData(), &info) != 0)
        return 0;
    if (::access(native.constData(), W_OK) != 0)
        return errno;
    return ::geteuid() == 0 && (info.st_mode & 0222) == 0 ? EACCES : 0;
}

IoResult openLocked(const QString& path, SystemFile& file, bool create, bool* created)
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
            return IoResult::failed(IoResult::OpenFailed, QStringLiteral("Not a regular file"));
        if (!file.lockExclusive())
            return file.failure(IoResult::OpenFailed);
        if (file.identity() == identity(path)) {
            if (created)
                *created = made;
            return IoResult::ok();
        }
        file.close();
        if (attempt >= 100)
            return IoResult::failed(IoResult::OpenFailed, QStringLiteral("The file keeps being replaced"));
    }
}

bool refusesNewFiles(int error)
{
    return error == EACCES || error == EPERM || error == ENOSPC || error == EDQUOT;
}

} // namespace SystemPath
