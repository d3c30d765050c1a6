#pragma once
// The lexical database behind the clue and theme assistant, seen through one small interface so
// that another language's wordnet can stand beside the English one.

#include <QHash>
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
    /** The word the meaning is filed under: the word looked up, or the base word it is a form of ("run" for "ran"). */
    QString Lemma;
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
    /** How well a pupil knows the word: a WordFamiliarity level, 1 the best known. */
    int Familiarity = 0;
    /** Levels below the topic: 1 for its own kinds and instances. */
    int Depth = 0;
    /** Relations of the meaning in the database: a well-known name (a country with its regions) has many. */
    int Links = 0;
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
     * The kinds and instances of a meaning at every level below it (the planets included), each
     * word once with its most used meaning among them, most familiar first: by familiarity level,
     * then by usage count, mentions in the definitions below the topic and relations together,
     * then nearer the topic first. With classroom set, meanings the database marks as offensive
     * and the categories unfit for a school puzzle are left out with everything below them.
     */
    virtual QList<ThemeCandidate> KindsAndMembers(const QString& senseId, bool classroom) const = 0;
    /** The familiar kinds of a meaning that have kinds of their own, and its broader meaning: topics near it. */
    virtual QStringList RelatedTopics(const QString& senseId) const = 0;
    /** How well a pupil knows a word: a WordFamiliarity level (0 when the word lists are missing). */
    virtual int Familiarity(const QString& word) const = 0;
    /** The handles of a word's meanings (of its base forms too), without reading their details. */
    virtual QStringList SenseIds(const QString& word) const = 0;
    /** The broader meanings of a meaning up to some levels, each with its level (1 the nearest). */
    virtual QHash<QString, int> Ancestors(const QString& senseId, int levels) const = 0;
    /** Forms of a word that are not made by adding letters to it ("mice" for "mouse"). */
    virtual QStringList IrregularForms(const QString& word) const = 0;
};
