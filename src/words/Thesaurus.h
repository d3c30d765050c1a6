#pragma once
// One thesaurus session over a MyThes thesaurus: categories, antonyms, synonyms, suggestions.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class MyThes;
class SpellChecker;
struct DictionaryFiles;
struct SpellingSetup;

/**
 * Answers the lookups of the thesaurus dialog. A word's categories are its meanings in the
 * thesaurus, each named by a headword and a part-of-speech ending (".n", ".v", ".adj", ".adv"):
 * the meaning's first plain synonym, or the word itself when the meaning starts with related
 * terms ("happy.adj", "glad.adj"). Meanings that give the same name are one category. A
 * category's synonyms are the terms of its meanings without their "(similar term)"-style labels;
 * its antonyms are the meanings' "(antonym)" entries, named with the same part of speech. A
 * category that was not listed by a lookup (an antonym, say) is found by looking its headword up.
 * Suggestions for a word come from the matching Hunspell dictionary: its root forms and spelling
 * suggestions that the thesaurus holds. Nothing that Windows-1252 cannot hold is returned.
 */
class Thesaurus {
public:
    /** Opens a thesaurus (.idx, .dat) and, when found, the dictionary for suggestions. Nothing when the thesaurus is missing. */
    static std::unique_ptr<Thesaurus> Open(const DictionaryFiles& thesaurus, const DictionaryFiles& dictionary);
    /** Opens thesaurus 1 (American, with the American dictionary) or 2 (British, with the British one). */
    static std::unique_ptr<Thesaurus> Open(const SpellingSetup& setup, int code);
    ~Thesaurus();

    /** The category names of a word in thesaurus order; empty when the thesaurus does not hold it. */
    QStringList Categories(const QString& word);
    /** The names of the categories opposite to a category. */
    QStringList Antonyms(const QString& category);
    /** The synonyms of a category. */
    QStringList Synonyms(const QString& category);
    /** Words the thesaurus holds that the given word may have been meant as. */
    QStringList Suggestions(const QString& word);

    /** A category as shown: "happy.adj" gives "happy (adjective)"; other endings show the name alone. */
    static QString ShownName(const QString& category);
    /** The category name back from its shown form. */
    static QString CategoryName(const QString& shown);

private:
    struct Meaning {
        QString ending;
        QString headword;
        QStringList synonyms;
        QStringList antonyms;
    };
    Thesaurus() = default;
    QList<Meaning> lookup(const QString& word) const;
    QList<Meaning> lookupAnyCase(const QString& word) const;
    void remember(const QString& category, const Meaning& meaning);

    std::unique_ptr<MyThes> m_thesaurus;
    bool m_latin1 = false;
    std::unique_ptr<SpellChecker> m_speller;
    QHash<QString, QStringList> m_synonyms;
    QHash<QString, QStringList> m_antonyms;
};
