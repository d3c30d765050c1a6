#include "words/SpellChecker.h"

#include "store/Ansi.h"
#include "words/SpellLanguages.h"
#include "words/UserWordList.h"

#include <QElapsedTimer>
#include <QFile>
#include <hunspell/hunspell.hxx>

namespace {

QStringList spaceParts(const QString& text)
{
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

bool FitsWindows1252(const QString& text)
{
    return Ansi::toUnicode(Ansi::fromUnicode(text)) == text;
}

std::unique_ptr<SpellChecker> SpellChecker::Open(const DictionaryFiles& dictionary, const QStringList& inclusion,
                                                 const QStringList& exclusion)
{
    if (!dictionary.found() || !QFile::exists(dictionary.Affix) || !QFile::exists(dictionary.Words))
        return nullptr;
    std::unique_ptr<SpellChecker> checker(new SpellChecker);
    checker->m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(dictionary.Affix).constData(),
                                                     QFile::encodeName(dictionary.Words).constData());
    const QString encoding = QString::fromStdString(checker->m_hunspell->get_dict_encoding()).toUpper();
    checker->m_latin1 = encoding == QLatin1String("ISO8859-1") || encoding == QLatin1String("ISO-8859-1");
    for (const QString& word : exclusion)
        checker->m_excluded.insert(word.toLower());
    for (const QString& word : inclusion)
        checker->Allow(word);
    return checker;
}

std::unique_ptr<SpellChecker> SpellChecker::Open(const SpellingSetup& setup, int language)
{
    if (!setup.LanguageAvailable(language))
        return nullptr;
    return Open(setup.Dictionaries[std::size_t(language)], UserWordList::Read(setup.InclusionListPath()),
                UserWordList::Read(setup.ExclusionListPath()));
}

SpellChecker::~SpellChecker() = default;

std::string SpellChecker::encode(const QString& text) const
{
    return m_latin1 ? text.toLatin1().toStdString() : text.toUtf8().toStdString();
}

QString SpellChecker::decode(const std::string& text) const
{
    return m_latin1 ? QString::fromLatin1(text.data(), qsizetype(text.size()))
                    : QString::fromUtf8(text.data(), qsizetype(text.size()));
}

bool SpellChecker::acceptsPart(const QString& part) const
{
    if (m_excluded.contains(part.toLower()))
        return false;
    if (m_latin1 && !FitsWindows1252(part))
        return false;
    return m_hunspell->spell(encode(part));
}

bool SpellChecker::Accepts(const QString& text) const
{
    const QStringList parts = spaceParts(text);
    for (const QString& part : parts)
        if (!acceptsPart(part))
            return false;
    return true;
}

QStringList SpellChecker::suggestPart(const QString& part) const
{
    QStringList out;
    if (SuggestionTimeUsedUp())
        return out;
    QElapsedTimer clock;
    clock.start();
    const std::vector<std::string> suggested = m_hunspell->suggest(encode(part));
    m_suggesting += clock.elapsed();
    for (const std::string& suggestion : suggested) {
        const QString text = decode(suggestion);
        if (!text.isEmpty() && FitsWindows1252(text) && !m_excluded.contains(text.toLower()) && !out.contains(text))
            out.append(text);
    }
    return out;
}

QStringList SpellChecker::Suggestions(const QString& text) const
{
    const auto kept = m_suggestions.constFind(text);
    if (kept != m_suggestions.constEnd())
        return *kept;
    return m_suggestions[text] = suggestWhole(text);
}

QStringList SpellChecker::suggestWhole(const QString& text) const
{
    // A text of several parts gets the suggestions for its first refused part, put in its place.
    const QStringList parts = spaceParts(text);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (acceptsPart(parts[i]))
            continue;
        if (parts.size() == 1)
            return suggestPart(parts[i]);
        QStringList whole;
        for (const QString& suggestion : suggestPart(parts[i])) {
            QStringList replaced = parts;
            replaced[i] = suggestion;
            whole.append(replaced.join(QLatin1Char(' ')));
        }
        return whole;
    }
    return {};
}

QStringList SpellChecker::Stems(const QString& word) const
{
    QStringList out;
    for (const std::string& stem : m_hunspell->stem(encode(word))) {
        const QString text = decode(stem);
        if (!text.isEmpty() && !out.contains(text))
            out.append(text);
    }
    return out;
}

void SpellChecker::Allow(const QString& word)
{
    // A word added in capitals (as crossword words are typed) is accepted in lower case too.
    m_suggestions.clear();
    for (const QString& part : spaceParts(word)) {
        m_excluded.remove(part.toLower());
        m_hunspell->add(encode(part));
        if (part == part.toUpper() && part != part.toLower())
            m_hunspell->add(encode(part.toLower()));
    }
}
