#pragma once
// The construction engine as a plain scan, the oracle of the engine equivalence tests.

#include "build/Engine.h"

/**
 * The same run as BuildPuzzles computed by a plain scan of every position in reading order, working
 * on a copy of the whole record exactly as the construction rules are written. Much slower; it
 * exists to check that BuildPuzzles, which skips positions that cannot qualify, gives
 * byte-identical candidates.
 */
void BuildPuzzlesReference(const TPuzzleRecord& puzzle, const TShapeRecord& shape, const TBuildOptions& options,
                           std::uint32_t seed, TBuildProgress* progress, TBuildResult& result);
