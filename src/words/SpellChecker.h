#pragma once
// One spell-checking session: a Hunspell dictionary with the user's inclusion and exclusion lists.

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>

class Hunspell;
struct DictionaryFiles;
struct SpellingSetup;

/**
 * Checks words against one language's Hunspell dictionary. The inclusion list's words are added
 * to the session and accepted; the exclusion list's words are refused whatever the dictionary
 * says (compared without regard to case). Text goes in and out as Unicode; the dictionary's own
 * encoding (UTF-8 for the packaged ones) is handled here. Suggestions that Windows-1252 cannot
 * hold are never offered, since a puzzle record could not store them.
 *
 * A text with spaces (a word of several parts) is accepted when every part is accepted.
 */
class SpellChecker {
public:
    /**
     * Opens the dictionary files with the words of the inclusion and exclusion lists. Returns
     * nothing when the dictionary files are missing or unreadable.
     */
    static std::unique_ptr<SpellChecker> Open(const DictionaryFiles& dictionary, const QStringList& inclusion,
                                              const QStringList& exclusion);
    /** Opens a language of the setup and reads the setup's user lists (missing files are empty lists). */
    static std::unique_ptr<SpellChecker> Open(const SpellingSetup& setup, int language);
    ~SpellChecker();

    /** Whether the text is spelled correctly. */
    bool Accepts(const QString& text) const;
    /**
     * Replacements for a text that is not accepted, best first, each storable in Windows-1252.
     * Hunspell takes tens of milliseconds over one word, so the answers are kept until Allow
     * changes the session: a second check of the same list asks nothing twice.
     */
    QStringList Suggestions(const QString& text) const;
    /**
     * Bounds the time spent on suggestions, all calls together: once it is used up, Suggestions
     * gives none. A damaged record of hundreds of garbage words is then checked in seconds.
     */
    void LimitSuggestionTime(qint64 milliseconds) { m_suggestionBudget = milliseconds; }
    /** True when the time for suggestions was used up. */
    bool SuggestionTimeUsedUp() const { return m_suggestionBudget >= 0 && m_suggesting >= m_suggestionBudget; }
    /** Root forms of a word ("happier" gives "happy"), for a thesaurus lookup. */
    QStringList Stems(const QString& word) const;
    /** Accepts a word for the rest of the session (a word in capitals in any case). */
    void Allow(const QString& word);

private:
    SpellChecker() = default;
    bool acceptsPart(const QString& part) const;
    QStringList suggestPart(const QString& part) const;
    QStringList suggestWhole(const QString& text) const;
    std::string encode(const QString& text) const;
    QString decode(const std::string& text) const;

    std::unique_ptr<Hunspell> m_hunspell;
    bool m_latin1 = false;
    QSet<QString> m_excluded;
    mutable QHash<QString, QStringList> m_suggestions;
    qint64 m_suggestionBudget = -1;
    mutable qint64 m_suggesting = 0;
};

/** Whether Windows-1252 can hold every character of the text. */
bool FitsWindows1252(const QString& text);
