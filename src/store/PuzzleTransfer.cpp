#include "store/PuzzleTransfer.h"

#include "store/Ansi.h"
#include "store/Collection.h"
#include "store/ListOrder.h"
#include "store/RecordFile.h"

#include <QFileInfo>
#include <algorithm>

namespace {

constexpr qint64 RecordSize = qint64(Limits::PuzzleRecordSize);

/** Reads the chosen records of a collection, in the order given, as their stored bytes. */
IoResult readRecords(const QString& path, const std::vector<qint64>& records, std::vector<QByteArray>& out)
{
    out.clear();
    out.reserve(records.size());
    for (const qint64 n : records) {
        QByteArray bytes;
        const IoResult read = RecordFile::read(path, RecordSize, n, bytes);
        if (!read)
            return read;
        out.push_back(std::move(bytes));
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
    return ImportKind::NotValid;
}

bool IsSameCollection(const QString& chosen, const QString& openCollection)
{
    if (chosen.toUpper() == openCollection.toUpper())
        return true;
    const QFileInfo a(chosen);
    const QFileInfo b(openCollection);
    return a.exists() && b.exists() && a.canonicalFilePath() == b.canonicalFilePath();
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
    std::vector<QByteArray> chosen;
    const IoResult read = readRecords(from, records, chosen);
    if (!read)
        return TTransferReport::failure(read, TransferMessages::UnableToImport);
    int written = 0;
    for (const QByteArray& bytes : chosen) {
        // A record number must fit the 16 bits the listing tag gives it.
        if (!CanAppendRecord(RecordCount(into)))
            return TTransferReport::failure(IoResult::failed(IoResult::Refused), TransferMessages::UnableToImport, written);
        const IoResult appended = RecordFile::append(into, RecordSize, bytes);
        if (!appended)
            return TTransferReport::failure(appended, TransferMessages::UnableToImport, written);
        ++written;
    }
    return TTransferReport::success(written);
}

TTransferReport ExportPuzzles(const QString& collection, const std::vector<qint64>& records, const QString& target)
{
    if (IsSameCollection(target, collection))
        return TTransferReport::failure(IoResult::failed(IoResult::Refused), TransferMessages::ExportSameAsOpen);
    std::vector<QByteArray> chosen;
    const IoResult read = readRecords(collection, records, chosen);
    if (!read)
        return TTransferReport::failure(read, TransferMessages::UnableToExport);
    QByteArray content;
    content.reserve(qsizetype(chosen.size()) * RecordSize);
    for (const QByteArray& bytes : chosen)
        content += bytes;
    const IoResult replaced = RecordFile::replaceWhole(target, content);
    if (!replaced)
        return TTransferReport::failure(replaced, TransferMessages::UnableToExport);
    return TTransferReport::success(int(chosen.size()));
}
