#include "store/Directories.h"

#include "store/Settings.h"

#include <QCoreApplication>
#include <QDir>

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
