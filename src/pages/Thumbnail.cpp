#include "pages/Thumbnail.h"

#include "pages/PaperSizes.h"
#include "store/WindowsColor.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr std::array<TLegendEntry, 7> Legend{{
    {"Puzzle", 0x000080},
    {"Across", 0xFFFF00},
    {"Down", 0x008080},
    {"Title", 0x00FFFF},
    {"Bonus", 0xFF00FF},
    {"Text, Shapes", 0x808080},
    {"Words", 0x808000},
}};

// Thumbnail colours of kinds 1..13.
constexpr std::uint32_t KindColors[13] = {
    0x00FFFF, // Title
    0x000080, // Puzzle
    0x008080, // Down Header
    0xFFFF00, // Across Header
    0x008080, // Down Clues
    0xFFFF00, // Across Clues
    0x808000, // Words
    0xFF00FF, // Bonus Question
    0xFFFF00, // Combined Clues
    0x808080, // Text
    0xFFFFFF, // Bitmap
    0x808080, // Rectangle
    0x808080, // Circle
};

// Largest coordinate kept after scaling; far outside any drawing area, far inside int.
constexpr double CoordinateLimit = 1e6;

int scaled(std::int32_t value, double scale)
{
    return int(std::clamp(std::trunc(double(value) * scale), -CoordinateLimit, CoordinateLimit));
}

bool hasColumns(int kind)
{
    return kind == ObjectKind::DownClues || kind == ObjectKind::AcrossClues || kind == ObjectKind::WordList
           || kind == ObjectKind::CombinedClues;
}

// A rectangle outline over the pixels Left..Right-1 and Top..Bottom-1, as a Windows rectangle lies.
void outline(QPainter& painter, int left, int top, int right, int bottom, Qt::PenStyle style)
{
    if (right - left < 1 || bottom - top < 1)
        return;
    painter.setPen(QPen(Qt::black, 0, style));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void drawColumnLines(QPainter& painter, int left, int top, int right, int bottom, int columns)
{
    if (columns < 2 || bottom <= top)
        return;
    const int step = (right - left) / columns;
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    // With a step of 0 every line falls on Left: one line draws them all.
    const int lines = step == 0 ? 1 : columns - 1;
    for (int k = 1; k <= lines; ++k) {
        const int x = left + k * step;
        painter.drawLine(x, top, x, bottom - 1);
    }
}

} // namespace

const std::array<TLegendEntry, 7>& ThumbnailLegend()
{
    return Legend;
}

std::optional<std::uint32_t> ThumbnailColor(int kind)
{
    if (kind < ObjectKind::Title || kind > ObjectKind::Circle)
        return std::nullopt;
    return KindColors[kind - 1];
}

void DrawThumbnail(QPainter& painter, QRect area, const TPageLayout& layout, QColor background)
{
    if (area.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRect(area);
    painter.fillRect(area, background);
    painter.translate(area.topLeft());

    const QSize page = PaperSizes::designPageSize(layout);
    const double scale = std::min(double(area.width()) / page.width(), double(area.height()) / page.height());
    const int pageWidth = int(page.width() * scale);
    const int pageHeight = int(page.height() * scale);
    painter.fillRect(QRect(0, 0, pageWidth, pageHeight), Qt::white);

    for (int i = 0; i < layout.usedObjects(); ++i) {
        const TPageObject& object = layout.Objects[std::size_t(i)];
        const auto color = ThumbnailColor(object.Kind);
        if (!color)
            continue;
        const QColor fill = ColorFromWindows(*color);
        const int left = scaled(std::min(object.Bounds.Left, object.Bounds.Right), scale);
        const int right = scaled(std::max(object.Bounds.Left, object.Bounds.Right), scale);
        const int top = scaled(std::min(object.Bounds.Top, object.Bounds.Bottom), scale);
        const int bottom = scaled(std::max(object.Bounds.Top, object.Bounds.Bottom), scale);
        const QRect box(left, top, right - left, bottom - top);

        if (object.Kind == ObjectKind::Circle) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(fill);
            painter.drawEllipse(box);
            continue;
        }
        if (object.Kind == ObjectKind::Bitmap && object.Transparent) {
            // A tiled picture covers the page: only its outline is shown, so earlier objects stay visible.
            outline(painter, 0, 0, pageWidth, pageHeight, Qt::DotLine);
            continue;
        }
        painter.fillRect(box, fill);
        outline(painter, left, top, right, bottom, object.Kind == ObjectKind::Bitmap ? Qt::DotLine : Qt::SolidLine);
        if (hasColumns(object.Kind))
            drawColumnLines(painter, left, top, right, bottom, object.Columns);
    }
    painter.restore();
}
