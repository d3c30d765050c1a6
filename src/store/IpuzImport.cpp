#include "store/IpuzImport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QHash>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace IpuzImport {

namespace {

using ImportedPuzzle::Refusal;
using ImportedPuzzle::SquareName;

QString broken(const QString& what)
{
    return Refusal(QStringLiteral("the iPUZ file does not hold a crossword as the format describes (%1).").arg(what));
}

// The JSON text of the file: after a byte-order mark, and inside "ipuz(" ... ")" when wrapped.
std::optional<QByteArray> jsonOf(const QByteArray& bytes)
{
    QByteArrayView text = bytes;
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    text = text.trimmed();
    if (!text.startsWith("ipuz("))
        return text.toByteArray();
    text = text.sliced(5).trimmed();
    if (text.endsWith(';'))
        text = text.chopped(1).trimmed();
    if (!text.endsWith(')'))
        return std::nullopt;
    return text.chopped(1).toByteArray();
}

// A number or a string as text, as cells and clue numbers may be either.
QString scalarText(const QJsonValue& value)
{
    if (value.isString())
        return value.toString();
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 15);
    return {};
}

// A whole number written as a number or a string, or nothing.
std::optional<int> numberOf(const QJsonValue& value)
{
    bool ok = false;
    const int n = scalarText(value).trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

// A square of the puzzle grid: whether it may hold a letter, and the number it carries (0 for none).
struct Square {
    bool Open = false;
    int Label = 0;
};

Square squareOf(const QJsonValue& cell, const QString& block)
{
    const QJsonValue value = cell.isObject() ? cell.toObject().value(QLatin1String("cell")) : cell;
    if (value.isNull())
        return {};
    if (value.isUndefined())
        return {true, 0};
    const QString text = scalarText(value);
    if (text == block || (!value.isString() && !value.isDouble()))
        return {};
    return {true, numberOf(value).value_or(0)};
}

// The letters of a square of the solution, empty for a block or none.
QString solutionOf(const QJsonValue& cell, const QString& block)
{
    const QJsonValue value = cell.isObject() ? cell.toObject().value(QLatin1String("value")) : cell;
    const QString text = scalarText(value).trimmed();
    return text == block ? QString() : text;
}

QString directionName(bool across)
{
    return across ? QStringLiteral("Across") : QStringLiteral("Down");
}

// One clue as the file gives it: its direction, number and text, and its squares when it lists them.
struct Clue {
    bool Across = true;
    std::optional<int> Number;
    QString Text;
    QJsonArray Cells;
    QString name() const
    {
        return QStringLiteral("%1 %2").arg(Number ? QString::number(*Number) : QStringLiteral("?"), directionName(Across));
    }
};

QString readClues(const QJsonObject& lists, std::vector<Clue>& clues)
{
    for (auto list = lists.begin(); list != lists.end(); ++list) {
        const QString direction = list.key().section(QLatin1Char(':'), 0, 0).trimmed();
        const bool across = direction.compare(QLatin1String("Across"), Qt::CaseInsensitive) == 0;
        if (!across && direction.compare(QLatin1String("Down"), Qt::CaseInsensitive) != 0)
            return Refusal(QStringLiteral("it has clues of the direction \"%1\", and a puzzle here has across and "
                                          "down words only.").arg(direction));
        if (!list.value().isArray())
            return broken(QStringLiteral("the %1 clues are not a list").arg(direction));
        for (const QJsonValue& entry : list.value().toArray()) {
            Clue clue;
            clue.Across = across;
            if (entry.isArray() && entry.toArray().size() >= 2) {
                clue.Number = numberOf(entry.toArray().at(0));
                clue.Text = scalarText(entry.toArray().at(1));
            } else if (entry.isObject()) {
                const QJsonObject object = entry.toObject();
                clue.Number = numberOf(object.value(QLatin1String("number")));
                clue.Text = scalarText(object.value(QLatin1String("clue")));
                clue.Cells = object.value(QLatin1String("cells")).toArray();
            }
            if (!clue.Number && clue.Cells.isEmpty())
                return broken(QStringLiteral("a clue of the %1 clues has no number").arg(direction));
            clue.Text = PlainText(clue.Text);
            clues.push_back(std::move(clue));
        }
    }
    return {};
}

// The word of a clue that lists its squares: they must be one line of letter squares.
QString wordFromCells(const TImportedPuzzle& puzzle, const Clue& clue, int base, TImportedWord& word)
{
    std::vector<std::pair<int, int>> squares;   // row, column
    for (const QJsonValue& cell : clue.Cells) {
        const QJsonArray xy = cell.toArray();
        const std::optional<int> x = numberOf(xy.at(0));
        const std::optional<int> y = numberOf(xy.at(1));
        if (xy.size() != 2 || !x || !y)
            return broken(QStringLiteral("the squares of clue %1 are not pairs of numbers").arg(clue.name()));
        squares.emplace_back(*y - base, *x - base);
    }
    word = {squares.front().first, squares.front().second, clue.Across, int(squares.size()), clue.Text};
    for (std::size_t k = 0; k < squares.size(); ++k) {
        const int row = word.Row + (clue.Across ? 0 : int(k));
        const int column = word.Column + (clue.Across ? int(k) : 0);
        if (squares[k] != std::make_pair(row, column) || !puzzle.isLetter(row, column))
            return broken(QStringLiteral("the squares of clue %1 are not a line of letter squares").arg(clue.name()));
    }
    return {};
}

// The word of a clue given by number: from the square carrying the number to the next block.
QString wordFromNumber(const TImportedPuzzle& puzzle, const std::vector<int>& labels, const Clue& clue, TImportedWord& word)
{
    const auto start = std::find(labels.begin(), labels.end(), *clue.Number);
    if (*clue.Number <= 0 || start == labels.end())
        return broken(QStringLiteral("no square carries the number of clue %1").arg(clue.name()));
    const int square = int(start - labels.begin());
    word = {square / puzzle.Width, square % puzzle.Width, clue.Across, 0, clue.Text};
    while (puzzle.isLetter(word.Row + (clue.Across ? 0 : word.Length), word.Column + (clue.Across ? word.Length : 0)))
        ++word.Length;
    if (word.Length < 2)
        return broken(QStringLiteral("clue %1 has no word in the grid").arg(clue.name()));
    return {};
}

// The kinds of the file: a crossword, not a diagramless one.
QString checkKind(const QJsonObject& document)
{
    const QString version = document.value(QLatin1String("version")).toString();
    if (!version.contains(QLatin1String("ipuz.org/v1")) && !version.contains(QLatin1String("ipuz.org/v2")))
        return Refusal(QStringLiteral("it is not an iPUZ file of version 1 or 2 (its version is \"%1\").").arg(version));
    QJsonArray kinds = document.value(QLatin1String("kind")).toArray();
    if (document.value(QLatin1String("kind")).isString())
        kinds.append(document.value(QLatin1String("kind")));
    bool crossword = false;
    for (const QJsonValue& kind : kinds) {
        const QString text = kind.toString();
        if (text.contains(QLatin1String("ipuz.org/crossword/diagramless")))
            return Refusal(QStringLiteral("it is a diagramless puzzle, which has no grid to print."));
        crossword = crossword || text.contains(QLatin1String("ipuz.org/crossword"));
    }
    if (!crossword)
        return Refusal(QStringLiteral("the iPUZ file holds no crossword but another kind of puzzle."));
    return {};
}

// The grid: letter squares from the solution where the puzzle has an open square, and the numbers they carry.
QString readGrid(const QJsonObject& document, TImportedPuzzle& puzzle, std::vector<int>& labels)
{
    const QString block = document.contains(QLatin1String("block")) ? scalarText(document.value(QLatin1String("block")))
                                                                     : QStringLiteral("#");
    const QJsonArray rows = document.value(QLatin1String("puzzle")).toArray();
    const QJsonArray solutionRows = document.value(QLatin1String("solution")).toArray();
    if (solutionRows.isEmpty())
        return Refusal(QStringLiteral("the iPUZ file holds no solution, so there are no letters to import."));
    const std::size_t squares = std::size_t(puzzle.Width) * std::size_t(puzzle.Height);
    puzzle.Cells.assign(squares, QString());
    labels.assign(squares, 0);
    for (int row = 0; row < puzzle.Height; ++row) {
        for (int column = 0; column < puzzle.Width; ++column) {
            const QJsonValue solutionCell = solutionRows.at(row).toArray().at(column);
            const Square square = rows.isEmpty() ? Square{!solutionOf(solutionCell, block).isEmpty(), 0}
                                                 : squareOf(rows.at(row).toArray().at(column), block);
            if (!square.Open)
                continue;
            const QString letters = solutionOf(solutionCell, block);
            if (letters.isEmpty())
                return broken(QStringLiteral("the square in %1 has no letter in the solution").arg(SquareName(row, column)));
            puzzle.Cells[std::size_t(row * puzzle.Width + column)] = letters;
            labels[std::size_t(row * puzzle.Width + column)] = square.Label;
        }
    }
    // A grid without numbers is numbered as every crossword program numbers it.
    if (std::all_of(labels.begin(), labels.end(), [](int label) { return label == 0; })) {
        for (const ImportedPuzzle::TRun& run : ImportedPuzzle::LetterRuns(puzzle))
            labels[std::size_t(run.Row * puzzle.Width + run.Column)] = run.Number;
    }
    return {};
}

} // namespace

QString PlainText(const QString& html)
{
    static const QRegularExpression tag(QStringLiteral("</?([A-Za-z][A-Za-z0-9]*)(\\s[^<>]*)?/?>"));
    static const QRegularExpression entity(QStringLiteral("&(#[0-9]{1,7}|#[xX][0-9A-Fa-f]{1,6}|[A-Za-z]{2,6});"));
    static const QHash<QString, char32_t> named{{QStringLiteral("amp"), U'&'},   {QStringLiteral("lt"), U'<'},
                                                {QStringLiteral("gt"), U'>'},    {QStringLiteral("quot"), U'"'},
                                                {QStringLiteral("apos"), U'\''}, {QStringLiteral("nbsp"), 0xA0}};
    QString text;
    for (qsizetype i = 0; i < html.size(); ++i) {
        if (html[i] == QLatin1Char('<')) {
            if (const QRegularExpressionMatch m = tag.match(html, i, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption); m.hasMatch()) {
                const QString name = m.captured(1).toLower();
                if (name == QLatin1String("br") || name == QLatin1String("p") || name == QLatin1String("div"))
                    text += QLatin1Char(' ');
                i += m.capturedLength() - 1;
                continue;
            }
        } else if (html[i] == QLatin1Char('&')) {
            if (const QRegularExpressionMatch m = entity.match(html, i, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption); m.hasMatch()) {
                const QString name = m.captured(1);
                char32_t u = 0;
                if (name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive))
                    u = char32_t(name.mid(2).toUInt(nullptr, 16));
                else if (name.startsWith(QLatin1Char('#')))
                    u = char32_t(name.mid(1).toUInt());
                else
                    u = named.value(name, 0);
                if (u != 0 && u <= 0x10FFFF && (u < 0xD800 || u > 0xDFFF)) {
                    text += QString::fromUcs4(&u, 1);
                    i += m.capturedLength() - 1;
                    continue;
                }
            }
        }
        text += html[i];
    }
    return text;
}

QString Read(const QByteArray& bytes, TImportedPuzzle& puzzle)
{
    const std::optional<QByteArray> json = jsonOf(bytes);
    QJsonParseError error;
    const QJsonDocument document = json ? QJsonDocument::fromJson(*json, &error) : QJsonDocument();
    if (!json || error.error != QJsonParseError::NoError || !document.isObject())
        return broken(json && error.error != QJsonParseError::NoError
                          ? QStringLiteral("%1 at character %2").arg(error.errorString()).arg(error.offset)
                          : QStringLiteral("no JSON object"));
    const QJsonObject root = document.object();
    if (QString refusal = checkKind(root); !refusal.isEmpty())
        return refusal;

    const QJsonObject dimensions = root.value(QLatin1String("dimensions")).toObject();
    const std::optional<int> width = numberOf(dimensions.value(QLatin1String("width")));
    const std::optional<int> height = numberOf(dimensions.value(QLatin1String("height")));
    if (!width || !height || *width < 1 || *height < 1)
        return broken(QStringLiteral("no width and height"));
    if (*width > Limits::GridSide || *height > Limits::GridSide)
        return ImportedPuzzle::TooLarge(*width, *height);

    puzzle = TImportedPuzzle{};
    puzzle.Width = *width;
    puzzle.Height = *height;
    puzzle.Title = PlainText(scalarText(root.value(QLatin1String("title"))));
    puzzle.Publisher = PlainText(scalarText(root.value(QLatin1String("publisher"))));
    std::vector<int> labels;
    if (QString refusal = readGrid(root, puzzle, labels); !refusal.isEmpty())
        return refusal;
    std::vector<Clue> clues;
    if (QString refusal = readClues(root.value(QLatin1String("clues")).toObject(), clues); !refusal.isEmpty())
        return refusal;
    if (clues.size() > std::size_t(Limits::WordSlots))
        return ImportedPuzzle::TooManyWords(int(clues.size()));
    // Squares listed by clues count from 1 in the format; files that count from 0 show it by a 0.
    int base = 1;
    for (const Clue& clue : clues) {
        for (const QJsonValue& cell : clue.Cells) {
            const QJsonArray xy = cell.toArray();
            if (numberOf(xy.at(0)) == 0 || numberOf(xy.at(1)) == 0)
                base = 0;
        }
    }
    for (const Clue& clue : clues) {
        TImportedWord word;
        QString refusal = clue.Cells.isEmpty() ? wordFromNumber(puzzle, labels, clue, word)
                                               : wordFromCells(puzzle, clue, base, word);
        if (!refusal.isEmpty())
            return refusal;
        puzzle.Words.push_back(std::move(word));
    }

    // Every run of the grid is one clue's word, and no word has two clues.
    const auto same = [](const TImportedWord& w, int row, int column, bool across, int length) {
        return w.Row == row && w.Column == column && w.Across == across && w.Length == length;
    };
    for (const TImportedWord& w : puzzle.Words) {
        if (std::count_if(puzzle.Words.begin(), puzzle.Words.end(),
                          [&](const TImportedWord& o) { return same(o, w.Row, w.Column, w.Across, w.Length); }) > 1)
            return broken(QStringLiteral("two clues for the word in %1 %2").arg(SquareName(w.Row, w.Column), directionName(w.Across).toLower()));
    }
    for (const ImportedPuzzle::TRun& run : ImportedPuzzle::LetterRuns(puzzle)) {
        if (std::none_of(puzzle.Words.begin(), puzzle.Words.end(),
                         [&](const TImportedWord& w) { return same(w, run.Row, run.Column, run.Across, run.Length); }))
            return broken(QStringLiteral("no clue for the word in %1 %2").arg(SquareName(run.Row, run.Column), directionName(run.Across).toLower()));
    }
    return {};
}

} // namespace IpuzImport
