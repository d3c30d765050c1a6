#pragma once
// Pieces shared by the construction engine and the plain-scan reference engine of the tests: the
// attempt loop with its progress calls, the ranking of attempts, and the preparation of a word's letters.

#include "build/Engine.h"
#include "store/AnsiString.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace EngineRun {

/** Cell byte of an empty cell during construction. */
constexpr std::uint8_t EmptyCell = ' ';

/** The letters a word occupies: its stored text without spaces, each byte upper-cased. */
struct TWordLetters {
    std::array<std::uint8_t, Limits::WordLength> Letters{};
    int Length = 0;
};

/** Builds the letters of a stored word. Other characters ("-", "/", digits) stay and take a cell. */
TWordLetters PrepareLetters(const AnsiString<Limits::WordLength>& word);

/** One implementation of a single attempt. */
class TAttemptMaker {
public:
    virtual ~TAttemptMaker() = default;
    /** Runs one attempt from the original record and returns its score (number of placed words). */
    virtual int makeAttempt() = 0;
    /** Copies the attempt just made (its whole record and placed flags) into a candidate slot. */
    virtual void storeAttempt(TPuzzleRecord& candidate, PlacedFlagArray& placedFlags) = 0;
};

/** Number of word slots a run works on: the record's WordCount, clamped to 0..200. */
inline int RunWordCount(const TPuzzleRecord& puzzle) { return std::clamp<int>(puzzle.WordCount, 0, Limits::WordSlots); }
/** Grid side a run works with: a stored width or height clamped to 0..50. */
inline int RunGridSide(std::int16_t side) { return std::clamp<int>(side, 0, Limits::GridSide); }

/**
 * The attempt loop: resets the scores, makes attempts, ranks each one, ends early after four
 * complete fills, and talks to the progress window between attempts when more than one attempt
 * is asked for.
 */
void RunAttempts(const TBuildOptions& options, int wordCount, TBuildProgress* progress, TAttemptMaker& maker,
                 TBuildResult& result);

} // namespace EngineRun
