#pragma once
// The shape preview of the shape list hosts: the grid of the shape with its cells filled black.

#include "shapes/ShapeRecord.h"

#include <QColor>

class QPainter;

namespace ShapePreview {

/** Side of one preview cell for an area of width x height pixels: 0 when the shape has no size. */
int CellSize(const TShapeRecord& shape, int width, int height);

/**
 * DrawTheBox: draws shape into the area (0, 0, width, height) of painter. The area is filled with
 * background; with cell size s the ShapeWidth x s by ShapeHeight x s rectangle at the top left is
 * white, black lines run at every multiple of s across and down it, and every shape cell is filled
 * black inside its lines. Sides are clamped to the 50 x 50 grid; a shape without a size, or too big
 * for one pixel a cell, leaves only the background.
 */
void DrawTheBox(QPainter& painter, int width, int height, const TShapeRecord& shape, const QColor& background);

} // namespace ShapePreview
