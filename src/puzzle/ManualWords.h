#pragma once
// Manual word addition on a stored puzzle: which empty cells may take letters, which words the new
// letters form, how they join the word list and how the list is numbered again.

#include "store/PuzzleRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <vector>

namespace ManualWords {

/** The first cell of a word in the grid and its direction. */
struct WordStart {
    int Cell = 0;
    bool Across = true;

    bool operator==(const WordStart&) const = default;
};

/** Case choices of the clue dialog, as the "Case Sensitivity" setting stores them. */
enum LetterCase { UpperCase = 1, LowerCase = 2, FirstLetterCap = 3 };

/**
 * The cells just before and just after every word 1..WordCount, which must stay empty: for an
 * across word the cells left of its first and right of its last letter, for a down word those
 * above and below, each only when it lies inside the grid. At most two cells a word; words whose
 * start or length lie outside the grid are skipped.
 */
std::vector<int> ProtectedCells(const TPuzzleRecord& puzzle);

/** Whether cell p holds a letter (neither 0, outside the shape, nor a space, an empty square). */
bool HoldsLetter(const TPuzzleRecord& puzzle, int p);

/**
 * Every cell that starts an across or a down word of two letters or more, scanning rows top to
 * bottom and each row left to right; a cell starting both gives its across start first.
 */
std::vector<WordStart> FindWordStarts(const TPuzzleRecord& puzzle);

/**
 * Whether a word of the same direction already starts at the start's cell: across starts are
 * compared with words 1..AcrossCount, down starts with words AcrossCount + 1..WordCount.
 */
bool IsExistingStart(const TPuzzleRecord& puzzle, const WordStart& start);

/** The starts of FindWordStarts that no existing word has, in scan order. */
std::vector<WordStart> NewWordStarts(const TPuzzleRecord& puzzle);

/** The letters from the start rightwards or downwards up to the first cell without a letter or the grid's edge. */
QByteArray ReadWord(const TPuzzleRecord& puzzle, const WordStart& start);

/**
 * The word in the chosen case: upper case turns a-z into A-Z, lower case A-Z into a-z, first letter
 * cap lower-cases and then upper-cases the first character. Any other choice counts as first letter cap.
 */
QByteArray ApplyCase(QByteArrayView word, int letterCase);

/**
 * A letter typed into a cell: the first character upper-cased when it is a-z; 0 when the text is
 * empty, or when that character is not A..Z, which the grid cannot take.
 */
char LetterFromText(QChar first);

/**
 * Word slots in use: WordCount, or more when words that did not fit the grid are kept in the
 * slots after it.
 */
int SlotsInUse(const TPuzzleRecord& puzzle);

/**
 * How many of the words kept after WordCount (words in no grid) must go so that newWords more
 * placed words fit into the 200 slots: they are the last ones, dropped as the new words push the
 * kept words down.
 */
int LeftOversDropped(const TPuzzleRecord& puzzle, int newWords);

/**
 * Adds a placed word as slot WordCount + 1 and counts it: the word cut to 30 characters, its
 * letter count, the clue (trimmed, cut to 150), start cell and direction, WordUsed 1. Words kept
 * after WordCount move down one slot behind it; a kept word pushed past slot 200 is dropped.
 * Refused (false, nothing changed) when WordCount already fills all 200 slots.
 */
bool AddWord(TPuzzleRecord& puzzle, const WordStart& start, QByteArrayView word, int letterCount, QByteArrayView clue);

/**
 * Numbers the placed words 1..WordCount again: ordered by start cell, the number going up at
 * every new start cell (an across and a down word starting in one cell share it), then the across
 * words before the down words, each group by clue number; AcrossCount and DownCount are counted
 * again. Every per-word field moves with its word.
 */
void Renumber(TPuzzleRecord& puzzle);

} // namespace ManualWords
