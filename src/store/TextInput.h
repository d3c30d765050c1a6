#pragma once

#include "store/IoResult.h"
#include "store/SystemFile.h"

#include <QByteArray>
#include <QString>

/**
 * Reading a text file the user names (a word list, a user dictionary list): only a regular file is
 * read, and only up to a size no real list reaches, so a FIFO, a device such as /dev/zero or a
 * runaway file is refused at once with a message naming the file and the limit.
 */
namespace TextInput {

/** The largest text file read: 16 MB. */
inline constexpr qint64 MaxBytes = 16 * 1024 * 1024;

/** The largest settings file read: 1 MB, far beyond every key at its longest. */
inline constexpr qint64 MaxSettingsBytes = 1024 * 1024;

/**
 * Reads the whole file into bytes. OpenFailed carries the system's reason for a file that cannot
 * be opened (ENOENT for a missing one, in error when given); Refused names the file and why: not a
 * regular file, or larger than maxBytes, the most a file of its kind (what) holds.
 */
IoResult Read(const QString& path, QByteArray& bytes, int* error = nullptr, qint64 maxBytes = MaxBytes,
              const char* what = "a text file");

/** The same for a file already open (and locked) by the caller; path names it in messages. */
IoResult ReadOpen(SystemFile& file, const QString& path, QByteArray& bytes, qint64 maxBytes = MaxBytes,
                  const char* what = "a text file");

} // namespace TextInput
