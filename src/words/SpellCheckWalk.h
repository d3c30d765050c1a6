#pragma once
// The spell check of a word list: every word, then every clue token, each string not accepted
// handed to the caller, who decides what happens to it.

#include <QString>
#include <QStringList>
#include <functional>

class SpellChecker;

/** The answer to one string that was not accepted. */
struct SpellDecision {
    enum Kind { Replace, Ignore, Add, Abort };
    Kind kind = Ignore;
    /** The replacement (Replace only). */
    QString replacement;
};

/** The rows of a word list as the editor holds them (row 1 first); the walk changes them in place. */
struct SpellCheckRows {
    QStringList Words;
    QStringList Clues;
    /** Words are checked only for a new puzzle; a stored puzzle's words are fixed. */
    bool CheckWords = true;
};

/** How a walk ended. */
struct SpellCheckOutcome {
    /** At least one string was not accepted. */
    bool Misspelled = false;
    /** The caller answered Abort. */
    bool Aborted = false;
};

/**
 * Asked for each string that is not accepted, with its suggestions (possibly none). Add means the
 * caller stored the string in the inclusion list; the walk then accepts it for the rest of the run.
 */
using SpellAsk = std::function<SpellDecision(const QString& text, const QStringList& suggestions)>;

/** Told after a word (clue false) or a clue (clue true) of a row (0-based) was changed. */
using SpellRowChanged = std::function<void(int row, bool clue)>;

/**
 * Walks the rows: first each non-blank trimmed word as one string (a replacement replaces the
 * whole word), then each non-blank trimmed clue token by token (ClueTokens); a replacement
 * changes only the characters of its token, at once, and leaves the rest of the clue as typed. Stops after the string that was answered with Abort.
 */
SpellCheckOutcome RunSpellCheck(SpellChecker& checker, SpellCheckRows& rows, const SpellAsk& ask,
                                const SpellRowChanged& changed = {});
