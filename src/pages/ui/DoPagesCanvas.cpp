#include "pages/ui/DoPagesCanvas.h"

#include "store/Ansi.h"
#include "store/WindowsColor.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPaintEvent>
#include <algorithm>

namespace {

// Screen resolution the page picture is drawn at, so that its label font has its screen size.
constexpr int PictureDotsPerMetre = 3780; // 96 per inch

// The rectangle Windows fills for Left, Top, Right, Bottom: pixels Left..Right-1, Top..Bottom-1.
QRect filledRect(const TObjectBounds& b)
{
    return QRect(b.Left, b.Top, b.Right - b.Left, b.Bottom - b.Top);
}

// The outline `inset` pixels inside a rectangle, as a one-pixel pen draws it; empty when it has no room.
QRect outlineRect(const TObjectBounds& b, int inset)
{
    const int width = b.Right - b.Left - 1 - 2 * inset;
    const int height = b.Bottom - b.Top - 1 - 2 * inset;
    if (width < 0 || height < 0)
        return {};
    return QRect(b.Left + inset, b.Top + inset, width, height);
}

void drawOutline(QPainter& painter, const QRect& rect, bool ellipse)
{
    if (rect.isNull())
        return;
    if (ellipse)
        painter.drawEllipse(rect);
    else
        painter.drawRect(rect);
}

// The border outlines of an object, or one dotted outline when it has no border.
void drawBorder(QPainter& painter, const TPageObject& object, const TObjectBounds& b, bool ellipse)
{
    painter.setBrush(Qt::NoBrush);
    if (!object.UseBorder) {
        painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
        drawOutline(painter, outlineRect(b, 0), ellipse);
        return;
    }
    painter.setPen(QPen(ColorFromWindows(object.BorderColor), 0));
    const int passes = std::clamp<int>(object.BorderWidth, 1, 9);
    for (int p = 0; p < passes; ++p)
        drawOutline(painter, outlineRect(b, p), ellipse);
}

void drawColumnLines(QPainter& painter, const TObjectBounds& b, int columns)
{
    if (columns < 2 || b.Bottom <= b.Top)
        return;
    const int step = (b.Right - b.Left) / columns;
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    for (int k = 1; k < std::min(columns, 100); ++k) {
        const int x = b.Left + k * step;
        painter.drawLine(x, b.Top, x, b.Bottom - 1);
    }
}

// The label centred in the rectangle, cut from its end until it fits the width.
void drawLabel(QPainter& painter, const TObjectBounds& b, const QString& label)
{
    QString text = label;
    const QFontMetrics metrics(painter.font(), painter.device());
    const int width = b.Right - b.Left;
    while (!text.isEmpty() && metrics.horizontalAdvance(text) > width)
        text.chop(1);
    if (text.isEmpty())
        return;
    painter.setPen(Qt::black);
    painter.drawText(filledRect(b), Qt::AlignCenter, text);
}

void drawBitmap(QPainter& painter, const TPageObject& object, const TObjectBounds& b, const TBitmapPictures& pictures,
                QSize pageSize)
{
    const QRect rect = filledRect(b);
    const QString path = Ansi::toUnicode(object.BitmapFile.text());
    const auto found = pictures.constFind(path);
    if (!path.isEmpty() && found != pictures.constEnd() && !found->isNull()) {
        painter.drawImage(rect, *found);
    } else {
        // Placeholder: a white picture with a black frame and the word "Bitmap".
        painter.fillRect(rect, Qt::white);
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        drawOutline(painter, outlineRect(b, 0), false);
        drawLabel(painter, b, QStringLiteral("Bitmap"));
    }
    if (object.UseBorder) {
        painter.setPen(QPen(ColorFromWindows(object.BorderColor), 0));
        painter.setBrush(Qt::NoBrush);
        for (int p = 0; p < std::clamp<int>(object.BorderWidth, 1, 9); ++p)
            drawOutline(painter, outlineRect(b, p), false);
    }
    if (object.Transparent) {
        painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(0, 0, pageSize.width() - 1, pageSize.height() - 1));
    }
}

} // namespace

TDoPagesCanvas::TDoPagesCanvas(const TPageLayout& layout, Callbacks callbacks, QWidget* parent)
    : QWidget(parent)
    , m_layout(layout)
    , m_callbacks(std::move(callbacks))
{
    setObjectName(QStringLiteral("PageCanvas"));
    setMouseTracking(true);
    // A click on the page takes the focus from the name box, so that Ctrl+Z undoes the page's edits.
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage TDoPagesCanvas::pagePicture(const TPageLayout& layout, QSize size, const TBitmapPictures& pictures, double scale)
{
    QImage picture((QSizeF(size) * scale).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    picture.setDotsPerMeterX(PictureDotsPerMetre);
    picture.setDotsPerMeterY(PictureDotsPerMetre);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.scale(scale, scale);
    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setPointSize(9);
    painter.setFont(labelFont);

    for (int i = 0; i < layout.usedObjects(); ++i) {
        const TPageObject& object = layout.Objects[std::size_t(i)];
        if (object.Kind < ObjectKind::Title || object.Kind > ObjectKind::Circle)
            continue;
        const TObjectBounds b = PageDesign::Normalised(object.Bounds);
        const QColor color = ColorFromWindows(PageDesign::DesignerColor(object));
        const QString label = QString::fromLatin1(PageDesign::DesignerLabel(object.Kind));
        if (object.Kind == ObjectKind::Bitmap) {
            drawBitmap(painter, object, b, pictures, size);
            continue;
        }
        if (object.Kind == ObjectKind::Circle) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(color);
            drawOutline(painter, outlineRect(b, 0), true);
            drawBorder(painter, object, b, true);
            drawLabel(painter, b, label);
            continue;
        }
        painter.fillRect(filledRect(b), color);
        if (object.Kind == ObjectKind::Puzzle) {
            painter.setPen(QPen(Qt::black, 0));
            painter.setBrush(Qt::NoBrush);
            drawOutline(painter, outlineRect(b, 0), false);
        } else {
            drawBorder(painter, object, b, false);
        }
        if (PageDesign::HasColumns(object.Kind))
            drawColumnLines(painter, b, object.Columns);
        drawLabel(painter, b, label);
    }
    return picture;
}

void TDoPagesCanvas::redraw(QSize pageSize, const TBitmapPictures& pictures)
{
    m_picture = pagePicture(m_layout, pageSize, pictures, m_scale);
    setFixedSize(m_picture.size());
    if (m_selected && *m_selected >= m_layout.usedObjects())
        m_selected.reset();
    update();
}

void TDoPagesCanvas::setArmed(bool armed)
{
    m_armed = armed;
    setCursor(armed ? Qt::CrossCursor : Qt::ArrowCursor);
}

void TDoPagesCanvas::setSelected(std::optional<int> index)
{
    if (index && (*index < 0 || *index >= m_layout.usedObjects()))
        index.reset();
    m_selected = index;
    update();
}

void TDoPagesCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    painter.drawImage(0, 0, m_picture);
    painter.scale(m_scale, m_scale);
    paintOverlay(painter);
}

QPoint TDoPagesCanvas::designPoint(QPointF point) const
{
    return (point / m_scale).toPoint();
}

void TDoPagesCanvas::paintOverlay(QPainter& painter) const
{
    if (m_selected && !m_dragging) {
        const TObjectBounds& b = m_layout.Objects[std::size_t(*m_selected)].Bounds;
        for (int h = PageDesign::TopLeft; h <= PageDesign::BottomRight; ++h)
            painter.fillRect(PageDesign::HandleSquare(b, PageDesign::Handle(h)), Qt::black);
    }
    if (m_dragging) {
        // The outline the object would get, dotted in the inverse of what lies under it.
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(Qt::white, 0, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        const TObjectBounds b = PageDesign::Normalised(m_outline);
        painter.drawRect(QRect(b.Left, b.Top, std::max(0, b.Right - b.Left - 1), std::max(0, b.Bottom - b.Top - 1)));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
}
