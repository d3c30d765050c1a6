#include "pages/MetafileExport.h"

#include "store/Ansi.h"
#include "store/RecordFile.h"

#include <type_traits>

namespace MetafileExport {

namespace {

int u(double inches)
{
    return TMetafileCanvas::toUnits(inches);
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

/** The text a single-line object shows in a metafile: headers show their own layout text. */
QString singleLineText(const TFittedObject& f, const TFittedSingleLine& line)
{
    if (f.Kind == ObjectKind::DownHeader || f.Kind == ObjectKind::AcrossHeader)
        return Ansi::toUnicode(f.Object.text());
    return line.Text;
}

void drawSingleLine(TMetafileCanvas& canvas, const TFittedObject& f, const TFittedSingleLine& line)
{
    beginText(canvas, f);
    const QString text = singleLineText(f, line);
    const int x = alignedX(f, canvas.unitTextWidth(text));
    const int y = u(f.Rect.top() + f.Rect.height() / 2) - canvas.unitTextHeight(text) / 2;
    canvas.textAtTop(x, y, text);
    drawBorder(canvas, f);
}

void drawTextBlock(TMetafileCanvas& canvas, const TFittedObject& f, const TFittedTextBlock& block)
{
    beginText(canvas, f);
    const int l = canvas.unitTextHeight(RenderLimits::SampleText);
    const int top = u(f.Rect.top());
    for (qsizetype i = 0; i < block.Lines.size(); ++i) {
        const QString& line = block.Lines.at(i);
        canvas.textAtTop(alignedX(f, canvas.unitTextWidth(line)), top + int(i) * l, line);
    }
    drawBorder(canvas, f);
}

void drawWordList(TMetafileCanvas& canvas, const TFittedObject& f, const TFittedWordList& list)
{
    beginText(canvas, f);
    for (const TFittedWord& word : list.Words) {
        const int x = u(f.Rect.left() + (word.Column - 1) * list.ColumnWidth + list.Gap);
        canvas.textAtTop(x, u(f.Rect.top() + (word.Row - 1) * list.RowHeight), word.Text);
    }
    drawBorder(canvas, f);
}

/** Combined Clues headings: Across from the layout text before ":", Down from the text after it. */
QString combinedHeading(const TFittedObject& f, std::size_t index)
{
    const QByteArray text = f.Object.text();
    const qsizetype colon = text.indexOf(':');
    if (index == 0)
        return Ansi::toUnicode(colon >= 0 ? text.left(colon) : text);
    return colon >= 0 ? Ansi::toUnicode(text.mid(colon + 1)) : QString();
}

void drawClues(TMetafileCanvas& canvas, const TFittedObject& f, const TFittedClues& clues)
{
    beginText(canvas, f);
    const double t = clues.RowHeight;
    const auto columnLeft = [&](int column) {
        return f.Rect.left() + (column - 1) * (clues.NumberWidth + clues.ClueWidth + clues.Spacing);
    };
    const auto rowTop = [&](int row) { return u(f.Rect.top() + (row - 1) * t); };
    canvas.setPenColor(f.Font.Color);
    for (std::size_t h = 0; h < clues.Headings.size(); ++h) {
        const TFittedHeading& heading = clues.Headings[h];
        const QString text = combinedHeading(f, h);
        const double left = columnLeft(heading.Column);
        const int top = rowTop(heading.Row);
        canvas.textAtTop(u(left) + (u(heading.Width) - canvas.unitTextWidth(text)) / 2, top, text);
        canvas.unitFrame(u(left), top, u(left + heading.Width), u(f.Rect.top() + heading.Row * t));
    }
    for (const TFittedClue& clue : clues.Clues) {
        const double x = columnLeft(clue.Column) + clues.Gap;
        canvas.textAtTop(u(x), rowTop(clue.Row), clue.Number);
        for (qsizetype j = 0; j < clue.Lines.size(); ++j)
            canvas.textAtTop(u(x + clues.NumberWidth), rowTop(clue.Row + int(j)), clue.Lines.at(j));
    }
    drawBorder(canvas, f);
}

void drawGrid(TMetafileCanvas& canvas, const TFittedGrid& g)
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
    const int nine = canvas.unitTextWidth(QStringLiteral("9"));
    for (const TGridText& number : g.Numbers) {
        const Cell cell = cellUnits(number.Row, number.Column);
        const int x = cell.Left + nine / 2;
        if (g.NumbersHorizontal) {
            canvas.textAtTop(x, cell.Top, number.Text);
        } else {
            int y = cell.Top;
            for (qsizetype k = 0; k < number.Text.size(); ++k) {
                const QString digit = number.Text.mid(k, 1);
                canvas.textAtTop(x, y, digit);
                y += canvas.unitTextHeight(digit);
            }
        }
    }

    canvas.setFont(g.LetterFont);
    canvas.setTextTransparent(true);
    const int e = u(g.CellSize);
    for (const std::vector<TGridText>& pass : g.LetterPasses) {
        for (const TGridText& letter : pass) {
            const Cell cell = cellUnits(letter.Row, letter.Column);
            canvas.textAtTop(cell.Left + (e - canvas.unitTextWidth(letter.Text)) / 2,
                             cell.Top + (e - canvas.unitTextHeight(letter.Text)) / 2, letter.Text);
        }
    }
}

void drawShape(TMetafileCanvas& canvas, const TFittedObject& f, const TFittedShape& shape)
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
    for (const TFittedObject& f : page.Objects) {
        std::visit(
            [&](const auto& body) {
                using T = std::decay_t<decltype(body)>;
                if constexpr (std::is_same_v<T, TFittedSingleLine>)
                    drawSingleLine(canvas, f, body);
                else if constexpr (std::is_same_v<T, TFittedTextBlock>)
                    drawTextBlock(canvas, f, body);
                else if constexpr (std::is_same_v<T, TFittedWordList>)
                    drawWordList(canvas, f, body);
                else if constexpr (std::is_same_v<T, TFittedClues>)
                    drawClues(canvas, f, body);
                else if constexpr (std::is_same_v<T, TFittedGrid>)
                    drawGrid(canvas, body);
                else if constexpr (std::is_same_v<T, TFittedShape>)
                    drawShape(canvas, f, body);
                // Pictures are never saved in a metafile.
            },
            f.Body);
    }
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
    const TPageLayout layout = PuzzleLayout(puzzle);
    TMetafileCanvas canvas(kind, RenderPaperSize(layout));
    if (!canvas.isValid())
        return {};
    TFittedPage page = MeasurePage(puzzle, layout, options, canvas);
    drawMetafilePage(page, canvas);
    if (fitted)
        *fitted = std::move(page);
    return canvas.finish();
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
