#include "app/Background.h"

#include <QPainter>

QList<QPoint> TileOrigins(QSize client, QSize tile)
{
    QList<QPoint> origins;
    if (tile.width() <= 0 || tile.height() <= 0 || client.width() <= 0 || client.height() <= 0)
        return origins;
    const int columns = (client.width() + tile.width() - 1) / tile.width();
    const int rows = (client.height() + tile.height() - 1) / tile.height();
    origins.reserve(columns * rows);
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns; ++i)
            origins.append(QPoint(tile.width() * i, tile.height() * j));
    return origins;
}

QImage BackgroundTile()
{
    return QImage(QStringLiteral(":/app/Tile.xpm"));
}

TBackgroundPanel::TBackgroundPanel(QWidget* parent)
    : QWidget(parent)
    , m_tile(BackgroundTile())
{
}

void TBackgroundPanel::SetTiled(bool tiled)
{
    m_tiled = tiled;
    update();
}

void TBackgroundPanel::paintEvent(QPaintEvent*)
{
    if (!m_tiled || m_tile.isNull())
        return;
    QPainter painter(this);
    const QList<QPoint> origins = TileOrigins(size(), m_tile.size());
    for (const QPoint& origin : origins)
        painter.drawImage(origin, m_tile);
}
