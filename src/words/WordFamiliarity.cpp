#include "words/WordFamiliarity.h"

#include <QDir>
#include <QFile>
#include <algorithm>

WordFamiliarity WordFamiliarity::Load(bool british, const QString& folder)
{
    WordFamiliarity familiarity;
    const QDir dir(!folder.isEmpty() ? folder
                   : qEnvironmentVariableIsSet(FolderVariable) ? qEnvironmentVariable(FolderVariable)
                                                               : QStringLiteral("/usr/share/dict"));
    const QString language = british ? QStringLiteral("british-english") : QStringLiteral("american-english");
    const QString lists[] = {language + QStringLiteral("-small"), language, language + QStringLiteral("-large")};
    familiarity.m_levels.reserve(180000);
    quint8 level = Common;
    for (const QString& name : lists) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            qsizetype start = 0;
            while (start < bytes.size()) {
                qsizetype end = bytes.indexOf('\n', start);
                if (end < 0)
                    end = bytes.size();
                // Possessives ("apple's") repeat their word.
                const bool possessive = end - start >= 2 && bytes[end - 1] == 's' && bytes[end - 2] == '\'';
                if (!possessive) {
                    const QByteArray word = bytes.sliced(start, end - start).toLower();
                    if (!familiarity.m_levels.contains(word))
                        familiarity.m_levels.insert(word, level);
                }
                start = end + 1;
            }
        }
        ++level;
    }
    familiarity.m_levels.remove(QByteArray());
    return familiarity;
}

WordFamiliarity::Level WordFamiliarity::Of(const QString& word) const
{
    if (m_levels.isEmpty())
        return Unknown;
    const QStringList parts = word.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    int worst = Common;
    bool allCommon = true;
    for (const QString& part : parts) {
        const int level = m_levels.value(part.toUtf8(), Absent);
        worst = std::max(worst, level);
        allCommon = allCommon && level == Common;
    }
    if (parts.size() > 1 && !allCommon)
        worst = std::min<int>(worst + 1, Absent);
    return parts.isEmpty() ? Absent : Level(worst);
}
