#include "export/SolvingPuzzle.h"

#include "render/PrintedSlots.h"
#include "store/GridModel.h"
#include "store/Ansi.h"

#include <algorithm>

namespace {

// The cells of the word in a slot, stopping at the edge of the grid; none when its start cell lies outside.
std::vector<int> wordCells(const TPuzzleRecord& puzzle, std::size_t i, int width, int height)
{
    std::vector<int> cells;
    const int start = puzzle.StartCell[i];
    if (start < 1 || start > Limits::GridCells)
        return cells;
    int row = GridModel::RowOf(start) - 1;
    int column = GridModel::ColumnOf(start) - 1;
    const bool across = puzzle.Direction[i] == WordDirection::Across;
    const int length = std::clamp<int>(puzzle.LetterCount[i], 0, Limits::GridSide);
    for (int k = 0; k < length && row < height && column < width; ++k) {
        cells.push_back(row * width + column);
        (across ? column : row) += 1;
    }
    return cells;
}

} // namespace

QByteArray TSolvingPuzzle::enumerationOf(QByteArrayView typedWord, const TRenderOptions& options)
{
    QByteArray lengths;
    int letters = 0;
    char pending = 0;   // the separator met since the last letter: ',' for spaces, else the separator, which wins
    bool parts = false;
    for (const char c : typedWord) {
        if (c == ' ' || c == '-' || options.isSeparator(Ansi::UpCaseLatin1(std::uint8_t(c)))) {
            if (letters > 0 && (pending == 0 || pending == ','))
                pending = c == ' ' ? ',' : c;
            continue;
        }
        if (pending != 0 && letters > 0) {
            lengths += QByteArray::number(letters) + pending;
            letters = 0;
            parts = true;
        }
        pending = 0;
        ++letters;
    }
    if (!parts)
        return {};
    return lengths + QByteArray::number(letters);
}

QString TSolvingPuzzle::cellName(int index) const
{
    return QStringLiteral("row %1, column %2").arg(index / Width + 1).arg(index % Width + 1);
}

TSolvingPuzzle TSolvingPuzzle::fromRecord(const TPuzzleRecord& puzzle, const TRenderOptions& options)
{
    TSolvingPuzzle s;
    s.Width = std::clamp<int>(puzzle.GridWidth, 1, Limits::GridSide);
    s.Height = std::clamp<int>(puzzle.GridHeight, 1, Limits::GridSide);
    s.Title = Ansi::plainBytes(puzzle.Title.text());
    s.Category = Ansi::plainBytes(puzzle.Category.text());
    s.AcrossHeading = Ansi::plainBytes(options.AcrossHeading);
    s.DownHeading = Ansi::plainBytes(options.DownHeading);
    const std::size_t size = std::size_t(s.Width * s.Height);
    s.Cells.resize(size);
    s.Numbers.assign(size, 0);
    s.Given.assign(size, false);
    for (int row = 0; row < s.Height; ++row) {
        for (int column = 0; column < s.Width; ++column)
            s.Cells[std::size_t(row * s.Width + column)] = GridModel::Cell(puzzle.Grid, GridModel::LinearCell(row + 1, column + 1));
    }

    const TPrintedSlots printed = PrintedSlots(puzzle);
    for (int slot = 1; slot <= printed.Print; ++slot) {
        const auto i = std::size_t(slot - 1);
        TSolvingClue clue{slot, puzzle.ClueNumber[i], slot <= printed.Across, Ansi::plainBytes(puzzle.Clues[i].text()),
                          enumerationOf(puzzle.Words[i].text(), options), wordCells(puzzle, i, s.Width, s.Height)};
        if (!clue.Cells.empty() && clue.Number > 0)
            s.Numbers[std::size_t(clue.Cells.front())] = clue.Number;
        for (const int cell : clue.Cells) {
            if (s.isLetter(cell) && options.isSeparator(s.Cells[std::size_t(cell)]))
                s.Given[std::size_t(cell)] = true;
        }
        (clue.Across ? s.Across : s.Down).push_back(std::move(clue));
    }
    return s;
}

std::vector<TNestedWord> TSolvingPuzzle::nestedWords() const
{
    std::vector<TNestedWord> nested;
    for (const auto* list : {&Across, &Down}) {
        for (const TSolvingClue& inner : *list) {
            for (const TSolvingClue& outer : *list) {
                // Of two words on the same squares, the later one lies on the earlier.
                const bool same = inner.Cells == outer.Cells;
                if (&inner == &outer || inner.Cells.empty() || (same && &outer > &inner))
                    continue;
                // Both run along one line the same way: holding the inner word's ends is holding it all.
                const auto holds = [&](int cell) {
                    return std::find(outer.Cells.begin(), outer.Cells.end(), cell) != outer.Cells.end();
                };
                if (holds(inner.Cells.front()) && holds(inner.Cells.back())) {
                    nested.push_back({&inner, &outer});
                    break;
                }
            }
        }
    }
    return nested;
}

QString TSolvingPuzzle::spelling(const TSolvingClue& clue) const
{
    QByteArray word;
    for (const int cell : clue.Cells)
        word += char(Cells[std::size_t(cell)]);
    return Ansi::toUnicode(word);
}

QString TSolvingPuzzle::describe(const TNestedWord& nested) const
{
    const QString verb = nested.Inner->Cells == nested.Outer->Cells ? QStringLiteral("lies on the same squares as")
                                                                     : QStringLiteral("lies inside");
    return QStringLiteral("%1 (%2) %3 %4")
        .arg(spelling(*nested.Inner), cellName(nested.Inner->Cells.front()), verb, spelling(*nested.Outer));
}
