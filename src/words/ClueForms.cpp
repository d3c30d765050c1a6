#include "words/ClueForms.h"

#include "words/LexicalSource.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>

namespace {

bool isVowel(QChar c)
{
    return QStringLiteral("aeiou").contains(c);
}

/** A short word ending consonant-vowel-consonant doubles its last letter before an ending ("big", "bigger"). */
bool doublesLast(const QString& word)
{
    if (word.size() < 3 || word.size() > 4)
        return false;
    const QChar last = word.back();
    if (isVowel(last) || QStringLiteral("wxy").contains(last) || !isVowel(word[word.size() - 2]) || isVowel(word[word.size() - 3]))
        return false;
    int vowelGroups = 0;
    for (qsizetype i = 0; i < word.size(); ++i)
        vowelGroups += isVowel(word[i]) && (i == 0 || !isVowel(word[i - 1])) ? 1 : 0;
    return vowelGroups == 1;
}

bool endsInConsonantY(const QString& word)
{
    return word.size() > 1 && word.back() == QLatin1Char('y') && !isVowel(word[word.size() - 2]);
}

bool sibilant(const QString& word)
{
    for (const char* ending : {"s", "x", "z", "ch", "sh"})
        if (word.endsWith(QLatin1String(ending)))
            return true;
    return false;
}

QString plural(const QString& word)
{
    static const QHash<QString, QString> irregular{
        {QStringLiteral("person"), QStringLiteral("people")}, {QStringLiteral("child"), QStringLiteral("children")},
        {QStringLiteral("foot"), QStringLiteral("feet")},     {QStringLiteral("tooth"), QStringLiteral("teeth")},
        {QStringLiteral("mouse"), QStringLiteral("mice")},    {QStringLiteral("goose"), QStringLiteral("geese")},
        {QStringLiteral("ox"), QStringLiteral("oxen")},       {QStringLiteral("leaf"), QStringLiteral("leaves")},
        {QStringLiteral("knife"), QStringLiteral("knives")},  {QStringLiteral("life"), QStringLiteral("lives")},
        {QStringLiteral("wife"), QStringLiteral("wives")},    {QStringLiteral("half"), QStringLiteral("halves")},
        {QStringLiteral("wolf"), QStringLiteral("wolves")},   {QStringLiteral("calf"), QStringLiteral("calves")},
        {QStringLiteral("sheep"), QStringLiteral("sheep")},   {QStringLiteral("fish"), QStringLiteral("fish")},
        {QStringLiteral("deer"), QStringLiteral("deer")},     {QStringLiteral("woman"), QStringLiteral("women")},
        {QStringLiteral("man"), QStringLiteral("men")},
    };
    if (const auto found = irregular.constFind(word); found != irregular.constEnd())
        return *found;
    if (word.endsWith(QLatin1String("man")) && !word.endsWith(QLatin1String("human")))
        return word.chopped(3) + QStringLiteral("men");
    if (sibilant(word))
        return word + QStringLiteral("es");
    if (endsInConsonantY(word))
        return word.chopped(1) + QStringLiteral("ies");
    return word + QLatin1Char('s');
}

/** The irregular past of a verb: of its listed forms, not a participle in -n ("went", not "gone"). */
QString irregularPast(const LexicalSource& source, const QString& verb)
{
    QStringList forms = source.IrregularForms(verb);
    forms.sort();
    for (const QString& form : forms)
        if (!form.endsWith(QLatin1Char('n')) && !form.endsWith(QLatin1String("ne")) && !form.contains(QLatin1Char(' ')))
            return form;
    return {};
}

QString verbForm(const LexicalSource& source, const QString& verb, ClueForms::Form form)
{
    static const QHash<QString, QStringList> irregular{// past, third person
        {QStringLiteral("be"), {QStringLiteral("was"), QStringLiteral("is")}},
        {QStringLiteral("have"), {QStringLiteral("had"), QStringLiteral("has")}},
        {QStringLiteral("do"), {QStringLiteral("did"), QStringLiteral("does")}},
        {QStringLiteral("go"), {QStringLiteral("went"), QStringLiteral("goes")}}};
    const auto known = irregular.constFind(verb);
    switch (form) {
    case ClueForms::Past: {
        if (known != irregular.constEnd())
            return known->at(0);
        if (const QString past = irregularPast(source, verb); !past.isEmpty())
            return past;
        if (verb.endsWith(QLatin1Char('e')))
            return verb + QLatin1Char('d');
        if (endsInConsonantY(verb))
            return verb.chopped(1) + QStringLiteral("ied");
        return doublesLast(verb) ? verb + verb.back() + QStringLiteral("ed") : verb + QStringLiteral("ed");
    }
    case ClueForms::ThirdPerson:
        if (known != irregular.constEnd())
            return known->at(1);
        if (sibilant(verb) || verb.endsWith(QLatin1Char('o')))
            return verb + QStringLiteral("es");
        return endsInConsonantY(verb) ? verb.chopped(1) + QStringLiteral("ies") : verb + QLatin1Char('s');
    case ClueForms::Participle:
        if (verb.endsWith(QLatin1String("ie")))
            return verb.chopped(2) + QStringLiteral("ying");
        if (verb.endsWith(QLatin1Char('e')) && verb.size() > 2 && !verb.endsWith(QLatin1String("ee")))
            return verb.chopped(1) + QStringLiteral("ing");
        return doublesLast(verb) ? verb + verb.back() + QStringLiteral("ing") : verb + QStringLiteral("ing");
    default:
        return verb;
    }
}

QString adjectiveForm(const LexicalSource& source, const QString& adjective, ClueForms::Form form)
{
    const bool comparative = form == ClueForms::Comparative;
    for (const QString& listed : source.IrregularForms(adjective))
        if (listed.endsWith(comparative ? QLatin1String("er") : QLatin1String("st")))
            return listed;
    if (adjective.size() > 7 || adjective.contains(QLatin1Char(' ')))
        return (comparative ? QStringLiteral("more ") : QStringLiteral("most ")) + adjective;
    const QString ending = comparative ? QStringLiteral("er") : QStringLiteral("est");
    if (adjective.endsWith(QLatin1Char('e')))
        return adjective + ending.mid(1);
    if (endsInConsonantY(adjective))
        return adjective.chopped(1) + QLatin1Char('i') + ending;
    return doublesLast(adjective) ? adjective + adjective.back() + ending : adjective + ending;
}

/** Words that end the head of a noun phrase: "person" in "a young person of either sex". */
bool endsHead(const QString& token)
{
    static const QStringList words{
        QStringLiteral("of"), QStringLiteral("that"), QStringLiteral("which"), QStringLiteral("who"), QStringLiteral("whose"),
        QStringLiteral("with"), QStringLiteral("without"), QStringLiteral("in"), QStringLiteral("on"), QStringLiteral("at"),
        QStringLiteral("for"), QStringLiteral("from"), QStringLiteral("by"), QStringLiteral("to"), QStringLiteral("used"),
        QStringLiteral("having"), QStringLiteral("consisting"), QStringLiteral("containing"), QStringLiteral("especially"),
        QStringLiteral("usually"), QStringLiteral("typically"), QStringLiteral("resembling"), QStringLiteral("made"),
        QStringLiteral("as"), QStringLiteral("or"), QStringLiteral("and"), QStringLiteral("between"), QStringLiteral("into"),
        QStringLiteral("where"), QStringLiteral("when"), QStringLiteral("like"), QStringLiteral("than")};
    return words.contains(token);
}

QString pluralDefinition(const QString& definition)
{
    static const QRegularExpression anyOf(QStringLiteral("^any of (the )?(numerous|various|several|many|a number of )?\\s*"));
    if (const QRegularExpressionMatch match = anyOf.match(definition); match.hasMatch())
        return definition.mid(match.capturedLength());
    qsizetype start = 0;
    for (const char* article : {"a ", "an ", "the "})
        if (definition.startsWith(QLatin1String(article)))
            start = qsizetype(qstrlen(article));
    if (start == 0)
        return definition; // already plural ("hard bonelike structures") or a mass noun
    // The head is the last word before the first word or mark that ends the phrase.
    qsizetype end = start;
    qsizetype headStart = start;
    while (end < definition.size()) {
        qsizetype next = end;
        while (next < definition.size() && definition[next].isLetter())
            ++next;
        const QString token = definition.mid(end, next - end);
        if (next == end || (end > start && endsHead(token)))
            break;
        headStart = end;
        end = next;
        if (end < definition.size() && definition[end] == QLatin1Char(' '))
            ++end;
        else
            break;
    }
    qsizetype headEnd = headStart;
    while (headEnd < definition.size() && definition[headEnd].isLetter())
        ++headEnd;
    const QString head = definition.mid(headStart, headEnd - headStart);
    if (head.isEmpty())
        return definition.mid(start);
    return definition.mid(start, headStart - start) + plural(head) + definition.mid(headEnd);
}

QString verbDefinition(const LexicalSource& source, const QString& definition, ClueForms::Form form)
{
    QStringList tokens = definition.split(QLatin1Char(' '));
    if (tokens.isEmpty() || tokens.first().startsWith(QLatin1Char('(')))
        return {};
    const auto inflect = [&](qsizetype i) {
        QString& token = tokens[i];
        qsizetype letters = 0;
        while (letters < token.size() && token[letters].isLetter())
            ++letters;
        token = verbForm(source, token.left(letters), form) + token.mid(letters);
    };
    inflect(0);
    // "move or travel", "stop, halt": the verbs joined to the first.
    if (tokens.size() > 2 && (tokens[1] == QLatin1String("or") || tokens[1] == QLatin1String("and")))
        inflect(2);
    else if (tokens.size() > 1 && tokens[0].endsWith(QLatin1Char(',')))
        inflect(1);
    return tokens.join(QLatin1Char(' '));
}

} // namespace

namespace ClueForms {

Form FormOf(const QString& answer, const QString& lemma, const QString& partOfSpeech)
{
    const QString word = answer.toLower().simplified();
    const QString base = lemma.toLower().simplified();
    if (base.isEmpty() || word == base)
        return Base;
    if (partOfSpeech == QLatin1String("noun"))
        return Plural;
    if (partOfSpeech == QLatin1String("verb")) {
        if (word.endsWith(QLatin1String("ing")))
            return Participle;
        if (word == base + QLatin1Char('s') || word == base + QStringLiteral("es")
            || (endsInConsonantY(base) && word == base.chopped(1) + QStringLiteral("ies")))
            return ThirdPerson;
        return Past;
    }
    if (partOfSpeech == QLatin1String("adjective") || partOfSpeech == QLatin1String("adverb"))
        return word.endsWith(QLatin1String("st")) ? Superlative : Comparative;
    return Base;
}

QString Inflect(const LexicalSource& source, const QString& phrase, Form form)
{
    if (form == Base || phrase.isEmpty())
        return phrase;
    if (form == Plural) {
        const qsizetype space = phrase.lastIndexOf(QLatin1Char(' '));
        return phrase.left(space + 1) + plural(phrase.mid(space + 1));
    }
    if (form == Comparative || form == Superlative)
        return adjectiveForm(source, phrase, form);
    const qsizetype space = phrase.indexOf(QLatin1Char(' '));
    const QString verb = space < 0 ? phrase : phrase.left(space);
    return verbForm(source, verb, form) + (space < 0 ? QString() : phrase.mid(space));
}

QString Definition(const LexicalSource& source, const QString& definition, Form form)
{
    switch (form) {
    case Base:
        return definition;
    case Plural:
        return pluralDefinition(definition);
    case Past:
    case ThirdPerson:
    case Participle:
        return verbDefinition(source, definition, form);
    default:
        return {};
    }
}

} // namespace ClueForms
