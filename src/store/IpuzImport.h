#pragma once
// The iPUZ reader: crosswords of the open JSON puzzle format, versions 1 and 2.

#include "store/ImportedPuzzle.h"

#include <QByteArray>
#include <QString>

namespace IpuzImport {

/**
 * Reads an iPUZ crossword, plain JSON or wrapped as "ipuz(...)": dimensions, the puzzle grid
 * (cells as numbers, strings or objects with "cell"; the block mark, "#" unless "block" names
 * another, and null are not letter squares), the solution (strings or objects with "value"), the
 * across and down clues ([number, text], or objects with "number", "clue" and perhaps "cells"),
 * title and publisher. Texts are HTML to iPUZ: tags are dropped and entities decoded. A clue
 * without cells takes the word that starts at the square carrying its number and runs to the
 * next block; every run of the grid must have exactly one clue. Returns the refusal, or an empty
 * string: not valid JSON, not a crossword, a diagramless crossword, a version other than 1 or 2,
 * a grid over 50 x 50, more clues than a puzzle holds words, no solution, or clues that do not
 * match the grid. A square of several letters (a rebus) is read as it is; the conversion refuses it.
 */
QString Read(const QByteArray& bytes, TImportedPuzzle& puzzle);

/** Text of an iPUZ field as plain text: tags dropped (a line break as a space), entities decoded. */
QString PlainText(const QString& html);

} // namespace IpuzImport
