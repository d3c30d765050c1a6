#pragma once
// The spell checkers and thesauri of a run of the program, kept open between commands.

#include "words/SpellLanguages.h"

#include <QStringList>
#include <array>
#include <memory>

class SpellChecker;
class Thesaurus;

/**
 * Opens each language's spell checker and each thesaurus on first use and keeps it for the rest
 * of the run: loading a dictionary takes a few hundred milliseconds, a check of a whole word list
 * a few. Before a checker is handed out again, the user's inclusion and exclusion lists are read
 * afresh (they are small): words only added to the inclusion list are allowed in the open session,
 * any other change opens the checker anew, so an edited or shortened list counts at once. A setup
 * that names other dictionary or thesaurus files than the open ones opens them anew too.
 */
class SpellingSessions {
public:
    SpellingSessions();
    ~SpellingSessions();
    SpellingSessions(const SpellingSessions&) = delete;
    SpellingSessions& operator=(const SpellingSessions&) = delete;

    /** The checker of a language 1..8 with the setup's user lists; null when its dictionary is missing. */
    SpellChecker* CheckerFor(const SpellingSetup& setup, int language);
    /** Thesaurus 1 (American) or 2 (British); null when it is missing. */
    Thesaurus* ThesaurusFor(const SpellingSetup& setup, int code);

private:
    struct KeptChecker {
        std::unique_ptr<SpellChecker> checker;
        DictionaryFiles dictionary;
        QString inclusionPath;
        QString exclusionPath;
        QStringList inclusion;
        QStringList exclusion;
    };
    std::array<KeptChecker, Spelling::LastLanguage + 1> m_checkers;
    struct KeptThesaurus {
        std::unique_ptr<Thesaurus> thesaurus;
        DictionaryFiles files;
    };
    std::array<KeptThesaurus, 3> m_thesauri;
};
