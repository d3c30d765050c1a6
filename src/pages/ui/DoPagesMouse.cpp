// The mouse on the designer's page: placing, selecting, moving, resizing and the object menu.
#include "pages/ui/DoPagesCanvas.h"

#include <QMouseEvent>

namespace {

Qt::CursorShape handleCursor(PageDesign::Handle handle)
{
    switch (handle) {
    case PageDesign::TopLeft:
    case PageDesign::BottomRight:
        return Qt::SizeFDiagCursor;
    case PageDesign::TopRight:
    case PageDesign::BottomLeft:
        return Qt::SizeBDiagCursor;
    case PageDesign::TopMiddle:
    case PageDesign::BottomMiddle:
        return Qt::SizeVerCursor;
    case PageDesign::MiddleLeft:
    case PageDesign::MiddleRight:
        return Qt::SizeHorCursor;
    case PageDesign::MoveHandle:
        break;
    }
    return Qt::OpenHandCursor;
}

} // namespace

void TDoPagesCanvas::updateCursor(QPoint point)
{
    if (m_armed) {
        setCursor(Qt::CrossCursor);
        return;
    }
    Qt::CursorShape shape = Qt::ArrowCursor;
    if (m_selected) {
        const TObjectBounds& b = m_layout.Objects[std::size_t(*m_selected)].Bounds;
        if (PageDesign::ObjectAt(m_layout, point) == m_selected)
            shape = Qt::OpenHandCursor;
        if (const auto handle = PageDesign::HandleAt(b, point))
            shape = handleCursor(*handle);
    }
    setCursor(shape);
}

void TDoPagesCanvas::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = designPoint(event->position());
    if (event->button() == Qt::RightButton) {
        m_rightPressed = PageDesign::ObjectAt(m_layout, point);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (m_armed) {
        if (m_callbacks.place)
            m_callbacks.place(point);
        return;
    }
    std::optional<PageDesign::Handle> handle;
    if (m_selected)
        handle = PageDesign::HandleAt(m_layout.Objects[std::size_t(*m_selected)].Bounds, point);
    std::optional<int> index = handle ? m_selected : PageDesign::ObjectAt(m_layout, point);
    if (index != m_selected && m_callbacks.select)
        m_callbacks.select(index);
    if (!index)
        return;
    // A press on an object or on a handle of the selected one starts a drag.
    m_dragging = true;
    m_dragIndex = *index;
    m_dragHandle = handle.value_or(PageDesign::MoveHandle);
    m_pressPoint = point;
    m_outline = m_layout.Objects[std::size_t(*index)].Bounds;
    update();
}

void TDoPagesCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = designPoint(event->position());
    if (!m_dragging) {
        if (event->buttons() == Qt::NoButton)
            updateCursor(point);
        return;
    }
    m_outline = PageDesign::Dragged(m_layout.Objects[std::size_t(m_dragIndex)].Bounds, m_dragHandle, point - m_pressPoint);
    update();
}

void TDoPagesCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint point = designPoint(event->position());
    if (event->button() == Qt::RightButton) {
        const std::optional<int> pressed = m_rightPressed;
        m_rightPressed.reset();
        if (pressed && PageDesign::ObjectAt(m_layout, point) == pressed && m_callbacks.openMenu) {
            const TObjectBounds& b = m_layout.Objects[std::size_t(*pressed)].Bounds;
            m_callbacks.openMenu(*pressed, mapToGlobal((QPointF(b.Left, b.Top) * m_scale).toPoint()));
        }
        return;
    }
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    const int index = m_dragIndex;
    const QPoint offset = point - m_pressPoint;
    const TObjectBounds moved =
        PageDesign::Normalised(PageDesign::Dragged(m_layout.Objects[std::size_t(index)].Bounds, m_dragHandle, offset));
    update();
    if (!offset.isNull() && m_callbacks.changeBounds)
        m_callbacks.changeBounds(index, moved);
    updateCursor(point);
}
