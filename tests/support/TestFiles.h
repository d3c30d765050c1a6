#pragma once
// Whole files as bytes, for tests that set up and check files byte for byte.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace TestFiles {

/** The file's bytes; "<missing>" when it cannot be read, so a missing file never equals an empty one. */
inline QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

/** Writes bytes as the whole file; false when it cannot. */
inline bool put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace TestFiles
