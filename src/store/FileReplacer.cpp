#include "store/FileReplacer.h"

#include "store/RollbackJournal.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {

/** When process pid started, in seconds since the epoch; -1 when it is gone or unknown. */
qint64 processStart(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    QFile system(QStringLiteral("/proc/stat"));
    if (!stat.open(QIODevice::ReadOnly) || !system.open(QIODevice::ReadOnly))
        return -1;
    // The fields after the command (which may hold spaces) in parentheses; the start is the 20th.
    const QByteArray line = stat.read(4096);
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    qint64 boot = -1;
    for (const QByteArray& entry : system.read(65536).split('\n')) {
        if (entry.startsWith("btime "))
            boot = entry.mid(6).trimmed().toLongLong();
    }
    const long ticks = ::sysconf(_SC_CLK_TCK);
    if (fields.size() < 20 || boot < 0 || ticks <= 0)
        return -1;
    return boot + fields[19].toLongLong() / ticks;
}

} // namespace

void FileReplacer::removeLeftovers(const QString& path)
{
    const QFileInfo target(SystemPath::resolved(path));
    QDir folder = target.absoluteDir();
    const QString prefix = QLatin1Char('.') + target.fileName() + QLatin1Char('.');
    const QFileInfoList found = folder.entryInfoList({prefix + QStringLiteral("*.new")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& leftover : found) {
        const QString name = leftover.fileName();
        const QStringView middle = QStringView(name).sliced(prefix.size(), name.size() - prefix.size() - 4);
        bool isNumber = false;
        const qint64 pid = middle.left(middle.indexOf(QLatin1Char('-'))).toLongLong(&isNumber);
        if (!isNumber || pid <= 0)
            continue;
        // The process that wrote it is gone, or its number now belongs to one started after the
        // file was last written (with a margin for the clock's rounding).
        const bool gone = ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
        const qint64 start = gone ? -1 : processStart(pid);
        if (gone || (start > 0 && start > leftover.lastModified().toSecsSinceEpoch() + 2))
            folder.remove(name);
    }
}

FileReplacer::FileReplacer(const QString& path)
    : m_path(path)
    , m_target(SystemPath::resolved(path))
{
}

FileReplacer::~FileReplacer()
{
    if (!m_committed)
        abort();
}

IoResult FileReplacer::failed(int error, IoResult::Status status)
{
    m_error = error;
    abort();
    return IoResult::failed(status, SystemFile::errorText(error));
}

IoResult FileReplacer::open()
{
    if (SystemPath::existsAndIsNotRegular(m_target)) {
        m_error = EINVAL;
        return IoResult::failed(IoResult::Refused, QStringLiteral("Not a regular file"));
    }
    if (const int error = SystemPath::mayChange(m_target)) {
        m_error = error;
        return IoResult::failed(IoResult::Refused, SystemFile::errorText(error));
    }
    int mode = -1;
    {
        SystemFile old;
        if (old.open(m_target, SystemFile::Access::ReadOnly))
            mode = old.permissions();
    }
    // Hidden and unique beside the target, so the rename stays on one file system.
    const QFileInfo info(m_target);
    removeLeftovers(m_target);
    static unsigned counter = 0;
    for (int attempt = 0;; ++attempt) {
        m_temporary = info.absoluteDir().filePath(QStringLiteral(".%1.%2-%3.new")
                                                      .arg(info.fileName())
                                                      .arg(::getpid())
                                                      .arg(++counter));
        if (m_file.open(m_temporary, SystemFile::Access::CreateNew))
            break;
        if (m_file.error() != EEXIST || attempt > 100) {
            const int error = m_file.error();
            m_temporary.clear();
            return failed(error, IoResult::OpenFailed);
        }
    }
    if (mode >= 0 && !m_file.setPermissions(mode))
        return failed(m_file.error());
    m_written = 0;
    return IoResult::ok();
}

IoResult FileReplacer::write(QByteArrayView bytes)
{
    if (!m_file.isOpen())
        return failed(EBADF);
    if (!m_file.writeAt(m_written, bytes.data(), bytes.size()))
        return failed(m_file.error());
    m_written += bytes.size();
    return IoResult::ok();
}

IoResult FileReplacer::commit()
{
    if (!m_file.isOpen())
        return failed(EBADF);
    if (!m_file.sync() || !m_file.close())
        return failed(m_file.error());
    // Writers of the old file wait on its lock and find, once they hold it, that the path names
    // another file. The lock is taken on the file the path names when it is held (a delete may
    // have renamed a new one into place meanwhile), and a cut overwrite of it is put right first,
    // so a failed rename leaves the old file whole. A missing target is simply created.
    SystemFile old;
    if (!m_targetLocked) {
        IoResult locked = SystemPath::openLocked(m_target, old, false);
        if (locked)
            locked = RollbackJournal::restore(m_path, old);
        if (!locked && old.error() != ENOENT) {
            m_error = old.error();
            abort();
            return locked;
        }
    }
    int error = 0;
    if (!SystemPath::rename(m_temporary, m_target, error))
        return failed(error);
    m_committed = true;
    m_temporary.clear();
    SystemPath::syncFolder(QFileInfo(m_target).absolutePath());
    return IoResult::ok();
}

void FileReplacer::abort()
{
    m_file.close();
    if (!m_temporary.isEmpty()) {
        ::unlink(QFile::encodeName(m_temporary).constData());
        m_temporary.clear();
    }
}

IoResult ReplaceFile(const QString& path, QByteArrayView content, bool targetLocked)
{
    FileReplacer replacer(path);
    if (targetLocked)
        replacer.setTargetLocked();
    if (IoResult opened = replacer.open(); !opened)
        return opened;
    if (IoResult written = replacer.write(content); !written)
        return written;
    return replacer.commit();
}
