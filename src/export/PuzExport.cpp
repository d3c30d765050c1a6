#include "export/PuzExport.h"

#include "export/SolvingPuzzle.h"
#include "store/Ansi.h"
#include "store/RecordFile.h"

#include <QtEndian>
#include <algorithm>
#include <vector>

namespace PuzExport {

namespace {

// Header offsets and values of a version 1.3 file.
constexpr int HeaderSize = 0x34;
constexpr int FileMagicOffset = 0x02;
constexpr int CibChecksumOffset = 0x0E;
constexpr int MaskedLowOffset = 0x10;
constexpr int MaskedHighOffset = 0x14;
constexpr int VersionOffset = 0x18;
constexpr int CibOffset = 0x2C;
constexpr int CibSize = 8;
constexpr int ClueCountOffset = 0x2E;
constexpr int PuzzleTypeOffset = 0x30;
constexpr quint16 NormalPuzzle = 0x0001;
constexpr char BlackSquare = '.';
constexpr char EmptySquare = '-';
/** Characters the masked checksums are XORed with, low bytes then high bytes. */
constexpr char MaskLow[] = "ICHE";
constexpr char MaskHigh[] = "ATED";

const QString CannotBeSaved = QStringLiteral("The puzzle cannot be saved as an Across Lite file: ");

// Windows-1252 puts letters and signs at 0x80..0x9F, where ISO-8859-1, the format's character set,
// has control characters: other readers show them wrongly or drop them.
bool beyondLatin1(std::uint8_t c)
{
    return c >= 0x80 && c <= 0x9F;
}

// A letter byte the format can hold: a printable ISO-8859-1 character other than the black-square mark.
bool puzLetter(std::uint8_t c)
{
    return c > ' ' && c != 0x7F && c != std::uint8_t(BlackSquare) && !beyondLatin1(c);
}

/**
 * Texts (title, clues, notes) keep what ISO-8859-1 can hold; the Windows-1252 characters beyond it
 * are written as their nearest plain spelling: Œ as OE, š as s, curly quotes as straight ones, a
 * dash as "-", an ellipsis as "...", € as EUR, ™ as (TM).
 */
QByteArray latin1Text(const QByteArray& text)
{
    static const char* const spelling[32] = {
        "EUR", " ", ",", "f", "\"", "...", "+", "++", "^", "%o", "S", "<", "OE", " ", "Z", " ",
        " ", "'", "'", "\"", "\"", "*", "-", "--", "~", "(TM)", "s", ">", "oe", " ", "z", "Y"};
    QByteArray plain;
    for (const char c : text)
        plain += beyondLatin1(std::uint8_t(c)) ? QByteArray(spelling[std::uint8_t(c) - 0x80]) : QByteArray(1, c);
    return plain;
}

// The word through a cell as the grid spells it, across first.
QString wordThrough(const TSolvingPuzzle& s, int index)
{
    for (const auto* list : {&s.Across, &s.Down}) {
        for (const TSolvingClue& clue : *list) {
            if (std::find(clue.Cells.begin(), clue.Cells.end(), index) == clue.Cells.end())
                continue;
            QByteArray word;
            for (const int cell : clue.Cells)
                word += char(s.Cells[std::size_t(cell)]);
            return Ansi::toUnicode(word);
        }
    }
    return {};
}

// Why a letter cannot go into the file, naming the letter, its word and its cell.
QString letterRefusal(const TSolvingPuzzle& s, int index)
{
    const std::uint8_t c = s.Cells[std::size_t(index)];
    const QString where = QStringLiteral("%1 (%2)").arg(wordThrough(s, index), s.cellName(index));
    if (beyondLatin1(c) && Ansi::toUnicode(QByteArray(1, char(c))).at(0).isPrint())
        return CannotBeSaved + QStringLiteral("the letter %1 in %2 is not in its character set (ISO-8859-1).")
                                   .arg(Ansi::toUnicode(QByteArray(1, char(c))), where);
    if (c == std::uint8_t(EmptySquare))
        return CannotBeSaved + QStringLiteral("the separator - in %1 is shown from the start, but - marks an empty "
                                              "square in this format.  Switch the dash off in the word separators "
                                              "to have it typed.").arg(where);
    return CannotBeSaved + QStringLiteral("the letter in %1 is not a character the format can hold.").arg(s.cellName(index));
}

// One word as Across Lite finds it: a run of two or more letters along a row or column.
struct Run {
    int Start;
    bool Across;
    int Length;
    int Number;
};

// The runs in the order the format lists their clues: by number, across before down.
std::vector<Run> letterRuns(const TSolvingPuzzle& s)
{
    std::vector<Run> runs;
    const auto open = [&](int row, int column) {
        return row >= 0 && row < s.Height && column >= 0 && column < s.Width && s.isLetter(row * s.Width + column);
    };
    int number = 0;
    for (int row = 0; row < s.Height; ++row) {
        for (int column = 0; column < s.Width; ++column) {
            if (!open(row, column))
                continue;
            const bool across = !open(row, column - 1) && open(row, column + 1);
            const bool down = !open(row - 1, column) && open(row + 1, column);
            if (!across && !down)
                continue;
            ++number;
            const int start = row * s.Width + column;
            if (across) {
                int length = 0;
                while (open(row, column + length))
                    ++length;
                runs.push_back({start, true, length, number});
            }
            if (down) {
                int length = 0;
                while (open(row + length, column))
                    ++length;
                runs.push_back({start, false, length, number});
            }
        }
    }
    return runs;
}

void putWord(QByteArray& bytes, int offset, quint16 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

} // namespace

quint16 checksum(QByteArrayView bytes, quint16 start)
{
    quint16 sum = start;
    for (const char c : bytes) {
        sum = (sum & 1) ? quint16((sum >> 1) + 0x8000) : quint16(sum >> 1);
        sum = quint16(sum + std::uint8_t(c));
    }
    return sum;
}

QString fileBytes(const TPuzzleRecord& puzzle, const TRenderOptions& options, QByteArray& bytes)
{
    const TSolvingPuzzle s = TSolvingPuzzle::fromRecord(puzzle, options);
    QByteArray solution;
    QByteArray blank;
    for (int i = 0; i < s.Width * s.Height; ++i) {
        const std::uint8_t c = s.Cells[std::size_t(i)];
        if (!s.isLetter(i)) {
            solution += BlackSquare;
            blank += BlackSquare;
            continue;
        }
        // A separator shown from the start goes into the player's grid as it is, which "-" cannot.
        const bool given = s.Given[std::size_t(i)];
        if (!puzLetter(c) || (given && c == std::uint8_t(EmptySquare)))
            return letterRefusal(s, i);
        solution += char(c);
        blank += given ? char(c) : EmptySquare;
    }

    // Across Lite numbers the grid itself; every run must be one printed word with the same number.
    std::vector<const TSolvingClue*> words;
    for (const auto* list : {&s.Across, &s.Down}) {
        for (const TSolvingClue& clue : *list)
            words.push_back(&clue);
    }
    QByteArrayList clues;
    for (const Run& run : letterRuns(s)) {
        const auto match = std::find_if(words.begin(), words.end(), [&](const TSolvingClue* w) {
            return w && w->Across == run.Across && !w->Cells.empty() && w->Cells.front() == run.Start
                && int(w->Cells.size()) == run.Length && w->Number == run.Number;
        });
        if (match == words.end())
            return CannotBeSaved + QStringLiteral("the word starting in %1 is not numbered or placed as Across Lite "
                                                  "would number it.").arg(s.cellName(run.Start));
        clues.append(latin1Text((*match)->Clue));
        *match = nullptr;
    }
    const auto extra = std::find_if(words.begin(), words.end(), [](const TSolvingClue* w) { return w != nullptr; });
    if (extra != words.end())
        return CannotBeSaved + QStringLiteral("the word of clue %1 is not a separate run of letters in the grid.")
                                   .arg((*extra)->Number);

    const QByteArray title = latin1Text(s.Title);
    const QByteArray notes = latin1Text(s.Category);
    bytes = QByteArray(HeaderSize, '\0');
    bytes.replace(FileMagicOffset, 12, QByteArrayView("ACROSS&DOWN\0", 12).toByteArray());
    bytes.replace(VersionOffset, 4, QByteArrayView("1.3\0", 4).toByteArray());
    bytes[CibOffset] = char(s.Width);
    bytes[CibOffset + 1] = char(s.Height);
    putWord(bytes, ClueCountOffset, quint16(clues.size()));
    putWord(bytes, PuzzleTypeOffset, NormalPuzzle);
    bytes += solution;
    bytes += blank;
    for (const QByteArray& text : {title, QByteArray(), QByteArray()})
        bytes += text + '\0';   // title, author, copyright
    for (const QByteArray& clue : clues)
        bytes += clue + '\0';
    bytes += notes + '\0';

    // The strings count in the checksums with their terminator, the clues without it, empty ones not at all.
    const auto textSum = [&](quint16 sum) {
        for (const QByteArray& text : {title, QByteArray(), QByteArray()}) {
            if (!text.isEmpty())
                sum = checksum(QByteArray(text + '\0'), sum);
        }
        for (const QByteArray& clue : clues)
            sum = checksum(clue, sum);
        if (!notes.isEmpty())
            sum = checksum(QByteArray(notes + '\0'), sum);
        return sum;
    };
    const quint16 cib = checksum(QByteArrayView(bytes).sliced(CibOffset, CibSize), 0);
    const quint16 overall = textSum(checksum(blank, checksum(solution, cib)));
    const quint16 parts[] = {cib, checksum(solution, 0), checksum(blank, 0), textSum(0)};
    putWord(bytes, 0, overall);
    putWord(bytes, CibChecksumOffset, cib);
    for (int k = 0; k < 4; ++k) {
        bytes[MaskedLowOffset + k] = char(MaskLow[k] ^ (parts[k] & 0xFF));
        bytes[MaskedHighOffset + k] = char(MaskHigh[k] ^ (parts[k] >> 8));
    }
    return {};
}

IoResult write(const TPuzzleRecord& puzzle, const TRenderOptions& options, const QString& path)
{
    QByteArray bytes;
    const QString refusal = fileBytes(puzzle, options, bytes);
    if (!refusal.isEmpty())
        return IoResult::failed(IoResult::Refused, refusal);
    return RecordFile::replaceWhole(path, bytes);
}

} // namespace PuzExport
