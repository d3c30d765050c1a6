#pragma once

#include <QDialog>

class AppContext;
class ShapeListPanel;

/**
 * The shape manager ("Shapes"): the shape list headed "Puzzle Shape" with its 240 x 240 preview
 * and the library commands New, Modify, Copy, Delete, Import and Export, and "E&xit". Opened from
 * the main window; its commands act on the shape library and on CurrentShape.
 */
class TSelectShapes : public QDialog {
    Q_OBJECT
public:
    explicit TSelectShapes(AppContext& context, QWidget* parent = nullptr);

    /** The hosted shape list. */
    ShapeListPanel* panel() const { return m_panel; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppContext& m_context;
    ShapeListPanel* m_panel = nullptr;
    bool m_prepared = false;
};
