#pragma once
// The iPUZ export: the open JSON crossword format that solving apps read.

#include "render/PageRenderer.h"
#include "store/IoResult.h"
#include "store/PuzzleRecord.h"

#include <QByteArray>
#include <QString>

namespace IpuzExport {

/**
 * The iPUZ document (kind "http://ipuz.org/crossword#1", UTF-8 JSON): dimensions, the puzzle grid
 * with clue numbers, blocks ("#") and omitted cells (null) for cells outside the shape, the
 * solution with separator characters kept, the across and down clues with their numbers, the title
 * and the category as notes. Separators the options enable are given as the cells' initial values.
 */
QByteArray documentBytes(const TPuzzleRecord& puzzle, const TRenderOptions& options);

/** Creates or replaces the file whole. */
IoResult write(const TPuzzleRecord& puzzle, const TRenderOptions& options, const QString& path);

} // namespace IpuzExport
