#include "app/RecentFiles.h"

#include "store/Limits.h"

#include <QFileInfo>

void UpdateRecentFiles(RecentFileList& files, const QString& oldPath, const QString& newPath)
{
    const int count = int(files.size());
    for (int i = 0; i < count; ++i) {
        if (files[std::size_t(i)] == newPath) {
            for (int j = i; j + 1 < count; ++j)
                files[std::size_t(j)] = files[std::size_t(j + 1)];
            files[std::size_t(count - 1)].clear();
            break;
        }
    }
    for (int i = count - 1; i > 0; --i)
        files[std::size_t(i)] = files[std::size_t(i - 1)];
    files[0] = oldPath;
}

QString RecentFileCaption(int entry, const QString& path)
{
    QString shown = path;
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QLatin1Char('&') + QString::number(entry) + QLatin1String("   ") + shown;
}

QString GroupNameOf(const QString& collectionPath)
{
    const QString name = QFileInfo(collectionPath).fileName();
    return name.left(std::max<qsizetype>(0, name.size() - 4)).left(Limits::PathLength);
}
