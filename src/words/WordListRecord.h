#pragma once
// Moving the word list editor's texts into the puzzle record, and telling whether a stored
// puzzle's texts were changed in the editor.

#include "build/CreateChecks.h"
#include "store/PuzzleRecord.h"

namespace WordListRecord {

/**
 * Copies what the editor holds into the record, as Save does: bonus question, title and category
 * trimmed and cut to 150, 35 and 20 characters; the grid rows closed up into the word and clue
 * slots (a row whose trimmed word is empty is skipped with its clue; words cut to 30 and clues to
 * 150 characters); the slots after the last word emptied. The attempts text is not used.
 *
 * WordCount becomes the number of words, except in a constructed record (Generated 1): there the
 * words after the placed ones are the ones that did not fit, so WordCount stays at most
 * AcrossCount + DownCount and the grid, its numbering and the output lists keep agreeing.
 */
void StoreEditorText(TPuzzleRecord& record, const TCreateInput& editor);

/**
 * Whether the edited record differs from the snapshot taken when the editor was shown, in what
 * the editor can change: BonusQuestion, Title, Category, all 200 words and clues, and the header
 * of the embedded page layout (LayoutName, PaperName, PaperWidth, PaperHeight, PixelWidth,
 * PixelHeight, UseInches, ObjectCount, Portrait, DesignZoom). Texts compare by length and
 * content; bytes past a text's length do not count.
 */
bool DiffersFromSnapshot(const TPuzzleRecord& edited, const TPuzzleRecord& snapshot);

} // namespace WordListRecord
