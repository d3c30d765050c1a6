#pragma once
// Cutting a clue into the tokens the spell check walks, and putting it back together.

#include <QString>
#include <QStringList>

/**
 * A clue cut into at most 50 tokens at spaces and at the 17 punctuation characters
 * " ( ) + , - . / : ; < = > ? \ { }. A punctuation character is a token of its own, so
 * "word, next" gives "word", ",", "" and "next". From the 50th token on everything (spaces and
 * punctuation included) joins the 50th token, so rebuilding never loses text.
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
     * Replaces token index (0-based) with a word, putting the token's leading punctuation
     * character back in front and, for a token longer than one character, its trailing one behind.
     */
    void Replace(int index, const QString& replacement);
    /** The clue again: every token followed by one space, then leading and trailing spaces removed. */
    QString Rebuilt() const;

private:
    QStringList m_tokens;
};
