#include "store/ImportedPuzzle.h"

#include "store/Ansi.h"
#include "store/Collection.h"
#include "store/IpuzImport.h"
#include "store/PuzFormat.h"
#include "store/PuzImport.h"
#include "store/TextInput.h"
#include "store/WorkingPuzzle.h"

#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <memory>
#include <numeric>
#include <optional>

namespace {

constexpr char ImportedCategory[] = "Imported";

// Characters that decompose to nothing Windows-1252 holds but have a plain look-alike.
struct LookAlike {
    char32_t From;
    const char* To;
};
constexpr LookAlike LookAlikes[] = {
    {0x0110, "D"}, {0x0111, "d"}, {0x0126, "H"}, {0x0127, "h"}, {0x0131, "i"}, {0x0141, "L"}, {0x0142, "l"},
    {0x0166, "T"}, {0x0167, "t"}, {0x2010, "-"}, {0x2011, "-"}, {0x2012, "-"}, {0x2015, "-"}, {0x2212, "-"},
    {0x2032, "'"}, {0x2033, "\""}, {0x2028, " "}, {0x2029, " "},
};

// The nearest Windows-1252 spelling of a character the code page cannot hold: a look-alike, or its
// compatibility decomposition without accents (ő as o, ﬁ as fi); nothing when there is none.
std::optional<QByteArray> nearestForm(char32_t u)
{
    for (const LookAlike& l : LookAlikes) {
        if (l.From == u)
            return QByteArray(l.To);
    }
    QByteArray spelt;
    for (const char32_t part : QString::fromUcs4(&u, 1).normalized(QString::NormalizationForm_KD).toUcs4()) {
        const QChar::Category category = QChar::category(part);
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
            || category == QChar::Mark_Enclosing)
            continue;
        const std::optional<char> c = Ansi::encode(part);
        if (!c)
            return std::nullopt;
        spelt += *c;
    }
    if (spelt.isEmpty())
        return std::nullopt;
    return spelt;
}

QString characterOf(char32_t u)
{
    return QString::fromUcs4(&u, 1);
}

// Cuts a text to its field, with a warning naming it.
QByteArray cutTo(const QByteArray& text, int capacity, const QString& name, QStringList& warnings)
{
    if (text.size() <= capacity)
        return text;
    warnings << QStringLiteral("%1 was cut to %2 characters.").arg(name).arg(capacity);
    return text.left(capacity);
}

// A text of the file as a field of the record, with warnings for what changed on the way.
QByteArray fieldText(const QString& text, int capacity, const QString& name, QStringList& warnings)
{
    QStringList changes;
    const QByteArray bytes = ImportedPuzzle::WindowsText(text, changes);
    if (!changes.isEmpty())
        warnings << QStringLiteral("In %1, %2.").arg(name.at(0).toLower() + name.mid(1), changes.join(QStringLiteral(", ")));
    return cutTo(bytes, capacity, name, warnings);
}

// A square's solution as one grid byte, upper-cased as every grid letter is; a refusal otherwise.
QString gridLetter(const QString& solution, int row, int column, std::uint8_t& letter, QStringList& warnings)
{
    const auto characters = solution.normalized(QString::NormalizationForm_C).toUcs4();
    if (characters.size() > 1)
        return ImportedPuzzle::RebusSquare(row, column);
    const auto u = char32_t(characters.value(0));
    std::optional<QByteArray> spelt;
    if (const std::optional<char> c = Ansi::encode(u))
        spelt = QByteArray(1, *c);
    else if ((spelt = nearestForm(u)) && spelt->size() == 1)
        warnings << QStringLiteral("The letter %1 in %2 became %3.")
                        .arg(characterOf(u), ImportedPuzzle::SquareName(row, column), Ansi::toUnicode(*spelt));
    if (!spelt || spelt->size() != 1)
        return ImportedPuzzle::Refusal(QStringLiteral("the letter %1 in %2 has no form in the Windows character set "
                                                      "(Windows-1252).").arg(characterOf(u), ImportedPuzzle::SquareName(row, column)));
    letter = Ansi::UpCaseLatin1(std::uint8_t(spelt->at(0)));
    if (letter == ' ' || Ansi::plainBytes(*spelt) != *spelt)
        return ImportedPuzzle::Refusal(QStringLiteral("the square in %1 holds no letter.").arg(ImportedPuzzle::SquareName(row, column)));
    return {};
}

QString wordName(int number, bool across)
{
    return QStringLiteral("%1 %2").arg(number).arg(across ? QStringLiteral("Across") : QStringLiteral("Down"));
}

TTransferReport refused(const QString& text)
{
    TTransferReport report;
    report.Result = IoResult::failed(IoResult::Refused, text);
    report.Text = text;
    report.Caption = QStringLiteral("Error");
    return report;
}

} // namespace

bool TImportedPuzzle::isLetter(int row, int column) const
{
    return row >= 0 && row < Height && column >= 0 && column < Width
        && !Cells[std::size_t(row * Width + column)].isEmpty();
}

namespace ImportedPuzzle {

std::vector<TRun> LetterRuns(const TImportedPuzzle& puzzle)
{
    std::vector<TRun> runs;
    int number = 0;
    for (int row = 0; row < puzzle.Height; ++row) {
        for (int column = 0; column < puzzle.Width; ++column) {
            if (!puzzle.isLetter(row, column))
                continue;
            const bool across = !puzzle.isLetter(row, column - 1) && puzzle.isLetter(row, column + 1);
            const bool down = !puzzle.isLetter(row - 1, column) && puzzle.isLetter(row + 1, column);
            if (!across && !down)
                continue;
            ++number;
            if (across) {
                int length = 0;
                while (puzzle.isLetter(row, column + length))
                    ++length;
                runs.push_back({row, column, true, length, number});
            }
            if (down) {
                int length = 0;
                while (puzzle.isLetter(row + length, column))
                    ++length;
                runs.push_back({row, column, false, length, number});
            }
        }
    }
    return runs;
}

QString Refusal(const QString& reason)
{
    return QStringLiteral("The puzzle cannot be imported: ") + reason;
}

QString SquareName(int row, int column)
{
    return QStringLiteral("row %1, column %2").arg(row + 1).arg(column + 1);
}

QString TooLarge(int width, int height)
{
    return Refusal(QStringLiteral("its grid is %1 x %2 squares, and a puzzle holds at most %3 x %3.")
                       .arg(width).arg(height).arg(Limits::GridSide));
}

QString TooManyWords(int words)
{
    return Refusal(QStringLiteral("it has %1 words, and a puzzle holds at most %2.").arg(words).arg(Limits::WordSlots));
}

QString RebusSquare(int row, int column)
{
    return Refusal(QStringLiteral("the square in %1 holds several letters (a rebus), and a square holds one.")
                       .arg(SquareName(row, column)));
}

QByteArray WindowsText(const QString& text, QStringList& changes)
{
    QByteArray bytes;
    for (const char32_t u : Ansi::plainText(text.normalized(QString::NormalizationForm_C)).toUcs4()) {
        if (const std::optional<char> c = Ansi::encode(u)) {
            bytes += *c;
            continue;
        }
        const std::optional<QByteArray> spelt = nearestForm(u);
        bytes += spelt.value_or(QByteArray("?"));
        changes << QStringLiteral("\"%1\" became \"%2\"").arg(characterOf(u), spelt ? Ansi::toUnicode(*spelt) : QStringLiteral("?"));
    }
    return Ansi::trimSpaces(bytes);
}

ImportKind KindOfContent(QByteArrayView head)
{
    if (head.indexOf(PuzFormat::FileMagic) >= PuzFormat::FileMagicOffset)
        return ImportKind::AcrossLite;
    QByteArrayView text = head;
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    text = text.trimmed();
    if (text.startsWith('{') || text.startsWith("ipuz("))
        return ImportKind::Ipuz;
    return ImportKind::NotValid;
}

QString ToRecord(const TImportedPuzzle& imported, const QByteArray& defaultLayout, const QString& fallbackTitle,
                 TPuzzleRecord& record, QStringList& warnings)
{
    const int width = imported.Width;
    const int height = imported.Height;
    if (width < 1 || height < 1 || imported.Cells.size() != std::size_t(width) * std::size_t(height))
        return Refusal(QStringLiteral("its grid has no squares."));
    if (width > Limits::GridSide || height > Limits::GridSide)
        return TooLarge(width, height);
    std::vector<std::uint8_t> letters(imported.Cells.size(), 0);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const QString& solution = imported.Cells[std::size_t(row * width + column)];
            if (solution.isEmpty())
                continue;
            if (QString refusal = gridLetter(solution, row, column, letters[std::size_t(row * width + column)], warnings);
                !refusal.isEmpty())
                return refusal;
        }
    }

    const std::vector<TImportedWord>& words = imported.Words;
    if (words.size() > std::size_t(Limits::WordSlots))
        return TooManyWords(int(words.size()));
    for (const TImportedWord& w : words) {
        const QString where = QStringLiteral("the word in %1 %2").arg(SquareName(w.Row, w.Column),
                                                                     w.Across ? QStringLiteral("across") : QStringLiteral("down"));
        if (w.Length < 1)
            return Refusal(QStringLiteral("%1 has no letters.").arg(where));
        if (w.Length > Limits::WordLength)
            return Refusal(QStringLiteral("%1 has %2 letters, and a word holds at most %3.").arg(where).arg(w.Length).arg(Limits::WordLength));
        for (int k = 0; k < w.Length; ++k) {
            if (!imported.isLetter(w.Row + (w.Across ? 0 : k), w.Column + (w.Across ? k : 0)))
                return Refusal(QStringLiteral("%1 does not lie on letter squares.").arg(where));
        }
    }

    // Numbered as the program numbers a constructed grid: by first square, one number per square.
    const auto startOf = [](const TImportedWord& w) { return w.Row * Limits::GridSide + w.Column + 1; };
    std::vector<std::size_t> order(words.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return startOf(words[a]) < startOf(words[b]); });
    std::vector<int> numbers(words.size(), 0);
    for (std::size_t k = 0; k < order.size(); ++k)
        numbers[order[k]] = k == 0 ? 1 : numbers[order[k - 1]] + (startOf(words[order[k]]) != startOf(words[order[k - 1]]));
    // Slots: across words by number, then down words by number.
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (words[a].Across != words[b].Across)
            return words[a].Across;
        return numbers[a] != numbers[b] ? numbers[a] < numbers[b] : words[a].Length < words[b].Length;
    });

    record = TPuzzleRecord{};
    std::memcpy(record.PageLayout.data(), defaultLayout.constData(),
                std::min<std::size_t>(record.PageLayout.size(), std::size_t(defaultLayout.size())));
    StampVersion(record);
    const QString title = Ansi::trimSpaces(imported.Title).isEmpty() ? fallbackTitle : imported.Title;
    record.Title.setText(fieldText(title, Limits::TitleLength, QStringLiteral("The title"), warnings));
    const QString publisher = Ansi::trimSpaces(imported.Publisher);
    record.Category.setText(fieldText(publisher.isEmpty() ? QLatin1String(ImportedCategory) : publisher,
                                      Limits::CategoryLength, QStringLiteral("The category"), warnings));
    record.GridWidth = std::int16_t(width);
    record.GridHeight = std::int16_t(height);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column)
            record.Grid[std::size_t(row * Limits::GridSide + column)] = letters[std::size_t(row * width + column)];
    }
    int across = 0;
    for (std::size_t s = 0; s < order.size(); ++s) {
        const TImportedWord& w = words[order[s]];
        QByteArray letterBytes;
        for (int k = 0; k < w.Length; ++k)
            letterBytes += char(letters[std::size_t((w.Row + (w.Across ? 0 : k)) * width + w.Column + (w.Across ? k : 0))]);
        const QString name = QStringLiteral("Clue ") + wordName(numbers[order[s]], w.Across);
        record.Words[s].setText(letterBytes);
        record.Clues[s].setText(fieldText(w.Clue, Limits::ClueLength, name, warnings));
        record.StartCell[s] = std::int16_t(startOf(w));
        record.LetterCount[s] = std::int16_t(w.Length);
        record.ClueNumber[s] = std::int16_t(numbers[order[s]]);
        record.Direction[s] = w.Across ? WordDirection::Across : WordDirection::Down;
        record.WordUsed[s] = 1;
        across += w.Across ? 1 : 0;
    }
    record.WordCount = std::int16_t(words.size());
    record.AcrossCount = std::int16_t(across);
    record.DownCount = std::int16_t(int(words.size()) - across);
    record.Generated = 1;
    return {};
}

} // namespace ImportedPuzzle

TTransferReport ImportOtherPuzzle(const QString& path, const QString& collection, const QByteArray& defaultLayout,
                                  TPuzzleRecord& puzzle)
{
    QByteArray bytes;
    if (const IoResult read = TextInput::Read(path, bytes); !read)
        return TTransferReport::failure(read, TransferMessages::OldPuzzleUnreadable);
    TImportedPuzzle imported;
    QString refusal;
    switch (ImportedPuzzle::KindOfContent(QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), ImportedPuzzle::HeadSize)))) {
    case ImportKind::AcrossLite:
        refusal = PuzImport::Read(bytes, imported);
        break;
    case ImportKind::Ipuz:
        refusal = IpuzImport::Read(bytes, imported);
        break;
    default:
        return refused(TransferMessages::NotValidFile.text());
    }
    QStringList warnings;
    auto record = std::make_unique<TPuzzleRecord>();
    if (refusal.isEmpty())
        refusal = ImportedPuzzle::ToRecord(imported, defaultLayout, QFileInfo(path).completeBaseName(), *record, warnings);
    if (!refusal.isEmpty())
        return refused(refusal);
    if (const IoResult appended = AppendPuzzle(collection, *record); !appended)
        return TTransferReport::failure(appended, TransferMessages::UnableToSavePuzzle);
    puzzle = *record;
    TTransferReport report = TTransferReport::success(1);
    report.Warnings = warnings;
    return report;
}
