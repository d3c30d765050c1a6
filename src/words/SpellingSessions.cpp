#include "words/SpellingSessions.h"

#include "words/SpellChecker.h"
#include "words/Thesaurus.h"
#include "words/UserWordList.h"

SpellingSessions::SpellingSessions() = default;
SpellingSessions::~SpellingSessions() = default;

SpellChecker* SpellingSessions::CheckerFor(const SpellingSetup& setup, int language)
{
    if (!setup.LanguageAvailable(language))
        return nullptr;
    KeptChecker& open = m_checkers[std::size_t(language)];
    const QString inclusionPath = setup.InclusionListPath();
    const QString exclusionPath = setup.ExclusionListPath();
    const QStringList inclusion = UserWordList::Read(inclusionPath);
    const QStringList exclusion = UserWordList::Read(exclusionPath);
    const DictionaryFiles& dictionary = setup.Dictionaries[std::size_t(language)];
    const bool sameFiles = open.inclusionPath == inclusionPath && open.exclusionPath == exclusionPath
        && open.dictionary.Affix == dictionary.Affix && open.dictionary.Words == dictionary.Words;
    if (open.checker && sameFiles && exclusion == open.exclusion && inclusion.mid(0, open.inclusion.size()) == open.inclusion) {
        // Words added at the end ("Add to Dictionary") join the open session.
        for (qsizetype i = open.inclusion.size(); i < inclusion.size(); ++i)
            open.checker->Allow(inclusion[i]);
        open.inclusion = inclusion;
        return open.checker.get();
    }
    open.checker = SpellChecker::Open(dictionary, inclusion, exclusion);
    open.dictionary = dictionary;
    open.inclusionPath = inclusionPath;
    open.exclusionPath = exclusionPath;
    open.inclusion = inclusion;
    open.exclusion = exclusion;
    return open.checker.get();
}

Thesaurus* SpellingSessions::ThesaurusFor(const SpellingSetup& setup, int code)
{
    if (code != Spelling::AmericanThesaurus && code != Spelling::BritishThesaurus)
        return nullptr;
    KeptThesaurus& open = m_thesauri[std::size_t(code)];
    const DictionaryFiles& files = setup.Thesauri[std::size_t(code)];
    if (!open.thesaurus || open.files.Affix != files.Affix || open.files.Words != files.Words) {
        open.thesaurus = Thesaurus::Open(setup, code);
        open.files = files;
    }
    return open.thesaurus.get();
}
