#include "cli/CliOutput.h"

#include "store/Ansi.h"

#include <cstdio>

namespace CliOutput {

void line(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, std::size_t(utf8.size()), stdout);
    std::fputc('\n', stdout);
}

QString ansi(const QByteArray& bytes)
{
    return Ansi::toUnicode(bytes);
}

void warning(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, std::size_t(utf8.size()), stderr);
    std::fputc('\n', stderr);
}

int fail(const QString& text, int status)
{
    const QByteArray utf8 = (QStringLiteral("quorvex-cli: ") + text).toUtf8();
    std::fwrite(utf8.constData(), 1, std::size_t(utf8.size()), stderr);
    std::fputc('\n', stderr);
    return status;
}

int failOn(const QString& message, const QString& path)
{
    return fail(QString(message).replace(QLatin1Char('\n'), QLatin1Char(' ')) + QStringLiteral(" (%1)").arg(path));
}

} // namespace CliOutput
