#pragma once
// The web puzzle: one self-contained HTML page on which a person solves the puzzle in a browser.

#include "export/SolvingPuzzle.h"
#include "render/PageRenderer.h"
#include "store/IoResult.h"
#include "store/PuzzleRecord.h"

#include <QByteArray>
#include <QString>

namespace SolverPageExport {

/**
 * The page (UTF-8, no network, no external file): the grid with its clue numbers, the across and
 * down clues under the run's headings (with the word lengths when asked), letters typed on any
 * keyboard, a phone's included, arrows, Tab and Shift+Tab from clue to clue, Enter or Space to
 * turn; checking, revealing and clearing a letter, a word or the whole grid; the progress (and the
 * optional timer) kept in the browser for this puzzle; a notice once every letter is right; dark
 * colours and a print style. Separators the options enable are shown from the start, as on the
 * printed blank puzzle.
 */
QByteArray pageBytes(const TPuzzleRecord& puzzle, const TRenderOptions& options, const TSolvingOptions& solving = {});

/** Creates or replaces the file whole. */
IoResult write(const TPuzzleRecord& puzzle, const TRenderOptions& options, const TSolvingOptions& solving,
               const QString& path);

} // namespace SolverPageExport
