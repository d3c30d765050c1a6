#include "export/SolverPageExport.h"

#include "export/SolverPageAssets.h"
#include "export/SolvingPuzzle.h"
#include "store/Ansi.h"
#include "store/RecordFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace SolverPageExport {

namespace {

QJsonArray clueList(const std::vector<TSolvingClue>& clues, bool wordLengths)
{
    QJsonArray list;
    for (const TSolvingClue& clue : clues) {
        QJsonArray cells;
        for (const int cell : clue.Cells)
            cells.append(cell);
        QJsonObject item{{QStringLiteral("number"), clue.Number},
                         {QStringLiteral("clue"), Ansi::toUnicode(clue.Clue)},
                         {QStringLiteral("cells"), cells}};
        if (wordLengths && !clue.Enumeration.isEmpty())
            item.insert(QStringLiteral("enumeration"), QString::fromLatin1(clue.Enumeration));
        list.append(item);
    }
    return list;
}

// The puzzle as the page's script reads it: grid cells are null (outside the shape), 0 (block) or the letter.
QByteArray puzzleData(const TSolvingPuzzle& s, const TSolvingOptions& solving)
{
    QJsonArray grid;
    QJsonArray numbers;
    QJsonArray given;
    for (int i = 0; i < s.Width * s.Height; ++i) {
        const std::uint8_t c = s.Cells[std::size_t(i)];
        if (c == TSolvingPuzzle::Outside)
            grid.append(QJsonValue::Null);
        else if (c == TSolvingPuzzle::Block)
            grid.append(0);
        else
            grid.append(Ansi::toUnicode(QByteArray(1, char(c))));
        numbers.append(s.Numbers[std::size_t(i)]);
        if (s.Given[std::size_t(i)])
            given.append(i);
    }
    const QJsonObject data{
        {QStringLiteral("width"), s.Width},
        {QStringLiteral("height"), s.Height},
        {QStringLiteral("title"), Ansi::toUnicode(s.Title)},
        {QStringLiteral("category"), Ansi::toUnicode(s.Category)},
        {QStringLiteral("acrossHeading"), Ansi::toUnicode(s.AcrossHeading)},
        {QStringLiteral("downHeading"), Ansi::toUnicode(s.DownHeading)},
        {QStringLiteral("grid"), grid},
        {QStringLiteral("numbers"), numbers},
        {QStringLiteral("given"), given},
        {QStringLiteral("across"), clueList(s.Across, solving.WordLengths)},
        {QStringLiteral("down"), clueList(s.Down, solving.WordLengths)},
        {QStringLiteral("timer"), solving.Timer},
    };
    // "<" only occurs inside JSON strings, where its escape keeps "</script>" out of the page.
    return QJsonDocument(data).toJson(QJsonDocument::Compact).replace("<", "\\u003c");
}

/** The page's lang attribute for a spelling language code; any other code gives American English. */
const char* languageTag(int code)
{
    static const char* const tags[] = {"en-US", "en-GB", "es", "it", "fr", "de", "nl", "sv"};
    return code >= 1 && code <= 8 ? tags[code - 1] : tags[0];
}

} // namespace

QByteArray pageBytes(const TPuzzleRecord& puzzle, const TRenderOptions& options, const TSolvingOptions& solving)
{
    const TSolvingPuzzle s = TSolvingPuzzle::fromRecord(puzzle, options);
    const QByteArray title = Ansi::toUnicode(s.Title).toHtmlEscaped().toUtf8();
    QByteArray page;
    page += "<!DOCTYPE html>\n<html lang=\"";
    page += languageTag(solving.Language);
    page += "\" data-solved=\"no\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1, interactive-widget=resizes-content\">\n"
            "<meta name=\"generator\" content=\"Quorvex\">\n<title>";
    page += title;
    page += "</title>\n<style>\n";
    page += SolverPageAssets::style();
    page += "</style>\n</head>\n<body>\n";
    page += SolverPageAssets::body();
    page += "<script type=\"application/json\" id=\"puzzle-data\">";
    page += puzzleData(s, solving);
    page += "</script>\n<script>\n";
    page += SolverPageAssets::script();
    page += "</script>\n</body>\n</html>\n";
    return page;
}

IoResult write(const TPuzzleRecord& puzzle, const TRenderOptions& options, const TSolvingOptions& solving,
               const QString& path)
{
    return RecordFile::replaceWhole(path, pageBytes(puzzle, options, solving));
}

} // namespace SolverPageExport
