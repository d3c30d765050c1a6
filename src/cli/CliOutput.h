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

} // namespace CliOutput
