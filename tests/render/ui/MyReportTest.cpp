#include "ui/AppContext.h"
#include "app/MainWin.h"
#include "pages/DefaultLayout.h"
#include "pages/PageFile.h"
#include "render/ui/BonusQuestion.h"
#include "render/ui/ClueHeaders.h"
#include "pages/ui/ListPages.h"
#include "render/ui/MyReport.h"
#include "render/ui/PreviewTestSupport.h"
#include "render/ui/PartialAnswer.h"
#include "store/Collection.h"
#include "uisupport/ModalWatchdog.h"
#include "uisupport/UiTestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

// Readable failure output for texts.
static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

/** A constructed puzzle of three words (two across, one down) printed with the given layout. */
TPuzzleRecord makePuzzle(const TPageLayout& layout)
{
    TPuzzleRecord record;
    record.Title.setText("Pets");
    record.Generated = 1;
    record.WordCount = 3;
    record.AcrossCount = 2;
    record.DownCount = 1;
    const char* words[] = {"CAT", "DOG", "COW"};
    for (int i = 0; i < 3; ++i) {
        record.Words[std::size_t(i)].setText(QByteArray(words[i]));
        record.Clues[std::size_t(i)].setText("Animal");
        record.WordUsed[std::size_t(i)] = 1;
    }
    record.BonusQuestion.setText("Which one moos?");
    const QByteArray bytes = layout.toBytes();
    std::copy_n(bytes.constData(), record.PageLayout.size(), reinterpret_cast<char*>(record.PageLayout.data()));
    return record;
}

/** The built-in layout with its grid object's skeleton flag and fill colour set. */
TPageLayout layoutWithGrid(bool skeleton, std::uint32_t fill)
{
    TPageLayout layout = BuiltInDefaultLayout();
    for (TPageObject& o : layout.Objects)
        if (o.Kind == ObjectKind::Puzzle) {
            o.Transparent = skeleton;
            o.FillColor = fill;
        }
    return layout;
}

/** A layout holding only the given objects, in this slot order. */
TPageLayout layoutOf(std::initializer_list<TPageObject> objects)
{
    TPageLayout layout = BuiltInDefaultLayout();
    layout.Objects = {};
    int i = 0;
    for (const TPageObject& o : objects)
        layout.Objects[std::size_t(i++)] = o;
    layout.ObjectCount = std::int16_t(i);
    return layout;
}

TPageObject object(std::int16_t kind, const char* name, const char* text = "")
{
    TPageObject o;
    o.Kind = kind;
    o.Name.setText(QByteArray(name));
    o.setText(QByteArray(text));
    o.Bounds = {10, 10, 100, 40};
    o.TextFontName.setText("Arial");
    o.TextFontSize = 12;
    return o;
}

/** Runs action on the modal window that opens next, once it is up. */
void onNextModal(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        action(modal);
    });
}

class MyReportTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        context = std::make_unique<AppContext>(startDir.path(), programDir.path());
        watchdog = std::make_unique<ModalWatchdog>(5000);
        TMyReport::setDialogs({});
        TMyReport::setViewPrint([this](AppContext&, const TPuzzleRecord& puzzle, const TRenderOptions& options,
                                       QWidget*) {
            runs.push_back({puzzle, options});
        });
    }
    void TearDown() override
    {
        window.reset();
        EXPECT_FALSE(watchdog->fired()) << "a dialog was left open";
        watchdog.reset();
        TMyReport::setViewPrint({});
        TMyReport::setDialogs({});
        UiTest::TearDown();
    }

    TMyReport& open(const TPageLayout& layout = BuiltInDefaultLayout())
    {
        window = std::make_unique<TMyReport>(*context, makePuzzle(layout));
        window->show();
        return *window;
    }

    template <typename T>
    T* child(const char* name) const
    {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QCheckBox* check(const char* name) const { return child<QCheckBox>(name); }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    /** Clicks a check box on its indicator, as the user does. */
    void clickBox(const char* name) const
    {
        QCheckBox* box = check(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }

    const TRenderOptions& viewPrint()
    {
        QTest::mouseClick(button("ViewPrintButton"), Qt::LeftButton);
        EXPECT_FALSE(runs.empty());
        return runs.back().second;
    }

    std::unique_ptr<AppContext> context;
    std::unique_ptr<TMyReport> window;
    std::unique_ptr<ModalWatchdog> watchdog;
    std::vector<std::pair<TPuzzleRecord, TRenderOptions>> runs;
};

TEST_F(MyReportTest, ControlsStartFromTheSettingsAndTheCaptionIsReports)
{
    Settings& s = context->settings;
    s.PrintTitle = false;
    s.PrintWords = false;
    s.PartialLetters = true;
    s.Letters = QStringLiteral("AEI");
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Reports"));
    EXPECT_FALSE(check("PrintTitle")->isChecked());
    EXPECT_TRUE(check("PrintBody")->isChecked());
    EXPECT_FALSE(check("PrintWords")->isChecked());
    EXPECT_TRUE(check("PartialLetters")->isChecked());
    EXPECT_EQ(child<QLineEdit>("Letters")->text(), QStringLiteral("AEI"));
    EXPECT_EQ(child<QLineEdit>("Letters")->maxLength(), 25);
}

TEST_F(MyReportTest, EnablingRulesFollowAnswerKeyAndThePartialBoxes)
{
    struct Case {
        bool key, partial, letters;
        bool partialEnabled, selectEnabled, lettersBoxEnabled, lettersFieldEnabled;
    };
    const Case cases[] = {
        {true, true, true, false, false, false, false},
        {true, false, false, false, false, false, false},
        {false, false, false, true, false, true, false},
        {false, true, false, true, true, true, false},
        {false, false, true, true, false, true, true},
        {false, true, true, true, true, true, true},
    };
    open();
    for (const Case& c : cases) {
        // Driven through the boxes as the user clicks them.
        check("AnswerKey")->setChecked(false);
        check("PartialAnswers")->setChecked(c.partial);
        check("PartialLetters")->setChecked(c.letters);
        check("AnswerKey")->setChecked(c.key);
        SCOPED_TRACE(testing::Message() << c.key << c.partial << c.letters);
        EXPECT_EQ(check("PartialAnswers")->isEnabled(), c.partialEnabled);
        EXPECT_EQ(button("SelectButton")->isEnabled(), c.selectEnabled);
        EXPECT_EQ(check("PartialLetters")->isEnabled(), c.lettersBoxEnabled);
        EXPECT_EQ(child<QLineEdit>("Letters")->isEnabled(), c.lettersFieldEnabled);
    }
}

TEST_F(MyReportTest, OptionChangesReachTheSettingsAtOnce)
{
    open(layoutWithGrid(false, 0));
    const Settings& s = context->settings;
    clickBox("PrintTitle");
    clickBox("PrintBody");
    clickBox("PrintClues");
    clickBox("PrintWords");
    clickBox("PrintBonus");
    EXPECT_FALSE(s.PrintTitle || s.PrintBody || s.PrintClues || s.PrintWords || s.PrintBonus);
    clickBox("AnswerKey");
    EXPECT_TRUE(s.AnswerKey);
    clickBox("AnswerKey");
    clickBox("PartialAnswers");
    clickBox("PartialLetters");
    EXPECT_FALSE(s.AnswerKey);
    EXPECT_TRUE(s.PartialAnswer);
    EXPECT_TRUE(s.PartialLetters);
    QTest::keyClicks(child<QLineEdit>("Letters"), QStringLiteral(" xyz "));
    EXPECT_EQ(s.Letters, QStringLiteral("xyz"));

    ASSERT_TRUE(s.UseBoxes);
    clickBox("SkeletonPuzzle");
    EXPECT_FALSE(s.UseBoxes);

    TMyReport::setDialogs({[](QWidget*, const QColor&) { return std::optional<QColor>(QColor(0x10, 0x20, 0x30)); },
                           {}});
    QTest::mouseClick(button("BoxColorButton"), Qt::LeftButton);
    EXPECT_EQ(s.BoxColor, 0x302010);

    const TRenderOptions& run = viewPrint();
    EXPECT_FALSE(run.PrintTitle || run.PrintBody || run.PrintClues || run.PrintWords || run.PrintBonus);
    EXPECT_FALSE(run.UseBoxes);
    EXPECT_EQ(run.BoxColor, 0x302010u);
    EXPECT_EQ(run.Letters, QByteArray("xyz"));
}

TEST_F(MyReportTest, CancelledColourChoiceChangesNothing)
{
    context->settings.BoxColor = 0x123456;
    open(layoutOf({object(ObjectKind::Title, "Title")}));
    TMyReport::setDialogs({[](QWidget*, const QColor&) { return std::optional<QColor>(); }, {}});
    QTest::mouseClick(button("BoxColorButton"), Qt::LeftButton);
    EXPECT_EQ(context->settings.BoxColor, 0x123456);
    EXPECT_EQ(window->options().BoxColor, 0x123456u);
}

TEST_F(MyReportTest, HeadingsComeFromTheSettingsThenTheLayout)
{
    context->settings.AcrossLabel = QStringLiteral("Gauche");
    context->settings.DownLabel = QStringLiteral("Bas");
    struct Case {
        TPageLayout layout;
        const char* across;
        const char* down;
    };
    const Case cases[] = {
        {layoutOf({object(ObjectKind::CombinedClues, "Combined", "Clues Across:Clues Down")}), "Clues Across",
         "Clues Down"},
        {layoutOf({object(ObjectKind::AcrossHeader, "A", "Horizontal"), object(ObjectKind::DownHeader, "D", "Vertical")}),
         "Horizontal", "Vertical"},
        {layoutOf({object(ObjectKind::Title, "Title")}), "Gauche", "Bas"},
        {layoutOf({object(ObjectKind::DownHeader, "D", "A very long down heading text here")}), "Gauche",
         "A very long down heading "},
    };
    for (const Case& c : cases) {
        open(c.layout);
        EXPECT_EQ(viewPrint().AcrossHeading, QByteArray(c.across));
        EXPECT_EQ(runs.back().second.DownHeading, QByteArray(c.down));
    }
}

TEST_F(MyReportTest, GridObjectSetsSkeletonAndColourAndALayoutWithoutOneKeepsTheSettings)
{
    context->settings.UseBoxes = false;
    context->settings.BoxColor = 0x0000FF;

    open(layoutOf({object(ObjectKind::Title, "Title")}));
    EXPECT_TRUE(check("SkeletonPuzzle")->isChecked());
    EXPECT_FALSE(window->options().UseBoxes);
    EXPECT_EQ(window->options().BoxColor, 0x0000FFu);

    open(layoutWithGrid(false, 0x00FF00));
    EXPECT_FALSE(check("SkeletonPuzzle")->isChecked());
    EXPECT_TRUE(window->options().UseBoxes);
    EXPECT_EQ(window->options().BoxColor, 0x00FF00u);
    EXPECT_EQ(child<QWidget>("BoxColorSample")->palette().color(QPalette::Window), QColor(0, 0xFF, 0));
    // Taking the layout's values is not a change by the user.
    EXPECT_FALSE(context->settings.UseBoxes);
    EXPECT_EQ(context->settings.BoxColor, 0x0000FF);
}

TEST_F(MyReportTest, FontMenuOfTheDefaultLayoutAndItsLimits)
{
    open();
    QStringList captions;
    for (const TFontMenuEntry& e : window->fontMenu())
        captions.append(e.Caption);
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Title Font"), QStringLiteral("Puzzle Answer Font"),
                                     QStringLiteral("Puzzle Clue Numbers Font"), QStringLiteral("Across Header Font"),
                                     QStringLiteral("Down Header Font"), QStringLiteral("Across Clues Font"),
                                     QStringLiteral("Down Clues Font")}));
    QStringList menuTexts;
    for (QAction* a : child<QMenu>("FontMenu")->actions())
        menuTexts.append(a->text());
    EXPECT_EQ(menuTexts, captions);

    // Pictures and shapes give nothing; names (at most 15 characters) give 20-character captions;
    // never more than 21 entries: five grids and twelve text objects would give 22.
    TPageLayout full = layoutOf({});
    for (int i = 0; i < 20; ++i)
        full.Objects[std::size_t(i)] = object(i < 5 ? ObjectKind::Puzzle : ObjectKind::Text, "Text block number");
    full.Objects[5] = object(ObjectKind::Bitmap, "Picture");
    full.Objects[10] = object(ObjectKind::Rectangle, "Box");
    full.Objects[11] = object(ObjectKind::Circle, "Ring");
    full.ObjectCount = 20;
    const QList<TFontMenuEntry> entries = BuildFontMenu(full);
    ASSERT_EQ(entries.size(), 21);
    EXPECT_EQ(entries[9].Caption, QStringLiteral("Puzzle Clue Numbers Font"));
    EXPECT_TRUE(entries[9].NumberFont);
    EXPECT_EQ(entries[9].Slot, 4);
    EXPECT_EQ(entries[10].Caption, QStringLiteral("Text block numb Font"));
    EXPECT_EQ(entries[10].Slot, 6);
    EXPECT_EQ(entries[14].Slot, 12);
    EXPECT_EQ(entries[20].Slot, 18);
    EXPECT_TRUE(std::none_of(entries.begin(), entries.end(), [](const TFontMenuEntry& e) {
        return e.Slot == 5 || e.Slot == 10 || e.Slot == 11;
    }));
}

TEST_F(MyReportTest, AFontChoiceIsStoredInTheWorkingLayoutOnly)
{
    open();
    const int numbers = 2; // "Puzzle Clue Numbers Font" of the default layout
    ASSERT_TRUE(window->fontMenu()[numbers].NumberFont);
    TCanvasFont offered;
    TMyReport::setDialogs({{}, [&](QWidget*, const TCanvasFont& initial, const QString& title) {
                               offered = initial;
                               EXPECT_EQ(title, QStringLiteral("Puzzle Clue Numbers Font"));
                               return std::optional<TCanvasFont>(
                                   TCanvasFont{QStringLiteral("Courier New"), 9, 0x0000FF, true, false, true, false});
                           }});
    child<QMenu>("FontMenu")->actions()[numbers]->trigger();
    const TPageLayout before = BuiltInDefaultLayout();
    const TPageObject& grid = before.Objects[std::size_t(window->fontMenu()[numbers].Slot)];
    EXPECT_EQ(offered.Name, QStringLiteral("Arial"));
    EXPECT_EQ(offered.Size, grid.NumberFontSize);

    const TPageLayout after = PuzzleLayout(window->puzzle());
    const TPageObject& changed = after.Objects[std::size_t(window->fontMenu()[numbers].Slot)];
    EXPECT_EQ(changed.NumberFontName.text(), QByteArray("Courier New"));
    EXPECT_EQ(changed.NumberFontSize, 9);
    EXPECT_EQ(changed.NumberFontColor, 0x0000FFu);
    EXPECT_TRUE(changed.NumberBold);
    EXPECT_TRUE(changed.NumberUnderline);
    EXPECT_EQ(changed.TextFontName, grid.TextFontName);
    EXPECT_EQ(changed.TextFontSize, grid.TextFontSize);

    // The run prints the changed copy.
    viewPrint();
    EXPECT_EQ(PuzzleLayout(runs.back().first), PuzzleLayout(window->puzzle()));
}

TEST_F(MyReportTest, ChangePageLayoutTakesTheChosenLayoutAndSetsItUpAgain)
{
    QFile::remove(context->PageFilePath());
    TPageLayout combined = layoutOf({object(ObjectKind::CombinedClues, "Combined", "Across Words:Down Words"),
                                     object(ObjectKind::Puzzle, "Grid")});
    combined.Objects[1].Transparent = true;
    combined.Objects[1].FillColor = 0x808080;
    combined.LayoutName.setText("Combined");
    ASSERT_TRUE(AppendLayout(context->PageFilePath(), combined).isOk());

    open(layoutWithGrid(false, 0));
    ASSERT_TRUE(window->options().UseBoxes);
    onNextModal([](QWidget* modal) {
        ASSERT_EQ(modal->objectName(), QStringLiteral("ListPages"));
        auto* list = modal->findChild<QListWidget*>(QStringLiteral("PageList"));
        ASSERT_EQ(list->count(), 1);
        list->setCurrentRow(0);
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("SelectButton")), Qt::LeftButton);
    });
    QTest::mouseClick(button("ChangeLayoutButton"), Qt::LeftButton);

    EXPECT_EQ(PuzzleLayout(window->puzzle()).LayoutName.text(), QByteArray("Combined"));
    EXPECT_EQ(window->options().AcrossHeading, QByteArray("Across Words"));
    EXPECT_EQ(window->options().DownHeading, QByteArray("Down Words"));
    EXPECT_FALSE(window->options().UseBoxes);
    EXPECT_TRUE(check("SkeletonPuzzle")->isChecked());
    EXPECT_EQ(window->options().BoxColor, 0x808080u);
    ASSERT_EQ(window->fontMenu().size(), 3);
    EXPECT_EQ(window->fontMenu()[0].Caption, QStringLiteral("Combined Font"));

    // Leaving the list without choosing keeps the layout.
    onNextModal([](QWidget* modal) { QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("ExitButton")), Qt::LeftButton); });
    QTest::mouseClick(button("ChangeLayoutButton"), Qt::LeftButton);
    EXPECT_EQ(PuzzleLayout(window->puzzle()).LayoutName.text(), QByteArray("Combined"));
}

TEST_F(MyReportTest, ViewPrintHandsOverAnswersPartialFlagsLettersAndHeadings)
{
    context->settings.WordSepDash = true;
    open();
    clickBox("PartialAnswers");
    onNextModal([](QWidget* modal) {
        ASSERT_EQ(modal->windowTitle(), QStringLiteral("Partial Answer"));
        auto* list = modal->findChild<QListWidget*>(QStringLiteral("WordList"));
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(list->item(1)->text(), QStringLiteral("DOG"));
        EXPECT_TRUE(list->selectedItems().isEmpty());
        list->item(0)->setSelected(true);
        list->item(2)->setSelected(true);
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
    });
    QTest::mouseClick(button("SelectButton"), Qt::LeftButton);

    clickBox("PartialLetters");
    QTest::keyClicks(child<QLineEdit>("Letters"), QStringLiteral("OT"));

    onNextModal([](QWidget* modal) {
        ASSERT_EQ(modal->windowTitle(), QStringLiteral("Clue Headers"));
        auto* across = modal->findChild<QLineEdit*>(QStringLiteral("AcrossHeader"));
        EXPECT_EQ(across->text(), QStringLiteral("Across"));
        across->setText(QStringLiteral("  Left to right "));
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
    });
    QTest::mouseClick(button("ChangeHeadersButton"), Qt::LeftButton);

    onNextModal([](QWidget* modal) {
        ASSERT_EQ(modal->windowTitle(), QStringLiteral("Bonus Question"));
        auto* field = modal->findChild<QLineEdit*>(QStringLiteral("Question"));
        EXPECT_EQ(field->text(), QStringLiteral("Which one moos?"));
        EXPECT_EQ(field->maxLength(), 120);
        field->setText(QStringLiteral("Which one barks?"));
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
    });
    QTest::mouseClick(button("ChangeBonusButton"), Qt::LeftButton);

    const TRenderOptions& run = viewPrint();
    EXPECT_FALSE(run.AnswerKey);
    EXPECT_TRUE(run.PartialAnswers);
    EXPECT_TRUE(run.PartialFlags[0]);
    EXPECT_FALSE(run.PartialFlags[1]);
    EXPECT_TRUE(run.PartialFlags[2]);
    EXPECT_EQ(std::count(run.PartialFlags.begin(), run.PartialFlags.end(), true), 2);
    EXPECT_TRUE(run.PartialLetters);
    EXPECT_EQ(run.Letters, QByteArray("OT"));
    EXPECT_EQ(run.AcrossHeading, QByteArray("Left to right"));
    EXPECT_EQ(run.DownHeading, QByteArray("Down"));
    EXPECT_TRUE(run.SepDash);
    EXPECT_EQ(runs.back().first.BonusQuestion.text(), QByteArray("Which one barks?"));

    // The chosen words are preselected next time; Ctrl+V runs again with the answer key.
    onNextModal([](QWidget* modal) {
        auto* list = modal->findChild<QListWidget*>(QStringLiteral("WordList"));
        EXPECT_EQ(list->selectedItems().size(), 2);
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("CancelButton")), Qt::LeftButton);
    });
    QTest::mouseClick(button("SelectButton"), Qt::LeftButton);
    clickBox("AnswerKey");
    window->activateWindow();
    window->findChild<QAction*>(QStringLiteral("MenuViewPrint"))->trigger();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_TRUE(runs.back().second.AnswerKey);
}

TEST_F(MyReportTest, WithoutAViewPrintRunTheCommandIsDisabled)
{
    TMyReport::setViewPrint({});
    open();
    EXPECT_FALSE(button("ViewPrintButton")->isEnabled());
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("MenuViewPrint"))->isEnabled());
    EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("MenuViewPrint"))->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+V")));
}

TEST_F(MyReportTest, PrinterSetupOpensThePrinterDialogOfTheRunsOrSaysThereIsNoPrinter)
{
    PreviewTest::CountingDriver driver;
    PreviewTest::DriverScope scope(&driver);
    open();
    QTest::mouseClick(button("PrinterSetupButton"), Qt::LeftButton);
    window->findChild<QAction*>(QStringLiteral("MenuPrinterSetup"))->trigger();
    EXPECT_EQ(driver.SetupCalls, 2);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("MenuPrinterSetup"))->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+S")));

    driver.Printers = false;
    QTest::mouseClick(button("PrinterSetupButton"), Qt::LeftButton);
    EXPECT_EQ(driver.SetupCalls, 2);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral(
        "No printer is installed on this computer.  Printing from the preview writes a PDF file instead.")});
    EXPECT_EQ(messages.last().caption, QStringLiteral("Notice"));
}

TEST_F(MyReportTest, MainWindowOpensTheReportOnTheChosenPuzzle)
{
    const QString collection = startPath(QStringLiteral("DEFAULT.QV3"));
    ASSERT_TRUE(CreateCollection(collection).isOk());
    TPuzzleRecord puzzle = makePuzzle(BuiltInDefaultLayout());
    puzzle.Category.setText("Animals");
    ASSERT_TRUE(AppendPuzzle(collection, puzzle).isOk());
    TMainWin main(startDir.path(), programDir.path(), QSize(1280, 1024));
    TMainWinHooks quiet = main.Hooks();
    quiet.TipOfTheDay = [] {}; // no tip window on the first activation
    main.SetHooks(quiet);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    auto* titles = main.findChild<QListWidget*>(QStringLiteral("PuzzleBox"));
    ASSERT_EQ(titles->count(), 1);
    titles->setCurrentRow(0);

    QString opened;
    QByteArray bonus;
    onNextModal([&](QWidget* modal) {
        opened = modal->windowTitle();
        if (auto* report = qobject_cast<TMyReport*>(modal))
            bonus = report->puzzle().BonusQuestion.text();
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("ExitButton")), Qt::LeftButton);
    });
    main.findChild<QAction*>(QStringLiteral("MenuPrint"))->trigger();
    EXPECT_EQ(opened, QStringLiteral("Reports"));
    EXPECT_EQ(bonus, QByteArray("Which one moos?"));
    main.hide();
}

} // namespace

TEST_F(MyReportTest, CtrlVRunsViewPrintFromTheLettersBox)
{
    context->settings.PartialLetters = true;
    context->settings.Letters = QStringLiteral("AEI");
    QApplication::clipboard()->setText(QStringLiteral("XYZ"));
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* letters = child<QLineEdit>("Letters");
    letters->setFocus();
    QTest::keyClick(letters, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(runs.size(), 1u);
    EXPECT_EQ(letters->text(), QStringLiteral("AEI"));
    // Keys that no command uses keep their editing meaning.
    QTest::keyClick(letters, Qt::Key_End);
    QTest::keyClick(letters, Qt::Key_Backspace);
    EXPECT_EQ(letters->text(), QStringLiteral("AE"));
}
