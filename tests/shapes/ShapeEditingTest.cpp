#include "store/GridModel.h"
#include "shapes/ShapeEditing.h"
#include "shapes/ShapeTestSupport.h"

#include <gtest/gtest.h>

using GridModel::LinearCell;

namespace {

std::uint8_t At(const TShapeRecord& shape, int row, int column)
{
    return shape.ShapeCells[std::size_t(LinearCell(row, column) - 1)];
}

TEST(ShapeEditingTest, CellSizeFollowsTheLargerSide)
{
    const struct {
        int width;
        int height;
        int size;
    } cases[] = {{30, 30, 12}, {5, 5, 79}, {5, 30, 12}, {20, 6, 19}, {0, 10, 0}, {50, 50, 7}};
    for (const auto& c : cases)
        EXPECT_EQ(ShapeEditing::CellSize(ShapeTest::Shape("s", qint16(c.width), qint16(c.height))), c.size)
            << c.width << "x" << c.height;
}

TEST(ShapeEditingTest, ToggleFillAndReverseFlipTheLowBitSoOtherBytesSurvive)
{
    TShapeRecord shape = ShapeTest::Shape("s", 5, 5);
    shape.ShapeCells[0] = 1;
    shape.ShapeCells[1] = 2;
    shape.ShapeCells[2499] = 255; // outside the 5 x 5 area
    ShapeEditing::Reverse(shape);
    EXPECT_EQ(shape.ShapeCells[0], 0);
    EXPECT_EQ(shape.ShapeCells[1], 3);
    EXPECT_EQ(shape.ShapeCells[2], 1);
    EXPECT_EQ(shape.ShapeCells[2499], 254);
    EXPECT_EQ(shape.ShapeCells[2498], 1);

    // A region is the cells holding the very byte clicked; flipping it twice gives the file's bytes back.
    TShapeRecord odd = ShapeTest::Shape("s", 3, 1);
    odd.ShapeCells[0] = 2;
    odd.ShapeCells[1] = 2;
    odd.ShapeCells[2] = 1;
    const TShapeRecord original = odd;
    EXPECT_EQ(ShapeEditing::Fill(odd, 1, 1), 2);
    EXPECT_EQ(odd.ShapeCells[0], 3);
    EXPECT_EQ(odd.ShapeCells[2], 1);
    ShapeEditing::Toggle(odd, 1, 3);
    EXPECT_EQ(odd.ShapeCells[2], 0);
    ShapeEditing::Toggle(odd, 1, 3);
    EXPECT_EQ(ShapeEditing::Fill(odd, 1, 2), 2);
    EXPECT_EQ(odd, original);
}

TEST(ShapeEditingTest, FillStaysInsideItsRegionAndTheVisibleArea)
{
    // Column 3 walls off the left part; cells past the width are not part of any region.
    TShapeRecord shape = ShapeTest::Shape("s", 5, 5, {{1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}});
    EXPECT_EQ(ShapeEditing::Fill(shape, 2, 1), 10);
    for (int r = 1; r <= 5; ++r) {
        EXPECT_EQ(At(shape, r, 1), 1);
        EXPECT_EQ(At(shape, r, 4), 0);
    }
    EXPECT_EQ(At(shape, 1, 6), 0);
    EXPECT_EQ(At(shape, 6, 1), 0);

    const TShapeRecord before = shape;
    EXPECT_EQ(ShapeEditing::Fill(shape, 6, 1), 0);
    EXPECT_EQ(ShapeEditing::Fill(shape, 1, 0), 0);
    ShapeEditing::Toggle(shape, 1, 6);
    EXPECT_EQ(shape, before);
}

} // namespace
