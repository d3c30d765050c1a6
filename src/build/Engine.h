#pragma once
// The construction engine: lays a puzzle's words into a shape over many randomised attempts and
// keeps the four best grids.

#include "shapes/ShapeRecord.h"
#include "store/Limits.h"
#include "store/PuzzleRecord.h"

#include <QString>
#include <array>
#include <cstdint>

/** The three options of a construction run ("Create Options" settings). */
struct TBuildOptions {
    /** Number of attempts, 1..999; values outside are clamped into that range. */
    int Attempts = 1;
    /** Remove empty outer rows and columns after each attempt. */
    bool Shrink = false;
    /** Stop after the second placement pass. */
    bool QuickBuild = false;
};

/**
 * The progress window's side of a run. The engine calls it only when more than one attempt is
 * asked for, and only between attempts: it is the run's sole link to the user interface. The
 * engine may run on a thread of its own (TBuildRun); then every call comes from that thread. With
 * a single attempt the caller shows the busy cursor around the run itself.
 */
class TBuildProgress {
public:
    virtual ~TBuildProgress() = default;
    /** Replaces the status line and draws it at once. */
    virtual void setStatusLine(const QString& text) = 0;
    /** Replaces the second line and draws it at once. */
    virtual void setSecondLine(const QString& text) = 0;
    /** Tells that an attempt is finished and the number of words the best attempt so far placed. */
    virtual void attemptDone(int attempt, int bestScore)
    {
        (void)attempt;
        (void)bestScore;
    }
    /** Whether the user asked to abort the run. */
    virtual bool abortRequested() = 0;
    /** Lets the user interface handle pending events (repaints, the Abort button). */
    virtual void processEvents() = 0;
    /** Sounds the default system beep when a run completes. */
    virtual void beep() = 0;
};

/** The 200 placed flags of one result: 1 = the word in that slot is in the grid. */
using PlacedFlagArray = std::array<std::uint8_t, Limits::WordSlots>;

/**
 * The four best results of a run, slot 0 the best. A score of 0 means the slot holds nothing; its
 * record is whatever an earlier run left there. About 280 KB: keep it on the heap.
 */
struct TBuildResult {
    std::array<TPuzzleRecord, Limits::CandidateSlots> Candidates{};
    /** Number of placed words of each candidate. */
    std::array<std::int32_t, Limits::CandidateSlots> CandidateScores{};
    /** Placed flags of each candidate, in the candidate's word order. */
    std::array<PlacedFlagArray, Limits::CandidateSlots> CandidatePlacedFlags{};
    /** The user aborted the run; the candidates found so far are kept. */
    bool Aborted = false;
    /** The attempt counter when the run ended (equals Attempts after an early end). */
    int LastAttempt = 0;
};

/**
 * Runs the construction: up to options.Attempts attempts over the puzzle's words (slots
 * 1..WordCount) inside its GridWidth x GridHeight, using only the shape's nonzero cells, with the
 * generator seeded with seed. The four candidate scores are reset to 0 first; the candidate
 * records are overwritten only where a new attempt is stored, so a slot whose score stays 0 keeps
 * the record an earlier run left in result. Ends early once four attempts placed every word, or
 * when progress reports an abort request between attempts. The puzzle is never changed.
 */
void BuildPuzzles(const TPuzzleRecord& puzzle, const TShapeRecord& shape, const TBuildOptions& options,
                  std::uint32_t seed, TBuildProgress* progress, TBuildResult& result);

