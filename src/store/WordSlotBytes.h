#pragma once

#include "store/ByteIO.h"

#include <type_traits>

/**
 * Reads the block of word slots that the puzzle record and the 16-bit puzzle record before it
 * store alike: word count, across and down counts, the words, the clues (each as wide as the
 * record's own clue field), start cells, letter counts, clue numbers and directions.
 */
template <typename Record>
void ReadWordSlots(ByteReader& in, Record& r)
{
    r.WordCount = in.i16();
    r.AcrossCount = in.i16();
    r.DownCount = in.i16();
    for (auto& w : r.Words)
        w = in.string<std::remove_reference_t<decltype(w)>::Capacity>();
    for (auto& c : r.Clues)
        c = in.string<std::remove_reference_t<decltype(c)>::Capacity>();
    for (auto& v : r.StartCell)
        v = in.i16();
    for (auto& v : r.LetterCount)
        v = in.i16();
    for (auto& v : r.ClueNumber)
        v = in.i16();
    r.Direction = in.bytes<std::tuple_size_v<decltype(r.Direction)>>();
}
