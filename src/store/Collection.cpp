#include "store/Collection.h"

#include "store/AnsiString.h"
#include "store/RecordFile.h"

#include <QHash>
#include <algorithm>

namespace {

constexpr qint64 RecordSize = qint64(Limits::PuzzleRecordSize);

// Category (String[20]) and Title (String[35]) follow the version stamp (String[5]) back to back.
constexpr qint64 CategoryOffset = Limits::VersionLength + 1;
constexpr qint64 CategorySize = Limits::CategoryLength + 1;
constexpr qint64 TitleSize = Limits::TitleLength + 1;
constexpr qint64 ListedFieldsSize = CategorySize + TitleSize;

IoResult refused()
{
    return IoResult::failed(IoResult::Refused, QString(CollectionMessages::UnableToSave));
}

} // namespace

QString CollectionMessages::saveFailureText(const IoResult& result)
{
    return result.describe(QString(UnableToSave));
}

QString CollectionMessages::loadFailureText(const IoResult& result)
{
    return result.describe(QString(UnableToLoad));
}

IoResult CreateCollection(const QString& path)
{
    return RecordFile::create(path);
}

IoResult ReadPuzzle(const QString& path, qint64 n, TPuzzleRecord& record)
{
    return RecordFile::readRecord(path, RecordSize, n, record);
}

IoResult WritePuzzle(const QString& path, qint64 n, const TPuzzleRecord& record)
{
    if (n < 0 || n >= Limits::MaxCollectionRecords)
        return refused();
    return RecordFile::write(path, RecordSize, n, record.toBytes());
}

IoResult AppendPuzzle(const QString& path, const TPuzzleRecord& record)
{
    const qint64 count = RecordCount(path);
    if (!CanAppendRecord(count))
        return refused();
    return RecordFile::write(path, RecordSize, count, record.toBytes());
}

IoResult RemoveRecord(const QString& path, qint64 n)
{
    return RecordFile::remove(path, RecordSize, n);
}

CollectionIndex ListCollection(const QString& path, IoResult* result)
{
    CollectionIndex index;
    IoResult outcome;
    // Each record costs one positioned 57-byte read.
    RecordFile::Reader file;
    if (IoResult opened = file.open(path); !opened) {
        outcome = opened;
    } else {
        index.TotalRecords = file.size() / RecordSize;
        const qint64 listed = std::min<qint64>(index.TotalRecords, Limits::MaxCollectionRecords);
        index.Entries.reserve(std::size_t(listed));
        QHash<QByteArray, int> categoryPositions;
        char fields[ListedFieldsSize];
        for (qint64 n = 0; n < listed; ++n) {
            if (IoResult got = file.readAt(n * RecordSize + CategoryOffset, fields, ListedFieldsSize); !got) {
                outcome = got;
                break;
            }
            AnsiString<Limits::CategoryLength> category;
            AnsiString<Limits::TitleLength> title;
            category.fromStored(fields);
            title.fromStored(fields + CategorySize);

            // At most 65536 records are listed, so the category index always fits its 16 bits.
            const QByteArray name = category.text();
            int position = int(index.Categories.size());
            const auto found = categoryPositions.constFind(name);
            if (found != categoryPositions.cend()) {
                position = found.value();
            } else {
                categoryPositions.insert(name, position);
                index.Categories.push_back(name);
            }
            index.Entries.push_back({title.text(), MakeIndexTag(position, int(n))});
        }
    }
    if (result)
        *result = outcome;
    return index;
}

qint64 RecordCount(const QString& path)
{
    return RecordFile::count(path, RecordSize);
}
