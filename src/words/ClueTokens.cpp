#include "words/ClueTokens.h"

#include "store/Ansi.h"

namespace {

const QString Punctuation = QStringLiteral("\"()+,-./:;<=>?\\{}");

} // namespace

bool ClueTokens::IsPunctuation(QChar c)
{
    return Punctuation.contains(c);
}

QString ClueTokens::Checked(const QString& token)
{
    QString out;
    for (QChar c : token)
        if (!IsPunctuation(c))
            out.append(c);
    return out;
}

ClueTokens::ClueTokens(const QString& clue)
    : m_clue(clue)
{
    m_tokens.append(QString());
    m_starts.append(0);
    // A new token starts at the character after the break that opened it.
    auto advance = [this](qsizetype start) -> bool {
        if (m_tokens.size() >= MaxTokens)
            return false;
        m_tokens.append(QString());
        m_starts.append(start);
        return true;
    };
    for (qsizetype i = 0; i < clue.size(); ++i) {
        const QChar c = clue[i];
        if (IsPunctuation(c)) {
            advance(i);
            m_tokens.last().append(c);
            advance(i + 1);
        } else if (c == QLatin1Char(' ')) {
            if (!advance(i + 1))
                m_tokens.last().append(c);
        } else {
            m_tokens.last().append(c);
        }
    }
}

void ClueTokens::Replace(int index, const QString& replacement)
{
    if (index < 0 || index >= m_tokens.size())
        return;
    const QString& token = m_tokens[index];
    const qsizetype length = token.size();
    QString word = replacement;
    if (!token.isEmpty() && IsPunctuation(token.front()))
        word.prepend(token.front());
    if (token.size() > 1 && IsPunctuation(token.back()))
        word.append(token.back());
    m_clue.replace(m_starts[index], length, word);
    const qsizetype shift = word.size() - length;
    for (int i = index + 1; i < m_starts.size(); ++i)
        m_starts[i] += shift;
    m_tokens[index] = word;
}
