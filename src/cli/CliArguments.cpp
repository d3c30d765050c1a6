#include "cli/CliArguments.h"

namespace {

bool isWholeNumber(const QString& word)
{
    bool ok = false;
    word.toLongLong(&ok);
    return ok;
}

} // namespace

std::optional<CliArguments> CliArguments::parse(const QStringList& args, const QSet<QString>& switches,
                                                const QSet<QString>& options, QString& error,
                                                const QSet<QString>& lists)
{
    CliArguments out;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& word = args.at(i);
        if (word.startsWith(QLatin1String("--"))) {
            const QString name = word.mid(2);
            if (switches.contains(name)) {
                out.m_switches.insert(name);
            } else if (options.contains(name)) {
                if (i + 1 >= args.size()) {
                    error = QStringLiteral("option --%1 needs a value").arg(name);
                    return std::nullopt;
                }
                out.m_values.insert(name, args.at(++i));
                out.m_lists[name].append(args.at(i));
                while (lists.contains(name) && i + 1 < args.size() && isWholeNumber(args.at(i + 1)))
                    out.m_lists[name].append(args.at(++i));
            } else {
                error = QStringLiteral("unknown option %1").arg(word);
                return std::nullopt;
            }
        } else if (out.command.isEmpty()) {
            out.command = word;
        } else {
            out.positional.append(word);
        }
    }
    return out;
}

std::optional<long long> CliArguments::number(const QString& name, long long low, long long high,
                                              QString& error) const
{
    bool ok = false;
    const long long v = value(name).toLongLong(&ok);
    if (!ok || v < low || v > high) {
        error = QStringLiteral("--%1 must be a whole number from %2 to %3").arg(name).arg(low).arg(high);
        return std::nullopt;
    }
    return v;
}
