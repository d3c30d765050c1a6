#include "shapes/ShapeEditing.h"

#include "store/GridModel.h"

#include <algorithm>
#include <vector>

namespace ShapeEditing {

namespace {

bool Inside(const TShapeRecord& shape, int row, int column)
{
    return row >= 1 && column >= 1 && row <= shape.rows() && column <= shape.columns();
}

std::uint8_t& At(TShapeRecord& shape, int row, int column)
{
    return GridModel::Cell(shape.ShapeCells, GridModel::LinearCell(row, column));
}

} // namespace

TShapeRecord NewShape()
{
    TShapeRecord shape;
    shape.ShapeTitle.setText(NewShapeTitle);
    shape.ShapeWidth = Limits::MaxShapeSide;
    shape.ShapeHeight = Limits::MaxShapeSide;
    shape.ShapeCells.fill(1);
    return shape;
}

int CellSize(const TShapeRecord& shape, int side)
{
    const int columns = shape.columns();
    const int rows = shape.rows();
    if (columns == 0 || rows == 0)
        return 0;
    return std::max(0, std::min(side / columns - 1, side / rows - 1));
}

void Toggle(TShapeRecord& shape, int row, int column)
{
    if (!Inside(shape, row, column))
        return;
    At(shape, row, column) ^= 1;
}

int Fill(TShapeRecord& shape, int row, int column)
{
    if (!Inside(shape, row, column))
        return 0;
    const std::uint8_t value = At(shape, row, column);
    std::vector<bool> marked(std::size_t(Limits::GridCells) + 1, false);
    std::vector<int> pending{GridModel::LinearCell(row, column)};
    marked[std::size_t(pending.front())] = true;
    std::vector<int> region;
    while (!pending.empty()) {
        const int p = pending.back();
        pending.pop_back();
        region.push_back(p);
        const int r = GridModel::RowOf(p);
        const int c = GridModel::ColumnOf(p);
        const int next[4][2] = {{r, c - 1}, {r, c + 1}, {r - 1, c}, {r + 1, c}};
        for (const auto& [nr, nc] : next) {
            if (!Inside(shape, nr, nc) || At(shape, nr, nc) != value)
                continue;
            const int q = GridModel::LinearCell(nr, nc);
            if (!marked[std::size_t(q)]) {
                marked[std::size_t(q)] = true;
                pending.push_back(q);
            }
        }
    }
    for (int p : region)
        GridModel::Cell(shape.ShapeCells, p) ^= 1;
    return int(region.size());
}

void Shift(TShapeRecord& shape, Direction direction)
{
    const int columns = shape.columns();
    const int rows = shape.rows();
    if (columns == 0 || rows == 0)
        return;
    switch (direction) {
    case Direction::Left:
        for (int r = 1; r <= rows; ++r) {
            for (int c = 2; c <= columns; ++c)
                At(shape, r, c - 1) = At(shape, r, c);
            At(shape, r, columns) = 0;
        }
        break;
    case Direction::Right:
        for (int r = 1; r <= rows; ++r) {
            for (int c = columns; c >= 2; --c)
                At(shape, r, c) = At(shape, r, c - 1);
            At(shape, r, 1) = 0;
        }
        break;
    case Direction::Up:
        for (int c = 1; c <= columns; ++c) {
            for (int r = 2; r <= rows; ++r)
                At(shape, r - 1, c) = At(shape, r, c);
            At(shape, rows, c) = 0;
        }
        break;
    case Direction::Down:
        for (int c = 1; c <= columns; ++c) {
            for (int r = rows; r >= 2; --r)
                At(shape, r, c) = At(shape, r - 1, c);
            At(shape, 1, c) = 0;
        }
        break;
    }
}

void Reverse(TShapeRecord& shape)
{
    for (std::uint8_t& cell : shape.ShapeCells)
        cell ^= 1;
}

} // namespace ShapeEditing
