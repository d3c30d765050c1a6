#pragma once
// The clue and word text export of the preview: an "ACROSS" block and a "DOWN" block.

#include "store/IoResult.h"
#include "store/PuzzleRecord.h"

#include <QByteArray>
#include <QString>

namespace TextExport {

/** What each line carries after its number: the clue ("&Clues") or the word ("&Words"). */
enum class Content { Clues, Words };

/**
 * The file's bytes (Windows-1252, CR LF line ends): "ACROSS", one line "n. text" per across slot,
 * an empty line, "DOWN", one line per down slot. The slots are those the page prints: across
 * 1..AcrossCount and down AcrossCount+1..PrintCount.
 */
QByteArray clueText(const TPuzzleRecord& puzzle, Content content);

/** Creates or replaces the file through a temporary file beside it. */
IoResult writeClueText(const TPuzzleRecord& puzzle, Content content, const QString& path);

/** Message for a file that cannot be created (caption "Error"). */
inline const QString CreateFailedMessage = QStringLiteral("Unable to create export file.");

} // namespace TextExport
