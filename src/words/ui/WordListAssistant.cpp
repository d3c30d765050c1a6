// The word list editor's clue and theme assistant: Suggest Clues and Theme Words.
#include "words/ui/WordList.h"

#include "store/Ansi.h"
#include "store/Limits.h"
#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "words/Lexicon.h"
#include "words/ui/SuggestClues.h"
#include "words/ui/ThemeWordsDialog.h"

#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>

void TWordList::connectAssistant()
{
    connect(m_suggestClues, &QPushButton::clicked, this, &TWordList::SuggestCluesClick);
    connect(m_themeWords, &QPushButton::clicked, this, &TWordList::ThemeWordsClick);
    // The same commands on the grid's menu, and there also for the row under the mouse.
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const QModelIndex index = m_grid->indexAt(at);
        if (index.isValid())
            m_grid->setCurrentCell(index.row(), ClueColumn);
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("AssistantMenu"));
        QAction* all = menu.addAction(QStringLiteral("Suggest Clues"), this, &TWordList::SuggestCluesClick);
        QAction* row = menu.addAction(QStringLiteral("Suggest Clue for This Row"), this, &TWordList::SuggestRowClueClick);
        QAction* theme = menu.addAction(QStringLiteral("Theme Words"), this, &TWordList::ThemeWordsClick);
        all->setEnabled(m_suggestClues->isEnabled());
        row->setEnabled(m_suggestClues->isEnabled() && index.isValid()
                        && !m_grid->item(index.row(), WordColumn)->text().trimmed().isEmpty());
        theme->setEnabled(m_themeWords->isEnabled());
        menu.exec(m_grid->viewport()->mapToGlobal(at));
    });
}

void TWordList::applyAssistantAvailability()
{
    // English only, and only with the database installed; the reason shows as the buttons' tip.
    const QString reason = Lexicon::Unavailable(m_context.ProgramDir, Lexicon::LanguageOf(m_context.settings));
    m_suggestClues->setEnabled(reason.isEmpty());
    m_themeWords->setEnabled(reason.isEmpty() && m_newPuzzle);
    m_suggestClues->setToolTip(reason);
    m_themeWords->setToolTip(m_newPuzzle ? reason : QString());
}

void TWordList::SuggestCluesClick()
{
    commitGridEdit();
    QList<int> rows;
    for (int row = 0; row < GridRows; ++row)
        if (!m_grid->item(row, WordColumn)->text().trimmed().isEmpty()
            && m_grid->item(row, ClueColumn)->text().trimmed().isEmpty())
            rows.append(row);
    if (rows.isEmpty()) {
        MessageService::notice(this, QStringLiteral("Every word already has a clue.  Select a row and choose "
                                                    "\"Suggest Clue for This Row\" from its menu to replace one."));
        return;
    }
    suggestClues(rows);
}

void TWordList::SuggestRowClueClick()
{
    commitGridEdit();
    const int row = m_grid->currentRow();
    if (row < 0 || m_grid->item(row, WordColumn)->text().trimmed().isEmpty())
        return;
    suggestClues({row});
}

void TWordList::suggestClues(const QList<int>& rows)
{
    const LexicalSource* source = m_context.Lexicon();
    if (!source) {
        MessageService::error(this, QStringLiteral("The WordNet database could not be read."));
        return;
    }
    QStringList words;
    for (const int row : rows)
        words.append(m_grid->item(row, WordColumn)->text());
    TSuggestClues dialog(m_context, *source, words, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    for (const ClueChoiceTable::Choice& choice : dialog.Chosen())
        m_grid->item(rows[choice.Index], ClueColumn)->setText(choice.Clue.left(Limits::ClueLength));
    m_grid->setFocus();
}

void TWordList::ThemeWordsClick()
{
    const LexicalSource* source = m_context.Lexicon();
    if (!source) {
        MessageService::error(this, QStringLiteral("The WordNet database could not be read."));
        return;
    }
    TThemeWords dialog(m_context, *source, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The ticked words go into free rows as an import of word and clue pairs does, within 200 words;
    // a word the list holds already is left out, since a puzzle uses each answer once.
    QSet<QString> listed;
    for (int row = 0; row < GridRows; ++row)
        listed.insert(m_grid->item(row, WordColumn)->text().trimmed().toUpper());
    QList<QByteArray> items;
    QStringList repeated;
    for (const ClueChoiceTable::Choice& choice : dialog.Chosen()) {
        if (listed.contains(choice.Word.toUpper())) {
            repeated.append(choice.Word);
            continue;
        }
        items.append(Ansi::fromUnicode(choice.Word) + '\t' + Ansi::fromUnicode(choice.Clue));
    }
    QList<WordListTransfer::GridRow> rows = gridRows();
    const int excess = WordListTransfer::WordCount(rows) + int(items.size()) - Limits::WordSlots;
    if (excess > 0 && !MessageService::askYesNo(this, WordListTransfer::ExcessQuestion(excess), QStringLiteral("Warning")))
        return;
    for (const int row : WordListTransfer::Fill(rows, items, WordListTransfer::WordsAndClues, '\t')) {
        m_grid->item(row, WordColumn)->setText(Ansi::toUnicode(rows[row].Word));
        m_grid->item(row, ClueColumn)->setText(Ansi::toUnicode(rows[row].Clue));
    }
    if (!repeated.isEmpty())
        MessageService::notice(this, QStringLiteral("Already in the list, so not added again: ") + repeated.join(QStringLiteral(", "))
                                         + QLatin1Char('.'));
    m_grid->setFocus();
}
