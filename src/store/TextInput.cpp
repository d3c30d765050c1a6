#include "store/TextInput.h"

#include "store/SystemFile.h"

namespace TextInput {

IoResult Read(const QString& path, QByteArray& bytes, int* error, qint64 maxBytes, const char* what)
{
    bytes.clear();
    SystemFile file;
    // The file is opened without waiting (a FIFO with no writer would block) and checked before any read.
    const bool opened = file.open(path, SystemFile::Access::ReadOnly);
    if (error)
        *error = opened ? 0 : file.error();
    if (!opened)
        return file.failure(IoResult::OpenFailed);
    return ReadOpen(file, path, bytes, maxBytes, what);
}

IoResult ReadOpen(SystemFile& file, const QString& path, QByteArray& bytes, qint64 maxBytes, const char* what)
{
    bytes.clear();
    if (!file.isRegular())
        return IoResult::failed(IoResult::Refused, QStringLiteral("%1 is not a regular file").arg(path));
    const qint64 size = file.size();
    if (size < 0)
        return file.failure();
    if (size > maxBytes)
        return IoResult::failed(IoResult::Refused, QStringLiteral("%1 is larger than %2 MB, the most %3 may hold")
                                                       .arg(path)
                                                       .arg(maxBytes / (1024 * 1024))
                                                       .arg(QLatin1String(what)));
    QByteArray content(size, Qt::Uninitialized);
    if (!file.readAt(0, content.data(), size))
        return file.failure();
    bytes = std::move(content);
    return IoResult::ok();
}

} // namespace TextInput
