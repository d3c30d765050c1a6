#include "store/ExportFile.h"

#include "store/RecordFile.h"


namespace ExportFile {

IoResult write(const QString& path, const QByteArray& signature, const QByteArray& record)
{
    return RecordFile::replaceWhole(path, signature + QByteArrayLiteral("1.0") + record);
}

IoResult read(const QString& path, const QByteArray& signature, qint64 recordSize, QByteArray& record)
{
    // A FIFO or device would block or never end: only a regular file is read.
    RecordFile::Reader file;
    if (IoResult opened = file.open(path); !opened)
        return opened;
    const qint64 headerSize = signature.size() + 3;
    if (file.size() < headerSize + recordSize)
        return IoResult::failed(IoResult::Corrupt);
    QByteArray bytes(headerSize + recordSize, Qt::Uninitialized);
    if (IoResult got = file.readAt(0, bytes.data(), bytes.size()); !got)
        return got;
    if (!bytes.startsWith(signature))
        return IoResult::failed(IoResult::Corrupt);
    record = bytes.mid(headerSize);
    return IoResult::ok();
}

} // namespace ExportFile
