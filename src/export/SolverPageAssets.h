#pragma once
// The fixed parts of the web puzzle page, kept as files of their own (style sheet, body, script)
// and built into the program as resources.

#include <QByteArray>

namespace SolverPageAssets {

/** The style sheet: sizes that fit a phone, dark colours from the system setting, the print style. */
QByteArray style();
/** The body's elements before the puzzle data: title, tool buttons, grid and its input, clue lists. */
QByteArray body();
/**
 * The script that plays the puzzle: it reads the puzzle data, draws grid and clues, takes letters
 * from a hidden input (keys, phone keyboards, input methods) or its own keyboard on touch screens,
 * and keeps the progress in the browser. Its texts come in every spelling language; the page's
 * lang attribute chooses them.
 */
QByteArray script();

} // namespace SolverPageAssets
