#include "shapes/ShapePreview.h"
#include "shapes/ShapeTestSupport.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace ShapeTest;

namespace {

const QColor Background(200, 180, 160);

QImage Draw(const TShapeRecord& shape, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    ShapePreview::DrawTheBox(painter, width, height, shape, Background);
    return image;
}

bool OnlyBackground(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != Background)
                return false;
    return true;
}

} // namespace

TEST(ShapePreview, GridLinesAtMultiplesOfTheCellSizeAndCellsFilledInsideThem)
{
    // 5 x 4 cells in 103 x 90 pixels: s = min(103 div 5, 90 div 4) = 20.
    const TShapeRecord shape = Shape("P", 5, 4, {{1, 1}, {2, 3}, {4, 5}, {1, 6}, {5, 1}});
    const QImage image = Draw(shape, 103, 90);
    const int s = 20;
    ASSERT_EQ(ShapePreview::CellSize(shape, 103, 90), s);

    for (int k = 0; k <= 5; ++k)
        for (int y = 0; y <= 4 * s; ++y)
            ASSERT_EQ(image.pixelColor(k * s, y), QColor(Qt::black)) << "column line " << k << " y " << y;
    for (int k = 0; k <= 4; ++k)
        for (int x = 0; x <= 5 * s; ++x)
            ASSERT_EQ(image.pixelColor(x, k * s), QColor(Qt::black)) << "row line " << k << " x " << x;

    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 5; ++c) {
            const bool filled = (r == 1 && c == 1) || (r == 2 && c == 3) || (r == 4 && c == 5);
            const QColor inside = filled ? QColor(Qt::black) : QColor(Qt::white);
            for (int y = (r - 1) * s + 1; y < r * s; ++y)
                for (int x = (c - 1) * s + 1; x < c * s; ++x)
                    ASSERT_EQ(image.pixelColor(x, y), inside) << "cell " << r << "," << c;
        }
    }
    // Beyond the grid (and the cells outside the shape's size): the background.
    for (int y = 0; y < 90; ++y)
        for (int x = 5 * s + 1; x < 103; ++x)
            ASSERT_EQ(image.pixelColor(x, y), Background) << x << "," << y;
    for (int y = 4 * s + 1; y < 90; ++y)
        ASSERT_EQ(image.pixelColor(10, y), Background) << y;
}

TEST(ShapePreview, SizesThatCannotBeDrawnLeaveOnlyTheBackground)
{
    const struct {
        const char* name;
        qint16 width, height;
        int areaWidth, areaHeight;
    } cases[] = {
        {"width 0", 0, 15, 148, 148},
        {"height 0", 15, 0, 148, 148},
        {"negative", -5, -5, 148, 148},
        {"more cells than pixels", 30, 30, 20, 148},
        {"empty area", 15, 15, 0, 0},
    };
    for (const auto& c : cases) {
        const TShapeRecord shape = Shape("X", c.width, c.height, {{1, 1}});
        EXPECT_EQ(ShapePreview::CellSize(shape, c.areaWidth, c.areaHeight), 0) << c.name;
        if (c.areaWidth > 0) {
            EXPECT_TRUE(OnlyBackground(Draw(shape, c.areaWidth, c.areaHeight))) << c.name;
        }
    }
}

TEST(ShapePreview, SidesBeyondTheGridAreClampedToFifty)
{
    TShapeRecord shape = Shape("Big", 400, 32767);
    shape.ShapeCells.fill(1);
    EXPECT_EQ(ShapePreview::CellSize(shape, 240, 240), 4);
    const QImage image = Draw(shape, 240, 240);
    EXPECT_EQ(image.pixelColor(200, 200), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(198, 198), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(202, 202), Background);
    EXPECT_EQ(image.pixelColor(201, 100), Background);
}
