#pragma once
// The page as a vector file: PDF with selectable text, and SVG.

#include "render/PageRenderer.h"
#include "store/IoResult.h"

#include <QString>

namespace VectorExport {

/** Resolution of the PDF's device grid (lines and borders are one dot of it). */
constexpr int PdfDotsPerInch = 600;
/** SVG user units per inch (CSS pixels). */
constexpr int SvgUnitsPerInch = 96;

/** The PDF bytes of the page: one page of the layout's paper, text kept as text. */
QByteArray encodePdf(const TPuzzleRecord& puzzle, const TPageLayout& layout, const TRenderOptions& options,
                     TFittedPage* fitted = nullptr);
/** The SVG bytes of the page on a white background, 96 units to the inch. */
QByteArray encodeSvg(const TPuzzleRecord& puzzle, const TPageLayout& layout, const TRenderOptions& options,
                     TFittedPage* fitted = nullptr);

/** The PDF and SVG of an already fitted page: the same texts, rows and sizes as every other output. */
QByteArray encodePdf(const TFittedPage& page);
QByteArray encodeSvg(const TFittedPage& page);
IoResult writePdf(const TFittedPage& page, const QString& path);
IoResult writeSvg(const TFittedPage& page, const QString& path);

/** Writes the file through a temporary file beside it, so a failure leaves no partial file. */
IoResult writePdf(const TPuzzleRecord& puzzle, const TPageLayout& layout, const TRenderOptions& options,
                  const QString& path, TFittedPage* fitted = nullptr);
IoResult writeSvg(const TPuzzleRecord& puzzle, const TPageLayout& layout, const TRenderOptions& options,
                  const QString& path, TFittedPage* fitted = nullptr);

} // namespace VectorExport
