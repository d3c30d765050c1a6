#include "cli/CliArguments.h"

namespace {

bool isWholeNumber(const QString& word)
{
    bool ok = false;
    word.toLongLong(&ok);
    return ok;
}

/** The first command that takes the option, or nullptr. */
const CliOption* anyCommandsOption(std::span<const CliCommand* const> commands, QStringView name)
{
    for (const CliCommand* command : commands) {
        if (const CliOption* option = command->option(name))
            return option;
    }
    return nullptr;
}

/** The command word: the first word that is neither an option nor the value of one. */
QString commandWord(const QStringList& args, std::span<const CliCommand* const> commands)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& word = args.at(i);
        if (!word.startsWith(QLatin1String("--")))
            return word;
        const CliOption* option = anyCommandsOption(commands, QStringView(word).mid(2));
        if (option && option->kind != CliOption::Switch)
            ++i;
    }
    return {};
}

} // namespace

const CliOption* CliCommand::option(QStringView name) const
{
    for (const CliOption& option : options) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

std::optional<CliArguments> CliArguments::parse(const QStringList& args, std::span<const CliCommand* const> commands,
                                                QString& error)
{
    CliArguments out;
    const QString word0 = commandWord(args, commands);
    for (const CliCommand* command : commands) {
        if (word0 == QLatin1String(command->name))
            out.entry = command;
    }
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& word = args.at(i);
        if (word.startsWith(QLatin1String("--"))) {
            const QString name = word.mid(2);
            const CliOption* option = out.entry ? out.entry->option(name) : anyCommandsOption(commands, name);
            if (!option && out.entry && anyCommandsOption(commands, name)) {
                error = QStringLiteral("%1 takes no option %2").arg(QLatin1String(out.entry->name), word);
                return std::nullopt;
            }
            if (!option) {
                error = QStringLiteral("unknown option %1").arg(word);
                return std::nullopt;
            }
            if (option->kind == CliOption::Switch) {
                out.m_switches.insert(name);
                continue;
            }
            if (i + 1 >= args.size()) {
                error = QStringLiteral("option --%1 needs a value").arg(name);
                return std::nullopt;
            }
            out.m_values.insert(name, args.at(++i));
            out.m_lists[name].append(args.at(i));
            while (out.entry && option->kind == CliOption::Numbers && i + 1 < args.size() && isWholeNumber(args.at(i + 1)))
                out.m_lists[name].append(args.at(++i));
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
