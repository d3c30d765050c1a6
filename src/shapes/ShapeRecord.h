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

    bool operator==(const TShapeRecord&) const = default;
};
