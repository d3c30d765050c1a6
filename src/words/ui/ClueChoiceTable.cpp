#include "words/ui/ClueChoiceTable.h"

#include "store/Limits.h"
#include "ui/Windows1252Text.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QWheelEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

enum Column { WordColumn = 0, ClueColumn = 1 };

} // namespace

ClueChoiceTable::ClueChoiceTable(QWidget* parent)
    : QTableWidget(0, 2, parent)
{
    setObjectName(QStringLiteral("ClueChoices"));
    setHorizontalHeaderLabels({QStringLiteral("Word"), QStringLiteral("Clue")});
    horizontalHeader()->setSectionResizeMode(WordColumn, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(ClueColumn, QHeaderView::Stretch);
    verticalHeader()->setVisible(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == WordColumn)
            emit choicesChanged();
    });
}

void ClueChoiceTable::setEntries(const QList<Entry>& entries)
{
    QSignalBlocker quiet(this);
    m_typed = false;
    setRowCount(0);
    setRowCount(int(entries.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const Entry& entry = entries[row];
        auto* word = new QTableWidgetItem(entry.Word);
        word->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable
                       | (entry.Clues.isEmpty() ? Qt::NoItemFlags : Qt::ItemIsUserCheckable));
        word->setCheckState(Qt::Unchecked);
        setItem(row, WordColumn, word);
        auto* clues = new QComboBox(this);
        clues->setObjectName(QStringLiteral("ClueBox%1").arg(row));
        clues->setEditable(true);
        clues->setInsertPolicy(QComboBox::NoInsert);
        clues->lineEdit()->setMaxLength(Limits::ClueLength);
        AcceptWindows1252Only(clues);
        clues->addItems(entry.Clues);
        for (int i = 0; i < clues->count(); ++i)
            clues->setItemData(i, entry.Clues[i], Qt::ToolTipRole);
        clues->lineEdit()->setCursorPosition(0); // a long clue shows its start
        clues->setToolTip(entry.Clues.value(0));
        // The wheel scrolls the table, and a click, not a passing wheel, gives the list focus.
        clues->setFocusPolicy(Qt::StrongFocus);
        clues->installEventFilter(this);
        connect(clues, &QComboBox::currentTextChanged, clues, &QWidget::setToolTip);
        if (entry.Clues.isEmpty())
            clues->lineEdit()->setPlaceholderText(QStringLiteral("(no clue found)"));
        // Picking another draft or typing is a choice: the row is ticked.
        connect(clues, &QComboBox::activated, this, [this, row] { setTicked(row, true); });
        connect(clues->lineEdit(), &QLineEdit::textEdited, this, [this, row, word](const QString& text) {
            m_typed = true;
            word->setFlags(word->flags() | Qt::ItemIsUserCheckable);
            setTicked(row, !text.trimmed().isEmpty());
        });
        setCellWidget(row, ClueColumn, clues);
    }
    quiet.unblock();
    emit choicesChanged();
}

bool ClueChoiceTable::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel && qobject_cast<QComboBox*>(watched)) {
        QCoreApplication::sendEvent(viewport(), event);
        return true;
    }
    return QTableWidget::eventFilter(watched, event);
}

QComboBox* ClueChoiceTable::clueBox(int row) const
{
    return qobject_cast<QComboBox*>(cellWidget(row, ClueColumn));
}

void ClueChoiceTable::setTicked(int row, bool ticked)
{
    QTableWidgetItem* word = item(row, WordColumn);
    if (word && (word->flags() & Qt::ItemIsUserCheckable))
        word->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void ClueChoiceTable::tickAll(bool ticked)
{
    for (int row = 0; row < rowCount(); ++row)
        if (!ticked || !clueBox(row)->currentText().trimmed().isEmpty())
            setTicked(row, ticked);
}

QList<ClueChoiceTable::Choice> ClueChoiceTable::choices() const
{
    QList<Choice> chosen;
    for (int row = 0; row < rowCount(); ++row) {
        const QString clue = clueBox(row)->currentText().trimmed();
        if (item(row, WordColumn)->checkState() == Qt::Checked && !clue.isEmpty())
            chosen.append({row, item(row, WordColumn)->text(), clue});
    }
    return chosen;
}
