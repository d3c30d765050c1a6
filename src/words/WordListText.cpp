#include "words/WordListText.h"

#include "store/Ansi.h"

namespace WordListText {

QList<QByteArray> ReadItems(const QByteArray& fileBytes)
{
    QList<QByteArray> items;
    const QByteArray text = Ansi::fromTextFile(fileBytes);
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        line = Ansi::trimSpaces(line.left(LineLimit));
        if (!line.isEmpty())
            items.append(line);
    }
    return items;
}

WordClue SplitPair(const QByteArray& item, char separator)
{
    const qsizetype at = item.indexOf(separator);
    if (at < 0)
        return {Ansi::trimSpaces(item), {}};
    return {Ansi::trimSpaces(item.left(at)), Ansi::trimSpaces(item.mid(at + 1))};
}

QByteArray FormatPair(const QByteArray& word, const QByteArray& clue, char separator)
{
    return word.leftJustified(PairWordWidth, ' ') + separator + ' ' + clue;
}

} // namespace WordListText
