#include "cli/CliCommands.h"
#include "cli/CliOutput.h"

#include "store/Collection.h"
#include "store/Limits.h"

#include <QFileInfo>
#include <algorithm>

namespace {

QString gridRow(const TPuzzleRecord& puzzle, int row, int width)
{
    QString text;
    for (int c = 1; c <= width; ++c) {
        const std::uint8_t cell = puzzle.Grid[std::size_t((row - 1) * Limits::GridSide + c - 1)];
        if (cell == 0)
            text += QLatin1Char('.');
        else if (cell == ' ')
            text += QLatin1Char('#');
        else
            text += CliOutput::ansi(QByteArray(1, char(cell)));
    }
    return text;
}

void printWords(const TPuzzleRecord& puzzle, int from, int to)
{
    for (int i = from; i <= to; ++i) {
        const auto slot = std::size_t(i - 1);
        CliOutput::line(QStringLiteral("  %1. %2 - %3")
                            .arg(puzzle.ClueNumber[slot])
                            .arg(CliOutput::ansi(puzzle.Words[slot].text()),
                                 CliOutput::ansi(puzzle.Clues[slot].text())));
    }
}

int RunList(const CliArguments& args)
{
    if (args.positional.size() != 1)
        return CliOutput::fail(QStringLiteral("usage: quorvex-cli list COLLECTION.QV3"));
    const QString path = args.positional.first();
    if (!QFileInfo(path).isFile())
        return CliOutput::fail(QStringLiteral("cannot open %1").arg(path));
    IoResult result;
    const CollectionIndex index = ListCollection(path, &result);
    if (!result)
        return CliOutput::fail(QStringLiteral("cannot read %1: %2").arg(path, result.systemError));
    // A shape, layout or text file given by mistake is shorter than one record: say so rather than
    // only that it holds no puzzles. The collection itself ignores a trailing partial record.
    const qint64 leftOver = QFileInfo(path).size() % qint64(Limits::PuzzleRecordSize);
    if (leftOver != 0)
        CliOutput::warning(QStringLiteral("warning: the last %1 bytes of %2 are not a whole puzzle record and are "
                                          "left out; is it a puzzle collection?")
                               .arg(leftOver)
                               .arg(path));
    if (index.TotalRecords == 0) {
        CliOutput::line(QStringLiteral("%1 holds no puzzles").arg(path));
        return 0;
    }
    for (std::size_t c = 0; c < index.Categories.size(); ++c) {
        CliOutput::line(CliOutput::ansi(index.Categories[c]));
        for (const CollectionEntry& entry : index.Entries) {
            if (entry.categoryIndex() == int(c))
                CliOutput::line(QStringLiteral("  %1  %2").arg(entry.recordNumber()).arg(CliOutput::ansi(entry.Title)));
        }
    }
    if (index.isTruncated())
        CliOutput::line(QStringLiteral("(only the first %1 of %2 records are listed)")
                            .arg(index.Entries.size()).arg(index.TotalRecords));
    return 0;
}

} // namespace

const CliCommand ListCommand{"list", RunList, {}};

namespace {

int RunShow(const CliArguments& args)
{
    if (args.positional.size() != 1 || !args.has(QStringLiteral("record")))
        return CliOutput::fail(QStringLiteral("usage: quorvex-cli show COLLECTION.QV3 --record N"));
    TPuzzleRecord puzzle;
    const int status = ReadRecordArgument(args, puzzle);
    if (status != 0)
        return status;
    CliOutput::line(QStringLiteral("Title: ") + CliOutput::ansi(puzzle.Title.text()));
    CliOutput::line(QStringLiteral("Category: ") + CliOutput::ansi(puzzle.Category.text()));
    if (!puzzle.BonusQuestion.isEmpty())
        CliOutput::line(QStringLiteral("Bonus question: ") + CliOutput::ansi(puzzle.BonusQuestion.text()));
    if (puzzle.Generated != 1) {
        CliOutput::line(QStringLiteral("Not constructed yet. Words:"));
        const int count = std::clamp<int>(puzzle.WordCount, 0, Limits::WordSlots);
        for (int i = 1; i <= count; ++i)
            CliOutput::line(QStringLiteral("  ") + CliOutput::ansi(puzzle.Words[std::size_t(i - 1)].text()));
        return 0;
    }
    const int width = std::clamp<int>(puzzle.GridWidth, 1, Limits::GridSide);
    const int height = std::clamp<int>(puzzle.GridHeight, 1, Limits::GridSide);
    CliOutput::line(QStringLiteral("Grid %1 x %2").arg(width).arg(height));
    for (int r = 1; r <= height; ++r)
        CliOutput::line(QStringLiteral("  ") + gridRow(puzzle, r, width));
    const int across = std::clamp<int>(puzzle.AcrossCount, 0, Limits::WordSlots);
    const int down = std::clamp<int>(puzzle.DownCount, 0, Limits::WordSlots - across);
    CliOutput::line(QStringLiteral("Across"));
    printWords(puzzle, 1, across);
    CliOutput::line(QStringLiteral("Down"));
    printWords(puzzle, across + 1, across + down);
    QStringList unplaced;
    for (int i = across + down + 1; i <= Limits::WordSlots; ++i) {
        const auto& word = puzzle.Words[std::size_t(i - 1)];
        if (!word.isEmpty())
            unplaced.append(CliOutput::ansi(word.text()));
    }
    if (!unplaced.isEmpty())
        CliOutput::line(QStringLiteral("Not placed: ") + unplaced.join(QStringLiteral(", ")));
    return 0;
}

} // namespace

const CliCommand ShowCommand{"show", RunShow, {
    {"record"},
}};

