// quorvex-cli: batch construction, listing and export with the same core as the program.
#include "cli/CliCommands.h"
#include "cli/CliOutput.h"

#include <QDir>
#include <QFile>
#include <unistd.h>
#include <QGuiApplication>
#include <csignal>
#include <memory>

namespace {

const char Usage[] =
    "usage:\n"
    "  quorvex-cli build --words FILE [--sep C] (--shape-file FILE.LAY | [--shape-lib QVFLAY.DAT] --shape N)\n"
    "                    [--attempts N] [--shrink] [--quick] [--seed S] --title T --category C\n"
    "                    [--layout-file FILE.PAG] [--candidates | --versions N] --out COLLECTION.QV3\n"
    "  quorvex-cli build --fit-all ...  (the smallest square that takes every word, instead of a shape)\n"
    "                    (--sep: the separator of word and clue, \":\" unless given; --shape N counts from 0,\n"
    "                    in the program folder's library unless --shape-lib names one)\n"
    "  quorvex-cli shapes [QVFLAY.DAT]   (the library's shapes with their --shape numbers;\n"
    "                    the program folder's library unless given)\n"
    "  quorvex-cli list COLLECTION.QV3\n"
    "  quorvex-cli show COLLECTION.QV3 --record N\n"
    "  quorvex-cli export COLLECTION.QV3 --record N --format png|jpg|bmp|pdf|svg|wmf|emf|html|clues|words|ipuz|puz|\n"
    "                    solver|fitted [--answers] [--width PX] [--quality Q] [--layout-file FILE.PAG]\n"
    "                    [--enumerations] --out FILE\n"
    "  quorvex-cli booklet COLLECTION.QV3 (--record N ... | --all | --category C) [--answers back|after|none|key]\n"
    "                    [--cover TITLE] [--page-numbers] [--layout-file FILE.PAG] --out BOOK.pdf\n"
    "  quorvex-cli import --from OTHER.QV3|OLD.QVZ [--record N ...] --into C.QV3\n"
    "  quorvex-cli export-puzzles C.QV3 --record N ... --out OTHER.QV3\n"
    "  quorvex-cli delete COLLECTION.QV3 --record N [N ...]\n"
    "  quorvex-cli spell COLLECTION.QV3 --record N [--language american|british|spanish|italian|french|german|\n"
    "                    dutch|swedish]\n"
    "  quorvex-cli suggest --theme TOPIC [--sense N] [--count N] [--min-length L] [--max-length L] --out WORDS.txt\n"
    "  quorvex-cli suggest --clues WORDS.txt [--sep C] --out WORDS2.txt\n"
    "  quorvex-cli --help";

} // namespace

int main(int argc, char** argv)
{
    // A file grown past the size limit is a write error to report, not a silent end of the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Export draws pages with fonts, which needs a GUI application; no window is ever shown.
    // The other commands need no more than the core.
    std::unique_ptr<QCoreApplication> app;
    if (argc > 1 && (qstrcmp(argv[1], "export") == 0 || qstrcmp(argv[1], "booklet") == 0)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            // A private runtime folder keeps the platform plugin from warning on every run.
            const QString runtime = QDir::temp().filePath(QStringLiteral("quorvex-runtime-%1").arg(getuid()));
            QDir().mkpath(runtime);
            QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
        }
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }

    QStringList words = QCoreApplication::arguments().mid(1);
    if (words.contains(QLatin1String("--help")) || words.contains(QLatin1String("-h"))
        || (!words.isEmpty() && words.first() == QLatin1String("help"))) {
        CliOutput::line(QLatin1String(Usage));
        return 0;
    }
    QSet<QString> switches{QStringLiteral("shrink"), QStringLiteral("quick"), QStringLiteral("candidates"),
                                 QStringLiteral("answers"), QStringLiteral("enumerations"), QStringLiteral("all"),
                                 QStringLiteral("page-numbers"), QStringLiteral("fit-all")};
    QSet<QString> options{QStringLiteral("words"), QStringLiteral("sep"), QStringLiteral("shape-file"),
                                QStringLiteral("shape-lib"), QStringLiteral("shape"), QStringLiteral("attempts"),
                                QStringLiteral("seed"), QStringLiteral("title"), QStringLiteral("category"),
                                QStringLiteral("layout-file"), QStringLiteral("out"), QStringLiteral("record"),
                                QStringLiteral("format"), QStringLiteral("width"), QStringLiteral("quality"),
                                QStringLiteral("from"), QStringLiteral("into"), QStringLiteral("language"),
                                QStringLiteral("theme"), QStringLiteral("sense"), QStringLiteral("clues"),
                                QStringLiteral("count"), QStringLiteral("min-length"), QStringLiteral("max-length"),
                                QStringLiteral("cover"), QStringLiteral("versions")};
    // The booklet's --answers names where the answers go; export's is a switch.
    if (!words.isEmpty() && words.first() == QLatin1String("booklet")) {
        switches.remove(QStringLiteral("answers"));
        options.insert(QStringLiteral("answers"));
    }
    // Import, export-puzzles and delete take several record numbers: "--record 1 2 3" or "--record 1 --record 2".
    const bool manyRecords = !words.isEmpty()
        && (words.first() == QLatin1String("import") || words.first() == QLatin1String("export-puzzles")
            || words.first() == QLatin1String("delete") || words.first() == QLatin1String("booklet"));
    const QSet<QString> lists = manyRecords ? QSet<QString>{QStringLiteral("record")} : QSet<QString>{};
    QString error;
    const auto args = CliArguments::parse(words, switches, options, error, lists);
    if (!args)
        return CliOutput::fail(error + QLatin1Char('\n') + QLatin1String(Usage));
    if (args->command == QLatin1String("build"))
        return RunBuild(*args);
    if (args->command == QLatin1String("list"))
        return RunList(*args);
    if (args->command == QLatin1String("shapes"))
        return RunShapes(*args);
    if (args->command == QLatin1String("show"))
        return RunShow(*args);
    if (args->command == QLatin1String("export"))
        return RunExport(*args);
    if (args->command == QLatin1String("booklet"))
        return RunBooklet(*args);
    if (args->command == QLatin1String("import"))
        return RunImport(*args);
    if (args->command == QLatin1String("export-puzzles"))
        return RunExportPuzzles(*args);
    if (args->command == QLatin1String("delete"))
        return RunDelete(*args);
    if (args->command == QLatin1String("spell"))
        return RunSpell(*args);
    if (args->command == QLatin1String("suggest"))
        return RunSuggest(*args);
    return CliOutput::fail(QLatin1String(Usage));
}
