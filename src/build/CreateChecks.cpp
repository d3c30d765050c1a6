#include "build/CreateChecks.h"

#include "store/GridModel.h"
#include "store/Ansi.h"

#include <algorithm>

namespace {

/** Largest value the Attempts text reads as; anything this big is refused anyway. */
constexpr int AttemptsReadCap = 999999;

TCreateRefusal Refuse(const char* message, CreateField field)
{
    TCreateRefusal refusal;
    refusal.Message = QLatin1String(message);
    refusal.Field = field;
    return refusal;
}

TCreateRefusal RefuseCell(QString message, int row, CreateField field, bool beep = false)
{
    TCreateRefusal refusal;
    refusal.Message = std::move(message);
    refusal.Field = field;
    refusal.Row = row;
    refusal.Beep = beep;
    return refusal;
}

QString Quoted(const QByteArray& word)
{
    return QLatin1Char('"') + Ansi::toUnicode(word) + QLatin1Char('"');
}

} // namespace

int ReadAttemptsText(const QByteArray& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), AttemptsReadCap);
    return value;
}

TCreateCheckResult CheckCreateInput(const TCreateInput& input, const TShapeRecord& shape, const TPuzzleRecord& current)
{
    TCreateCheckResult result;
    result.Puzzle = current;

    const QByteArray title = Ansi::trimSpaces(input.Title);
    const QByteArray category = Ansi::trimSpaces(input.Category);
    if (title.isEmpty()) {
        result.Refusal = Refuse("No title specified.  Please correct.", CreateField::Title);
        return result;
    }
    if (category.isEmpty()) {
        result.Refusal = Refuse("No category specified.  Please correct.", CreateField::Category);
        return result;
    }
    const bool anyWord = std::any_of(input.Rows.begin(), input.Rows.end(),
                                     [](const TWordRow& row) { return !Ansi::trimSpaces(row.Word).isEmpty(); });
    if (!anyWord) {
        result.Refusal = Refuse("No words have been entered.  Please correct.", CreateField::None);
        return result;
    }
    const int attempts = ReadAttemptsText(input.AttemptsText);
    if (attempts < Limits::MinAttempts || attempts > Limits::MaxAttempts) {
        result.Refusal = Refuse("Attempts must be between 1 and 999.  Please correct.", CreateField::Attempts);
        return result;
    }
    result.AttemptsAccepted = true;
    result.Attempts = attempts;

    // Prepare the record. A damaged shape's sides are held to the 50 x 50 grid.
    TPuzzleRecord& puzzle = result.Puzzle;
    const int width = std::clamp<int>(shape.ShapeWidth, 0, Limits::GridSide);
    const int height = std::clamp<int>(shape.ShapeHeight, 0, Limits::GridSide);
    puzzle.GridWidth = std::int16_t(width);
    puzzle.GridHeight = std::int16_t(height);
    const int dimensionLimit = std::max(width, height);
    const int longestRun = GridModel::LongestRun(shape.ShapeCells, width, height);

    puzzle.BonusQuestion.setText(Ansi::trimSpaces(input.BonusQuestion));
    puzzle.Title.setText(title);
    puzzle.Category.setText(category);

    std::array<int, Limits::WordSlots> rowOfWord{};
    int wordCount = 0;
    for (int row = 0; row < Limits::WordSlots; ++row) {
        const QByteArray word = Ansi::trimSpaces(input.Rows[std::size_t(row)].Word);
        if (word.isEmpty())
            continue;
        puzzle.Words[std::size_t(wordCount)].setText(word);
        puzzle.Clues[std::size_t(wordCount)].setText(Ansi::trimSpaces(input.Rows[std::size_t(row)].Clue));
        rowOfWord[std::size_t(wordCount)] = row + 1;
        ++wordCount;
    }
    for (int i = wordCount; i < Limits::WordSlots; ++i) {
        puzzle.Words[std::size_t(i)].setText({});
        puzzle.Clues[std::size_t(i)].setText({});
    }
    puzzle.WordCount = std::int16_t(wordCount);
    result.RecordPrepared = true;

    for (int i = 0; i < wordCount; ++i) {
        const QByteArray word = puzzle.Words[std::size_t(i)].text();
        const int length = int(word.size());
        const int row = rowOfWord[std::size_t(i)];
        if (length > dimensionLimit) {
            result.Refusal = RefuseCell(QStringLiteral("Word is greater than puzzle dimension size of ")
                                            + QString::number(dimensionLimit) + QStringLiteral(" characters in ")
                                            + Quoted(word) + QLatin1Char('.'),
                                        row, CreateField::Word);
            return result;
        }
        if (length > longestRun) {
            result.Refusal = RefuseCell(
                QStringLiteral("The maximum word length as provided by the selected layout is ")
                    + QString::number(longestRun)
                    + QStringLiteral(".  The following word is greater than the maximum word length: ") + Quoted(word)
                    + QStringLiteral(".  You will need to correct the word or") + QStringLiteral(" change the layout."),
                row, CreateField::Word, true);
            return result;
        }
    }

    for (int row = 0; row < Limits::WordSlots; ++row) {
        const QByteArray word = Ansi::trimSpaces(input.Rows[std::size_t(row)].Word);
        if (word.isEmpty())
            continue;
        const int clueLength = int(Ansi::trimSpaces(input.Rows[std::size_t(row)].Clue).size());
        if (clueLength > Limits::ClueLength) {
            result.Refusal = RefuseCell(QStringLiteral("The length of the clue for the word ") + Quoted(word)
                                            + QStringLiteral(" is ") + QString::number(clueLength - Limits::ClueLength)
                                            + QStringLiteral(" characters longer than the maximum clue size of ")
                                            + QString::number(Limits::ClueLength) + QLatin1Char('.'),
                                        row + 1, CreateField::Clue);
            return result;
        }
    }

    result.Accepted = true;
    return result;
}
