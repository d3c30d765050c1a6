// quorvex: the crossword construction program. An optional argument names a puzzle collection
// (.QV3) to open at start, as a file manager passes it; without one the last collection opens.
#include "app/MainWin.h"
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

int main(int argc, char** argv)
{
    // A file grown past the size limit is a write error to report, not a silent end of the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex 97"));
    QApplication::setDesktopFileName(QStringLiteral("quorvex"));
    GiveMenuShortcutsPriority(app);
    InstallScaledStyle();
    TListPages::setDesigner(&TDoPages::Run);
    TMainWin window(StartDirectory(), ProgramDirectory());
    // The program's icon on every window, the same picture the desktop entry names; the main
    // window has registered the resources that hold it.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/quorvex.svg")));
    const QStringList arguments = QApplication::arguments();
    window.show();
    if (arguments.size() > 1)
        window.OpenCollection(QDir::cleanPath(QFileInfo(arguments.at(1)).absoluteFilePath()));
    return app.exec();
}
