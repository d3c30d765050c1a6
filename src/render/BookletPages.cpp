// The pages a booklet draws itself: the cover with its contents, the answer key and the page numbers.
#include "render/Booklet.h"

#include "store/Ansi.h"

#include <algorithm>
#include <cmath>

namespace {

// Geometry of the booklet's own pages, inches.
constexpr double Margin = 1.0;               ///< left and right of the contents
constexpr double TitleBaseline = 1.6;
constexpr double ContentsBaseline = 2.5;     ///< "Contents" on the first cover page
constexpr double MoreContentsBaseline = 1.0; ///< "Contents" on the pages after it
constexpr double FirstEntryGap = 0.45;       ///< from the heading to the first entry
constexpr double EntryStep = 0.3;
constexpr double BottomRoom = 1.0;           ///< below the last entry
constexpr double KeyHeadingBaseline = 0.9;
constexpr double KeyTop = 1.2;
constexpr double KeySide = 0.6;
constexpr double KeyBottom = 0.7;
constexpr double KeyPadding = 0.12;
constexpr double FooterBaseline = 0.4;       ///< above the paper's bottom edge
constexpr std::uint32_t Black = 0x000000;
constexpr std::uint32_t White = 0xFFFFFF;

TCanvasFont arial(int size, bool bold = false)
{
    TCanvasFont font;
    font.Name = QStringLiteral("Arial");
    font.Size = size;
    font.Bold = bold;
    return font;
}

void centred(TPageCanvas& canvas, double left, double width, double baseline, const QString& text)
{
    canvas.textOut(left + (width - canvas.textWidth(text)) / 2, baseline, text);
}

/** The text cut at its end, with "...", until it is no wider than width. */
QString elided(TPageCanvas& canvas, QString text, double width)
{
    if (canvas.textWidth(text) <= width)
        return text;
    while (!text.isEmpty() && canvas.textWidth(text + QStringLiteral("...")) > width)
        text.chop(1);
    return text + QStringLiteral("...");
}

} // namespace

int TBooklet::contentsLines(QSizeF paper, bool firstPage)
{
    const double first = (firstPage ? ContentsBaseline : MoreContentsBaseline) + FirstEntryGap;
    return std::max(1, int(std::floor((paper.height() - BottomRoom - first) / EntryStep)) + 1);
}

void TBooklet::drawCover(const TBookletPage& page, TPageCanvas& canvas) const
{
    const double width = canvas.paperWidth();
    const bool first = page.First == 0;
    canvas.setTextTransparent(true);
    if (first && !m_options.CoverTitle.isEmpty()) {
        canvas.setFont(arial(26, true));
        centred(canvas, 0, width, TitleBaseline, elided(canvas, Ansi::toUnicode(m_options.CoverTitle), width - 2 * Margin));
    }
    const double heading = first ? ContentsBaseline : MoreContentsBaseline;
    canvas.setFont(arial(16, true));
    canvas.textOut(Margin, heading, BookletTexts::Contents);

    canvas.setFont(arial(12));
    const auto entries = contentsEntries();
    const double dot = canvas.textWidth(QStringLiteral("."));
    const double right = width - Margin;
    for (int i = 0; i < page.Count && page.First + i < int(entries.size()); ++i) {
        const auto& [title, number] = entries[std::size_t(page.First + i)];
        const double baseline = heading + FirstEntryGap + i * EntryStep;
        const QString pageText = QString::number(number);
        const double numberWidth = canvas.textWidth(pageText);
        const QString text = elided(canvas, title, right - Margin - numberWidth - 6 * dot);
        const double textWidth = canvas.textWidth(text);
        canvas.textOut(Margin, baseline, text);
        canvas.textOut(right - numberWidth, baseline, pageText);
        // Dot leaders between the title and its page number.
        const int dots = int((right - numberWidth - Margin - textWidth) / dot) - 2;
        if (dots > 0)
            canvas.textOut(right - numberWidth - dot * (dots + 1), baseline, QString(dots, QLatin1Char('.')));
    }
}

bool TBooklet::drawKey(const TBookletPage& page, TPageCanvas& canvas, QString& error)
{
    const double width = canvas.paperWidth();
    const double height = canvas.paperHeight();
    canvas.setTextTransparent(true);
    canvas.setFont(arial(16, true));
    centred(canvas, 0, width, KeyHeadingBaseline, BookletTexts::KeyEntry);
    const QSize grid = keyGrid(QSizeF(width, height));
    const double cellWidth = (width - 2 * KeySide) / grid.width();
    const double cellHeight = (height - KeyTop - KeyBottom) / grid.height();
    for (int i = 0; i < page.Count; ++i) {
        TPuzzleRecord puzzle;
        if (!readPuzzle(page.First + i, puzzle, error))
            return false;
        const int column = i % grid.width();
        const int row = i / grid.width();
        const QRectF box(KeySide + column * cellWidth, KeyTop + row * cellHeight, cellWidth, cellHeight);
        DrawKeyGrid(puzzle, box.adjusted(KeyPadding, KeyPadding, -KeyPadding, -KeyPadding), canvas);
    }
    return true;
}

void TBooklet::drawFooter(int page, TPageCanvas& canvas) const
{
    // The first page of a cover carries no number; it is still counted.
    if (!m_options.PageNumbers || (page == 0 && m_pages.front().What == TBookletPage::Cover))
        return;
    canvas.setTextTransparent(true);
    canvas.setFont(arial(10));
    centred(canvas, 0, canvas.paperWidth(), canvas.paperHeight() - FooterBaseline, QString::number(page + 1));
}

void DrawKeyGrid(const TPuzzleRecord& puzzle, const QRectF& box, TPageCanvas& canvas)
{
    canvas.setTextTransparent(true);
    canvas.setFont(arial(10, true));
    const double titleHeight = canvas.lineHeight();
    canvas.textOut(box.left(), box.top() + canvas.ascent(),
                   elided(canvas, Ansi::toUnicode(puzzle.Title.text()), box.width()));

    const int columns = std::clamp<int>(puzzle.GridWidth, 1, Limits::GridSide);
    const int rows = std::clamp<int>(puzzle.GridHeight, 1, Limits::GridSide);
    const double top = box.top() + titleHeight * 1.4;
    const double cell = std::min(box.width() / columns, (box.bottom() - top) / rows);
    if (cell <= 0)
        return;
    const double left = box.left() + (box.width() - cell * columns) / 2;
    canvas.setFont(arial(std::max(1, int(cell * 72 * 0.6))));
    const double ascent = canvas.ascent();
    const double descent = canvas.descent();
    canvas.setPenColor(Black);
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            const std::uint8_t byte = puzzle.Grid[std::size_t((r - 1) * Limits::GridSide + c - 1)];
            // The key shows the letters only: cells outside the shape and the shape's empty boxes stay blank.
            if (byte == 0 || byte == ' ')
                continue;
            const QRectF rect(left + (c - 1) * cell, top + (r - 1) * cell, cell, cell);
            canvas.fillRectangle(rect, White);
            canvas.moveTo(rect.left(), rect.top());
            canvas.lineTo(rect.right(), rect.top());
            canvas.lineTo(rect.right(), rect.bottom());
            canvas.lineTo(rect.left(), rect.bottom());
            canvas.lineTo(rect.left(), rect.top());
            const QString letter = Ansi::toUnicode(QByteArray(1, char(byte)));
            canvas.textOut(rect.left() + (cell - canvas.textWidth(letter)) / 2, rect.top() + (cell + ascent - descent) / 2,
                           letter);
        }
    }
}
