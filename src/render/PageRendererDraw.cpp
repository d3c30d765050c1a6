// Drawing a fitted page: a walk over the result of MeasurePage; nothing is fitted again here.
#include "render/PageRenderer.h"
#include "render/PageWalk.h"

namespace {

constexpr double BaselineShare = 0.8;   // a row's baseline lies this far down the row

void drawBorder(TPageCanvas& canvas, const TFittedObject& f)
{
    if (!f.Border.Used)
        return;
    canvas.setPenColor(f.Border.Color);
    const int left = canvas.toDeviceX(f.Rect.left());
    const int top = canvas.toDeviceY(f.Rect.top());
    const int right = canvas.toDeviceX(f.Rect.right());
    const int bottom = canvas.toDeviceY(f.Rect.bottom());
    for (int p = 0; p < f.Border.Width; ++p) {
        const QRectF r(QPointF(canvas.fromDeviceX(left - p), canvas.fromDeviceY(top - p)),
                       QPointF(canvas.fromDeviceX(right + p), canvas.fromDeviceY(bottom + p)));
        if (f.Border.Ellipse)
            canvas.outlineEllipse(r);
        else
            canvas.outlineRectangle(r);
    }
}

double alignedX(const TFittedObject& f, double textWidth)
{
    switch (f.Alignment) {
    case TextAlignment::Center: return f.Rect.left() + (f.Rect.width() - textWidth) / 2;
    case TextAlignment::Right: return f.Rect.left() + f.Rect.width() - textWidth;
    default: return f.Rect.left();
    }
}

double widthAt(const std::vector<double>& widths, qsizetype i)
{
    return i < qsizetype(widths.size()) ? widths[std::size_t(i)] : 0.0;
}

void beginText(TPageCanvas& canvas, const TFittedObject& f)
{
    canvas.setFont(f.Font);
    canvas.setTextTransparent(f.Transparent);
}

void draw(TPageCanvas& canvas, const TFittedObject& f, const TFittedSingleLine& line)
{
    beginText(canvas, f);
    const double x = alignedX(f, line.Width);
    const double y = f.Rect.bottom() - f.Rect.height() / 2 + (f.Metrics.Ascent - f.Metrics.Descent) / 2;
    canvas.fittedTextOut(x, y, line.Text, line.Width);
    drawBorder(canvas, f);
}

void draw(TPageCanvas& canvas, const TFittedObject& f, const TFittedTextBlock& block)
{
    beginText(canvas, f);
    const double l = block.LineHeight;
    for (qsizetype i = 0; i < block.Lines.size(); ++i) {
        const double width = widthAt(block.Widths, i);
        canvas.fittedTextOut(alignedX(f, width), f.Rect.top() + double(i) * l + BaselineShare * l, block.Lines.at(i),
                             width);
    }
    drawBorder(canvas, f);
}

void draw(TPageCanvas& canvas, const TFittedObject& f, const TFittedWordList& list)
{
    beginText(canvas, f);
    const double t = list.RowHeight;
    for (const TFittedWord& word : list.Words) {
        const double x = f.Rect.left() + (word.Column - 1) * list.ColumnWidth + list.Gap;
        canvas.fittedTextOut(x, f.Rect.top() + (word.Row - 1) * t + BaselineShare * t, word.Text, word.Width);
    }
    drawBorder(canvas, f);
}

void draw(TPageCanvas& canvas, const TFittedObject& f, const TFittedClues& clues)
{
    beginText(canvas, f);
    const double t = clues.RowHeight;
    const auto columnLeft = [&](int column) {
        return f.Rect.left() + (column - 1) * (clues.NumberWidth + clues.ClueWidth + clues.Spacing);
    };
    const auto rowTop = [&](int row) { return f.Rect.top() + (row - 1) * t; };
    canvas.setPenColor(f.Font.Color);
    for (const TFittedHeading& heading : clues.Headings) {
        const double left = columnLeft(heading.Column);
        const double top = rowTop(heading.Row);
        const double x = left + (heading.Width - heading.TextWidth) / 2;
        canvas.fittedTextOut(x, top + BaselineShare * t, heading.Text, heading.TextWidth);
        canvas.outlineRectangle(QRectF(left, top, heading.Width, t));
    }
    for (const TFittedClue& clue : clues.Clues) {
        const double x = columnLeft(clue.Column) + clues.Gap;
        canvas.fittedTextOut(x, rowTop(clue.Row) + BaselineShare * t, clue.Number, clue.NumberTextWidth);
        for (qsizetype j = 0; j < clue.Lines.size(); ++j)
            canvas.fittedTextOut(x + clues.NumberWidth, rowTop(clue.Row + int(j)) + BaselineShare * t, clue.Lines.at(j),
                                 widthAt(clue.LineWidths, j));
    }
    drawBorder(canvas, f);
}

void draw(TPageCanvas& canvas, const TFittedObject&, const TFittedGrid& g)
{
    const auto isLetter = [&](int r, int c) { return g.cell(r, c) != 0 && g.cell(r, c) != ' '; };

    if (g.UseBoxes) {
        canvas.setPenColor(g.BoxColor);
        for (int r = 1; r <= g.Height; ++r) {
            for (int c = 1; c <= g.Width; ++c) {
                if (g.cell(r, c) != ' ')
                    continue;
                const QRectF cell = g.cellRect(r, c);
                canvas.fillRectangle(cell, g.BoxColor);
                if (c == g.Width || g.cell(r, c + 1) == 0) {
                    canvas.moveTo(cell.right(), cell.top());
                    canvas.lineTo(cell.right(), cell.bottom());
                }
                if (r == g.Height || g.cell(r + 1, c) == 0) {
                    canvas.moveTo(cell.left(), cell.bottom());
                    canvas.lineTo(cell.right(), cell.bottom());
                }
            }
        }
    }

    for (int r = 1; r <= g.Height; ++r) {
        for (int c = 1; c <= g.Width; ++c) {
            if (isLetter(r, c))
                canvas.fillRectangle(g.cellRect(r, c), g.BlockColor);
        }
    }

    // Outlines: pass p lies p device pixels inside the cell on every side.
    canvas.setPenColor(g.LineColor);
    for (int r = 1; r <= g.Height; ++r) {
        for (int c = 1; c <= g.Width; ++c) {
            if (!isLetter(r, c))
                continue;
            const QRectF cell = g.cellRect(r, c);
            const int left = canvas.toDeviceX(cell.left());
            const int top = canvas.toDeviceY(cell.top());
            const int right = canvas.toDeviceX(cell.right());
            const int bottom = canvas.toDeviceY(cell.bottom());
            for (int p = 0; p < g.LineWidth; ++p) {
                if (left + p > right - p || top + p > bottom - p)
                    break;
                canvas.outlineRectangle(QRectF(QPointF(canvas.fromDeviceX(left + p), canvas.fromDeviceY(top + p)),
                                               QPointF(canvas.fromDeviceX(right - p), canvas.fromDeviceY(bottom - p))));
            }
        }
    }

    canvas.setFont(g.NumberFont);
    canvas.setTextTransparent(true);
    const double nine = g.DigitWidths[9];
    const double step = g.NumberMetrics.Height - g.NumberMetrics.Descent;
    for (const TGridText& number : g.Numbers) {
        const QRectF cell = g.cellRect(number.Row, number.Column);
        const double x = cell.left() + nine / 2;
        const double y = cell.top() + step;
        if (g.NumbersHorizontal) {
            canvas.fittedTextOut(x, y, number.Text, g.numberWidth(number.Text));
        } else {
            for (qsizetype k = 0; k < number.Text.size(); ++k) {
                const QString digit = number.Text.mid(k, 1);
                canvas.fittedTextOut(x, y + double(k) * step, digit, g.numberWidth(digit));
            }
        }
    }

    canvas.setFont(g.LetterFont);
    canvas.setTextTransparent(true);
    const double e = g.CellSize;
    const double descent = g.LetterMetrics.Descent;
    for (const std::vector<TGridText>& pass : g.LetterPasses) {
        for (const TGridText& letter : pass) {
            const QRectF cell = g.cellRect(letter.Row, letter.Column);
            const double x = cell.left() + (e - letter.Width) / 2;
            const double y = cell.bottom() - descent - (e - g.LetterMetrics.Height) / 2;
            canvas.fittedTextOut(x, y, letter.Text, letter.Width);
        }
    }
}

void draw(TPageCanvas& canvas, const TFittedObject& f, const TFittedBitmap& b)
{
    if (b.Picture.isNull())
        return;
    if (b.Tiled) {
        for (int j = 0; j < b.TileRows; ++j) {
            for (int i = 0; i < b.TileColumns; ++i) {
                const QRectF tile(i * b.TileSize.width(), j * b.TileSize.height(), b.TileSize.width(),
                                  b.TileSize.height());
                canvas.stretchImage(tile, b.Picture);
            }
        }
        return;
    }
    canvas.stretchImage(f.Rect, b.Picture);
    drawBorder(canvas, f);
}

void draw(TPageCanvas& canvas, const TFittedObject& f, const TFittedShape& shape)
{
    if (shape.Filled) {
        if (f.Kind == ObjectKind::Circle)
            canvas.fillEllipse(f.Rect, shape.FillColor);
        else
            canvas.fillRectangle(f.Rect, shape.FillColor);
    }
    drawBorder(canvas, f);
}

} // namespace

void DrawPage(const TFittedPage& page, TPageCanvas& canvas)
{
    WalkPage(page, [&](const TFittedObject& f, const auto& body) { draw(canvas, f, body); });
}
