#pragma once
// The grid model shared by shapes, puzzles and every view of them: 50 x 50 cells, row by row.

#include "store/PuzzleRecord.h"

namespace GridModel {

/** Linear cell number p = (row - 1) x 50 + column, 1..2500, for row and column counted from 1. */
constexpr int LinearCell(int row, int column) { return (row - 1) * Limits::GridSide + column; }
/** Row (1..50) of linear cell p. */
constexpr int RowOf(int p) { return (p - 1) / Limits::GridSide + 1; }
/** Column (1..50) of linear cell p. */
constexpr int ColumnOf(int p) { return (p - 1) % Limits::GridSide + 1; }

constexpr bool HasLeft(int p) { return p % Limits::GridSide != 1; }
constexpr bool HasRight(int p) { return p % Limits::GridSide != 0; }
constexpr bool HasAbove(int p) { return p > Limits::GridSide; }
constexpr bool HasBelow(int p) { return p <= Limits::GridCells - Limits::GridSide; }

/** The byte of linear cell p (1..2500). */
inline std::uint8_t& Cell(GridCells& cells, int p) { return cells[std::size_t(p - 1)]; }
inline std::uint8_t Cell(const GridCells& cells, int p) { return cells[std::size_t(p - 1)]; }

/**
 * The greatest number of consecutive nonzero cells in any row 1..height or column 1..width.
 * Width and height are clamped to 0..50 so a damaged record cannot read outside the grid.
 */
int LongestRun(const GridCells& cells, int width, int height);

} // namespace GridModel
