#pragma once
// Shared pieces of the fuzz harnesses: each harness defines LLVMFuzzerTestOneInput and reads the
// input through the program's own file readers, so the input is first put in a file.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace FuzzSupport {

/**
 * A headless application once per process, for harnesses that draw pages with fonts. It is never
 * destroyed: at exit the fuzzer or the replay ends the process without Qt's orderly shutdown.
 */
inline void needApplication()
{
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz";
        static char* argv[] = {name, nullptr};
        new QGuiApplication(argc, argv);
    }
}

/** A folder of this process that lives as long as the process. */
inline QString folder()
{
    static QTemporaryDir dir;
    return dir.path();
}

/** Writes bytes as a file of that name in the process's folder and returns its path. */
inline QString file(const char* name, const QByteArray& bytes)
{
    const QString path = QDir(folder()).filePath(QLatin1String(name));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
    return path;
}

inline QByteArray bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

} // namespace FuzzSupport
