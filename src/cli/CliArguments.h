#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <vector>

class CliArguments;

/** One option a command takes: "--name value", a "--name" switch, or "--name N [N ...]" whole numbers. */
struct CliOption {
    enum Kind { Value, Switch, Numbers };
    const char* name;
    Kind kind = Value;
};

/**
 * A command of quorvex-cli: its word, what runs it and every option it takes, one entry a line.
 * An option the command does not list is refused with the usage.
 */
struct CliCommand {
    const char* name;
    int (*run)(const CliArguments& args);
    std::vector<CliOption> options;

    /** The entry of an option, or nullptr when the command does not take it. */
    const CliOption* option(QStringView name) const;
};

/**
 * Command-line words of quorvex-cli: the command, positional arguments, "--name value" options
 * and "--flag" switches. Unknown options, options of another command and missing values are
 * reported as one-line errors.
 */
class CliArguments {
public:
    /**
     * Parses args (without the program name) against the options of the command they name (the
     * first word that is neither an option nor an option's value). The command's Numbers options
     * also take the whole numbers that follow their value ("--record 1 2 3"). A word that names no
     * command keeps every option any command takes.
     */
    static std::optional<CliArguments> parse(const QStringList& args, std::span<const CliCommand* const> commands,
                                             QString& error);

    QString command;
    QStringList positional;
    /** The entry of the command named, or nullptr when the word names none. */
    const CliCommand* entry = nullptr;

    bool has(const QString& name) const { return m_values.contains(name) || m_switches.contains(name); }
    QString value(const QString& name) const { return m_values.value(name); }
    /** Every value given for an option, in order (an option may be repeated). */
    QStringList values(const QString& name) const { return m_lists.value(name); }
    /** The option as a whole number within [low, high]; error text when it is not. */
    std::optional<long long> number(const QString& name, long long low, long long high, QString& error) const;

private:
    QMap<QString, QString> m_values;
    QMap<QString, QStringList> m_lists;
    QSet<QString> m_switches;
};
