#include "build/SavedCandidate.h"

#include "store/WorkingPuzzle.h"

#include <algorithm>

TPuzzleRecord SavedCandidate(const TBuildResult& result, int slot)
{
    const auto k = std::size_t(std::clamp(slot, 0, Limits::CandidateSlots - 1));
    TPuzzleRecord record = result.Candidates[k];
    record.Generated = 1;
    StampVersion(record);
    record.WordUsed.fill(0);
    const int count = std::clamp<int>(record.WordCount, 0, Limits::WordSlots);
    for (int t = 0; t < count; ++t)
        record.WordUsed[std::size_t(t)] = result.CandidatePlacedFlags[k][std::size_t(t)];
    return record;
}
