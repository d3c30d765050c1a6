#pragma once
// The picture of a puzzle grid shared by the created puzzle view, its enlarged view and manual word
// addition: white cells with black lines, black squares, letters in Arial.

#include "store/PuzzleRecord.h"

#include <QColor>
#include <QPoint>
#include <QSize>
#include <vector>

class QPainter;
class QPaintDevice;

namespace GridPicture {

/** Colour of an empty cell that must stay empty in manual word addition (RGB 0, 128, 128). */
inline const QColor ProtectedColor{0, 128, 128};

/** Columns of a record that a reader may visit: GridWidth clamped to 0..50. */
int Columns(const TPuzzleRecord& record);
/** Rows of a record that a reader may visit: GridHeight clamped to 0..50. */
int Rows(const TPuzzleRecord& record);

/**
 * Side of one cell for a grid of columns x rows drawn into a picture of the given size:
 * min(width div columns - 1, height div rows - 1); 0 when the grid has no size or does not fit.
 */
int CellSize(QSize picture, int columns, int rows);

/**
 * Point size of the letters for cells of side cellSize: the first of 20, 19, ..., 5 at which the
 * height of "W" in Arial on device is less than cellSize; 4 when none is.
 */
int LetterPointSize(int cellSize, const QPaintDevice* device);

/**
 * The cell under a point of the picture as a LinearCell, or -1: column x div s + 1 and row
 * y div s + 1, so a point on a line belongs to the cell right of or below it. Points left of or
 * above the picture, and columns or rows past the grid, give -1.
 */
int CellAt(QPoint point, int cellSize, int columns, int rows);

/**
 * The empty lined grid of the shape and puzzle pictures: columns x rows cells of side s filled
 * white from the top-left corner, with one-pixel black lines at every multiple of s.
 */
void DrawLinedGrid(QPainter& painter, int columns, int rows, int s);

} // namespace GridPicture

/**
 * Draws the grid of record into the area (0, 0, size) of painter: the area in background, the
 * GridWidth x GridHeight cells white with black lines, cells outside the shape in background,
 * empty shape cells black (teal when listed in protectedCells) and letters centred in black.
 * Sides are clamped to the 50 x 50 grid; a grid that does not fit leaves only the background.
 */
void DrawPuzzleGrid(QPainter& painter, QSize size, const TPuzzleRecord& record, const QColor& background,
                    const std::vector<int>& protectedCells = {});
