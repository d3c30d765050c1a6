// The starter page file built beside the binaries from data/pages.
#include "pages/DefaultLayout.h"
#include "pages/PageFile.h"
#include "pages/PaperSizes.h"
#include "render/PageRenderSupport.h"
#include "render/PageRenderer.h"

#include <QDir>
#include <QFile>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

class StarterPageFile : public ::testing::Test {
protected:
    QString path = QDir(QStringLiteral(QUORVEX_BUILD_DIR)).filePath(QString::fromLatin1(PageFileName));

    TPageLayout layout(qint64 n)
    {
        TPageLayout l;
        EXPECT_TRUE(LoadLayout(path, n, l)) << n;
        return l;
    }

    static const TPageObject* find(const TPageLayout& l, int kind)
    {
        for (int i = 0; i < l.usedObjects(); ++i) {
            if (l.Objects[std::size_t(i)].Kind == kind)
                return &l.Objects[std::size_t(i)];
        }
        return nullptr;
    }
};

} // namespace

TEST_F(StarterPageFile, HoldsTheSevenLayoutsInOrder)
{
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFile(path).size(), 7 * 28868);
    const char* names[] = {"New Page", "New Page A4", "Word List", "Combined Clues", "Landscape Letter", "Large Grid",
                           "Classic"};
    for (int n = 0; n < 7; ++n)
        EXPECT_EQ(layout(n).LayoutName.text(), QByteArray(names[n]));
    // Record 0, what "Default Page" 0 gives a new puzzle, is the built-in default itself.
    EXPECT_EQ(layout(0).toBytes(), BuiltInDefaultLayout().toBytes());
}

TEST_F(StarterPageFile, EveryLayoutIsConsistentWithItsPaper)
{
    for (qint64 n = 0; n < 7; ++n) {
        const TPageLayout l = layout(n);
        SCOPED_TRACE(l.LayoutName.text().toStdString());
        const QSize pixels = PaperSizes::designPixels({l.PaperWidth, l.PaperHeight}, l.DesignZoom, l.UseInches);
        EXPECT_EQ(QSize(l.PixelWidth, l.PixelHeight), pixels);
        ASSERT_GT(l.ObjectCount, 0);
        for (int i = 0; i < 20; ++i) {
            const TPageObject& o = l.Objects[std::size_t(i)];
            if (i >= l.ObjectCount) {
                EXPECT_EQ(o, TPageObject{}) << "unused slot " << i;
                continue;
            }
            EXPECT_TRUE(o.Bounds.Left >= 0 && o.Bounds.Left < o.Bounds.Right && o.Bounds.Right <= l.PixelWidth);
            EXPECT_TRUE(o.Bounds.Top >= 0 && o.Bounds.Top < o.Bounds.Bottom && o.Bounds.Bottom <= l.PixelHeight);
            EXPECT_FALSE(o.Name.isEmpty());
            EXPECT_FALSE(o.TextFontName.isEmpty());
        }
        ASSERT_TRUE(find(l, ObjectKind::Puzzle));
        ASSERT_TRUE(find(l, ObjectKind::Title));
    }
}

TEST_F(StarterPageFile, EachLayoutHasItsDesign)
{
    const TPageLayout a4 = layout(1);
    EXPECT_EQ(a4.PaperName.text(), "A4");
    EXPECT_FALSE(a4.UseInches);
    EXPECT_EQ(a4.DesignZoom, 1);
    EXPECT_EQ(a4.PixelWidth, 420); // 21 cm x 20 pixels per cm
    EXPECT_EQ(a4.PixelHeight, 594);

    const TPageLayout wordList = layout(2);
    const TPageObject* words = find(wordList, ObjectKind::WordList);
    ASSERT_TRUE(words);
    EXPECT_EQ(words->Columns, 2);

    const TPageLayout combined = layout(3);
    const TPageObject* clues = find(combined, ObjectKind::CombinedClues);
    ASSERT_TRUE(clues);
    EXPECT_EQ(clues->text(), "Across:Down");
    EXPECT_EQ(clues->Columns, 2);
    EXPECT_TRUE(clues->SplitColumns);
    EXPECT_FALSE(find(combined, ObjectKind::AcrossClues));

    const TPageLayout landscape = layout(4);
    EXPECT_FALSE(landscape.Portrait);
    EXPECT_EQ(landscape.PaperWidth, 11.0);
    EXPECT_EQ(landscape.PaperHeight, 8.5);
    const TPageObject* grid = find(landscape, ObjectKind::Puzzle);
    const TPageObject* across = find(landscape, ObjectKind::AcrossClues);
    ASSERT_TRUE(grid && across);
    EXPECT_LT(grid->Bounds.Right, across->Bounds.Left);

    const TPageLayout large = layout(5);
    for (int kind : {ObjectKind::AcrossClues, ObjectKind::DownClues, ObjectKind::BonusQuestion})
        EXPECT_TRUE(find(large, kind)) << kind;
    const TPageObject* bigGrid = find(large, ObjectKind::Puzzle);
    ASSERT_TRUE(bigGrid);
    EXPECT_GT(bigGrid->Bounds.Right - bigGrid->Bounds.Left, 216); // larger than the default grid
}

TEST_F(StarterPageFile, ClassicLayoutPrintsAShapedPuzzleAsItsShape)
{
    const TPageLayout classic = layout(6);
    const TPageObject* grid = find(classic, ObjectKind::Puzzle);
    ASSERT_TRUE(grid);
    EXPECT_FALSE(grid->Transparent);   // not a skeleton: black squares
    EXPECT_EQ(grid->FillColor, 0u);

    // A diamond: the corners lie outside the shape, the in-shape cells without a letter are squares.
    TPuzzleRecord puzzle = RenderTest::samplePuzzle();
    for (int r = 1; r <= puzzle.GridHeight; ++r) {
        for (int c = 1; c <= puzzle.GridWidth; ++c) {
            const bool inside = std::abs(r - 3) + std::abs(c - 3) <= 2;
            std::uint8_t& cell = puzzle.Grid[std::size_t((r - 1) * 50 + c - 1)];
            if (!inside)
                cell = 0;
            else if (cell == 0)
                cell = ' ';
        }
    }
    int squares = 0;
    for (std::uint8_t cell : puzzle.Grid)
        squares += cell == ' ' ? 1 : 0;
    ASSERT_GT(squares, 0);

    TRenderOptions options;
    ApplyLayoutSetup(options, classic);
    EXPECT_TRUE(options.UseBoxes);
    TRecordingCanvas canvas(8.5, 11);
    const TFittedPage page = RenderPage(puzzle, classic, options, canvas);
    const auto& fitted = RenderTest::bodyOf<TFittedGrid>(page, ObjectKind::Puzzle);
    int black = 0;
    for (const TRecordingCanvas::Fill& fill : canvas.Fills)
        black += !fill.Ellipse && fill.Color == 0 ? 1 : 0;
    EXPECT_EQ(black, squares);   // every square of the shape is filled, nothing outside it
    EXPECT_TRUE(fitted.UseBoxes);
}
