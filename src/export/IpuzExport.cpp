#include "export/IpuzExport.h"

#include "export/SolvingPuzzle.h"
#include "store/Ansi.h"
#include "store/RecordFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace IpuzExport {

namespace {

// The block character; a grid that holds "#" as a separator letter takes the first free one of these.
QString blockMarker(const TSolvingPuzzle& s)
{
    for (const char candidate : {'#', '@', '%', '~', '^'}) {
        if (std::find(s.Cells.begin(), s.Cells.end(), std::uint8_t(candidate)) == s.Cells.end())
            return QString(QLatin1Char(candidate));
    }
    return QStringLiteral("\u25A0");
}

QString letterOf(std::uint8_t c)
{
    return Ansi::toUnicode(QByteArray(1, char(c)));
}

// iPUZ readers show titles, notes and clues as HTML: "<", ">" and "&" go as entities.
QString htmlText(const QByteArray& text)
{
    QString html;
    for (const QChar c : Ansi::toUnicode(text)) {
        if (c == QLatin1Char('<'))
            html += QStringLiteral("&lt;");
        else if (c == QLatin1Char('>'))
            html += QStringLiteral("&gt;");
        else if (c == QLatin1Char('&'))
            html += QStringLiteral("&amp;");
        else
            html += c;
    }
    return html;
}

// A clue as [number, text], or as an object when it carries the word's lengths or its squares.
// Squares are [column, row] from [1, 1] at the top left.
QJsonArray clueList(const std::vector<TSolvingClue>& clues, bool wordLengths, bool withCells, int width)
{
    QJsonArray list;
    for (const TSolvingClue& clue : clues) {
        const bool lengths = wordLengths && !clue.Enumeration.isEmpty();
        if (!lengths && !withCells) {
            list.append(QJsonArray{clue.Number, htmlText(clue.Clue)});
            continue;
        }
        QJsonObject item{{QStringLiteral("number"), clue.Number}, {QStringLiteral("clue"), htmlText(clue.Clue)}};
        if (lengths)
            item.insert(QStringLiteral("enumeration"), QString::fromLatin1(clue.Enumeration));
        if (withCells) {
            QJsonArray cells;
            for (const int cell : clue.Cells)
                cells.append(QJsonArray{cell % width + 1, cell / width + 1});
            item.insert(QStringLiteral("cells"), cells);
        }
        list.append(item);
    }
    return list;
}

} // namespace

QByteArray documentBytes(const TPuzzleRecord& puzzle, const TRenderOptions& options, const TSolvingOptions& solving)
{
    const TSolvingPuzzle s = TSolvingPuzzle::fromRecord(puzzle, options);
    const QString block = blockMarker(s);
    // Runs of letters cannot tell where a word inside another lies: every clue then names its squares.
    const bool withCells = !s.nestedWords().empty();
    QJsonArray grid;
    QJsonArray solution;
    for (int row = 0; row < s.Height; ++row) {
        QJsonArray gridRow;
        QJsonArray solutionRow;
        for (int column = 0; column < s.Width; ++column) {
            const auto i = std::size_t(row * s.Width + column);
            const std::uint8_t c = s.Cells[i];
            if (c == TSolvingPuzzle::Outside) {
                gridRow.append(QJsonValue::Null);
                solutionRow.append(QJsonValue::Null);
            } else if (c == TSolvingPuzzle::Block) {
                gridRow.append(block);
                solutionRow.append(block);
            } else {
                if (s.Given[i])
                    gridRow.append(QJsonObject{{QStringLiteral("cell"), s.Numbers[i]}, {QStringLiteral("value"), letterOf(c)}});
                else
                    gridRow.append(s.Numbers[i]);
                solutionRow.append(letterOf(c));
            }
        }
        grid.append(gridRow);
        solution.append(solutionRow);
    }

    QJsonObject document{
        {QStringLiteral("version"), QStringLiteral("http://ipuz.org/v2")},
        {QStringLiteral("kind"), QJsonArray{QStringLiteral("http://ipuz.org/crossword#1")}},
        {QStringLiteral("title"), htmlText(s.Title)},
        {QStringLiteral("dimensions"), QJsonObject{{QStringLiteral("width"), s.Width}, {QStringLiteral("height"), s.Height}}},
        {QStringLiteral("block"), block},
        {QStringLiteral("empty"), 0},
        {QStringLiteral("puzzle"), grid},
        {QStringLiteral("solution"), solution},
        {QStringLiteral("clues"),
         QJsonObject{{QStringLiteral("Across"), clueList(s.Across, solving.WordLengths, withCells, s.Width)},
                     {QStringLiteral("Down"), clueList(s.Down, solving.WordLengths, withCells, s.Width)}}},
    };
    if (!s.Category.isEmpty())
        document.insert(QStringLiteral("notes"), htmlText(s.Category));
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

QString nestedWarning(const TPuzzleRecord& puzzle, const TRenderOptions& options)
{
    const TSolvingPuzzle s = TSolvingPuzzle::fromRecord(puzzle, options);
    const std::vector<TNestedWord> nested = s.nestedWords();
    if (nested.empty())
        return {};
    return QStringLiteral("%1.  The iPUZ file gives each clue its squares, but readers that number the grid by its "
                          "runs of letters will put the clue of the inner word on the wrong word.")
        .arg(s.describe(nested.front()));
}

QString refusal(const TPuzzleRecord& puzzle, const TRenderOptions& options)
{
    // A solution square must hold a printable character: a control character would reach the
    // solver's file as an invisible answer no one can type.
    const TSolvingPuzzle s = TSolvingPuzzle::fromRecord(puzzle, options);
    for (int i = 0; i < int(s.Cells.size()); ++i) {
        if (s.isLetter(i) && !letterOf(s.Cells[std::size_t(i)]).at(0).isPrint())
            return QStringLiteral("The puzzle cannot be saved as an iPUZ file: the letter in %1 is not a character the "
                                  "format can hold.")
                .arg(s.cellName(i));
    }
    return {};
}

IoResult write(const TPuzzleRecord& puzzle, const TRenderOptions& options, const TSolvingOptions& solving,
               const QString& path)
{
    if (const QString refused = refusal(puzzle, options); !refused.isEmpty())
        return IoResult::failed(IoResult::Refused, refused);
    return RecordFile::replaceWhole(path, documentBytes(puzzle, options, solving));
}

} // namespace IpuzExport
