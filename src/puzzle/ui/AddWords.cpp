#include "puzzle/ui/AddWords.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "ui/WindowSetup.h"
#include "store/GridModel.h"
#include "puzzle/GridPicture.h"
#include "puzzle/ManualWords.h"
#include "puzzle/ui/AddAClue.h"
#include "store/Collection.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int PictureSide = 411;
constexpr int DesignWidth = 580;
constexpr int DesignHeight = 440;
constexpr int EntrySide = 24;

const QString LetterMessage = QStringLiteral("Puzzle letter must be between A and Z.");
const QString NoChangesMessage = QStringLiteral("No changes to the puzzle were detected.");
const QString TooManyWordsMessage =
    QStringLiteral("The puzzle cannot hold more than 200 words.  Remove some of the new letters and try again.");

/** The question before words that are in no grid are dropped from the word list to make room. */
QString LeftOversDroppedQuestion(int dropped)
{
    const QString words = dropped == 1 ? QStringLiteral("1 word that did not fit into the puzzle")
                                       : QString::number(dropped) + QStringLiteral(" words that did not fit into the puzzle");
    return words + QStringLiteral(" will be removed from its word list to make room for the new words.  Continue?");
}

} // namespace

/** The 411 x 411 grid picture of manual word addition; the letter entry floats over it. */
class PuzzleGridCanvas : public QWidget {
public:
    explicit PuzzleGridCanvas(TAddWords* window)
        : QWidget(window)
        , m_window(window)
    {
        setFixedSize(PictureSide, PictureSide);
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        DrawPuzzleGrid(painter, size(), m_window->m_puzzle, palette().color(QPalette::Window), m_window->m_protected);
    }
    void mousePressEvent(QMouseEvent* event) override { m_window->GridPressed(event->position().toPoint()); }
    void mouseReleaseEvent(QMouseEvent* event) override { m_window->GridReleased(event->position().toPoint()); }
    void mouseMoveEvent(QMouseEvent* event) override { m_window->GridHovered(event->position().toPoint()); }
    void leaveEvent(QEvent*) override
    {
        m_window->m_hoveredCell = -1;
        unsetCursor();
    }

private:
    TAddWords* m_window;
};

TAddWords::TAddWords(AppContext& context, int origin, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_origin(origin)
    , m_puzzle(context.Working.CurrentPuzzle)
{
    setObjectName(QStringLiteral("AddWords"));
    setWindowTitle(QStringLiteral("Add Words"));
    m_startingGrid = m_puzzle.Grid;
    m_protected = ManualWords::ProtectedCells(m_puzzle);

    m_canvas = new PuzzleGridCanvas(this);
    m_canvas->setObjectName(QStringLiteral("PuzzleImage"));

    m_entryFrame = new QFrame(m_canvas);
    m_entryFrame->setObjectName(QStringLiteral("LetterFrame"));
    m_entryFrame->setFrameShape(QFrame::Box);
    m_entryFrame->setAutoFillBackground(true);
    m_entry = new QLineEdit(m_entryFrame);
    m_entry->setObjectName(QStringLiteral("LetterEntry"));
    m_entry->setMaxLength(1);
    m_entry->setFixedSize(EntrySide, EntrySide);
    m_entry->setAlignment(Qt::AlignCenter);
    auto* accept = new QToolButton(m_entryFrame);
    accept->setObjectName(QStringLiteral("AcceptLetter"));
    accept->setText(QStringLiteral("Accept"));
    auto* reject = new QToolButton(m_entryFrame);
    reject->setObjectName(QStringLiteral("RejectLetter"));
    reject->setText(QStringLiteral("Reject"));
    auto* entryLayout = new QHBoxLayout(m_entryFrame);
    entryLayout->setContentsMargins(2, 2, 2, 2);
    entryLayout->setSpacing(2);
    entryLayout->addWidget(m_entry);
    entryLayout->addWidget(accept);
    entryLayout->addWidget(reject);
    m_entryFrame->adjustSize();
    m_entryFrame->hide();
    connect(accept, &QToolButton::clicked, this, &TAddWords::AcceptClick);
    connect(reject, &QToolButton::clicked, this, &TAddWords::RejectClick);
    connect(m_entry, &QLineEdit::returnPressed, this, &TAddWords::AcceptClick);

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TAddWords::OkButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* hint = new QLabel(QStringLiteral("Click an empty square to type a letter into it."), this);
    hint->setWordWrap(true);
    auto* side = new QVBoxLayout;
    side->addWidget(hint);
    side->addStretch();
    side->addWidget(ok);
    side->addWidget(cancel);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_canvas, 0, Qt::AlignTop);
    layout->addLayout(side);
    resize(DesignWidth, DesignHeight);
}

void TAddWords::showEvent(QShowEvent* event)
{
    if (!m_prepared) {
        m_prepared = true;
        PrepareDialog(this, m_context);
    }
    m_typed.Take(this);
    QDialog::showEvent(event);
}

void TAddWords::reject()
{
    if (m_saved || m_typed.MayClose(this, m_puzzle.Grid != m_startingGrid))
        QDialog::reject();
}

void TAddWords::keyPressEvent(QKeyEvent* event)
{
    // Escape in the open letter entry rejects the letter instead of closing the window.
    if (event->key() == Qt::Key_Escape && m_editedCell != -1) {
        RejectClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

int TAddWords::cellSize() const
{
    return GridPicture::CellSize(m_canvas->size(), GridPicture::Columns(m_puzzle), GridPicture::Rows(m_puzzle));
}

int TAddWords::CellAt(QPoint point) const
{
    return GridPicture::CellAt(point, cellSize(), GridPicture::Columns(m_puzzle), GridPicture::Rows(m_puzzle));
}

bool TAddWords::isEditable(int p) const
{
    if (p < 1 || p > Limits::GridCells || GridModel::Cell(m_startingGrid, p) != ' ')
        return false;
    return std::find(m_protected.begin(), m_protected.end(), p) == m_protected.end();
}

void TAddWords::GridHovered(QPoint point)
{
    m_hoveredCell = CellAt(point);
    if (m_hoveredCell == -1)
        m_canvas->unsetCursor();
    else
        m_canvas->setCursor(isEditable(m_hoveredCell) ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
}

void TAddWords::GridPressed(QPoint point)
{
    m_pressedCell = -1;
    if (m_editedCell != -1) {
        if (!CommitEntry(false))
            return;
        CloseEntry();
    }
    const int p = CellAt(point);
    if (isEditable(p))
        m_pressedCell = p;
}

void TAddWords::GridReleased(QPoint point)
{
    const int pressed = m_pressedCell;
    m_pressedCell = -1;
    if (pressed != -1 && CellAt(point) == pressed)
        OpenEntry(pressed);
}

void TAddWords::OpenEntry(int p)
{
    m_editedCell = p;
    m_entry->clear();
    const int s = cellSize();
    const int left = (GridModel::ColumnOf(p) - 1) * s + 1;
    const int top = (GridModel::RowOf(p) - 1) * s + 1;
    // Over the cell, moved in where the cell lies too near the picture's right or bottom edge.
    const QSize frame = m_entryFrame->sizeHint();
    m_entryFrame->resize(frame);
    m_entryFrame->move(std::min(left, m_canvas->width() - frame.width()), std::min(top, m_canvas->height() - frame.height()));
    m_entryFrame->show();
    m_entryFrame->raise();
    m_entry->setFocus();
}

void TAddWords::CloseEntry()
{
    m_editedCell = -1;
    m_entryFrame->hide();
}

bool TAddWords::CommitEntry(bool emptyClearsCell)
{
    const QString text = m_entry->text().trimmed();
    if (text.isEmpty()) {
        if (emptyClearsCell)
            SetCell(m_editedCell, ' ');
        return true;
    }
    const char letter = ManualWords::LetterFromText(text.front());
    if (letter == 0) {
        MessageService::error(this, LetterMessage);
        m_entry->setFocus();
        return false;
    }
    SetCell(m_editedCell, letter);
    return true;
}

void TAddWords::AcceptClick()
{
    if (m_editedCell == -1 || !CommitEntry(true))
        return;
    CloseEntry();
}

void TAddWords::RejectClick()
{
    if (m_editedCell == -1)
        return;
    SetCell(m_editedCell, ' ');
    CloseEntry();
}

void TAddWords::SetCell(int p, char value)
{
    if (p < 1 || p > Limits::GridCells)
        return;
    GridModel::Cell(m_puzzle.Grid, p) = std::uint8_t(value);
    m_canvas->update();
}

void TAddWords::OkButtonClick()
{
    // After a failed save the words are in the puzzle already: Ok tries the save again, taking any
    // word typed since as well.
    const bool onlySaveAgain = m_wordsAdded && ManualWords::NewWordStarts(m_puzzle).empty();
    if (!onlySaveAgain && !AddNewWords())
        return;
    m_context.Working.CurrentPuzzle = m_puzzle;
    m_context.Working.IsNewPuzzle = false;
    const IoResult written = SaveWorkingPuzzle(m_context.Working);
    if (!written) {
        // Reported; the window stays open with the words and their clues, to save again.
        MessageService::error(this, CollectionMessages::saveFailureText(written), QString(CollectionMessages::ErrorCaption));
        return;
    }
    if (m_context.RequestSelection)
        m_context.RequestSelection(m_puzzle.Category.text(), m_puzzle.Title.text());
    m_saved = true;
    accept();
}

bool TAddWords::AddNewWords()
{
    const std::vector<ManualWords::WordStart> starts = ManualWords::NewWordStarts(m_puzzle);
    if (starts.empty()) {
        MessageService::notice(this, NoChangesMessage);
        QDialog::reject();
        return false;
    }
    const int newWords = int(starts.size());
    if (std::clamp<int>(m_puzzle.WordCount, 0, Limits::WordSlots) + newWords > Limits::WordSlots) {
        MessageService::error(this, TooManyWordsMessage);
        return false;
    }
    // Words that never fitted the grid are kept behind the placed ones; those pushed past the last slot go.
    const int dropped = ManualWords::LeftOversDropped(m_puzzle, newWords);
    if (dropped > 0 && !MessageService::askYesNo(this, LeftOversDroppedQuestion(dropped), QStringLiteral("Warning")))
        return false;

    for (const ManualWords::WordStart& start : starts) {
        const QByteArray word = ManualWords::ReadWord(m_puzzle, start);
        TAddAClue clueDialog(m_context, word, this);
        clueDialog.exec(); // closing it any way counts as Ok
        ManualWords::AddWord(m_puzzle, start, ManualWords::ApplyCase(word, clueDialog.letterCase()), int(word.size()),
                             clueDialog.clue());
    }
    ManualWords::Renumber(m_puzzle);
    m_wordsAdded = true;
    // The new words' letters are theirs now, kept from the entry as the placed words' are.
    m_protected = ManualWords::ProtectedCells(m_puzzle);
    m_canvas->update();
    return true;
}
