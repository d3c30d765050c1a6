#include "words/SpellLanguages.h"

#include "store/Settings.h"

#include <QDir>
#include <QFileInfo>

namespace {

const SpellLanguage Languages[] = {
    {1, "&American", "en_US", "ExcEngl.tlx", "IncEngl.tlx", "American"},
    {2, "&British", "en_GB", "ExcBrit.tlx", "IncBrit.tlx", "British"},
    {3, "&Spanish", "es_ES", "ExcSpan.tlx", "IncSpan.tlx", "Spanish"},
    {4, "&Italian", "it_IT", "ExcItal.tlx", "IncItal.tlx", "Italian"},
    {5, "&French", "fr_FR", "ExcFrnch.tlx", "IncFrnch.tlx", "French"},
    {6, "&German", "de_DE", "ExcGerm.tlx", "IncGerm.tlx", "German"},
    {7, "&Dutch", "nl_NL", "ExcDutch.tlx", "IncDutch.tlx", "Dutch"},
    {8, "S&wedish", "sv_SE", "ExcSwed.tlx", "IncSwed.tlx", "Swedish"},
};

/**
 * Thesaurus base names, best first. Debian's mythes-en-us installs th_en_US_v2; there is no
 * British-English thesaurus packaged, so British takes the Australian one unless a British one is
 * put beside the program.
 */
const QStringList AmericanThesaurusNames{QStringLiteral("th_en_US_v2"), QStringLiteral("th_en_US_new"),
                                         QStringLiteral("th_en_US")};
const QStringList BritishThesaurusNames{QStringLiteral("th_en_GB_v2"), QStringLiteral("th_en_GB"),
                                        QStringLiteral("th_en_AU_v2"), QStringLiteral("th_en_AU")};

DictionaryFiles findPair(const QStringList& dirs, const QStringList& baseNames, const QString& first,
                         const QString& second)
{
    for (const QString& dir : dirs) {
        if (dir.isEmpty())
            continue;
        for (const QString& base : baseNames) {
            const QString a = QDir(dir).filePath(base + first);
            const QString b = QDir(dir).filePath(base + second);
            if (QFileInfo(a).isFile() && QFileInfo(b).isFile())
                return {a, b};
        }
    }
    return {};
}

} // namespace

const SpellLanguage& Spelling::Language(int code)
{
    if (code < FirstLanguage || code > LastLanguage)
        code = FirstLanguage;
    return Languages[code - 1];
}

QString Spelling::ThesaurusCaption(int code)
{
    return code == BritishThesaurus ? QStringLiteral("&British") : QStringLiteral("&American");
}

QStringList Spelling::SystemDictionaryDirs()
{
    const QString chosen = qEnvironmentVariable("QUORVEX_DICTIONARY_DIRS");
    if (!chosen.isEmpty())
        return chosen.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return {QStringLiteral("/usr/share/hunspell"), QStringLiteral("/usr/share/myspell"),
            QStringLiteral("/usr/share/myspell/dicts"), QStringLiteral("/usr/share/mythes"),
            QStringLiteral("/usr/local/share/hunspell"), QStringLiteral("/usr/local/share/mythes")};
}

bool SpellingSetup::LanguageAvailable(int code) const
{
    return code >= Spelling::FirstLanguage && code <= Spelling::LastLanguage && Dictionaries[std::size_t(code)].found();
}

bool SpellingSetup::ThesaurusAvailable(int code) const
{
    return (code == Spelling::AmericanThesaurus || code == Spelling::BritishThesaurus) &&
           Thesauri[std::size_t(code)].found();
}

bool SpellingSetup::AnyLanguage() const
{
    for (int code = Spelling::FirstLanguage; code <= Spelling::LastLanguage; ++code)
        if (LanguageAvailable(code))
            return true;
    return false;
}

bool SpellingSetup::AnyThesaurus() const
{
    return ThesaurusAvailable(Spelling::AmericanThesaurus) || ThesaurusAvailable(Spelling::BritishThesaurus);
}

QString SpellingSetup::InclusionListPath() const
{
    return QDir(ProgramDir).filePath(QLatin1String(Spelling::Language(UserListLanguage).InclusionList));
}

QString SpellingSetup::ExclusionListPath() const
{
    return QDir(ProgramDir).filePath(QLatin1String(Spelling::Language(UserListLanguage).ExclusionList));
}

SpellingSetup SpellingSetup::Find(const QString& programDir, const QStringList& systemDirs)
{
    SpellingSetup setup;
    setup.ProgramDir = programDir;
    const QStringList dirs = QStringList{programDir} + systemDirs;
    for (int code = Spelling::FirstLanguage; code <= Spelling::LastLanguage; ++code) {
        const QString base = QLatin1String(Spelling::Language(code).Dictionary);
        setup.Dictionaries[std::size_t(code)] = findPair(dirs, {base}, QStringLiteral(".aff"), QStringLiteral(".dic"));
    }
    setup.Thesauri[Spelling::AmericanThesaurus] =
        findPair(dirs, AmericanThesaurusNames, QStringLiteral(".idx"), QStringLiteral(".dat"));
    setup.Thesauri[Spelling::BritishThesaurus] =
        findPair(dirs, BritishThesaurusNames, QStringLiteral(".idx"), QStringLiteral(".dat"));
    return setup;
}

void ApplySpellingFallbacks(Settings& settings, SpellingSetup& setup)
{
    if (settings.Dictionary != Spelling::ChooseLanguage && !setup.LanguageAvailable(settings.Dictionary)) {
        settings.Dictionary = Spelling::FirstLanguage;
        if (!setup.LanguageAvailable(settings.Dictionary))
            settings.Dictionary = Spelling::NoLanguage;
    }
    if (settings.Thesaurus != Spelling::ChooseThesaurus && !setup.ThesaurusAvailable(settings.Thesaurus)) {
        settings.Thesaurus = Spelling::AmericanThesaurus;
        if (!setup.ThesaurusAvailable(settings.Thesaurus))
            settings.Thesaurus = Spelling::NoThesaurus;
    }
    const bool oneLanguage = settings.Dictionary >= Spelling::FirstLanguage && settings.Dictionary <= Spelling::LastLanguage;
    setup.UserListLanguage = oneLanguage ? settings.Dictionary : Spelling::FirstLanguage;
}
