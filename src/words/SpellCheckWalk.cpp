#include "words/SpellCheckWalk.h"

#include "store/Ansi.h"
#include "words/ClueTokens.h"
#include "words/SpellChecker.h"

namespace {

/** Checks one string; returns the decision taken (Ignore for an accepted string). */
SpellDecision checkOne(SpellChecker& checker, const QString& text, const SpellAsk& ask, SpellCheckOutcome& outcome)
{
    if (text.isEmpty() || checker.Accepts(text))
        return {};
    outcome.Misspelled = true;
    SpellDecision decision = ask(text, checker.Suggestions(text));
    if (decision.kind == SpellDecision::Add)
        checker.Allow(text);
    if (decision.kind == SpellDecision::Abort)
        outcome.Aborted = true;
    return decision;
}

} // namespace

SpellCheckOutcome RunSpellCheck(SpellChecker& checker, SpellCheckRows& rows, const SpellAsk& ask,
                                const SpellRowChanged& changed)
{
    SpellCheckOutcome outcome;
    if (rows.CheckWords) {
        for (int row = 0; row < rows.Words.size(); ++row) {
            const SpellDecision decision = checkOne(checker, Ansi::trimSpaces(rows.Words[row]), ask, outcome);
            if (decision.kind == SpellDecision::Replace) {
                rows.Words[row] = decision.replacement;
                if (changed)
                    changed(row, false);
            }
            if (outcome.Aborted)
                return outcome;
        }
    }
    for (int row = 0; row < rows.Clues.size(); ++row) {
        // The trimmed clue is cut into tokens; the spaces around it stay in the cell as typed.
        const QString typed = rows.Clues[row];
        const QString trimmed = Ansi::trimSpaces(typed);
        if (trimmed.isEmpty())
            continue;
        const qsizetype leading = typed.indexOf(trimmed);
        const QString trailing = typed.mid(leading + trimmed.size());
        ClueTokens tokens(trimmed);
        for (int i = 0; i < tokens.Tokens().size(); ++i) {
            const SpellDecision decision = checkOne(checker, ClueTokens::Checked(tokens.Tokens()[i]), ask, outcome);
            if (decision.kind == SpellDecision::Replace) {
                tokens.Replace(i, decision.replacement);
                rows.Clues[row] = typed.left(leading) + tokens.Text() + trailing;
                if (changed)
                    changed(row, true);
            }
            if (outcome.Aborted)
                return outcome;
        }
    }
    return outcome;
}
