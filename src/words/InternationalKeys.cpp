#include "words/InternationalKeys.h"

#include "store/Ansi.h"
#include "store/Settings.h"

namespace InternationalKeys {

int CodeOf(const QString& setting)
{
    const int code = ParseSettingInteger(setting.toLatin1());
    return code >= FirstCode && code <= LastCode ? code : FirstCode;
}

QString SettingOf(int code)
{
    return QStringLiteral("0") + QString::number(code);
}

QChar CharacterOf(int code)
{
    return Ansi::toUnicode(QByteArray(1, char(code))).at(0);
}

} // namespace InternationalKeys
