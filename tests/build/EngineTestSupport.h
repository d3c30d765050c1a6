#pragma once
// Helpers for the construction engine tests: shapes, word lists, grid text and a progress recorder.

#include "build/Engine.h"
#include "store/GridModel.h"
#include "store/Ansi.h"

#include <gtest/gtest.h>
#include <numeric>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

namespace EngineTest {

/** A full rectangular shape of width x height cells. */
inline TShapeRecord RectShape(int width, int height)
{
    TShapeRecord shape;
    shape.ShapeWidth = std::int16_t(width);
    shape.ShapeHeight = std::int16_t(height);
    for (int r = 1; r <= height; ++r)
        for (int c = 1; c <= width; ++c)
            GridModel::Cell(shape.ShapeCells, GridModel::LinearCell(r, c)) = 1;
    return shape;
}

/** A shape drawn as rows of text: '#' or any non-'.' is a shape cell, '.' is not. */
inline TShapeRecord DrawnShape(const std::vector<std::string>& rows)
{
    TShapeRecord shape;
    shape.ShapeHeight = std::int16_t(rows.size());
    shape.ShapeWidth = std::int16_t(rows.empty() ? 0 : rows.front().size());
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            GridModel::Cell(shape.ShapeCells, GridModel::LinearCell(int(r) + 1, int(c) + 1)) = rows[r][c] == '.' ? 0 : 1;
    return shape;
}

/** A puzzle record holding these words (clue i is "clue <word>"), sized to the shape. */
inline TPuzzleRecord PuzzleOf(const std::vector<QByteArray>& words, const TShapeRecord& shape)
{
    TPuzzleRecord puzzle;
    puzzle.Title.setText("Test");
    puzzle.Category.setText("Tests");
    puzzle.GridWidth = shape.ShapeWidth;
    puzzle.GridHeight = shape.ShapeHeight;
    puzzle.WordCount = std::int16_t(words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        puzzle.Words[i].setText(words[i]);
        puzzle.Clues[i].setText("clue " + words[i]);
    }
    return puzzle;
}

/** Rows 1..GridHeight, columns 1..GridWidth of a grid: letters as they are, '#' for an empty shape cell, '.' outside. */
inline std::vector<std::string> GridRows(const TPuzzleRecord& puzzle)
{
    std::vector<std::string> rows;
    for (int r = 1; r <= puzzle.GridHeight; ++r) {
        std::string row;
        for (int c = 1; c <= puzzle.GridWidth; ++c) {
            const std::uint8_t b = GridModel::Cell(puzzle.Grid, GridModel::LinearCell(r, c));
            row += b == 0 ? '.' : b == ' ' ? '#' : char(b);
        }
        rows.push_back(row);
    }
    return rows;
}

/** The grid letter at row r, column c (1-based). */
inline char At(const TPuzzleRecord& puzzle, int r, int c)
{
    return char(GridModel::Cell(puzzle.Grid, GridModel::LinearCell(r, c)));
}

/** Records every call the engine makes on the progress window; can request an abort. */
class TRecordingProgress : public TBuildProgress {
public:
    void setStatusLine(const QString& text) override { Calls << QStringLiteral("status:") + text; StatusLine = text; }
    void setSecondLine(const QString& text) override { Calls << QStringLiteral("second:") + text; SecondLine = text; }
    bool abortRequested() override
    {
        ++AbortPolls;
        Calls << QStringLiteral("poll");
        return AbortAtPoll > 0 && AbortPolls >= AbortAtPoll;
    }
    void processEvents() override { Calls << QStringLiteral("events"); }
    void beep() override { Calls << QStringLiteral("beep"); ++Beeps; }

    QStringList Calls;
    QString StatusLine;
    QString SecondLine;
    int AbortPolls = 0;
    int AbortAtPoll = 0;  // 0: never abort
    int Beeps = 0;
};

/** Runs the engine into a fresh result on the heap. */
inline std::unique_ptr<TBuildResult> Build(const TPuzzleRecord& puzzle, const TShapeRecord& shape,
                                           TBuildOptions options, std::uint32_t seed,
                                           TBuildProgress* progress = nullptr)
{
    auto result = std::make_unique<TBuildResult>();
    BuildPuzzles(puzzle, shape, options, seed, progress, *result);
    return result;
}

/** The cells a stored word fills: its text without spaces, upper-cased. */
inline std::string CellsOf(const AnsiString<Limits::WordLength>& word)
{
    std::string cells;
    for (char c : word.text())
        if (c != ' ')
            cells += char(Ansi::UpCaseLatin1(std::uint8_t(c)));
    return cells;
}

/**
 * Checks a candidate against the rules a finished grid must obey: every placed word spelled on
 * its cells with nothing directly before or after it and no square shared with a word running
 * the same way (so each word is a whole run of letters), letters side by side only inside a common
 * word, all words linked by crossings, numbering in reading order without gaps shared by words
 * that start together, across words then down words in number order. With shape given (no
 * shrinking), cells outside it are 0 and unused shape cells spaces.
 */
inline void ExpectObeysRules(const TPuzzleRecord& c, const PlacedFlagArray& flags, const TShapeRecord* shape = nullptr)
{
    using namespace GridModel;
    const int count = c.WordCount;
    ASSERT_EQ(count, c.AcrossCount + c.DownCount);
    for (int i = 0; i < Limits::WordSlots; ++i)
        EXPECT_EQ(flags[std::size_t(i)], i < count ? 1 : 0) << "flag " << i;

    const auto isLetter = [&](int q) { return Cell(c.Grid, q) != ' ' && Cell(c.Grid, q) != 0; };
    const auto stepOf = [&](int i) { return i < c.AcrossCount ? 1 : Limits::GridSide; };
    const auto covers = [&](int i, int q) {
        const int p = c.StartCell[std::size_t(i)];
        const int step = stepOf(i);
        return q >= p && (q - p) % step == 0 && (q - p) / step < c.LetterCount[std::size_t(i)];
    };
    std::vector<int> group(static_cast<std::size_t>(count));
    std::iota(group.begin(), group.end(), 0);
    const auto root = [&](int i) {
        while (group[std::size_t(i)] != i)
            i = group[std::size_t(i)];
        return i;
    };
    std::vector<bool> covered(Limits::GridCells + 1, false);

    for (int i = 0; i < count; ++i) {
        const auto s = std::size_t(i);
        EXPECT_EQ(c.Direction[s], i < c.AcrossCount ? 1 : 0) << "word " << i;
        const std::string cells = CellsOf(c.Words[s]);
        ASSERT_EQ(c.LetterCount[s], int(cells.size())) << "word " << i;
        const int p = c.StartCell[s];
        const int step = stepOf(i);
        const int last = p + (int(cells.size()) - 1) * step;
        ASSERT_GE(p, 1);
        ASSERT_LE(RowOf(last), c.GridHeight) << "word " << i;
        ASSERT_LE(ColumnOf(last), c.GridWidth) << "word " << i;
        if (step == 1) {
            ASSERT_EQ(RowOf(p), RowOf(last)) << "word " << i;
        }
        for (int k = 0; k < int(cells.size()); ++k) {
            const int q = p + k * step;
            covered[std::size_t(q)] = true;
            EXPECT_EQ(char(Cell(c.Grid, q)), cells[std::size_t(k)]) << "word " << i << " letter " << k;
            for (int j = 0; j < i; ++j)
                if (covers(j, q))
                    group[std::size_t(root(j))] = root(i);
        }
        // A square two words share is a crossing: never a square of another word running the same way.
        for (int j = i < c.AcrossCount ? 0 : c.AcrossCount; j < i; ++j)
            EXPECT_FALSE(covers(j, p) || covers(i, c.StartCell[std::size_t(j)]))
                << "word " << i << " lies over word " << j << " running the same way";
        const bool before = step == 1 ? HasLeft(p) : HasAbove(p);
        const bool after = step == 1 ? HasRight(last) : HasBelow(last);
        EXPECT_FALSE(before && isLetter(p - step)) << "word " << i << " touches a letter before it";
        EXPECT_FALSE(after && isLetter(last + step)) << "word " << i << " touches a letter after it";
    }
    for (int i = 1; i < count; ++i)
        EXPECT_EQ(root(i), root(0)) << "word " << i << " is not linked by crossings to the others";

    // Two letters side by side must lie in one word running that way.
    const auto inOneWord = [&](int q1, int q2, bool acrossWords) {
        for (int i = acrossWords ? 0 : c.AcrossCount; i < (acrossWords ? c.AcrossCount : count); ++i)
            if (covers(i, q1) && covers(i, q2))
                return true;
        return false;
    };
    for (int r = 1; r <= c.GridHeight; ++r)
        for (int col = 1; col <= c.GridWidth; ++col) {
            const int q = LinearCell(r, col);
            if (!isLetter(q))
                continue;
            EXPECT_TRUE(covered[std::size_t(q)]) << "stray letter at " << r << "," << col;
            if (col < c.GridWidth && isLetter(q + 1)) {
                EXPECT_TRUE(inOneWord(q, q + 1, true)) << "letters side by side at " << r << "," << col;
            }
            if (r < c.GridHeight && isLetter(q + Limits::GridSide)) {
                EXPECT_TRUE(inOneWord(q, q + Limits::GridSide, false)) << "letters stacked at " << r << "," << col;
            }
        }
    for (int q = 1; shape && q <= Limits::GridCells; ++q) {
        if (Cell(shape->ShapeCells, q) == 0) {
            EXPECT_EQ(Cell(c.Grid, q), 0) << "cell " << q << " is outside the shape";
        } else if (!covered[std::size_t(q)]) {
            EXPECT_EQ(Cell(c.Grid, q), ' ') << "cell " << q << " is an unused shape cell";
        }
    }

    // Numbering: by start cell, one number per distinct start: 1, 2, 3, ...
    std::vector<int> starts;
    for (int i = 0; i < count; ++i)
        starts.push_back(c.StartCell[std::size_t(i)]);
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    for (int i = 0; i < count; ++i) {
        const auto s = std::size_t(i);
        const int expected = int(std::lower_bound(starts.begin(), starts.end(), c.StartCell[s]) - starts.begin()) + 1;
        EXPECT_EQ(c.ClueNumber[s], expected) << "word " << i;
        if (i > 0 && i != c.AcrossCount) {
            EXPECT_LE(c.ClueNumber[s - 1], c.ClueNumber[s]) << "word " << i << " out of number order";
        }
    }
}

} // namespace EngineTest
