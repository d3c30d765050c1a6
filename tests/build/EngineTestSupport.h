#pragma once
// Helpers for the construction engine tests: shapes, word lists, grid text and a progress recorder.

#include "build/Engine.h"
#include "shapes/GridModel.h"

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

} // namespace EngineTest
