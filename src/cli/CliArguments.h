#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

/**
 * Command-line words of quorvex-cli: the command, positional arguments, "--name value" options
 * and "--flag" switches. Unknown options and missing values are reported as one-line errors.
 */
class CliArguments {
public:
    /** Parses args (without the program name) given the switches that take no value. */
    static std::optional<CliArguments> parse(const QStringList& args, const QSet<QString>& switches,
                                             const QSet<QString>& options, QString& error);

    QString command;
    QStringList positional;

    bool has(const QString& name) const { return m_values.contains(name) || m_switches.contains(name); }
    QString value(const QString& name) const { return m_values.value(name); }
    /** The option as a whole number within [low, high]; error text when it is not. */
    std::optional<long long> number(const QString& name, long long low, long long high, QString& error) const;

private:
    QMap<QString, QString> m_values;
    QSet<QString> m_switches;
};
