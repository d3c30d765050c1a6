#pragma once
// The one working copy of a puzzle that the editors share, and the record-level helpers that
// prepare it for a new puzzle, a copy or a save.

#include "store/Collection.h"
#include "store/PuzzleRecord.h"

#include <QString>
#include <cstdint>

/**
 * The working puzzle state the main window owns from start-up to exit: the record being edited,
 * whether saving it appends (new puzzle or copy) or overwrites record CurrentRecordNumber, and the
 * open collection file (the "Last Group" setting).
 */
struct WorkingPuzzle {
    TPuzzleRecord CurrentPuzzle;
    /** True while a new puzzle or a copy is being made: saving appends a record. */
    bool IsNewPuzzle = false;
    /** Record the working copy was read from; valid only until the next delete. */
    std::int32_t CurrentRecordNumber = 0;
    /** Path of the open collection file; it need not exist yet. */
    QString CurrentCollection;
    /** Category and title record CurrentRecordNumber held when it was read or last saved. */
    TRecordName ReadAs;
};

/**
 * Saves the working copy: appends it when IsNewPuzzle, else writes it over CurrentRecordNumber
 * as long as that record still holds the puzzle it was read as (ReadAs), which then becomes the
 * saved puzzle's name. When another program's delete has moved the puzzle, it is written (and
 * CurrentRecordNumber set) where the one record of that name and grid is now.
 */
IoResult SaveWorkingPuzzle(WorkingPuzzle& working);

/**
 * Empties a record for a new puzzle: every word and clue slot and WordUsed flag, Category, Title
 * and BonusQuestion emptied; GridWidth and GridHeight 15; WordCount and Generated 0. Nothing else
 * is touched: PageLayout keeps its bytes until the caller loads the default layout into it.
 * Setting IsNewPuzzle is the caller's part (the WorkingPuzzle overload does it).
 */
void ClearForNewPuzzle(TPuzzleRecord& record);

/** ClearForNewPuzzle on the working copy, and marks it new so that saving appends. */
void ClearForNewPuzzle(WorkingPuzzle& working);

/** Writes the version stamp "3.0c" (length byte 4 and four characters); the fifth byte stays. */
void StampVersion(TPuzzleRecord& record);

/**
 * Turns a record read from the collection into the start of a copy: the title becomes its copy
 * title (cut to 35 characters) and every WordUsed flag is cleared. Generated and the old grid stay.
 */
void MakePuzzleCopy(TPuzzleRecord& record);

/** MakePuzzleCopy on the working copy, and marks it new so that saving appends. */
void MakePuzzleCopy(WorkingPuzzle& working);
