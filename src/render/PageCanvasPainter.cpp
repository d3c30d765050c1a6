#include "render/PageCanvasPainter.h"

#include "store/WindowsColor.h"

#include <QGlyphRun>
#include <QHash>
#include <QPaintEngine>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace {

// Device coordinates stay far inside int range whatever a damaged layout asks for.
constexpr double DeviceLimit = 1.0e7;

int toGrid(double value)
{
    // A tiny allowance keeps fromDevice/toDevice round trips exact despite rounding errors.
    const double v = std::floor(value + 1.0e-6);
    return static_cast<int>(std::clamp(v, -DeviceLimit, DeviceLimit));
}

/** Texts laid out at most before the cache of laid-out texts starts afresh. */
constexpr int GlyphCacheLimit = 4096;

/** A text as the font lays it out: its glyph runs with the baseline at y = 0. */
struct TLaidOutText {
    QList<QGlyphRun> Runs;
};

/**
 * The glyphs of a text in a font, laid out once and kept: a page draws the same letters, digits
 * and headings many times, and a booklet the same ones on every page. The layout is the one
 * QPainter::drawText makes (the same text engine and font), moved so that the baseline is at 0.
 */
const TLaidOutText& laidOut(const QFont& font, const QString& text)
{
    thread_local QHash<QString, TLaidOutText> cache;
    const QString key = font.key() + QChar(0x1F) + text;
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    if (cache.size() >= GlyphCacheLimit)
        cache.clear();
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    TLaidOutText entry;
    if (line.isValid()) {
        const double ascent = line.ascent();
        for (QGlyphRun run : layout.glyphRuns()) {
            QList<QPointF> positions = run.positions();
            for (QPointF& at : positions)
                at.ry() -= ascent;
            run.setPositions(positions);
            entry.Runs.append(run);
        }
    }
    return *cache.insert(key, std::move(entry));
}

} // namespace

TPainterCanvas::TPainterCanvas(QPainter& painter, QSizeF paperInches, double dotsPerInch)
    : m_painter(painter), m_paper(paperInches), m_dpi(dotsPerInch > 0 ? dotsPerInch : 96.0)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setBrush(Qt::NoBrush);
    setPenColor(0);
}

void TPainterCanvas::fontSet(const TCanvasFont& font)
{
    m_textColor = ColorFromWindows(font.Color);
}

void TPainterCanvas::textOut(double x, double y, const QString& text)
{
    fittedTextOut(x, y, text, m_measure.textWidth(text));
}

void TPainterCanvas::fittedTextOut(double x, double y, const QString& text, double width)
{
    if (text.isEmpty())
        return;
    const QPointF at(x * m_dpi, y * m_dpi);
    const double room = width * m_dpi;
    if (!m_transparent) {
        m_painter.fillRect(QRectF(at.x(), at.y() - m_measure.ascent() * m_dpi, room, m_measure.lineHeight() * m_dpi),
                           Qt::white);
    }
    // The text is laid out by the font at the design resolution it was measured at and scaled
    // onto the device, so every device (and every reader of a PDF or SVG) places the glyphs as
    // they were fitted instead of at its own hinted, whole-pixel advances. Should the layout still
    // come out wider than fitted, it is narrowed to its fitted width.
    const double scale = m_dpi / (72.0 * TOutlineMetrics::DesignPixelsPerPoint);
    const double drawn = m_measure.designAdvance(text) * scale;
    const double squeeze = room > 0 && drawn > room ? room / drawn : 1.0;
    m_painter.save();
    m_painter.translate(at);
    m_painter.scale(scale * squeeze, scale);
    m_painter.setFont(m_measure.designFont());
    m_painter.setPen(m_textColor);
    // A PDF takes the glyphs laid out once for the text (its text stays selectable); other
    // devices lay the text out as they draw it.
    if (m_painter.paintEngine() && m_painter.paintEngine()->type() == QPaintEngine::Pdf) {
        for (const QGlyphRun& run : laidOut(m_measure.designFont(), text).Runs)
            m_painter.drawGlyphRun(QPointF(0, 0), run);
    } else {
        m_painter.drawText(QPointF(0, 0), text);
    }
    m_painter.restore();
}

void TPainterCanvas::setPenColor(std::uint32_t color)
{
    m_penColor = ColorFromWindows(color);
}

void TPainterCanvas::moveTo(double x, double y)
{
    m_current = QPoint(toDeviceX(x), toDeviceY(y));
}

void TPainterCanvas::lineTo(double x, double y)
{
    const QPoint to(toDeviceX(x), toDeviceY(y));
    QPen pen(m_penColor, 0);
    pen.setCapStyle(Qt::SquareCap);
    m_painter.setPen(pen);
    m_painter.drawLine(m_current, to);
    m_current = to;
}

QRectF TPainterCanvas::deviceRect(const QRectF& inches) const
{
    const QRectF r = inches.normalized();
    const int left = toDeviceX(r.left());
    const int top = toDeviceY(r.top());
    return QRectF(left, top, toDeviceX(r.right()) - left, toDeviceY(r.bottom()) - top);
}

void TPainterCanvas::fillRectangle(const QRectF& rect, std::uint32_t color)
{
    const QRectF r = deviceRect(rect);
    if (r.width() > 0 && r.height() > 0)
        m_painter.fillRect(r, ColorFromWindows(color));
}

void TPainterCanvas::fillEllipse(const QRectF& rect, std::uint32_t color)
{
    const QRectF r = deviceRect(rect);
    if (r.width() <= 0 || r.height() <= 0)
        return;
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(ColorFromWindows(color));
    m_painter.drawEllipse(r);
    m_painter.restore();
}

void TPainterCanvas::outlineEllipse(const QRectF& rect)
{
    const QRectF r = deviceRect(rect);
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setPen(QPen(m_penColor, 1.0));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawEllipse(r.adjusted(0.5, 0.5, -0.5, -0.5));
    m_painter.restore();
}

int TPainterCanvas::toDeviceX(double x) const
{
    return toGrid(x * m_dpi);
}

int TPainterCanvas::toDeviceY(double y) const
{
    return toGrid(y * m_dpi);
}

void TPainterCanvas::stretchImage(const QRectF& rect, const QImage& image)
{
    if (image.isNull())
        return;
    const QRectF r(rect.left() * m_dpi, rect.top() * m_dpi, rect.width() * m_dpi, rect.height() * m_dpi);
    m_painter.save();
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    m_painter.drawImage(r, image);
    m_painter.restore();
}
