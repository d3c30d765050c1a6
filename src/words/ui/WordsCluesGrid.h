#pragma once

#include <QTableWidget>

/**
 * The word list editor's grid of words and clues, which types like a list: Tab and Enter go on
 * to the next editable cell (Word, Clue, then the next row's Word; read-only columns are passed
 * over), Shift+Tab goes back, and typing into a cell starts editing it.
 */
class WordsCluesGrid : public QTableWidget {
    Q_OBJECT
public:
    WordsCluesGrid(int rows, int columns, QWidget* parent = nullptr);

    /** The next (step 1) or previous (step -1) editable cell after a cell, or an invalid index. */
    QModelIndex EditableCellAfter(const QModelIndex& from, int step) const;

    using QTableWidget::edit;

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
};
