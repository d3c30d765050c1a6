#pragma once
// The cell operations of the shape editor: toggle, fill, shift and reverse.

#include "shapes/ShapeRecord.h"

namespace ShapeEditing {

/** Side in pixels of the shape editor's square drawing area. */
constexpr int DrawingSide = 401;

/** Title of a shape started from nothing. */
inline constexpr const char* NewShapeTitle = "New Layout";

/** A new shape: "New Layout", 30 x 30, every one of the 2500 cells a shape cell. */
TShapeRecord NewShape();

/**
 * Side of one cell in the drawing area: min(side div ShapeWidth - 1, side div ShapeHeight - 1),
 * with the sides clamped to 0..50; 0 when the shape has no size.
 */
int CellSize(const TShapeRecord& shape, int side = DrawingSide);

/** Flips cell (row, column) by XOR 1 (0 and 1 swap, other bytes keep their high bits); a cell outside the shape's width and height is left alone. */
void Toggle(TShapeRecord& shape, int row, int column);

/**
 * Flips the region of (row, column) by XOR 1: every cell reachable from it through left, right, up
 * and down steps over cells holding the same byte inside the width and height. Filling
 * an empty cell inside a closed outline fills the whole enclosure. Returns the number of cells
 * flipped (0 for a cell outside the width and height).
 */
int Fill(TShapeRecord& shape, int row, int column);

/** The four directions of the shift buttons. */
enum class Direction { Left, Up, Down, Right };

/** Moves the cells inside the width and height one place; the row or column left behind becomes 0. */
void Shift(TShapeRecord& shape, Direction direction);

/** Flips all 2500 cells by XOR 1, those outside the width and height included. */
void Reverse(TShapeRecord& shape);

} // namespace ShapeEditing
