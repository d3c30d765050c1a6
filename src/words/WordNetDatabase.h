#pragma once

#include "words/LexicalSource.h"
#include "words/WordFamiliarity.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QSet>
#include <QString>
#include <array>
#include <memory>

class QFile;

/**
 * The English lexical source: the WordNet 3.0 database files as Debian's `wordnet-base` installs
 * them (index.noun, data.noun and their verb, adjective and adverb siblings, the exception lists
 * and the usage counts in cntlist.rev), read as the database documentation describes them.
 *
 * Opening maps the files into memory and reads only the small exception lists; every lookup is a
 * binary search in a sorted index file and a read of the data lines it names, so nothing is
 * parsed that a lookup does not need. Meanings are ordered by the usage counts of their sense
 * keys (WordNet's own ordering within a part of speech breaks ties). Read-only, so one open
 * database serves a whole run.
 */
class WordNetDatabase final : public LexicalSource {
public:
    /** Environment variable naming the folder of the database instead of the usual places. */
    static constexpr const char* FolderVariable = "QUORVEX_WORDNET_DIR";

    /**
     * The folders looked in, in order: the one named by QUORVEX_WORDNET_DIR alone when it is set;
     * else "wordnet" in the program directory, then Debian's /usr/share/wordnet.
     */
    static QStringList SearchDirs(const QString& programDir);
    /** The first of the search folders that holds the database, or an empty string. */
    static QString Find(const QString& programDir);
    /**
     * Opens the database in a folder, with the American (or British) word lists that rank words by
     * familiarity; nothing when a database file is missing or cannot be mapped.
     */
    static std::unique_ptr<WordNetDatabase> Open(const QString& folder, bool british = false);
    ~WordNetDatabase() override;

    QList<LexicalSense> Senses(const QString& word) const override;
    QList<LexicalSense> TopicSenses(const QString& topic) const override;
    LexicalSense Sense(const QString& senseId, const QString& word) const override;
    QList<ThemeCandidate> KindsAndMembers(const QString& senseId, bool classroom) const override;
    QStringList RelatedTopics(const QString& senseId) const override;
    int Familiarity(const QString& word) const override;
    QStringList SenseIds(const QString& word) const override;
    QHash<QString, int> Ancestors(const QString& senseId, int levels) const override;
    QStringList IrregularForms(const QString& word) const override;

private:
    /** The four parts of speech in the order of the database's file names. */
    enum Part { Noun, Verb, Adjective, Adverb, PartCount };
    struct Mapped;
    struct Word {
        QByteArrayView Lemma;
        int LexId = 0;
    };
    struct Pointer {
        QByteArrayView Symbol;
        qint64 Offset = 0;
        Part Target = Noun;
    };
    struct Synset {
        char Type = 'n';
        int LexFile = 0;
        QList<Word> Words;
        QList<Pointer> Pointers;
        QByteArrayView Gloss;
        bool valid() const { return !Words.isEmpty(); }
    };

    WordNetDatabase();
    Synset readSynset(Part part, qint64 offset) const;
    QByteArrayView indexLine(Part part, const QByteArray& key) const;
    QList<QByteArray> baseForms(Part part, const QByteArray& key) const;
    QList<qint64> senseOffsets(Part part, const QByteArray& key, QByteArray* found) const;
    LexicalSense senseOf(Part part, qint64 offset, const QByteArray& key) const;
    int usageCount(const Synset& synset, const Word& word) const;
    QStringList kindsOf(const Synset& synset) const;
    int familiarityIn(qint64 offset, const Word& word, int usage) const;
    bool unfitForClass(qint64 offset, const Synset& synset) const;
    void findUnfit();

    std::array<std::unique_ptr<Mapped>, PartCount> m_index;
    std::array<std::unique_ptr<Mapped>, PartCount> m_data;
    std::unique_ptr<Mapped> m_counts;
    /** Irregular form -> base forms, per part of speech (from the .exc lists). */
    std::array<QHash<QByteArray, QList<QByteArray>>, PartCount> m_bases;
    /** Base form -> its irregular forms, all parts of speech together. */
    QHash<QByteArray, QList<QByteArray>> m_irregular;
    WordFamiliarity m_familiarity;
    /** Usage marks of offensive words (disparagement, ethnic slur, obscenity). */
    QSet<qint64> m_offensiveUsage;
    /** Noun meanings whose kinds do not belong in a school puzzle (blood sports, weapons, drugs of abuse). */
    QSet<qint64> m_unfitKinds;
};
