// The construction engine as a plain scan: every attempt works on a copy of the whole record and
// tests every start position in reading order. Kept to check the indexed engine against it.
#include "ReferenceEngine.h"
#include "build/EngineRun.h"
#include "build/Generator.h"
#include "store/GridModel.h"
#include "store/Ansi.h"

#include <array>
#include <memory>
#include <utility>

using namespace EngineRun;
using namespace GridModel;

namespace {

class TReferenceAttempts final : public TAttemptMaker {
public:
    TReferenceAttempts(const TPuzzleRecord& puzzle, const TShapeRecord& shape, const TBuildOptions& options,
                       std::uint32_t seed)
        : m_copy(puzzle), m_shape(shape), m_options(options), m_random(seed), m_wordCount(RunWordCount(puzzle))
    {
    }

    int makeAttempt() override
    {
        m_work = m_copy;
        m_work.GridWidth = std::int16_t(RunGridSide(m_copy.GridWidth));
        m_work.GridHeight = std::int16_t(RunGridSide(m_copy.GridHeight));
        m_work.WordCount = std::int16_t(m_wordCount);
        sortLongestFirst();
        m_work.Grid.fill(EmptyCell);
        m_acrossCells.fill(0);
        m_downCells.fill(0);
        placementPasses();
        if (m_options.Shrink)
            trimTrailing();
        mask();
        reorderAndNumber();
        if (m_options.Shrink)
            trimLeading();
        return m_work.WordCount;
    }

    void storeAttempt(TPuzzleRecord& candidate, PlacedFlagArray& placedFlags) override
    {
        candidate = m_work;
        placedFlags = m_placedFlags;
    }

private:
    std::uint8_t& cell(int p) { return Cell(m_work.Grid, p); }
    bool usable(int p) const { return Cell(m_shape.ShapeCells, p) != 0; }
    bool empty(int p) const { return Cell(m_work.Grid, p) == EmptyCell; }
    std::uint8_t& flag(int i) { return m_placedFlags[std::size_t(i - 1)]; }
    std::int16_t& startCell(int i) { return m_work.StartCell[std::size_t(i - 1)]; }
    std::int16_t& clueNumber(int i) { return m_work.ClueNumber[std::size_t(i - 1)]; }
    std::uint8_t& direction(int i) { return m_work.Direction[std::size_t(i - 1)]; }

    void sortLongestFirst()
    {
        const int n = m_wordCount;
        for (int i = 1; i <= n; ++i)
            for (int j = n; j >= i + 1; --j)
                if (m_work.Words[std::size_t(j - 2)].length() < m_work.Words[std::size_t(j - 1)].length()) {
                    std::swap(m_work.Words[std::size_t(j - 2)], m_work.Words[std::size_t(j - 1)]);
                    std::swap(m_work.Clues[std::size_t(j - 2)], m_work.Clues[std::size_t(j - 1)]);
                }
    }

    int placedCount()
    {
        int count = 0;
        for (int i = 1; i <= m_wordCount; ++i)
            count += flag(i) == 1 ? 1 : 0;
        return count;
    }

    void placementPasses()
    {
        m_firstWord = true;
        int previous = 0;
        int pass = 0;
        for (;;) {
            ++pass;
            for (int i = 1; i <= m_wordCount; ++i)
                if (pass == 1 || flag(i) == 0)
                    fitWord(i);
            if (m_options.QuickBuild && pass == 2)
                break;
            const int count = placedCount();
            if (count == previous)
                break;
            previous = count;
        }
    }

    void fitWord(int i)
    {
        flag(i) = 1;
        m_requiredCrossings = 2;
        int tries = 0;
        bool done = false;
        bool across = m_random.below(2) == 0;
        do {
            if (across ? tryAcross(i) : tryDown(i))
                done = true;
            across = !across;
            ++tries;
            if (!done && tries == 2) {
                const int floor = m_firstWord ? 0 : 1;
                if (m_requiredCrossings > floor) {
                    --m_requiredCrossings;
                    tries = 0;
                } else {
                    done = true;
                    flag(i) = 0;
                }
            }
        } while (!done);
        m_firstWord = false;
    }

    bool tryAcross(int i)
    {
        const TWordLetters word = PrepareLetters(m_work.Words[std::size_t(i - 1)]);
        const int width = m_work.GridWidth;
        const int height = m_work.GridHeight;
        const int band = m_firstWord ? m_random.below(height) : 0;
        if (word.Length == 0)
            return false;
        for (int part = 0; part < 2; ++part) {
            const int firstRow = part == 0 ? band + 1 : 1;
            const int lastRow = part == 0 ? height : band;
            for (int row = firstRow; row <= lastRow; ++row)
                for (int column = 1; column <= width - word.Length + 1; ++column)
                    if (tryPosition(i, LinearCell(row, column), 1, word))
                        return true;
        }
        return false;
    }

    bool tryDown(int i)
    {
        const TWordLetters word = PrepareLetters(m_work.Words[std::size_t(i - 1)]);
        const int width = m_work.GridWidth;
        const int height = m_work.GridHeight;
        const int band = m_firstWord ? m_random.below(width) : 0;
        if (word.Length == 0)
            return false;
        for (int part = 0; part < 2; ++part) {
            const int firstColumn = part == 0 ? band + 1 : 1;
            const int lastColumn = part == 0 ? width : band;
            for (int row = 1; row <= height - word.Length + 1; ++row)
                for (int column = firstColumn; column <= lastColumn; ++column)
                    if (tryPosition(i, LinearCell(row, column), Limits::GridSide, word))
                        return true;
        }
        return false;
    }

    /** Places word i at p when the position is admissible and crosses enough placed letters. */
    bool tryPosition(int i, int p, int step, const TWordLetters& word)
    {
        int crossings = 0;
        for (int k = 0; k < word.Length; ++k) {
            const int q = p + k * step;
            if (!usable(q))
                return false;
            if (empty(q)) {
                const bool sidesEmpty = step == 1
                    ? (!HasAbove(q) || empty(q - Limits::GridSide)) && (!HasBelow(q) || empty(q + Limits::GridSide))
                    : (!HasLeft(q) || empty(q - 1)) && (!HasRight(q) || empty(q + 1));
                if (!sidesEmpty)
                    return false;
            } else if (cell(q) != word.Letters[std::size_t(k)]) {
                return false;
            } else if ((step == 1 ? m_acrossCells : m_downCells)[std::size_t(q)]) {
                return false;   // a letter of a word running the same way is no crossing
            } else {
                ++crossings;
            }
        }
        const int last = p + (word.Length - 1) * step;
        if (step == 1) {
            if ((HasLeft(p) && !empty(p - 1)) || (HasRight(last) && !empty(last + 1)))
                return false;
        } else {
            if ((HasAbove(p) && !empty(p - step)) || (HasBelow(last) && !empty(last + step)))
                return false;
        }
        if (crossings < m_requiredCrossings)
            return false;

        for (int k = 0; k < word.Length; ++k) {
            cell(p + k * step) = word.Letters[std::size_t(k)];
            (step == 1 ? m_acrossCells : m_downCells)[std::size_t(p + k * step)] = 1;
        }
        startCell(i) = std::int16_t(p);
        m_work.LetterCount[std::size_t(i - 1)] = std::int16_t(word.Length);
        direction(i) = step == 1 ? WordDirection::Across : WordDirection::Down;
        if (m_firstWord)
            m_firstWordAcross = step == 1;
        return true;
    }

    void trimTrailing()
    {
        for (int r = m_work.GridHeight; r >= 2; --r) {
            bool blank = true;
            for (int c = 1; c <= m_work.GridWidth; ++c)
                blank = blank && empty(LinearCell(r, c));
            if (!blank)
                break;
            --m_work.GridHeight;
        }
        for (int c = m_work.GridWidth; c >= 2; --c) {
            bool blank = true;
            for (int r = 1; r <= Limits::GridSide; ++r)
                blank = blank && empty(LinearCell(r, c));
            if (!blank)
                break;
            --m_work.GridWidth;
        }
    }

    void mask()
    {
        for (int p = 1; p <= Limits::GridCells; ++p)
            cell(p) = usable(p) ? Ansi::UpCaseLatin1(cell(p)) : 0;
    }

    void swapEntries(int a, int b, bool withFlags)
    {
        const auto x = std::size_t(a - 1);
        const auto y = std::size_t(b - 1);
        std::swap(m_work.Words[x], m_work.Words[y]);
        std::swap(m_work.Clues[x], m_work.Clues[y]);
        std::swap(m_work.StartCell[x], m_work.StartCell[y]);
        std::swap(m_work.LetterCount[x], m_work.LetterCount[y]);
        std::swap(m_work.ClueNumber[x], m_work.ClueNumber[y]);
        std::swap(m_work.Direction[x], m_work.Direction[y]);
        if (withFlags)
            std::swap(m_placedFlags[x], m_placedFlags[y]);
    }

    /** Stable bubble sort of entries first..last, swapping neighbours where outOfOrder(j - 1, j). */
    template <class OutOfOrder>
    void bubbleSort(int first, int last, bool withFlags, OutOfOrder outOfOrder)
    {
        for (int i = first; i <= last; ++i)
            for (int j = last; j >= i + 1; --j)
                if (outOfOrder(j - 1, j))
                    swapEntries(j - 1, j, withFlags);
    }

    void reorderAndNumber()
    {
        bubbleSort(1, m_wordCount, true, [this](int a, int b) { return flag(a) == 0 && flag(b) == 1; });
        const int count = placedCount();
        m_work.WordCount = std::int16_t(count);
        bubbleSort(1, count, false, [this](int a, int b) { return startCell(a) > startCell(b); });
        int number = 0;
        for (int i = 1; i <= count; ++i) {
            if (i == 1 || startCell(i) != startCell(i - 1))
                ++number;
            clueNumber(i) = std::int16_t(number);
        }
        bubbleSort(1, count, false, [this](int a, int b) {
            return direction(a) == WordDirection::Down && direction(b) == WordDirection::Across;
        });
        int across = 0;
        for (int i = 1; i <= count; ++i)
            across += direction(i) == WordDirection::Across ? 1 : 0;
        m_work.AcrossCount = std::int16_t(across);
        m_work.DownCount = std::int16_t(count - across);
        const auto byNumber = [this](int a, int b) { return clueNumber(a) > clueNumber(b); };
        bubbleSort(1, across, false, byNumber);
        bubbleSort(across + 1, count, false, byNumber);
    }

    bool hasLetter(int p) const
    {
        const std::uint8_t c = Cell(m_work.Grid, p);
        return c != EmptyCell && c != 0;
    }

    void trimLeading()
    {
        const int side = Limits::GridSide;
        int gap = 0;
        bool found = false;
        for (int line = 1; line <= side && !found; ++line) {
            for (int k = 1; k <= side && !found; ++k)
                found = hasLetter(m_firstWordAcross ? LinearCell(line, k) : LinearCell(k, line));
            if (!found)
                ++gap;
        }
        if (!found || gap == 0)
            return;
        const int shift = m_firstWordAcross ? gap * side : gap;
        for (int p = 1; p <= Limits::GridCells - shift; ++p)
            cell(p) = cell(p + shift);
        if (m_firstWordAcross)
            m_work.GridHeight = std::int16_t(m_work.GridHeight - gap);
        else
            m_work.GridWidth = std::int16_t(m_work.GridWidth - gap);
        for (int i = 1; i <= m_work.WordCount; ++i)
            startCell(i) = std::int16_t(startCell(i) - shift);
    }

    const TPuzzleRecord& m_copy;
    const TShapeRecord& m_shape;
    const TBuildOptions m_options;
    TRandomGenerator m_random;
    const int m_wordCount;
    TPuzzleRecord m_work;
    PlacedFlagArray m_placedFlags{};
    std::array<std::uint8_t, Limits::GridCells + 1> m_acrossCells{};   // cells of placed across words
    std::array<std::uint8_t, Limits::GridCells + 1> m_downCells{};
    int m_requiredCrossings = 0;
    bool m_firstWord = false;
    bool m_firstWordAcross = false;
};

} // namespace

void BuildPuzzlesReference(const TPuzzleRecord& puzzle, const TShapeRecord& shape, const TBuildOptions& options,
                           std::uint32_t seed, TBuildProgress* progress, TBuildResult& result)
{
    auto attempts = std::make_unique<TReferenceAttempts>(puzzle, shape, options, seed);
    RunAttempts(options, RunWordCount(puzzle), progress, *attempts, result);
}
