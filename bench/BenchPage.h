#pragma once
// The page the render and PNG benchmarks draw: the built-in default layout (Letter, title, grid,
// headings and two clue lists, all MakeFit) with a full 21 x 21 grid and 200 clues.

#include "pages/DefaultLayout.h"
#include "pages/PageFile.h"
#include "store/PuzzleRecord.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace BenchPage {

constexpr int Side = 21;

// A full 21 x 21 grid of letters with 100 across and 100 down words, each with a clue of
// ordinary length.
inline TPuzzleRecord puzzle()
{
    TPuzzleRecord p;
    p.Title.setText("Benchmark Puzzle");
    p.GridWidth = Side;
    p.GridHeight = Side;
    for (int r = 0; r < Side; ++r) {
        for (int c = 0; c < Side; ++c)
            p.Grid[std::size_t(r * 50 + c)] = std::uint8_t('A' + (r * 7 + c * 3) % 26);
    }
    const char* clue = "A fairly ordinary clue of several words that wraps over two or three lines";
    for (int i = 0; i < 200; ++i) {
        const bool across = i < 100;
        const int k = across ? i : i - 100;
        const int row = k % Side;
        const int column = (k / Side) * 4;
        p.Words[std::size_t(i)].setText("WORD");
        p.Clues[std::size_t(i)].setText(clue);
        p.StartCell[std::size_t(i)] = std::int16_t(across ? row * 50 + column + 1 : column * 50 + row + 1);
        p.LetterCount[std::size_t(i)] = 4;
        p.ClueNumber[std::size_t(i)] = std::int16_t(k + 1);
        p.Direction[std::size_t(i)] = across ? 1 : 0;
        p.WordUsed[std::size_t(i)] = 1;
    }
    p.WordCount = 200;
    p.AcrossCount = 100;
    p.DownCount = 100;
    p.Generated = 1;
    SetLayoutOfPuzzle(p, BuiltInDefaultLayout());
    return p;
}

/** Runs the benchmarks inside a GUI application (fonts need one), offscreen unless told otherwise. */
inline int RunWithFonts(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace BenchPage
