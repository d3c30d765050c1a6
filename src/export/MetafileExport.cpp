#include "export/MetafileExport.h"

#include "render/PageWalk.h"
#include "store/RecordFile.h"

#include <cmath>

namespace MetafileExport {

namespace {

int u(double inches)
{
    return TMetafileCanvas::toUnits(inches);
}

/** The text height of a fitted font in whole units: whole-unit ascent plus whole-unit descent. */
int unitHeight(const TFittedFontMetrics& m)
{
    constexpr double Units = MetafileLimits::UnitsPerInch;
    return int(std::lround(m.Ascent * Units) + std::lround(m.Descent * Units));
}

void beginText(TMetafileCanvas& canvas, const TFittedObject& f)
{
    canvas.setFont(f.Font);
    canvas.setTextTransparent(f.Transparent);
}

void drawBorder(TMetafileCanvas& canvas, const TFittedObject& f)
{
    if (!f.Border.Used)
        return;
    canvas.setPenColor(f.Border.Color);
    const int left = u(f.Rect.left());
    const int top = u(f.Rect.top());
    const int right = u(f.Rect.right());
    const int bottom = u(f.Rect.bottom());
    for (int p = 0; p < f.Border.Width; ++p) {
        if (f.Border.Ellipse)
            canvas.unitEllipseFrame(left - p, top - p, right + p, bottom + p);
        else
            canvas.unitFrame(left - p, top - p, right + p, bottom + p);
    }
}

/** x of a text of the given width by the object's alignment, in whole units. */
int alignedX(const TFittedObject& f, int textWidth)
{
    switch (f.Alignment) {
    case TextAlignment::Center: return u(f.Rect.left()) + (u(f.Rect.width()) - textWidth) / 2;
    case TextAlignment::Right: return u(f.Rect.left() + f.Rect.width()) - textWidth;
    default: return u(f.Rect.left());
    }
}

// Headings show the text the page was fitted with, as every other output does: the header's
// own text, or the "Across Label" / "Down Label" setting when it has none.
void draw(TMetafileCanvas& canvas, const TFittedObject& f, const TFittedSingleLine& line)
{
    beginText(canvas, f);
    const int x = alignedX(f, u(line.Width));
    const int y = u(f.Rect.top() + f.Rect.height() / 2) - unitHeight(f.Metrics) / 2;
    canvas.fittedTextAtTop(x, y, line.Text, line.Width);
    drawBorder(canvas, f);
}

void draw(TMetafileCanvas& canvas, const TFittedObject& f, const TFittedTextBlock& block)
{
    beginText(canvas, f);
    const int l = unitHeight(f.Metrics);
    const int top = u(f.Rect.top());
    for (qsizetype i = 0; i < block.Lines.size(); ++i) {
        const double width = i < qsizetype(block.Widths.size()) ? block.Widths[std::size_t(i)] : 0.0;
        canvas.fittedTextAtTop(alignedX(f, u(width)), top + int(i) * l, block.Lines.at(i), width);
    }
    drawBorder(canvas, f);
}

void draw(TMetafileCanvas& canvas, const TFittedObject& f, const TFittedWordList& list)
{
    beginText(canvas, f);
    for (const TFittedWord& word : list.Words) {
        const int x = u(f.Rect.left() + (word.Column - 1) * list.ColumnWidth + list.Gap);
        canvas.fittedTextAtTop(x, u(f.Rect.top() + (word.Row - 1) * list.RowHeight), word.Text, word.Width);
    }
    drawBorder(canvas, f);
}

void draw(TMetafileCanvas& canvas, const TFittedObject& f, const TFittedClues& clues)
{
    beginText(canvas, f);
    const double t = clues.RowHeight;
    const auto columnLeft = [&](int column) {
        return f.Rect.left() + (column - 1) * (clues.NumberWidth + clues.ClueWidth + clues.Spacing);
    };
    const auto rowTop = [&](int row) { return u(f.Rect.top() + (row - 1) * t); };
    canvas.setPenColor(f.Font.Color);
    for (const TFittedHeading& heading : clues.Headings) {
        const double left = columnLeft(heading.Column);
        const int top = rowTop(heading.Row);
        canvas.fittedTextAtTop(u(left) + (u(heading.Width) - u(heading.TextWidth)) / 2, top, heading.Text,
                               heading.TextWidth);
        canvas.unitFrame(u(left), top, u(left + heading.Width), u(f.Rect.top() + heading.Row * t));
    }
    for (const TFittedClue& clue : clues.Clues) {
        const double x = columnLeft(clue.Column) + clues.Gap;
        canvas.fittedTextAtTop(u(x), rowTop(clue.Row), clue.Number, clue.NumberTextWidth);
        for (qsizetype j = 0; j < clue.Lines.size(); ++j) {
            const double width = j < qsizetype(clue.LineWidths.size()) ? clue.LineWidths[std::size_t(j)] : 0.0;
            canvas.fittedTextAtTop(u(x + clues.NumberWidth), rowTop(clue.Row + int(j)), clue.Lines.at(j), width);
        }
    }
    drawBorder(canvas, f);
}

void draw(TMetafileCanvas& canvas, const TFittedObject&, const TFittedGrid& g)
{
    const auto isLetter = [&](int r, int c) { return g.cell(r, c) != 0 && g.cell(r, c) != ' '; };
    struct Cell {
        int Left, Top, Right, Bottom;
    };
    const auto cellUnits = [&](int r, int c) {
        const QRectF cell = g.cellRect(r, c);
        return Cell{u(cell.left()), u(cell.top()), u(cell.right()), u(cell.bottom())};
    };

    if (g.UseBoxes) {
        canvas.setPenColor(g.BoxColor);
        for (int r = 1; r <= g.Height; ++r) {
            for (int c = 1; c <= g.Width; ++c) {
                if (g.cell(r, c) != ' ')
                    continue;
                const Cell cell = cellUnits(r, c);
                canvas.unitFill(cell.Left, cell.Top, cell.Right, cell.Bottom, g.BoxColor);
                canvas.setPenColor(g.BoxColor);
                if (c == g.Width || g.cell(r, c + 1) == 0)
                    canvas.unitLine(cell.Right, cell.Top, cell.Right, cell.Bottom);
                if (r == g.Height || g.cell(r + 1, c) == 0)
                    canvas.unitLine(cell.Left, cell.Bottom, cell.Right, cell.Bottom);
            }
        }
    }

    for (int r = 1; r <= g.Height; ++r) {
        for (int c = 1; c <= g.Width; ++c) {
            if (isLetter(r, c)) {
                const Cell cell = cellUnits(r, c);
                canvas.unitFill(cell.Left, cell.Top, cell.Right, cell.Bottom, g.BlockColor);
            }
        }
    }

    // Outlines: pass p lies p units inside the cell on every side.
    canvas.setPenColor(g.LineColor);
    for (int r = 1; r <= g.Height; ++r) {
        for (int c = 1; c <= g.Width; ++c) {
            if (!isLetter(r, c))
                continue;
            const Cell cell = cellUnits(r, c);
            for (int p = 0; p < g.LineWidth; ++p) {
                if (cell.Left + p > cell.Right - p || cell.Top + p > cell.Bottom - p)
                    break;
                canvas.unitFrame(cell.Left + p, cell.Top + p, cell.Right - p, cell.Bottom - p);
            }
        }
    }

    canvas.setFont(g.NumberFont);
    canvas.setTextTransparent(true);
    const int nine = u(g.DigitWidths[9]);
    for (const TGridText& number : g.Numbers) {
        const Cell cell = cellUnits(number.Row, number.Column);
        const int x = cell.Left + nine / 2;
        if (g.NumbersHorizontal) {
            canvas.fittedTextAtTop(x, cell.Top, number.Text, g.numberWidth(number.Text));
        } else {
            int y = cell.Top;
            for (qsizetype k = 0; k < number.Text.size(); ++k) {
                const QString digit = number.Text.mid(k, 1);
                canvas.fittedTextAtTop(x, y, digit, g.numberWidth(digit));
                y += unitHeight(g.NumberMetrics);
            }
        }
    }

    canvas.setFont(g.LetterFont);
    canvas.setTextTransparent(true);
    const int e = u(g.CellSize);
    for (const std::vector<TGridText>& pass : g.LetterPasses) {
        for (const TGridText& letter : pass) {
            const Cell cell = cellUnits(letter.Row, letter.Column);
            canvas.fittedTextAtTop(cell.Left + (e - u(letter.Width)) / 2, cell.Top + (e - unitHeight(g.LetterMetrics)) / 2,
                                   letter.Text, letter.Width);
        }
    }
}

void draw(TMetafileCanvas& canvas, const TFittedObject& f, const TFittedShape& shape)
{
    if (shape.Filled) {
        const int left = u(f.Rect.left());
        const int top = u(f.Rect.top());
        const int right = u(f.Rect.right());
        const int bottom = u(f.Rect.bottom());
        if (f.Kind == ObjectKind::Circle)
            canvas.unitFillEllipse(left, top, right, bottom, shape.FillColor);
        else
            canvas.unitFill(left, top, right, bottom, shape.FillColor);
    }
    drawBorder(canvas, f);
}

/** Pictures are never saved in a metafile. */
void draw(TMetafileCanvas&, const TFittedObject&, const TFittedBitmap&) {}

} // namespace

bool hasBitmaps(const TPageLayout& layout)
{
    for (int i = 0; i < layout.usedObjects(); ++i) {
        if (layout.Objects[std::size_t(i)].Kind == ObjectKind::Bitmap)
            return true;
    }
    return false;
}

void drawMetafilePage(const TFittedPage& page, TMetafileCanvas& canvas)
{
    canvas.unitFill(0, 0, canvas.pageUnits().width(), canvas.pageUnits().height(), 0xFFFFFF);
    WalkPage(page, [&](const TFittedObject& f, const auto& body) { draw(canvas, f, body); });
}

QByteArray encodeMetafile(const TFittedPage& page, MetafileKind kind)
{
    TMetafileCanvas canvas(kind, QSizeF(page.PaperWidth, page.PaperHeight));
    if (!canvas.isValid())
        return {};
    drawMetafilePage(page, canvas);
    return canvas.finish();
}

QByteArray encodeMetafile(const TPuzzleRecord& puzzle, const TRenderOptions& options, MetafileKind kind,
                          TFittedPage* fitted)
{
    TFittedPage page = FitPage(puzzle, options);
    QByteArray bytes = encodeMetafile(page, kind);
    if (fitted)
        *fitted = std::move(page);
    return bytes;
}

namespace {

IoResult writeBytes(const QByteArray& bytes, const QString& path)
{
    if (bytes.isEmpty())
        return IoResult::failed(IoResult::IoError, QStringLiteral("The metafile could not be recorded"));
    return RecordFile::replaceWhole(path, bytes);
}

} // namespace

IoResult writeMetafile(const TFittedPage& page, MetafileKind kind, const QString& path)
{
    return writeBytes(encodeMetafile(page, kind), path);
}

IoResult writeEmf(const TPuzzleRecord& puzzle, const TRenderOptions& options, const QString& path)
{
    return writeBytes(encodeMetafile(puzzle, options, MetafileKind::Emf), path);
}

IoResult writeWmf(const TPuzzleRecord& puzzle, const TRenderOptions& options, const QString& path)
{
    return writeBytes(encodeMetafile(puzzle, options, MetafileKind::Wmf), path);
}

} // namespace MetafileExport

IoResult exportMetafile(const TPuzzleRecord& puzzle, const TRenderOptions& options, MetafileKind kind,
                        const QString& path, bool* hadBitmaps)
{
    if (hadBitmaps)
        *hadBitmaps = MetafileExport::hasBitmaps(PuzzleLayout(puzzle));
    return kind == MetafileKind::Emf ? MetafileExport::writeEmf(puzzle, options, path)
                                     : MetafileExport::writeWmf(puzzle, options, path);
}
