// The page as a whole: print count, paper and scale, print parts, borders, pictures, and records
// that must not crash the renderer.
#include "render/PageCanvasPainter.h"
#include "render/PageRenderSupport.h"
#include "render/PageRenderer.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace RenderTest;

TEST(PageRenderPage, PrintCount)
{
    struct Case {
        const char* name;
        int wordCount;
        int across;
        int down;
        int usedUpTo;   // WordUsed set for slots 1..usedUpTo
        int expected;
    };
    const Case cases[] = {
        {"as constructed", 5, 2, 3, 5, 5},
        {"unused last slot lowers it", 5, 2, 3, 4, 4},
        {"editor save after unplaced words", 7, 2, 3, 5, 5},
        {"unplaced words still flagged used", 7, 2, 3, 7, 5},
        {"negative word count", -3, 2, 3, 5, 0},
        {"word count above 200", 500, 150, 50, 200, 200},
        {"counts out of range", 300, -5, 1000, 200, 200},
        {"nothing used", 5, 2, 3, 0, 0},
    };
    for (const Case& c : cases) {
        TPuzzleRecord p = samplePuzzle();
        p.WordCount = std::int16_t(c.wordCount);
        p.AcrossCount = std::int16_t(c.across);
        p.DownCount = std::int16_t(c.down);
        for (int i = 0; i < 200; ++i)
            p.WordUsed[std::size_t(i)] = i < c.usedUpTo;
        EXPECT_EQ(ComputePrintCount(p), c.expected) << c.name;
    }
}

TEST(PageRenderPage, EditorSaveDoesNotPrintUnplacedWordsAsDownClues)
{
    TPuzzleRecord p = samplePuzzle();
    setSlot(p, 6, "orphan", "Did not fit", 0, 0, true);
    setSlot(p, 7, "stray", "Neither did this", 0, 0, true);
    p.WordCount = 7;
    TPageLayout layout = defaultLayout();
    TPageObject words = makeObject(ObjectKind::WordList, "Words", 0, 490, 400, 528);
    words.Columns = 4;
    layout.Objects[6] = words;
    layout.ObjectCount = 7;
    TRecordingCanvas canvas;
    const TFittedPage page = RenderPage(p, layout, {}, canvas);
    EXPECT_EQ(page.PrintCount, 5);
    EXPECT_EQ(bodyOf<TFittedClues>(page, ObjectKind::DownClues).Clues.size(), 3u);
    EXPECT_EQ(bodyOf<TFittedWordList>(page, ObjectKind::WordList).Words.size(), 5u);
    EXPECT_FALSE(canvas.drew(QStringLiteral("Did not fit")));
}

TEST(PageRenderPage, PaperSizes)
{
    struct Case {
        const char* name;
        bool portrait;
        bool inches;
        double width;
        double height;
        double expectedWidth;
        double expectedHeight;
    };
    const Case cases[] = {
        {"Letter", true, true, 0, 0, 8.5, 11},
        {"Letter", false, true, 0, 0, 11, 8.5},
        {"Legal", true, true, 0, 0, 8.5, 14},
        {"A4", true, false, 0, 0, 210 / 25.4, 297 / 25.4},
        {"A5", false, false, 0, 0, 210 / 25.4, 148 / 25.4},
        {"B5", true, false, 0, 0, 182 / 25.4, 257 / 25.4},
        {"Executive", true, true, 0, 0, 7.25, 10.5},
        {"Custom", true, true, 5, 7, 5, 7},
        {"Custom", true, false, 21.6, 27.9, 2160 / 254.0, 2790 / 254.0},
        {"Custom", false, true, 12, 4, 12, 4},
        {"Custom", true, true, 0, 0, 8.5, 11},
        {"Custom", true, true, 1e300, -2, 8.5, 11},
    };
    for (const Case& c : cases) {
        TPageLayout layout = defaultLayout();
        layout.PaperName.setText(c.name);
        layout.Portrait = c.portrait;
        layout.UseInches = c.inches;
        layout.PaperWidth = c.width;
        layout.PaperHeight = c.height;
        const QSizeF size = RenderPaperSize(layout);
        EXPECT_NEAR(size.width(), c.expectedWidth, 1e-9) << c.name << c.width;
        EXPECT_NEAR(size.height(), c.expectedHeight, 1e-9) << c.name << c.width;
    }
}

TEST(PageRenderPage, ScaleFitsTheDesignPageAnchoredTopLeft)
{
    struct Case {
        int pixelWidth;
        int pixelHeight;
        double expected;
    };
    // Paper 8.5 x 11 inches.
    const Case cases[] = {
        {408, 528, 8.5 / 408}, {816, 528, 8.5 / 816}, {408, 1100, 0.01}, {0, 528, 11.0 / 528},
        {408, 0, 8.5 / 408}, {0, 0, 1.0 / 48}, {-5, -5, 1.0 / 48},
    };
    for (const Case& c : cases) {
        TPageLayout layout = defaultLayout();
        layout.PixelWidth = std::int16_t(c.pixelWidth);
        layout.PixelHeight = std::int16_t(c.pixelHeight);
        TRecordingCanvas canvas;
        const TFittedPage page = RenderPage(samplePuzzle(), layout, {}, canvas);
        EXPECT_NEAR(page.Scale, c.expected, 1e-12) << c.pixelWidth << "x" << c.pixelHeight;
        EXPECT_NEAR(page.Objects.at(0).Rect.left(), 48 * c.expected, 1e-9);
    }
}

TEST(PageRenderPage, LayoutFromThePuzzleRecord)
{
    const TPuzzleRecord p = samplePuzzle();
    EXPECT_EQ(PuzzleLayout(p), defaultLayout());
    TRecordingCanvas fromRecord;
    TRecordingCanvas separate;
    const TFittedPage a = MeasurePage(p, {}, fromRecord);
    const TFittedPage b = MeasurePage(p, defaultLayout(), {}, separate);
    ASSERT_EQ(a.Objects.size(), 6u);
    ASSERT_EQ(a.Objects.size(), b.Objects.size());
    for (std::size_t i = 0; i < a.Objects.size(); ++i)
        EXPECT_EQ(a.Objects[i].Rect, b.Objects[i].Rect);
    EXPECT_TRUE(fromRecord.Texts.empty());   // measuring draws nothing
}

TEST(PageRenderPage, PrintPartsAndHeadings)
{
    TPageLayout layout = defaultLayout();
    layout.Objects[6] = makeObject(ObjectKind::Text, "Text 1", 0, 500, 200, 520);
    layout.Objects[6].setText("Always here");
    layout.ObjectCount = 7;
    TRenderOptions options;
    options.AcrossHeading = "Horizontal";
    options.DownHeading = "Vertical";
    TRecordingCanvas canvas;
    RenderPage(samplePuzzle(), layout, options, canvas);
    EXPECT_TRUE(canvas.drew(QStringLiteral("Sample Puzzle")));
    EXPECT_TRUE(canvas.drew(QStringLiteral("Horizontal")));
    EXPECT_TRUE(canvas.drew(QStringLiteral("Vertical")));
    EXPECT_TRUE(canvas.drew(QStringLiteral("Noble gas")));

    options.PrintTitle = false;
    options.PrintClues = false;
    options.PrintBody = false;
    canvas = TRecordingCanvas();
    const TFittedPage page = RenderPage(samplePuzzle(), layout, options, canvas);
    ASSERT_EQ(page.Objects.size(), 1u);
    EXPECT_EQ(page.Objects[0].Kind, ObjectKind::Text);
    EXPECT_TRUE(canvas.drew(QStringLiteral("Always here")));
    EXPECT_EQ(canvas.Texts.size(), 1u);
}

TEST(PageRenderPage, LayoutSetupTakesHeadingsAndBoxes)
{
    TRenderOptions options;
    options.BoxColor = 0x123456;
    TPageLayout layout = singleObjectLayout(makeObject(ObjectKind::Title, "Title", 0, 0, 10, 10));
    ApplyLayoutSetup(options, layout);
    EXPECT_TRUE(options.UseBoxes);   // no Puzzle object: as the settings had it
    EXPECT_EQ(options.BoxColor, 0x123456u);

    layout = defaultLayout();
    layout.Objects[1].Transparent = true;
    layout.Objects[1].FillColor = 0x0000FF;
    layout.Objects[2].setText("Across clues for this long heading text");
    layout.Objects[3].setText("Downward");
    ApplyLayoutSetup(options, layout);
    EXPECT_FALSE(options.UseBoxes);
    EXPECT_EQ(options.BoxColor, 0x0000FFu);
    EXPECT_EQ(options.AcrossHeading, QByteArray("Across clues for this lon"));
    EXPECT_EQ(options.DownHeading, QByteArray("Downward"));

    TPageObject combined = makeObject(ObjectKind::CombinedClues, "Combined Clues", 0, 0, 10, 10);
    combined.setText("Clues Across:Clues Down");
    ApplyLayoutSetup(options, singleObjectLayout(combined));
    EXPECT_EQ(options.AcrossHeading, QByteArray("Clues Across"));
    EXPECT_EQ(options.DownHeading, QByteArray("Clues Down"));
}

TEST(PageRenderPage, HeadingObjectsWithoutTextKeepTheDefaultLabels)
{
    TRenderOptions options;
    options.AcrossHeading = "Across";
    options.DownHeading = "Down";
    ApplyLayoutSetup(options, defaultLayout()); // the built-in layout's headers hold no text
    EXPECT_EQ(options.AcrossHeading, QByteArray("Across"));
    EXPECT_EQ(options.DownHeading, QByteArray("Down"));

    TPageObject combined = makeObject(ObjectKind::CombinedClues, "Combined Clues", 0, 0, 10, 10);
    combined.setText(":Downwards");
    ApplyLayoutSetup(options, singleObjectLayout(combined));
    EXPECT_EQ(options.AcrossHeading, QByteArray("Across"));
    EXPECT_EQ(options.DownHeading, QByteArray("Downwards"));
}

TEST(PageRenderPage, BordersGrowOutwards)
{
    TPageObject o = makeObject(ObjectKind::Rectangle, "Rectangle 1", 48, 48, 96, 96);   // 1..2 inches
    o.UseBorder = true;
    o.BorderWidth = 3;
    o.BorderColor = 0x0000FF;
    o.Filled = true;
    o.FillColor = 0x00FF00;
    TRecordingCanvas canvas;   // 100 dots per inch
    RenderPage(samplePuzzle(), singleObjectLayout(o), {}, canvas);
    ASSERT_EQ(canvas.Fills.size(), 1u);
    EXPECT_EQ(canvas.Fills[0].Color, 0x00FF00u);
    ASSERT_EQ(canvas.Lines.size(), 12u);
    for (int p = 0; p < 3; ++p) {
        EXPECT_EQ(canvas.Lines[std::size_t(4 * p)].From, QPoint(100 - p, 100 - p));
        EXPECT_EQ(canvas.Lines[std::size_t(4 * p + 1)].To, QPoint(200 + p, 200 + p));
        EXPECT_EQ(canvas.Lines[std::size_t(4 * p)].Color, 0x0000FFu);
    }

    o.Kind = ObjectKind::Circle;
    o.BorderWidth = 40;   // clamped to 9
    canvas = TRecordingCanvas();
    RenderPage(samplePuzzle(), singleObjectLayout(o), {}, canvas);
    EXPECT_TRUE(canvas.Fills.at(0).Ellipse);
    ASSERT_EQ(canvas.Ellipses.size(), 9u);
    EXPECT_NEAR(canvas.Ellipses[8].left(), 0.92, 1e-9);
    EXPECT_NEAR(canvas.Ellipses[8].bottom(), 2.08, 1e-9);
}

TEST(PageRenderPage, BitmapsStretchedTiledOrReportedMissing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString picture = dir.filePath(QStringLiteral("tile.png"));
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(picture));

    TPageObject stretched = makeObject(ObjectKind::Bitmap, "Bitmap 1", 48, 48, 96, 144);
    stretched.Transparent = false;
    stretched.BitmapFile.setText(picture.toLocal8Bit());
    stretched.UseBorder = true;
    TPageObject tiled = stretched;
    tiled.Transparent = true;
    tiled.Bounds = {0, 0, 96, 240};   // 2 x 5 inches: 5 columns, 3 rows on Letter
    TPageObject missing = stretched;
    missing.BitmapFile.setText(dir.filePath(QStringLiteral("none.bmp")).toLocal8Bit());
    TPageObject missingToo = missing;

    TPageLayout layout = singleObjectLayout(stretched);
    layout.Objects[1] = tiled;
    layout.Objects[2] = missing;
    layout.Objects[3] = missingToo;
    layout.ObjectCount = 4;
    TRecordingCanvas canvas;
    const TFittedPage page = RenderPage(samplePuzzle(), layout, {}, canvas);
    EXPECT_EQ(page.Warnings, QStringList{RenderLimits::MissingBitmapsWarning});
    ASSERT_EQ(canvas.Images.size(), 1u + 15u);
    EXPECT_EQ(canvas.Images[0], QRectF(1, 1, 1, 2));
    EXPECT_EQ(canvas.Images[15], QRectF(8, 10, 2, 5));
    EXPECT_EQ(canvas.Lines.size(), 4u);   // only the stretched picture has a border

    // A tile of one design pixel would need 408 x 528 tiles: too many, so nothing is drawn.
    tiled.Bounds = {0, 0, 1, 1};
    canvas = TRecordingCanvas();
    RenderPage(samplePuzzle(), singleObjectLayout(tiled), {}, canvas);
    EXPECT_TRUE(canvas.Images.empty());
}

TEST(PageRenderPage, DamagedLayoutsAndRecordsDoNotCrash)
{
    TPuzzleRecord p = samplePuzzle();
    p.WordCount = 32767;
    p.AcrossCount = -100;
    p.DownCount = 500;
    p.WordUsed.fill(1);
    p.StartCell.fill(-1);
    p.ClueNumber.fill(-32768);
    p.GridWidth = 0;
    p.GridHeight = 99;
    TPageLayout layout = defaultLayout();
    layout.ObjectCount = 300;
    layout.PixelWidth = 0;
    layout.PixelHeight = -1;
    layout.DesignZoom = 77;
    for (int i = 6; i < 20; ++i)
        layout.Objects[std::size_t(i)] = makeObject(std::int16_t(i % 15), "Any", 0, 0, 100, 100);
    layout.Objects[4].Columns = 0;
    layout.Objects[5].Columns = -5;
    layout.Objects[7].Columns = 32767;
    layout.Objects[0].TextFontSize = 0;
    layout.Objects[2].TextFontSize = 32767;
    layout.Objects[3].TextFontSize = -12;
    layout.Objects[1].LineWidth = 2000000000;
    layout.Objects[1].NumberFontSize = 0;
    layout.Objects[8].Bounds = {2147483647, -2147483647, -5, 5};
    layout.Objects[9].BorderWidth = 0;
    layout.Objects[9].UseBorder = true;
    layout.Objects[10].Bounds = {0, 0, 0, 0};
    layout.Objects[10].Kind = ObjectKind::Bitmap;
    layout.Objects[10].Transparent = true;

    QImage image(200, 259, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TPainterCanvas canvas(painter, QSizeF(8.5, 11), 200 / 8.5);
    const TFittedPage page = RenderPage(p, layout, {}, canvas);
    painter.end();
    EXPECT_EQ(page.PrintCount, 200);
    EXPECT_EQ(page.AcrossCount, 0);
    EXPECT_LE(page.Objects.size(), 20u);
    for (const TFittedObject& f : page.Objects) {
        EXPECT_GE(f.Font.Size, 1);
        EXPECT_LE(f.Font.Size, RenderLimits::MaxFontSize);
        if (const auto* clues = std::get_if<TFittedClues>(&f.Body)) {
            EXPECT_GE(clues->Columns, 1);
            EXPECT_LE(clues->Columns, RenderLimits::MaxColumns);
        }
    }
}
