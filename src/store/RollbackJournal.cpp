#include "store/RollbackJournal.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <cerrno>

namespace RollbackJournal {

namespace {

constexpr char Magic[8] = {'Q', 'V', 'J', 'R', 'N', 'L', '0', '2'};
constexpr qint64 HeaderSize = 56;
constexpr qint64 ChecksumSize = 8;
// The largest overwrite journalled: a page layout or puzzle record is far below it.
constexpr qint64 MaxJournalled = 16 * 1024 * 1024;
// A cut write leaves whole pages of the page cache old or new.
constexpr qint64 BlockSize = 4096;

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
    // FNV-1a, 64 bits: enough to tell a complete journal from one cut short, and new bytes from others.
    quint64 hash = 14695981039346656037ULL;
    for (char c : bytes) {
        hash ^= quint8(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

/** Calls visit(start, length) for each piece of [offset, offset + size) within one file block, in order. */
template <class Visit>
void forEachBlock(qint64 offset, qint64 size, Visit visit)
{
    for (qint64 at = offset; at < offset + size;) {
        const qint64 next = std::min((at / BlockSize + 1) * BlockSize, offset + size);
        visit(at - offset, next - at);
        at = next;
    }
}

// The extended attribute that tells where the journal of a file with several names is.
constexpr char PlaceAttribute[] = "user.quorvex.journal";

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
    return SystemPath::resolved(file) + QStringLiteral("-journal");
}

namespace {

/** Where a journal of the open file may be: beside its real name, beside the name given, at its attribute's place. */
QStringList places(const QString& file, SystemFile& data)
{
    QStringList paths{pathFor(file)};
    const QString given = QFileInfo(file).absoluteFilePath() + QStringLiteral("-journal");
    if (given != paths.first())
        paths.append(given);
    if (data.linkCount() > 1) {
        const QString marked = QFile::decodeName(data.attribute(PlaceAttribute));
        if (!marked.isEmpty() && !paths.contains(marked))
            paths.append(marked);
    }
    return paths;
}

/** The complete journal at path, whoever it was written for. */
std::optional<Entry> readAt(const QString& path)
{
    SystemFile journal;
    if (!journal.open(path, SystemFile::Access::ReadOnlyNoFollow) || !journal.isRegular())
        return std::nullopt;
    const qint64 size = journal.size();
    if (size < HeaderSize + ChecksumSize || size > HeaderSize + 2 * MaxJournalled + ChecksumSize)
        return std::nullopt;
    QByteArray bytes(size, Qt::Uninitialized);
    if (!journal.readAt(0, bytes.data(), size) || !bytes.startsWith(QByteArrayView(Magic, 8)))
        return std::nullopt;
    const char* header = bytes.constData();
    const qint64 length = qint64(getU64(header + 40));
    const qint64 blocks = qint64(getU64(header + 48));
    if (length < 0 || blocks < 0 || length > MaxJournalled || blocks > MaxJournalled / 8
        || length + 8 * blocks != size - HeaderSize - ChecksumSize)
        return std::nullopt;
    const qint64 body = HeaderSize + length + 8 * blocks;
    if (getU64(header + body) != checksum(QByteArrayView(bytes).first(body)))
        return std::nullopt;
    Entry entry;
    entry.Identity = {getU64(header + 8), getU64(header + 16)};
    entry.FileSize = qint64(getU64(header + 24));
    entry.Offset = qint64(getU64(header + 32));
    entry.OldBytes = bytes.mid(HeaderSize, length);
    for (qint64 i = 0; i < blocks; ++i)
        entry.NewBlocks.push_back(getU64(header + HeaderSize + length + 8 * i));
    if (entry.Offset < 0 || entry.FileSize < 0)
        return std::nullopt;
    return entry;
}

} // namespace

void Entry::overlay(qint64 offset, char* data, qint64 size) const
{
    const qint64 from = std::max(offset, Offset);
    const qint64 to = std::min(offset + size, Offset + qint64(OldBytes.size()));
    if (from < to)
        std::copy_n(OldBytes.constData() + (from - Offset), to - from, data + (from - offset));
}

bool Entry::fits(SystemFile& data, bool& cut) const
{
    cut = false;
    if (Identity != data.identity() || FileSize != data.size() || Offset + OldBytes.size() > FileSize)
        return false;
    QByteArray now(OldBytes.size(), Qt::Uninitialized);
    if (!data.readAt(Offset, now.data(), now.size()))
        return false;
    bool fits = true;
    std::size_t block = 0;
    forEachBlock(Offset, OldBytes.size(), [&](qint64 start, qint64 length) {
        const QByteArrayView piece = QByteArrayView(now).sliced(start, length);
        if (piece == QByteArrayView(OldBytes).sliced(start, length))
            ;
        else if (block < NewBlocks.size() && checksum(piece) == NewBlocks[block])
            cut = true;
        else
            fits = false;
        ++block;
    });
    return fits && block == NewBlocks.size();
}

std::optional<Entry> find(const QString& file, SystemFile& data)
{
    const auto identity = data.identity();
    for (const QString& path : places(file, data)) {
        if (std::optional<Entry> entry = readAt(path); entry && entry->Identity == identity)
            return entry;
    }
    return std::nullopt;
}

IoResult write(const QString& file, SystemFile& data, qint64 offset, QByteArrayView oldBytes, QByteArrayView newBytes,
               int& error)
{
    const auto identity = data.identity();
    QByteArray bytes(Magic, 8);
    putU64(bytes, identity.first);
    putU64(bytes, identity.second);
    putU64(bytes, quint64(data.size()));
    putU64(bytes, quint64(offset));
    putU64(bytes, quint64(oldBytes.size()));
    QByteArray blocks;
    forEachBlock(offset, newBytes.size(), [&](qint64 start, qint64 length) {
        putU64(blocks, checksum(newBytes.sliced(start, length)));
    });
    putU64(bytes, quint64(blocks.size() / 8));
    bytes.append(oldBytes.data(), oldBytes.size());
    bytes += blocks;
    putU64(bytes, checksum(bytes));

    // Whatever stands at the path goes first, and the journal is created anew: a link there is
    // never followed, so no other file receives the old bytes.
    const QString path = pathFor(file);
    SystemFile journal;
    bool opened = false;
    for (int attempt = 0; attempt < 3 && !opened; ++attempt) {
        int removeError = 0;
        if (!SystemPath::remove(path, removeError) && removeError != ENOENT) {
            error = removeError;
            return IoResult::failed(IoResult::IoError, SystemFile::errorText(error));
        }
        opened = journal.open(path, SystemFile::Access::CreateNew);
        if (!opened && journal.error() != EEXIST)
            break;
    }
    if (!opened || !journal.writeAt(0, bytes) || !journal.sync() || !journal.close()) {
        error = journal.error();
        journal.close();
        if (opened)
            removeFile(path);
        return IoResult::failed(IoResult::IoError, SystemFile::errorText(error));
    }
    SystemPath::syncFolder(QFileInfo(path).absolutePath());
    // Another name of the file finds the journal through the file itself.
    if (data.linkCount() > 1 && !(data.setAttribute(PlaceAttribute, QFile::encodeName(path)) && data.sync())) {
        error = data.error();
        removeFile(path);
        return IoResult::failed(IoResult::IoError, SystemFile::errorText(error));
    }
    error = 0;
    return IoResult::ok();
}

IoResult remove(const QString& file, SystemFile& data)
{
    const QStringList paths = places(file, data);
    const auto identity = data.identity();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        if (!QFileInfo(paths[i]).isSymLink() && !QFileInfo::exists(paths[i]))
            continue;
        // A journal beside another name belongs to whatever file that name holds, unless written for this one.
        if (i > 0) {
            const std::optional<Entry> entry = readAt(paths[i]);
            if (!entry || entry->Identity != identity)
                continue;
        }
        if (IoResult removed = removeFile(paths[i]); !removed)
            return removed;
    }
    if (data.linkCount() > 1)
        data.removeAttribute(PlaceAttribute);
    return IoResult::ok();
}

IoResult restore(const QString& file, SystemFile& data)
{
    const std::optional<Entry> entry = find(file, data);
    bool cut = false;
    if (entry && entry->fits(data, cut) && cut) {
        if (!data.writeAt(entry->Offset, entry->OldBytes) || !data.sync())
            return data.failure();
    }
    return remove(file, data);
}

} // namespace RollbackJournal
