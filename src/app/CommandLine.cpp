#include "app/CommandLine.h"

TCommandLine TCommandLine::Parse(const QStringList& arguments)
{
    TCommandLine line;
    bool filesOnly = false;
    for (const QString& word : arguments) {
        if (!filesOnly && word == QLatin1String("--")) {
            filesOnly = true;
        } else if (!filesOnly && (word == QLatin1String("--help") || word == QLatin1String("-h"))) {
            return {Help, {}, {}};
        } else if (!filesOnly && (word == QLatin1String("--version") || word == QLatin1String("-v"))) {
            return {Version, {}, {}};
        } else if (!filesOnly && word.startsWith(QLatin1Char('-')) && word.size() > 1) {
            return {Refuse, {}, QStringLiteral("unknown option %1").arg(word)};
        } else if (!line.Collection.isEmpty()) {
            return {Refuse, {}, QStringLiteral("one collection at a time (%1 and %2)").arg(line.Collection, word)};
        } else {
            line.Collection = word;
        }
    }
    return line;
}

QString TCommandLine::Usage()
{
    return QStringLiteral("usage: quorvex [COLLECTION.QV3]\n"
                          "       quorvex --help | --version\n"
                          "Opens the puzzle collection, or the last one used in this folder. Settings and\n"
                          "collections are kept in the folder the program starts in; a first start in a folder\n"
                          "without them puts a copy of the sample collection there.\n");
}
