#pragma once
// Several different grids of one word list, and the smallest square that takes every word.

#include "build/Engine.h"

#include <QByteArray>
#include <functional>
#include <vector>

namespace Versions {
constexpr int MinCount = 2;
constexpr int MaxCount = 26;
} // namespace Versions

/**
 * The title of version index (0-based) of a puzzle: the title cut so that " (A)", " (B)", ...
 * still fits the 35 characters of a title, then that suffix.
 */
QByteArray VersionTitle(QByteArrayView title, int index);

/**
 * count different grids of the puzzle's words in the shape, saved as Save Puzzle saves a
 * candidate and titled with VersionTitle, the most words placed first. Runs the engine with
 * options once per version, each run from its own seed derived from seed, and more runs (up to
 * four per version) while fewer different grids have been found. Grids are different when any
 * cell differs. Fewer records come back when the runs found no more different grids or progress
 * asked to abort.
 */
std::vector<TPuzzleRecord> BuildVersions(const TPuzzleRecord& puzzle, const TShapeRecord& shape,
                                         const TBuildOptions& options, std::uint32_t seed, int count,
                                         TBuildProgress* progress = nullptr);

/** A square shape of that side (5..30) with every cell in it. */
TShapeRecord SquareShape(int side);

/** The outcome of a search for a shape that takes every word. */
struct TFitAllResult {
    bool Found = false;
    bool Aborted = false;
    int Side = 0;               ///< the square found, or the last one tried
    TShapeRecord Shape;
    TPuzzleRecord Puzzle;       ///< the puzzle prepared for that square (GridWidth and GridHeight)
    std::unique_ptr<TBuildResult> Result = std::make_unique<TBuildResult>();
};

/**
 * Tries squares from fromSide (at least the longest word and 5) up to 30, one engine run with
 * options each, and stops at the first whose best attempt places every word. told, when given,
 * hears of each side before it is tried and returning false aborts; progress is handed to the
 * engine (its abort request ends the search too).
 */
TFitAllResult FitAllWords(const TPuzzleRecord& puzzle, int fromSide, const TBuildOptions& options, std::uint32_t seed,
                          const std::function<bool(int side)>& told = {}, TBuildProgress* progress = nullptr);

/**
 * The word list of a second puzzle for the words a result left out: the slots (0-based, in the
 * result's order) of every word not placed, then for each of them that shares no letter with
 * another word of the list the placed word sharing the most letters with it, so that each can
 * cross another. Empty when every word was placed.
 */
std::vector<int> SecondPuzzleSlots(const TPuzzleRecord& result, const PlacedFlagArray& placed, int wordCount);

/**
 * The puzzle to build for the second list: the built puzzle with only the chosen words and clues, its
 * title made a copy's title ("Title (2)").
 */
TPuzzleRecord SecondPuzzle(const TPuzzleRecord& built, const TPuzzleRecord& result, const std::vector<int>& chosen);
