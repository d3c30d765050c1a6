#pragma once
// A ruler along one edge of the designer's page.

#include <QWidget>

/**
 * A ruler of the page designer, 29 pixels deep, red with black edges: every whole unit carries its
 * number and a long tick; inches add ticks at halves, quarters and eighths, centimetres at tenths
 * with a longer one at the half. Ticks run towards the page's edge.
 */
class TDoPagesRuler : public QWidget {
    Q_OBJECT
public:
    /** Depth of a ruler in pixels. */
    static constexpr int Depth = 29;

    explicit TDoPagesRuler(Qt::Orientation orientation, QWidget* parent = nullptr);

    /**
     * Sets the pixels per unit, the unit and the page length in design pixels, and the screen
     * size factor the ruler is drawn at (as the page), and redraws.
     */
    void setScale(int pixelsPerUnit, bool useInches, int length, double viewScale = 1.0);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Orientation m_orientation;
    int m_pixelsPerUnit = 72;
    bool m_useInches = true;
    int m_length = 0;
    double m_viewScale = 1.0;
};
