#pragma once
// The iPUZ export: the open JSON crossword format that solving apps read.

#include "export/SolvingPuzzle.h"
#include "render/PageRenderer.h"
#include "store/IoResult.h"
#include "store/PuzzleRecord.h"

#include <QByteArray>
#include <QString>

namespace IpuzExport {

/**
 * The iPUZ document (kind "http://ipuz.org/crossword#1", UTF-8 JSON): dimensions, the puzzle grid
 * with clue numbers, blocks ("#") and omitted cells (null) for cells outside the shape, the
 * solution with separator characters kept, the across and down clues with their numbers (and their
 * "enumeration" when word lengths are asked for), the title and the category as notes. Texts are
 * HTML to iPUZ readers, so "<", ">" and "&" are written as entities. Separators the options enable
 * are given as the cells' initial values. When a word lies inside another running the same way,
 * every clue is an object carrying its squares ("cells", [column, row] from [1, 1]).
 */
QByteArray documentBytes(const TPuzzleRecord& puzzle, const TRenderOptions& options, const TSolvingOptions& solving = {});

/**
 * The warning to show after the export of a puzzle with a word inside another running the same way
 * (naming the first such word, its place and the outer word), or an empty string.
 */
QString nestedWarning(const TPuzzleRecord& puzzle, const TRenderOptions& options);

/** Why the puzzle cannot be written (a square holding a control character), or empty. */
QString refusal(const TPuzzleRecord& puzzle, const TRenderOptions& options);

/** Creates or replaces the file whole, unless refused. */
IoResult write(const TPuzzleRecord& puzzle, const TRenderOptions& options, const TSolvingOptions& solving,
               const QString& path);

} // namespace IpuzExport
