// The main window's menus, screen sizes, background, settings-only options, default clue headers and help.
#include "MainWinTestSupport.h"

#include "app/Background.h"
#include "ui/ScreenSize.h"
#include "ui/TypedTextGuard.h"
#include "ui/WindowSetup.h"
#include "render/ui/ClueHeaders.h"
#include "render/ui/PreviewTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <cmath>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <csignal>

using MainWinOptionsTest = MainWinTest;

namespace {

void click(QWidget* dialog, const char* button)
{
    auto* b = dialog->findChild<QPushButton*>(QLatin1String(button));
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

TEST_F(MainWinOptionsTest, CommandsCarryTheirCaptionsShortcutsAndToolbarHints)
{
    start();
    struct Command {
        const char* name;
        const char* caption;
        const char* shortcut;
        const char* hint; // nullptr: no toolbar button
    } commands[] = {
        {"MenuNewGroup", "&New Puzzle Collection File", "Ctrl+N", "Create New Puzzle Collection File"},
        {"MenuOpenGroup", "&Open Puzzle Collection File", "Ctrl+O", "Open Puzzle Collection File"},
        {"MenuNewPuzzle", "Ne&w Puzzle", "Ctrl+W", "Create New Puzzle"},
        {"MenuModify", "&Modify Puzzle", "Ctrl+M", "Modify Puzzle"},
        {"MenuCopy", "&Copy Puzzle", "Ctrl+C", "Copy Puzzle"},
        {"MenuDelete", "&Delete Puzzle", "Ctrl+D", "Delete Puzzle"},
        {"MenuImport", "&Import Puzzles", "Ctrl+I", "Import Puzzles"},
        {"MenuExport", "&Export Puzzles", "Ctrl+E", "Export Puzzles"},
        {"MenuPrint", "&Print Puzzle", "Ctrl+P", "Print Puzzle"},
        {"MenuPrinterSetup", "Printer &Setup", "Ctrl+S", nullptr},
        {"MenuExit", "E&xit", "Ctrl+X", "Exit Program"},
        {"MenuPageLayout", "&Page Layout", "Ctrl+L", "Page Layout Designer"},
        {"MenuPuzzleShape", "Puzzle &Shape", "Ctrl+H", "Create Puzzle Shape"},
        {"MenuPuzzleWords", "Puzzle &Words", "Ctrl+F", "Modify Puzzle Words"},
        {"MenuClueHeaders", "&Clue Headers", "Ctrl+H", nullptr},
        {"MenuHelpContents", "&Contents", "Ctrl+K", "Help"},
        {"MenuScreen640", "640 x 480", "Ctrl+F1", nullptr},
        {"MenuScreen800", "800 x 600", "Ctrl+F2", nullptr},
        {"MenuScreen1024", "1024 x 768", "Ctrl+F3", nullptr},
        {"MenuScreen1280", "1280 x 1024", "Ctrl+F4", nullptr},
        {"MenuBackground", "&Background Bitmap", "Ctrl+G", nullptr},
        {"MenuLabelFont", "&Label Font", "Shift+F8", nullptr},
        {"MenuEditFont", "E&dit Font", "Shift+F9", nullptr},
        {"MenuButtonFont", "B&utton Font", "Shift+F10", nullptr},
        {"MenuDictionaryChoose", "&Choose At Spell Check Time", "", nullptr},
        {"MenuDictionary8", "S&wedish", "", nullptr},
        {"MenuThesaurusChoose", "&Choose at Thesaurus Use Time", "", nullptr},
        {"MenuColors16M", "&16 Million Colors", "", nullptr},
        {"MenuColors256", "&256 Colors", "", nullptr},
        {"MenuUserManual", "&User Manual", "", nullptr},
    };
    auto* toolBar = window->findChild<QToolBar*>(QStringLiteral("ToolBar"));
    ASSERT_NE(toolBar, nullptr);
    for (const Command& c : commands) {
        SCOPED_TRACE(c.name);
        QAction* a = action(c.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), QLatin1String(c.caption));
        EXPECT_EQ(a->shortcut(), QKeySequence(QLatin1String(c.shortcut)));
        EXPECT_EQ(toolBar->actions().contains(a), c.hint != nullptr);
        if (c.hint) {
            EXPECT_EQ(a->toolTip(), QLatin1String(c.hint));
            EXPECT_FALSE(a->icon().isNull());
        }
    }
    // Ctrl+H on the window belongs to the Edit menu's shape command.
    EXPECT_EQ(action("MenuClueHeaders")->shortcutContext(), Qt::WidgetShortcut);
    showWindow();
    QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(editorCaptions, QStringList({QStringLiteral("SelectShapes")}));
}

TEST_F(MainWinOptionsTest, CommandsOfEveryWindowArePresentAndEnabled)
{
    start();
    for (const char* name : {"MenuImport", "MenuExport", "MenuPrinterSetup", "MenuJpegFactor", "MenuIntChars",
                             "MenuWordSeparators", "MenuTips", "MenuAbout", "MenuOtherProducts", "MenuOrder"}) {
        ASSERT_NE(action(name), nullptr) << name;
        EXPECT_TRUE(action(name)->isEnabled()) << name;
    }
}

TEST_F(MainWinOptionsTest, PrinterSetupAndJpegFactorOpenTheirDialogs)
{
    PreviewTest::CountingDriver driver;
    PreviewTest::DriverScope scope(&driver);
    start();
    action("MenuPrinterSetup")->trigger();
    EXPECT_EQ(driver.SetupCalls, 1);

    PreviewTest::whenShown(QStringLiteral("JpegFactor"), [](QWidget* dialog) {
        auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("FactorBox"));
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("42"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
    });
    action("MenuJpegFactor")->trigger();
    EXPECT_EQ(window->Context().settings.JPegCompressionQuality, 42);
}

TEST_F(MainWinOptionsTest, TheStartingScreenSizeDependsOnTheSettingAndTheScreen)
{
    struct Case {
        int setting;
        QSize screen;
        int inForce;
        double factor;
    } cases[] = {{1024, {800, 600}, 640, 1.0},   {1280, {1280, 1024}, 1280, 2.0}, {800, {800, 600}, 800, 1.25},
                 {1024, {1024, 700}, 640, 1.0},  {1600, {1920, 1200}, 640, 1.0},  {640, {320, 200}, 640, 1.0},
                 {1024, {1920, 1080}, 1024, 1.6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting);
        writeSettings([&](Settings& s) { s.WindowSize = c.setting; });
        start(c.screen);
        EXPECT_EQ(window->ScreenSizeInForce(), c.inForce);
        EXPECT_DOUBLE_EQ(window->Context().ScaleFactor, c.factor);
        EXPECT_EQ(window->Context().settings.WindowSize, c.setting);
        for (const int size : TMainWin::ScreenSizes)
            EXPECT_EQ(action(qPrintable(QStringLiteral("MenuScreen%1").arg(size)))->isChecked(), size == c.inForce) << size;
    }
}

TEST_F(MainWinOptionsTest, ChoosingAScreenSizeScalesTheWindowOrSaysTheScreenCannotShowIt)
{
    start(QSize(1024, 768));
    const qreal designFont = categoryBox()->font().pointSizeF();
    action("MenuScreen1280")->trigger();
    EXPECT_EQ(messages.last().text, QStringLiteral("Your current screen resolution does not support 1280 x 1024 pixels."));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
    EXPECT_EQ(window->Context().settings.WindowSize, 640);
    EXPECT_FALSE(action("MenuScreen1280")->isChecked());
    EXPECT_TRUE(action("MenuScreen640")->isChecked());

    action("MenuScreen1024")->trigger();
    action("MenuScreen800")->trigger();
    EXPECT_EQ(window->Context().settings.WindowSize, 800);
    EXPECT_DOUBLE_EQ(window->Context().ScaleFactor, 1.25);
    EXPECT_TRUE(action("MenuScreen800")->isChecked());
    EXPECT_FALSE(action("MenuScreen1024")->isChecked());
    // Scaling starts from the design size each time, so it never accumulates.
    EXPECT_EQ(window->size(), QSize(int(TMainWin::DesignSize().width() * 1.25), int(TMainWin::DesignSize().height() * 1.25)));
    EXPECT_EQ(window->pos(), ScreenSize::MainWindowPosition(QSize(1024, 768), window->size()));
    EXPECT_DOUBLE_EQ(categoryBox()->font().pointSizeF(), designFont * 1.25);
    EXPECT_EQ(messages.shown.size(), 1);

    // The size already in force does nothing, not even a resize.
    window->resize(700, 500);
    action("MenuScreen800")->trigger();
    EXPECT_EQ(window->size(), QSize(700, 500));
    EXPECT_TRUE(action("MenuScreen800")->isChecked());

    const std::pair<int, const char*> refusals[] = {
        {800, "Your current screen resolution does not support 800 x 600 pixels."},
        {1024, "Your current screen resolution does not support 1024 x 768 pixels."}};
    start(QSize(640, 480));
    for (const auto& [size, text] : refusals) {
        window->ChooseScreenSize(size);
        EXPECT_EQ(messages.last().text, QLatin1String(text));
        EXPECT_EQ(window->ScreenSizeInForce(), 640);
    }
}

TEST_F(MainWinOptionsTest, TheWindowIsCentredWithTheTopRaisedAndNeverAboveTheScreen)
{
    EXPECT_EQ(ScreenSize::MainWindowPosition(QSize(800, 600), QSize(620, 420)), QPoint(90, 80));
    EXPECT_EQ(ScreenSize::MainWindowPosition(QSize(640, 480), QSize(775, 500)), QPoint(-67, 0));
    EXPECT_EQ(ScreenSize::MainWindowPosition(QSize(1280, 1024), QSize(1240, 1003)), QPoint(20, 0));
}

TEST_F(MainWinOptionsTest, TheBackgroundTilesCoverTheClientAreaFromTheTopLeft)
{
    EXPECT_EQ(TileOrigins(QSize(200, 150), QSize(96, 96)),
              QList<QPoint>({{0, 0}, {96, 0}, {192, 0}, {0, 96}, {96, 96}, {192, 96}}));
    EXPECT_EQ(TileOrigins(QSize(192, 96), QSize(96, 96)).size(), 2);
    EXPECT_TRUE(TileOrigins(QSize(200, 150), QSize(0, 96)).isEmpty());
    EXPECT_FALSE(BackgroundTile().isNull());
}

TEST_F(MainWinOptionsTest, TheBackgroundBitmapItemTogglesTheSettingAndThePainting)
{
    start();
    QWidget* panel = window->findChild<QWidget*>(QStringLiteral("Background"));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(action("MenuBackground")->isChecked());
    const QImage tile = BackgroundTile();
    panel->resize(300, 200);
    // A point of the panel that no list covers: the top margin.
    const QPoint corner(2, 2);
    EXPECT_EQ(panel->grab().toImage().pixelColor(corner), tile.pixelColor(corner));

    action("MenuBackground")->trigger();
    EXPECT_FALSE(window->Context().settings.BackgroundBitmap);
    EXPECT_FALSE(action("MenuBackground")->isChecked());
    EXPECT_EQ(panel->grab().toImage().pixelColor(corner), panel->palette().color(QPalette::Window));

    action("MenuBackground")->trigger();
    EXPECT_TRUE(window->Context().settings.BackgroundBitmap);
    EXPECT_TRUE(action("MenuBackground")->isChecked());
}

TEST_F(MainWinOptionsTest, LanguageAndThesaurusItemsCheckThemselvesAlone)
{
    start();
    EXPECT_TRUE(action("MenuDictionary1")->isChecked());
    EXPECT_TRUE(action("MenuThesaurus1")->isChecked());
    const std::pair<const char*, int> dictionary[] = {{"MenuDictionary5", 5}, {"MenuDictionaryChoose", 9}, {"MenuDictionary8", 8}};
    for (const auto& [name, code] : dictionary) {
        action(name)->trigger();
        EXPECT_EQ(window->Context().settings.Dictionary, code);
        for (int other : {1, 2, 3, 4, 5, 6, 7, 8})
            EXPECT_EQ(action(qPrintable(QStringLiteral("MenuDictionary%1").arg(other)))->isChecked(), other == code);
        EXPECT_EQ(action("MenuDictionaryChoose")->isChecked(), code == 9);
    }
    // Choosing the checked item again keeps it checked.
    action("MenuDictionary8")->trigger();
    EXPECT_TRUE(action("MenuDictionary8")->isChecked());

    action("MenuThesaurusChoose")->trigger();
    EXPECT_EQ(window->Context().settings.Thesaurus, 3);
    EXPECT_FALSE(action("MenuThesaurus1")->isChecked());
    action("MenuThesaurus2")->trigger();
    EXPECT_EQ(window->Context().settings.Thesaurus, 2);
    EXPECT_FALSE(action("MenuThesaurusChoose")->isChecked());

    action("MenuColors256")->trigger();
    EXPECT_EQ(window->Context().settings.PixelFormat, 2);
    EXPECT_FALSE(action("MenuColors16M")->isChecked());
    EXPECT_TRUE(action("MenuColors256")->isChecked());
}

TEST_F(MainWinOptionsTest, AFontChosenInTheDialogBecomesTheUserFontAndCancelKeepsIt)
{
    start();
    QStringList titles;
    std::optional<TCanvasFont> answer;
    TCanvasFont offered;
    TMainWinHooks hooks = window->Hooks();
    hooks.ChooseFont = [&](QWidget*, const TCanvasFont& initial, const QString& title) {
        titles.append(title + QLatin1Char('/') + initial.Name);
        offered = initial;
        return answer;
    };
    window->SetHooks(hooks);

    window->Context().settings.LabelFont.Italic = true;
    window->Context().settings.LabelFont.Color = 0x00008000;
    TCanvasFont chosen;
    chosen.Name = QStringLiteral("Liberation Serif");
    chosen.Bold = true;
    chosen.Color = 0x00FF0000;
    chosen.Size = 20;
    answer = chosen;
    action("MenuLabelFont")->trigger();
    // The dialog starts from the user font: face, style, colour and the size the windows use.
    EXPECT_TRUE(offered.Italic);
    EXPECT_FALSE(offered.Bold);
    EXPECT_EQ(offered.Color, 0x00008000u);
    EXPECT_EQ(offered.Size, QApplication::font().pointSize());
    const FontSetting& label = window->Context().settings.LabelFont;
    EXPECT_EQ(label.Name, QStringLiteral("Liberation Serif"));
    EXPECT_TRUE(label.Bold);
    EXPECT_FALSE(label.Italic);
    EXPECT_EQ(label.Color, 0x00FF0000);
    EXPECT_TRUE(window->findChild<QWidget*>(QStringLiteral("CategoryBox"))->font().bold());
    // The size holds for the run, by the screen size's factor: in this window and those opened later.
    const double factor = std::round(window->Context().ScaleFactor * 100.0) / 100.0;
    EXPECT_DOUBLE_EQ(window->findChild<QWidget*>(QStringLiteral("CategoryBox"))->font().pointSizeF(), 20 * factor);
    QDialog later;
    auto* laterLabel = new QLabel(QStringLiteral("Later"), &later);
    PrepareDialog(&later, window->Context());
    EXPECT_DOUBLE_EQ(laterLabel->font().pointSizeF(), 20 * factor);
    action("MenuLabelFont")->trigger();
    EXPECT_EQ(offered.Size, 20);

    answer.reset();
    action("MenuButtonFont")->trigger();
    EXPECT_EQ(window->Context().settings.ButtonFont, FontSetting());
    EXPECT_EQ(titles, QStringList({QStringLiteral("Label Font/Arial"), QStringLiteral("Label Font/Liberation Serif"),
                                   QStringLiteral("Button Font/Arial")}));
}

TEST_F(MainWinOptionsTest, DefaultClueHeadersArePresetAndOkStoresThemTrimmedAndCut)
{
    start();
    window->Context().settings.AcrossLabel = QStringLiteral("Across");
    window->Context().settings.DownLabel = QStringLiteral("Down");
    QString caption;
    QStringList preset;
    onNextDialog([&](QWidget* dialog) {
        caption = dialog->windowTitle();
        auto* across = dialog->findChild<QLineEdit*>(QStringLiteral("AcrossHeader"));
        auto* down = dialog->findChild<QLineEdit*>(QStringLiteral("DownHeader"));
        preset = {across->text(), down->text()};
        EXPECT_EQ(across->maxLength(), 25);
        across->clear();
        QTest::keyClicks(across, QStringLiteral("  Horizontal  "));
        down->clear();
        QTest::keyClicks(down, QStringLiteral("V123456789012345678901234567"));
        click(dialog, "OkButton");
    });
    action("MenuClueHeaders")->trigger();
    EXPECT_EQ(caption, QStringLiteral("Default Clue Headers"));
    EXPECT_EQ(preset, QStringList({QStringLiteral("Across"), QStringLiteral("Down")}));
    EXPECT_EQ(window->Context().settings.AcrossLabel, QStringLiteral("Horizontal"));
    EXPECT_EQ(window->Context().settings.DownLabel, QStringLiteral("V123456789012345678901234"));

    onNextDialog([&](QWidget* dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("AcrossHeader")), QStringLiteral("x"));
        messages.answers.push_back(MessageService::Button::Yes); // discard what was typed
        click(dialog, "CancelButton");
    });
    window->ClueHeaders();
    EXPECT_EQ(window->Context().settings.AcrossLabel, QStringLiteral("Horizontal"));
    EXPECT_EQ(messages.texts(), QStringList{TypedTextGuard::Question()});
}

TEST_F(MainWinOptionsTest, TheClueHeadersDialogTakesTheCallersCaption)
{
    AppContext context(startDir.path(), programDir.path());
    TClueHeaders dialog(context, QStringLiteral("Clue Headers"));
    dialog.SetHeaders(QStringLiteral(" Over "), QStringLiteral("Under"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Clue Headers"));
    EXPECT_EQ(dialog.AcrossHeader(), QStringLiteral("Over"));
    EXPECT_EQ(dialog.DownHeader(), QStringLiteral("Under"));
}

TEST_F(MainWinOptionsTest, ShortcutsReachTheCommandsWhileThePuzzleListHasTheFocus)
{
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}});
    start();
    showWindow();
    puzzleBox()->setFocus();
    ASSERT_EQ(selectedTitle(), QStringLiteral("Cats"));
    QTest::keyClick(puzzleBox(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(puzzleBox(), Qt::Key_M, Qt::ControlModifier);
    QTest::keyClick(puzzleBox(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClick(puzzleBox(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(editorCaptions, QStringList({QStringLiteral("Create New Puzzle (copy of existing puzzle)"),
                                           QStringLiteral("Modify Existing Puzzle"), QStringLiteral("AddWords"),
                                           QStringLiteral("Create New Puzzle")}));
}

TEST_F(MainWinOptionsTest, OptionsChosenBeforeAKillAreInTheSettingsFile)
{
    writeSettings([](Settings& s) { s.ShowTips = false; });
    const QString other = startPath(QStringLiteral("OTHER.QV3"));
    WriteCollection(other, {{"Animals", "Cats"}});
    QProcess child;
    child.start(QStringLiteral(QUORVEX_MAIN_WIN_CHILD_PATH),
                {startDir.path(), programDir.path(), other, QStringLiteral("MenuScreen1024"),
                 QStringLiteral("MenuBackground"), QStringLiteral("MenuDictionaryChoose")});
    ASSERT_TRUE(child.waitForStarted(10000));
    QByteArray said;
    while (!said.contains("ready") && child.waitForReadyRead(30000))
        said += child.readAllStandardOutput();
    ASSERT_TRUE(said.contains("ready")) << child.readAllStandardError().constData();
    ::kill(pid_t(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished(10000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    const Settings kept = LoadSettings(startDir.path());
    EXPECT_EQ(kept.WindowSize, 1024);
    EXPECT_FALSE(kept.BackgroundBitmap);
    EXPECT_EQ(kept.Dictionary, 9);
    EXPECT_EQ(kept.LastGroup, other);
    EXPECT_EQ(kept.RecentFiles[0], defaultCollection()); // the collection left goes to the recent files
    EXPECT_FALSE(kept.ShowTips);
}
