#include "store/GridModel.h"
#include "puzzle/GridPicture.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using GridModel::LinearCell;

namespace {

TEST(GridPictureTest, CellSizeLeavesAPixelPerCellAndPointsMapToTheCellBelowRight)
{
    EXPECT_EQ(GridPicture::CellSize({411, 411}, 5, 5), 81);
    EXPECT_EQ(GridPicture::CellSize({411, 411}, 30, 15), 12);
    EXPECT_EQ(GridPicture::CellSize({191, 191}, 15, 15), 11);
    EXPECT_EQ(GridPicture::CellSize({191, 191}, 0, 15), 0);

    const int s = 12;
    const struct {
        QPoint point;
        int cell;
    } cases[] = {{{0, 0}, LinearCell(1, 1)},   {{11, 11}, LinearCell(1, 1)}, {{12, 5}, LinearCell(1, 2)},
                 {{36, 24}, LinearCell(3, 4)}, {{59, 5}, LinearCell(1, 5)},  {{60, 5}, -1},
                 {{5, 48}, -1},                {{-1, 5}, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(GridPicture::CellAt(c.point, s, 5, 4), c.cell) << c.point.x() << "," << c.point.y();
}

TEST(GridPictureTest, LetterSizeShrinksWithTheCell)
{
    QImage device(10, 10, QImage::Format_RGB32);
    EXPECT_EQ(GridPicture::LetterPointSize(200, &device), 20);
    EXPECT_EQ(GridPicture::LetterPointSize(3, &device), 4);
    int previous = 20;
    for (int s = 40; s >= 3; --s) {
        const int points = GridPicture::LetterPointSize(s, &device);
        EXPECT_LE(points, previous);
        previous = points;
    }
}

TEST(GridPictureTest, DrawsCellsByTheirCodes)
{
    TPuzzleRecord p;
    p.GridWidth = 3;
    p.GridHeight = 2;
    p.Grid.fill(0);
    p.Grid[LinearCell(1, 1) - 1] = 'W';
    p.Grid[LinearCell(1, 2) - 1] = ' ';
    p.Grid[LinearCell(1, 3) - 1] = ' ';
    p.Grid[LinearCell(2, 3) - 1] = ' ';
    const QColor background(200, 190, 180);
    QImage image(191, 191, QImage::Format_RGB32);
    QPainter painter(&image);
    DrawPuzzleGrid(painter, image.size(), p, background, {LinearCell(1, 3), 0, 9999});
    painter.end();

    const int s = 62; // min(191 div 3, 191 div 2) - 1
    const auto centre = [s](int r, int c) { return QPoint((c - 1) * s + s / 2, (r - 1) * s + s / 2); };
    EXPECT_EQ(image.pixelColor(centre(1, 2)), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(centre(1, 3)), GridPicture::ProtectedColor);
    EXPECT_EQ(image.pixelColor(centre(2, 3)), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(centre(2, 1)), background);
    EXPECT_EQ(image.pixelColor(s, 5), QColor(Qt::black));      // line between columns 1 and 2
    EXPECT_EQ(image.pixelColor(3 * s + 2, 5), background);      // right of the grid
    EXPECT_EQ(image.pixelColor(5, 2 * s), QColor(Qt::black));  // bottom line

    // The letter cell is white with some black of the W near its middle, none touching its corners.
    int dark = 0;
    for (int y = 1; y < s; ++y)
        for (int x = 1; x < s; ++x)
            dark += image.pixelColor(x, y).lightness() < 128 ? 1 : 0;
    EXPECT_GT(dark, 20);
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(s - 2, s - 2), QColor(Qt::white));
}

TEST(GridPictureTest, ADamagedSizeDrawsOnlyTheBackground)
{
    TPuzzleRecord p;
    p.GridWidth = -3;
    p.GridHeight = 900;
    QImage image(100, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    DrawPuzzleGrid(painter, image.size(), p, Qt::gray, {});
    painter.end();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::gray));
    EXPECT_EQ(image.pixelColor(99, 99), QColor(Qt::gray));
}

} // namespace
