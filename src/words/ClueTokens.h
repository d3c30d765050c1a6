#pragma once
// Cutting a clue into the tokens the spell check walks, and changing one token in place.

#include <QList>
#include <QString>
#include <QStringList>

/**
 * A clue cut into at most 50 tokens at spaces and at the 17 punctuation characters
 * " ( ) + , - . / : ; < = > ? \ { }. A punctuation character is a token of its own, so
 * "word, next" gives "word", ",", "" and "next". From the 50th token on everything (spaces and
 * punctuation included) joins the 50th token. Each token remembers where it stands in the clue,
 * so a replacement changes only its own characters and the rest of the clue stays as typed.
 */
class ClueTokens {
public:
    /** Most tokens a clue is cut into. */
    static constexpr int MaxTokens = 50;

    explicit ClueTokens(const QString& clue);

    /** Whether a character is one of the 17 punctuation characters. */
    static bool IsPunctuation(QChar c);
    /** The token without its punctuation characters: what is checked. */
    static QString Checked(const QString& token);

    /** Tokens 1..t in order (index 0 is token 1). */
    const QStringList& Tokens() const { return m_tokens; }
    /**
     * Replaces the characters of token index (0-based) in the clue with a word, keeping the token's
     * leading punctuation character and, for a token longer than one character, its trailing one.
     * Every other character of the clue stays as it was.
     */
    void Replace(int index, const QString& replacement);
    /** The clue with the replacements made so far. */
    const QString& Text() const { return m_clue; }

private:
    QString m_clue;
    QStringList m_tokens;
    /** Where each token starts in m_clue. */
    QList<qsizetype> m_starts;
};
