#include "words/ui/WordsCluesGrid.h"

#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

WordsCluesGrid::WordsCluesGrid(int rows, int columns, QWidget* parent) : QTableWidget(rows, columns, parent)
{
    setTabKeyNavigation(true);
}

QModelIndex WordsCluesGrid::EditableCellAfter(const QModelIndex& from, int step) const
{
    const int columns = columnCount();
    const int cells = rowCount() * columns;
    int cell = from.isValid() ? from.row() * columns + from.column() : (step > 0 ? -1 : cells);
    for (cell += step; cell >= 0 && cell < cells; cell += step) {
        const QModelIndex index = model()->index(cell / columns, cell % columns);
        if (index.flags() & Qt::ItemIsEditable)
            return index;
    }
    return {};
}

QModelIndex WordsCluesGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // Tab and Shift+Tab, also from an open cell editor, go from editable cell to editable cell.
    if (action == MoveNext)
        return EditableCellAfter(currentIndex(), 1);
    if (action == MovePrevious)
        return EditableCellAfter(currentIndex(), -1);
    return QTableWidget::moveCursor(action, modifiers);
}

bool WordsCluesGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // A click on the chosen cell opens its editor only after the double-click time, and until then
    // the view would not open one for a typed key, so the key went to the list search and was
    // lost. Typing drops that wait (a current-cell change does, and opens nothing here) and opens
    // the editor at once with the key.
    if (trigger == AnyKeyPressed)
        QTableWidget::edit(index, CurrentChanged, nullptr);
    return QTableWidget::edit(index, trigger, event);
}

void WordsCluesGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // From an open editor Enter comes here after the editor asked to commit and close, which it
    // does from a queued call; the move waits for it.
    const QModelIndex next = EditableCellAfter(currentIndex(), 1);
    if (!next.isValid())
        return;
    const QPersistentModelIndex target(next);
    QPointer<WordsCluesGrid> self(this);
    QTimer::singleShot(0, this, [self, target] {
        if (self && target.isValid())
            self->setCurrentIndex(target);
    });
}
