#pragma once
// The fixed parts of the web puzzle page: its style sheet, its body and its script.

namespace SolverPageAssets {

/** The style sheet, with the print style that leaves the buttons and highlights off paper. */
extern const char Style[];
/** The body's elements before the puzzle data: title, buttons, grid, clue lists. */
extern const char Body[];
/**
 * The script: reads the puzzle data, draws grid and clues and handles the keyboard. A page opened
 * with "#keys=" and a URL-encoded JSON list of key names (or "#" and a button id to press) plays
 * those keys on load, which is how a headless browser solves it in the tests.
 */
extern const char Script[];

} // namespace SolverPageAssets
