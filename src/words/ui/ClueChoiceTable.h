#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTableWidget>

/**
 * The table of the clue and theme assistant: one row per word, a tick in the word's cell and an
 * editable list of drafted clues beside it. Nothing is chosen until the user ticks a row, picks
 * another draft or types a clue (either of the last two ticks the row); a row without a clue
 * cannot be ticked. Each clue list shows its whole chosen clue as a tooltip, and each draft in its
 * list as the tooltip of that line.
 */
class ClueChoiceTable : public QTableWidget {
    Q_OBJECT
public:
    explicit ClueChoiceTable(QWidget* parent = nullptr);

    /** A word and its drafts, the best first. */
    struct Entry {
        QString Word;
        QStringList Clues;
    };
    /** A ticked row: its place in the entries given, its word and the clue shown. */
    struct Choice {
        int Index = 0;
        QString Word;
        QString Clue;
    };

    /** Shows the entries, none ticked, each with its first draft shown. */
    void setEntries(const QList<Entry>& entries);
    /** Ticks (or clears) every row that has a clue. */
    void tickAll(bool ticked);
    /** The ticked rows with a clue, in order. */
    QList<Choice> choices() const;
    /** The clue list of a row (tests pick from it). */
    class QComboBox* clueBox(int row) const;
    /** Whether a clue was typed since the entries were shown. */
    bool typed() const { return m_typed; }

signals:
    /** A tick was set or cleared. */
    void choicesChanged();

protected:
    /** The mouse wheel over a clue list scrolls the table; it never picks another clue. */
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setTicked(int row, bool ticked);

    bool m_typed = false;
};
