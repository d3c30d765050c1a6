#pragma once
// The page of the page designer: its picture, the selection handles, and the mouse.

#include "pages/PageDesign.h"
#include "pages/PageLayout.h"

#include <QHash>
#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

/** Loaded pictures of Bitmap objects by file path. */
using TBitmapPictures = QHash<QString, QImage>;

/**
 * The designer's page: a picture of the layout drawn after every change, the eight handles of the
 * selected object and, while dragging, the outline the object would get. The outline and handles
 * are drawn over the picture and never change it. The designer owns the layout; the canvas reads
 * it and reports what the mouse asks for through the callbacks.
 */
class TDoPagesCanvas : public QWidget {
    Q_OBJECT
public:
    /** What the mouse asks of the designer. */
    struct Callbacks {
        std::function<void(QPoint)> place;                          ///< left click while a kind is armed
        std::function<void(std::optional<int>)> select;             ///< object picked, or none
        std::function<void(int, TObjectBounds)> changeBounds;       ///< a move or resize ended
        std::function<void(int, QPoint)> openMenu;                  ///< right click on an object (global point)
    };

    TDoPagesCanvas(const TPageLayout& layout, Callbacks callbacks, QWidget* parent = nullptr);

    /**
     * The picture of a layout: a white page of `size`, then every object in slot order in its
     * designer colours, outlines, column lines and label; Bitmap objects show their picture from
     * `pictures` or a framed "Bitmap" placeholder. `scale` draws it that many times larger.
     */
    static QImage pagePicture(const TPageLayout& layout, QSize size, const TBitmapPictures& pictures, double scale = 1.0);

    /**
     * The screen size factor the page is shown at: the picture, handles and outline are drawn that
     * much larger and the mouse is read back into design pixels. Takes effect at the next redraw.
     */
    void setViewScale(double scale) { m_scale = scale; }
    /** Redraws the picture from the layout at this page size (design pixels). */
    void redraw(QSize pageSize, const TBitmapPictures& pictures);
    const QImage& picture() const { return m_picture; }

    void setArmed(bool armed);
    void setSelected(std::optional<int> index);
    std::optional<int> selected() const { return m_selected; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    /** Sets the cursor for a point with no button down: placing, a handle, moving, or plain. */
    void updateCursor(QPoint point);
    /** Draws the handles of the selected object and the dragged outline. */
    void paintOverlay(QPainter& painter) const;
    /** A point of the widget in design pixels. */
    QPoint designPoint(QPointF point) const;

    const TPageLayout& m_layout;
    Callbacks m_callbacks;
    QImage m_picture;
    double m_scale = 1.0;
    bool m_armed = false;
    std::optional<int> m_selected;

    // Drag state: the object, its handle (0 moves it), the press point and the last outline.
    bool m_dragging = false;
    int m_dragIndex = -1;
    PageDesign::Handle m_dragHandle = PageDesign::MoveHandle;
    QPoint m_pressPoint;
    TObjectBounds m_outline;
    std::optional<int> m_rightPressed;
};
