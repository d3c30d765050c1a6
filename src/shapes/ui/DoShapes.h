#pragma once

#include "shapes/ShapeEditing.h"
#include "shapes/ShapeRecord.h"

#include "ui/TypedTextGuard.h"

#include <QDialog>
#include <QPoint>

class AppContext;
class QLineEdit;
class QPushButton;
class QToolButton;
class ShapeCanvas;

/**
 * The shape editor ("Shape Creator"): draws a shape cell by cell on a grid of 5 to 30 columns and
 * rows, shifts, inverts and fills it, undoes one shift or fill, and saves it into the shape
 * library. Mode 1 starts a new 30 x 30 shape; mode 2 edits CurrentShape and saves over library
 * record recordNumber; mode 3 edits CurrentShape as a copy, which the Copy command has already
 * given its copy title, and appends it. The opener refreshes its list only when saved() is true.
 */
class TDoShapes : public QDialog {
    Q_OBJECT
public:
    /** The editor's modes. */
    enum Mode { NewShape = 1, ModifyShape = 2, CopyShape = 3 };

    TDoShapes(AppContext& context, int mode, int recordNumber, QWidget* parent = nullptr);

    /** True after a successful save. */
    bool saved() const { return m_saved; }
    /** The library record the shape was saved at (appended or replaced); -1 before a save. */
    int savedRecordNumber() const { return m_savedNumber; }
    /** The working shape. */
    const TShapeRecord& shape() const { return m_shape; }
    /** Side of one cell in the drawing area. */
    int cellSize() const;

public slots:
    /** Cancel, Escape and the close box ask before dropping the title typed or the cells drawn. */
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ShapeCanvas;

    void CanvasPressed(Qt::MouseButton button, QPoint point);
    void CanvasReleased(Qt::MouseButton button, QPoint point);
    /** The cell (row, column) under a point of the drawing area; false off the drawn grid. */
    bool CellUnder(QPoint point, int& row, int& column) const;
    void ShiftClick(ShapeEditing::Direction direction);
    void ReverseClick();
    void UndoClick();
    void SaveButtonClick();
    /** Reads and checks the Width (isWidth) or Height field; a valid value becomes the shape's side. */
    bool CheckDimension(bool isWidth);
    void KeepUndoCopy();
    void Redraw();

    AppContext& m_context;
    int m_mode;
    int m_recordNumber;
    TShapeRecord m_shape;
    TShapeRecord m_undoShape;
    /** The shape as the editor opened with it. */
    TShapeRecord m_openedShape;
    TypedTextGuard m_typed;
    bool m_saved = false;
    int m_savedNumber = -1;
    bool m_prepared = false;
    bool m_widthCheckPending = false;
    bool m_heightCheckPending = false;

    bool m_toggleArmed = false;
    QPoint m_togglePoint;
    bool m_fillArmed = false;
    QPoint m_fillPoint;

    ShapeCanvas* m_canvas = nullptr;
    QLineEdit* m_title = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
    QPushButton* m_undo = nullptr;
};
