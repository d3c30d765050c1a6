#pragma once

#include "build/Engine.h"

/**
 * The record a chosen construction result is saved as: the candidate's whole record with
 * Generated 1, the version stamp "3.0c", and WordUsed 1..WordCount taken from its placed flags
 * (every other WordUsed byte cleared). Slot is 0..3, 0 the best.
 */
TPuzzleRecord SavedCandidate(const TBuildResult& result, int slot);
