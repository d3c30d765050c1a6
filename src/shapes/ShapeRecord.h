#pragma once

#include "store/AnsiString.h"
#include "store/Limits.h"
#include "store/PuzzleRecord.h"

#include <QByteArray>
#include <cstdint>

/**
 * One puzzle shape: the outline of usable cells. A nonzero cell byte belongs to the shape.
 * ShapeCells is laid out like a puzzle grid (LinearCell p is element p - 1).
 */
struct TShapeRecord {
    AnsiString<Limits::ShapeTitleLength> ShapeTitle;
    std::int16_t ShapeWidth = 0;
    std::int16_t ShapeHeight = 0;
    GridCells ShapeCells{};

    /** Reads a record from its 2555 stored bytes; a shorter block reads as zeros past its end. */
    static TShapeRecord fromBytes(const char* data, std::size_t size);
    static TShapeRecord fromBytes(const QByteArray& bytes) { return fromBytes(bytes.constData(), std::size_t(bytes.size())); }
    /** The 2555 stored bytes. */
    QByteArray toBytes() const;

    /** ShapeWidth clamped to 0..50: the columns a reader may visit without leaving the grid. */
    int columns() const;
    /** ShapeHeight clamped to 0..50: the rows a reader may visit without leaving the grid. */
    int rows() const;
    /** Whether both sides lie in 5..30, the sizes the shape editor saves and an import accepts. */
    bool hasValidSize() const;

    bool operator==(const TShapeRecord&) const = default;
};
