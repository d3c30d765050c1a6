#pragma once
// The Across Lite reader: the binary .puz file of versions 1.2 to 2.0 as its published description
// lays it out, with every checksum of the header verified.

#include "store/ImportedPuzzle.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace PuzImport {

/**
 * Reads a .puz file (its header at offset 0, or later after a preamble): the solution grid ("."
 * a block), title, the clues assigned to the grid's runs in the format's order (by number, across
 * before down at one number) and no publisher, which the format lacks. Texts are UTF-8 in version
 * 2.0 and Windows-1252 before it (ISO-8859-1 as declared, with the letters real files put at
 * 0x80..0x9F). Returns the refusal, or an empty string: a version outside 1.2..2.0, a scrambled
 * (locked) solution, a diagramless puzzle, a rebus square, a grid over 50 x 50, a checksum that
 * does not hold (the CIB, the overall and the four masked ones), a file cut short, or a clue count
 * that differs from the grid's words.
 */
QString Read(const QByteArray& bytes, TImportedPuzzle& puzzle);

} // namespace PuzImport
