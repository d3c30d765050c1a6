#pragma once
// The lexical database behind the clue and theme assistant, seen through one small interface so
// that another language's wordnet can stand beside the English one.

#include <QList>
#include <QString>
#include <QStringList>

/** One meaning of a word: what the clue drafter and the theme finder need of it. */
struct LexicalSense {
    /** Handle of the meaning inside its source (stable for the run). */
    QString Id;
    /** "noun", "verb", "adjective" or "adverb". */
    QString PartOfSpeech;
    /** The definition without its examples, as the database writes it (lower-case start). */
    QString Definition;
    /** The other words of the meaning, spaces between their parts. */
    QStringList Synonyms;
    /** Narrower words (kinds, instances), most used first, a few levels down. */
    QStringList Kinds;
    /** The first word of the broader meaning ("edible fruit" for an apple), or empty. */
    QString Broader;
    /** How often this word was counted in this meaning in the database's tagged texts. */
    int UsageCount = 0;
};

/** A word that is a kind or member of a topic meaning, and how familiar it is. */
struct ThemeCandidate {
    QString Word;
    /** The meaning of the word that made it a candidate. */
    QString SenseId;
    /** Uses counted for the word in that meaning. */
    int UsageCount = 0;
    /** Definitions below the topic that name the word: how central it is to the topic. */
    int Mentions = 0;
    /** True when it lies below a narrower meaning named with the topic's word ("edible fruit"). */
    bool UnderNamedKind = false;
};

/**
 * A lexical database of one language: meanings of words with definitions, synonyms and the
 * "is a kind of" / "is a member of" relations, with usage counts that order meanings and words
 * by familiarity. Lookups take words in any case, with spaces between the parts of a phrase.
 */
class LexicalSource {
public:
    virtual ~LexicalSource() = default;

    /** The meanings of a word (or of its base form, "apples" gives "apple"), most used first. */
    virtual QList<LexicalSense> Senses(const QString& word) const = 0;
    /** The noun meanings of a topic in the database's order, for choosing the sense of a theme. */
    virtual QList<LexicalSense> TopicSenses(const QString& topic) const = 0;
    /** One meaning by its handle, with the word it is looked up for; its fields empty when unknown. */
    virtual LexicalSense Sense(const QString& senseId, const QString& word) const = 0;
    /**
     * The kinds and members of a meaning at every level below it (instances such as the planets
     * included), each word once with its most used meaning among them, most familiar first:
     * those below a narrower meaning named with the topic's word ("edible fruit", "wind
     * instrument") before the rest, then by usage count and mentions in the definitions below
     * the topic together, then by usage count.
     */
    virtual QList<ThemeCandidate> KindsAndMembers(const QString& senseId) const = 0;
    /** Forms of a word that are not made by adding letters to it ("mice" for "mouse"). */
    virtual QStringList IrregularForms(const QString& word) const = 0;
};
