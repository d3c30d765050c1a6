#pragma once
// The arguments of the quorvex program: an optional collection to open, --help and --version.

#include <QString>
#include <QStringList>

/** What the program does with its command line. */
struct TCommandLine {
    enum Action {
        Run,     ///< start the windows (with Collection when one was named)
        Help,    ///< print Usage on standard output and end with status 0
        Version, ///< print the version on standard output and end with status 0
        Refuse,  ///< print Message and Usage on standard error and end with status 2
    };
    Action action = Run;
    /** The collection (.QV3) to open at start; empty for the last one. */
    QString Collection;
    /** Why the command line was refused. */
    QString Message;

    /**
     * Reads the arguments after the program name: "--help" or "-h", "--version" or "-v", and one
     * collection file. Any other word starting with "-" is refused rather than taken for a file,
     * and so is a second file; "--" makes the next word a file even when it starts with "-".
     */
    static TCommandLine Parse(const QStringList& arguments);
    /** The usage text. */
    static QString Usage();
};
