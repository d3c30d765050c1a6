#include "shapes/ShapeLibrary.h"
#include "shapes/ShapeTestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ShapeTest;

namespace {

std::vector<int> Numbers(const std::vector<ShapeListEntry>& entries)
{
    std::vector<int> numbers;
    for (const ShapeListEntry& e : entries)
        numbers.push_back(e.Number);
    return numbers;
}

TPuzzleRecord PuzzleOfSize(qint16 width, qint16 height)
{
    TPuzzleRecord puzzle;
    puzzle.GridWidth = width;
    puzzle.GridHeight = height;
    return puzzle;
}

} // namespace

TEST(ShapeList, TextsAreSizeAndTitleSortedCaseInsensitivelyKeepingEqualTextsApart)
{
    const std::vector<TShapeRecord> library = {
        Shape("beta", 15, 15), Shape("Alpha", 10, 10), Shape("Alpha", 15, 15),
        Shape("alpha", 15, 15), Shape("beta", 15, 15), Shape("Caf\xe9", 5, 30),
    };
    const std::vector<ShapeListEntry> entries = ShapeLibrary::LibraryEntries(library);
    const std::vector<ShapeListEntry> expected = {
        {QStringLiteral("10x10 Alpha"), 1}, {QStringLiteral("15x15 Alpha"), 2}, {QStringLiteral("15x15 alpha"), 3},
        {QStringLiteral("15x15 beta"), 0},  {QStringLiteral("15x15 beta"), 4},  {QStringLiteral("5x30 Caf\u00e9"), 5},
    };
    EXPECT_EQ(entries, expected);
}

TEST(ShapeList, EntryToSelectDependsOnTheHost)
{
    const std::vector<TShapeRecord> library = {Shape("Zebra", 15, 15), Shape("Ant", 15, 15), Shape("Moth", 15, 15)};
    const TPuzzleRecord puzzle = PuzzleOfSize(15, 13);
    const struct {
        const char* name;
        ShapeListHost host;
        int lastShape;
        int selectedNumber;
    } cases[] = {
        {"new puzzle, last shape listed", ShapeListHost::EditorNewPuzzle, 2, 2},
        {"new puzzle, last shape beyond the library", ShapeListHost::EditorNewPuzzle, 3, 1},
        {"new puzzle, negative last shape", ShapeListHost::EditorNewPuzzle, -1, 1},
        {"existing puzzle", ShapeListHost::EditorExistingPuzzle, 0, ShapeLibrary::CurrentPuzzleNumber},
        {"manager", ShapeListHost::Manager, 0, 1},
    };
    for (const auto& c : cases) {
        const ShapeList list = ShapeLibrary::FillList(c.host, library, &puzzle, c.lastShape);
        ASSERT_GE(list.Selected, 0) << c.name;
        EXPECT_EQ(list.Entries[std::size_t(list.Selected)].Number, c.selectedNumber) << c.name;
        const bool hasCurrent = c.host == ShapeListHost::EditorExistingPuzzle;
        EXPECT_EQ(list.Entries.size(), library.size() + (hasCurrent ? 1 : 0)) << c.name;
    }
}

TEST(ShapeList, CurrentPuzzleEntryIsSortedAmongTheLibraryShapes)
{
    const std::vector<TShapeRecord> library = {Shape("Square 15", 15, 15), Shape("Square 10", 10, 10)};
    const TPuzzleRecord puzzle = PuzzleOfSize(13, 11);
    const ShapeList list = ShapeLibrary::FillList(ShapeListHost::EditorExistingPuzzle, library, &puzzle, 0);
    EXPECT_EQ(Numbers(list.Entries), (std::vector<int>{1, ShapeLibrary::CurrentPuzzleNumber, 0}));
    EXPECT_EQ(list.Entries[1].Text, QStringLiteral("13x11 <Current Puzzle>"));
    EXPECT_EQ(list.Selected, 1);
}

TEST(ShapeList, EmptyLibrarySelectsNothing)
{
    for (ShapeListHost host : {ShapeListHost::EditorNewPuzzle, ShapeListHost::Manager}) {
        const ShapeList list = ShapeLibrary::FillList(host, {}, nullptr, 0);
        EXPECT_TRUE(list.Entries.empty());
        EXPECT_EQ(list.Selected, -1);
    }
    EXPECT_EQ(ShapeLibrary::SetShapeBoxIndex({}, 0), -1);
}

TEST(ShapeList, SetShapeBoxIndexFindsTheNumberElseTheFirstPosition)
{
    const std::vector<ShapeListEntry> entries = {{QStringLiteral("a"), 4}, {QStringLiteral("b"), 0}, {QStringLiteral("c"), 7}};
    EXPECT_EQ(ShapeLibrary::SetShapeBoxIndex(entries, 7), 2);
    EXPECT_EQ(ShapeLibrary::SetShapeBoxIndex(entries, 0), 1);
    EXPECT_EQ(ShapeLibrary::SetShapeBoxIndex(entries, 5), 0);
}

TEST(ShapeList, SelectionAfterDeleteKeepsThePositionOrTakesTheLast)
{
    const struct {
        int previous, count, expected;
    } cases[] = {{0, 3, 0}, {1, 3, 1}, {3, 3, 2}, {5, 2, 1}, {0, 0, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(ShapeLibrary::SelectionAfterDelete(c.previous, c.count), c.expected) << c.previous << " " << c.count;
}

TEST(ShapeList, ShapeOfTheCurrentPuzzleMarksEveryNonzeroGridCell)
{
    TPuzzleRecord puzzle = PuzzleOfSize(7, 6);
    puzzle.Grid[0] = 'A';
    puzzle.Grid[1] = ' ';
    puzzle.Grid[2] = 0x80;
    puzzle.Grid[2499] = 'Z'; // outside the size, still carried
    puzzle.Grid[3] = 0;
    const TShapeRecord shape = ShapeLibrary::ShapeFromPuzzle(puzzle);
    EXPECT_EQ(shape.ShapeTitle.text(), QByteArray("<Current Puzzle>"));
    EXPECT_EQ(shape.ShapeWidth, 7);
    EXPECT_EQ(shape.ShapeHeight, 6);
    for (std::size_t i = 0; i < shape.ShapeCells.size(); ++i)
        ASSERT_EQ(shape.ShapeCells[i], puzzle.Grid[i] != 0 ? 1 : 0) << i;
}

TEST(ShapeList, DeleteQuestionQuotesTheEntryText)
{
    EXPECT_EQ(ShapeLibrary::DeleteQuestion({QStringLiteral("15x15 Heart"), 3}),
              QStringLiteral("Are you sure you want to delete \"15x15 Heart\"?"));
}

TEST(ShapeList, CopyTitleCountsUpAndCutsToFifty)
{
    const struct {
        QByteArray title, copy;
    } cases[] = {
        {"Heart", "Heart (2)"},
        {"Heart (2)", "Heart (3)"},
        {"Heart (0)", "Heart (0) (2)"},
        {"Heart (a)", "Heart (a) (2)"},
        {QByteArray(48, 'H'), QByteArray(48, 'H') + " ("},
        {QByteArray(45, 'H') + " (9)", QByteArray(45, 'H') + " (10)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShapeLibrary::CopyTitle(c.title), c.copy) << c.title.constData();
}

class ShapeLibraryFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = ShapeLibrary::LibraryPath(dir.path());
    QByteArray a = HandRecord("A", 5, 5, {{1, 1}});
    QByteArray b = HandRecord("B", 10, 10, {{2, 2}});
    QByteArray c = HandRecord("C", 30, 30, {{3, 3}});
};

TEST_F(ShapeLibraryFile, MissingFileIsAnEmptyLibraryAndTheFirstAppendCreatesIt)
{
    EXPECT_TRUE(path.endsWith(QStringLiteral("/QVFLAY.DAT")));
    std::vector<TShapeRecord> shapes{Shape("x", 5, 5)};
    ASSERT_TRUE(ShapeLibrary::ReadLibrary(path, shapes));
    EXPECT_TRUE(shapes.empty());

    int number = -1;
    ASSERT_TRUE(ShapeLibrary::AppendShape(path, TShapeRecord::fromBytes(a), &number));
    EXPECT_EQ(number, 0);
    ASSERT_TRUE(ShapeLibrary::AppendShape(path, TShapeRecord::fromBytes(b), &number));
    EXPECT_EQ(number, 1);
    EXPECT_EQ(FileBytes(path), a + b);
}

TEST_F(ShapeLibraryFile, ReadingKeepsOddSizesAndIgnoresATrailingPartialRecord)
{
    const QByteArray odd = HandRecord("Odd", 0, 99);
    ASSERT_TRUE(WriteBytes(path, a + odd + QByteArray(100, 'x')));
    std::vector<TShapeRecord> shapes;
    ASSERT_TRUE(ShapeLibrary::ReadLibrary(path, shapes));
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[1].toBytes(), odd);
    EXPECT_EQ(ShapeLibrary::ListText(shapes[1]), QStringLiteral("0x99 Odd"));
    TShapeRecord loaded;
    ASSERT_TRUE(ShapeLibrary::LoadShape(path, 1, loaded));
    EXPECT_EQ(loaded.toBytes(), odd);
    EXPECT_EQ(ShapeLibrary::LoadShape(path, 2, loaded).status, IoResult::IoError);
}

TEST_F(ShapeLibraryFile, DeleteMovesLaterRecordsDownOrOnlyTruncates)
{
    ASSERT_TRUE(WriteBytes(path, a + b + c));
    ASSERT_TRUE(ShapeLibrary::DeleteShape(path, 2));
    EXPECT_EQ(FileBytes(path), a + b);

    ASSERT_TRUE(WriteBytes(path, a + b + c));
    ASSERT_TRUE(ShapeLibrary::DeleteShape(path, 0));
    EXPECT_EQ(FileBytes(path), b + c);

    EXPECT_EQ(ShapeLibrary::DeleteShape(path, 2).status, IoResult::Refused);
    EXPECT_EQ(FileBytes(path), b + c);
    EXPECT_EQ(ShapeLibrary::DeleteShape(dir.filePath(QStringLiteral("none.dat")), 0).status, IoResult::OpenFailed);
}

TEST_F(ShapeLibraryFile, ReplaceWritesOverOneRecordOnly)
{
    ASSERT_TRUE(WriteBytes(path, a + b));
    ASSERT_TRUE(ShapeLibrary::ReplaceShape(path, 1, TShapeRecord::fromBytes(c)));
    EXPECT_EQ(FileBytes(path), a + c);
    EXPECT_EQ(ShapeLibrary::ReplaceShape(path, 2, TShapeRecord::fromBytes(c)).status, IoResult::Refused);
    EXPECT_EQ(ShapeLibrary::ReplaceShape(path, -1, TShapeRecord::fromBytes(c)).status, IoResult::Refused);
    EXPECT_EQ(FileBytes(path), a + c);
}

TEST_F(ShapeLibraryFile, AppendThatCannotOpenReportsOpenFailed)
{
    const QString unreachable = dir.filePath(QStringLiteral("missing/QVFLAY.DAT"));
    EXPECT_EQ(ShapeLibrary::AppendShape(unreachable, TShapeRecord::fromBytes(a)).status, IoResult::OpenFailed);
}
