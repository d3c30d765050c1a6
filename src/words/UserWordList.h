#pragma once
// The inclusion and exclusion lists: plain word files in the program directory, one word a line.

#include "store/IoResult.h"

#include <QString>
#include <QStringList>

namespace UserWordList {

/**
 * The words of a list in file order, each trimmed, empty lines left out. The file is read as
 * UTF-8 when it is valid UTF-8, else as Windows-1252. A missing file is an empty list.
 */
QStringList Read(const QString& path);

/**
 * Writes the list as the whole new file, one word a line in Windows-1252, through a file beside
 * it renamed into place (an interruption leaves the old list or the new one).
 */
IoResult Write(const QString& path, const QStringList& words);

/** Adds one word at the end of the list, creating the file when it does not exist. */
IoResult Add(const QString& path, const QString& word);

} // namespace UserWordList
