#include "words/Lexicon.h"

#include "store/Settings.h"
#include "words/SpellLanguages.h"
#include "words/WordNetDatabase.h"

namespace {

/** The spelling language codes of American and British English. */
constexpr int American = 1;
constexpr int British = 2;

} // namespace

namespace Lexicon {

int LanguageOf(const Settings& settings)
{
    return settings.Dictionary == Spelling::ChooseLanguage ? settings.UserDictionary : settings.Dictionary;
}

bool IsEnglish(int language)
{
    return language == American || language == British;
}

QString Unavailable(const QString& programDir, int language)
{
    if (!IsEnglish(language))
        return QStringLiteral("Clues and theme words are drafted in English only.  "
                              "Choose American or British as the spelling language.");
    if (WordNetDatabase::Find(programDir).isEmpty())
        return QStringLiteral("The WordNet database is not installed.  "
                              "Install the package wordnet-base to draft clues and theme words.");
    return {};
}

std::unique_ptr<LexicalSource> Open(const QString& programDir, int language)
{
    if (!Unavailable(programDir, language).isEmpty())
        return nullptr;
    return WordNetDatabase::Open(WordNetDatabase::Find(programDir), language == British);
}

} // namespace Lexicon
