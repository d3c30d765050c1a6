#pragma once
// Shapes written as text pictures, the readable form of the starter shape library.

#include "shapes/ShapeRecord.h"

#include <QByteArray>
#include <QString>

namespace ShapePicture {

/**
 * Reads a shape from its text picture: the first line is the title (spaces trimmed, 1..50
 * characters, UTF-8 or Windows-1252), every further line one row of the shape, '#' for a shape
 * cell and '.' for none. All rows are equally long; width and height lie in 5..30. Blank lines
 * before the first row and after the last are ignored, as are trailing spaces and carriage
 * returns. On failure returns false with a one-line reason in error.
 */
bool Parse(const QByteArray& text, TShapeRecord& shape, QString& error);

/** The text picture of a shape (title line and rows), the inverse of Parse for a valid shape. */
QByteArray Write(const TShapeRecord& shape);

} // namespace ShapePicture
