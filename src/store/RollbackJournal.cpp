#include "store/RollbackJournal.h"

#include <QFileInfo>
#include <QtEndian>
#include <algorithm>

namespace RollbackJournal {

namespace {

constexpr char Magic[8] = {'Q', 'V', 'J', 'R', 'N', 'L', '0', '1'};
constexpr qint64 HeaderSize = 48;
constexpr qint64 ChecksumSize = 8;
// The largest overwrite journalled: a page layout or puzzle record is far below it.
constexpr qint64 MaxJournalled = 16 * 1024 * 1024;

void putU64(QByteArray& out, quint64 value)
{
    char bytes[8];
    qToLittleEndian(value, bytes);
    out.append(bytes, 8);
}

quint64 getU64(const char* bytes)
{
    return qFromLittleEndian<quint64>(bytes);
}

quint64 checksum(QByteArrayView bytes)
{
    // FNV-1a, 64 bits: enough to tell a complete journal from one cut short.
    quint64 hash = 14695981039346656037ULL;
    for (char c : bytes) {
        hash ^= quint8(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

IoResult removeFile(const QString& path)
{
    int error = 0;
    if (!SystemPath::remove(path, error) && error != ENOENT)
        return IoResult::failed(IoResult::IoError, SystemFile::errorText(error));
    SystemPath::syncFolder(QFileInfo(path).absolutePath());
    return IoResult::ok();
}

} // namespace

QString pathFor(const QString& file)
{
    return file + QStringLiteral("-journal");
}

void Entry::overlay(qint64 offset, char* data, qint64 size) const
{
    const qint64 from = std::max(offset, Offset);
    const qint64 to = std::min(offset + size, Offset + qint64(OldBytes.size()));
    if (from < to)
        std::copy_n(OldBytes.constData() + (from - Offset), to - from, data + (from - offset));
}

std::optional<Entry> read(const QString& file)
{
    SystemFile journal;
    if (!journal.open(pathFor(file), SystemFile::Access::ReadOnly) || !journal.isRegular())
        return std::nullopt;
    const qint64 size = journal.size();
    if (size < HeaderSize + ChecksumSize || size > HeaderSize + MaxJournalled + ChecksumSize)
        return std::nullopt;
    QByteArray bytes(size, Qt::Uninitialized);
    if (!journal.readAt(0, bytes.data(), size) || !bytes.startsWith(QByteArrayView(Magic, 8)))
        return std::nullopt;
    const char* header = bytes.constData();
    const qint64 length = qint64(getU64(header + 40));
    if (length != size - HeaderSize - ChecksumSize)
        return std::nullopt;
    if (getU64(header + HeaderSize + length) != checksum(QByteArrayView(bytes).first(HeaderSize + length)))
        return std::nullopt;
    Entry entry;
    entry.Identity = {getU64(header + 8), getU64(header + 16)};
    entry.FileSize = qint64(getU64(header + 24));
    entry.Offset = qint64(getU64(header + 32));
    entry.OldBytes = bytes.mid(HeaderSize, length);
    if (entry.Offset < 0 || entry.FileSize < 0)
        return std::nullopt;
    return entry;
}

IoResult write(const QString& file, SystemFile& data, qint64 offset, QByteArrayView oldBytes, int& error)
{
    const auto identity = data.identity();
    QByteArray bytes(Magic, 8);
    putU64(bytes, identity.first);
    putU64(bytes, identity.second);
    putU64(bytes, quint64(data.size()));
    putU64(bytes, quint64(offset));
    putU64(bytes, quint64(oldBytes.size()));
    bytes.append(oldBytes.data(), oldBytes.size());
    putU64(bytes, checksum(bytes));

    const QString path = pathFor(file);
    SystemFile journal;
    // A journal left over here was already restored or found incomplete by the caller.
    const bool opened = journal.open(path, SystemFile::Access::ReadWriteCreate);
    if (!opened || !journal.truncate(0) || !journal.writeAt(0, bytes) || !journal.sync() || !journal.close()) {
        error = journal.error();
        journal.close();
        if (opened)
            removeFile(path);
        return IoResult::failed(IoResult::IoError, SystemFile::errorText(error));
    }
    SystemPath::syncFolder(QFileInfo(path).absolutePath());
    error = 0;
    return IoResult::ok();
}

IoResult remove(const QString& file)
{
    return removeFile(pathFor(file));
}

IoResult restore(const QString& file, SystemFile& data)
{
    if (!QFileInfo::exists(pathFor(file)))
        return IoResult::ok();
    const std::optional<Entry> entry = read(file);
    if (entry && entry->Identity == data.identity() && entry->FileSize == data.size()
        && entry->Offset + entry->OldBytes.size() <= entry->FileSize) {
        if (!data.writeAt(entry->Offset, entry->OldBytes) || !data.sync())
            return data.failure();
    }
    return remove(file);
}

} // namespace RollbackJournal
