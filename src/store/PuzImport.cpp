#include "store/PuzImport.h"

#include "store/Ansi.h"
#include "store/PuzFormat.h"

#include <QStringDecoder>
#include <QtEndian>
#include <algorithm>

namespace PuzImport {

namespace {

using namespace PuzFormat;

constexpr char DiagramlessBlock = ':';
/** An extra section: a 4-letter name, its data length, its checksum, the data and a NUL. */
constexpr qsizetype SectionHeaderSize = 8;

quint16 wordAt(QByteArrayView bytes, qsizetype offset)
{
    return qFromLittleEndian<quint16>(bytes.data() + offset);
}

QString broken(const QString& what)
{
    return ImportedPuzzle::Refusal(QStringLiteral("the Across Lite file is damaged (%1).").arg(what));
}

// The version as tens and units ("1.3" as 13), or -1 when it is not a version number.
int versionOf(QByteArrayView field)
{
    const auto digit = [&](int i) { return field[i] >= '0' && field[i] <= '9'; };
    if (!digit(0) || field[1] != '.' || !digit(2))
        return -1;
    return (field[0] - '0') * 10 + (field[2] - '0');
}

// A name of an extra section: four letters or digits.
bool sectionName(QByteArrayView name)
{
    return std::all_of(name.begin(), name.end(), [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); });
}

} // namespace

QString Read(const QByteArray& bytes, TImportedPuzzle& puzzle)
{
    const qsizetype magic = bytes.indexOf(FileMagic);
    if (magic < FileMagicOffset)
        return broken(QStringLiteral("no header"));
    const QByteArrayView file = QByteArrayView(bytes).sliced(magic - FileMagicOffset);
    if (file.size() < HeaderSize)
        return broken(QStringLiteral("it ends inside its header"));
    const int version = versionOf(file.sliced(VersionOffset, 4));
    if (version < 12 || version > 20)
        return ImportedPuzzle::Refusal(QStringLiteral("it is an Across Lite file of version \"%1\", and only versions "
                                                      "1.2 to 2.0 are read.")
                                           .arg(QString::fromLatin1(file.sliced(VersionOffset, 3).toByteArray())));
    const int width = std::uint8_t(file[CibOffset]);
    const int height = std::uint8_t(file[CibOffset + 1]);
    const int clueCount = wordAt(file, ClueCountOffset);
    if (width < 1 || height < 1)
        return broken(QStringLiteral("a grid of %1 x %2 squares").arg(width).arg(height));
    if (wordAt(file, ScrambledOffset) != 0)
        return ImportedPuzzle::Refusal(QStringLiteral("its solution is scrambled (a locked Across Lite file).  Unlock "
                                                      "it in the program that made it and import it again."));
    if (wordAt(file, PuzzleTypeOffset) & DiagramlessType)
        return ImportedPuzzle::Refusal(QStringLiteral("it is a diagramless puzzle, which has no grid to print."));
    if (width > Limits::GridSide || height > Limits::GridSide)
        return ImportedPuzzle::TooLarge(width, height);

    const qsizetype cells = qsizetype(width) * height;
    if (file.size() < HeaderSize + 2 * cells)
        return broken(QStringLiteral("it ends inside its grid"));
    const QByteArrayView solution = file.sliced(HeaderSize, cells);
    const QByteArrayView playerGrid = file.sliced(HeaderSize + cells, cells);
    if (solution.contains(DiagramlessBlock))
        return ImportedPuzzle::Refusal(QStringLiteral("it is a diagramless puzzle, which has no grid to print."));

    // Title, author, copyright, the clues and the notes, each ended by a NUL.
    qsizetype at = HeaderSize + 2 * cells;
    std::vector<QByteArrayView> strings;
    for (int k = 0; k < 3 + clueCount + 1; ++k) {
        const qsizetype end = file.indexOf('\0', at);
        if (end < 0)
            return broken(QStringLiteral("it ends inside its texts"));
        strings.push_back(file.sliced(at, end - at));
        at = end + 1;
    }

    // The checksums: of the CIB, of everything (overall), and the four masked ones.
    const auto textSum = [&](quint16 sum) {
        for (int k = 0; k < 3; ++k) {
            if (!strings[std::size_t(k)].isEmpty())
                sum = Checksum(file.sliced(strings[std::size_t(k)].data() - file.data(), strings[std::size_t(k)].size() + 1), sum);
        }
        for (int k = 0; k < clueCount; ++k)
            sum = Checksum(strings[std::size_t(3 + k)], sum);
        const QByteArrayView notes = strings.back();
        if (version >= 13 && !notes.isEmpty())
            sum = Checksum(file.sliced(notes.data() - file.data(), notes.size() + 1), sum);
        return sum;
    };
    const quint16 cib = Checksum(file.sliced(CibOffset, CibSize), 0);
    const quint16 parts[] = {cib, Checksum(solution, 0), Checksum(playerGrid, 0), textSum(0)};
    bool sumsHold = wordAt(file, CibChecksumOffset) == cib
        && wordAt(file, 0) == textSum(Checksum(playerGrid, Checksum(solution, cib)));
    for (int k = 0; k < 4; ++k) {
        sumsHold = sumsHold && std::uint8_t(file[MaskedLowOffset + k]) == std::uint8_t(MaskLow[k] ^ (parts[k] & 0xFF))
            && std::uint8_t(file[MaskedHighOffset + k]) == std::uint8_t(MaskHigh[k] ^ (parts[k] >> 8));
    }
    if (!sumsHold)
        return broken(QStringLiteral("its checksums do not match its contents"));

    // Extra sections: a rebus marks its squares in GRBS; the others (timer, circles, the solver's
    // rebus entries) do not change the puzzle.
    while (file.size() - at >= SectionHeaderSize && sectionName(file.sliced(at, 4))) {
        const QByteArrayView name = file.sliced(at, 4);
        const qsizetype length = wordAt(file, at + 4);
        if (file.size() - at < SectionHeaderSize + length + 1)
            return broken(QStringLiteral("it ends inside its %1 section").arg(QString::fromLatin1(name.toByteArray())));
        if (name == "GRBS") {
            const QByteArrayView marks = file.sliced(at + SectionHeaderSize, length);
            const auto rebus = std::find_if(marks.begin(), marks.end(), [](char c) { return c != 0; });
            if (rebus != marks.end()) {
                const int square = int(rebus - marks.begin());
                return ImportedPuzzle::RebusSquare(square / width, square % width);
            }
        }
        at += SectionHeaderSize + length + 1;
    }

    // Version 2.0 declares its texts UTF-8; earlier ones ISO-8859-1, which real files extend as Windows-1252.
    const auto text = [&](QByteArrayView raw) {
        if (version >= 20) {
            QStringDecoder utf8(QStringDecoder::Utf8);
            return QString(utf8.decode(raw));
        }
        return Ansi::toUnicode(raw);
    };
    puzzle = TImportedPuzzle{};
    puzzle.Width = width;
    puzzle.Height = height;
    puzzle.Title = text(strings[0]);
    puzzle.Cells.resize(std::size_t(cells));
    for (qsizetype i = 0; i < cells; ++i) {
        if (solution[i] != BlackSquare)
            puzzle.Cells[std::size_t(i)] = Ansi::toUnicode(solution.sliced(i, 1));
    }
    const std::vector<ImportedPuzzle::TRun> runs = ImportedPuzzle::LetterRuns(puzzle);
    if (int(runs.size()) != clueCount)
        return broken(QStringLiteral("%1 clues for the %2 words of its grid").arg(clueCount).arg(runs.size()));
    for (std::size_t k = 0; k < runs.size(); ++k) {
        const ImportedPuzzle::TRun& run = runs[k];
        puzzle.Words.push_back({run.Row, run.Column, run.Across, run.Length, text(strings[3 + k])});
    }
    return {};
}

} // namespace PuzImport
