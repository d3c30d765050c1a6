#include "store/WorkingPuzzle.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int RecordSize = 69623;

// Stored bytes that differ from each other and from the values the helpers write.
QByteArray patternBytes()
{
    QByteArray bytes(RecordSize, '\0');
    for (int i = 0; i < RecordSize; ++i)
        bytes[i] = char(1 + (i * 7) % 23);
    return bytes;
}

void putInt16(QByteArray& bytes, int offset, int value)
{
    bytes[offset] = char(value & 0xFF);
    bytes[offset + 1] = char((value >> 8) & 0xFF);
}

} // namespace

TEST(WorkingPuzzle, ClearForNewPuzzleTouchesOnlyTheDocumentedBytes)
{
    const QByteArray original = patternBytes();
    TPuzzleRecord record = TPuzzleRecord::fromBytes(original);
    ClearForNewPuzzle(record);

    // Expected bytes from the record offsets: length bytes of every word (2542 + 31i), clue
    // (8622 + 151i), category (6), title (27) and bonus question (69442) are 0; WordUsed
    // (40372 + i) is 0; GridWidth (63) and GridHeight (65) are 15; WordCount (2567) and
    // Generated (40573) are 0. Everything else, the page layout included, is unchanged.
    QByteArray expected = original;
    for (int i = 1; i <= 200; ++i) {
        expected[2542 + 31 * i] = 0;
        expected[8622 + 151 * i] = 0;
        expected[40372 + i] = 0;
    }
    expected[6] = 0;
    expected[27] = 0;
    expected[69442] = 0;
    putInt16(expected, 63, 15);
    putInt16(expected, 65, 15);
    putInt16(expected, 2567, 0);
    expected[40573] = 0;

    const QByteArray cleared = record.toBytes();
    ASSERT_EQ(cleared.size(), RecordSize);
    for (int i = 0; i < RecordSize; ++i)
        ASSERT_EQ(cleared[i], expected[i]) << "offset " << i;

    WorkingPuzzle working;
    working.CurrentPuzzle = TPuzzleRecord::fromBytes(original);
    ClearForNewPuzzle(working);
    EXPECT_TRUE(working.IsNewPuzzle);
    EXPECT_EQ(working.CurrentPuzzle, record);
}

TEST(WorkingPuzzle, StampVersionWritesFourCharactersAndKeepsTheFifth)
{
    QByteArray bytes = patternBytes();
    bytes.replace(0, 6, QByteArray("\x02xyzwQ", 6));
    TPuzzleRecord record = TPuzzleRecord::fromBytes(bytes);
    StampVersion(record);
    const QByteArray stamped = record.toBytes();
    EXPECT_EQ(stamped.left(6), QByteArray("\x04" "3.0cQ", 6));
    EXPECT_EQ(stamped.mid(6), bytes.mid(6));
    EXPECT_EQ(record.Version.text(), QByteArray("3.0c"));
}

TEST(WorkingPuzzle, CopyGetsACopyTitleAndLosesItsUsedMarksOnly)
{
    WorkingPuzzle working;
    TPuzzleRecord& record = working.CurrentPuzzle;
    record.Title.setText("Tigers (2)");
    record.WordUsed.fill(1);
    record.Generated = 1;
    record.Grid.fill('A');
    record.WordCount = 12;
    MakePuzzleCopy(working);
    EXPECT_TRUE(working.IsNewPuzzle);
    EXPECT_EQ(record.Title.text(), QByteArray("Tigers (3)"));
    EXPECT_EQ(std::count(record.WordUsed.begin(), record.WordUsed.end(), 0), 200);
    EXPECT_EQ(record.Generated, 1);
    EXPECT_EQ(record.Grid[2499], 'A');
    EXPECT_EQ(record.WordCount, 12);

    TPuzzleRecord full;
    full.Title.setText(QByteArray(35, 'T'));
    MakePuzzleCopy(full);
    EXPECT_EQ(full.Title.text(), QByteArray(35, 'T'));
}

TEST(WorkingPuzzle, APuzzleMovedByAnotherWritersDeleteIsSavedWhereItIsNowUnlessTwoAreAlike)
{
    QTemporaryDir dir;
    WorkingPuzzle working;
    working.CurrentCollection = dir.filePath(QStringLiteral("C.QV3"));
    const QString& path = working.CurrentCollection;
    TPuzzleRecord record;
    for (const char* title : {"Bears", "Cats", "Cats"}) {
        record.Title.setText(title);
        ++record.Grid[0];
        ASSERT_TRUE(AppendPuzzle(path, record));
    }
    // The second Cats, read at 2, is moved to 1 by a delete elsewhere: its changed clue lands there.
    working.IsNewPuzzle = false;
    working.CurrentRecordNumber = 2;
    ASSERT_TRUE(ReadPuzzle(path, 2, working.CurrentPuzzle));
    working.ReadAs = TRecordName::of(working.CurrentPuzzle);
    ASSERT_TRUE(RemoveRecord(path, 0));
    working.CurrentPuzzle.Clues[0].setText("Purrs");
    ASSERT_TRUE(SaveWorkingPuzzle(working));
    ASSERT_TRUE(ReadPuzzle(path, working.CurrentRecordNumber, record));
    EXPECT_EQ(record.Clues[0].text(), QByteArray("Purrs"));
    EXPECT_EQ(working.CurrentRecordNumber, 1);
    // Two alike (name and grid) leave the save refused.
    ASSERT_TRUE(AppendPuzzle(path, record) && RemoveRecord(path, 0));
    working.CurrentRecordNumber = 2;
    EXPECT_EQ(SaveWorkingPuzzle(working).status, IoResult::Refused);
}
