// Old-version data: a 16-bit ".QVZ" puzzle imported into a collection, and the old user puzzle and
// shape files converted at start-up, all checked against bytes written from the documented offsets.
#include "store/OldPuzzleBytes.h"

#include "store/Collection.h"
#include "store/OldVersion.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

qint16 i16At(const QByteArray& b, int offset) { return qFromLittleEndian<qint16>(b.constData() + offset); }

/** A default layout whose bytes are easy to recognise. */
QByteArray layoutBytes()
{
    QByteArray layout(28868, '\0');
    for (int i = 0; i < layout.size(); ++i)
        layout[i] = char(i % 251);
    return layout;
}

class OldVersionTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(OldVersionTest, ASixteenBitPuzzleWithFortyWordsConvertsAsDocumented)
{
    // 45 filled slots and a word count of 40: slots 41..45 must come out empty.
    const QByteArray old = OldBytes::record("Old Favourite", 13, 40, 45, 22, 18);
    ASSERT_TRUE(OldBytes::writeFile(path("FAV.QVZ"), OldBytes::qvz(old) + QByteArray("trailing bytes")));
    const QString collection = path("C.QV3");
    TPuzzleRecord existing;
    existing.Title.setText("Already here");
    ASSERT_TRUE(AppendPuzzle(collection, existing).isOk());

    // Bytes the conversion doesn't set keep the working copy's previous values.
    TPuzzleRecord working;
    working.Reserved.fill(0xAB);
    working.BonusQuestion.setText("Left over");
    const TTransferReport report = Import16Bit(path("FAV.QVZ"), collection, layoutBytes(), working);
    ASSERT_TRUE(report.isOk()) << report.Text.toStdString();
    EXPECT_TRUE(report.Text.isEmpty());

    const QByteArray file = OldBytes::readFile(collection);
    ASSERT_EQ(file.size(), 2 * 69623);
    const QByteArray b = file.mid(69623);
    EXPECT_EQ(TPuzzleRecord::fromBytes(b), working);
    EXPECT_EQ(b.mid(0, 5), QByteArray("\x04" "3.0c"));
    EXPECT_EQ(b.mid(6, 20), QByteArray("\x13" "Version 2.0 Puzzles"));
    EXPECT_EQ(b.mid(27, 14), QByteArray("\x0D" "Old Favourite"));
    EXPECT_EQ(i16At(b, 63), 13);
    EXPECT_EQ(i16At(b, 65), 13);
    EXPECT_EQ(b.mid(67, 2500), old.mid(40, 2500));
    EXPECT_EQ(i16At(b, 2567), 40);
    EXPECT_EQ(i16At(b, 2569), 22);
    EXPECT_EQ(i16At(b, 2571), 18);
    for (int i = 1; i <= 200; ++i) {
        const bool placed = i <= 40;
        SCOPED_TRACE(i);
        EXPECT_EQ(b[40372 + i], placed ? 1 : 0);
        EXPECT_EQ(b[2542 + 31 * i], placed ? char(QByteArray::number(i).size() + 1) : 0);
        EXPECT_EQ(b[8622 + 151 * i], placed ? char(QByteArray::number(i).size() + 5) : 0);
        if (i <= 45) {
            EXPECT_EQ(i16At(b, 38971 + 2 * i), 100 + i);
            EXPECT_EQ(i16At(b, 39371 + 2 * i), i % 7 + 2);
            EXPECT_EQ(i16At(b, 39771 + 2 * i), i);
            EXPECT_EQ(b[40172 + i], i % 2);
        }
    }
    EXPECT_EQ(b.mid(2542 + 31 * 40, 4), QByteArray("\x03W40"));
    EXPECT_EQ(b.mid(8622 + 151 * 40, 8), QByteArray("\x07" "Clue 40"));
    EXPECT_EQ(b[40573], 1);
    EXPECT_EQ(b.mid(40574, 28868), layoutBytes());
    EXPECT_EQ(b[69442], 0);
    EXPECT_EQ(b.mid(69593, 30), QByteArray(30, char(0xAB)));
}

TEST_F(OldVersionTest, ABrokenSixteenBitFileAddsNothing)
{
    const QByteArray good = OldBytes::qvz(OldBytes::record("Good", 10, 3, 3));
    QByteArray wrongLength = good;
    wrongLength[3] = char(200); // the record would start 189 bytes later, past the end of the file
    const struct {
        const char* name;
        QByteArray bytes;
        const char* message;
    } cases[] = {
        {"empty", QByteArray(), "Puzzle file is corrupt or incompatible.  Import aborted."},
        {"two letters", QByteArray("QV"), "Puzzle file is corrupt or incompatible.  Import aborted."},
        {"lower case signature", "qvz" + good.mid(3), "Puzzle file is corrupt or incompatible.  Import aborted."},
        {"another signature", "QV3" + good.mid(3), "Puzzle file is corrupt or incompatible.  Import aborted."},
        {"ends inside the record", good.left(good.size() - 1), "Puzzle file is corrupt or incompatible.  Import aborted."},
        {"ends inside the string", good.left(8), "Puzzle file is corrupt or incompatible.  Import aborted."},
        {"length byte past the end", wrongLength, "Puzzle file is corrupt or incompatible.  Import aborted."},
        {"missing", QByteArray(), "Puzzle could not be imported."},
        {"a folder", QByteArray(), "Puzzle could not be imported."},
    };
    const QString collection = path("C.QV3");
    TPuzzleRecord existing;
    existing.Title.setText("Kept");
    ASSERT_TRUE(AppendPuzzle(collection, existing).isOk());
    const QByteArray before = OldBytes::readFile(collection);

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = path("BROKEN.QVZ");
        QFile::remove(file);
        QDir(dir.path()).rmdir(QStringLiteral("BROKEN.QVZ"));
        if (QByteArray(c.name) == "a folder") {
            ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("BROKEN.QVZ")));
        } else if (QByteArray(c.name) != "missing") {
            ASSERT_TRUE(OldBytes::writeFile(file, c.bytes));
        }
        TPuzzleRecord working;
        const TTransferReport report = Import16Bit(file, collection, layoutBytes(), working);
        EXPECT_FALSE(report.isOk());
        EXPECT_EQ(report.Text.section(u'\n', 0, 0), QLatin1String(c.message));
        EXPECT_EQ(report.Caption, QStringLiteral("Error"));
        EXPECT_EQ(OldBytes::readFile(collection), before);
    }

    // The file itself is only read: a write-protected one imports.
    const QString readOnly = path("READONLY.QVZ");
    ASSERT_TRUE(OldBytes::writeFile(readOnly, good));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    TPuzzleRecord working;
    EXPECT_TRUE(Import16Bit(readOnly, collection, layoutBytes(), working).isOk());
    EXPECT_EQ(RecordCount(collection), 2);
    EXPECT_EQ(OldBytes::readFile(readOnly), good);
}

TEST_F(OldVersionTest, ImpossibleCountsAndSizesAreHeldToTheirRanges)
{
    const struct {
        qint16 size, words, across, down;
        qint16 width, wordCount, acrossCount, downCount;
    } cases[] = {
        {0, -3, -1, -1, 1, 0, 0, 0},
        {99, 500, 300, 201, 50, 200, 200, 200},
        {50, 200, 100, 100, 50, 200, 100, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        QByteArray old = OldBytes::record("Odd", c.size, c.words, 200, c.across, c.down);
        TPuzzleRecord puzzle;
        ConvertOldPuzzle(TOldPuzzleRecord::fromBytes(old), layoutBytes(), puzzle);
        EXPECT_EQ(puzzle.GridWidth, c.width);
        EXPECT_EQ(puzzle.GridHeight, c.width);
        EXPECT_EQ(puzzle.WordCount, c.wordCount);
        EXPECT_EQ(puzzle.AcrossCount, c.acrossCount);
        EXPECT_EQ(puzzle.DownCount, c.downCount);
        int used = 0;
        for (auto flag : puzzle.WordUsed)
            used += flag;
        EXPECT_EQ(used, c.wordCount);
    }
}

TEST_F(OldVersionTest, OldUserPuzzlesAreAppendedAfterAnExistingGroupAndTheirFileDeleted)
{
    const QString oldFile = path("QVFUPUZZ.DAT");
    const QByteArray first = OldBytes::record("First", 15, 2, 2);
    const QByteArray second = OldBytes::record("Second", 21, 5, 5);
    // A trailing part shorter than a record is not a record.
    ASSERT_TRUE(OldBytes::writeFile(oldFile, first + second + QByteArray(100, 'x')));
    const QString target = path("OLDPUZZ.QV3");
    TPuzzleRecord existing;
    existing.Title.setText("Mine");
    ASSERT_TRUE(AppendPuzzle(target, existing).isOk());

    TPuzzleRecord working;
    const TTransferReport report = ConvertOldPuzzles(oldFile, target, layoutBytes(), working);
    ASSERT_TRUE(report.isOk()) << report.Text.toStdString();
    EXPECT_EQ(report.Written, 2);
    EXPECT_EQ(report.Text, QStringLiteral("A new puzzle group named \"OLDPUZZ.QV3\" has been created."));
    EXPECT_EQ(report.Caption, QStringLiteral("Ok"));
    EXPECT_FALSE(QFileInfo::exists(oldFile));

    const CollectionIndex index = ListCollection(target);
    ASSERT_EQ(index.Entries.size(), 3u);
    EXPECT_EQ(index.Entries[1].Title, QByteArray("First"));
    EXPECT_EQ(index.Entries[2].Title, QByteArray("Second"));
    EXPECT_EQ(index.Categories.back(), QByteArray("Version 2.0 Puzzles"));
    TPuzzleRecord converted;
    ASSERT_TRUE(ReadPuzzle(target, 2, converted).isOk());
    EXPECT_EQ(converted.GridWidth, 21);
    EXPECT_EQ(converted.WordCount, 5);
    EXPECT_EQ(converted, working);
}

TEST_F(OldVersionTest, AFailedConversionKeepsTheOldFile)
{
    const QString oldFile = path("QVFUPUZZ.DAT");
    TPuzzleRecord working;

    const TTransferReport missing = ConvertOldPuzzles(oldFile, path("OLDPUZZ.QV3"), layoutBytes(), working);
    EXPECT_EQ(missing.Text.section(u'\n', 0, 0), QStringLiteral("Puzzles could not be imported."));
    EXPECT_FALSE(QFileInfo::exists(path("OLDPUZZ.QV3")));

    ASSERT_TRUE(OldBytes::writeFile(oldFile, OldBytes::record("Only", 15, 1, 1)));
    const TTransferReport unwritable =
        ConvertOldPuzzles(oldFile, path("no such folder/OLDPUZZ.QV3"), layoutBytes(), working);
    EXPECT_EQ(unwritable.Text.section(u'\n', 0, 0), QStringLiteral("Unable to save puzzles."));
    EXPECT_EQ(unwritable.Caption, QStringLiteral("Error"));
    EXPECT_TRUE(QFileInfo::exists(oldFile));

    const TTransferReport noShapes = ConvertOldShapes(path("QVFULAY.DAT"), path("QVFLAY.DAT"));
    EXPECT_EQ(noShapes.Text.section(u'\n', 0, 0), QStringLiteral("Puzzles could not be imported."));
    ASSERT_TRUE(OldBytes::writeFile(path("QVFULAY.DAT"), OldBytes::shape("Star", 9, 9, 1)));
    const TTransferReport noLibrary = ConvertOldShapes(path("QVFULAY.DAT"), path("no such folder/QVFLAY.DAT"));
    EXPECT_EQ(noLibrary.Text.section(u'\n', 0, 0), QStringLiteral("Unable to add shapes."));
    EXPECT_TRUE(QFileInfo::exists(path("QVFULAY.DAT")));
}

TEST_F(OldVersionTest, OldUserShapesAreAppendedUnchanged)
{
    const QByteArray star = OldBytes::shape("Star", 9, 9, 1);
    // A title length past its capacity is carried as it is: the records are not interpreted.
    QByteArray odd = OldBytes::shape("Odd", 60, 2, 0);
    odd[0] = char(77);
    ASSERT_TRUE(OldBytes::writeFile(path("QVFULAY.DAT"), star + odd));
    const QByteArray library = OldBytes::shape("Library", 15, 15, 1);
    ASSERT_TRUE(OldBytes::writeFile(path("QVFLAY.DAT"), library));

    const TTransferReport report = ConvertOldShapes(path("QVFULAY.DAT"), path("QVFLAY.DAT"));
    ASSERT_TRUE(report.isOk()) << report.Text.toStdString();
    EXPECT_EQ(report.Text, QStringLiteral("Puzzle shapes have been added."));
    EXPECT_EQ(report.Caption, QStringLiteral("Ok"));
    EXPECT_EQ(OldBytes::readFile(path("QVFLAY.DAT")), library + star + odd);
    EXPECT_FALSE(QFileInfo::exists(path("QVFULAY.DAT")));
}
