#include "puzzle/GridPicture.h"

#include "store/GridModel.h"
#include "store/Ansi.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <bitset>

namespace GridPicture {

namespace {

constexpr int LargestLetterPoints = 20;
constexpr int SmallestTriedPoints = 5;
constexpr int FallbackLetterPoints = 4;

QFont LetterFont(int pointSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(pointSize);
    return font;
}

} // namespace

int Columns(const TPuzzleRecord& record)
{
    return std::clamp<int>(record.GridWidth, 0, Limits::GridSide);
}

int Rows(const TPuzzleRecord& record)
{
    return std::clamp<int>(record.GridHeight, 0, Limits::GridSide);
}

int CellSize(QSize picture, int columns, int rows)
{
    if (columns <= 0 || rows <= 0 || picture.width() <= 0 || picture.height() <= 0)
        return 0;
    return std::max(0, std::min(picture.width() / columns - 1, picture.height() / rows - 1));
}

int LetterPointSize(int cellSize, const QPaintDevice* device)
{
    for (int points = LargestLetterPoints; points >= SmallestTriedPoints; --points) {
        const QFont font = LetterFont(points);
        const QFontMetrics metrics = device ? QFontMetrics(font, device) : QFontMetrics(font);
        if (metrics.height() < cellSize)
            return points;
    }
    return FallbackLetterPoints;
}

int CellAt(QPoint point, int cellSize, int columns, int rows)
{
    if (cellSize <= 0 || point.x() < 0 || point.y() < 0)
        return -1;
    const int column = point.x() / cellSize + 1;
    const int row = point.y() / cellSize + 1;
    if (column > columns || row > rows)
        return -1;
    return GridModel::LinearCell(row, column);
}

void DrawLinedGrid(QPainter& painter, int columns, int rows, int s)
{
    const int right = columns * s;
    const int bottom = rows * s;
    painter.fillRect(QRect(0, 0, right, bottom), Qt::white);
    // One-pixel lines drawn as rectangles: exact pixels whatever the pen and transform rules.
    for (int r = 0; r <= rows; ++r)
        painter.fillRect(QRect(0, r * s, right + 1, 1), Qt::black);
    for (int c = 0; c <= columns; ++c)
        painter.fillRect(QRect(c * s, 0, 1, bottom + 1), Qt::black);
}

} // namespace GridPicture

void DrawPuzzleGrid(QPainter& painter, QSize size, const TPuzzleRecord& record, const QColor& background,
                    const std::vector<int>& protectedCells)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(QPoint(0, 0), size), background);

    const int columns = GridPicture::Columns(record);
    const int rows = GridPicture::Rows(record);
    const int s = GridPicture::CellSize(size, columns, rows);
    if (s < 2) {
        painter.restore();
        return;
    }
    GridPicture::DrawLinedGrid(painter, columns, rows, s);

    std::bitset<Limits::GridCells + 1> isProtected;
    for (int p : protectedCells)
        if (p >= 1 && p <= Limits::GridCells)
            isProtected.set(std::size_t(p));

    const auto interior = [s](int r, int c) { return QRect((c - 1) * s + 1, (r - 1) * s + 1, s - 1, s - 1); };
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            const int p = GridModel::LinearCell(r, c);
            const std::uint8_t cell = GridModel::Cell(record.Grid, p);
            if (cell == 0)
                painter.fillRect(interior(r, c), background);
            else if (cell == ' ')
                painter.fillRect(interior(r, c), isProtected.test(std::size_t(p)) ? GridPicture::ProtectedColor : QColor(Qt::black));
        }
    }

    QFont font(QStringLiteral("Arial"));
    font.setPointSize(GridPicture::LetterPointSize(s, painter.device()));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font, painter.device());
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            const std::uint8_t cell = GridModel::Cell(record.Grid, GridModel::LinearCell(r, c));
            if (cell == 0 || cell == ' ')
                continue;
            const char byte = char(cell);
            const QString letter = Ansi::toUnicode(QByteArrayView(&byte, 1));
            const QRect box = interior(r, c);
            const int x = box.left() + (box.width() - metrics.horizontalAdvance(letter)) / 2;
            const int y = box.top() + (box.height() - metrics.height()) / 2;
            painter.drawText(QPoint(x, y + metrics.ascent()), letter);
        }
    }
    painter.restore();
}
