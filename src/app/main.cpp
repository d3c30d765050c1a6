// quorvex: the crossword construction program. An optional argument names a puzzle collection
// (.QV3) to open at start, as a file manager passes it; without one the last collection opens.
#include "app/CommandLine.h"
#include "app/MainWin.h"
#include "app/ProductInfo.h"
#include "pages/ui/DoPages.h"
#include "store/Directories.h"
#include "ui/MenuShortcuts.h"
#include "ui/ScaledStyle.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QStringList>
#include <csignal>
#include <cstdio>

int main(int argc, char** argv)
{
    // The command line is read before any window exists, so --help works without a display.
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words.append(QString::fromLocal8Bit(argv[i]));
    const TCommandLine line = TCommandLine::Parse(words);
    switch (line.action) {
    case TCommandLine::Help:
        std::fputs(TCommandLine::Usage().toLocal8Bit().constData(), stdout);
        return 0;
    case TCommandLine::Version:
        std::printf("Quorvex %s\n", TProductInfo::Version().toLocal8Bit().constData());
        return 0;
    case TCommandLine::Refuse:
        std::fprintf(stderr, "quorvex: %s\n%s", line.Message.toLocal8Bit().constData(),
                     TCommandLine::Usage().toLocal8Bit().constData());
        return 2;
    case TCommandLine::Run:
        break;
    }

    // A file grown past the size limit is a write error to report, not a silent end of the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex 97"));
    QApplication::setDesktopFileName(QStringLiteral("quorvex"));
    GiveMenuShortcutsPriority(app);
    InstallScaledStyle();
    TListPages::setDesigner(&TDoPages::Run);
    QString collection = line.Collection.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(line.Collection).absoluteFilePath());
    if (collection.isEmpty())
        collection = PrepareFirstStart(StartDirectory(), ProgramDirectory());
    TMainWin window(StartDirectory(), ProgramDirectory());
    // The program's icon on every window, the same picture the desktop entry names; the main
    // window has registered the resources that hold it.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/quorvex.svg")));
    window.show();
    if (!collection.isEmpty())
        window.OpenCollection(collection);
    return app.exec();
}
