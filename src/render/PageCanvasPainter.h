#pragma once

#include "render/PageCanvas.h"
#include "render/PageMetrics.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QSizeF>
#include <optional>

/**
 * The page canvas over a QPainter on any paint device (QImage, QPdfWriter, QPrinter,
 * QSvgGenerator, QPicture). The painter works in device coordinates; the canvas maps inches onto
 * them with one resolution. Text is measured in outline metrics, never in the device's own, and
 * drawn with the font at its design resolution scaled onto the device, so it is laid out on every
 * device as it was fitted (a point is 1/72 inch whatever the device's logical resolution says).
 */
class TPainterCanvas : public TOutlineCanvas {
public:
    /**
     * Draws through painter, whose device coordinates run dotsPerInch to the inch from the
     * paper's top-left corner; paperInches is the paper size reported to the renderer.
     */
    TPainterCanvas(QPainter& painter, QSizeF paperInches, double dotsPerInch);

    double paperWidth() const override { return m_paper.width(); }
    double paperHeight() const override { return m_paper.height(); }


    void setTextTransparent(bool transparent) override { m_transparent = transparent; }
    void textOut(double x, double y, const QString& text) override;
    void fittedTextOut(double x, double y, const QString& text, double width) override;

    void setPenColor(std::uint32_t color) override;
    void moveTo(double x, double y) override;
    void lineTo(double x, double y) override;

    void fillRectangle(const QRectF& rect, std::uint32_t color) override;
    void fillEllipse(const QRectF& rect, std::uint32_t color) override;
    void outlineEllipse(const QRectF& rect) override;

    int toDeviceX(double x) const override;
    int toDeviceY(double y) const override;
    double fromDeviceX(int x) const override { return x / m_dpi; }
    double fromDeviceY(int y) const override { return y / m_dpi; }

    void stretchImage(const QRectF& rect, const QImage& image) override;

protected:
    void fontSet(const TCanvasFont& font) override;

private:
    QRectF deviceRect(const QRectF& inches) const;

    QPainter& m_painter;
    QSizeF m_paper;
    double m_dpi;
    QColor m_textColor = Qt::black;
    bool m_transparent = true;
    QPoint m_current;
    QColor m_penColor = Qt::black;
};
