#pragma once
// How well a pupil knows a word: the smallest of the SCOWL size lists (Debian's wamerican-small,
// wamerican, wamerican-large and their wbritish siblings) that holds it.

#include <QByteArray>
#include <QHash>
#include <QString>

class WordFamiliarity {
public:
    /** Familiarity levels: the smaller the list that holds a word, the better it is known. */
    enum Level { Unknown = 0, Common = 1, Known = 2, Rare = 3, Absent = 4 };

    /** Environment variable naming the folder of the lists instead of /usr/share/dict. */
    static constexpr const char* FolderVariable = "QUORVEX_WORDLIST_DIR";

    /**
     * Reads the small, medium and large lists of American (or British) English from the folder
     * (the usual one when empty). Without any list every word is Unknown and nothing is ranked by it.
     */
    static WordFamiliarity Load(bool british, const QString& folder = QString());

    /** Whether any list was read. */
    bool IsLoaded() const { return !m_levels.isEmpty(); }
    /**
     * The level of a word in any case; a phrase takes its least familiar word's level, one worse
     * when any of its words is not Common ("fair weather" is Known, "weather vane" Rare).
     */
    Level Of(const QString& word) const;

private:
    /** Lower-case word (UTF-8) -> the smallest list holding it. */
    QHash<QByteArray, quint8> m_levels;
};
