#include "shapes/ShapeRecord.h"

#include "store/ByteIO.h"

#include <algorithm>

TShapeRecord TShapeRecord::fromBytes(const char* data, std::size_t size)
{
    ByteReader in(data, size);
    TShapeRecord r;
    r.ShapeTitle = in.string<Limits::ShapeTitleLength>();
    r.ShapeWidth = in.i16();
    r.ShapeHeight = in.i16();
    r.ShapeCells = in.bytes<Limits::GridCells>();
    return r;
}

QByteArray TShapeRecord::toBytes() const
{
    ByteWriter out;
    out.string(ShapeTitle);
    out.i16(ShapeWidth);
    out.i16(ShapeHeight);
    out.bytes(ShapeCells);
    Q_ASSERT(std::size_t(out.size()) == Limits::ShapeRecordSize);
    return out.data();
}

int TShapeRecord::columns() const
{
    return std::clamp<int>(ShapeWidth, 0, Limits::GridSide);
}

int TShapeRecord::rows() const
{
    return std::clamp<int>(ShapeHeight, 0, Limits::GridSide);
}

bool TShapeRecord::hasValidSize() const
{
    const auto inRange = [](int side) { return side >= Limits::MinShapeSide && side <= Limits::MaxShapeSide; };
    return inRange(ShapeWidth) && inRange(ShapeHeight);
}
