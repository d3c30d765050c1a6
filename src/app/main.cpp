// quorvex: the crossword construction program. An optional argument names a puzzle collection
// (.QV3) to open at start, as a file manager passes it; without one the last collection opens.
#include "app/MainWin.h"
#include "store/Directories.h"
#include "ui/MenuShortcuts.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex 97"));
    QApplication::setDesktopFileName(QStringLiteral("quorvex"));
    GiveMenuShortcutsPriority(app);
    TMainWin window(StartDirectory(), ProgramDirectory());
    const QStringList arguments = QApplication::arguments();
    window.show();
    if (arguments.size() > 1)
        window.OpenCollection(QDir::cleanPath(QFileInfo(arguments.at(1)).absoluteFilePath()));
    return app.exec();
}
