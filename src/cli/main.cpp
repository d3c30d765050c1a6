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
    "  quorvex-cli shapes [QVFLAY.DAT]   (the library's shapes, numbered as build takes them;\n"
    "                    the program folder's library unless given)\n"
    "  quorvex-cli list COLLECTION.QV3\n"
    "  quorvex-cli show COLLECTION.QV3 --record N\n"
    "  quorvex-cli export COLLECTION.QV3 --record N --format png|jpg|bmp|pdf|svg|wmf|emf|html|clues|words|ipuz|puz|\n"
    "                    solver|fitted [--answers] [--width PX] [--quality Q] [--layout-file FILE.PAG]\n"
    "                    [--enumerations] [--language american|british|spanish|italian|french|german|dutch|\n"
    "                    swedish] --out FILE   (--language: the web puzzle's own texts; the spelling language\n"
    "                    setting unless given)\n"
    "  quorvex-cli booklet COLLECTION.QV3 (--record N ... | --all | --category C) [--answers back|after|none|key]\n"
    "                    [--cover TITLE] [--page-numbers] [--layout-file FILE.PAG] --out BOOK.pdf\n"
    "  quorvex-cli import --from OTHER.QV3|OLD.QVZ|PUZZLE.puz|PUZZLE.ipuz [--record N ...] --into C.QV3\n"
    "                    (the puzzles are added one after another: an interrupted import keeps those\n"
    "                    added before it stopped)\n"
    "  quorvex-cli export-puzzles C.QV3 --record N ... --out OTHER.QV3\n"
    "  quorvex-cli delete COLLECTION.QV3 --record N [N ...]\n"
    "  quorvex-cli spell COLLECTION.QV3 --record N [--language american|british|spanish|italian|french|german|\n"
    "                    dutch|swedish]\n"
    "  quorvex-cli suggest --theme TOPIC [--sense N] [--count N] [--min-length L] [--max-length L] [--rarer]\n"
    "                    --out WORDS.txt\n"
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

    // A file name that is not valid UTF-8 would reach the file system as another name.
    for (int i = 1; i < argc; ++i) {
        if (QFile::encodeName(QFile::decodeName(argv[i])) != QByteArrayView(argv[i]))
            return CliOutput::fail(QStringLiteral("argument %1 is not valid UTF-8: a file name in it would be written "
                                                  "under another name").arg(i));
    }
    QStringList words = QCoreApplication::arguments().mid(1);
    if (words.contains(QLatin1String("--help")) || words.contains(QLatin1String("-h"))
        || (!words.isEmpty() && words.first() == QLatin1String("help"))) {
        CliOutput::line(QLatin1String(Usage));
        return 0;
    }
    // Every command; a new one adds its line here and declares its options beside its code.
    const CliCommand* const commands[] = {
        &BuildCommand,
        &ListCommand,
        &ShapesCommand,
        &ShowCommand,
        &ExportCommand,
        &ImportCommand,
        &ExportPuzzlesCommand,
        &DeleteCommand,
        &SpellCommand,
        &SuggestCommand,
        &BookletCommand,
    };
    QString error;
    const auto args = CliArguments::parse(words, commands, error);
    if (!args)
        return CliOutput::fail(error + QLatin1Char('\n') + QLatin1String(Usage), 2);
    if (!args->entry)
        return CliOutput::fail(QLatin1String(Usage));
    return args->entry->run(*args);
}
