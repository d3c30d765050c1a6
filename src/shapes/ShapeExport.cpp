#include "shapes/ShapeExport.h"

#include "store/ExportFile.h"

namespace ShapeExport {

IoResult ExportShape(const QString& path, const TShapeRecord& shape)
{
    return ExportFile::write(path, QByteArray(Signature), shape.toBytes());
}

IoResult ImportShape(const QString& path, TShapeRecord& shape)
{
    QByteArray record;
    const IoResult result = ExportFile::read(path, QByteArray(Signature), qint64(Limits::ShapeRecordSize), record);
    if (!result)
        return result;
    const TShapeRecord imported = TShapeRecord::fromBytes(record);
    if (!imported.hasValidSize())
        return IoResult::failed(IoResult::Corrupt);
    shape = imported;
    return IoResult::ok();
}

} // namespace ShapeExport
