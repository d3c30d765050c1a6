#pragma once
// Drafting crossword clues from a lexical database, and the rule that keeps answers out of them.

#include "words/LexicalSource.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace ClueDrafter {

/** Most drafts offered for one word. */
constexpr int MostDrafts = 8;
/** A draft under this many characters reads at a glance; a longer definition is offered after its first clause. */
constexpr int ShortClue = 60;

/**
 * A text that fits the clue limit (150 characters) with its brackets closed: a longer text is cut
 * at the last clause boundary (";" or ",", or before a bracket) that leaves it whole; without one
 * nothing comes back, since a clue cut mid-phrase is no clue.
 */
QString Shorten(const QString& text);

/**
 * True when a clue gives its answer away: it holds the answer, a word of a multi-word answer, or
 * an obvious form of one: a word that holds it ("apples", "applesauce", "crabapple" for APPLE;
 * "plant" for ANT too, to be safe), that begins with its stem or, from four letters, holds it
 * ("cherries" for CHERRY), a word of four letters or more that it begins with ("eucalypt" for
 * EUCALYPTUS), a part of a compound answer ("kettle" in TEAKETTLE, "bee" in BUMBLEBEE, "big" in
 * BIGGER), a word sharing a stem of four letters or more with it ("fishes" for FISHING,
 * "writing" for WRITTEN), another spelling of a word of five letters or more, one letter apart
 * ("citrous" for CITRUS), or one of the irregular forms given ("mice" for MOUSE). Case and
 * punctuation do not matter.
 */
bool GivesAway(const QString& clue, const QString& answer, const QStringList& irregularForms = {});

/** What a word list tells about the meanings of its words. */
struct ListContext {
    /** The topic meaning the list was drawn from, or empty. */
    QString TopicSenseId;
    /** Every answer of the list; a draft that gives another one away is dropped. */
    QStringList Answers;
    /** Broader meanings near the answers' meanings, and how many answers lie below each. */
    QHash<QString, int> Coverage;

    /** The context of a list of answers, optionally drawn from a topic meaning. */
    static ListContext Of(const LexicalSource& source, const QStringList& answers, const QString& topicSenseId = {});
};

/**
 * The drafts one meaning gives for an answer, in this order: the definition cut to its first
 * clause when it is long, a clue of up to two synonyms ("Auto or machine"), the whole definition
 * when it was cut, a clue of up to two kinds ("Pippin or Granny Smith, e.g."), for an irregular
 * past its base ("Past tense of run") and, for a noun, its broader word when that is familiar
 * ("Kind of fruit"). An answer that is a form of the meaning's word gets drafts in its form
 * ("Young people" for CHILDREN). A draft that gives the answer away or holds a character that
 * Windows-1252 cannot hold is left out.
 */
QStringList FromSense(const LexicalSource& source, const LexicalSense& sense, const QString& answer,
                      const QStringList& irregularForms);

/**
 * The drafts for an answer from all its meanings without repeats: first the meaning that fits the
 * list (below its topic, or below the broader meaning most of its answers share), else the most
 * common; none that gives away another answer of the list.
 */
QStringList Draft(const LexicalSource& source, const QString& answer, int most = MostDrafts, const ListContext& context = {});

/** The drafts that give none of the other answers away. */
QStringList WithoutOtherAnswers(const QStringList& drafts, const QString& answer, const QStringList& answers);

/** Irregular forms of every word of an answer (what GivesAway needs besides the answer). */
QStringList IrregularFormsOf(const LexicalSource& source, const QString& answer);

} // namespace ClueDrafter
