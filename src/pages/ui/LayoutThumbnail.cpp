#include "pages/ui/LayoutThumbnail.h"

#include "pages/Thumbnail.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>

namespace {

QColor fromWindowsColor(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace

TLayoutThumbnail::TLayoutThumbnail(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Thumbnail"));
    setMinimumSize(120, 150);
}

void TLayoutThumbnail::setPageLayout(const std::optional<TPageLayout>& layout)
{
    m_layout = layout;
    update();
}

void TLayoutThumbnail::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor background = palette().color(QPalette::Window);
    if (m_layout)
        DrawThumbnail(painter, rect(), *m_layout, background);
    else
        painter.fillRect(rect(), background);
}

TThumbnailLegend::TThumbnailLegend(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Legend"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (const TLegendEntry& entry : ThumbnailLegend()) {
        auto* swatch = new QLabel(this);
        swatch->setFixedSize(14, 14);
        swatch->setAutoFillBackground(true);
        swatch->setFrameShape(QFrame::Box);
        QPalette palette = swatch->palette();
        palette.setColor(QPalette::Window, fromWindowsColor(entry.Color));
        swatch->setPalette(palette);
        auto* label = new QLabel(QLatin1String(entry.Label), this);
        label->setObjectName(QStringLiteral("LegendLabel"));
        grid->addWidget(swatch, row, 0);
        grid->addWidget(label, row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
}
