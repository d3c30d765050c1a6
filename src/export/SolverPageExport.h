#pragma once
// The web puzzle: one self-contained HTML page on which a person solves the puzzle in a browser.

#include "render/PageRenderer.h"
#include "store/IoResult.h"
#include "store/PuzzleRecord.h"

#include <QByteArray>
#include <QString>

namespace SolverPageExport {

/**
 * The page (UTF-8, no network, no external file): the grid with its clue numbers, the across and
 * down clues under the run's headings, typing with the keyboard, arrows, Tab and Shift+Tab,
 * Enter or Space to turn, the current word and clue highlighted, checking and revealing a
 * letter, a word or the whole grid, a notice once every letter is right, and a print style.
 * Separators the options enable are shown from the start, as on the printed blank puzzle.
 */
QByteArray pageBytes(const TPuzzleRecord& puzzle, const TRenderOptions& options);

/** Creates or replaces the file whole. */
IoResult write(const TPuzzleRecord& puzzle, const TRenderOptions& options, const QString& path);

} // namespace SolverPageExport
