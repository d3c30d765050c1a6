#pragma once
// Shape export files (".LAY"): "LAY", the version "1.0" and one 2555-byte shape record.

#include "shapes/ShapeRecord.h"
#include "store/IoResult.h"

#include <QString>

/** Writing and reading the single-shape exchange file. The texts to show are in ShapeMessages. */
namespace ShapeExport {

/** Signature of a shape export file. */
inline constexpr const char* Signature = "LAY";

/**
 * Writes "LAY", "1.0" and the shape's 2555 bytes, replacing any file whole. Any failure means
 * "Shape could not be exported." (ShapeMessages::ExportFailed); success "Puzzle Shape Exported!".
 */
IoResult ExportShape(const QString& path, const TShapeRecord& shape);

/**
 * Reads the shape of an export file. OpenFailed: ShapeMessages::ImportOpenFailed. Corrupt
 * (ShapeMessages::ImportCorrupt) when the file does not start with exactly "LAY", has fewer than 3
 * version bytes or fewer than 2555 record bytes, or when the record's width or height lies outside
 * 5..30, which no saved shape has and which no window could show. The version bytes are not
 * compared and bytes after the record are ignored. shape is changed only on success.
 */
IoResult ImportShape(const QString& path, TShapeRecord& shape);

} // namespace ShapeExport
