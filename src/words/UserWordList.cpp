#include "words/UserWordList.h"

#include "store/Ansi.h"
#include "store/RecordFile.h"

#include <QFile>

QStringList UserWordList::Read(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = Ansi::fromTextFile(file.readAll());
    QStringList words;
    for (const QByteArray& line : bytes.split('\n')) {
        const QString word = Ansi::toUnicode(line).trimmed();
        if (!word.isEmpty())
            words.append(word);
    }
    return words;
}

IoResult UserWordList::Write(const QString& path, const QStringList& words)
{
    QByteArray content;
    for (const QString& word : words) {
        content += Ansi::fromUnicode(word);
        content += '\n';
    }
    return RecordFile::replaceWhole(path, content);
}

IoResult UserWordList::Add(const QString& path, const QString& word)
{
    QStringList words = Read(path);
    words.append(word);
    return Write(path, words);
}
