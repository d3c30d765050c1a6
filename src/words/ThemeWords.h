#pragma once
// Candidate answers on a theme: the kinds and members of a topic, each with drafted clues.

#include "words/LexicalSource.h"

#include <QList>
#include <QString>
#include <QStringList>

/** What a theme is asked for. */
struct ThemeRequest {
    /** The topic as typed ("fruit", "musical instrument"). */
    QString Topic;
    /** The meaning of the topic, one of LexicalSource::TopicSenses. */
    LexicalSense TopicSense;
    /** Most words returned. */
    int Count = 25;
    /** Letters a word may have (spaces between the words of a phrase do not count). */
    int MinLength = 3;
    int MaxLength = 30;
    /** Leave out what does not belong in a school puzzle (see KindsAndMembers). */
    bool Classroom = true;
    /** Offer words a pupil would not know, and a word's compounds beside it ("Show rarer words"). */
    bool Rarer = false;
};

/** One candidate answer: the word as the editor takes it, and its drafts, the best first. */
struct ThemeWord {
    QString Word;
    QStringList Clues;
    int UsageCount = 0;
};

/** The words of a theme and how many the topic gave in all. */
struct ThemeWords {
    QList<ThemeWord> Words;
    /** Kinds and members of the topic that an answer can be made of, before the count cut. */
    int Found = 0;
    /** Topics near this one to try when the list is thin ("precipitation" for "weather"). */
    QStringList Related;

    /**
     * The words of the request's topic sense, most familiar first: only letters with single
     * spaces between words, MinLength..MaxLength letters, at most 30 characters, never the topic
     * or a word holding it ("edible fruit" for FRUIT), one word of each meaning, and only those
     * with at least one clue. Unless Rarer is asked, only words of the smaller word lists
     * (Common or Known), and of a word and its compounds only the more familiar (HOUND, not
     * FOXHOUND or GREYHOUND after it). With Classroom, the categories left out are: words the
     * database marks as disparaging, ethnic slurs or obscene, blood sports (cockfighting,
     * bullfighting), weapons, drugs of abuse and narcotics.
     * Each word's first drafts come from the meaning that made it a candidate, and none gives
     * another word of the list away.
     */
    static ThemeWords Find(const LexicalSource& source, const ThemeRequest& request);

    /**
     * The topic sense a theme takes when none is chosen: the noun meaning with the most familiar
     * kinds and instances (COUNTRY the nations, not the historical states), the first on a tie;
     * the first noun meaning when none has any. Empty when the topic is not in the database.
     */
    static LexicalSense DefaultSense(const LexicalSource& source, const QList<LexicalSense>& senses);
};
