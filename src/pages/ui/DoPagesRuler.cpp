#include "pages/ui/DoPagesRuler.h"

#include <QPainter>
#include <algorithm>

namespace {

// Where a tick starts, counted from the outer edge: whole units 15, then finer steps.
constexpr int WholeTick = 15;
constexpr int HalfInchTick = 18;
constexpr int QuarterInchTick = 21;
constexpr int EighthInchTick = 24;
constexpr int HalfCentimetreTick = 20;
constexpr int TenthCentimetreTick = 24;

// Tick start of step `step` of a unit cut into `steps`.
int tickStart(int step, int steps, bool inches)
{
    if (step == 0)
        return WholeTick;
    if (!inches)
        return step * 2 == steps ? HalfCentimetreTick : TenthCentimetreTick;
    if (step % 4 == 0)
        return HalfInchTick;
    if (step % 2 == 0)
        return QuarterInchTick;
    return EighthInchTick;
}

} // namespace

TDoPagesRuler::TDoPagesRuler(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent)
    , m_orientation(orientation)
{
    setObjectName(orientation == Qt::Horizontal ? QStringLiteral("TopRuler") : QStringLiteral("LeftRuler"));
}

void TDoPagesRuler::setScale(int pixelsPerUnit, bool useInches, int length, double viewScale)
{
    m_pixelsPerUnit = std::max(1, pixelsPerUnit);
    m_useInches = useInches;
    m_length = std::max(0, length);
    m_viewScale = viewScale;
    const int along = int(m_length * viewScale);
    const int across = int(Depth * viewScale);
    if (m_orientation == Qt::Horizontal)
        setFixedSize(along, across);
    else
        setFixedSize(across, along);
    update();
}

void TDoPagesRuler::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(255, 0, 0));
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    // Drawn in design pixels, as large as the page beside it.
    painter.scale(m_viewScale, m_viewScale);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    painter.setFont(font);

    const bool horizontal = m_orientation == Qt::Horizontal;
    const int steps = m_useInches ? 8 : 10;
    for (int unit = 0; unit * m_pixelsPerUnit <= m_length; ++unit) {
        for (int step = 0; step < steps; ++step) {
            const int at = unit * m_pixelsPerUnit + step * m_pixelsPerUnit / steps;
            if (at > m_length)
                break;
            const int from = tickStart(step, steps, m_useInches);
            if (horizontal)
                painter.drawLine(at, from, at, Depth - 1);
            else
                painter.drawLine(from, at, Depth - 1, at);
        }
        if (unit == 0)
            continue;
        const QString number = QString::number(unit);
        const int at = unit * m_pixelsPerUnit;
        if (horizontal)
            painter.drawText(QRect(at - 20, 1, 40, WholeTick - 1), Qt::AlignCenter, number);
        else
            painter.drawText(QRect(1, at - 8, WholeTick - 1, 16), Qt::AlignCenter, number);
    }
}
