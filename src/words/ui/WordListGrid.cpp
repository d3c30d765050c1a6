// The words-and-clues grid of the word list editor: its columns, cell editing, filling from the
// record, reading back, and the Delete and Delete All commands.
#include "words/ui/WordList.h"
#include "words/ui/WordsCluesGrid.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "store/Ansi.h"
#include "ui/Windows1252Text.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace {

/** Width of the fixed columns and of the word column; the clue column takes the rest. */
constexpr int CountColumnWidth = 34;
constexpr int UsedColumnWidth = 20;
constexpr int WordColumnWidth = 120;

/** Cell editor of the word and clue columns: a word is cut to 30 characters, a clue to 150. */
class WordClueDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setMaxLength(limitOf(index));
            AcceptWindows1252Only(line);
        }
        return editor;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setText(index.data(Qt::EditRole).toString().left(limitOf(index)));
        else
            QStyledItemDelegate::setEditorData(editor, index);
    }

private:
    static int limitOf(const QModelIndex& index)
    {
        return index.column() == TWordList::WordColumn ? Limits::WordLength : Limits::ClueLength;
    }
};

QTableWidgetItem* fixedItem(const QString& text, const QBrush& background)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(background);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

QString cellText(const QTableWidget* grid, int row, int column)
{
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

void TWordList::buildGrid()
{
    m_grid = new WordsCluesGrid(GridRows, 4, this);
    m_grid->setObjectName(QStringLiteral("WordsCluesGrid"));
    m_grid->setHorizontalHeaderLabels(
        {QStringLiteral("Cnt"), QStringLiteral("U"), QStringLiteral("Word"), QStringLiteral("Clue")});
    m_grid->verticalHeader()->setVisible(false);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->setColumnWidth(CountColumn, CountColumnWidth);
    m_grid->setColumnWidth(UsedColumn, UsedColumnWidth);
    m_grid->setColumnWidth(WordColumn, WordColumnWidth);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                            | QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    m_grid->setItemDelegate(new WordClueDelegate(m_grid));
    m_grid->setWordWrap(false);
}

void TWordList::fillGridFromRecord()
{
    const TPuzzleRecord& puzzle = m_context.Working.CurrentPuzzle;
    const QBrush fixedBackground = palette().brush(QPalette::Button);
    // On a stored puzzle the word column is fixed too.
    const Qt::ItemFlags wordFlags = m_newPuzzle ? (Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable)
                                                : (Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    for (int row = 0; row < GridRows; ++row) {
        const auto slot = std::size_t(row);
        m_grid->setItem(row, CountColumn, fixedItem(QString::number(row + 1), fixedBackground));
        m_grid->setItem(row, UsedColumn,
                        fixedItem(puzzle.WordUsed[slot] == 1 ? QStringLiteral("x") : QString(), fixedBackground));
        auto* word = new QTableWidgetItem(Ansi::toUnicode(puzzle.Words[slot].text()));
        word->setFlags(wordFlags);
        m_grid->setItem(row, WordColumn, word);
        auto* clue = new QTableWidgetItem(Ansi::toUnicode(puzzle.Clues[slot].text()));
        clue->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        m_grid->setItem(row, ClueColumn, clue);
    }
    m_grid->setCurrentCell(0, m_newPuzzle ? WordColumn : ClueColumn);
}

void TWordList::commitGridEdit()
{
    // A command reads what is typed, also in a cell whose editor is still open (indexWidget
    // returns the open editor of a cell).
    if (QWidget* editor = m_grid->indexWidget(m_grid->currentIndex())) {
        emit m_grid->itemDelegate()->commitData(editor);
        emit m_grid->itemDelegate()->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

TCreateInput TWordList::editorInput() const
{
    TCreateInput input;
    input.Title = Ansi::fromUnicode(m_title->text());
    input.Category = Ansi::fromUnicode(m_category->currentText());
    input.BonusQuestion = Ansi::fromUnicode(m_bonus->text());
    input.AttemptsText = Ansi::fromUnicode(m_attempts->text());
    for (int row = 0; row < GridRows; ++row) {
        TWordRow& r = input.Rows[std::size_t(row)];
        r.Word = Ansi::fromUnicode(cellText(m_grid, row, WordColumn));
        r.Clue = Ansi::fromUnicode(cellText(m_grid, row, ClueColumn));
    }
    return input;
}

void TWordList::clearRow(int row)
{
    for (int column : {UsedColumn, WordColumn, ClueColumn})
        if (QTableWidgetItem* item = m_grid->item(row, column))
            item->setText(QString());
}

void TWordList::DeleteButtonClick()
{
    const int selected = m_grid->currentRow();
    if (selected < 0)
        return;
    commitGridEdit();
    for (int row = selected; row < GridRows - 1; ++row)
        for (int column : {UsedColumn, WordColumn, ClueColumn})
            m_grid->item(row, column)->setText(cellText(m_grid, row + 1, column));
    clearRow(GridRows - 1);
    m_grid->setFocus();
}

void TWordList::DeleteAllButtonClick()
{
    commitGridEdit();
    bool anyWord = false;
    for (int row = 0; row < GridRows && !anyWord; ++row)
        anyWord = !Ansi::trimSpaces(Ansi::fromUnicode(cellText(m_grid, row, WordColumn))).isEmpty();
    if (!anyWord) {
        MessageService::error(this, QStringLiteral("All words are already cleared."));
        return;
    }
    if (!MessageService::askYesNo(this, QStringLiteral("This will remove all words and clues.  Continue?"),
                                  QStringLiteral("Warning")))
        return;
    for (int row = 0; row < GridRows; ++row)
        for (int column : {WordColumn, ClueColumn})
            m_grid->item(row, column)->setText(QString());
}
