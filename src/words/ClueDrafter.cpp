#include "words/ClueDrafter.h"

#include "store/Ansi.h"
#include "store/Limits.h"
#include "words/ClueForms.h"
#include "words/WordFamiliarity.h"

#include <QSet>
#include <algorithm>

namespace {

/** The words of a text: runs of letters, lower case. */
QStringList wordsOf(const QString& text)
{
    QStringList words;
    QString word;
    for (const QChar c : text) {
        if (c.isLetter()) {
            word.append(c.toLower());
        } else if (!word.isEmpty()) {
            words.append(word);
            word.clear();
        }
    }
    if (!word.isEmpty())
        words.append(word);
    return words;
}

/** What an answer word's forms begin with: "cherr" for cherry, "bak" for bake. */
QString stemOf(const QString& word)
{
    if (word.size() >= 4 && (word.endsWith(QLatin1Char('y')) || word.endsWith(QLatin1Char('e'))))
        return word.chopped(1);
    return word;
}

/** True when one letter added, dropped or changed turns a into b ("citrous" and "citrus"). */
bool oneEditApart(const QString& a, const QString& b)
{
    const QString& shorter = a.size() <= b.size() ? a : b;
    const QString& longer = a.size() <= b.size() ? b : a;
    if (longer.size() - shorter.size() > 1)
        return false;
    qsizetype i = 0;
    while (i < shorter.size() && shorter[i] == longer[i])
        ++i;
    const qsizetype skip = shorter.size() == longer.size() ? 1 : 0;
    return QStringView(shorter).mid(i + skip) == QStringView(longer).mid(i + 1);
}

bool fitsWindows1252(const QString& text)
{
    for (const char32_t c : text.toUcs4())
        if (!Ansi::encode(c))
            return false;
    return true;
}

QString capitalized(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

/** Up to two words in the answer's form joined by " or ", leaving out those that give the answer away. */
QString twoOf(const LexicalSource& source, const QStringList& words, const QString& answer, const QStringList& forms,
              ClueForms::Form form)
{
    QStringList kept;
    for (const QString& word : words) {
        if (kept.size() == 2)
            break;
        const QString shown = ClueForms::Inflect(source, word, form);
        // Only words a pupil knows help: "Oculus or optic" does not.
        if (source.Familiarity(word) > WordFamiliarity::Known)
            continue;
        if (!ClueDrafter::GivesAway(shown, answer, forms) && !kept.contains(shown, Qt::CaseInsensitive))
            kept.append(shown);
    }
    return kept.join(QStringLiteral(" or "));
}

/** Short words that begin or end many answers without giving them away ("the" in THEATER). */
bool functionWord(const QString& token)
{
    static const QStringList words{
        QStringLiteral("the"), QStringLiteral("and"), QStringLiteral("for"), QStringLiteral("any"), QStringLiteral("one"),
        QStringLiteral("its"), QStringLiteral("who"), QStringLiteral("that"), QStringLiteral("with"), QStringLiteral("from"),
        QStringLiteral("not"), QStringLiteral("are"), QStringLiteral("was"), QStringLiteral("his"), QStringLiteral("her"),
        QStringLiteral("has"), QStringLiteral("had"), QStringLiteral("all"), QStringLiteral("use"), QStringLiteral("can"),
        QStringLiteral("out"), QStringLiteral("off"), QStringLiteral("own"), QStringLiteral("than"), QStringLiteral("into"),
        QStringLiteral("over"), QStringLiteral("such"), QStringLiteral("each")};
    return words.contains(token);
}

qsizetype commonPrefix(const QString& a, const QString& b)
{
    qsizetype n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n])
        ++n;
    return n;
}

/** Whether two words end in the same part of three letters or more that is not a common ending. */
bool sharedPart(const QString& a, const QString& b)
{
    static const QStringList endings{QStringLiteral("ing"), QStringLiteral("ion"), QStringLiteral("ers"), QStringLiteral("est"),
                                     QStringLiteral("ness"), QStringLiteral("ies"), QStringLiteral("ent"), QStringLiteral("ant"),
                                     QStringLiteral("ous"), QStringLiteral("ful"), QStringLiteral("ity"), QStringLiteral("ism"),
                                     QStringLiteral("ist"), QStringLiteral("ate"), QStringLiteral("ary"), QStringLiteral("ery"),
                                     QStringLiteral("ory"), QStringLiteral("ive"), QStringLiteral("ble"), QStringLiteral("ish"),
                                     QStringLiteral("ure"), QStringLiteral("ted"), QStringLiteral("ence"), QStringLiteral("ance"),
                                     QStringLiteral("less"), QStringLiteral("ment"), QStringLiteral("ian"), QStringLiteral("ally"),
                                     QStringLiteral("er"), QStringLiteral("ed"), QStringLiteral("es"), QStringLiteral("ly")};
    qsizetype n = 0;
    while (n < a.size() && n < b.size() && a[a.size() - 1 - n] == b[b.size() - 1 - n])
        ++n;
    if (n < 3 || n == a.size() || n == b.size())
        return false; // a whole word is the other rule's case
    const QString part = a.right(n);
    return std::none_of(endings.cbegin(), endings.cend(), [&](const QString& e) { return part.size() <= e.size() + 1 && part.endsWith(e); });
}

/** Whether the brackets of a text are all closed. */
bool balanced(QStringView text)
{
    int depth = 0;
    for (const QChar c : text) {
        depth += c == QLatin1Char('(') ? 1 : c == QLatin1Char(')') ? -1 : 0;
        if (depth < 0)
            return false;
    }
    return depth == 0;
}

/** The text before the first of the marks that stands outside brackets, or the whole text. */
QString beforeFirst(const QString& text, QChar mark)
{
    int depth = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        depth += text[i] == QLatin1Char('(') ? 1 : text[i] == QLatin1Char(')') ? -1 : 0;
        if (depth == 0 && text[i] == mark)
            return text.left(i).trimmed();
    }
    return text;
}

/** A long definition's first clause: up to ";" and, when that is still long, up to "," if it keeps three words. */
QString firstClause(const QString& definition)
{
    if (definition.size() < ClueDrafter::ShortClue)
        return definition;
    const QString clause = beforeFirst(definition, QLatin1Char(';'));
    if (clause.size() < ClueDrafter::ShortClue)
        return clause;
    const QString part = beforeFirst(clause, QLatin1Char(','));
    return part.count(QLatin1Char(' ')) >= 2 ? part : clause;
}

/** Levels of broader meanings that tie the words of a list together ("planet" above JUPITER's "gas giant"). */
constexpr int ContextLevels = 3;
/** Levels searched for the topic above a word's meaning. */
constexpr int TopicLevels = 8;

/**
 * The meaning of a word that fits its list: the first below the list's topic; else the one below
 * the broader meaning that most answers share, when at least three answers and a third of the
 * list share it (nearer broader meanings win ties). -1 when none fits better than the most common.
 */
qsizetype fittingSense(const LexicalSource& source, const QList<LexicalSense>& senses, const ClueDrafter::ListContext& context)
{
    if (!context.TopicSenseId.isEmpty()) {
        for (qsizetype i = 0; i < senses.size(); ++i)
            if (senses[i].Id == context.TopicSenseId || source.Ancestors(senses[i].Id, TopicLevels).contains(context.TopicSenseId))
                return i;
        return -1;
    }
    const int needed = std::max<int>(3, int((context.Answers.size() + 2) / 3));
    qsizetype best = -1;
    std::pair<int, int> bestScore{needed - 1, 0}; // answers below, minus the level
    for (qsizetype i = 0; i < senses.size(); ++i) {
        const QHash<QString, int> ancestors = source.Ancestors(senses[i].Id, ContextLevels);
        for (auto it = ancestors.cbegin(); it != ancestors.cend(); ++it) {
            const std::pair<int, int> score{context.Coverage.value(it.key()), -it.value()};
            if (score > bestScore) {
                bestScore = score;
                best = i;
            }
        }
    }
    return best;
}

} // namespace

namespace ClueDrafter {

QString Shorten(const QString& text)
{
    QString clue = text.trimmed();
    if (clue.size() <= Limits::ClueLength && balanced(clue))
        return clue;
    // The last clause boundary that leaves a whole clause within the limit.
    for (qsizetype at = std::min<qsizetype>(clue.size(), Limits::ClueLength); at > 0; --at) {
        const QChar c = clue[at];
        const bool boundary = c == QLatin1Char(';') || c == QLatin1Char(',')
            || (c == QLatin1Char('(') && clue[at - 1] == QLatin1Char(' '));
        if (at < clue.size() && boundary && balanced(QStringView(clue).left(at)))
            return clue.left(at).trimmed();
    }
    return {};
}

bool GivesAway(const QString& clue, const QString& answer, const QStringList& irregularForms)
{
    const QStringList answerWords = wordsOf(answer);
    const QStringList clueWords = wordsOf(clue);
    if (answerWords.size() > 1) {
        // "ice-cream" or "icecream" for ICE CREAM.
        if (clueWords.join(QString()).contains(answerWords.join(QString())))
            return true;
    }
    QStringList forms;
    for (const QString& form : irregularForms)
        forms += wordsOf(form);
    for (const QString& token : clueWords) {
        if (forms.contains(token))
            return true;
        for (const QString& word : answerWords) {
            const QString stem = stemOf(word);
            if (token == word)
                return true;
            if (word.size() >= 3 && (token.contains(word) || (stem.size() >= 3 && token.startsWith(stem))))
                return true;
            if (stem.size() >= 4 && token.contains(stem))
                return true;
            if (token.size() >= 4 && word.startsWith(token)) // "eucalypt" for EUCALYPTUS
                return true;
            // A part of a compound or the base of a derived word: "bee" for BUMBLEBEE, "big" for BIGGER.
            if (token.size() >= 3 && !functionWord(token)
                && (word.startsWith(token) || word.endsWith(token) || (token.size() >= 5 && word.contains(token))))
                return true;
            // A shared last part of two compounds: "ripsaw" for HANDSAW, "honeybee" for BUMBLEBEE.
            if (sharedPart(token, word))
                return true;
            // A shared stem: "fishes" for FISHING, "cooking" for COOKER, "stormy" for STORMINESS.
            const qsizetype shared = commonPrefix(token, word);
            if (shared >= 4 && shared >= std::min(token.size(), word.size()) - 3)
                return true;
            if (word.size() >= 5 && oneEditApart(token, word)) // another spelling: "citrous" for CITRUS
                return true;
        }
    }
    return false;
}

ListContext ListContext::Of(const LexicalSource& source, const QStringList& answers, const QString& topicSenseId)
{
    ListContext context;
    context.TopicSenseId = topicSenseId;
    context.Answers = answers;
    if (!topicSenseId.isEmpty())
        return context;
    QSet<QString> seen;
    for (const QString& answer : answers) {
        const QString folded = answer.simplified().toLower();
        if (folded.isEmpty() || seen.contains(folded))
            continue;
        seen.insert(folded);
        // Each answer counts once below each broader meaning near any of its meanings.
        QSet<QString> above;
        for (const QString& id : source.SenseIds(folded)) {
            const QHash<QString, int> ancestors = source.Ancestors(id, ContextLevels);
            for (auto it = ancestors.cbegin(); it != ancestors.cend(); ++it)
                above.insert(it.key());
        }
        for (const QString& id : above)
            ++context.Coverage[id];
    }
    return context;
}

QStringList FromSense(const LexicalSource& source, const LexicalSense& sense, const QString& answer,
                      const QStringList& irregularForms)
{
    QStringList drafts;
    const auto offer = [&](const QString& text) {
        const QString clue = Shorten(capitalized(text));
        if (!clue.isEmpty() && fitsWindows1252(clue) && !GivesAway(clue, answer, irregularForms)
            && !drafts.contains(clue, Qt::CaseInsensitive))
            drafts.append(clue);
    };
    const ClueForms::Form form = ClueForms::FormOf(answer, sense.Lemma, sense.PartOfSpeech);
    const QString definition = ClueForms::Definition(source, sense.Definition, form);
    if (!definition.isEmpty())
        offer(firstClause(definition));
    offer(twoOf(source, sense.Synonyms, answer, irregularForms, form));
    if (!definition.isEmpty())
        offer(definition);
    if (form == ClueForms::Base || form == ClueForms::Plural)
        if (const QString kinds = twoOf(source, sense.Kinds, answer, irregularForms, form); !kinds.isEmpty())
            offer(kinds + QStringLiteral(", e.g."));
    if (form == ClueForms::Past && source.IrregularForms(sense.Lemma).contains(answer.simplified(), Qt::CaseInsensitive))
        offer(QStringLiteral("Past tense of ") + sense.Lemma);
    const bool familiar = source.Familiarity(sense.Broader) <= WordFamiliarity::Known;
    if (!sense.Broader.isEmpty() && familiar && sense.PartOfSpeech == QLatin1String("noun"))
        offer((form == ClueForms::Plural ? QStringLiteral("Kinds of ") : QStringLiteral("Kind of ")) + sense.Broader);
    return drafts;
}

QStringList WithoutOtherAnswers(const QStringList& drafts, const QString& answer, const QStringList& answers)
{
    const QString self = answer.simplified().toLower();
    const auto givesOther = [&](const QString& draft) {
        return std::any_of(answers.cbegin(), answers.cend(), [&](const QString& other) {
            return other.simplified().toLower() != self && !other.trimmed().isEmpty() && GivesAway(draft, other);
        });
    };
    QStringList kept;
    for (const QString& draft : drafts)
        if (!givesOther(draft))
            kept.append(draft);
    return kept;
}

QStringList IrregularFormsOf(const LexicalSource& source, const QString& answer)
{
    QStringList forms;
    for (const QString& word : wordsOf(answer))
        forms += source.IrregularForms(word);
    return forms;
}

QStringList Draft(const LexicalSource& source, const QString& answer, int most, const ListContext& context)
{
    QStringList drafts;
    if (wordsOf(answer).isEmpty())
        return drafts;
    const QStringList forms = IrregularFormsOf(source, answer);
    QList<LexicalSense> senses = source.Senses(answer);
    if (const qsizetype fitting = fittingSense(source, senses, context); fitting > 0)
        senses.move(fitting, 0);
    for (const LexicalSense& sense : senses) {
        for (const QString& clue : WithoutOtherAnswers(FromSense(source, sense, answer, forms), answer, context.Answers)) {
            if (drafts.size() >= most)
                return drafts;
            if (!drafts.contains(clue, Qt::CaseInsensitive))
                drafts.append(clue);
        }
    }
    return drafts;
}

} // namespace ClueDrafter
