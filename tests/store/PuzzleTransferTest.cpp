// Puzzles moved between collection files: which files an import takes, the titles offered, and
// records appended or exported with their bytes unchanged.
#include "store/OldPuzzleBytes.h"

#include "store/Collection.h"
#include "store/PuzzleTransfer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

/** Stored bytes of a puzzle record with a title; byte 100 of the grid tells the records apart. */
QByteArray recordBytes(const QByteArray& title, char mark)
{
    TPuzzleRecord r;
    r.Category.setText("Animals");
    r.Title.setText(title);
    r.Grid[100] = std::uint8_t(mark);
    return r.toBytes();
}

class PuzzleTransferTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(PuzzleTransferTest, TheExtensionDecidesOnTheUpperCasedPath)
{
    const struct {
        const char* path;
        ImportKind kind;
    } cases[] = {
        {"/data/Games.QV3", ImportKind::Collection}, {"/data/games.qv3", ImportKind::Collection},
        {"/data/Old.Qvz", ImportKind::OldPuzzle},    {"OLD.QVZ", ImportKind::OldPuzzle},
        {"/data/Games.QV3.bak", ImportKind::NotValid}, {"/data/Games.txt", ImportKind::NotValid},
        {"/data/GamesQV3", ImportKind::NotValid},    {"QV3", ImportKind::NotValid},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ImportKindOf(QLatin1String(c.path)), c.kind) << c.path;
}

TEST_F(PuzzleTransferTest, TheOpenCollectionIsRecognisedUnderAnotherPathButNotAnotherLetterCase)
{
    const QString open = path("Games.QV3");
    ASSERT_TRUE(OldBytes::writeFile(open, recordBytes("A", 1)));
    ASSERT_TRUE(OldBytes::writeFile(path("Other.QV3"), recordBytes("B", 2)));
    const QString relative = QDir::current().relativeFilePath(open);

    EXPECT_TRUE(IsSameCollection(open, open));
    EXPECT_FALSE(IsSameCollection(path("games.qv3"), open));
    EXPECT_TRUE(IsSameCollection(relative, open));
    ASSERT_TRUE(QFile::link(open, path("Link.QV3")));
    EXPECT_TRUE(IsSameCollection(path("Link.QV3"), open));
    // Neither file exists yet: the same folder and name, letter case counting.
    EXPECT_TRUE(IsSameCollection(QDir::current().relativeFilePath(path("New.QV3")), path("New.QV3")));
    EXPECT_FALSE(IsSameCollection(path("new.qv3"), path("New.QV3")));
    EXPECT_TRUE(IsSameCollection(dir.path() + QStringLiteral("/./Games.QV3"), open));
    EXPECT_FALSE(IsSameCollection(path("Other.QV3"), open));
    EXPECT_FALSE(IsSameCollection(path("Missing.QV3"), open));
}

TEST_F(PuzzleTransferTest, TitlesAreOfferedSortedWithTheirRecordNumbers)
{
    const QString file = path("C.QV3");
    ASSERT_TRUE(OldBytes::writeFile(file, recordBytes("zebra", 0) + recordBytes("Apple", 1) + recordBytes("mango", 2)
                                              + recordBytes("apple", 3) + recordBytes("\xC9" "clair", 4)));
    // An accented letter stands among its base letters, not after Z.
    const std::vector<TTitleItem> expected{
        {"Apple", 1}, {"apple", 3}, {"\xC9" "clair", 4}, {"mango", 2}, {"zebra", 0}};
    EXPECT_EQ(SortedTitles(file), expected);
    EXPECT_TRUE(SortedTitles(path("missing.QV3")).empty());
}

TEST_F(PuzzleTransferTest, ImportAppendsTheChosenRecordsUnchangedInTheOrderGiven)
{
    const QString from = path("FROM.QV3");
    QByteArray odd = recordBytes("Odd", 9);
    odd[6] = char(99); // a category length byte past its capacity is carried as it is
    ASSERT_TRUE(OldBytes::writeFile(from, recordBytes("R0", 0) + recordBytes("R1", 1) + odd));
    const QString into = path("INTO.QV3");
    ASSERT_TRUE(OldBytes::writeFile(into, recordBytes("Mine", 7)));

    const TTransferReport report = ImportPuzzles(from, {2, 0}, into);
    ASSERT_TRUE(report.isOk()) << report.Text.toStdString();
    EXPECT_EQ(report.Written, 2);
    EXPECT_TRUE(report.Text.isEmpty());
    EXPECT_EQ(OldBytes::readFile(into), recordBytes("Mine", 7) + odd + recordBytes("R0", 0));

    // A missing collection is created.
    EXPECT_TRUE(ImportPuzzles(from, {1}, path("NEW.QV3")).isOk());
    EXPECT_EQ(OldBytes::readFile(path("NEW.QV3")), recordBytes("R1", 1));
}

TEST_F(PuzzleTransferTest, AnImportThatCannotReadAddsNothing)
{
    const QString into = path("INTO.QV3");
    ASSERT_TRUE(OldBytes::writeFile(into, recordBytes("Mine", 7)));
    const QByteArray before = OldBytes::readFile(into);

    const TTransferReport missing = ImportPuzzles(path("MISSING.QV3"), {0}, into);
    EXPECT_FALSE(missing.isOk());
    EXPECT_EQ(missing.Text.section(u'\n', 0, 0), QStringLiteral("Unable to import puzzles."));
    EXPECT_FALSE(missing.Text.section(u'\n', 1).isEmpty()) << "the system's reason follows the message";
    EXPECT_EQ(missing.Caption, QStringLiteral("Error"));

    // A record that is gone by the time of the import: nothing at all is appended.
    ASSERT_TRUE(OldBytes::writeFile(path("FROM.QV3"), recordBytes("R0", 0)));
    const TTransferReport gone = ImportPuzzles(path("FROM.QV3"), {0, 1}, into);
    EXPECT_FALSE(gone.isOk());
    EXPECT_EQ(gone.Written, 0);
    EXPECT_FALSE(gone.Text.isEmpty());
    EXPECT_EQ(OldBytes::readFile(into), before);

    const TTransferReport unwritable = ImportPuzzles(path("FROM.QV3"), {0}, path("no such folder/INTO.QV3"));
    EXPECT_EQ(unwritable.Text.section(u'\n', 0, 0), QStringLiteral("Unable to import puzzles."));
}

TEST_F(PuzzleTransferTest, ExportReplacesTheTargetWithTheChosenRecordsOnly)
{
    const QString collection = path("C.QV3");
    ASSERT_TRUE(OldBytes::writeFile(collection, recordBytes("R0", 0) + recordBytes("R1", 1) + recordBytes("R2", 2)));
    const QString target = path("OUT.QV3");
    ASSERT_TRUE(OldBytes::writeFile(target, recordBytes("Old", 5) + recordBytes("Old", 6) + QByteArray(77, 'x')));

    const TTransferReport report = ExportPuzzles(collection, {2, 1}, target);
    ASSERT_TRUE(report.isOk()) << report.Text.toStdString();
    EXPECT_EQ(report.Written, 2);
    EXPECT_EQ(OldBytes::readFile(target), recordBytes("R2", 2) + recordBytes("R1", 1));
}

TEST_F(PuzzleTransferTest, ExportNeverOverwritesTheOpenCollection)
{
    const QString collection = path("C.QV3");
    const QByteArray content = recordBytes("R0", 0) + recordBytes("R1", 1);
    ASSERT_TRUE(OldBytes::writeFile(collection, content));
    const QString relative = QDir::current().relativeFilePath(collection);
    ASSERT_TRUE(QFile::link(collection, path("L.QV3")));

    for (const QString& target : {collection, path("L.QV3"), relative}) {
        SCOPED_TRACE(target.toStdString());
        const TTransferReport report = ExportPuzzles(collection, {0}, target);
        EXPECT_FALSE(report.isOk());
        EXPECT_EQ(report.Text, QStringLiteral("Export File cannot be the same as the currently open file."));
        EXPECT_EQ(report.Caption, QStringLiteral("Error"));
        EXPECT_EQ(OldBytes::readFile(collection), content);
    }

    // A collection that cannot be read leaves an existing target as it was.
    const QString target = path("OUT.QV3");
    ASSERT_TRUE(OldBytes::writeFile(target, recordBytes("Keep", 3)));
    const TTransferReport unreadable = ExportPuzzles(path("MISSING.QV3"), {0}, target);
    EXPECT_EQ(unreadable.Text.section(u'\n', 0, 0), QStringLiteral("Unable to export puzzles."));
    EXPECT_EQ(OldBytes::readFile(target), recordBytes("Keep", 3));
}
