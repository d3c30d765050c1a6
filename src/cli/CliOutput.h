#pragma once

#include <QByteArray>
#include <QString>

/** Output helpers of quorvex-cli: record text is Windows-1252, the terminal gets UTF-8. */
namespace CliOutput {

/** Prints one line on standard output. */
void line(const QString& text);
/** Prints one record text (Windows-1252 bytes) on standard output, converted for the terminal. */
QString ansi(const QByteArray& bytes);
/** Prints a message of the program on standard error as it is, one line. */
void warning(const QString& text);

/** Prints "quorvex-cli: <text>" on standard error and returns the exit status. */
int fail(const QString& text, int status = 1);

/**
 * Prints a failed command on a file, "quorvex-cli: <message> (<path>)" on one line (the lines of a
 * message with the system's reason joined by a space), and returns 1.
 */
int failOn(const QString& message, const QString& path);

} // namespace CliOutput
