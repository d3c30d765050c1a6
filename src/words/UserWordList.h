#pragma once
// The inclusion and exclusion lists: plain word files in the program directory, one word a line.

#include "store/IoResult.h"

#include <QString>
#include <QStringList>

namespace UserWordList {

/** A list as read: its words and the encoding it is kept in. */
struct List {
    QStringList Words;
    /** True when the file is UTF-8 (valid UTF-8 with a character beyond ASCII); else Windows-1252. */
    bool Utf8 = false;
};

/**
 * Reads a list: the words in file order, each trimmed, empty lines left out; UTF-8 when the file
 * is valid UTF-8, else Windows-1252. A missing file is an empty list. A list that cannot be read
 * (permissions, not a regular file, too large) is a failure with the system's reason, and must
 * then not be written: writing would replace the words it holds.
 */
IoResult Load(const QString& path, List& list);

/** The words of a list, or none when it cannot be read (for the spell checker, which only reads). */
QStringList Read(const QString& path);

/**
 * Writes the list as the whole new file, one word a line in the list's own encoding, through a
 * file beside it renamed into place (an interruption leaves the old list or the new one). A word
 * that Windows-1252 cannot hold makes an ASCII list UTF-8; in a Windows-1252 list it is refused.
 */
IoResult Write(const QString& path, const List& list);

/**
 * Adds one word at the end of the list, creating the file when it does not exist; an unreadable list
 * is left alone. The list's lock is held from the read to the write, so that copies of the program
 * adding at once keep every word.
 */
IoResult Add(const QString& path, const QString& word);

} // namespace UserWordList
