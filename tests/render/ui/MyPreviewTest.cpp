#include "ui/AppContext.h"
#include "render/ui/MyPreview.h"
#include "render/ui/PrinterDriver.h"
#include "uisupport/UiTestEnvironment.h"
#include "PreviewTestSupport.h"

#include <QAction>
#include <QLineEdit>
#include <QPageLayout>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <cmath>

using namespace PreviewTest;

namespace {

class MyPreviewTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        context = std::make_unique<AppContext>(startDir.path(), programDir.path());
        puzzle = samplePuzzle();
    }
    std::unique_ptr<TMyPreview> open()
    {
        auto preview = std::make_unique<TMyPreview>(*context, record(puzzle));
        preview->show();
        return preview;
    }
    QString box(TMyPreview& preview, const char* name)
    {
        return preview.findChild<QLineEdit*>(QLatin1String(name))->text();
    }
    void enter(TMyPreview& preview, const char* name, const QString& text)
    {
        auto* field = preview.findChild<QLineEdit*>(QLatin1String(name));
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    std::unique_ptr<AppContext> context;
    TPuzzleRecord puzzle;
};

TEST_F(MyPreviewTest, ZoomMenuItemsSetTheZoomAndBothBoxes)
{
    auto preview = open();
    const double dpi = preview->ScreenDotsPerInch();
    struct Case {
        const char* item;
        const char* zoomBox;
        double percent;
    };
    const Case cases[] = {
        {"MenuZoomIn2", "200.00", 200},   {"MenuZoomOut1", "100.00", 100}, {"MenuZoomOut2", "50.00", 50},
        {"MenuZoomOut3", "33.33", 100.0 / 3}, {"MenuZoomOut4", "25.00", 25}, {"MenuZoomOut5", "20.00", 20},
        {"MenuZoomIn1", "100.00", 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        preview->findChild<QAction*>(QLatin1String(c.item))->trigger();
        EXPECT_NEAR(preview->Zoom(), c.percent, 1e-9);
        EXPECT_EQ(box(*preview, "ZoomBox"), QLatin1String(c.zoomBox));
        // Letter paper: 8.5 inches at the screen's resolution and the zoom.
        EXPECT_EQ(box(*preview, "PixelBox"), QString::number(std::lround(8.5 * dpi * c.percent / 100)));
    }
}

TEST_F(MyPreviewTest, TypedZoomAndPixelWidthSetTheZoom)
{
    auto preview = open();
    enter(*preview, "ZoomBox", QStringLiteral("150"));
    EXPECT_DOUBLE_EQ(preview->Zoom(), 150.0);
    EXPECT_EQ(box(*preview, "ZoomBox"), QStringLiteral("150.00"));

    // A pixel width gives the zoom that makes the page that wide.
    const int halfWidth = preview->PageWidthPixels(50);
    enter(*preview, "PixelBox", QString::number(halfWidth));
    EXPECT_NEAR(preview->Zoom(), 50.0, 0.2);
    EXPECT_EQ(box(*preview, "PixelBox"), QString::number(halfWidth));

    enter(*preview, "ZoomBox", QStringLiteral("12.345"));
    EXPECT_EQ(box(*preview, "ZoomBox"), QStringLiteral("12.35"));

    // Rubbish and nought leave the zoom as it was and show it again.
    enter(*preview, "ZoomBox", QStringLiteral("abc"));
    EXPECT_EQ(box(*preview, "ZoomBox"), QStringLiteral("12.35"));
    enter(*preview, "PixelBox", QStringLiteral("0"));
    EXPECT_NEAR(preview->Zoom(), 12.345, 1e-9);
}

TEST_F(MyPreviewTest, PageWidthAndWholePageFitTheView)
{
    context->settings.ReportViewingWindowWidth = 700;
    context->settings.ReportViewingWindowHeight = 500;
    auto preview = open();
    QApplication::processEvents();
    auto* view = preview->findChild<QWidget*>(QStringLiteral("PreviewScroll"));
    ASSERT_NE(view, nullptr);

    preview->findChild<QAction*>(QStringLiteral("MenuZoomWholePage"))->trigger();
    const int wholeWidth = preview->PageWidthPixels(preview->Zoom());
    const int wholeHeight = int(std::lround(wholeWidth * 11 / 8.5));
    EXPECT_LE(wholeHeight, view->height());
    EXPECT_LE(wholeWidth, view->width());

    preview->findChild<QAction*>(QStringLiteral("MenuZoomPageWidth"))->trigger();
    const int pageWidth = preview->PageWidthPixels(preview->Zoom());
    EXPECT_GT(pageWidth, wholeWidth);
    EXPECT_LE(pageWidth, view->width());
    EXPECT_GT(pageWidth, view->width() - 60);
}

TEST_F(MyPreviewTest, ZoomToolButtonsStepThroughTheZoomSteps)
{
    auto preview = open();
    preview->findChild<QAction*>(QStringLiteral("ToolZoomIn"))->trigger();
    EXPECT_DOUBLE_EQ(preview->Zoom(), 150.0);
    preview->findChild<QAction*>(QStringLiteral("ToolZoomOut"))->trigger();
    preview->findChild<QAction*>(QStringLiteral("ToolZoomOut"))->trigger();
    EXPECT_DOUBLE_EQ(preview->Zoom(), 75.0);
    preview->SetZoom(60);
    preview->findChild<QAction*>(QStringLiteral("ToolZoomIn"))->trigger();
    EXPECT_DOUBLE_EQ(preview->Zoom(), 75.0);
}

TEST_F(MyPreviewTest, WindowGeometryComesFromAndGoesBackToTheSettings)
{
    Settings& settings = context->settings;
    settings.ReportViewingWindowWidth = 720;
    settings.ReportViewingWindowHeight = 530;
    auto preview = open();
    EXPECT_EQ(preview->size(), QSize(720, 530));
    preview->resize(650, 470);
    preview->findChild<QAction*>(QStringLiteral("MenuExit"))->trigger();
    EXPECT_FALSE(preview->isVisible());
    EXPECT_EQ(settings.ReportViewingWindowWidth, 650);
    EXPECT_EQ(settings.ReportViewingWindowHeight, 470);
    EXPECT_EQ(settings.ReportViewingWindowLeft, preview->x());
    EXPECT_EQ(settings.ReportViewingWindowTop, preview->y());
}

TEST_F(MyPreviewTest, PaperRequestsUseWindowsCodesAndTenthsOfAMillimetre)
{
    struct Case {
        const char* name;
        double width;
        double height;
        bool inches;
        TPaperRequest expected;
    };
    const Case cases[] = {
        {"Letter", 0, 0, true, {1, 0, 0, true}},      {"Legal", 0, 0, true, {5, 0, 0, true}},
        {"A4", 0, 0, false, {9, 0, 0, true}},         {"A5", 0, 0, false, {11, 0, 0, true}},
        {"B5", 0, 0, false, {13, 0, 0, true}},        {"Executive", 0, 0, true, {7, 0, 0, true}},
        {"Custom", 21.6, 27.9, false, {0, 2160, 2790, true}},
        {"Custom", 8.5, 11, true, {0, 2159, 2794, true}},
        {"Letterish", 5, 7, true, {0, 1270, 1778, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPageLayout layout;
        layout.PaperName.setText(QByteArray(c.name));
        layout.PaperWidth = c.width;
        layout.PaperHeight = c.height;
        layout.UseInches = c.inches;
        layout.Portrait = true;
        EXPECT_EQ(PaperRequestFor(layout), c.expected);
    }
    TPageLayout landscape;
    landscape.PaperName.setText(QByteArrayLiteral("A4"));
    landscape.Portrait = false;
    EXPECT_FALSE(PaperRequestFor(landscape).Portrait);
}

TEST_F(MyPreviewTest, CustomPaperReachesThePrinterAtItsSize)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    ApplyPaper(printer, {0, 2160, 2790, true});
    const QRectF page = printer.pageLayout().fullRect(QPageLayout::Millimeter);
    EXPECT_NEAR(page.width(), 216.0, 0.05);
    EXPECT_NEAR(page.height(), 279.0, 0.05);

    ApplyPaper(printer, {9, 0, 0, false});
    const QRectF a4 = printer.pageLayout().fullRect(QPageLayout::Millimeter);
    EXPECT_NEAR(a4.width(), 297.0, 0.5);
    EXPECT_NEAR(a4.height(), 210.0, 0.5);
}

TEST_F(MyPreviewTest, CopiesAreMadeByTheDriverOnlyBelowItsMaximum)
{
    CountingDriver driver;
    DriverScope scope(&driver);
    auto preview = open();
    struct Case {
        int copies;
        std::size_t jobs;
        int copiesPerJob;
    };
    for (const Case c : {Case{5, 1, 5}, Case{98, 1, 98}, Case{99, 99, 1}, Case{999, 999, 1}, Case{1, 1, 1}}) {
        SCOPED_TRACE(c.copies);
        driver.Jobs.clear();
        EXPECT_TRUE(preview->PrintCopies(c.copies));
        ASSERT_EQ(driver.Jobs.size(), c.jobs);
        for (const auto& job : driver.Jobs)
            EXPECT_EQ(job.Copies, c.copiesPerJob);
    }
    EXPECT_EQ(driver.Jobs.front().Paper, PaperRequestFor(PuzzleLayout(puzzle)));
}

TEST_F(MyPreviewTest, MultiCopiesDialogRefusesNonsenseAndPrintsTheCount)
{
    CountingDriver driver;
    DriverScope scope(&driver);
    auto preview = open();
    bool refusedStayedOpen = false;
    whenShown(QStringLiteral("MultiCopies"), [&](QWidget* dialog) {
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("CopiesBox"));
        EXPECT_EQ(field->text(), QStringLiteral("1"));
        EXPECT_EQ(field->maxLength(), 3);
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("OkButton"));
        for (const char* bad : {"0", "", "-3", "x"}) {
            field->setText(QLatin1String(bad));
            ok->click();
        }
        refusedStayedOpen = dialog->isVisible();
        field->setText(QStringLiteral("999"));
        ok->click();
    });
    preview->findChild<QAction*>(QStringLiteral("MenuMultipleCopies"))->trigger();
    EXPECT_TRUE(refusedStayedOpen);
    ASSERT_EQ(messages.texts().size(), 4);
    for (const auto& shown : messages.shown) {
        EXPECT_EQ(shown.text, QStringLiteral("Invalid number of copies entered."));
        EXPECT_EQ(shown.caption, QStringLiteral("Error"));
    }
    EXPECT_EQ(driver.Jobs.size(), 999u);
}

TEST_F(MyPreviewTest, BusyPrinterRefusesANewJob)
{
    CountingDriver driver;
    driver.Busy = true;
    DriverScope scope(&driver);
    auto preview = open();
    preview->findChild<QAction*>(QStringLiteral("MenuPrintPage"))->trigger();
    preview->findChild<QAction*>(QStringLiteral("ToolPrintPage"))->trigger();
    EXPECT_TRUE(driver.Jobs.empty());
    EXPECT_EQ(messages.texts(), QStringList(2, QStringLiteral("Previous print job has not yet finished.  Try again later.")));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));

    driver.Busy = false;
    preview->findChild<QAction*>(QStringLiteral("MenuPrintPage"))->trigger();
    ASSERT_EQ(driver.Jobs.size(), 1u);
    EXPECT_EQ(driver.Jobs[0].Copies, 1);
}

} // namespace

TEST_F(MyPreviewTest, MenuShortcutsWinOverTheEditingKeysOfItsFields)
{
    for (const char* field : {"ZoomBox", "PixelBox"}) {
        SCOPED_TRACE(field);
        auto preview = open();
        preview->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(preview.get()));
        auto* box = preview->findChild<QLineEdit*>(QLatin1String(field));
        box->setFocus();
        box->selectAll();
        const QString before = box->text();
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        EXPECT_FALSE(preview->isVisible());
        EXPECT_EQ(box->text(), before);
    }
}

TEST_F(MyPreviewTest, WithoutAPrinterThePagePrintsToAChosenPdfFile)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has printers";
    QPrinter printer(QPrinter::HighResolution);
    TQtPrinterDriver driver(printer);
    PreviewTest::DriverScope scope(&driver);
    auto preview = open();

    messages.files.push_back(startPath(QStringLiteral("page.pdf")));
    ASSERT_TRUE(preview->PrintCopies(1));
    QFile pdf(startPath(QStringLiteral("page.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
    // Each print asks for its file; cancelling prints nothing.
    EXPECT_FALSE(preview->PrintCopies(1));
    EXPECT_EQ(messages.fileRequests.size(), 2);
}
