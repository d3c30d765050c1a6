#pragma once

#include "store/AnsiString.h"
#include "store/Limits.h"

#include <QByteArray>
#include <array>
#include <cstdint>

/** The 50 x 50 cells of a grid, row by row; LinearCell p (1..2500) is element p - 1. */
using GridCells = std::array<std::uint8_t, Limits::GridCells>;

/**
 * One puzzle: title, category, words and clues, bonus question, the page layout it prints with
 * and, once constructed, the filled grid with its numbering. Slot i (1..200) of the per-word
 * arrays is element i - 1. The embedded page layout is carried as its stored bytes.
 */
struct TPuzzleRecord {
    AnsiString<Limits::VersionLength> Version;
    AnsiString<Limits::CategoryLength> Category;
    AnsiString<Limits::TitleLength> Title;
    std::int16_t GridWidth = 15;
    std::int16_t GridHeight = 15;
    GridCells Grid{};
    std::int16_t WordCount = 0;
    std::int16_t AcrossCount = 0;
    std::int16_t DownCount = 0;
    std::array<AnsiString<Limits::WordLength>, Limits::WordSlots> Words{};
    std::array<AnsiString<Limits::ClueLength>, Limits::WordSlots> Clues{};
    std::array<std::int16_t, Limits::WordSlots> StartCell{};
    std::array<std::int16_t, Limits::WordSlots> LetterCount{};
    std::array<std::int16_t, Limits::WordSlots> ClueNumber{};
    std::array<std::uint8_t, Limits::WordSlots> Direction{};
    std::array<std::uint8_t, Limits::WordSlots> WordUsed{};
    std::uint8_t Generated = 0;
    std::array<std::uint8_t, Limits::PageLayoutSize> PageLayout{};
    AnsiString<Limits::ClueLength> BonusQuestion;
    std::array<std::uint8_t, Limits::PuzzleReservedSize> Reserved{};

    /** Reads a record from its 69623 stored bytes; a shorter block reads as zeros past its end. */
    static TPuzzleRecord fromBytes(const char* data, std::size_t size);
    static TPuzzleRecord fromBytes(const QByteArray& bytes) { return fromBytes(bytes.constData(), std::size_t(bytes.size())); }
    /** The 69623 stored bytes. */
    QByteArray toBytes() const;

    bool operator==(const TPuzzleRecord&) const = default;
};

/** Direction byte values of a placed word. */
namespace WordDirection {
constexpr std::uint8_t Down = 0;
constexpr std::uint8_t Across = 1;
}
