#pragma once
// The miniature of a page layout shown by the layout list, the report window and the word list editor.

#include "pages/PageLayout.h"

#include <QColor>
#include <QRect>
#include <array>
#include <cstdint>
#include <optional>

class QPainter;

/** One entry of the thumbnail legend: its label and its colour (0x00BBGGRR). */
struct TLegendEntry {
    const char* Label;
    std::uint32_t Color;
};

/** The legend of the thumbnail colours: Puzzle, Across, Down, Title, Bonus, "Text, Shapes", Words. */
const std::array<TLegendEntry, 7>& ThumbnailLegend();

/** The thumbnail colour (0x00BBGGRR) of an object kind; nothing for a kind outside 1..13. */
std::optional<std::uint32_t> ThumbnailColor(int kind);

/**
 * Draws a layout's miniature into area: the area cleared to background, the page scaled to fit
 * and filled white at the area's top-left corner, then each used object in slot order as a block
 * in its kind's colour (circles as filled ellipses, other kinds with a black outline, dotted for
 * bitmaps; a tiled bitmap is outlined around the whole page) and dotted column lines in clue and
 * word lists of two or more columns. Objects of unknown kinds are skipped; a page size of 0 falls
 * back to the paper size; drawing never leaves area.
 */
void DrawThumbnail(QPainter& painter, QRect area, const TPageLayout& layout, QColor background);
