// The word list editor's spell check and thesaurus lookup.
#include "words/ui/WordList.h"

#include "ui/AppContext.h"
#include "ui/MessageService.h"
#include "store/Ansi.h"
#include "words/ClueTokens.h"
#include "words/SpellChecker.h"
#include "words/SpellLanguages.h"
#include "words/ui/LanguageChoice.h"
#include "words/ui/SpellSuggestions.h"
#include "words/ui/ThesSuggestions.h"

#include <QPushButton>
#include <QTableWidget>

void TWordList::applySpellingAvailability()
{
    const Settings& s = m_context.settings;
    m_spell->setEnabled(m_context.Spelling.AnyLanguage() && s.Dictionary != Spelling::NoLanguage);
    m_thesaurus->setEnabled(m_context.Spelling.AnyThesaurus() && s.Thesaurus != Spelling::NoThesaurus);
}

void TWordList::SpellCheckClick()
{
    commitGridEdit();
    int language = m_context.settings.Dictionary;
    if (language == Spelling::ChooseLanguage) {
        TChooseSpellCheck choose(m_context, this);
        if (choose.exec() != QDialog::Accepted)
            return;
        language = choose.Chosen();
    }
    if (language < Spelling::FirstLanguage || language > Spelling::LastLanguage)
        return;
    runSpellCheck(language);
}

void TWordList::runSpellCheck(int language)
{
    SpellChecker* checker = m_context.SpellingOpen.CheckerFor(m_context.Spelling, language);
    if (!checker) {
        MessageService::error(this, QStringLiteral("Could not find one of the dictionary files."));
        return;
    }
    TSpellSuggestions suggestions(m_context, QLatin1String(Spelling::Language(language).Name), this);

    SpellCheckRows rows;
    rows.CheckWords = m_newPuzzle;
    for (int row = 0; row < GridRows; ++row) {
        rows.Words.append(m_grid->item(row, WordColumn)->text());
        rows.Clues.append(m_grid->item(row, ClueColumn)->text());
    }
    const auto ask = [this, &suggestions](const QString& text, const QStringList& offered) {
        if (offered.isEmpty()) {
            MessageService::notice(this, text + QStringLiteral(" was not found in the dictionary.  ")
                                             + QStringLiteral("No suggestions could be found."));
            return SpellDecision{};
        }
        return suggestions.Ask(text, offered);
    };
    // A replacement shows in the grid at once.
    const auto changed = [this, &rows](int row, bool clue) {
        const int column = clue ? ClueColumn : WordColumn;
        m_grid->item(row, column)->setText(clue ? rows.Clues[row] : rows.Words[row]);
    };
    const SpellCheckOutcome outcome = RunSpellCheck(*checker, rows, ask, changed);

    if (!outcome.Misspelled)
        MessageService::notice(this, QStringLiteral("All words were found in the dictionary."),
                               QStringLiteral("Spelling Ok"));
    else
        MessageService::notice(this,
                               outcome.Aborted ? QStringLiteral("Spell checking aborted.")
                                               : QStringLiteral("Spell checking complete."),
                               QStringLiteral("Spelling Status"));
}

void TWordList::ThesaurusClick()
{
    commitGridEdit();
    const int row = m_grid->currentRow();
    if (row < 0)
        return;
    int thesaurus = m_context.settings.Thesaurus;
    if (thesaurus == Spelling::ChooseThesaurus) {
        TChooseThesCheck choose(m_context, this);
        if (choose.exec() != QDialog::Accepted)
            return;
        thesaurus = choose.Chosen();
    }
    if (thesaurus != Spelling::AmericanThesaurus && thesaurus != Spelling::BritishThesaurus)
        return;
    TThesSuggestions lookup(m_context, thesaurus, m_grid->item(row, WordColumn)->text(), this);
    if (lookup.exec() != QDialog::Accepted || lookup.Result().isEmpty())
        return;
    // A clue the user typed is replaced only after asking.
    QTableWidgetItem* clue = m_grid->item(row, ClueColumn);
    const QString typed = Ansi::trimSpaces(clue->text());
    if (!typed.isEmpty() && typed != lookup.Result()
        && !MessageService::askYesNo(this,
                                     QStringLiteral("This will replace the clue \"") + typed + QStringLiteral("\" with \"")
                                         + lookup.Result() + QStringLiteral("\".  Continue?"),
                                     QStringLiteral("Warning")))
        return;
    clue->setText(lookup.Result());
}
