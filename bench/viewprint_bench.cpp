// How long a user waits on the way to a printed page, through the real windows in a fresh process:
// Print Puzzle until the report window is painted, View/Print until the status window says the
// page is made, and OK until the preview has painted its page. Every puzzle of the sample
// collection is taken in turn; the first one pays for the first use of the page fonts.
//
//   viewprint_bench [PROGRAM_FOLDER [COLLECTION.QV3]]
//     PROGRAM_FOLDER: the folder with SAMPLE.QV3, QVFPAGE.DAT, ...; this program's own unless given
//     COLLECTION.QV3: the puzzles to take; a copy of the sample collection unless given
// Runs on the platform QT_QPA_PLATFORM names (offscreen unless set; xcb for a real X server).
#include "app/MainWin.h"
#include "store/Directories.h"
#include "ui/ScaledStyle.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

/** Notes the first paint of each window of interest after it was reset. */
class PaintWatch : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && object->isWidgetType()) {
            const QString name = static_cast<QWidget*>(object)->window()->objectName();
            if (name == QLatin1String("MyReport"))
                ReportPainted = true;
            else if (name == QLatin1String("MyPreview") && object->objectName() == QLatin1String("PreviewPage"))
                PagePainted = true;
        }
        return false;
    }
    bool ReportPainted = false;
    bool PagePainted = false;
};

QWidget* shownWindow(const char* name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->objectName() == QLatin1String(name))
            return widget;
    return nullptr;
}

/** Clicks from the event loop: a click from the poll itself would run the next modal window's loop
 *  inside the poll, which then never fires again. */
void clickLater(QAbstractButton* button)
{
    QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
}

struct Times {
    qint64 Report = -1, Made = -1, Preview = -1;
};

/** Print Puzzle on the selected puzzle, then View/Print, OK and the preview, timed; closes all. */
Times timeOneRoad(TMainWin& window, PaintWatch& watch)
{
    Times times;
    QElapsedTimer clock;
    enum class Step { Report, Made, Preview, Done } step = Step::Report;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        // A step that never ends (a message in the way) names the windows shown instead of hanging.
        if (clock.elapsed() > 10000) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible())
                    std::fprintf(stderr, "viewprint_bench: stuck at step %d with \"%s\" shown\n", int(step),
                                 qPrintable(w->windowTitle()));
            std::exit(3);
        }
        switch (step) {
        case Step::Report:
            if (QWidget* report = shownWindow("MyReport"); report && watch.ReportPainted) {
                times.Report = clock.restart();
                step = Step::Made;
                clickLater(report->findChild<QAbstractButton*>(QStringLiteral("ViewPrintButton")));
            }
            break;
        case Step::Made:
            if (QWidget* status = shownWindow("ReportStatusScreen")) {
                if (auto* ok = status->findChild<QAbstractButton*>(QStringLiteral("OkButton"))) {
                    times.Made = clock.restart();
                    step = Step::Preview;
                    clickLater(ok);
                }
            }
            break;
        case Step::Preview:
            if (QWidget* preview = shownWindow("MyPreview"); preview && watch.PagePainted) {
                times.Preview = clock.elapsed();
                step = Step::Done;
                preview->close();
            }
            break;
        case Step::Done:
            if (QWidget* report = shownWindow("MyReport"))
                report->close();
            break;
        }
    });
    watch.ReportPainted = watch.PagePainted = false;
    poll.start();
    clock.start();
    window.findChild<QAction*>(QStringLiteral("MenuPrint"))->trigger();
    return times;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallScaledStyle();
    const QString program = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QCoreApplication::applicationDirPath();
    QTemporaryDir start;
    // A start folder without a collection: the first start opens a copy of the sample collection.
    QString collection = PrepareFirstStart(start.path(), program);
    if (argc > 2)
        collection = QString::fromLocal8Bit(argv[2]);
    else if (collection.isEmpty())
        collection = start.filePath(QStringLiteral("SAMPLE.QV3"));
    TMainWin window(start.path(), program, QSize(1280, 1024));
    TMainWinHooks hooks = window.Hooks();
    hooks.TipOfTheDay = [] {};
    window.SetHooks(hooks);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window) || !QFile::exists(collection)) {
        std::fprintf(stderr, "viewprint_bench: no window or no sample collection in %s\n", qPrintable(program));
        return 1;
    }
    window.OpenCollection(collection);
    PaintWatch watch;
    app.installEventFilter(&watch);

    auto* categories = window.findChild<QListWidget*>(QStringLiteral("CategoryBox"));
    auto* titles = window.findChild<QListWidget*>(QStringLiteral("PuzzleBox"));
    std::printf("%-28s %10s %10s %10s %10s\n", "puzzle", "report ms", "made ms", "preview ms", "total ms");
    qint64 worst = 0;
    for (int category = 0; category < categories->count(); ++category) {
        categories->setCurrentRow(category);
        for (int title = 0; title < titles->count(); ++title) {
            titles->setCurrentRow(title);
            const Times t = timeOneRoad(window, watch);
            const qint64 total = t.Report + t.Made + t.Preview;
            worst = std::max(worst, total);
            std::printf("%-28s %10lld %10lld %10lld %10lld\n", qPrintable(titles->item(title)->text()), t.Report,
                        t.Made, t.Preview, total);
        }
    }
    std::printf("worst total: %lld ms\n", worst);
    return 0;
}
