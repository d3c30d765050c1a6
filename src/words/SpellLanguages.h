#pragma once
// The spelling languages and thesauri, where their files are, and which of them this machine has.

#include <QString>
#include <QStringList>
#include <array>

struct Settings;

/** One spelling language: menu caption, dictionary, user list file names and name in messages. */
struct SpellLanguage {
    int Code;                 ///< 1..8, the value of the "Dictionary" setting
    const char* Caption;      ///< menu and chooser caption, e.g. "&American"
    const char* Dictionary;   ///< Hunspell dictionary base name, e.g. "en_US"
    const char* ExclusionList; ///< plain word file of refused words in the program directory
    const char* InclusionList; ///< plain word file of accepted words in the program directory
    const char* Name;         ///< name in messages, e.g. "American"
};

namespace Spelling {

/** Spelling language codes 1..8; 0 is none and 9 choose at spell-check time. */
constexpr int FirstLanguage = 1;
constexpr int LastLanguage = 8;
constexpr int NoLanguage = 0;
constexpr int ChooseLanguage = 9;
/** Thesaurus codes: 0 none, 1 American, 2 British, 3 choose at use time. */
constexpr int NoThesaurus = 0;
constexpr int AmericanThesaurus = 1;
constexpr int BritishThesaurus = 2;
constexpr int ChooseThesaurus = 3;

/** The language with a code 1..8; any other code gives American. */
const SpellLanguage& Language(int code);

/** Menu and chooser caption of thesaurus 1 or 2. */
QString ThesaurusCaption(int code);

/**
 * The folders searched after the program directory for Hunspell dictionaries and MyThes
 * thesauri: those of the environment variable QUORVEX_DICTIONARY_DIRS (separated by ":") when it
 * is set, else the system's own folders.
 */
QStringList SystemDictionaryDirs();

} // namespace Spelling

/** The two files of a Hunspell dictionary or of a MyThes thesaurus; empty when not found. */
struct DictionaryFiles {
    QString Affix;  ///< .aff (dictionary) or .idx (thesaurus)
    QString Words;  ///< .dic (dictionary) or .dat (thesaurus)
    bool found() const { return !Affix.isEmpty() && !Words.isEmpty(); }
};

/**
 * What the spelling commands work with for a whole run of the program: the dictionary and
 * thesaurus files found at start-up, and the language whose inclusion and exclusion lists are in
 * use (fixed at start-up; a later language change does not move the lists).
 */
struct SpellingSetup {
    /** Folder of the inclusion and exclusion lists. */
    QString ProgramDir;
    /** Dictionary of each language 1..8 (slot 0 unused). */
    std::array<DictionaryFiles, Spelling::LastLanguage + 1> Dictionaries;
    /** Thesaurus 1 (American) and 2 (British) (slot 0 unused). */
    std::array<DictionaryFiles, 3> Thesauri;
    /** Language 1..8 whose user lists are in use. */
    int UserListLanguage = 1;

    bool LanguageAvailable(int code) const;
    bool ThesaurusAvailable(int code) const;
    bool AnyLanguage() const;
    bool AnyThesaurus() const;
    /** Full path of the inclusion list in use. */
    QString InclusionListPath() const;
    /** Full path of the exclusion list in use. */
    QString ExclusionListPath() const;

    /**
     * Looks for every language's dictionary and both thesauri: the program directory first, then
     * the given folders in order. User lists are those of American until the fallbacks fix them.
     */
    static SpellingSetup Find(const QString& programDir, const QStringList& systemDirs = Spelling::SystemDictionaryDirs());
};

/**
 * The start-up rules: a spelling language that is not available falls back to American and
 * American, when not available, to none; British thesaurus to American and American to none.
 * Then the user lists are fixed from the language in force (choose-at-check-time and none count
 * as American).
 */
void ApplySpellingFallbacks(Settings& settings, SpellingSetup& setup);
