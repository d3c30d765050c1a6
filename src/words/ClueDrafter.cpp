#include "words/ClueDrafter.h"

#include "store/Ansi.h"
#include "store/Limits.h"

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

/** Up to two words joined by " or ", leaving out those that give the answer away. */
QString twoOf(const QStringList& words, const QString& answer, const QStringList& forms)
{
    QStringList kept;
    for (const QString& word : words) {
        if (kept.size() == 2)
            break;
        if (!ClueDrafter::GivesAway(word, answer, forms) && !kept.contains(word, Qt::CaseInsensitive))
            kept.append(word);
    }
    return kept.join(QStringLiteral(" or "));
}

} // namespace

namespace ClueDrafter {

QString Shorten(const QString& text)
{
    QString clue = text.trimmed();
    if (clue.size() <= Limits::ClueLength)
        return clue;
    // The cut falls on the last space that leaves at most the limit; one long word is cut hard.
    const qsizetype space = clue.lastIndexOf(QLatin1Char(' '), Limits::ClueLength);
    clue.truncate(space > 0 ? space : Limits::ClueLength);
    while (!clue.isEmpty() && !clue.back().isLetterOrNumber() && clue.back() != QLatin1Char(')'))
        clue.chop(1);
    return clue;
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
            if (word.size() >= 5 && oneEditApart(token, word)) // another spelling: "citrous" for CITRUS
                return true;
        }
    }
    return false;
}

QStringList FromSense(const LexicalSense& sense, const QString& answer, const QStringList& irregularForms)
{
    QStringList drafts;
    const auto offer = [&](const QString& text) {
        const QString clue = Shorten(capitalized(text));
        if (!clue.isEmpty() && fitsWindows1252(clue) && !GivesAway(clue, answer, irregularForms)
            && !drafts.contains(clue, Qt::CaseInsensitive))
            drafts.append(clue);
    };
    offer(sense.Definition);
    offer(twoOf(sense.Synonyms, answer, irregularForms));
    if (const QString kinds = twoOf(sense.Kinds, answer, irregularForms); !kinds.isEmpty())
        offer(kinds + QStringLiteral(", e.g."));
    if (!sense.Broader.isEmpty() && sense.PartOfSpeech == QLatin1String("noun"))
        offer(QStringLiteral("Kind of ") + sense.Broader);
    return drafts;
}

QStringList IrregularFormsOf(const LexicalSource& source, const QString& answer)
{
    QStringList forms;
    for (const QString& word : wordsOf(answer))
        forms += source.IrregularForms(word);
    return forms;
}

QStringList Draft(const LexicalSource& source, const QString& answer, int most)
{
    QStringList drafts;
    if (wordsOf(answer).isEmpty())
        return drafts;
    const QStringList forms = IrregularFormsOf(source, answer);
    for (const LexicalSense& sense : source.Senses(answer)) {
        for (const QString& clue : FromSense(sense, answer, forms)) {
            if (drafts.size() >= most)
                return drafts;
            if (!drafts.contains(clue, Qt::CaseInsensitive))
                drafts.append(clue);
        }
    }
    return drafts;
}

} // namespace ClueDrafter
