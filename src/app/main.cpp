// quorvex: the crossword construction program. It takes no arguments.
#include "app/MainWin.h"
#include "store/Directories.h"
#include "ui/MenuShortcuts.h"

#include <QApplication>
#include <csignal>

int main(int argc, char** argv)
{
    // A file grown past the size limit is a write error to report, not a silent end of the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex 97"));
    GiveMenuShortcutsPriority(app);
    TMainWin window(StartDirectory(), ProgramDirectory());
    window.show();
    return app.exec();
}
