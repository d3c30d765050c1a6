// Fitting clue lists and Combined Clues: wrap each clue into lines, then place the clues in columns.
#include "render/PageMeasureParts.h"

#include "store/Ansi.h"

#include <algorithm>
#include <cmath>

namespace PageMeasure {

namespace {

struct WrappedClue {
    QStringList Lines;
    bool WordTooWide = false;    // a single word was wider than the column
    bool TooManyLines = false;   // text was left after the seventh line
};

// Index where the last word of line starts, taking the spaces before it along.
qsizetype lastWordStart(const QString& line)
{
    qsizetype i = line.size();
    while (i > 0 && line.at(i - 1) != QLatin1Char(' '))
        --i;
    while (i > 0 && line.at(i - 1) == QLatin1Char(' '))
        --i;
    return i;
}

WrappedClue wrapClue(TTextMeasure& canvas, const QString& text, double width)
{
    WrappedClue out;
    QString rest = text;
    while (!Ansi::trimSpaces(rest).isEmpty()) {
        if (out.Lines.size() == RenderLimits::MaxClueLines) {
            out.TooManyLines = true;
            break;
        }
        QString line = rest;
        while (!line.isEmpty() && canvas.textWidth(line) >= width)
            line.truncate(lastWordStart(line));
        if (line.isEmpty()) {
            out.WordTooWide = true;
            break;
        }
        out.Lines.append(Ansi::trimSpaces(line));
        rest = rest.mid(line.size());
    }
    // An empty clue, or one whose first word is too wide, still takes one row for its number.
    if (out.Lines.isEmpty())
        out.Lines.append(QString());
    return out;
}

int digitsFor(int number)
{
    if (number < 10)
        return 2;
    if (number < 100)
        return 3;
    return 4;
}

struct Measures {
    int Rows = 0;
    double RowHeight = 0;
    double N = 0;
    double P = 0;
    double G = 0;
    double Q = 0;
};

Measures measure(TTextMeasure& canvas, const ClueFlow& flow, const QRectF& rect, int columns)
{
    Measures m;
    const double sampleHeight = canvas.textHeight(RenderLimits::SampleText);
    m.Rows = sampleHeight > 0 ? static_cast<int>(std::min(rect.height() / sampleHeight, 1.0e6)) : 0;
    m.RowHeight = m.Rows > 0 ? rect.height() / m.Rows : 0;
    int last = flow.Across.empty() ? 0 : flow.Across.back().Number;
    if (flow.Combined && !flow.Down.empty())
        last = std::max(last, flow.Down.back().Number);
    const double nine = canvas.textWidth(QStringLiteral("9"));
    m.N = nine * digitsFor(last);
    m.P = 2 * nine;
    m.G = nine / 4;
    m.Q = (rect.width() - (columns * m.N + (columns - 1) * m.P + m.G)) / columns;
    return m;
}

// Places clues and headings column by column; stops at the first item that does not fit.
class Placer {
public:
    Placer(TFittedClues& out, int rows, int columns) : m_out(out), m_rows(rows), m_columns(columns) {}

    // Columns first..last are available; a new column starts at startRow.
    void beginPart(int firstColumn, int lastColumn, int startRow)
    {
        m_column = firstColumn;
        m_lastColumn = std::min(lastColumn, m_columns);
        m_startRow = startRow;
        m_row = 1;
    }

    bool heading(const QString& text, double width, double textWidth, int followingLines)
    {
        if (!m_fits)
            return false;
        if (m_row + followingLines > m_rows) {
            ++m_column;
            m_row = 1;
        }
        if (m_column > m_lastColumn || m_rows < 1) {
            m_fits = false;
            return false;
        }
        m_out.Headings.push_back({text, m_column, m_row, width, textWidth});
        ++m_row;
        return true;
    }

    bool clue(int slot, const QString& number, double numberWidth, const QStringList& lines,
              const std::vector<double>& widths)
    {
        if (!m_fits)
            return false;
        const int count = int(lines.size());
        if (m_row + count - 1 > m_rows) {
            ++m_column;
            m_row = m_startRow;
        }
        if (m_column > m_lastColumn || m_row + count - 1 > m_rows) {
            m_fits = false;
            return false;
        }
        m_out.Clues.push_back({slot, number, m_column, m_row, lines, numberWidth, widths});
        m_row += count;
        return true;
    }

    bool fits() const { return m_fits; }

private:
    TFittedClues& m_out;
    int m_rows;
    int m_columns;
    int m_column = 1;
    int m_lastColumn = 1;
    int m_startRow = 1;
    int m_row = 1;
    bool m_fits = true;
};

struct Attempt {
    TFittedClues Result;
    bool Strained = false;   // a word too wide or a clue cut after seven lines
};

Attempt fitOnce(TTextMeasure& canvas, const ClueFlow& flow, const QRectF& rect, int columns)
{
    Attempt a;
    const Measures m = measure(canvas, flow, rect, columns);
    TFittedClues& r = a.Result;
    r.Columns = columns;
    r.Rows = m.Rows;
    r.RowHeight = m.RowHeight;
    r.NumberWidth = m.N;
    r.Spacing = m.P;
    r.Gap = m.G;
    r.ClueWidth = m.Q;

    struct Wrapped {
        QString Number;
        double NumberWidth = 0;
        QStringList Lines;
        std::vector<double> Widths;
    };
    const auto wrapAll = [&](const std::vector<ClueItem>& items) {
        std::vector<Wrapped> out;
        out.reserve(items.size());
        for (const ClueItem& item : items) {
            WrappedClue w = wrapClue(canvas, item.Text, m.Q);
            a.Strained = a.Strained || w.WordTooWide || w.TooManyLines;
            Wrapped clue;
            clue.Number = QString::number(item.Number) + QLatin1Char('.');
            clue.NumberWidth = canvas.textWidth(clue.Number);
            for (const QString& line : w.Lines)
                clue.Widths.push_back(line.isEmpty() ? 0.0 : canvas.textWidth(line));
            clue.Lines = std::move(w.Lines);
            out.push_back(std::move(clue));
        }
        return out;
    };
    const std::vector<Wrapped> across = wrapAll(flow.Across);
    const std::vector<Wrapped> down = wrapAll(flow.Down);

    Placer place(r, m.Rows, columns);
    const auto placeAll = [&](const std::vector<ClueItem>& items, const std::vector<Wrapped>& wrapped) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            const Wrapped& w = wrapped[i];
            if (!place.clue(items[i].Slot, w.Number, w.NumberWidth, w.Lines, w.Widths))
                return;
        }
    };

    if (!flow.Combined) {
        place.beginPart(1, columns, 1);
        placeAll(flow.Across, across);
        r.Fits = place.fits();
        return a;
    }

    const bool split = flow.SplitColumns && columns >= 2;
    const int half = columns / 2;
    const double oneColumn = m.N + m.Q + m.G;
    const double boxWidth = split && columns % 2 == 0 && columns >= 4
                                ? half * (m.N + m.Q) + (half - 1) * m.P + m.G
                                : oneColumn;
    if (split) {
        place.beginPart(1, half, 2);
        place.heading(flow.AcrossHeading, boxWidth, canvas.textWidth(flow.AcrossHeading), 0);
        placeAll(flow.Across, across);
        place.beginPart(half + 1, columns, 2);
        place.heading(flow.DownHeading, boxWidth, canvas.textWidth(flow.DownHeading), 0);
        placeAll(flow.Down, down);
    } else {
        place.beginPart(1, columns, 1);
        place.heading(flow.AcrossHeading, boxWidth, canvas.textWidth(flow.AcrossHeading), 0);
        placeAll(flow.Across, across);
        // The Down heading goes to the next column when it and the first down clue would not fit.
        place.heading(flow.DownHeading, boxWidth, canvas.textWidth(flow.DownHeading),
                      down.empty() ? 0 : int(down.front().Lines.size()));
        placeAll(flow.Down, down);
    }
    r.Fits = place.fits();
    return a;
}

} // namespace

TFittedClues FitClues(TTextMeasure& canvas, const ClueFlow& flow, const QRectF& rect, int columns, bool makeFit,
                      TCanvasFont& font)
{
    columns = std::clamp(columns, 1, RenderLimits::MaxColumns);
    canvas.setFont(font);
    Attempt attempt = fitOnce(canvas, flow, rect, columns);
    while (makeFit && (!attempt.Result.Fits || attempt.Strained) && font.Size > RenderLimits::ListFloor) {
        --font.Size;
        canvas.setFont(font);
        attempt = fitOnce(canvas, flow, rect, columns);
    }
    return std::move(attempt.Result);
}

} // namespace PageMeasure
