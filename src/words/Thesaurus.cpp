#include "words/Thesaurus.h"

#include "words/SpellChecker.h"
#include "words/SpellLanguages.h"

#include <QFile>
#include <cstdio>
#include <mythes.hxx>

namespace {

/** Part of speech in the thesaurus, its category ending and its shown suffix. */
struct PartOfSpeech {
    const char* label;
    const char* ending;
    const char* suffix;
};
const PartOfSpeech PartsOfSpeech[] = {
    {"(noun)", ".n", " (noun)"},
    {"(verb)", ".v", " (verb)"},
    {"(adj)", ".adj", " (adjective)"},
    {"(adv)", ".adv", " (adverb)"},
};

/** Labels the thesaurus puts behind a term. */
const char* const SynonymLabels[] = {" (similar term)", " (related term)", " (generic term)"};
const QString AntonymLabel = QStringLiteral(" (antonym)");

QString endingOf(const QString& definition)
{
    for (const PartOfSpeech& pos : PartsOfSpeech)
        if (definition.startsWith(QLatin1String(pos.label)))
            return QLatin1String(pos.ending);
    return {};
}

void appendOnce(QStringList& list, const QString& text)
{
    if (!text.isEmpty() && FitsWindows1252(text) && !list.contains(text))
        list.append(text);
}

} // namespace

std::unique_ptr<Thesaurus> Thesaurus::Open(const DictionaryFiles& thesaurus, const DictionaryFiles& dictionary)
{
    if (!thesaurus.found() || !QFile::exists(thesaurus.Affix) || !QFile::exists(thesaurus.Words))
        return nullptr;
    std::unique_ptr<Thesaurus> session(new Thesaurus);
    session->m_thesaurus = std::make_unique<MyThes>(QFile::encodeName(thesaurus.Affix).constData(),
                                                    QFile::encodeName(thesaurus.Words).constData());
    const char* encoding = session->m_thesaurus->get_th_encoding();
    if (!encoding)
        return nullptr; // the index could not be read
    const QString name = QString::fromLatin1(encoding).toUpper();
    session->m_latin1 = name == QLatin1String("ISO8859-1") || name == QLatin1String("ISO-8859-1");
    session->m_speller = SpellChecker::Open(dictionary, QStringList{}, QStringList{});
    return session;
}

std::unique_ptr<Thesaurus> Thesaurus::Open(const SpellingSetup& setup, int code)
{
    if (!setup.ThesaurusAvailable(code))
        return nullptr;
    const int language = code == Spelling::BritishThesaurus ? 2 : 1;
    return Open(setup.Thesauri[std::size_t(code)], setup.Dictionaries[std::size_t(language)]);
}

Thesaurus::~Thesaurus() = default;

QList<Thesaurus::Meaning> Thesaurus::lookup(const QString& word) const
{
    const QByteArray key = m_latin1 ? word.toLatin1() : word.toUtf8();
    if (key.isEmpty() || key.size() >= MAX_WD_LEN)
        return {};
    mentry* entries = nullptr;
    const int count = m_thesaurus->Lookup(key.constData(), int(key.size()), &entries);
    auto decode = [this](const char* text) { return m_latin1 ? QString::fromLatin1(text) : QString::fromUtf8(text); };
    QList<Meaning> meanings;
    for (int i = 0; i < count; ++i) {
        const mentry& entry = entries[i];
        Meaning meaning;
        meaning.ending = endingOf(decode(entry.defn ? entry.defn : ""));
        for (int s = 0; s < entry.count; ++s) {
            QString term = decode(entry.psyns[s]);
            if (term.endsWith(AntonymLabel)) {
                term.chop(AntonymLabel.size());
                appendOnce(meaning.antonyms, term.trimmed() + meaning.ending);
                continue;
            }
            bool labelled = false;
            for (const char* label : SynonymLabels) {
                if (term.endsWith(QLatin1String(label))) {
                    term.chop(qsizetype(qstrlen(label)));
                    labelled = true;
                }
            }
            term = term.trimmed();
            if (!labelled && meaning.headword.isEmpty())
                meaning.headword = term;
            appendOnce(meaning.synonyms, term);
        }
        if (meaning.headword.isEmpty())
            meaning.headword = word;
        meanings.append(meaning);
    }
    if (entries)
        m_thesaurus->CleanUpAfterLookup(&entries, count);
    return meanings;
}

QList<Thesaurus::Meaning> Thesaurus::lookupAnyCase(const QString& word) const
{
    QList<Meaning> meanings = lookup(word);
    if (meanings.isEmpty() && word.toLower() != word)
        meanings = lookup(word.toLower());
    return meanings;
}

void Thesaurus::remember(const QString& category, const Meaning& meaning)
{
    QStringList& synonyms = m_synonyms[category];
    for (const QString& s : meaning.synonyms)
        appendOnce(synonyms, s);
    QStringList& antonyms = m_antonyms[category];
    for (const QString& a : meaning.antonyms)
        appendOnce(antonyms, a);
}

QStringList Thesaurus::Categories(const QString& word)
{
    QStringList names;
    for (const Meaning& meaning : lookupAnyCase(word.trimmed())) {
        const QString name = meaning.headword + meaning.ending;
        if (!FitsWindows1252(name))
            continue;
        if (!names.contains(name)) {
            names.append(name);
            // A new lookup starts the category afresh; its meanings from this word are merged.
            m_synonyms.remove(name);
            m_antonyms.remove(name);
        }
        remember(name, meaning);
    }
    return names;
}

QStringList Thesaurus::Antonyms(const QString& category)
{
    if (!m_antonyms.contains(category))
        Synonyms(category);
    return m_antonyms.value(category);
}

QStringList Thesaurus::Synonyms(const QString& category)
{
    if (m_synonyms.contains(category))
        return m_synonyms.value(category);
    // Not listed by a lookup: the headword's meanings of that part of speech, headword first.
    QString headword = category;
    QString ending;
    for (const PartOfSpeech& pos : PartsOfSpeech) {
        if (category.endsWith(QLatin1String(pos.ending))) {
            ending = QLatin1String(pos.ending);
            headword.chop(ending.size());
            break;
        }
    }
    Meaning merged;
    merged.synonyms.append(headword);
    for (const Meaning& meaning : lookupAnyCase(headword)) {
        if (meaning.ending != ending)
            continue;
        for (const QString& s : meaning.synonyms)
            appendOnce(merged.synonyms, s);
        for (const QString& a : meaning.antonyms)
            appendOnce(merged.antonyms, a);
    }
    remember(category, merged);
    return m_synonyms.value(category);
}

QStringList Thesaurus::Suggestions(const QString& word)
{
    QStringList out;
    if (!m_speller)
        return out;
    const QString trimmed = word.trimmed();
    QStringList candidates = m_speller->Stems(trimmed);
    candidates += m_speller->Suggestions(trimmed);
    for (const QString& candidate : candidates) {
        if (candidate.compare(trimmed, Qt::CaseInsensitive) == 0 || lookupAnyCase(candidate).isEmpty())
            continue;
        appendOnce(out, candidate);
    }
    return out;
}

QString Thesaurus::ShownName(const QString& category)
{
    for (const PartOfSpeech& pos : PartsOfSpeech) {
        const QLatin1String ending(pos.ending);
        if (category.endsWith(ending))
            return category.left(category.size() - ending.size()) + QLatin1String(pos.suffix);
    }
    return category;
}

QString Thesaurus::CategoryName(const QString& shown)
{
    for (const PartOfSpeech& pos : PartsOfSpeech) {
        const QLatin1String suffix(pos.suffix);
        if (shown.endsWith(suffix))
            return shown.left(shown.size() - suffix.size()) + QLatin1String(pos.ending);
    }
    return shown;
}
