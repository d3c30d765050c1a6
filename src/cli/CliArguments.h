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
    /**
     * Parses args (without the program name) given the switches that take no value. An option of
     * `lists` also takes the whole numbers that follow its value ("--record 1 2 3").
     */
    static std::optional<CliArguments> parse(const QStringList& args, const QSet<QString>& switches,
                                             const QSet<QString>& options, QString& error,
                                             const QSet<QString>& lists = {});

    QString command;
    QStringList positional;

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
