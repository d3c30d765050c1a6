#include "words/UserWordList.h"

#include "store/Ansi.h"
#include "store/FileReplacer.h"
#include "store/SystemFile.h"
#include "store/TextInput.h"

#include <QStringDecoder>
#include <algorithm>
#include <cerrno>

namespace UserWordList {

IoResult Load(const QString& path, List& list)
{
    list = {};
    QByteArray bytes;
    int error = 0;
    const IoResult read = TextInput::Read(path, bytes, &error);
    if (!read) {
        if (error == ENOENT)
            return IoResult::ok();
        return IoResult::failed(read.status, read.status == IoResult::Refused
                                                 ? read.systemError
                                                 : QStringLiteral("%1: %2").arg(path, read.systemError));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    const bool ascii = std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return quint8(c) < 0x80; });
    list.Utf8 = !utf8.hasError() && !ascii;
    if (utf8.hasError())
        text = Ansi::toUnicode(bytes);
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString word = line.trimmed();
        if (!word.isEmpty())
            list.Words.append(word);
    }
    return IoResult::ok();
}

QStringList Read(const QString& path)
{
    List list;
    Load(path, list);
    return list.Words;
}

namespace {

IoResult write(const QString& path, const List& list, bool locked)
{
    const QString text = list.Words.join(QLatin1Char('\n')) + (list.Words.isEmpty() ? QString() : QStringLiteral("\n"));
    QByteArray content = list.Utf8 ? text.toUtf8() : Ansi::fromUnicode(text);
    if (!list.Utf8 && Ansi::toUnicode(content) != text) {
        // An ASCII list takes the new characters as UTF-8; a Windows-1252 list cannot hold them.
        const bool ascii = std::all_of(content.cbegin(), content.cend(), [](char c) { return quint8(c) < 0x80; });
        if (!ascii)
            return IoResult::failed(IoResult::Refused,
                                    QStringLiteral("The list is kept in Windows-1252, which cannot hold the word."));
        content = text.toUtf8();
    }
    return ReplaceFile(path, content, locked);
}

} // namespace

IoResult Write(const QString& path, const List& list)
{
    return write(path, list, false);
}

IoResult Add(const QString& path, const QString& word)
{
    // Read, add and write under the list's lock, so that two copies adding at once keep both words.
    SystemFile file;
    bool created = false;
    if (const int error = SystemPath::mayChange(path))
        return IoResult::failed(IoResult::Refused, QStringLiteral("%1: %2").arg(path, SystemFile::errorText(error)));
    if (IoResult locked = SystemPath::openLocked(path, file, true, &created); !locked)
        return IoResult::failed(locked.status, QStringLiteral("%1: %2").arg(path, locked.systemError));
    List list;
    IoResult result = Load(path, list);
    if (result) {
        list.Words.append(word);
        result = write(path, list, true);
    }
    int error = 0;
    if (!result && created)
        SystemPath::remove(path, error);
    return result;
}

} // namespace UserWordList
