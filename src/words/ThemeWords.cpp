#include "words/ThemeWords.h"

#include "store/Limits.h"
#include "words/ClueDrafter.h"

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

} // namespace

ThemeWords ThemeWords::Find(const LexicalSource& source, const ThemeRequest& request)
{
    ThemeWords theme;
    if (request.TopicSense.Id.isEmpty())
        return theme;
    QStringList topicWords = request.TopicSense.Synonyms;
    topicWords.append(request.Topic);
    // One word of each meaning: its synonyms ("world", "globe" beside "Earth") would repeat its clue.
    QSet<QString> meanings;
    for (const ThemeCandidate& candidate : source.KindsAndMembers(request.TopicSense.Id)) {
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
        meanings.insert(candidate.SenseId);
        ++theme.Found;
        if (theme.Words.size() >= request.Count)
            continue;
        // Clues of the theme's meaning; the word's other meanings only when that gives none.
        const QStringList forms = ClueDrafter::IrregularFormsOf(source, candidate.Word);
        QStringList clues = ClueDrafter::FromSense(source.Sense(candidate.SenseId, candidate.Word), candidate.Word, forms);
        if (clues.isEmpty())
            clues = ClueDrafter::Draft(source, candidate.Word);
        if (clues.isEmpty()) {
            --theme.Found;
            continue;
        }
        theme.Words.append({candidate.Word, clues, candidate.UsageCount});
    }
    return theme;
}

LexicalSense ThemeWords::DefaultSense(const LexicalSource& source, const QList<LexicalSense>& senses)
{
    for (const LexicalSense& sense : senses)
        if (!sense.Kinds.isEmpty() || !source.KindsAndMembers(sense.Id).isEmpty())
            return sense;
    return senses.isEmpty() ? LexicalSense{} : senses.first();
}
