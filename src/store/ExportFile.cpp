#include "store/ExportFile.h"

#include "store/RecordFile.h"

#include <QFile>

namespace ExportFile {

IoResult write(const QString& path, const QByteArray& signature, const QByteArray& record)
{
    return RecordFile::replaceWhole(path, signature + QByteArrayLiteral("1.0") + record);
}

IoResult read(const QString& path, const QByteArray& signature, qint64 recordSize, QByteArray& record)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return IoResult::failed(IoResult::OpenFailed, file.errorString());
    const QByteArray tag = file.read(signature.size());
    if (tag != signature)
        return IoResult::failed(IoResult::Corrupt);
    if (file.read(3).size() != 3)
        return IoResult::failed(IoResult::Corrupt);
    record = file.read(recordSize);
    if (record.size() != recordSize)
        return IoResult::failed(IoResult::Corrupt);
    return IoResult::ok();
}

} // namespace ExportFile
