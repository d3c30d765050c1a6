#pragma once
// The Across Lite export: the binary .puz file (version 1.3) that most crossword solving apps open.

#include "render/PageRenderer.h"
#include "store/IoResult.h"
#include "store/PuzzleRecord.h"

#include <QByteArray>
#include <QString>

namespace PuzExport {

/**
 * Builds the file: header with its checksums, solution and blank grids (cells outside the shape
 * and blocks both black), title, empty author and copyright, the clues by number with across
 * before down at the same number, and the category as the notes. Text is ISO-8859-1, the format's
 * character set: the Windows-1252 characters beyond it (0x80..0x9F) are spelt plainly in the texts
 * (Œ as OE, curly quotes as straight ones). Returns an empty string and fills bytes, or the refusal
 * to show (caption "Error") when the format cannot hold the puzzle: a letter that is not a printable
 * ISO-8859-1 character (Œ, Š, Ž, Ÿ, œ, š, ž, named with their word) or is the format's black-square
 * mark ".", a dash shown from the start (the format's empty-square mark "-"), a word inside another
 * running the same way (named with its place and the outer word), or words that do not match the
 * runs of letters that Across Lite numbers from the grid.
 */
QString fileBytes(const TPuzzleRecord& puzzle, const TRenderOptions& options, QByteArray& bytes);

/** Creates or replaces the file whole; a refusal comes back as Refused with its text and writes nothing. */
IoResult write(const TPuzzleRecord& puzzle, const TRenderOptions& options, const QString& path);

/** The format's running checksum over a block of bytes, starting from a previous value. */
quint16 checksum(QByteArrayView bytes, quint16 start);

} // namespace PuzExport
