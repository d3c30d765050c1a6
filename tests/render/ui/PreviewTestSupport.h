#pragma once
// Shared pieces of the preview tests: a constructed sample puzzle, a recorded report, a printer
// driver that counts jobs, and acting on modal windows once they are shown.

#include "pages/PageLayout.h"
#include "render/Booklet.h"
#include "render/ui/PrinterDriver.h"
#include "render/ui/ReportPage.h"
#include "store/Collection.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace PreviewTest {

/** The first puzzle of the built sample collection (constructed, with its layout). */
inline TPuzzleRecord samplePuzzle()
{
    TPuzzleRecord puzzle;
    const QString sample = QStringLiteral(QUORVEX_BUILD_DIR "/SAMPLE.QV3");
    EXPECT_TRUE(ReadPuzzle(sample, 0, puzzle).isOk()) << "the build makes SAMPLE.QV3";
    return puzzle;
}

/**
 * The text of a PDF file through pdftotext (pages end in a form feed), or of one page when page is
 * given; empty when the tool is missing.
 */
inline QString pdfText(const QString& path, int page = 0)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {};
    QStringList args{QStringLiteral("-raw")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    QProcess process;
    process.start(tool, args << path << QStringLiteral("-"));
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString withoutSpaces(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

/** Replaces the puzzle's layout. */
inline void setLayout(TPuzzleRecord& puzzle, const TPageLayout& layout)
{
    const QByteArray bytes = layout.toBytes();
    std::copy(bytes.begin(), bytes.end(), reinterpret_cast<char*>(puzzle.PageLayout.data()));
}

/** A report recorded from the puzzle with the options. */
inline std::shared_ptr<TReportPage> record(const TPuzzleRecord& puzzle, const TRenderOptions& options = {})
{
    auto report = std::make_shared<TReportPage>();
    EXPECT_TRUE(RecordReport(puzzle, options, *report));
    return report;
}

/** The top-level widget with that object name that is visible, or nullptr. */
inline QWidget* shownWindow(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

/**
 * Acts on a window as soon as it is shown (polled from the event loop, so modal exec() calls can
 * be answered). ready, when given, must also hold before the action runs. Gives up after 10 s.
 */
inline void whenShown(const QString& name, std::function<void(QWidget*)> action,
                      std::function<bool(QWidget*)> ready = {})
{
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* w = shownWindow(name);
        if ((w && (!ready || ready(w))) || clock->elapsed() > 10000) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            if (w)
                action(w);
            else
                ADD_FAILURE() << "window never shown: " << name.toStdString();
        }
    });
    timer->start();
}

/** A printer driver that records its jobs and makes at most MaxDriverCopies copies itself. */
class CountingDriver : public TPrinterDriver {
public:
    struct Job {
        TPaperRequest Paper;
        int Copies;
    };
    int MaxDriverCopies = 99;
    bool Busy = false;
    std::vector<Job> Jobs;

    int MaxCopies() override { return MaxDriverCopies; }
    bool JobRunning() override { return Busy; }
    bool PrintPage(const TReportPage&, const TPaperRequest& paper, int copies, QString&) override
    {
        Jobs.push_back({paper, copies});
        return true;
    }
    bool PrintBooklet(TBooklet&, int copies, TBookletResult& result) override
    {
        Jobs.push_back({{}, copies});
        result.Ok = true;
        return true;
    }
    bool Setup(QWidget*) override
    {
        ++SetupCalls;
        return false;
    }
    bool HasPrinters() override { return Printers; }

    int SetupCalls = 0;
    bool Printers = true;
};

/** Installs a driver for the scope of a test. */
struct DriverScope {
    explicit DriverScope(TPrinterDriver* driver) { InstallPrinterDriver(driver); }
    ~DriverScope() { InstallPrinterDriver(nullptr); }
};

} // namespace PreviewTest
