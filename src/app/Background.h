#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QWidget>

/**
 * Top-left corners of the tiles that cover a client area from its top-left corner: a tile of
 * width w and height h at (w*i, h*j) for i < ceil(width / w) and j < ceil(height / h). An empty
 * tile or area gives none.
 */
QList<QPoint> TileOrigins(QSize client, QSize tile);

/** The main window's background tile, from the program's resources. */
QImage BackgroundTile();

/**
 * The main window's client area: paints the background tile over the whole area when tiling is
 * on, and nothing otherwise; the lists sit on top of it.
 */
class TBackgroundPanel : public QWidget {
    Q_OBJECT

public:
    explicit TBackgroundPanel(QWidget* parent = nullptr);

    /** Turns tiling on or off and repaints. */
    void SetTiled(bool tiled);
    bool Tiled() const { return m_tiled; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_tile;
    bool m_tiled = true;
};
