#include "ui/AppContext.h"
#include "render/ui/MyPreview.h"
#include "render/ui/ViewPrint.h"
#include "store/Ansi.h"
#include "uisupport/UiTestEnvironment.h"
#include "PreviewTestSupport.h"

#include <QAction>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

using namespace PreviewTest;

namespace {

bool okShown(QWidget* status)
{
    return status->findChild<QPushButton*>(QStringLiteral("OkButton")) != nullptr;
}

class ViewPrintTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        context = std::make_unique<AppContext>(startDir.path(), programDir.path());
        puzzle = samplePuzzle();
    }
    /** Runs View/Print, pressing OK in the status window; preview receives the preview window. */
    void run(const TRenderOptions& options, std::function<void(TMyPreview*)> onPreview)
    {
        whenShown(QStringLiteral("ReportStatusScreen"), [this](QWidget* status) {
            statusText = status->findChild<QLabel*>(QStringLiteral("StatusLabel"))->text();
            status->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
        }, okShown);
        whenShown(QStringLiteral("MyPreview"), [onPreview](QWidget* w) {
            auto* preview = static_cast<TMyPreview*>(w);
            onPreview(preview);
            preview->findChild<QAction*>(QStringLiteral("ToolDone"))->trigger();
        });
        RunViewPrint(*context, puzzle, options, nullptr);
    }

    std::unique_ptr<AppContext> context;
    TPuzzleRecord puzzle;
    QString statusText;
};

TEST_F(ViewPrintTest, RunShowsStatusThenThePreviewAtTwoZooms)
{
    context->settings.ReportViewingWindowWidth = 700;
    context->settings.ReportViewingWindowHeight = 600;
    bool previewed = false;
    run(TRenderOptions{}, [&](TMyPreview* preview) {
        previewed = true;
        EXPECT_EQ(preview->windowTitle(), QStringLiteral("Puzzle Preview"));
        EXPECT_EQ(preview->Report().Fitted.PrintCount, ComputePrintCount(puzzle));
        // The preview is looked at by eye from these pictures when the tests run locally.
        const QString dir = qEnvironmentVariable("QUORVEX_SCREENSHOT_DIR");
        preview->SetZoom(50);
        const QImage half = preview->grab().toImage();
        preview->SetZoom(150);
        const QImage large = preview->grab().toImage();
        if (!dir.isEmpty()) {
            half.save(dir + QStringLiteral("/preview-50.png"));
            large.save(dir + QStringLiteral("/preview-150.png"));
        }
        EXPECT_EQ(half.size(), large.size());
        EXPECT_NE(half, large);
    });
    EXPECT_TRUE(previewed);
    EXPECT_EQ(statusText, QStringLiteral("Puzzle Generated!"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(ViewPrintTest, CancelStopsTheRunWithoutWarningOrPreview)
{
    // Clues that cannot fit would warn after a finished run.
    TPageLayout layout = PuzzleLayout(puzzle);
    for (int i = 0; i < layout.usedObjects(); ++i) {
        TPageObject& o = layout.Objects[std::size_t(i)];
        if (o.Kind == ObjectKind::AcrossClues || o.Kind == ObjectKind::DownClues) {
            o.TextFontSize = 200;
            o.MakeFit = false;
        }
    }
    setLayout(puzzle, layout);
    QString status;
    whenShown(QStringLiteral("ReportStatusScreen"), [](QWidget* window) {
        window->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
    }, [](QWidget* window) {
        return window->findChild<QLabel*>(QStringLiteral("StatusLabel"))->text() == QStringLiteral("Printing Page 1");
    });
    whenShown(QStringLiteral("ReportStatusScreen"), [&status](QWidget* window) {
        status = window->findChild<QLabel*>(QStringLiteral("StatusLabel"))->text();
        window->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    }, okShown);
    RunViewPrint(*context, puzzle, TRenderOptions{}, nullptr);
    EXPECT_EQ(status, QStringLiteral("Puzzle Generation Canceled!"));
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(shownWindow(QStringLiteral("MyPreview")), nullptr);
}

TEST_F(ViewPrintTest, OverflowWarningsFollowTheRunInOrder)
{
    TPageLayout layout = PuzzleLayout(puzzle);
    int textSlot = layout.usedObjects();
    for (int i = 0; i < textSlot; ++i) {
        TPageObject& o = layout.Objects[std::size_t(i)];
        if (o.Kind == ObjectKind::AcrossClues) {
            o.TextFontSize = 200;
            o.MakeFit = false;
            TPageObject text = o;
            text.Kind = ObjectKind::Text;
            text.setText(QByteArray(400, 'W'));
            layout.Objects[std::size_t(textSlot)] = text;
        }
    }
    layout.ObjectCount = std::int16_t(textSlot + 1);
    setLayout(puzzle, layout);
    run(TRenderOptions{}, [](TMyPreview*) {});
    const QStringList texts = messages.texts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[0].startsWith(QStringLiteral("Puzzle Clues would not fit in allocated space.  You will need")));
    EXPECT_EQ(texts[1], QStringLiteral(
        "Text would not fit in allocated space.  You will need to change the alotted text space on the page layout, "
        "change the font size for the text or select the \"Make It Fit\" attribute for the text object."));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Warning"));
}

TEST_F(ViewPrintTest, PrintsToPdfWithAndWithoutAnswers)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    TQtPrinterDriver driver;
    DriverScope scope(&driver);
    const QString clue = Ansi::toUnicode(puzzle.Clues[0].text());
    const QString word = withoutSpaces(Ansi::toUnicode(puzzle.Words[0].text()).toUpper());
    ASSERT_FALSE(clue.isEmpty());
    for (const bool answers : {false, true}) {
        SCOPED_TRACE(answers ? "answer key" : "puzzle");
        const QString path = startPath(answers ? QStringLiteral("answers.pdf") : QStringLiteral("puzzle.pdf"));
        driver.Printer().setOutputFormat(QPrinter::PdfFormat);
        driver.Printer().setOutputFileName(path);
        TRenderOptions options;
        options.AnswerKey = answers;
        run(options, [](TMyPreview* preview) {
            preview->findChild<QAction*>(QStringLiteral("MenuPrintPage"))->trigger();
        });
        const QString text = pdfText(path);
        EXPECT_TRUE(withoutSpaces(text).contains(withoutSpaces(clue))) << text.toStdString();
        // The first across word stands in its grid row only on the answer key.
        EXPECT_EQ(withoutSpaces(text).contains(word), answers) << text.toStdString();
    }
    EXPECT_TRUE(messages.texts().isEmpty());
}

} // namespace

TEST(PrinterDriver, PrintsOnThePrinterThatPrinterSetupEdits)
{
    // The report window's "Printer &Setup" edits ReportPrinter(); the preview must print on it.
    TQtPrinterDriver driver;
    EXPECT_EQ(&driver.Printer(), &ReportPrinter());
}

TEST_F(ViewPrintTest, AMissingPictureIsReportedWhileThePageIsMadeAndOverflowAfterIt)
{
    TPageLayout layout = PuzzleLayout(puzzle);
    const int slot = layout.usedObjects();
    for (int i = 0; i < slot; ++i) {
        TPageObject& o = layout.Objects[std::size_t(i)];
        if (o.Kind == ObjectKind::AcrossClues) {
            o.TextFontSize = 200;
            o.MakeFit = false;
        }
    }
    TPageObject picture = layout.Objects[0];
    picture.Kind = ObjectKind::Bitmap;
    picture.BitmapFile.setText(startPath(QStringLiteral("gone.bmp")).toLocal8Bit());
    layout.Objects[std::size_t(slot)] = picture;
    layout.ObjectCount = std::int16_t(slot + 1);
    setLayout(puzzle, layout);

    QStringList whileRunning;
    whenShown(QStringLiteral("ReportStatusScreen"), [&](QWidget* status) {
        whileRunning = messages.texts();
        status->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    }, okShown);
    whenShown(QStringLiteral("MyPreview"), [](QWidget* w) {
        w->findChild<QAction*>(QStringLiteral("ToolDone"))->trigger();
    });
    RunViewPrint(*context, puzzle, TRenderOptions{}, nullptr);
    EXPECT_EQ(whileRunning, QStringList{RenderLimits::MissingBitmapsWarning});
    ASSERT_EQ(messages.texts().size(), 2);
    EXPECT_EQ(messages.texts()[1], RenderLimits::ClueOverflowWarning);
}
