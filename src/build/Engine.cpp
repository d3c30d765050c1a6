// The construction engine. An attempt keeps its own compact state (the grid, one entry per word
// and bit masks of the grid lines) and writes a full record only when the attempt earns a
// candidate slot.
//
// Finding a word's position: every grid row (for across words) and column (for down words) is
// held as 64-bit masks of its empty cells, of its open cells (empty, usable, with nothing on
// either side across the line) and of the cells holding each letter. Shifting and combining
// those masks once per letter of the word gives every admissible start in a line at once, with
// its crossings counted bit-sliced; the first qualifying position in reading order is the lowest
// cell number. Apart from the first word every word needs a crossing, so lines without letters
// are skipped. A word that found no position in either direction is only looked at again in
// lines that received letters after that failure: every position elsewhere is as it was, or more
// blocked. A letter counts as a crossing only for a word running the other way: a position over
// a word running the same way (a word inside another, or a duplicate on its cells) is never taken.
#include "build/Engine.h"
#include "build/EngineRun.h"
#include "build/Generator.h"
#include "store/GridModel.h"
#include "store/Ansi.h"

#include <bit>
#include <climits>
#include <memory>

using namespace EngineRun;
using namespace GridModel;

namespace {

constexpr int Side = Limits::GridSide;
constexpr int Cells = Limits::GridCells;
constexpr int NoPosition = INT_MAX;

/** Per-cell arrays indexed by the cell number itself (element 0 unused). */
template <class T>
using CellArray = std::array<T, Cells + 1>;

/** One word slot of an attempt: which sorted word it holds and what the attempt wrote for it. */
struct TEntry {
    std::int16_t Slot = 0;
    std::int16_t StartCell = 0;
    std::int16_t LetterCount = 0;
    std::int16_t ClueNumber = 0;
    std::uint8_t Direction = 0;
    std::uint8_t Placed = 0;
};

using Bits = std::uint64_t;
/** The 50 cells of a grid line as bits 0..49. */
constexpr Bits FullLine = (Bits(1) << Side) - 1;

/** Bit masks of the 50 rows or the 50 columns of the grid, indexed by line 1..50. */
struct TLineMasks {
    using LineBits = std::array<Bits, Side + 1>;
    LineBits Empty{};
    LineBits Open{};  // empty and usable, with nothing on either side across the line
    LineBits Taken{};  // cells of words already running along the line
    std::array<int, Side + 1> Changed{};  // number of the line's latest letter, or -1
};

/** Lowest start cells of positions with at least two and at least one crossing. */
struct TBestPositions {
    int Two = NoPosition;
    int One = NoPosition;
};

class TIndexedAttempts final : public TAttemptMaker {
public:
    TIndexedAttempts(const TPuzzleRecord& puzzle, const TShapeRecord& shape, const TBuildOptions& options,
                     std::uint32_t seed);

    int makeAttempt() override;
    void storeAttempt(TPuzzleRecord& candidate, PlacedFlagArray& placedFlags) override;

private:
    void startAttempt();
    void placementPasses();
    void fitWord(int slot);
    void fitFirstWord(int slot, bool across);
    int firstOpenPosition(int slot, bool across, int band) const;
    TBestPositions bestPositions(int slot, bool across) const;
    void place(int slot, int p, bool across);
    void giveUp(int slot);
    void trimTrailing();
    void mask();
    void reorderAndNumber();
    void trimLeading();

    const TPuzzleRecord& m_puzzle;
    const TBuildOptions m_options;
    TRandomGenerator m_random;
    const int m_wordCount;
    const int m_fullWidth;
    const int m_fullHeight;

    // Fixed for the run.
    std::array<int, Limits::WordSlots> m_wordOf{};  // slot -> record index of its word, longest first
    std::array<TWordLetters, Limits::WordSlots> m_letters{};
    CellArray<std::uint8_t> m_usable{};
    CellArray<std::uint8_t> m_runAcross{};  // usable cells from here to the right, this one included
    CellArray<std::uint8_t> m_runDown{};    // usable cells from here downwards
    TLineMasks::LineBits m_usableRows{};
    TLineMasks::LineBits m_usableColumns{};
    std::array<std::uint8_t, 256> m_usedLetters{};  // the distinct letters of the words
    int m_letterKinds = 0;

    // One attempt.
    CellArray<std::uint8_t> m_grid{};
    TLineMasks m_rows;     // lines of across words
    TLineMasks m_columns;  // lines of down words
    std::array<TLineMasks::LineBits, 256> m_rowLetters{};     // per letter: its cells in each row
    std::array<TLineMasks::LineBits, 256> m_columnLetters{};  // per letter: its cells in each column
    int m_lettersWritten = 0;  // letters written into the grid so far; numbers each new letter
    std::array<int, Limits::WordSlots> m_failedAt{};  // letters written when the slot last found no position
    std::array<TEntry, Limits::WordSlots> m_entries{};
    std::array<TEntry, Limits::WordSlots> m_scratch{};
    int m_width = 0;
    int m_height = 0;
    int m_placed = 0;
    int m_across = 0;
    bool m_firstWord = false;
    bool m_firstWordAcross = false;
};

TIndexedAttempts::TIndexedAttempts(const TPuzzleRecord& puzzle, const TShapeRecord& shape,
                                   const TBuildOptions& options, std::uint32_t seed)
    : m_puzzle(puzzle)
    , m_options(options)
    , m_random(seed)
    , m_wordCount(RunWordCount(puzzle))
    , m_fullWidth(RunGridSide(puzzle.GridWidth))
    , m_fullHeight(RunGridSide(puzzle.GridHeight))
{
    // Longest first by stored length (spaces and separators count); equal lengths keep their order.
    for (int i = 0; i < m_wordCount; ++i)
        m_wordOf[std::size_t(i)] = i;
    for (int i = 0; i < m_wordCount; ++i)
        for (int j = m_wordCount - 1; j >= i + 1; --j)
            if (puzzle.Words[std::size_t(m_wordOf[std::size_t(j - 1)])].length()
                < puzzle.Words[std::size_t(m_wordOf[std::size_t(j)])].length())
                std::swap(m_wordOf[std::size_t(j - 1)], m_wordOf[std::size_t(j)]);
    for (int i = 0; i < m_wordCount; ++i)
        m_letters[std::size_t(i)] = PrepareLetters(puzzle.Words[std::size_t(m_wordOf[std::size_t(i)])]);

    std::array<bool, 256> seen{};
    for (int i = 0; i < m_wordCount; ++i)
        for (int k = 0; k < m_letters[std::size_t(i)].Length; ++k) {
            const std::uint8_t letter = m_letters[std::size_t(i)].Letters[std::size_t(k)];
            if (!seen[letter]) {
                seen[letter] = true;
                m_usedLetters[std::size_t(m_letterKinds++)] = letter;
            }
        }

    for (int p = 1; p <= Cells; ++p)
        m_usable[std::size_t(p)] = Cell(shape.ShapeCells, p) != 0 ? 1 : 0;
    for (int p = Cells; p >= 1; --p) {
        if (!m_usable[std::size_t(p)])
            continue;
        m_runAcross[std::size_t(p)] = std::uint8_t(1 + (HasRight(p) ? m_runAcross[std::size_t(p + 1)] : 0));
        m_runDown[std::size_t(p)] = std::uint8_t(1 + (HasBelow(p) ? m_runDown[std::size_t(p + Side)] : 0));
        m_usableRows[std::size_t(RowOf(p))] |= Bits(1) << (ColumnOf(p) - 1);
        m_usableColumns[std::size_t(ColumnOf(p))] |= Bits(1) << (RowOf(p) - 1);
    }
}

int TIndexedAttempts::makeAttempt()
{
    startAttempt();
    placementPasses();
    if (m_options.Shrink)
        trimTrailing();
    mask();
    reorderAndNumber();
    if (m_options.Shrink)
        trimLeading();
    return m_placed;
}

void TIndexedAttempts::startAttempt()
{
    m_width = m_fullWidth;
    m_height = m_fullHeight;
    m_grid.fill(EmptyCell);
    for (int i = 0; i < m_letterKinds; ++i) {
        m_rowLetters[m_usedLetters[std::size_t(i)]].fill(0);
        m_columnLetters[m_usedLetters[std::size_t(i)]].fill(0);
    }
    m_rows.Empty.fill(FullLine);
    m_columns.Empty.fill(FullLine);
    m_rows.Open = m_usableRows;
    m_columns.Open = m_usableColumns;
    m_rows.Taken.fill(0);
    m_columns.Taken.fill(0);
    m_rows.Changed.fill(-1);
    m_columns.Changed.fill(-1);
    m_lettersWritten = 0;
    m_failedAt.fill(0);
    m_placed = 0;
    m_across = 0;
    // The word order moves only word and clue texts: the other fields stay with their slot.
    for (int i = 0; i < m_wordCount; ++i) {
        const auto s = std::size_t(i);
        m_entries[s] = TEntry{std::int16_t(i), m_puzzle.StartCell[s], m_puzzle.LetterCount[s],
                              m_puzzle.ClueNumber[s], m_puzzle.Direction[s], 0};
    }
}

void TIndexedAttempts::placementPasses()
{
    m_firstWord = true;
    int previous = 0;
    int pass = 0;
    for (;;) {
        ++pass;
        for (int slot = 0; slot < m_wordCount; ++slot)
            if (pass == 1 || !m_entries[std::size_t(slot)].Placed)
                fitWord(slot);
        if (m_options.QuickBuild && pass == 2)
            break;
        if (m_placed == previous)
            break;
        previous = m_placed;
    }
}

void TIndexedAttempts::fitWord(int slot)
{
    m_entries[std::size_t(slot)].Placed = 1;
    const bool across = m_random.below(2) == 0;
    if (m_firstWord) {
        fitFirstWord(slot, across);
        m_firstWord = false;
        return;
    }
    // Trials: this direction with two crossings, the other with two, then both with one.
    const TBestPositions first = bestPositions(slot, across);
    if (first.Two != NoPosition)
        return place(slot, first.Two, across);
    const TBestPositions second = bestPositions(slot, !across);
    if (second.Two != NoPosition)
        return place(slot, second.Two, !across);
    if (first.One != NoPosition)
        return place(slot, first.One, across);
    if (second.One != NoPosition)
        return place(slot, second.One, !across);
    giveUp(slot);
}

void TIndexedAttempts::fitFirstWord(int slot, bool across)
{
    // The grid is empty: the four trials that need crossings fail, but each still draws the
    // start of its band. Then each direction once with no crossing required.
    bool direction = across;
    for (int trial = 0; trial < 4; ++trial) {
        m_random.below(direction ? m_height : m_width);
        direction = !direction;
    }
    for (int trial = 0; trial < 2; ++trial) {
        const int band = m_random.below(direction ? m_height : m_width);
        const int p = firstOpenPosition(slot, direction, band);
        if (p != NoPosition)
            return place(slot, p, direction);
        direction = !direction;
    }
    giveUp(slot);
}

int TIndexedAttempts::firstOpenPosition(int slot, bool across, int band) const
{
    // On the empty grid a position is admissible exactly when all its cells are usable.
    const int length = m_letters[std::size_t(slot)].Length;
    if (length == 0)
        return NoPosition;
    for (int part = 0; part < 2; ++part) {
        if (across) {
            const int firstRow = part == 0 ? band + 1 : 1;
            const int lastRow = part == 0 ? m_height : band;
            for (int row = firstRow; row <= lastRow; ++row)
                for (int column = 1; column <= m_width - length + 1; ++column)
                    if (m_runAcross[std::size_t(LinearCell(row, column))] >= length)
                        return LinearCell(row, column);
        } else {
            const int firstColumn = part == 0 ? band + 1 : 1;
            const int lastColumn = part == 0 ? m_width : band;
            for (int row = 1; row <= m_height - length + 1; ++row)
                for (int column = firstColumn; column <= lastColumn; ++column)
                    if (m_runDown[std::size_t(LinearCell(row, column))] >= length)
                        return LinearCell(row, column);
        }
    }
    return NoPosition;
}

TBestPositions TIndexedAttempts::bestPositions(int slot, bool across) const
{
    const TWordLetters& word = m_letters[std::size_t(slot)];
    const int length = word.Length;
    const int since = m_failedAt[std::size_t(slot)];
    const TLineMasks& lines = across ? m_rows : m_columns;
    const auto& letters = across ? m_rowLetters : m_columnLetters;
    const int lineCount = across ? m_height : m_width;
    const int along = across ? m_width : m_height;
    TBestPositions best;
    if (length == 0 || along - length + 1 <= 0)
        return best;
    // Bit b stands for the start at cell b + 1 of the line.
    const Bits starts = (Bits(1) << (along - length + 1)) - 1;
    const Bits endsAtEdge = Bits(1) << (Side - length);  // no cell after the word
    for (int line = 1; line <= lineCount; ++line) {
        if (lines.Changed[std::size_t(line)] < since)
            continue;
        const Bits empty = lines.Empty[std::size_t(line)];
        const Bits open = lines.Open[std::size_t(line)];
        Bits admissible = starts & ((empty << 1) | 1) & ((empty >> length) | endsAtEdge);
        Bits once = 0;
        Bits twice = 0;
        // A letter of a word running along the line is no crossing: the word would lie over it.
        const Bits free = ~lines.Taken[std::size_t(line)];
        for (int k = 0; k < length && admissible; ++k) {
            const Bits same = letters[word.Letters[std::size_t(k)]][std::size_t(line)] & free;
            admissible &= (open | same) >> k;
            const Bits crossing = same >> k;
            twice |= once & crossing;
            once |= crossing;
        }
        const Bits one = admissible & once;
        if (!one)
            continue;
        const Bits two = admissible & twice;
        if (across) {
            // Rows come in reading order: the first row with a start holds the lowest one.
            const int rowStart = (line - 1) * Side + 1;
            if (best.One == NoPosition)
                best.One = rowStart + std::countr_zero(one);
            if (two) {
                best.Two = rowStart + std::countr_zero(two);
                break;
            }
        } else {
            best.One = std::min(best.One, std::countr_zero(one) * Side + line);
            if (two)
                best.Two = std::min(best.Two, std::countr_zero(two) * Side + line);
        }
    }
    return best;
}

void TIndexedAttempts::place(int slot, int p, bool across)
{
    const TWordLetters& word = m_letters[std::size_t(slot)];
    const int step = across ? 1 : Side;
    if (word.Length > 0) {
        const Bits run = ((Bits(1) << word.Length) - 1) << (across ? ColumnOf(p) - 1 : RowOf(p) - 1);
        (across ? m_rows : m_columns).Taken[std::size_t(across ? RowOf(p) : ColumnOf(p))] |= run;
    }
    for (int k = 0; k < word.Length; ++k) {
        const int q = p + k * step;
        if (m_grid[std::size_t(q)] != EmptyCell)
            continue;
        const std::uint8_t letter = word.Letters[std::size_t(k)];
        m_grid[std::size_t(q)] = letter;
        const int row = RowOf(q);
        const int column = ColumnOf(q);
        const Bits rowBit = Bits(1) << (column - 1);
        const Bits columnBit = Bits(1) << (row - 1);
        m_rows.Empty[std::size_t(row)] &= ~rowBit;
        m_rows.Open[std::size_t(row)] &= ~rowBit;
        m_columns.Empty[std::size_t(column)] &= ~columnBit;
        m_columns.Open[std::size_t(column)] &= ~columnBit;
        // A new letter closes the cells beside it to words running past it.
        if (row > 1)
            m_rows.Open[std::size_t(row - 1)] &= ~rowBit;
        if (row < Side)
            m_rows.Open[std::size_t(row + 1)] &= ~rowBit;
        if (column > 1)
            m_columns.Open[std::size_t(column - 1)] &= ~columnBit;
        if (column < Side)
            m_columns.Open[std::size_t(column + 1)] &= ~columnBit;
        m_rowLetters[letter][std::size_t(row)] |= rowBit;
        m_columnLetters[letter][std::size_t(column)] |= columnBit;
        m_rows.Changed[std::size_t(row)] = m_lettersWritten;
        m_columns.Changed[std::size_t(column)] = m_lettersWritten;
        ++m_lettersWritten;
    }
    TEntry& entry = m_entries[std::size_t(slot)];
    entry.StartCell = std::int16_t(p);
    entry.LetterCount = std::int16_t(word.Length);
    entry.Direction = across ? WordDirection::Across : WordDirection::Down;
    ++m_placed;
    if (m_firstWord)
        m_firstWordAcross = across;
}

void TIndexedAttempts::giveUp(int slot)
{
    m_entries[std::size_t(slot)].Placed = 0;
    m_failedAt[std::size_t(slot)] = m_lettersWritten;
}

void TIndexedAttempts::trimTrailing()
{
    const auto rowBlank = [this](int r) {
        for (int c = 1; c <= m_width; ++c)
            if (m_grid[std::size_t(LinearCell(r, c))] != EmptyCell)
                return false;
        return true;
    };
    const auto columnBlank = [this](int c) {
        for (int r = 1; r <= Side; ++r)
            if (m_grid[std::size_t(LinearCell(r, c))] != EmptyCell)
                return false;
        return true;
    };
    while (m_height >= 2 && rowBlank(m_height))
        --m_height;
    while (m_width >= 2 && columnBlank(m_width))
        --m_width;
}

void TIndexedAttempts::mask()
{
    for (int p = 1; p <= Cells; ++p)
        m_grid[std::size_t(p)] = m_usable[std::size_t(p)] ? Ansi::UpCaseLatin1(m_grid[std::size_t(p)]) : 0;
}

/** Stable insertion sort of entries [first, last) by key. */
template <class Key>
void SortEntries(std::array<TEntry, Limits::WordSlots>& entries, int first, int last, Key key)
{
    for (int i = first + 1; i < last; ++i) {
        const TEntry moving = entries[std::size_t(i)];
        int j = i;
        while (j > first && key(entries[std::size_t(j - 1)]) > key(moving)) {
            entries[std::size_t(j)] = entries[std::size_t(j - 1)];
            --j;
        }
        entries[std::size_t(j)] = moving;
    }
}

/** Stable partition of entries [0, count): those with front(entry) first. Returns how many. */
template <class Front>
int PartitionEntries(std::array<TEntry, Limits::WordSlots>& entries, std::array<TEntry, Limits::WordSlots>& scratch,
                     int count, Front front)
{
    int out = 0;
    for (int i = 0; i < count; ++i)
        if (front(entries[std::size_t(i)]))
            scratch[std::size_t(out++)] = entries[std::size_t(i)];
    const int fronts = out;
    for (int i = 0; i < count; ++i)
        if (!front(entries[std::size_t(i)]))
            scratch[std::size_t(out++)] = entries[std::size_t(i)];
    std::copy_n(scratch.begin(), count, entries.begin());
    return fronts;
}

void TIndexedAttempts::reorderAndNumber()
{
    const int placed = PartitionEntries(m_entries, m_scratch, m_wordCount, [](const TEntry& e) { return e.Placed != 0; });
    SortEntries(m_entries, 0, placed, [](const TEntry& e) { return e.StartCell; });
    int number = 0;
    for (int i = 0; i < placed; ++i) {
        if (i == 0 || m_entries[std::size_t(i)].StartCell != m_entries[std::size_t(i - 1)].StartCell)
            ++number;
        m_entries[std::size_t(i)].ClueNumber = std::int16_t(number);
    }
    m_across = PartitionEntries(m_entries, m_scratch, placed,
                                [](const TEntry& e) { return e.Direction == WordDirection::Across; });
    const auto byNumber = [](const TEntry& e) { return e.ClueNumber; };
    SortEntries(m_entries, 0, m_across, byNumber);
    SortEntries(m_entries, m_across, placed, byNumber);
}

void TIndexedAttempts::trimLeading()
{
    const auto hasLetter = [this](int p) {
        const std::uint8_t c = m_grid[std::size_t(p)];
        return c != EmptyCell && c != 0;
    };
    int gap = 0;
    bool found = false;
    for (int line = 1; line <= Side && !found; ++line) {
        for (int k = 1; k <= Side && !found; ++k)
            found = hasLetter(m_firstWordAcross ? LinearCell(line, k) : LinearCell(k, line));
        if (!found)
            ++gap;
    }
    if (!found || gap == 0)
        return;
    const int shift = m_firstWordAcross ? gap * Side : gap;
    std::copy(m_grid.begin() + 1 + shift, m_grid.end(), m_grid.begin() + 1);
    if (m_firstWordAcross)
        m_height -= gap;
    else
        m_width -= gap;
    for (int i = 0; i < m_placed; ++i)
        m_entries[std::size_t(i)].StartCell = std::int16_t(m_entries[std::size_t(i)].StartCell - shift);
}

void TIndexedAttempts::storeAttempt(TPuzzleRecord& candidate, PlacedFlagArray& placedFlags)
{
    candidate = m_puzzle;
    candidate.GridWidth = std::int16_t(m_width);
    candidate.GridHeight = std::int16_t(m_height);
    std::copy(m_grid.begin() + 1, m_grid.end(), candidate.Grid.begin());
    candidate.WordCount = std::int16_t(m_placed);
    candidate.AcrossCount = std::int16_t(m_across);
    candidate.DownCount = std::int16_t(m_placed - m_across);
    placedFlags.fill(0);
    for (int i = 0; i < m_wordCount; ++i) {
        const auto s = std::size_t(i);
        const TEntry& entry = m_entries[s];
        const auto word = std::size_t(m_wordOf[std::size_t(entry.Slot)]);
        candidate.Words[s] = m_puzzle.Words[word];
        candidate.Clues[s] = m_puzzle.Clues[word];
        candidate.StartCell[s] = entry.StartCell;
        candidate.LetterCount[s] = entry.LetterCount;
        candidate.ClueNumber[s] = entry.ClueNumber;
        candidate.Direction[s] = entry.Direction;
        placedFlags[s] = entry.Placed;
    }
}

} // namespace

void BuildPuzzles(const TPuzzleRecord& puzzle, const TShapeRecord& shape, const TBuildOptions& options,
                  std::uint32_t seed, TBuildProgress* progress, TBuildResult& result)
{
    auto attempts = std::make_unique<TIndexedAttempts>(puzzle, shape, options, seed);
    RunAttempts(options, RunWordCount(puzzle), progress, *attempts, result);
}
