// Build tool: pictures of the main windows for the help pages and the user manual, taken from the
// real windows on the sample collection: the main window, the word list editor, the four grids of
// a construction, the report window and the preview. Each is written as NAME.png and, twice as fine for print, NAME@2x.png. Run
// headless (QT_QPA_PLATFORM=offscreen); any message a window shows fails the run.
//   make_window_pictures BUILD_DIR OUT_FOLDER
#include "app/MainWin.h"
#include "build/ui/CreationAttempts.h"
#include "render/PageRenderer.h"
#include "render/RenderSettings.h"
#include "render/ui/MyPreview.h"
#include "render/ui/MyReport.h"
#include "render/ui/ReportPage.h"
#include "puzzle/ui/CreatedPuzzle.h"
#include "ui/MessageService.h"
#include "words/ui/WordList.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

/** Every message is a fault here: it is reported and answered as cancelled. */
class FailingMessages : public MessageService {
public:
    int shown = 0;
    void inform(QWidget*, const QString& text, const QString& caption, Icon) override { report(caption, text); }
    Button ask(QWidget*, const QString& text, const QString& caption, const QList<Button>&, Icon) override
    {
        report(caption, text);
        return Button::Cancel;
    }
    QString openFileName(QWidget*, const FileDialogRequest& request) override
    {
        report(QStringLiteral("file chooser"), request.title);
        return {};
    }
    QString saveFileName(QWidget*, const FileDialogRequest& request) override
    {
        report(QStringLiteral("file chooser"), request.title);
        return {};
    }
    void beep() override {}

private:
    void report(const QString& caption, const QString& text)
    {
        ++shown;
        std::fprintf(stderr, "make_window_pictures: unexpected message \"%s\": %s\n", qPrintable(caption),
                     qPrintable(text));
    }
};

QString outputFolder;
bool failed = false;

/** Shows a window, lets it lay itself out, and writes its picture at one and at two times the size. */
void take(QWidget* window, const QString& name)
{
    window->show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    for (const int scale : {1, 2}) {
        QImage image(window->size() * scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        image.fill(window->palette().window().color());
        QPainter painter(&image);
        window->render(&painter);
        painter.end();
        image.setDevicePixelRatio(1);
        const QString file = QDir(outputFolder).filePath(name + (scale == 1 ? QStringLiteral(".png")
                                                                            : QStringLiteral("@2x.png")));
        if (!image.save(file)) {
            std::fprintf(stderr, "make_window_pictures: cannot write %s\n", qPrintable(file));
            failed = true;
        }
    }
}

bool copyInto(const QString& from, const QString& to)
{
    QFile::remove(to);
    return QFile::copy(from, to);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: make_window_pictures BUILD_DIR OUT_FOLDER\n");
        return 2;
    }
    const QDir build(arguments.at(1));
    outputFolder = arguments.at(2);
    QDir().mkpath(outputFolder);

    // The windows work on copies, in folders of their own: nothing of the build is written.
    QTemporaryDir start;
    QTemporaryDir program;
    for (const char* name : {"QVFLAY.DAT", "QVFPAGE.DAT", "SAMPLE.QV3"}) {
        const QString file = QLatin1String(name);
        if (!copyInto(build.filePath(file), (file == QLatin1String("SAMPLE.QV3") ? start.path() : program.path())
                                                + QLatin1Char('/') + file)) {
            std::fprintf(stderr, "make_window_pictures: no %s in %s\n", name, qPrintable(build.path()));
            return 1;
        }
    }
    FailingMessages messages;
    MessageService::install(&messages);
    // A window left waiting for an answer must not hold up the build.
    QTimer::singleShot(60000, [] {
        std::fprintf(stderr, "make_window_pictures: a window is still waiting after a minute\n");
        std::_Exit(1);
    });

    TMainWin window(start.path(), program.path(), QSize(1024, 768));
    window.Context().settings.ShowTips = false;
    window.Context().settings.Attempts = 200;
    window.OpenCollection(QDir(start.path()).filePath(QStringLiteral("SAMPLE.QV3")));
    window.RequestSelection(QByteArrayLiteral("Food"), QByteArrayLiteral("Fruit Bowl"));
    window.LoadInPuzzles();
    take(&window, QStringLiteral("mainwindow"));

    // The word list editor as Copy Puzzle opens it, the sample's words and clues ready to create,
    // and the created puzzle view of its construction, taken and closed once it shows.
    TMainWinHooks hooks = window.Hooks();
    hooks.WordList = [&window](const QString& caption) {
        TWordList editor(window.Context(), &window);
        editor.setWindowTitle(caption);
        editor.setFixedSeed(97);
        take(&editor, QStringLiteral("wordlist"));
        bool taken = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            // The progress window of the run waits for its Ok once the run has ended.
            auto* progress = editor.findChild<TCreationAttempts*>();
            if (progress && progress->isVisible() && progress->isFinished())
                progress->CancelClick();
            auto* view = editor.findChild<TCreatedPuzzle*>();
            if (!view || !view->isVisible() || taken)
                return;
            taken = true;
            view->selectCandidate(1);
            take(view, QStringLiteral("created"));
            view->reject();
        });
        watch.start(20);
        editor.CreateItClick();
        if (!taken) {
            std::fprintf(stderr, "make_window_pictures: Create showed no created puzzle view\n");
            failed = true;
        }
    };
    // The report window as Print Puzzle opens it, and the preview that its View/Print shows.
    hooks.Report = [&window](const TPuzzleRecord& puzzle) {
        TMyReport report(window.Context(), puzzle, &window);
        take(&report, QStringLiteral("report"));
        auto page = std::make_shared<TReportPage>();
        const TPageLayout layout = PuzzleLayout(puzzle);
        RecordReport(puzzle, RenderOptionsFromSettings(window.Context().settings, layout), *page);
        TMyPreview preview(window.Context(), page, &window);
        preview.resize(600, 720);
        preview.show();
        QApplication::processEvents();
        preview.MenuZoomWholePageClick();
        take(&preview, QStringLiteral("preview"));
    };
    window.SetHooks(hooks);
    window.CopyPuzzle();
    window.PrintPuzzle();

    MessageService::install(nullptr);
    return failed || messages.shown > 0 ? 1 : 0;
}
