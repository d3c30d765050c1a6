#pragma once
// The page as a Windows metafile (WMF) or enhanced metafile (EMF).

#include "export/MetafileCanvas.h"
#include "render/PageRenderer.h"
#include "store/IoResult.h"

#include <QByteArray>
#include <QString>

namespace MetafileExport {

/** The warning shown before a metafile export of a layout holding pictures (caption "Warning"). */
inline const QString BitmapWarning = QStringLiteral("Bitmaps in this puzzle will not be saved in the metafile.");

/** True when the layout holds a Bitmap object: its pictures are left out of metafiles. */
bool hasBitmaps(const TPageLayout& layout);

/**
 * Replays a fitted page onto a metafile canvas: the page filled white, then every object but
 * pictures from the fitted result, nothing measured again: the same texts in the same rows at the
 * same sizes as every other output. Placement differs from the printed page: text is placed by
 * the top-left corner of its text cell in whole units, and borders grow outwards one unit per pass.
 */
void drawMetafilePage(const TFittedPage& page, TMetafileCanvas& canvas);

/** The metafile bytes of an already fitted page (the preview's last drawing run); empty on failure. */
QByteArray encodeMetafile(const TFittedPage& page, MetafileKind kind);

/** Fits the puzzle's page (FitPage) and returns the metafile bytes; fitted receives the fitted page when given. */
QByteArray encodeMetafile(const TPuzzleRecord& puzzle, const TRenderOptions& options, MetafileKind kind,
                          TFittedPage* fitted = nullptr);

/** Writes the metafile of a fitted page through a file beside the target renamed into place. */
IoResult writeMetafile(const TFittedPage& page, MetafileKind kind, const QString& path);

/** Measures and writes the puzzle's page as EMF or WMF; the file appears whole or not at all. */
IoResult writeEmf(const TPuzzleRecord& puzzle, const TRenderOptions& options, const QString& path);
IoResult writeWmf(const TPuzzleRecord& puzzle, const TRenderOptions& options, const QString& path);

} // namespace MetafileExport

/**
 * The metafile export for callers without a preview (the command line): measures the page of the
 * puzzle's own layout and writes it as EMF or WMF. hadBitmaps, when given, says whether the layout
 * held pictures that were left out (the caller shows MetafileExport::BitmapWarning).
 */
IoResult exportMetafile(const TPuzzleRecord& puzzle, const TRenderOptions& options, MetafileKind kind,
                        const QString& path, bool* hadBitmaps = nullptr);
