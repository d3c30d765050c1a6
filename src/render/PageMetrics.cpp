#include "render/PageMetrics.h"

#include <algorithm>
#include <map>

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
    m_advances = nullptr;
}

double TOutlineMetrics::charAdvance(QChar c)
{
    if (!m_advances) {
        // Advances of a font do not change while the program runs: one table per font, kept for
        // the run (a std::map, whose elements stay where they are as fonts are added).
        static std::map<QString, QHash<char16_t, double>> tables;
        m_advances = &tables[m_qfont.key()];
    }
    const auto found = m_advances->constFind(c.unicode());
    if (found != m_advances->constEnd())
        return *found;
    const double advance = metrics().horizontalAdvance(c);
    m_advances->insert(c.unicode(), advance);
    return advance;
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
    return toInches(designAdvance(text));
}

double TOutlineMetrics::designAdvance(const QString& text)
{
    double sum = 0;
    for (const QChar c : text)
        sum += charAdvance(c);
    return sum;
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
    double edge = 0;
    for (const QChar c : text) {
        edge += charAdvance(c);
        out.push_back(toInches(edge));
    }
    return out;
}
