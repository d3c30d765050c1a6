// Measuring and fitting a page: every printed object of the layout becomes a fitted object.
#include "render/PageMeasureParts.h"
#include "render/PageRenderer.h"

#include "store/GridModel.h"
#include "store/Ansi.h"

#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <cmath>
#include <functional>
#include <set>


namespace {

/** A text of the record or the options as it is printed: control characters as spaces. */
QString shown(QByteArrayView bytes)
{
    return Ansi::plainText(Ansi::toUnicode(bytes));
}

int clampSize(int size)
{
    return std::clamp(size, RenderLimits::MinFontSize, RenderLimits::MaxFontSize);
}

QString fontName(const QByteArray& name)
{
    return name.isEmpty() ? QStringLiteral("Arial") : Ansi::toUnicode(name);
}

TCanvasFont textFont(const TPageObject& o)
{
    return {fontName(o.TextFontName.text()), clampSize(o.TextFontSize), o.TextFontColor & 0xFFFFFF,
            o.TextBold, o.TextItalic, o.TextUnderline, o.TextStrikeOut};
}

TCanvasFont numberFont(const TPageObject& o)
{
    return {fontName(o.NumberFontName.text()), clampSize(o.NumberFontSize), o.NumberFontColor & 0xFFFFFF,
            o.NumberBold, o.NumberItalic, o.NumberUnderline, o.NumberStrikeOut};
}

// Pixels per inch of the designer at each zoom, for a layout whose own page size is unusable.
double designPixelsPerInch(const TPageLayout& layout)
{
    const int zoom = std::clamp<int>(layout.DesignZoom, 1, 3);
    return layout.UseInches ? 24.0 * (zoom + 1) : 10.0 * (zoom + 1) * 2.54;
}

double pageScale(const TPageLayout& layout, double paperWidth, double paperHeight)
{
    const bool widthOk = layout.PixelWidth > 0;
    const bool heightOk = layout.PixelHeight > 0;
    if (widthOk && heightOk)
        return std::min(paperWidth / layout.PixelWidth, paperHeight / layout.PixelHeight);
    if (widthOk)
        return paperWidth / layout.PixelWidth;
    if (heightOk)
        return paperHeight / layout.PixelHeight;
    return 1.0 / designPixelsPerInch(layout);
}

QRectF objectRect(const TObjectBounds& b, double s)
{
    const auto c = [](std::int32_t v) { return double(std::clamp<std::int32_t>(v, -RenderLimits::BoundsLimit, RenderLimits::BoundsLimit)); };
    const double left = std::min(c(b.Left), c(b.Right));
    const double right = std::max(c(b.Left), c(b.Right));
    const double top = std::min(c(b.Top), c(b.Bottom));
    const double bottom = std::max(c(b.Top), c(b.Bottom));
    return QRectF(QPointF(left * s, top * s), QPointF(right * s, bottom * s));
}

TFittedFontMetrics fontMetrics(TTextMeasure& measure, const TCanvasFont& font)
{
    measure.setFont(font);
    return {measure.ascent(), measure.descent(), measure.textHeight(RenderLimits::SampleText)};
}

class Measurer {
public:
    Measurer(const TPuzzleRecord& puzzle, const TRenderOptions& options, TTextMeasure& canvas, TFittedPage& page)
        : m_puzzle(puzzle), m_options(options), m_canvas(canvas), m_page(page)
    {
    }

    bool printed(std::int16_t kind) const;
    void fit(TFittedObject& f);

private:
    void fitSingleLine(TFittedObject& f, const QString& text);
    void fitTextBlock(TFittedObject& f);
    void fitWordList(TFittedObject& f);
    void fitClues(TFittedObject& f);
    void fitGrid(TFittedObject& f);
    void fitBitmap(TFittedObject& f);
    std::vector<PageMeasure::ClueItem> clueItems(int first, int last) const;
    void wordCells(int slot, int width, int height, const std::function<void(int, int)>& visit) const;

    const TPuzzleRecord& m_puzzle;
    const TRenderOptions& m_options;
    TTextMeasure& m_canvas;
    TFittedPage& m_page;
    bool m_missingBitmap = false;

public:
    /** True when a named picture could not be found or read. */
    bool missingBitmap() const { return m_missingBitmap; }
};

bool Measurer::printed(std::int16_t kind) const
{
    switch (kind) {
    case ObjectKind::Title: return m_options.PrintTitle;
    case ObjectKind::Puzzle: return m_options.PrintBody;
    case ObjectKind::DownHeader:
    case ObjectKind::AcrossHeader:
    case ObjectKind::DownClues:
    case ObjectKind::AcrossClues:
    case ObjectKind::CombinedClues: return m_options.PrintClues;
    case ObjectKind::WordList: return m_options.PrintWords;
    case ObjectKind::BonusQuestion: return m_options.PrintBonus && !m_puzzle.BonusQuestion.isEmpty();
    case ObjectKind::Text:
    case ObjectKind::Bitmap:
    case ObjectKind::Rectangle:
    case ObjectKind::Circle: return true;
    default: return false;   // an unknown kind draws nothing
    }
}

void Measurer::fit(TFittedObject& f)
{
    switch (f.Kind) {
    case ObjectKind::Title: fitSingleLine(f, shown(m_puzzle.Title.text())); break;
    case ObjectKind::DownHeader: fitSingleLine(f, shown(m_options.DownHeading)); break;
    case ObjectKind::AcrossHeader: fitSingleLine(f, shown(m_options.AcrossHeading)); break;
    case ObjectKind::BonusQuestion: fitSingleLine(f, shown(m_puzzle.BonusQuestion.text())); break;
    case ObjectKind::Text: fitTextBlock(f); break;
    case ObjectKind::WordList: fitWordList(f); break;
    case ObjectKind::DownClues:
    case ObjectKind::AcrossClues:
    case ObjectKind::CombinedClues: fitClues(f); break;
    case ObjectKind::Puzzle: fitGrid(f); break;
    case ObjectKind::Bitmap: fitBitmap(f); break;
    case ObjectKind::Rectangle:
    case ObjectKind::Circle: f.Body = TFittedShape{f.Object.Filled, f.Object.FillColor & 0xFFFFFF}; break;
    default: break;
    }
    f.Object.FittedSize = static_cast<std::int16_t>(f.Font.Size);
    f.Metrics = fontMetrics(m_canvas, f.Font);
}

void Measurer::fitSingleLine(TFittedObject& f, const QString& text)
{
    m_canvas.setFont(f.Font);
    if (f.Object.MakeFit) {
        while (f.Font.Size > RenderLimits::SingleLineFloor
               && (m_canvas.textWidth(text) >= f.Rect.width() || m_canvas.textHeight(text) >= f.Rect.height())) {
            --f.Font.Size;
            m_canvas.setFont(f.Font);
        }
    }
    f.Body = TFittedSingleLine{text, m_canvas.textWidth(text)};
}

namespace {

// One wrap of a Text object: lines as (start, length, characters to drop).
struct TextLine {
    qsizetype Start = 0;
    qsizetype Length = 0;
    qsizetype Drop = 0;
};

bool startsWithBreak(const QString& text, qsizetype at)
{
    return at + 1 < text.size() && text.at(at) == QLatin1Char('\r') && text.at(at + 1) == QLatin1Char('\n');
}

// Tokens: an optional leading CR LF, any spaces, then the characters up to the next space or CR LF.
std::vector<std::pair<qsizetype, qsizetype>> tokens(const QString& text)
{
    std::vector<std::pair<qsizetype, qsizetype>> out;
    qsizetype pos = 0;
    do {
        const qsizetype start = pos;
        if (startsWithBreak(text, pos))
            pos += 2;
        while (pos < text.size() && text.at(pos) == QLatin1Char(' '))
            ++pos;
        while (pos < text.size() && text.at(pos) != QLatin1Char(' ') && !startsWithBreak(text, pos))
            ++pos;
        out.emplace_back(start, pos - start);
    } while (pos < text.size());
    return out;
}

struct Wrap {
    std::vector<TextLine> Lines;
    bool Fits = true;
};

Wrap wrapText(TTextMeasure& canvas, const QString& text, double width, int rows)
{
    Wrap w;
    const auto toks = tokens(text);
    TextLine current{toks.front().first, toks.front().second, startsWithBreak(text, toks.front().first) ? 2 : 0};
    const auto measured = [&](const TextLine& line, qsizetype extra) {
        return canvas.textWidth(text.mid(line.Start + line.Drop, line.Length - line.Drop + extra));
    };
    const auto finish = [&](const TextLine& line) {
        if (measured(line, 0) > width)
            return false;   // a single word wider than the object
        w.Lines.push_back(line);
        return true;
    };
    for (std::size_t i = 1; i < toks.size(); ++i) {
        const auto [start, length] = toks[i];
        const bool lineBreak = startsWithBreak(text, start);
        if (length > 0 && !lineBreak && measured(current, length) <= width) {
            current.Length += length;
            continue;
        }
        if (!finish(current)) {
            w.Fits = false;
            return w;
        }
        current = TextLine{start, length, lineBreak ? 2 : 0};
        if (int(w.Lines.size()) + 1 > RenderLimits::MaxTextLines) {
            w.Fits = false;
            return w;
        }
    }
    if (!finish(current))
        w.Fits = false;
    if (int(w.Lines.size()) > rows) {
        w.Lines.resize(std::size_t(std::max(rows, 0)));
        w.Fits = false;
    }
    return w;
}

} // namespace

void Measurer::fitTextBlock(TFittedObject& f)
{
    const QString text = Ansi::plainText(Ansi::toUnicode(f.Object.text()), true);
    TFittedTextBlock block;
    block.Number = ++m_page.TextObjects;
    const auto attempt = [&]() {
        m_canvas.setFont(f.Font);
        block.LineHeight = m_canvas.textHeight(RenderLimits::SampleText);
        block.Rows = block.LineHeight > 0 ? int(std::min(f.Rect.height() / block.LineHeight, 1.0e6)) : 0;
        return wrapText(m_canvas, text, f.Rect.width(), block.Rows);
    };
    Wrap wrap = attempt();
    while (f.Object.MakeFit && !wrap.Fits && f.Font.Size >= RenderLimits::TextBlockFloor) {
        --f.Font.Size;
        wrap = attempt();
    }
    block.Fits = wrap.Fits;
    for (const TextLine& line : wrap.Lines) {
        block.Lines.append(Ansi::trimSpaces(text.mid(line.Start + line.Drop, line.Length - line.Drop)));
        block.Widths.push_back(m_canvas.textWidth(block.Lines.back()));
    }
    if (!block.Fits && block.Number <= RenderLimits::TextOverflowFlags)
        m_page.TextOverflow[std::size_t(block.Number - 1)] = true;
    f.Body = std::move(block);
}

void Measurer::fitWordList(TFittedObject& f)
{
    std::vector<QByteArray> words;
    for (int slot = 1; slot <= m_page.PrintCount; ++slot) {
        QByteArray word = m_puzzle.Words[std::size_t(slot - 1)].text();
        for (char& c : word) {
            if (c >= 'a' && c <= 'z')
                c = char(c - 32);
        }
        words.push_back(word);
    }
    // Ascending character order: the bytes compared as unsigned values.
    std::sort(words.begin(), words.end(), [](const QByteArray& a, const QByteArray& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return std::uint8_t(x) < std::uint8_t(y); });
    });
    const int columns = std::clamp<int>(f.Object.Columns, 1, RenderLimits::MaxColumns);
    const auto attempt = [&](TFittedWordList& list, bool& strained) {
        m_canvas.setFont(f.Font);
        const double sample = m_canvas.textHeight(RenderLimits::SampleText);
        list = TFittedWordList{};
        list.Rows = sample > 0 ? int(std::min(f.Rect.height() / sample, 1.0e6)) : 0;
        list.RowHeight = list.Rows > 0 ? f.Rect.height() / list.Rows : 0;
        list.Gap = m_canvas.textWidth(QStringLiteral("9")) / 4;
        list.ColumnWidth = (f.Rect.width() - list.Gap) / columns;
        strained = false;
        for (std::size_t i = 0; i < words.size(); ++i) {
            const int column = list.Rows > 0 ? int(i) / list.Rows + 1 : columns + 1;
            if (column > columns) {
                list.Fits = false;
                break;
            }
            QString text = shown(words[i]);
            double width = m_canvas.textWidth(text);
            if (width > list.ColumnWidth) {
                strained = true;
                text.clear();   // keeps its place, printed empty
                width = 0;
            }
            list.Words.push_back({column, int(i) % list.Rows + 1, text, width});
        }
    };
    TFittedWordList list;
    bool strained = false;
    attempt(list, strained);
    while (f.Object.MakeFit && (!list.Fits || strained) && f.Font.Size > RenderLimits::ListFloor) {
        --f.Font.Size;
        attempt(list, strained);
    }
    if (!list.Fits)
        m_page.WordOverflow = true;
    f.Body = std::move(list);
}

std::vector<PageMeasure::ClueItem> Measurer::clueItems(int first, int last) const
{
    std::vector<PageMeasure::ClueItem> items;
    for (int slot = first; slot <= last; ++slot) {
        const auto i = std::size_t(slot - 1);
        items.push_back({slot, m_puzzle.ClueNumber[i], shown(m_puzzle.Clues[i].text())});
    }
    return items;
}

void Measurer::fitClues(TFittedObject& f)
{
    PageMeasure::ClueFlow flow;
    const int across = m_page.AcrossCount;
    if (f.Kind == ObjectKind::AcrossClues) {
        flow.Across = clueItems(1, across);
    } else if (f.Kind == ObjectKind::DownClues) {
        flow.Across = clueItems(across + 1, m_page.PrintCount);
    } else {
        flow.Combined = true;
        flow.SplitColumns = f.Object.SplitColumns;
        flow.Across = clueItems(1, across);
        flow.Down = clueItems(across + 1, m_page.PrintCount);
        flow.AcrossHeading = shown(m_options.AcrossHeading);
        flow.DownHeading = shown(m_options.DownHeading);
    }
    TFittedClues clues = PageMeasure::FitClues(m_canvas, flow, f.Rect, f.Object.Columns, f.Object.MakeFit, f.Font);
    if (!clues.Fits)
        m_page.ClueOverflow = true;
    f.Body = std::move(clues);
}

void Measurer::wordCells(int slot, int width, int height, const std::function<void(int, int)>& visit) const
{
    const auto i = std::size_t(slot - 1);
    const int start = m_puzzle.StartCell[i];
    if (start < 1 || start > Limits::GridCells)
        return;
    const int row = GridModel::RowOf(start);
    const int column = GridModel::ColumnOf(start);
    const bool across = m_puzzle.Direction[i] == WordDirection::Across;
    const int count = std::clamp<int>(m_puzzle.LetterCount[i], 0, Limits::GridSide);
    for (int k = 0; k < count; ++k) {
        const int r = across ? row : row + k;
        const int c = across ? column + k : column;
        if (r > height || c > width)
            return;
        visit(r, c);
    }
}

void Measurer::fitGrid(TFittedObject& f)
{
    TFittedGrid g;
    g.Width = std::clamp<int>(m_puzzle.GridWidth, 1, Limits::GridSide);
    g.Height = std::clamp<int>(m_puzzle.GridHeight, 1, Limits::GridSide);
    g.Cells = m_puzzle.Grid;
    const double w = f.Rect.width();
    const double h = f.Rect.height();
    const double u = w / g.Width;
    const double v = h / g.Height;
    g.CellSize = std::min(u, v);
    g.Origin = f.Rect.topLeft();
    if (u > v)
        g.Origin.rx() += (w - g.CellSize * g.Width) / 2;
    else if (v > u)
        g.Origin.ry() += (h - g.CellSize * g.Height) / 2;
    g.UseBoxes = m_options.UseBoxes;
    g.BoxColor = m_options.BoxColor & 0xFFFFFF;
    g.BlockColor = f.Object.BlockColor & 0xFFFFFF;
    g.LineColor = f.Object.LineColor & 0xFFFFFF;
    g.LineWidth = std::clamp<int>(f.Object.LineWidth, 1, RenderLimits::MaxLineWidth);
    g.NumberFont = numberFont(f.Object);
    g.NumberMetrics = fontMetrics(m_canvas, g.NumberFont);
    for (int digit = 0; digit < 10; ++digit)
        g.DigitWidths[std::size_t(digit)] = m_canvas.textWidth(QString::number(digit));
    g.NumbersHorizontal = f.Object.NumbersHorizontal;

    std::set<std::pair<int, QString>> numbered;
    for (int slot = 1; slot <= m_page.PrintCount; ++slot) {
        const int k = m_puzzle.StartCell[std::size_t(slot - 1)];
        if (k < 1 || k > Limits::GridCells)
            continue;
        const int row = GridModel::RowOf(k);
        const int column = GridModel::ColumnOf(k);
        const QString number = QString::number(m_puzzle.ClueNumber[std::size_t(slot - 1)]);
        if (row > g.Height || column > g.Width || !numbered.insert({k, number}).second)
            continue;
        g.Numbers.push_back({row, column, number});
    }

    // The answer key font shrinks until a "W" is narrower than a cell.
    m_canvas.setFont(f.Font);
    while (f.Font.Size > RenderLimits::LetterFloor && m_canvas.textWidth(QStringLiteral("W")) >= g.CellSize) {
        --f.Font.Size;
        m_canvas.setFont(f.Font);
    }
    g.LetterFont = f.Font;
    g.LetterMetrics = fontMetrics(m_canvas, g.LetterFont);

    const auto isLetter = [&](int row, int column) {
        const std::uint8_t c = g.cell(row, column);
        return c != 0 && c != ' ';
    };
    const auto letterAt = [&](int row, int column) {
        const char c = char(g.cell(row, column));
        const QString text = shown(QByteArrayView(&c, 1));
        return TGridText{row, column, text, m_canvas.textWidth(text)};
    };
    // One pass over the placed words, each cell at most once, keeping those the test accepts.
    const auto wordPass = [&](const std::function<bool(int slot, std::uint8_t c)>& accept) {
        std::vector<TGridText> pass;
        std::vector<bool> seen(Limits::GridCells, false);
        for (int slot = 1; slot <= m_page.PrintCount; ++slot) {
            wordCells(slot, g.Width, g.Height, [&](int r, int c) {
                const auto p = std::size_t(GridModel::LinearCell(r, c) - 1);
                if (!seen[p] && isLetter(r, c) && accept(slot, g.cell(r, c))) {
                    seen[p] = true;
                    pass.push_back(letterAt(r, c));
                }
            });
        }
        return pass;
    };

    if (m_options.AnswerKey) {
        std::vector<TGridText> pass;
        for (int r = 1; r <= g.Height; ++r) {
            for (int c = 1; c <= g.Width; ++c) {
                if (isLetter(r, c))
                    pass.push_back(letterAt(r, c));
            }
        }
        g.LetterPasses.push_back(std::move(pass));
    } else {
        if (m_options.PartialAnswers)
            g.LetterPasses.push_back(wordPass([&](int slot, std::uint8_t) { return m_options.PartialFlags[std::size_t(slot - 1)]; }));
        QByteArray letters = m_options.Letters;
        for (char& c : letters)
            c = char(Ansi::UpCaseLatin1(std::uint8_t(c)));
        if (m_options.PartialLetters && !letters.isEmpty())
            g.LetterPasses.push_back(wordPass([&](int, std::uint8_t c) { return letters.contains(char(c)); }));
    }
    if (m_options.anySeparator())
        g.LetterPasses.push_back(wordPass([&](int, std::uint8_t c) { return m_options.isSeparator(c); }));
    f.Body = std::move(g);
}

void Measurer::fitBitmap(TFittedObject& f)
{
    TFittedBitmap b;
    b.Tiled = f.Object.Transparent;
    const QByteArray name = f.Object.BitmapFile.text();
    if (!name.isEmpty()) {
        const QString path = Ansi::toUnicode(name);
        QImageReader reader(path);
        reader.setAutoTransform(true);
        // Only a regular file is read: a FIFO would block, a device or folder holds no picture.
        if (QFileInfo(path).isFile())
            b.Picture = reader.read();
        if (b.Picture.isNull())
            m_missingBitmap = true;
    }
    if (b.Picture.isNull())
        f.Border.Used = false;   // an object without its picture draws nothing visible
    if (b.Tiled) {
        f.Border.Used = false;   // a tiled picture has no border
        const double w = f.Rect.width();
        const double h = f.Rect.height();
        if (w > 0 && h > 0) {
            const double columns = std::ceil(m_page.PaperWidth / w);
            const double rows = std::ceil(m_page.PaperHeight / h);
            if (columns * rows <= RenderLimits::MaxTiles) {
                b.TileSize = QSizeF(w, h);
                b.TileColumns = int(columns);
                b.TileRows = int(rows);
            }
        }
    }
    f.Body = std::move(b);
}

} // namespace

TFittedPage MeasurePage(const TPuzzleRecord& puzzle, const TPageLayout& layout, const TRenderOptions& options,
                        TPageCanvas& canvas)
{
    return MeasurePage(puzzle, layout, options, canvas, QSizeF(canvas.paperWidth(), canvas.paperHeight()));
}

TFittedPage MeasurePage(const TPuzzleRecord& puzzle, const TPageLayout& layout, const TRenderOptions& options,
                        TTextMeasure& metrics, QSizeF paperInches)
{
    TFittedPage page;
    TTextMeasure& canvas = metrics;
    page.Title = shown(puzzle.Title.text());
    page.PaperWidth = paperInches.width();
    page.PaperHeight = paperInches.height();
    page.Scale = pageScale(layout, page.PaperWidth, page.PaperHeight);
    page.PrintCount = ComputePrintCount(puzzle);
    page.AcrossCount = std::min(std::clamp<int>(puzzle.AcrossCount, 0, Limits::WordSlots), page.PrintCount);

    Measurer measurer(puzzle, options, canvas, page);
    for (int i = 0; i < layout.usedObjects(); ++i) {
        const TPageObject& o = layout.Objects[std::size_t(i)];
        if (!measurer.printed(o.Kind))
            continue;
        TFittedObject f;
        f.Slot = i + 1;
        f.Kind = o.Kind;
        f.Object = o;
        f.Rect = objectRect(o.Bounds, page.Scale);
        f.Font = textFont(o);
        f.Transparent = o.Transparent;
        f.Alignment = o.Alignment >= TextAlignment::Left && o.Alignment <= TextAlignment::Right ? o.Alignment
                                                                                                : TextAlignment::Left;
        f.Border = {o.UseBorder && o.Kind != ObjectKind::Puzzle, o.BorderColor & 0xFFFFFF,
                    std::clamp<int>(o.BorderWidth, 1, RenderLimits::MaxBorderWidth), o.Kind == ObjectKind::Circle};
        measurer.fit(f);
        page.Objects.push_back(std::move(f));
    }
    if (measurer.missingBitmap())
        page.Warnings.append(RenderLimits::MissingBitmapsWarning);
    return page;
}
