#pragma once
// The import of another program's puzzle file, shared by the Across Lite and iPUZ harnesses (they
// differ in their seeds): the file is imported into an empty collection, which then holds exactly
// the one puzzle reported, whose every word lies on its own letters inside the grid, or nothing.

#include "FuzzSupport.h"

#include "store/Collection.h"
#include "store/ImportedPuzzle.h"

#include <QFile>

namespace FuzzImport {

inline void importOnce(const char* name, const std::uint8_t* data, std::size_t size)
{
    const QString from = FuzzSupport::file(name, FuzzSupport::bytes(data, size));
    const QString into = QDir(FuzzSupport::folder()).filePath(QStringLiteral("INTO.QV3"));
    QFile::remove(into);
    TPuzzleRecord puzzle;
    const TTransferReport report = ImportOtherPuzzle(from, into, QByteArray(), puzzle);
    if (!report) {
        if (QFile::exists(into))
            __builtin_trap();
        return;
    }
    TPuzzleRecord stored;
    if (RecordCount(into) != 1 || !ReadPuzzle(into, 0, stored) || !(stored == puzzle))
        __builtin_trap();
    const int width = puzzle.GridWidth;
    const int height = puzzle.GridHeight;
    if (width < 1 || width > Limits::GridSide || height < 1 || height > Limits::GridSide
        || puzzle.WordCount > Limits::WordSlots || puzzle.AcrossCount + puzzle.DownCount != puzzle.WordCount)
        __builtin_trap();
    for (int s = 0; s < puzzle.WordCount; ++s) {
        const QByteArray word = puzzle.Words[s].text();
        const bool across = puzzle.Direction[s] == WordDirection::Across;
        const int row = (puzzle.StartCell[s] - 1) / Limits::GridSide;
        const int column = (puzzle.StartCell[s] - 1) % Limits::GridSide;
        if (puzzle.LetterCount[s] != word.size() || word.isEmpty() || (across ? column + word.size() > width : column >= width)
            || (across ? row >= height : row + word.size() > height))
            __builtin_trap();
        for (int k = 0; k < word.size(); ++k) {
            const std::uint8_t cell = puzzle.Grid[std::size_t(puzzle.StartCell[s] - 1 + k * (across ? 1 : Limits::GridSide))];
            if (cell != std::uint8_t(word[k]) || cell == 0 || cell == ' ')
                __builtin_trap();
        }
    }
}

} // namespace FuzzImport
