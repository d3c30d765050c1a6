#pragma once

#include "store/PuzzleRecord.h"

#include "ui/TypedTextGuard.h"

#include <QDialog>
#include <vector>

class AppContext;
class PuzzleGridCanvas;
class QFrame;
class QLineEdit;
class QToolButton;

/**
 * Manual word addition: the user types letters into the empty squares of a stored puzzle; "&Ok"
 * turns the words the new letters form into numbered words with clues asked in "Add A Clue",
 * writes the puzzle over CurrentRecordNumber of the open collection, makes it CurrentPuzzle and
 * asks the main window to reselect it. Works on a private copy of CurrentPuzzle, which the opener
 * has read. Origin 1: the main window's "Puzzle &Words"; origin 2: the word list editor's
 * "Add &Words", which refills its word grid from savedPuzzle() when saved() is true.
 */
class TAddWords : public QDialog {
    Q_OBJECT
public:
    /** Who opened the window. */
    enum Origin { FromMainWindow = 1, FromWordList = 2 };

    TAddWords(AppContext& context, int origin, QWidget* parent = nullptr);

    /** True once the puzzle with its new words has been written. */
    bool saved() const { return m_saved; }
    /** The record as edited; after a save, the record written (also CurrentPuzzle). */
    const TPuzzleRecord& savedPuzzle() const { return m_puzzle; }
    /** Who opened the window (1 main window, 2 word list editor). */
    int origin() const { return m_origin; }
    /** The cells that must stay empty, drawn teal. */
    const std::vector<int>& protectedCells() const { return m_protected; }
    /** Whether a letter may be typed into cell p: empty when the window opened and not protected. */
    bool isEditable(int p) const;
    /** Side of one cell of the grid picture. */
    int cellSize() const;
    /** The cell the open letter entry edits, or -1 while it is closed. */
    int editedCell() const { return m_editedCell; }

public slots:
    /** Cancel, Escape and the close box ask before dropping the letters placed. */
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class PuzzleGridCanvas;

    void GridPressed(QPoint point);
    void GridReleased(QPoint point);
    void GridHovered(QPoint point);
    int CellAt(QPoint point) const;
    /** Writes the entry's letter into the edited cell; false (entry stays open) for a letter outside A..Z. */
    bool CommitEntry(bool emptyClearsCell);
    void OpenEntry(int p);
    void CloseEntry();
    void AcceptClick();
    void RejectClick();
    void OkButtonClick();
    /** Takes the newly typed words into the puzzle, each with the clue asked for; false when none. */
    bool AddNewWords();
    void SetCell(int p, char value);

    AppContext& m_context;
    int m_origin;
    TPuzzleRecord m_puzzle;
    GridCells m_startingGrid{};
    TypedTextGuard m_typed;
    std::vector<int> m_protected;
    int m_pressedCell = -1;
    int m_hoveredCell = -1;
    int m_editedCell = -1;
    bool m_saved = false;
    /** The typed words are in m_puzzle with their clues, not yet saved. */
    bool m_wordsAdded = false;
    bool m_prepared = false;

    PuzzleGridCanvas* m_canvas = nullptr;
    QFrame* m_entryFrame = nullptr;
    QLineEdit* m_entry = nullptr;
};
