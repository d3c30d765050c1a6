// The grid object: cell geometry, boxes, outlines, numbers and which letters are printed.
#include "render/PageRenderSupport.h"
#include "render/PageRenderer.h"

#include <gtest/gtest.h>

#include <set>

using namespace RenderTest;

namespace {

constexpr double Px = 1.0 / 48.0;
constexpr std::uint32_t LineColor = 0x123456;
constexpr std::uint32_t BoxColor = 0x00FF00;
constexpr std::uint32_t BlockColor = 0xEEEEEE;

TPageObject gridObject(int right = 216, int bottom = 216)
{
    TPageObject o = makeObject(ObjectKind::Puzzle, "Puzzle", 0, 0, right, bottom);
    o.NumberFontName.setText("Arial");
    o.NumberFontSize = 5;
    o.NumbersHorizontal = true;
    o.LineWidth = 1;
    o.LineColor = LineColor;
    o.BlockColor = BlockColor;
    return o;
}

TRenderOptions blankOptions()
{
    TRenderOptions options;
    options.BoxColor = BoxColor;
    return options;
}

TFittedPage draw(const TPuzzleRecord& puzzle, const TPageObject& object, const TRenderOptions& options,
                 TRecordingCanvas& canvas)
{
    return RenderPage(puzzle, singleObjectLayout(object), options, canvas);
}

std::vector<TRecordingCanvas::Text> lettersDrawn(const TRecordingCanvas& canvas)
{
    return canvas.textsOfSize(12);   // the letter font; numbers are 5 points
}

std::set<QString> texts(const std::vector<TRecordingCanvas::Text>& list)
{
    std::set<QString> out;
    for (const auto& t : list)
        out.insert(t.Text);
    return out;
}

} // namespace

TEST(PageRenderGrid, SquareCellsCentredInAWideBox)
{
    TPuzzleRecord p = samplePuzzle();
    p.GridWidth = 15;
    p.GridHeight = 15;
    p.Grid.fill('A');
    TRenderOptions options = blankOptions();
    options.AnswerKey = true;
    TRecordingCanvas canvas;
    const TFittedPage page = draw(p, gridObject(200, 100), options, canvas);
    const auto& grid = bodyOf<TFittedGrid>(page, ObjectKind::Puzzle);
    const double e = 100 * Px / 15;
    EXPECT_NEAR(grid.CellSize, e, 1e-12);
    EXPECT_NEAR(grid.Origin.x(), (200 * Px - 15 * e) / 2, 1e-12);
    EXPECT_NEAR(grid.Origin.y(), 0, 1e-12);
    double left = 1e9;
    double right = -1e9;
    for (const auto& fill : canvas.Fills) {
        left = std::min(left, fill.Rect.left());
        right = std::max(right, fill.Rect.right());
    }
    EXPECT_NEAR(left, grid.Origin.x(), 1e-9);
    EXPECT_NEAR(right, grid.Origin.x() + 15 * e, 1e-9);
    EXPECT_EQ(lettersDrawn(canvas).size(), 225u);

    // A tall box centres vertically instead.
    const TFittedPage tall = draw(p, gridObject(100, 200), options, canvas);
    const auto& tallGrid = bodyOf<TFittedGrid>(tall, ObjectKind::Puzzle);
    EXPECT_NEAR(tallGrid.Origin.x(), 0, 1e-12);
    EXPECT_NEAR(tallGrid.Origin.y(), (200 * Px - 15 * e) / 2, 1e-12);
}

TEST(PageRenderGrid, LineWidthThreeGivesThreeInsetOutlines)
{
    const TPuzzleRecord p = samplePuzzle();
    TPageObject o = gridObject();
    o.LineWidth = 3;
    TRecordingCanvas canvas;   // 100 dots per inch
    const TFittedPage page = draw(p, o, blankOptions(), canvas);
    const auto& grid = bodyOf<TFittedGrid>(page, ObjectKind::Puzzle);
    std::vector<TRecordingCanvas::Line> outline;
    for (const auto& line : canvas.Lines) {
        if (line.Color == LineColor)
            outline.push_back(line);
    }
    ASSERT_EQ(outline.size(), 19u * 3u * 4u);   // 19 letter cells, 3 passes, 4 edges
    // Cell (1,1): each pass starts one device pixel further inside.
    const QRectF cell = grid.cellRect(1, 1);
    const int left = canvas.toDeviceX(cell.left());
    const int top = canvas.toDeviceY(cell.top());
    const int right = canvas.toDeviceX(cell.right());
    const int bottom = canvas.toDeviceY(cell.bottom());
    for (int p = 0; p < 3; ++p) {
        const auto& first = outline[std::size_t(4 * p)];
        EXPECT_EQ(first.From, QPoint(left + p, top + p));
        EXPECT_EQ(first.To, QPoint(right - p, top + p));
        EXPECT_EQ(outline[std::size_t(4 * p + 1)].To, QPoint(right - p, bottom - p));
    }
}

TEST(PageRenderGrid, BlankPuzzleHasOnlyNumbersOutlinesAndBoxes)
{
    const TPuzzleRecord p = samplePuzzle();
    TRenderOptions options = blankOptions();
    options.PartialAnswers = true;   // but no slot selected
    TRecordingCanvas canvas;
    const TFittedPage page = draw(p, gridObject(), options, canvas);
    EXPECT_TRUE(lettersDrawn(canvas).empty());
    EXPECT_EQ(texts(canvas.textsOfSize(5)), (std::set<QString>{QStringLiteral("1"), QStringLiteral("2"),
                                                                QStringLiteral("3"), QStringLiteral("4")}));
    EXPECT_EQ(canvas.textsOfSize(5).size(), 4u);   // slots 1 and 3 share start cell 1 and number 1
    int boxes = 0;
    int blocks = 0;
    for (const auto& fill : canvas.Fills) {
        boxes += fill.Color == BoxColor;
        blocks += fill.Color == BlockColor;
    }
    EXPECT_EQ(boxes, 6);
    EXPECT_EQ(blocks, 19);
    EXPECT_EQ(canvas.Fills.size(), 25u);
}

TEST(PageRenderGrid, SeparatorPrintedInTheBlankPuzzle)
{
    const TPuzzleRecord p = samplePuzzle();
    TRenderOptions options = blankOptions();
    TRecordingCanvas canvas;
    draw(p, gridObject(), options, canvas);
    EXPECT_TRUE(lettersDrawn(canvas).empty());

    options.SepDash = true;
    canvas = TRecordingCanvas();
    TFittedPage page = draw(p, gridObject(), options, canvas);
    auto letters = lettersDrawn(canvas);
    ASSERT_EQ(letters.size(), 1u);
    EXPECT_EQ(letters[0].Text, QStringLiteral("-"));
    const auto& grid = bodyOf<TFittedGrid>(page, ObjectKind::Puzzle);
    const QRectF cell = grid.cellRect(1, 2);
    EXPECT_NEAR(letters[0].X, cell.left() + (cell.width() - TRecordingCanvas::charWidth(12)) / 2, 1e-9);
    EXPECT_NEAR(letters[0].Y, cell.bottom() - 2.4 / 72 - (cell.height() - 14.4 / 72) / 2, 1e-9);

    // The user character stands for the same separator; a slash option finds nothing here.
    options.SepDash = false;
    options.SepSlash = true;
    options.SepOther = true;
    options.SepChar = '-';
    canvas = TRecordingCanvas();
    draw(p, gridObject(), options, canvas);
    EXPECT_EQ(texts(lettersDrawn(canvas)), std::set<QString>{QStringLiteral("-")});

    // With the answer key the dash is drawn twice: once as a letter, once as a separator.
    options.AnswerKey = true;
    canvas = TRecordingCanvas();
    draw(p, gridObject(), options, canvas);
    EXPECT_EQ(lettersDrawn(canvas).size(), 19u + 1u);
}

TEST(PageRenderGrid, PartialAnswersAndPartialLetters)
{
    const TPuzzleRecord p = samplePuzzle();
    TRenderOptions options = blankOptions();
    options.PartialAnswers = true;
    options.PartialFlags[3] = true;   // RADAR
    TRecordingCanvas canvas;
    TFittedPage page = draw(p, gridObject(), options, canvas);
    auto letters = lettersDrawn(canvas);
    ASSERT_EQ(letters.size(), 5u);
    const auto& grid = bodyOf<TFittedGrid>(page, ObjectKind::Puzzle);
    const double column3 = grid.cellRect(1, 3).left();
    for (const auto& letter : letters)
        EXPECT_NEAR(letter.X, column3 + (grid.CellSize - TRecordingCanvas::charWidth(12)) / 2, 1e-9);

    // Partial letters are folded to upper case and found along every placed word.
    options.PartialAnswers = false;
    options.PartialLetters = true;
    options.Letters = "ay";
    canvas = TRecordingCanvas();
    page = draw(p, gridObject(), options, canvas);
    letters = lettersDrawn(canvas);
    EXPECT_EQ(letters.size(), 5u);   // A at (1,4), (2,3), (4,3), (3,5); Y at (1,5), shared by two words
    EXPECT_EQ(texts(letters), (std::set<QString>{QStringLiteral("A"), QStringLiteral("Y")}));

    // The answer key overrides both.
    options.AnswerKey = true;
    options.PartialAnswers = true;
    canvas = TRecordingCanvas();
    page = draw(p, gridObject(), options, canvas);
    EXPECT_EQ(bodyOf<TFittedGrid>(page, ObjectKind::Puzzle).LetterPasses.size(), 1u);
    EXPECT_EQ(lettersDrawn(canvas).size(), 19u);
}

TEST(PageRenderGrid, StackedNumbersGoDownOneDigitPerLine)
{
    TPuzzleRecord p = samplePuzzle();
    p.ClueNumber[1] = 123;   // NORMS at cell 201
    TPageObject o = gridObject();
    o.NumbersHorizontal = false;
    TRecordingCanvas canvas;
    const TFittedPage page = draw(p, o, blankOptions(), canvas);
    const auto& grid = bodyOf<TFittedGrid>(page, ObjectKind::Puzzle);
    const QRectF cell = grid.cellRect(5, 1);
    std::vector<TRecordingCanvas::Text> digits;
    for (const auto& t : canvas.textsOfSize(5)) {
        if (std::abs(t.X - (cell.left() + TRecordingCanvas::charWidth(5) / 2)) < 1e-9 && t.Y > cell.top())
            digits.push_back(t);
    }
    ASSERT_EQ(digits.size(), 3u);
    const double step = 5 / 72.0;   // line height less descent
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(digits[std::size_t(k)].Text, QString::number(k + 1));
        EXPECT_NEAR(digits[std::size_t(k)].Y, cell.top() + step * (k + 1), 1e-9);
    }
}

TEST(PageRenderGrid, AnswerFontShrinksToTheCellDownToFourPoints)
{
    TPuzzleRecord p = samplePuzzle();
    TRenderOptions options = blankOptions();
    options.AnswerKey = true;
    struct Case {
        int boxSide;    // design pixels for 5 cells
        int fontSize;
        int expected;
    };
    // E = side / 5 / 48 inch; "W" is size / 144 inch wide and must be narrower than E.
    for (const Case c : {Case{216, 12, 12}, Case{60, 40, 35}, Case{5, 12, 4}, Case{216, 3, 3}}) {
        TPageObject o = gridObject(c.boxSide, c.boxSide);
        o.TextFontSize = std::int16_t(c.fontSize);
        TRecordingCanvas canvas;
        const TFittedPage page = draw(p, o, options, canvas);
        EXPECT_EQ(page.Objects.at(0).Object.FittedSize, c.expected) << c.boxSide;
        EXPECT_EQ(canvas.textsOfSize(c.expected).size(), 19u);
    }
}

TEST(PageRenderGrid, FilledBoxesDrawTheirOuterEdges)
{
    TPuzzleRecord p = samplePuzzle();
    p.Grid.fill(0);
    p.GridWidth = 3;
    p.GridHeight = 2;
    // Row 1: box, box, outside; row 2: letter, box, letter.
    p.Grid[0] = ' ';
    p.Grid[1] = ' ';
    p.Grid[50] = 'A';
    p.Grid[51] = ' ';
    p.Grid[52] = 'B';
    TRecordingCanvas canvas;
    draw(p, gridObject(), blankOptions(), canvas);
    int edges = 0;
    for (const auto& line : canvas.Lines)
        edges += line.Color == BoxColor;
    // (1,1): none; (1,2): right (outside next to it); (2,2): bottom (last row).
    EXPECT_EQ(edges, 2);

    TRenderOptions skeleton = blankOptions();
    skeleton.UseBoxes = false;
    canvas = TRecordingCanvas();
    draw(p, gridObject(), skeleton, canvas);
    for (const auto& fill : canvas.Fills)
        EXPECT_NE(fill.Color, BoxColor);
}

TEST(PageRenderGrid, DamagedCellNumbersAndSizesAreSkipped)
{
    struct Case {
        int gridWidth;
        int gridHeight;
        int startCell;
        int letterCount;
        std::uint8_t direction;
    };
    const Case cases[] = {
        {5, 5, 0, 5, 1}, {5, 5, -7, 5, 1}, {5, 5, 2501, 5, 0}, {5, 5, 32000, 3, 1}, {5, 5, 2500, 5, 1},
        {5, 5, 1, 999, 1}, {5, 5, 1, -4, 0}, {5, 5, 1, 60, 7}, {0, 0, 1, 5, 1}, {-3, 80, 50, 5, 0},
        {80, 80, 2450, 50, 1},
    };
    for (const Case& c : cases) {
        TPuzzleRecord p = samplePuzzle();
        p.GridWidth = std::int16_t(c.gridWidth);
        p.GridHeight = std::int16_t(c.gridHeight);
        p.StartCell[0] = std::int16_t(c.startCell);
        p.LetterCount[0] = std::int16_t(c.letterCount);
        p.Direction[0] = c.direction;
        TRenderOptions options = blankOptions();
        options.PartialAnswers = true;
        options.PartialFlags.fill(true);
        options.SepDash = true;
        TRecordingCanvas canvas;
        const TFittedPage page = draw(p, gridObject(), options, canvas);
        const auto& grid = bodyOf<TFittedGrid>(page, ObjectKind::Puzzle);
        EXPECT_GE(grid.Width, 1);
        EXPECT_LE(grid.Width, 50);
        for (const auto& number : grid.Numbers) {
            EXPECT_LE(number.Row, grid.Height);
            EXPECT_LE(number.Column, grid.Width);
        }
        for (const auto& pass : grid.LetterPasses) {
            for (const auto& letter : pass) {
                EXPECT_LE(letter.Row, grid.Height);
                EXPECT_LE(letter.Column, grid.Width);
            }
        }
    }
}
