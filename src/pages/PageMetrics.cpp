#include "pages/PageMetrics.h"

#include <algorithm>

void TOutlineMetrics::setFont(const TCanvasFont& font)
{
    if (m_fontSet && font.Name == m_font.Name && font.Size == m_font.Size && font.Bold == m_font.Bold
        && font.Italic == m_font.Italic && font.Underline == m_font.Underline && font.StrikeOut == m_font.StrikeOut) {
        m_font = font;   // only the colour changed: the metrics stay
        return;
    }
    m_font = font;
    m_fontSet = true;
    m_qfont = font.toQFont();
    m_qfont.setPixelSize(std::max(1, font.Size) * DesignPixelsPerPoint);
    m_metrics.reset();
}

const QFontMetricsF& TOutlineMetrics::metrics()
{
    if (!m_metrics) {
        if (!m_fontSet)
            setFont(TCanvasFont{});
        m_metrics.emplace(m_qfont);
    }
    return *m_metrics;
}

double TOutlineMetrics::toInches(double designPixels) const
{
    return designPixels / (72.0 * DesignPixelsPerPoint);
}

double TOutlineMetrics::textWidth(const QString& text)
{
    if (text.isEmpty())
        return EmptyTextWidth;
    return toInches(metrics().horizontalAdvance(text));
}

double TOutlineMetrics::textHeight(const QString&)
{
    return toInches(metrics().ascent() + metrics().descent());
}

double TOutlineMetrics::ascent()
{
    return toInches(metrics().ascent());
}

double TOutlineMetrics::descent()
{
    return toInches(metrics().descent());
}

double TOutlineMetrics::lineHeight()
{
    return textHeight(QString());
}

std::vector<double> TOutlineMetrics::edges(const QString& text)
{
    std::vector<double> out;
    out.reserve(std::size_t(text.size()));
    for (qsizetype i = 1; i <= text.size(); ++i)
        out.push_back(toInches(metrics().horizontalAdvance(text.left(i))));
    return out;
}
