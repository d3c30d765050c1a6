#include "words/ThemeWords.h"

#include "store/Limits.h"
#include "words/ClueDrafter.h"
#include "words/WordFamiliarity.h"

#include <QSet>
#include <algorithm>

namespace {

/** Letters of a word, or -1 when it holds anything but letters and single inner spaces. */
int letterCount(const QString& word)
{
    int letters = 0;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QChar c = word[i];
        if (c.isLetter() && c.unicode() < 256)
            ++letters;
        else if (c != QLatin1Char(' ') || i == 0 || i + 1 == word.size() || word[i - 1] == QLatin1Char(' '))
            return -1;
    }
    return letters;
}

/** A word and a compound of it, or two compounds of one word: "hound", "foxhound", "greyhound". */
bool nearDuplicate(const QString& word, const QString& kept)
{
    const QString a = word.toLower().remove(QLatin1Char(' '));
    const QString b = kept.toLower().remove(QLatin1Char(' '));
    const QString& shorter = a.size() <= b.size() ? a : b;
    const QString& longer = a.size() <= b.size() ? b : a;
    return shorter.size() >= 3 && (longer.startsWith(shorter) || longer.endsWith(shorter));
}

} // namespace

ThemeWords ThemeWords::Find(const LexicalSource& source, const ThemeRequest& request)
{
    ThemeWords theme;
    if (request.TopicSense.Id.isEmpty())
        return theme;
    QStringList topicWords = request.TopicSense.Synonyms;
    topicWords.append(request.Topic);
    const ClueDrafter::ListContext context{request.TopicSense.Id, {}, {}};
    QStringList kept;
    // One word of each meaning: its synonyms ("world", "globe" beside "Earth") would repeat its clue.
    QSet<QString> meanings;
    for (const ThemeCandidate& candidate : source.KindsAndMembers(request.TopicSense.Id, request.Classroom)) {
        if (meanings.contains(candidate.SenseId))
            continue;
        const int letters = letterCount(candidate.Word);
        if (letters < request.MinLength || letters > request.MaxLength || candidate.Word.size() > Limits::WordLength)
            continue;
        const bool topical = std::any_of(topicWords.cbegin(), topicWords.cend(), [&](const QString& topic) {
            return ClueDrafter::GivesAway(candidate.Word, topic);
        });
        if (topical)
            continue;
        if (!request.Rarer) {
            if (candidate.Familiarity >= WordFamiliarity::Rare)
                continue;
            const bool duplicate = std::any_of(kept.cbegin(), kept.cend(), [&](const QString& word) {
                return nearDuplicate(candidate.Word, word);
            });
            if (duplicate)
                continue;
        }
        meanings.insert(candidate.SenseId);
        kept.append(candidate.Word);
        ++theme.Found;
        if (theme.Words.size() >= request.Count)
            continue;
        // Clues of the theme's meaning; the word's other meanings only when that gives none.
        const QStringList forms = ClueDrafter::IrregularFormsOf(source, candidate.Word);
        QStringList clues = ClueDrafter::FromSense(source, source.Sense(candidate.SenseId, candidate.Word), candidate.Word, forms);
        if (clues.isEmpty())
            clues = ClueDrafter::Draft(source, candidate.Word, ClueDrafter::MostDrafts, context);
        QStringList listed;
        for (const ThemeWord& word : theme.Words)
            listed.append(word.Word);
        clues = ClueDrafter::WithoutOtherAnswers(clues, candidate.Word, listed);
        if (clues.isEmpty()) {
            --theme.Found;
            continue;
        }
        // The words listed before lose the drafts that give this one away; a word that would leave
        // one of them without a clue is left out instead (SATURN stays, GAS GIANT goes).
        QList<QStringList> kept;
        for (const ThemeWord& word : theme.Words)
            kept.append(ClueDrafter::WithoutOtherAnswers(word.Clues, word.Word, {candidate.Word}));
        if (std::any_of(kept.cbegin(), kept.cend(), [](const QStringList& c) { return c.isEmpty(); })) {
            --theme.Found;
            continue;
        }
        for (qsizetype i = 0; i < kept.size(); ++i)
            theme.Words[i].Clues = kept[i];
        theme.Words.append({candidate.Word, clues, candidate.UsageCount});
    }
    if (theme.Found < request.Count)
        theme.Related = source.RelatedTopics(request.TopicSense.Id);
    return theme;
}

LexicalSense ThemeWords::DefaultSense(const LexicalSource& source, const QList<LexicalSense>& senses)
{
    // Familiar members, weighed by how often the topic is meant in that meaning.
    const LexicalSense* best = nullptr;
    qsizetype bestFamiliar = 0;
    for (const LexicalSense& sense : senses) {
        const QList<ThemeCandidate> members = source.KindsAndMembers(sense.Id, true);
        const qsizetype familiar = (sense.UsageCount + 1) * std::count_if(members.cbegin(), members.cend(), [](const ThemeCandidate& c) {
            return c.Familiarity <= WordFamiliarity::Known;
        });
        if (familiar > bestFamiliar) {
            best = &sense;
            bestFamiliar = familiar;
        }
    }
    if (best)
        return *best;
    return senses.isEmpty() ? LexicalSense{} : senses.first();
}
