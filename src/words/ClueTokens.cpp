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
{
    m_tokens.append(QString());
    auto advance = [this]() -> bool {
        if (m_tokens.size() >= MaxTokens)
            return false;
        m_tokens.append(QString());
        return true;
    };
    for (QChar c : clue) {
        if (IsPunctuation(c)) {
            advance();
            m_tokens.last().append(c);
            advance();
        } else if (c == QLatin1Char(' ')) {
            if (!advance())
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
    QString word = replacement;
    if (!token.isEmpty() && IsPunctuation(token.front()))
        word.prepend(token.front());
    if (token.size() > 1 && IsPunctuation(token.back()))
        word.append(token.back());
    m_tokens[index] = word;
}

QString ClueTokens::Rebuilt() const
{
    QString out;
    for (const QString& token : m_tokens)
        out += token + QLatin1Char(' ');
    return Ansi::trimSpaces(out);
}
