#include "app/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

constexpr int IconSize = 24;
const QColor Ink(60, 60, 70);
const QColor Paper(252, 250, 244);
const QColor Accent(40, 110, 190);
const QColor Danger(200, 50, 40);
const QColor Folder(230, 190, 90);

/** A small crossword grid of 3 x 3 cells with one black square, top-left at (x, y). */
void drawGrid(QPainter& p, qreal x, qreal y, qreal cell)
{
    p.setPen(QPen(Ink, 1));
    p.setBrush(Paper);
    p.drawRect(QRectF(x, y, cell * 3, cell * 3));
    p.fillRect(QRectF(x + cell, y + cell, cell, cell), Ink);
    for (int i = 1; i < 3; ++i) {
        p.drawLine(QPointF(x + cell * i, y), QPointF(x + cell * i, y + cell * 3));
        p.drawLine(QPointF(x, y + cell * i), QPointF(x + cell * 3, y + cell * i));
    }
}

void drawPlus(QPainter& p, QPointF centre, QColor colour)
{
    p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-4, 0), centre + QPointF(4, 0));
    p.drawLine(centre + QPointF(0, -4), centre + QPointF(0, 4));
}

void drawArrow(QPainter& p, QPointF from, QPointF to, QColor colour)
{
    p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::max(1.0, std::hypot(to.x() - from.x(), to.y() - from.y()));
    const QPointF n(-d.y(), d.x());
    p.drawLine(to, to - d * 5 + n * 4);
    p.drawLine(to, to - d * 5 - n * 4);
}

void drawFolder(QPainter& p)
{
    p.setPen(QPen(Ink, 1));
    p.setBrush(Folder);
    QPainterPath path;
    path.moveTo(2, 6);
    path.lineTo(9, 6);
    path.lineTo(11, 8);
    path.lineTo(21, 8);
    path.lineTo(21, 20);
    path.lineTo(2, 20);
    path.closeSubpath();
    p.drawPath(path);
}

void drawPage(QPainter& p, QRectF r)
{
    p.setPen(QPen(Ink, 1));
    p.setBrush(Paper);
    p.drawRect(r);
}

void paintIcon(QPainter& p, const QString& name)
{
    if (name == QLatin1String("NewGroup")) {
        drawFolder(p);
        drawPlus(p, QPointF(15, 14), Accent);
    } else if (name == QLatin1String("OpenGroup")) {
        drawFolder(p);
        p.setBrush(Folder.lighter(115));
        p.drawPolygon(QPolygonF({QPointF(5, 11), QPointF(23, 11), QPointF(20, 20), QPointF(2, 20)}));
    } else if (name == QLatin1String("NewPuzzle")) {
        drawGrid(p, 2.5, 2.5, 5);
        drawPlus(p, QPointF(18, 18), Accent);
    } else if (name == QLatin1String("ModifyPuzzle")) {
        drawGrid(p, 2.5, 2.5, 5);
        p.setPen(QPen(Accent, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 20), QPointF(21, 10));
        p.setPen(QPen(Ink, 1));
        p.drawLine(QPointF(9, 22), QPointF(11, 20));
    } else if (name == QLatin1String("CopyPuzzle")) {
        drawGrid(p, 2.5, 2.5, 4.5);
        drawGrid(p, 8.5, 8.5, 4.5);
    } else if (name == QLatin1String("DeletePuzzle")) {
        drawGrid(p, 2.5, 2.5, 5);
        p.setPen(QPen(Danger, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 14), QPointF(21, 21));
        p.drawLine(QPointF(21, 14), QPointF(14, 21));
    } else if (name == QLatin1String("ImportPuzzles") || name == QLatin1String("ExportPuzzles")) {
        drawPage(p, QRectF(2.5, 8.5, 12, 13));
        if (name == QLatin1String("ImportPuzzles"))
            drawArrow(p, QPointF(21, 3), QPointF(10, 14), Accent);
        else
            drawArrow(p, QPointF(9, 14), QPointF(21, 3), Accent);
    } else if (name == QLatin1String("PrintPuzzle")) {
        drawPage(p, QRectF(6.5, 2.5, 11, 8));
        p.setBrush(QColor(170, 170, 180));
        p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 2, 2);
        drawPage(p, QRectF(6.5, 14.5, 11, 7));
        p.setPen(QPen(Ink, 1));
        p.drawLine(QPointF(8.5, 17.5), QPointF(15.5, 17.5));
        p.drawLine(QPointF(8.5, 19.5), QPointF(13.5, 19.5));
    } else if (name == QLatin1String("PrintBooklet")) {
        // A stack of pages, the front one with a grid.
        drawPage(p, QRectF(8.5, 1.5, 13, 17));
        drawPage(p, QRectF(5.5, 3.5, 13, 17));
        drawPage(p, QRectF(2.5, 5.5, 13, 17));
        drawGrid(p, 4.5, 9.5, 3);
    } else if (name == QLatin1String("Exit")) {
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(180, 140, 100));
        p.drawRect(QRectF(3.5, 2.5, 10, 19));
        p.setBrush(Ink);
        p.drawEllipse(QPointF(11, 12), 1, 1);
        drawArrow(p, QPointF(12, 12), QPointF(22, 12), Danger);
    } else if (name == QLatin1String("PageLayout")) {
        drawPage(p, QRectF(4.5, 1.5, 15, 21));
        p.fillRect(QRectF(7, 4, 10, 2), Accent);
        drawGrid(p, 7, 8, 3);
        p.setPen(QPen(Ink, 1));
        for (int y = 17; y <= 20; y += 3)
            p.drawLine(QPointF(7, y), QPointF(17, y));
    } else if (name == QLatin1String("PuzzleShape")) {
        p.setPen(QPen(Ink, 1));
        p.setBrush(Accent.lighter(150));
        const qreal c = 5;
        const int cells[][2] = {{2, 0}, {1, 1}, {2, 1}, {3, 1}, {0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {1, 3}, {2, 3}, {3, 3}, {2, 4}};
        for (const auto& cell : cells)
            p.drawRect(QRectF(cell[0] * c + 0.5, cell[1] * c + 0.5, c, c));
    } else if (name == QLatin1String("PuzzleWords")) {
        drawPage(p, QRectF(2.5, 2.5, 19, 19));
        QFont font = p.font();
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Accent);
        p.drawText(QRectF(2.5, 2.5, 19, 19), Qt::AlignCenter, QStringLiteral("AB"));
    } else if (name == QLatin1String("Help")) {
        p.setPen(QPen(Accent, 1.5));
        p.setBrush(Paper);
        p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
        QFont font = p.font();
        font.setPixelSize(14);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(2.5, 2.5, 19, 19), Qt::AlignCenter, QStringLiteral("?"));
    }
}

const QStringList& knownNames()
{
    static const QStringList names{
        QStringLiteral("NewGroup"), QStringLiteral("OpenGroup"), QStringLiteral("NewPuzzle"),
        QStringLiteral("ModifyPuzzle"), QStringLiteral("CopyPuzzle"), QStringLiteral("DeletePuzzle"),
        QStringLiteral("ImportPuzzles"), QStringLiteral("ExportPuzzles"), QStringLiteral("PrintPuzzle"),
        QStringLiteral("PrintBooklet"), QStringLiteral("Exit"), QStringLiteral("PageLayout"), QStringLiteral("PuzzleShape"),
        QStringLiteral("PuzzleWords"), QStringLiteral("Help")};
    return names;
}

} // namespace

QIcon ToolbarIcon(const QString& name)
{
    if (!knownNames().contains(name))
        return {};
    // Drawn afresh at every size the screen size options and high-density screens ask for: a
    // pixmap icon is never scaled up, so a 24-pixel drawing would stay small on a larger toolbar.
    QIcon icon;
    for (const int size : {24, 30, 38, 48, 60, 76, 96}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(qreal(size) / IconSize, qreal(size) / IconSize);
        paintIcon(painter, name);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
