// Every window fits the screen: at each screen size option it is scaled, text included, and stays
// within the screen that option names and within the screen's free area. Run once more by ctest
// on a 1280 x 1024 screen, where every option can be shown.
#include "MainWinTestSupport.h"

#include "app/ProductInfo.h"
#include "app/TipOfTheDay.h"
#include "app/UserManualNotice.h"
#include "export/ui/BitmapWidth.h"
#include "pages/ui/BorderInfo.h"
#include "pages/ui/DoPages.h"
#include "pages/ui/FillInfo.h"
#include "render/ui/MyPreview.h"
#include "pages/ui/NumbersInPuzzle.h"
#include "pages/ui/ObjectProperties.h"
#include "pages/ui/ObjectText.h"
#include "pages/ui/PuzzleProperties.h"
#include "render/ui/ReportPage.h"
#include "pages/ui/SizePosition.h"
#include "store/ui/ExportPuzzles.h"
#include "store/ui/ImportPuzzles.h"
#include "words/ui/DoIntChars.h"
#include "words/ui/Import.h"
#include "words/ui/LanguageChoice.h"
#include "words/ui/MyEditBox.h"
#include "words/ui/MyExport.h"
#include "words/ui/SpellSuggestions.h"
#include "words/ui/ThesSuggestions.h"
#include "words/ui/WordLetters.h"
#include "render/ui/BonusQuestion.h"
#include "render/ui/ClueHeaders.h"
#include "pages/ui/ExtractAPuzzle.h"
#include "export/ui/HtmlCreation.h"
#include "export/ui/JpegFactor.h"
#include "pages/ui/ListPages.h"
#include "render/ui/MultiCopies.h"
#include "render/ui/MyReport.h"
#include "render/ui/PartialAnswer.h"
#include "puzzle/ui/AddAClue.h"
#include "puzzle/ui/AddWords.h"
#include "puzzle/ui/CreatedPuzzle.h"
#include "shapes/ui/DoShapes.h"
#include "shapes/ui/SelectShapes.h"
#include "ui/HelpWindow.h"
#include "ui/QtMessageService.h"
#include "ui/WindowFit.h"
#include "ui/WindowSetup.h"
#include "words/ui/WordList.h"

#include <QCheckBox>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QScreen>
#include <QToolButton>
#include <cstdio>
#include <functional>
#include <memory>

using WindowFitTest = MainWinTest;

namespace {

using WindowMaker = std::function<std::unique_ptr<QWidget>(AppContext&)>;

struct NamedWindow {
    const char* name;
    WindowMaker make;
};

template <typename Window, typename... Args>
WindowMaker maker(Args... args)
{
    return [=](AppContext& context) -> std::unique_ptr<QWidget> { return std::make_unique<Window>(context, args...); };
}

/** Every window but the main window, as the commands open them. */
std::vector<NamedWindow> allDialogs()
{
    const TPuzzleRecord puzzle = MakePuzzle("Animals", "Cats");
    return {
        {"WordList", maker<TWordList>()},
        {"CreatedPuzzle", maker<TCreatedPuzzle>()},
        {"EnlargedPuzzle", maker<TEnlargedPuzzle>(puzzle, QStringLiteral("Candidate 1"))},
        {"AddWords", maker<TAddWords>(int(TAddWords::FromMainWindow))},
        {"AddAClue", maker<TAddAClue>(QByteArray("CATS"))},
        {"SelectShapes", maker<TSelectShapes>()},
        {"DoShapes", maker<TDoShapes>(int(TDoShapes::NewShape), 0)},
        {"ListPages", maker<TListPages>(int(TListPages::Manage), static_cast<TPageLayout*>(nullptr))},
        {"ExtractAPuzzle", maker<TExtractAPuzzle>()},
        {"MyReport", maker<TMyReport>(puzzle)},
        {"PartialAnswer", maker<TPartialAnswer>(puzzle, TPartialAnswer::Flags{})},
        {"BonusQuestion", maker<TBonusQuestion>(QStringLiteral("Which animal purrs?"))},
        {"ClueHeaders", maker<TClueHeaders>(QStringLiteral("Clue Headers"))},
        {"HtmlCreation", maker<THtmlCreation>(THtmlCreation::PageImage([](int width) {
             QImage image(width, width, QImage::Format_RGB32);
             image.fill(Qt::white);
             return image;
         }))},
        {"MultiCopies", maker<TMultiCopies>()},
        {"BitmapWidth", maker<TBitmapWidth>(TBitmapWidth::Mode::Bitmap)},
        {"JpegFactor", maker<TJpegFactor>()},
        {"TipOfTheDay", maker<TTipOfTheDay>()},
        {"HelpWindow", [](AppContext& context) -> std::unique_ptr<QWidget> { return std::make_unique<THelpWindow>(context); }},
        {"About", maker<TProductInfo>(TProductInfo::About)},
        {"OtherProducts", maker<TProductInfo>(TProductInfo::OtherProducts)},
        {"Order", maker<TProductInfo>(TProductInfo::Order)},
        {"UserManualNotice", maker<TUserManualNotice>()},
        {"DoIntChars", maker<TDoIntChars>()},
        {"WordLetters", maker<TWordLetters>()},
        {"Import", maker<TImport>(QList<WordListTransfer::GridRow>(3))},
        {"MyExport", maker<TMyExport>(QList<WordListTransfer::GridRow>(3), true)},
        {"MyEditBox", maker<TMyEditBox>(TMyEditBox::ListKind::Inclusion)},
        {"LanguageChoice", [](AppContext& context) -> std::unique_ptr<QWidget> {
             static int remembered = 0;
             const QList<TLanguageChoice::Option> options{{1, QStringLiteral("&American"), true},
                                                          {2, QStringLiteral("&British"), false}};
             return std::make_unique<TLanguageChoice>(context, QStringLiteral("Choose Dictionary"), options, remembered);
         }},
        {"SpellSuggestions", maker<TSpellSuggestions>(QStringLiteral("American"))},
        {"ThesSuggestions", maker<TThesSuggestions>(1, QStringLiteral("happy"))},
        {"ImportPuzzles", maker<TImportPuzzles>(QStringLiteral("OTHER.QV3"))},
        {"ExportPuzzles", maker<TExportPuzzles>()},
        {"ObjectText", maker<TObjectText>(PageObjectOf(ObjectKind::Text))},
        {"ObjectProperties", maker<TObjectProperties>(PageObjectOf(ObjectKind::Title))},
        {"PuzzleProperties", maker<TPuzzleProperties>(PageObjectOf(ObjectKind::Puzzle))},
        {"NumbersInPuzzle", maker<TNumbersInPuzzle>(PageObjectOf(ObjectKind::Puzzle))},
        {"BorderInfo", maker<TBorderInfo>(PageObjectOf(ObjectKind::Rectangle))},
        {"FillInfo", [](AppContext& context) -> std::unique_ptr<QWidget> {
             TPageObject rectangle = PageObjectOf(ObjectKind::Rectangle);
             rectangle.Name.setText("Rectangle 1");
             return std::make_unique<TFillInfo>(context, rectangle);
         }},
        {"SizePosition", maker<TSizePosition>(PageObjectOf(ObjectKind::Title), 48, true, QSize(408, 528))},
        // The construction, report and metafile progress windows start their work as soon as they
        // are shown, and are left out here.
    };
}

/** Windows that come back at the place and size they were left at, larger than the screen. */
std::vector<NamedWindow> rememberingWindows()
{
    const TPuzzleRecord puzzle = MakePuzzle("Animals", "Cats");
    return {
        {"PageDesigner", [](AppContext& context) -> std::unique_ptr<QWidget> {
             context.settings.PageDesignerWindowLeft = -300;
             context.settings.PageDesignerWindowTop = 900;
             context.settings.PageDesignerWindowWidth = 3000;
             context.settings.PageDesignerWindowHeight = 2000;
             return std::make_unique<TDoPages>(context, TPageLayout{}, TDoPages::DesignMode::New, -1);
         }},
        {"Preview", [puzzle](AppContext& context) -> std::unique_ptr<QWidget> {
             context.settings.ReportViewingWindowLeft = 2500;
             context.settings.ReportViewingWindowTop = -40;
             context.settings.ReportViewingWindowWidth = 2600;
             context.settings.ReportViewingWindowHeight = 1900;
             auto report = std::make_shared<TReportPage>();
             EXPECT_TRUE(RecordReport(puzzle, TRenderOptions{}, *report));
             return std::make_unique<TMyPreview>(context, report);
         }},
    };
}

struct ScreenOption {
    int size;
    double factor;
    QSize named;
};

const ScreenOption Options[] = {{640, 1.0, {640, 480}}, {800, 1.25, {800, 600}}, {1024, 1.6, {1024, 768}},
                                {1280, 2.0, {1280, 1024}}};

QRect freeArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

/** Saves a picture of a window when QUORVEX_SCREENSHOT_DIR names a folder (for looking at it). */
void keepPicture(QWidget* window, const QString& name)
{
    const QString dir = qEnvironmentVariable("QUORVEX_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        window->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

/** Shows a window, lets its layout settle, and checks where it ended up. */
void expectFits(QWidget* window, const ScreenOption& option, const QString& name)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QTest::qWait(10);
    const QRect frame = window->frameGeometry();
    const QRect area = freeArea();
    // The screen the option names when this screen can show it, else the free area.
    const QSize limit = option.named.boundedTo(area.size());
    EXPECT_LE(frame.width(), limit.width()) << qPrintable(name) << " at " << option.size;
    EXPECT_LE(frame.height(), limit.height()) << qPrintable(name) << " at " << option.size;
    EXPECT_TRUE(area.contains(frame)) << qPrintable(name) << " at " << option.size << ": " << frame.x() << ","
                                      << frame.y() << " " << frame.width() << "x" << frame.height();
    // The title bar's text in its own font, with room for the bar's buttons, is not cut.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    EXPECT_GE(window->width(), QFontMetrics(titleFont).horizontalAdvance(window->windowTitle()) + 100)
        << qPrintable(name) << " at " << option.size;
    std::printf("[ size     ] %-18s at %4d: %4d x %4d\n", qPrintable(name), option.size, frame.width(), frame.height());
    keepPicture(window, QStringLiteral("%1-%2").arg(name).arg(option.size));
}

} // namespace

TEST_F(WindowFitTest, EveryDialogIsScaledWithItsTextAndFitsTheScreenAtEverySize)
{
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}, {"Animals", "Dogs"}});
    for (const NamedWindow& entry : allDialogs()) {
        const QString name = QLatin1String(entry.name);
        QSize designSize;
        qreal designPoints = 0;
        for (const ScreenOption& option : Options) {
            AppContext context(startDir.path(), programDir.path());
            context.Working.CurrentPuzzle = MakePuzzle("Animals", "Cats");
            context.ScaleFactor = option.factor;
            std::unique_ptr<QWidget> window = entry.make(context);
            const auto labels = window->findChildren<QLabel*>();
            QLabel* label = labels.isEmpty() ? nullptr : labels.constFirst();
            if (option.factor == 1.0)
                designPoints = label ? label->font().pointSizeF() : 0;
            expectFits(window.get(), option, name);
            // A window without a design size of its own takes its layout's size when first shown.
            if (option.factor == 1.0)
                designSize = window->size();
            // Text grows with the window: by the factor where the screen shows the size it names,
            // else as far as the free area lets the window's controls grow.
            const bool roomy = freeArea().size().expandedTo(option.named) == freeArea().size();
            if (label && designPoints > 0) {
                if (roomy)
                    EXPECT_NEAR(label->font().pointSizeF(), designPoints * option.factor, 0.01) << qPrintable(name);
                else
                    EXPECT_GE(label->font().pointSizeF(), designPoints - 0.01) << qPrintable(name);
            }
            // Where the screen has room, the window is its design size times the factor (or more
            // when its text needs it).
            const QSize decoration = window->frameGeometry().size() - window->size();
            const QSize scaled(int(designSize.width() * option.factor), int(designSize.height() * option.factor));
            if (freeArea().size().expandedTo(scaled + decoration) == freeArea().size()) {
                EXPECT_GE(window->width(), scaled.width() - 1) << qPrintable(name) << " at " << option.size;
            }
            window->close();
        }
    }
}

TEST_F(WindowFitTest, WindowsThatRememberTheirPlaceComeBackOnTheScreen)
{
    for (const NamedWindow& entry : rememberingWindows()) {
        AppContext context(startDir.path(), programDir.path());
        std::unique_ptr<QWidget> window = entry.make(context);
        expectFits(window.get(), Options[3], QLatin1String(entry.name));
        window->close();
    }
}

TEST_F(WindowFitTest, TheMainWindowFitsTheScreenAtEverySize)
{
    for (const ScreenOption& option : Options) {
        writeSettings([&](Settings& s) { s.WindowSize = option.size; });
        start(QGuiApplication::primaryScreen()->size());
        expectFits(window.get(), option, QStringLiteral("MainWin"));
        window->close();
    }
}

TEST_F(WindowFitTest, PreparingAgainStartsFromTheDesignSoNothingAccumulates)
{
    AppContext context(startDir.path(), programDir.path());
    TClueHeaders dialog(context, QStringLiteral("Clue Headers"));
    auto* label = dialog.findChild<QLabel*>();
    const qreal designPoints = label->font().pointSizeF();
    const QSize design = dialog.size();
    context.ScaleFactor = 1.25;
    PrepareDialog(&dialog, context);
    PrepareDialog(&dialog, context);
    EXPECT_EQ(dialog.size(), QSize(int(design.width() * 1.25), int(design.height() * 1.25)));
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), designPoints * 1.25);
    context.ScaleFactor = 1.0;
    PrepareDialog(&dialog, context);
    EXPECT_EQ(dialog.size(), design);
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), designPoints);
}

TEST_F(WindowFitTest, AWindowLargerThanTheScreenIsShrunkAndCentredOnIt)
{
    QDialog dialog;
    dialog.resize(3000, 2000);
    const QRect area(100, 50, 800, 600);
    FitOnScreen(&dialog, area);
    EXPECT_EQ(dialog.size(), QSize(800, 600));
    EXPECT_EQ(dialog.pos(), QPoint(100, 50));
    dialog.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    dialog.resize(400, 300);
    FitOnScreen(&dialog, area);
    EXPECT_EQ(dialog.size(), QSize(400, 300));
    EXPECT_EQ(dialog.pos(), QPoint(300, 200));
}

TEST_F(WindowFitTest, DisabledCheckBoxesLookDisabledWhateverTheUserFontColour)
{
    AppContext context(startDir.path(), programDir.path());
    context.settings.LabelFont.Color = 0x000000FF; // red
    QDialog dialog;
    auto* enabled = new QCheckBox(QStringLiteral("Shrin&k"), &dialog);
    auto* disabled = new QCheckBox(QStringLiteral("&Quick Create"), &dialog);
    disabled->setEnabled(false);
    const QColor greyed = disabled->palette().color(QPalette::Disabled, QPalette::WindowText);
    ApplyUserFonts(&dialog, context);
    EXPECT_EQ(enabled->palette().color(QPalette::Active, QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(disabled->palette().color(QPalette::Disabled, QPalette::WindowText), greyed);
    EXPECT_NE(greyed, QColor(255, 0, 0));

    // What is drawn differs too: the disabled box's text is not in the user's colour.
    enabled->setText(QStringLiteral("MMMM"));
    disabled->setText(QStringLiteral("MMMM"));
    const auto countRed = [](const QImage& image) {
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                red += c.red() > 180 && c.green() < 90 && c.blue() < 90;
            }
        return red;
    };
    enabled->adjustSize();
    disabled->adjustSize();
    EXPECT_GT(countRed(enabled->grab().toImage()), 10);
    EXPECT_EQ(countRed(disabled->grab().toImage()), 0);
}

namespace {

/** What grows with the factor in a shown window: its size, its text, a style size and its picture. */
struct Measured {
    QSize size;
    qreal points = 0;
    int styleSize = 0;
    QSize picture;
    QPoint placed; ///< where a click on the designer's page placed an object, design pixels
};

void showSettled(QWidget* window, const AppContext& context)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QTest::qWait(10);
    keepPicture(window, window->objectName() + QString::number(context.ScaleFactor));
}

Measured measureDesigner(AppContext& context)
{
    TDoPages window(context, TPageLayout{}, TDoPages::DesignMode::New, -1);
    showSettled(&window, context);
    // The whole page shows, unless the window already fills the free area that way.
    const auto* scroll = window.findChild<QScrollArea*>(QStringLiteral("PageScroll"));
    const QSize page = scroll->widget()->minimumSizeHint();
    const QSize outer = window.frameGeometry().size();
    EXPECT_TRUE(scroll->viewport()->width() >= page.width() || outer.width() >= freeArea().width());
    EXPECT_TRUE(scroll->viewport()->height() >= page.height() || outer.height() >= freeArea().height());
    QTest::mouseClick(window.paletteButton(ObjectKind::Title), Qt::LeftButton);
    QTest::mouseClick(window.canvas(), Qt::LeftButton, {}, QPoint(48, 24) * context.ScaleFactor);
    const TObjectBounds& placed = window.layout().Objects[0].Bounds;
    const auto* radio = window.findChild<QRadioButton*>(QStringLiteral("PortraitButton"));
    return {window.size(), radio->font().pointSizeF(), radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio),
            window.canvas()->size(), QPoint(placed.Left, placed.Top)};
}

Measured measurePreview(AppContext& context)
{
    auto report = std::make_shared<TReportPage>();
    EXPECT_TRUE(RecordReport(MakePuzzle("Animals", "Cats"), TRenderOptions{}, *report));
    TMyPreview window(context, report);
    showSettled(&window, context);
    const auto* label = window.findChild<QLabel*>();
    return {window.size(), label->font().pointSizeF(), label->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, label),
            window.findChild<QWidget*>(QStringLiteral("PreviewPage"))->size(), QPoint()};
}

Measured measureMessageBox(AppContext& context)
{
    QDialog owner;
    PrepareDialog(&owner, context);
    Measured measured;
    onNextDialog([&measured, &context](QWidget* box) {
        keepPicture(box, QStringLiteral("MessageBox") + QString::number(context.ScaleFactor));
        const auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        const auto* icon = box->findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
        measured = {box->size(), text->font().pointSizeF(),
                    text->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, text), icon->pixmap().size(), QPoint()};
        box->close();
    });
    QtMessageService().inform(&owner, QStringLiteral("The page layout was not found."), QStringLiteral("Notice"),
                              MessageService::Icon::Information);
    return measured;
}

} // namespace

TEST_F(WindowFitTest, AtTwiceTheSizeTheDesignerThePreviewAndAMessageBoxAreTwiceAsLargeWithTheirText)
{
    const std::pair<const char*, Measured (*)(AppContext&)> windows[] = {
        {"PageDesigner", measureDesigner}, {"Preview", measurePreview}, {"MessageBox", measureMessageBox}};
    for (const auto& [name, measure] : windows) {
        Measured at[2];
        for (int i = 0; i < 2; ++i) {
            AppContext context(startDir.path(), programDir.path());
            context.ScaleFactor = i == 0 ? 1.0 : 2.0;
            at[i] = measure(context);
        }
        EXPECT_DOUBLE_EQ(at[1].points, 2 * at[0].points) << name;
        EXPECT_EQ(at[1].styleSize, 2 * at[0].styleSize) << name;
        EXPECT_EQ(at[1].placed, at[0].placed) << name;
        EXPECT_NEAR(at[1].picture.width(), 2 * at[0].picture.width(), 1) << name;
        EXPECT_NEAR(at[1].picture.height(), 2 * at[0].picture.height(), 1) << name;
        // Twice as large, as far as the free area goes (a few pixels of frame aside).
        const QSize twice = (at[0].size * 2).boundedTo(freeArea().size());
        EXPECT_NEAR(at[1].size.width(), twice.width(), twice.width() * 0.04) << name;
        EXPECT_NEAR(at[1].size.height(), twice.height(), twice.height() * 0.04) << name;
        std::printf("[ twice    ] %-12s %4d x %4d -> %4d x %4d\n", name, at[0].size.width(), at[0].size.height(),
                    at[1].size.width(), at[1].size.height());
    }
}
