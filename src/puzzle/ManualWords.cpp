#include "puzzle/ManualWords.h"

#include "store/GridModel.h"
#include "store/Ansi.h"

#include <algorithm>

namespace ManualWords {

namespace {

using GridModel::ColumnOf;
using GridModel::LinearCell;
using GridModel::RowOf;

int Columns(const TPuzzleRecord& puzzle)
{
    return std::clamp<int>(puzzle.GridWidth, 0, Limits::GridSide);
}

int Rows(const TPuzzleRecord& puzzle)
{
    return std::clamp<int>(puzzle.GridHeight, 0, Limits::GridSide);
}

int WordCountOf(const TPuzzleRecord& puzzle)
{
    return std::clamp<int>(puzzle.WordCount, 0, Limits::WordSlots);
}

int AcrossCountOf(const TPuzzleRecord& puzzle)
{
    return std::clamp<int>(puzzle.AcrossCount, 0, WordCountOf(puzzle));
}

bool ValidCell(int p)
{
    return p >= 1 && p <= Limits::GridCells;
}

/** Every per-word field of one slot, moved as one. */
struct Slot {
    AnsiString<Limits::WordLength> Word;
    AnsiString<Limits::ClueLength> Clue;
    std::int16_t StartCell = 0;
    std::int16_t LetterCount = 0;
    std::int16_t ClueNumber = 0;
    std::uint8_t Direction = 0;
    std::uint8_t WordUsed = 0;
};

Slot TakeSlot(const TPuzzleRecord& puzzle, std::size_t i)
{
    return {puzzle.Words[i], puzzle.Clues[i], puzzle.StartCell[i], puzzle.LetterCount[i],
            puzzle.ClueNumber[i], puzzle.Direction[i], puzzle.WordUsed[i]};
}

void PutSlot(TPuzzleRecord& puzzle, std::size_t i, const Slot& slot)
{
    puzzle.Words[i] = slot.Word;
    puzzle.Clues[i] = slot.Clue;
    puzzle.StartCell[i] = slot.StartCell;
    puzzle.LetterCount[i] = slot.LetterCount;
    puzzle.ClueNumber[i] = slot.ClueNumber;
    puzzle.Direction[i] = slot.Direction;
    puzzle.WordUsed[i] = slot.WordUsed;
}

} // namespace

std::vector<int> ProtectedCells(const TPuzzleRecord& puzzle)
{
    const int width = Columns(puzzle);
    const int height = Rows(puzzle);
    std::vector<int> cells;
    const auto protect = [&cells](int p) {
        if (ValidCell(p))
            cells.push_back(p);
    };
    for (int i = 0; i < WordCountOf(puzzle); ++i) {
        const int k = puzzle.StartCell[std::size_t(i)];
        const int n = puzzle.LetterCount[std::size_t(i)];
        if (!ValidCell(k) || n < 1)
            continue;
        const int row = RowOf(k);
        const int column = ColumnOf(k);
        if (puzzle.Direction[std::size_t(i)] == WordDirection::Across) {
            if (column > 1)
                protect(k - 1);
            if (column + n <= width)
                protect(k + n);
        } else {
            if (row > 1)
                protect(k - Limits::GridSide);
            if (row + n <= height)
                protect(k + Limits::GridSide * n);
        }
    }
    return cells;
}

bool HoldsLetter(const TPuzzleRecord& puzzle, int p)
{
    if (!ValidCell(p))
        return false;
    const std::uint8_t cell = GridModel::Cell(puzzle.Grid, p);
    return cell != 0 && cell != ' ';
}

std::vector<WordStart> FindWordStarts(const TPuzzleRecord& puzzle)
{
    const int width = Columns(puzzle);
    const int height = Rows(puzzle);
    std::vector<WordStart> starts;
    for (int r = 1; r <= height; ++r) {
        for (int c = 1; c <= width; ++c) {
            const int p = LinearCell(r, c);
            if (!HoldsLetter(puzzle, p))
                continue;
            if (c < width && HoldsLetter(puzzle, p + 1) && (c == 1 || !HoldsLetter(puzzle, p - 1)))
                starts.push_back({p, true});
            if (r < height && HoldsLetter(puzzle, p + Limits::GridSide)
                && (r == 1 || !HoldsLetter(puzzle, p - Limits::GridSide)))
                starts.push_back({p, false});
        }
    }
    return starts;
}

bool IsExistingStart(const TPuzzleRecord& puzzle, const WordStart& start)
{
    const int across = AcrossCountOf(puzzle);
    const int first = start.Across ? 0 : across;
    const int last = start.Across ? across : WordCountOf(puzzle);
    for (int i = first; i < last; ++i)
        if (puzzle.StartCell[std::size_t(i)] == start.Cell)
            return true;
    return false;
}

std::vector<WordStart> NewWordStarts(const TPuzzleRecord& puzzle)
{
    std::vector<WordStart> fresh;
    for (const WordStart& start : FindWordStarts(puzzle))
        if (!IsExistingStart(puzzle, start))
            fresh.push_back(start);
    return fresh;
}

QByteArray ReadWord(const TPuzzleRecord& puzzle, const WordStart& start)
{
    QByteArray word;
    if (!ValidCell(start.Cell))
        return word;
    int row = RowOf(start.Cell);
    int column = ColumnOf(start.Cell);
    while (row <= Rows(puzzle) && column <= Columns(puzzle)) {
        const int p = LinearCell(row, column);
        if (!HoldsLetter(puzzle, p))
            break;
        word.append(char(GridModel::Cell(puzzle.Grid, p)));
        (start.Across ? column : row) += 1;
    }
    return word;
}

QByteArray ApplyCase(QByteArrayView word, int letterCase)
{
    QByteArray result(word.data(), word.size());
    if (letterCase == UpperCase) {
        for (char& ch : result)
            if (ch >= 'a' && ch <= 'z')
                ch = char(ch - 'a' + 'A');
        return result;
    }
    for (char& ch : result)
        if (ch >= 'A' && ch <= 'Z')
            ch = char(ch - 'A' + 'a');
    if (letterCase != LowerCase && !result.isEmpty())
        result[0] = char(Ansi::UpCaseLatin1(std::uint8_t(result[0])));
    return result;
}

char LetterFromText(QChar first)
{
    const char16_t ch = first.unicode();
    if (ch >= u'a' && ch <= u'z')
        return char(ch - u'a' + 'A');
    if (ch >= u'A' && ch <= u'Z')
        return char(ch);
    return 0;
}

int SlotsInUse(const TPuzzleRecord& puzzle)
{
    int used = WordCountOf(puzzle);
    for (int i = Limits::WordSlots; i > used; --i) {
        if (!puzzle.Words[std::size_t(i - 1)].isEmpty())
            return i;
    }
    return used;
}

int LeftOversDropped(const TPuzzleRecord& puzzle, int newWords)
{
    const int room = Limits::WordSlots - WordCountOf(puzzle) - std::max(newWords, 0);
    const int keptAfter = SlotsInUse(puzzle) - WordCountOf(puzzle);
    return std::clamp(keptAfter - room, 0, keptAfter);
}

bool AddWord(TPuzzleRecord& puzzle, const WordStart& start, QByteArrayView word, int letterCount, QByteArrayView clue)
{
    if (WordCountOf(puzzle) >= Limits::WordSlots)
        return false;
    const std::size_t n = std::size_t(WordCountOf(puzzle));
    for (std::size_t i = std::size_t(Limits::WordSlots) - 1; i > n; --i)
        PutSlot(puzzle, i, TakeSlot(puzzle, i - 1));
    Slot slot;
    slot.Word.setText(word);
    slot.Clue.setText(Ansi::trimSpaces(clue));
    slot.StartCell = std::int16_t(start.Cell);
    slot.LetterCount = std::int16_t(letterCount);
    slot.Direction = start.Across ? WordDirection::Across : WordDirection::Down;
    slot.WordUsed = 1;
    PutSlot(puzzle, n, slot);
    puzzle.WordCount = std::int16_t(n + 1);
    return true;
}

void Renumber(TPuzzleRecord& puzzle)
{
    const std::size_t count = std::size_t(WordCountOf(puzzle));
    std::vector<Slot> entries;
    entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        entries.push_back(TakeSlot(puzzle, i));

    std::stable_sort(entries.begin(), entries.end(), [](const Slot& a, const Slot& b) { return a.StartCell < b.StartCell; });
    int number = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i == 0 || entries[i].StartCell != entries[i - 1].StartCell)
            ++number;
        entries[i].ClueNumber = std::int16_t(number);
    }
    const auto downStart = std::stable_partition(entries.begin(), entries.end(),
                                                 [](const Slot& s) { return s.Direction == WordDirection::Across; });
    const auto byNumber = [](const Slot& a, const Slot& b) { return a.ClueNumber < b.ClueNumber; };
    std::stable_sort(entries.begin(), downStart, byNumber);
    std::stable_sort(downStart, entries.end(), byNumber);

    puzzle.AcrossCount = std::int16_t(downStart - entries.begin());
    puzzle.DownCount = std::int16_t(entries.end() - downStart);
    for (std::size_t i = 0; i < entries.size(); ++i)
        PutSlot(puzzle, i, entries[i]);
}

} // namespace ManualWords
