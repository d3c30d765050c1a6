// A child process for the settings kill test: the real main window on a start directory, some
// options chosen from its menus and a collection opened, then "ready" on standard output once the
// event loop has paused, and on until the parent kills it.
//
//   main_win_child START_DIR PROGRAM_DIR COLLECTION MENU_ITEM...
#include "app/MainWin.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: main_win_child START_DIR PROGRAM_DIR COLLECTION MENU_ITEM...\n");
        return 2;
    }
    TMainWin window(args[1], args[2], QSize(1280, 1024));
    window.show();
    window.OpenCollection(args[3]);
    for (const QString& name : args.mid(4)) {
        auto* item = window.findChild<QAction*>(name);
        if (!item) {
            std::fprintf(stderr, "no menu item %s\n", qPrintable(name));
            return 2;
        }
        item->trigger();
    }
    // The timer fires only after the loop has waited for it, so after it has paused once.
    QTimer::singleShot(200, [] {
        std::printf("ready\n");
        std::fflush(stdout);
    });
    return app.exec();
}
