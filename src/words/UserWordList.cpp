#include "words/UserWordList.h"

#include "store/Ansi.h"
#include "store/FileReplacer.h"
#include "store/SystemFile.h"
#include "store/TextInput.h"

#include <QStringDecoder>
#include <algorithm>
#include <cerrno>

namespace UserWordList {

namespace {

/** A list's words from its bytes: UTF-8 when they are valid UTF-8, else Windows-1252. */
List decode(const QByteArray& bytes)
{
    List list;
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
    return list;
}

/** A failed read as the list's failure: the path is named unless the reason names it already. */
IoResult readFailure(const QString& path, const IoResult& read)
{
    return IoResult::failed(read.status, read.status == IoResult::Refused ? read.systemError
                                                                          : QStringLiteral("%1: %2").arg(path, read.systemError));
}

} // namespace

IoResult Load(const QString& path, List& list)
{
    list = {};
    QByteArray bytes;
    int error = 0;
    const IoResult read = TextInput::Read(path, bytes, &error);
    if (!read)
        return error == ENOENT ? IoResult::ok() : readFailure(path, read);
    list = decode(bytes);
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
    // The list is read from the locked file itself, never again by its name.
    QByteArray bytes;
    IoResult result = TextInput::ReadOpen(file, path, bytes);
    if (result) {
        List list = decode(bytes);
        list.Words.append(word);
        result = write(path, list, true);
    } else {
        result = readFailure(path, result);
    }
    int error = 0;
    if (!result && created)
        SystemPath::remove(path, error);
    return result;
}

} // namespace UserWordList
