#include "store/CopyTitle.h"

#include "store/Ansi.h"

QByteArray MakeCopyTitle(QByteArrayView title, int maxLength)
{
    const QByteArray trimmed = Ansi::trimSpaces(title);
    QByteArray result;
    const qsizetype open = trimmed.indexOf('(');
    if (trimmed.endsWith(')') && open >= 0) {
        const QByteArray inside = trimmed.mid(open + 1, trimmed.size() - open - 2);
        // Leading digits count; reading stops at the first other character.
        qint64 value = 0;
        for (char c : inside) {
            if (c < '0' || c > '9')
                break;
            value = value * 10 + (c - '0');
            if (value > 1000000000)
                break;
        }
        if (value > 0)
            result = trimmed.left(open) + '(' + QByteArray::number(value + 1) + ')';
    }
    if (result.isEmpty())
        result = trimmed + " (2)";
    return result.left(maxLength);
}
