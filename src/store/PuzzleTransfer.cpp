#include "store/PuzzleTransfer.h"

#include "store/Ansi.h"
#include "store/Collection.h"
#include "store/FileReplacer.h"
#include "store/ImportedPuzzle.h"
#include "store/ListOrder.h"
#include "store/RecordFile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

constexpr qint64 RecordSize = qint64(Limits::PuzzleRecordSize);

// Records move a few at a time (about a megabyte), so memory stays small whatever the collection's size.
constexpr std::size_t ChunkRecords = 16;

/** Reads the chosen records from..to of an open collection, in the order given, as their stored bytes. */
IoResult readChunk(RecordFile::Reader& file, const std::vector<qint64>& records, std::size_t from, std::size_t to,
                   QByteArray& out)
{
    out.resize(qsizetype(to - from) * RecordSize);
    for (std::size_t i = from; i < to; ++i) {
        const qint64 n = records[i];
        if (n < 0 || (n + 1) * RecordSize > file.size())
            return IoResult::failed(IoResult::IoError, QStringLiteral("Read beyond end of file"));
        if (IoResult got = file.readAt(n * RecordSize, out.data() + qsizetype(i - from) * RecordSize, RecordSize); !got)
            return got;
    }
    return IoResult::ok();
}

} // namespace

TTransferReport TTransferReport::success(int written, const TFixedMessage* notice)
{
    TTransferReport report;
    report.Written = written;
    if (notice) {
        report.Text = notice->text();
        report.Caption = notice->caption();
    }
    return report;
}

TTransferReport TTransferReport::failure(const IoResult& result, const TFixedMessage& message, int written)
{
    TTransferReport report;
    static_cast<TCommandReport&>(report) =
        TCommandReport::failure(result.isOk() ? IoResult::failed(IoResult::Refused) : result, message);
    report.Written = written;
    return report;
}

ImportKind ImportKindOf(const QString& path)
{
    const QString extension = path.right(4).toUpper();
    if (extension == QLatin1String(".QVZ"))
        return ImportKind::OldPuzzle;
    if (extension == QLatin1String(".QV3"))
        return ImportKind::Collection;
    // Only a regular file is looked into: reading a pipe or a device could wait for ever.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return ImportKind::NotValid;
    return ImportedPuzzle::KindOfContent(file.read(ImportedPuzzle::HeadSize));
}

bool IsSameCollection(const QString& chosen, const QString& openCollection)
{
    const QFileInfo a(chosen);
    const QFileInfo b(openCollection);
    if (a.exists() || b.exists())
        return SystemPath::sameFile(chosen, openCollection);
    // Neither exists yet: the same folder and the same name, letter case counting as the file system counts it.
    const QString folderA = QFileInfo(a.absolutePath()).canonicalFilePath();
    const QString folderB = QFileInfo(b.absolutePath()).canonicalFilePath();
    const QString pathA = (folderA.isEmpty() ? a.absolutePath() : folderA) + QLatin1Char('/') + a.fileName();
    const QString pathB = (folderB.isEmpty() ? b.absolutePath() : folderB) + QLatin1Char('/') + b.fileName();
    return pathA == pathB;
}

std::vector<TTitleItem> SortedTitles(const QString& path)
{
    const CollectionIndex index = ListCollection(path);
    struct Keyed {
        QString Key;
        TTitleItem Item;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(index.Entries.size());
    for (const CollectionEntry& entry : index.Entries)
        keyed.push_back({Ansi::toUnicode(entry.Title), {entry.Title, entry.recordNumber()}});
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) { return ListOrder::Less(a.Key, b.Key); });
    std::vector<TTitleItem> titles;
    titles.reserve(keyed.size());
    for (Keyed& k : keyed)
        titles.push_back(std::move(k.Item));
    return titles;
}

TTransferReport ImportPuzzles(const QString& from, const std::vector<qint64>& records, const QString& into)
{
    RecordFile::Reader source;
    if (IoResult opened = source.open(from); !opened)
        return TTransferReport::failure(opened, TransferMessages::UnableToImport);
    int written = 0;
    QByteArray chunk;
    for (std::size_t first = 0; first < records.size(); first += ChunkRecords) {
        const std::size_t to = std::min(records.size(), first + ChunkRecords);
        if (IoResult read = readChunk(source, records, first, to, chunk); !read)
            return TTransferReport::failure(read, TransferMessages::UnableToImport, written);
        // A record number must fit the 16 bits the listing tag gives it: a chunk that would pass
        // the limit goes one record at a time, so every record that fits is imported.
        const IoResult appended = RecordFile::append(into, RecordSize, chunk, Limits::MaxCollectionRecords);
        if (!appended && appended.status != IoResult::Refused)
            return TTransferReport::failure(appended, TransferMessages::UnableToImport, written);
        for (qsizetype at = 0; !appended && at < chunk.size(); at += RecordSize) {
            const IoResult one = RecordFile::append(into, RecordSize, QByteArrayView(chunk).sliced(at, RecordSize),
                                                    Limits::MaxCollectionRecords);
            if (!one)
                return TTransferReport::failure(one, TransferMessages::UnableToImport, written);
            ++written;
        }
        if (appended)
            written += int(to - first);
    }
    return TTransferReport::success(written);
}

TTransferReport ExportPuzzles(const QString& collection, const std::vector<qint64>& records, const QString& target)
{
    if (IsSameCollection(target, collection))
        return TTransferReport::failure(IoResult::failed(IoResult::Refused), TransferMessages::ExportSameAsOpen);
    RecordFile::Reader source;
    if (IoResult opened = source.open(collection); !opened)
        return TTransferReport::failure(opened, TransferMessages::UnableToExport);
    FileReplacer replacer(target);
    IoResult step = replacer.open();
    QByteArray chunk;
    for (std::size_t first = 0; step && first < records.size(); first += ChunkRecords) {
        const std::size_t to = std::min(records.size(), first + ChunkRecords);
        step = readChunk(source, records, first, to, chunk);
        if (step)
            step = replacer.write(chunk);
    }
    if (step)
        step = replacer.commit();
    if (!step)
        return TTransferReport::failure(step, TransferMessages::UnableToExport);
    return TTransferReport::success(int(records.size()));
}
