// The layout thumbnail, checked pixel by pixel on an image.
#include "pages/DefaultLayout.h"
#include "pages/Thumbnail.h"
#include "store/WindowsColor.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QColor Background(0x40, 0x50, 0x60);

// A layout of 100 x 200 design pixels holding the given objects.
TPageLayout page(std::initializer_list<TPageObject> objects)
{
    TPageLayout l;
    l.PixelWidth = 100;
    l.PixelHeight = 200;
    for (const auto& o : objects)
        l.Objects[std::size_t(l.ObjectCount++)] = o;
    return l;
}

TPageObject object(std::int16_t kind, TObjectBounds bounds, std::int16_t columns = 0)
{
    TPageObject o;
    o.Kind = kind;
    o.Bounds = bounds;
    o.Columns = columns;
    return o;
}

QImage draw(const TPageLayout& layout, QSize size = {50, 100}, QRect area = {})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::green);
    QPainter painter(&image);
    DrawThumbnail(painter, area.isNull() ? QRect(QPoint(0, 0), size) : area, layout, Background);
    return image;
}

QColor at(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

} // namespace

TEST(Thumbnail, WindowsColoursConvertWithRedInTheLowByte)
{
    EXPECT_EQ(ColorFromWindows(0x000080), QColor(0x80, 0, 0));
    EXPECT_EQ(ColorFromWindows(0xFF123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(WindowsFromColor(QColor(0x56, 0x34, 0x12)), 0x123456u);
}

TEST(Thumbnail, PageIsScaledToFitAndFilledWhiteOnTheBackground)
{
    // 100 x 200 into 80 x 100: the height limits, s = 0.5, the page is 50 x 100.
    const QImage image = draw(page({}), {80, 100});
    EXPECT_EQ(at(image, 0, 0), QColor(Qt::white));
    EXPECT_EQ(at(image, 49, 99), QColor(Qt::white));
    EXPECT_EQ(at(image, 50, 0), Background);
    EXPECT_EQ(at(image, 79, 99), Background);
}

TEST(Thumbnail, ObjectsAreBlocksInTheirKindColourWithABlackOutline)
{
    // s = 0.5: the puzzle's bounds 20,40,80,120 become 10,20,40,60.
    const QImage image = draw(page({object(ObjectKind::Puzzle, {20, 40, 80, 120}),
                                    object(ObjectKind::Title, {0, 0, 100, 20})}));
    EXPECT_EQ(at(image, 25, 40), QColor(0x80, 0, 0)); // 0x000080 is dark red
    EXPECT_EQ(at(image, 10, 40), QColor(Qt::black));
    EXPECT_EQ(at(image, 39, 40), QColor(Qt::black));
    EXPECT_EQ(at(image, 25, 20), QColor(Qt::black));
    EXPECT_EQ(at(image, 25, 59), QColor(Qt::black));
    EXPECT_EQ(at(image, 40, 40), QColor(Qt::white));
    EXPECT_EQ(at(image, 25, 5), QColor(0xFF, 0xFF, 0)); // Title 0x00FFFF is yellow
}

TEST(Thumbnail, LaterObjectsCoverEarlierOnesAndCirclesAreFilledEllipses)
{
    const QImage image = draw(page({object(ObjectKind::AcrossClues, {0, 0, 100, 100}),
                                    object(ObjectKind::Circle, {20, 20, 80, 80})}));
    EXPECT_EQ(at(image, 25, 25), QColor(0x80, 0x80, 0x80)); // circle centre
    EXPECT_EQ(at(image, 11, 11), QColor(0, 0xFF, 0xFF));    // corner of its box: across clues show
}

TEST(Thumbnail, ListsOfTwoOrMoreColumnsGetDottedColumnLines)
{
    // Words over the whole page, 3 columns: width 50 -> lines at 0 + 16 and 0 + 32.
    const QImage image = draw(page({object(ObjectKind::WordList, {0, 0, 100, 200}, 3)}));
    const QColor words(0, 0x80, 0x80);
    const auto blackDots = [&](int x) {
        int black = 0;
        for (int y = 10; y < 30; ++y)
            black += at(image, x, y) == QColor(Qt::black);
        return black;
    };
    EXPECT_GE(blackDots(16), 5);
    EXPECT_GE(blackDots(32), 5);
    EXPECT_LT(blackDots(16), 20); // dotted, not solid
    EXPECT_EQ(blackDots(15), 0);
    EXPECT_EQ(blackDots(24), 0);
    EXPECT_EQ(at(image, 24, 20), words);

    const QImage single = draw(page({object(ObjectKind::WordList, {0, 0, 100, 200}, 1)}));
    for (int x = 1; x < 49; ++x)
        EXPECT_EQ(at(single, x, 20), words) << x;
}

TEST(Thumbnail, BitmapsHaveDottedOutlinesAndATiledOneOutlinesThePage)
{
    TPageObject tiled = object(ObjectKind::Bitmap, {20, 20, 40, 40});
    tiled.Transparent = true;
    const QImage image = draw(page({object(ObjectKind::Title, {10, 10, 90, 190}), tiled}));
    EXPECT_EQ(at(image, 15, 15), QColor(0xFF, 0xFF, 0)); // the title stays visible under the tile
    int black = 0;
    for (int y = 0; y < 100; ++y)
        black += at(image, 0, y) == QColor(Qt::black);
    EXPECT_GT(black, 20);
    EXPECT_LT(black, 100);

    const QImage plain = draw(page({object(ObjectKind::Bitmap, {20, 20, 60, 60})}));
    EXPECT_EQ(at(plain, 20, 20), QColor(Qt::white));
    int outline = 0;
    for (int x = 10; x < 30; ++x)
        outline += at(plain, x, 10) == QColor(Qt::black);
    EXPECT_GT(outline, 3);
    EXPECT_LT(outline, 20);
}

TEST(Thumbnail, NonsenseRecordsDrawSafelyInsideTheArea)
{
    TPageLayout l = page({object(ObjectKind::Puzzle, {-2147483647 - 1, 2147483647, 2147483647, -5}),
                          object(99, {0, 0, 10, 10}), object(ObjectKind::DownClues, {0, 0, 100, 100}, 32767),
                          object(ObjectKind::CombinedClues, {100, 0, 0, 100}, -4)});
    l.ObjectCount = 300;
    const QImage image = draw(l, {80, 120}, QRect(10, 10, 40, 60));
    EXPECT_EQ(at(image, 9, 9), QColor(Qt::green)); // nothing outside the area
    EXPECT_EQ(at(image, 50, 70), QColor(Qt::green));
    EXPECT_EQ(at(image, 30, 40), QColor(0x80, 0, 0)); // the huge puzzle covers the area

    // No page size: the paper's (none given, so Letter at zoom Small, 408 x 528) scaled into 40 x 60.
    TPageLayout sizeless = page({});
    sizeless.PixelWidth = 0;
    sizeless.PixelHeight = 0;
    const QImage fallback = draw(sizeless, {80, 120}, QRect(10, 10, 40, 60));
    EXPECT_EQ(at(fallback, 49, 60), QColor(Qt::white));
    EXPECT_EQ(at(fallback, 49, 61), Background);

    for (const TPageLayout& empty : {page({}), TPageLayout{}}) {
        const QImage blank = draw(empty, {30, 30});
        EXPECT_EQ(at(blank, 0, 0), QColor(Qt::white));
    }
}

TEST(Thumbnail, LegendNamesTheKindColours)
{
    const auto& legend = ThumbnailLegend();
    QStringList labels;
    for (const auto& e : legend)
        labels << QString::fromLatin1(e.Label);
    EXPECT_EQ(labels.join(QLatin1Char('|')), QStringLiteral("Puzzle|Across|Down|Title|Bonus|Text, Shapes|Words"));
    EXPECT_EQ(legend[0].Color, *ThumbnailColor(ObjectKind::Puzzle));
    EXPECT_EQ(legend[1].Color, *ThumbnailColor(ObjectKind::AcrossClues));
    EXPECT_EQ(legend[2].Color, *ThumbnailColor(ObjectKind::DownHeader));
    EXPECT_EQ(legend[5].Color, *ThumbnailColor(ObjectKind::Text));
    EXPECT_EQ(legend[6].Color, *ThumbnailColor(ObjectKind::WordList));
    EXPECT_EQ(*ThumbnailColor(ObjectKind::Bitmap), 0xFFFFFFu);
    EXPECT_FALSE(ThumbnailColor(0));
    EXPECT_FALSE(ThumbnailColor(14));
}
