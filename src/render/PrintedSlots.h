#pragma once
// Which word slots a page prints as across and as down clues.

#include "render/PageRenderer.h"
#include "store/PuzzleRecord.h"

#include <algorithm>

/**
 * The slots of the printed clue lists: across are slots 1..Across, down are Across + 1..Print
 * (Print is ComputePrintCount), so every export lists the clues the printed page shows.
 */
struct TPrintedSlots {
    int Across = 0;
    int Print = 0;
};

inline TPrintedSlots PrintedSlots(const TPuzzleRecord& puzzle)
{
    const int print = ComputePrintCount(puzzle);
    return {std::min(std::clamp<int>(puzzle.AcrossCount, 0, Limits::WordSlots), print), print};
}
