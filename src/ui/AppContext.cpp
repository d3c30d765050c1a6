#include "ui/AppContext.h"

#include <QDir>

AppContext::AppContext(QString startDir, QString programDir)
    : StartDir(NormalizeStartDir(startDir))
    , ProgramDir(std::move(programDir))
    , settings(DefaultSettings(StartDir))
{
    Working.CurrentCollection = settings.LastGroup;
}

QString AppContext::ShapeLibraryPath() const
{
    return ProgramFile(QStringLiteral("QVFLAY.DAT"));
}

QString AppContext::PageFilePath() const
{
    return ProgramFile(QStringLiteral("QVFPAGE.DAT"));
}

QString AppContext::ProgramFile(const QString& name) const
{
    return QDir(ProgramDir).filePath(name);
}

QString AppContext::StartFile(const QString& name) const
{
    return StartDirFile(StartDir, name);
}
