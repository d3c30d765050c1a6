#include "store/Collection.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr qint64 RecordSize = 69623;

// A record built by hand: zero bytes with the category at offset 6 (String[20]) and the title at
// offset 27 (String[35]); fill marks the remaining bytes so moved records can be told apart.
QByteArray handRecord(QByteArrayView category, QByteArrayView title, char fill = '\0')
{
    QByteArray bytes(RecordSize, fill);
    bytes[6] = char(category.size());
    bytes.replace(7, category.size(), category.toByteArray());
    bytes[27] = char(title.size());
    bytes.replace(28, title.size(), title.toByteArray());
    return bytes;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

std::vector<std::pair<QByteArray, std::uint32_t>> entries(const CollectionIndex& index)
{
    std::vector<std::pair<QByteArray, std::uint32_t>> out;
    for (const auto& e : index.Entries)
        out.emplace_back(e.Title, e.Tag);
    return out;
}

} // namespace

TEST(Collection, EmptyFileListsNothingAndAnAppendMakesExactlyOneRecord)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("A.QV3"));
    writeBytes(path, QByteArray(500, 'x'));
    ASSERT_TRUE(CreateCollection(path));
    EXPECT_EQ(QFile(path).size(), 0);

    IoResult result = IoResult::failed(IoResult::IoError);
    const CollectionIndex empty = ListCollection(path, &result);
    EXPECT_TRUE(result);
    EXPECT_TRUE(empty.Categories.empty());
    EXPECT_TRUE(empty.Entries.empty());

    TPuzzleRecord record;
    record.Title.setText("Tigers");
    ASSERT_TRUE(AppendPuzzle(path, record));
    EXPECT_EQ(QFile(path).size(), RecordSize);
    EXPECT_EQ(RecordCount(path), 1);
}

TEST(Collection, MissingFileListsEmptyAndTheFirstWriteCreatesIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("none.QV3"));
    IoResult result;
    EXPECT_TRUE(ListCollection(path, &result).Entries.empty());
    EXPECT_EQ(result.status, IoResult::OpenFailed);
    EXPECT_EQ(RecordCount(path), 0);

    TPuzzleRecord record;
    const IoResult readFailure = ReadPuzzle(path, 0, record);
    EXPECT_EQ(readFailure.status, IoResult::OpenFailed);
    // The program's message for the command, then the system's reason.
    EXPECT_EQ(CollectionMessages::loadFailureText(readFailure),
              QStringLiteral("Unable to load puzzle.\nNo such file or directory"));
    EXPECT_EQ(CollectionMessages::saveFailureText(IoResult::failed(IoResult::OpenFailed, QStringLiteral("Permission denied"))),
              QStringLiteral("Unable to save puzzle.\nPermission denied"));
    EXPECT_EQ(CollectionMessages::saveFailureText(IoResult::failed(IoResult::IoError, QStringLiteral("No space left on device"))),
              QStringLiteral("Unable to save puzzle.\nNo space left on device"));
    EXPECT_EQ(RemoveRecord(path, 0).status, IoResult::OpenFailed);
    EXPECT_FALSE(QFile::exists(path));

    record.Title.setText("First");
    ASSERT_TRUE(WritePuzzle(path, 0, record));
    EXPECT_EQ(QFile(path).size(), RecordSize);
}

TEST(Collection, ListingIgnoresATrailingPartAndTagsCategoryAndRecord)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("A.QV3"));
    writeBytes(path, handRecord("Animals", "Tigers") + handRecord("animals", "Tigers")
                         + handRecord("Animals", "Tigers") + handRecord("Birds", "Owls")
                         + QByteArray(100, 'z'));
    const CollectionIndex index = ListCollection(path);
    EXPECT_EQ(index.Categories, (std::vector<QByteArray>{"Animals", "animals", "Birds"}));
    const std::vector<std::pair<QByteArray, std::uint32_t>> expected{
        {"Tigers", 0x00000000}, {"Tigers", 0x00010001}, {"Tigers", 0x00000002}, {"Owls", 0x00020003}};
    EXPECT_EQ(entries(index), expected);
    EXPECT_EQ(index.TotalRecords, 4);
    EXPECT_FALSE(index.isTruncated());
    EXPECT_EQ(index.Entries[3].recordNumber(), 3);
    EXPECT_EQ(index.Entries[3].categoryIndex(), 2);

    // Three records and 100 trailing bytes list three puzzles.
    QByteArray three = fileBytes(path).left(3 * RecordSize) + QByteArray(100, 'z');
    writeBytes(path, three);
    EXPECT_EQ(ListCollection(path).Entries.size(), 3u);
    EXPECT_EQ(RecordCount(path), 3);
}

TEST(Collection, ListingClampsOverlongLengthBytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("A.QV3"));
    QByteArray record = handRecord(QByteArray(20, 'C'), QByteArray(35, 'T'));
    record[6] = char(255);
    record[27] = char(200);
    writeBytes(path, record);
    const CollectionIndex index = ListCollection(path);
    ASSERT_EQ(index.Entries.size(), 1u);
    EXPECT_EQ(index.Categories.at(0), QByteArray(20, 'C'));
    EXPECT_EQ(index.Entries[0].Title, QByteArray(35, 'T'));
}

TEST(Collection, RemoveMovesLaterRecordsDownAndShortensTheFile)
{
    const QByteArray r0 = handRecord("C", "zero", 'a');
    const QByteArray r1 = handRecord("C", "one", 'b');
    const QByteArray r2 = handRecord("C", "two", 'c');
    const struct {
        QByteArray before;
        qint64 removed;
        QByteArray after;
    } cases[] = {
        {r0 + r1 + r2, 0, r1 + r2},
        {r0 + r1 + r2, 1, r0 + r2},
        {r0 + r1 + r2, 2, r0 + r1},
        {r0, 0, QByteArray()},
        {r0 + r1 + "tail", 0, r1},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("A.QV3"));
        writeBytes(path, c.before);
        ASSERT_TRUE(RemoveRecord(path, c.removed)) << c.removed;
        EXPECT_TRUE(fileBytes(path) == c.after) << "removing " << c.removed << " of " << c.before.size();
        EXPECT_TRUE(QFile::exists(path));
    }
}

TEST(Collection, WriteOverwritesInPlaceAndAppendsAtTheCount)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("A.QV3"));
    TPuzzleRecord a;
    a.Category.setText("Animals");
    a.Title.setText("Tigers");
    a.Reserved.fill(7);
    TPuzzleRecord b = a;
    b.Title.setText("Lions");

    ASSERT_TRUE(AppendPuzzle(path, a));
    ASSERT_TRUE(WritePuzzle(path, 1, b)); // n = count appends
    EXPECT_EQ(RecordCount(path), 2);
    EXPECT_EQ(WritePuzzle(path, 3, a).status, IoResult::Refused);
    EXPECT_EQ(WritePuzzle(path, -1, a).status, IoResult::Refused);
    ASSERT_TRUE(WritePuzzle(path, 0, b));
    EXPECT_EQ(RecordCount(path), 2);

    TPuzzleRecord read;
    ASSERT_TRUE(ReadPuzzle(path, 0, read));
    EXPECT_EQ(read, b);
    EXPECT_EQ(fileBytes(path).mid(27, 6), QByteArray("\x05Lions"));
    EXPECT_EQ(ReadPuzzle(path, 2, read).status, IoResult::IoError);
}

TEST(Collection, AppendIsRefusedOnceTheIndexCannotAddressTheRecord)
{
    EXPECT_TRUE(CanAppendRecord(0));
    EXPECT_TRUE(CanAppendRecord(65535));
    EXPECT_FALSE(CanAppendRecord(65536));
    EXPECT_FALSE(CanAppendRecord(70000));
    EXPECT_FALSE(CanAppendRecord(-1));
    EXPECT_EQ(CollectionMessages::saveFailureText(IoResult::failed(IoResult::Refused)),
              QStringLiteral("Unable to save puzzle."));

    // A sparse file of 65536 records takes no disk space.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Full.QV3"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    if (!file.resize(65536 * RecordSize))
        GTEST_SKIP() << "no large sparse files here";
    file.close();

    const IoResult refused = AppendPuzzle(path, TPuzzleRecord());
    EXPECT_EQ(refused.status, IoResult::Refused);
    EXPECT_EQ(refused.systemError, QStringLiteral("Unable to save puzzle."));
    EXPECT_EQ(WritePuzzle(path, 65536, TPuzzleRecord()).status, IoResult::Refused);
    EXPECT_EQ(QFile(path).size(), 65536 * RecordSize);
    EXPECT_TRUE(WritePuzzle(path, 65535, TPuzzleRecord()));
}

TEST(Collection, ListingStopsAtTheRecordsTheTagCanAddress)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Big.QV3"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        if (!file.resize(65537 * RecordSize))
            GTEST_SKIP() << "no large sparse files here";
        ASSERT_TRUE(file.seek(65535 * RecordSize));
        file.write(handRecord("Last", "Listed"));
        file.write(handRecord("Beyond", "Unlisted"));
    }
    const CollectionIndex index = ListCollection(path);
    EXPECT_EQ(index.TotalRecords, 65537);
    EXPECT_TRUE(index.isTruncated());
    ASSERT_EQ(index.Entries.size(), 65536u);
    EXPECT_EQ(index.Categories, (std::vector<QByteArray>{"", "Last"}));
    EXPECT_EQ(index.Entries.back().Title, QByteArray("Listed"));
    EXPECT_EQ(index.Entries.back().Tag, 0x0001FFFFu);
    EXPECT_EQ(index.Entries.front().Tag, 0u);
}

TEST(Collection, ASaveOrDeleteFromAStaleListingNeverTouchesAnotherPuzzle)
{
    // Record 1 was read as "Lions"; another program has since deleted record 0, so "Bears" sits there.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("A.QV3"));
    const QByteArray content = handRecord("Zoo", "Lions") + handRecord("Zoo", "Bears");
    TPuzzleRecord edited = TPuzzleRecord::fromBytes(handRecord("Zoo", "Lions (edited)"));
    const TRecordName lions{"Zoo", "Lions"};
    const TRecordName otherCategory{"Farm", "Bears"};
    struct Case {
        const char* name;
        std::function<IoResult()> action;
        bool done;
    };
    const std::vector<Case> cases{
        {"save over another puzzle", [&] { return WritePuzzle(path, 1, edited, &lions); }, false},
        {"save past the end", [&] { return WritePuzzle(path, 2, edited, &lions); }, false},
        {"delete another puzzle", [&] { return RemoveRecord(path, 1, &lions); }, false},
        {"same title, other category", [&] { return RemoveRecord(path, 1, &otherCategory); }, false},
        {"save where it still is", [&] { return WritePuzzle(path, 0, edited, &lions); }, true},
        {"delete where it still is", [&] { return RemoveRecord(path, 0, &lions); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(path, content);
        const IoResult result = c.action();
        EXPECT_EQ(result.isOk(), c.done) << result.systemError.toStdString();
        if (!c.done) {
            EXPECT_EQ(result.status, IoResult::Refused);
            EXPECT_TRUE(result.systemError.contains(QLatin1String("Nothing was written")));
            EXPECT_EQ(fileBytes(path), content);
        }
    }
}
