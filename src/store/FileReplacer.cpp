#include "store/FileReplacer.h"

#include "store/RollbackJournal.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {

/** The file a path finally names: links are followed, also to a target that does not exist yet. */
QString resolvedTarget(const QString& path)
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

/** Removes new files that a killed writer left beside the target (their process is gone). */
void removeLeftovers(const QFileInfo& target)
{
    QDir folder = target.absoluteDir();
    const QString prefix = QLatin1Char('.') + target.fileName() + QLatin1Char('.');
    const QStringList names = folder.entryList({prefix + QStringLiteral("*.new")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        const QStringView middle = QStringView(name).sliced(prefix.size(), name.size() - prefix.size() - 4);
        bool isNumber = false;
        const qint64 pid = middle.left(middle.indexOf(QLatin1Char('-'))).toLongLong(&isNumber);
        if (isNumber && pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
            folder.remove(name);
    }
}

} // namespace

FileReplacer::FileReplacer(const QString& path)
    : m_path(path)
    , m_target(resolvedTarget(path))
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
    int mode = -1;
    {
        SystemFile old;
        if (old.open(m_target, SystemFile::Access::ReadOnly))
            mode = old.permissions();
    }
    // Hidden and unique beside the target, so the rename stays on one file system.
    const QFileInfo info(m_target);
    removeLeftovers(info);
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
    // another file. Its journal belongs to it alone: the new file may even get the same inode.
    // A cut overwrite is put right first, so a failed rename leaves the old file whole.
    SystemFile old;
    if (!m_targetLocked) {
        const bool writable = old.open(m_target, SystemFile::Access::ReadWrite);
        if (writable || old.open(m_target, SystemFile::Access::ReadOnly)) {
            old.lockExclusive();
            if (writable && old.isRegular())
                RollbackJournal::restore(m_target, old);
        }
    }
    for (const QString& path : {m_path, m_target}) {
        if (const IoResult removed = RollbackJournal::remove(path); !removed)
            return failed(EIO);
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

IoResult ReplaceFile(const QString& path, QByteArrayView content)
{
    FileReplacer replacer(path);
    if (IoResult opened = replacer.open(); !opened)
        return opened;
    if (IoResult written = replacer.write(content); !written)
        return written;
    return replacer.commit();
}
