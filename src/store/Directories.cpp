#include "store/Directories.h"

#include "store/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

QString ProgramDirectory()
{
    const QString overridden = qEnvironmentVariable("QUORVEX_PROGRAM_DIR");
    if (!overridden.isEmpty())
        return overridden;
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

QString StartDirectory()
{
    return NormalizeStartDir(QDir::currentPath());
}

QString ProgramFile(const QString& name)
{
    return QDir(ProgramDirectory()).filePath(name);
}

QString PrepareFirstStart(const QString& startDir, const QString& programDir)
{
    const QString sample = QDir(programDir).filePath(QStringLiteral("SAMPLE.QV3"));
    const QString copy = StartDirFile(startDir, QStringLiteral("SAMPLE.QV3"));
    if (QFile::exists(SettingsFilePath(startDir)) || QFile::exists(copy)
        || QFile::exists(StartDirFile(startDir, QStringLiteral("DEFAULT.QV3"))) || !QFile::exists(sample))
        return {};
    if (QFile::copy(sample, copy)) {
        // The installed sample may be read-only; the copy is the user's own to change.
        QFile::setPermissions(copy, QFile::permissions(copy) | QFileDevice::WriteOwner);
        return {};
    }
    return sample;
}
