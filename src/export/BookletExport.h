#pragma once
// A booklet as one PDF file, written page by page as the pages are fitted.

#include "render/Booklet.h"
#include "store/IoResult.h"

#include <QString>

namespace BookletExport {

/**
 * Writes every page of the booklet into one PDF at path. The pages stream into a new file beside
 * the target as they are drawn, and the file replaces the target only when the run finished: an
 * abort or a failure leaves the target as it was. result receives the run's pages and warnings.
 */
IoResult writePdf(TBooklet& booklet, const QString& path, TBookletResult& result,
                  const TBooklet::Progress& progress = {});

} // namespace BookletExport
