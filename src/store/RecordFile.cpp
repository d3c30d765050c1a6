#include "store/RecordFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace RecordFile {

namespace {

IoResult ioError(const QFileDevice& file)
{
    return IoResult::failed(IoResult::IoError, file.errorString());
}

} // namespace

qint64 count(const QString& path, qint64 recordSize)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return 0;
    return info.size() / recordSize;
}

IoResult read(const QString& path, qint64 recordSize, qint64 n, QByteArray& record)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return IoResult::failed(IoResult::OpenFailed, file.errorString());
    if (n < 0 || (n + 1) * recordSize > file.size())
        return IoResult::failed(IoResult::IoError, QStringLiteral("Read beyond end of file"));
    if (!file.seek(n * recordSize))
        return ioError(file);
    record = file.read(recordSize);
    if (record.size() != recordSize)
        return ioError(file);
    return IoResult::ok();
}

IoResult readAll(const QString& path, qint64 recordSize, std::vector<QByteArray>& records)
{
    records.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return IoResult::failed(IoResult::OpenFailed, file.errorString());
    const qint64 total = file.size() / recordSize;
    records.reserve(std::size_t(total));
    for (qint64 i = 0; i < total; ++i) {
        QByteArray record = file.read(recordSize);
        if (record.size() != recordSize)
            return ioError(file);
        records.push_back(std::move(record));
    }
    return IoResult::ok();
}

IoResult write(const QString& path, qint64 recordSize, qint64 n, const QByteArray& record)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return IoResult::failed(IoResult::OpenFailed, file.errorString());
    const qint64 records = file.size() / recordSize;
    if (n < 0 || n > records)
        return IoResult::failed(IoResult::Refused, QStringLiteral("Record number out of range"));
    if (!file.seek(n * recordSize))
        return ioError(file);
    if (file.write(record) != record.size() || !file.flush())
        return ioError(file);
    file.close();
    if (file.error() != QFileDevice::NoError)
        return ioError(file);
    return IoResult::ok();
}

IoResult append(const QString& path, qint64 recordSize, const QByteArray& record)
{
    return write(path, recordSize, count(path, recordSize), record);
}

IoResult replaceWhole(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return IoResult::failed(IoResult::OpenFailed, file.errorString());
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return IoResult::failed(IoResult::IoError, file.errorString());
    }
    if (!file.commit())
        return IoResult::failed(IoResult::IoError, file.errorString());
    return IoResult::ok();
}

IoResult remove(const QString& path, qint64 recordSize, qint64 n)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return IoResult::failed(IoResult::OpenFailed, file.errorString());
    const qint64 records = file.size() / recordSize;
    if (n < 0 || n >= records)
        return IoResult::failed(IoResult::Refused, QStringLiteral("Record number out of range"));
    const QByteArray before = file.read(n * recordSize);
    if (!file.seek((n + 1) * recordSize))
        return ioError(file);
    const QByteArray after = file.read((records - n - 1) * recordSize);
    if (before.size() != n * recordSize || after.size() != (records - n - 1) * recordSize)
        return ioError(file);
    file.close();
    return replaceWhole(path, before + after);
}

IoResult create(const QString& path)
{
    return replaceWhole(path, QByteArray());
}

} // namespace RecordFile
