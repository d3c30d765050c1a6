#include "store/Collection.h"

#include "store/AnsiString.h"
#include "store/RecordFile.h"

#include <QFileInfo>
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

/** The category and title stored back to back from fields (the category field's first byte). */
TRecordName nameOf(const char* fields)
{
    AnsiString<Limits::CategoryLength> category;
    AnsiString<Limits::TitleLength> title;
    category.fromStored(fields);
    title.fromStored(fields + CategorySize);
    return {category.text(), title.text()};
}

/** The check that record bytes still hold the puzzle named; none without a name. */
RecordFile::RecordCheck holding(const TRecordName* name)
{
    if (!name)
        return {};
    return [expected = *name](QByteArrayView current) {
        return current.size() >= CategoryOffset + ListedFieldsSize && nameOf(current.data() + CategoryOffset) == expected;
    };
}

} // namespace

TRecordName TRecordName::of(const TPuzzleRecord& record)
{
    return {record.Category.text(), record.Title.text()};
}

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

IoResult ReadPuzzle(const QString& path, qint64 n, TPuzzleRecord& record, const TRecordName* listedAs)
{
    const IoResult moved = IoResult::failed(IoResult::Refused, QString());
    if (listedAs && QFileInfo::exists(path) && n >= RecordFile::count(path, RecordSize))
        return moved;
    const IoResult read = RecordFile::readRecord(path, RecordSize, n, record);
    return read && listedAs && TRecordName::of(record) != *listedAs ? moved : read;
}

IoResult WritePuzzle(const QString& path, qint64 n, const TPuzzleRecord& record, const TRecordName* readAs)
{
    if (n < 0 || n >= Limits::MaxCollectionRecords)
        return refused();
    const IoResult written = RecordFile::write(path, RecordSize, n, record.toBytes(), holding(readAs));
    return written.status == IoResult::Refused && written.systemError.isEmpty() ? refused() : written;
}

IoResult AppendPuzzle(const QString& path, const TPuzzleRecord& record)
{
    const IoResult appended = RecordFile::append(path, RecordSize, record.toBytes(), Limits::MaxCollectionRecords);
    return appended.status == IoResult::Refused ? refused() : appended;
}

IoResult RemoveRecord(const QString& path, qint64 n, const TRecordName* listedAs)
{
    return RecordFile::remove(path, RecordSize, n, holding(listedAs));
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
            const TRecordName stored = nameOf(fields);

            // At most 65536 records are listed, so the category index always fits its 16 bits.
            const QByteArray& name = stored.Category;
            int position = int(index.Categories.size());
            const auto found = categoryPositions.constFind(name);
            if (found != categoryPositions.cend()) {
                position = found.value();
            } else {
                categoryPositions.insert(name, position);
                index.Categories.push_back(name);
            }
            index.Entries.push_back({stored.Title, MakeIndexTag(position, int(n))});
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
