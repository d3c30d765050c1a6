#pragma once

#include "words/ui/ClueChoiceTable.h"

#include <QDialog>

class AppContext;
class LexicalSource;
class QLabel;

/**
 * "Suggest Clues": drafted clues for the words the editor passes (those without a clue, or the
 * selected row), the most common meaning's first. The user ticks a word, picks another draft or
 * types a clue; "&Ok" gives the ticked words' clues to the editor, which writes them. Nothing is
 * written for a word that was not chosen.
 */
class TSuggestClues : public QDialog {
    Q_OBJECT
public:
    /** words are the editor's words (as typed) for the rows that ask for a clue. */
    TSuggestClues(AppContext& context, const LexicalSource& source, const QStringList& words, QWidget* parent = nullptr);

    /** The chosen clues: the index into the words given, and the clue. */
    QList<ClueChoiceTable::Choice> Chosen() const { return m_chosen; }
    /** The table of words and drafts. */
    ClueChoiceTable* Table() const { return m_table; }

    /** Cancel, Escape and the close box ask before a typed clue is dropped. */
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppContext& m_context;
    ClueChoiceTable* m_table = nullptr;
    QList<ClueChoiceTable::Choice> m_chosen;
    bool m_shown = false;
};
