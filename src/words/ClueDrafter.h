#pragma once
// Drafting crossword clues from a lexical database, and the rule that keeps answers out of them.

#include "words/LexicalSource.h"

#include <QString>
#include <QStringList>

namespace ClueDrafter {

/** Most drafts offered for one word. */
constexpr int MostDrafts = 8;

/**
 * A text cut to the clue limit (150 characters) at the last word boundary that fits, with the
 * punctuation the cut leaves at its end removed; a shorter text comes back as it is.
 */
QString Shorten(const QString& text);

/**
 * True when a clue gives its answer away: it holds the answer, a word of a multi-word answer, or
 * an obvious form of one: a word that holds it ("apples", "applesauce", "crabapple" for APPLE;
 * "plant" for ANT too, to be safe), that begins with its stem or, from four letters, holds it
 * ("cherries" for CHERRY), a word of four
 * letters or more that it begins with ("eucalypt" for EUCALYPTUS), another spelling of a word of
 * five letters or more, one letter apart ("citrous" for CITRUS), or one of the
 * irregular forms given ("mice" for MOUSE). Case and punctuation do not matter.
 */
bool GivesAway(const QString& clue, const QString& answer, const QStringList& irregularForms = {});

/**
 * The drafts one meaning gives for an answer, in this order: the definition (first letter upper
 * case, shortened), a clue of up to two synonyms ("Auto or machine"), a clue of up to two kinds
 * ("Pippin or Granny Smith, e.g.") and, for a noun, its broader word ("Kind of edible fruit").
 * A draft that gives the answer away or holds a character that Windows-1252 cannot hold is left out.
 */
QStringList FromSense(const LexicalSense& sense, const QString& answer, const QStringList& irregularForms);

/** The drafts for an answer from all its meanings, most common meaning first, without repeats. */
QStringList Draft(const LexicalSource& source, const QString& answer, int most = MostDrafts);

/** Irregular forms of every word of an answer (what GivesAway needs besides the answer). */
QStringList IrregularFormsOf(const LexicalSource& source, const QString& answer);

} // namespace ClueDrafter
