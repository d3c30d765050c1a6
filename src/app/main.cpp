// quorvex: the crossword construction program. It takes no arguments.
#include "app/MainWin.h"
#include "store/Directories.h"
#include "ui/MenuShortcuts.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex 97"));
    GiveMenuShortcutsPriority(app);
    TMainWin window(StartDirectory(), ProgramDirectory());
    window.show();
    return app.exec();
}
