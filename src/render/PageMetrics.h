#pragma once
// Text measuring for fitting a page, independent of the device the page is drawn on.

#include "render/PageCanvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <optional>

/**
 * Device-independent text metrics: the outline metrics of a font, unhinted and without kerning,
 * taken at a high design resolution so that no whole-pixel rounding of any screen, printer or
 * picture shows in them. A page is measured and fitted once with these, and every output draws
 * that one result; the canvases measure with them too, so fitting never depends on the device.
 */
class TOutlineMetrics : public TTextMeasure {
public:
    /** Design pixels per point at which the fonts are measured (3600 to the inch). */
    static constexpr int DesignPixelsPerPoint = 50;
    /** What an empty text measures: one pixel of a 96-dot screen. */
    static constexpr double EmptyTextWidth = 1.0 / 96.0;

    void setFont(const TCanvasFont& font) override;
    double textWidth(const QString& text) override;
    double textHeight(const QString& text) override;
    double ascent() override;
    double descent() override;
    double lineHeight() override;

    /** The font last set. */
    const TCanvasFont& font() const { return m_font; }
    /** The Qt font it is measured with: DesignPixelsPerPoint pixels to the point. */
    const QFont& designFont() const { return m_qfont; }
    /**
     * Advance width of the text in design pixels: the sum of its characters' advances, as the
     * fonts are measured without kerning.
     */
    double designAdvance(const QString& text);
    /** Distance in inches from the start of the text to the end of each character. */
    std::vector<double> edges(const QString& text);

private:
    const QFontMetricsF& metrics();
    double toInches(double designPixels) const;

    /** The advance of one character, design pixels, from the font's table of those measured. */
    double charAdvance(QChar c);

    TCanvasFont m_font;
    QFont m_qfont;
    bool m_fontSet = false;
    std::optional<QFontMetricsF> m_metrics;
    QHash<char16_t, double>* m_advances = nullptr;   ///< of the current font, in the shared cache
};

/**
 * A page canvas that measures in outline metrics: what every canvas of the program is, so that a
 * page measured on any of them fits as FitPage fits it. A subclass hears of each font in fontSet.
 */
class TOutlineCanvas : public TPageCanvas {
public:
    void setFont(const TCanvasFont& font) final
    {
        m_measure.setFont(font);
        fontSet(font);
    }
    double textWidth(const QString& text) final { return m_measure.textWidth(text); }
    double textHeight(const QString& text) final { return m_measure.textHeight(text); }
    double ascent() final { return m_measure.ascent(); }
    double descent() final { return m_measure.descent(); }
    double lineHeight() final { return m_measure.lineHeight(); }

protected:
    /** The font selected for the following text. */
    virtual void fontSet(const TCanvasFont& font) = 0;

    TOutlineMetrics m_measure;
};
