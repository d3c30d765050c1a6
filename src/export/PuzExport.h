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
 * before down at the same number, and the category as the notes. Text stays Windows-1252, the
 * format's code page. Returns an empty string and fills bytes, or the refusal to show
 * (caption "Error") when the format cannot hold the puzzle: a letter that is not a printable
 * Windows-1252 character or is the format's black-square mark ".", or words that do not match the
 * runs of letters that Across Lite numbers from the grid.
 */
QString fileBytes(const TPuzzleRecord& puzzle, const TRenderOptions& options, QByteArray& bytes);

/** Creates or replaces the file whole; a refusal comes back as Refused with its text and writes nothing. */
IoResult write(const TPuzzleRecord& puzzle, const TRenderOptions& options, const QString& path);

/** The format's running checksum over a block of bytes, starting from a previous value. */
quint16 checksum(QByteArrayView bytes, quint16 start);

} // namespace PuzExport
