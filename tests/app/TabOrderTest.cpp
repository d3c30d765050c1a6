// Tab goes through a window in the order of its work: the fields a user fills, then the commands.
#include "MainWinTestSupport.h"

#include "export/ui/HtmlCreation.h"
#include "render/ui/MyReport.h"
#include "shapes/ui/DoShapes.h"
#include "store/WorkingPuzzle.h"
#include "words/ui/Import.h"
#include "words/ui/ThesSuggestions.h"
#include "words/ui/WordList.h"

#include <functional>
#include <memory>

using TabOrderTest = MainWinTest;

namespace {

/** The object names of the controls Tab reaches from the first one, once round. */
QStringList tabStops(QWidget* window)
{
    QStringList names;
    QWidget* first = window->nextInFocusChain();
    QWidget* at = first;
    do {
        if (at->window() == window && at->isVisible() && at->isEnabled() && (at->focusPolicy() & Qt::TabFocus)
            && !at->objectName().isEmpty())
            names.append(at->objectName());
        at = at->nextInFocusChain();
    } while (at != first);
    return names;
}

} // namespace

TEST_F(TabOrderTest, TabFollowsTheWorkOfEachWindow)
{
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}});
    const TPuzzleRecord puzzle = MakePuzzle("Animals", "Cats");
    struct Case {
        const char* window;
        std::function<std::unique_ptr<QWidget>(AppContext&)> make;
        const char* stops;
    } cases[] = {
        // View/Print is taken as the program has it (a main window installs it for the whole run).
        {"report", [&](AppContext& c) {
             TMyReport::setViewPrint([](AppContext&, const TPuzzleRecord&, const TRenderOptions&, QWidget*) {});
             auto report = std::make_unique<TMyReport>(c, puzzle);
             TMyReport::setViewPrint({});
             return report;
         },
         "PrintTitle PrintBody PrintClues PrintWords PrintBonus AnswerKey PartialAnswers "
         "PartialLetters SkeletonPuzzle BoxColorButton ViewPrintButton PrinterSetupButton ChangeLayoutButton "
         "ChangeFontsButton ChangeHeadersButton ChangeBonusButton HelpButton ExitButton"},
        {"shape editor", [](AppContext& c) { return std::make_unique<TDoShapes>(c, int(TDoShapes::NewShape), 0); },
         "Title Width Height ShiftUp ShiftLeft ShiftRight ShiftDown ReverseButton SaveButton "
         "CancelButton"},
        {"word list", [](AppContext& c) {
             ClearForNewPuzzle(c.Working);
             return std::make_unique<TWordList>(c);
         },
         "Title Category BonusQuest WordsCluesGrid ShapeBox NewShape ModifyShape CopyShape "
         "DeleteShape ImportShape ExportShape ChangeLayoutButton Attempts AutoShrink QuickCreate "
         "CreateIt DeleteButton DeleteAllButton ImportButton ExportButton SuggestCluesButton ThemeWordsButton "
         "IntCharsButton ExitButton"},
        {"web page", [](AppContext& c) {
             return std::make_unique<THtmlCreation>(c, [](int width) { return QImage(width, width, QImage::Format_RGB32); });
         },
         "FirstHeaderText FirstHeaderBold FirstHeaderItalic FirstHeaderCenter FirstHeaderSize "
         "SecondHeaderText SecondHeaderBold SecondHeaderItalic SecondHeaderCenter SecondHeaderSize "
         "HorizontalUpper HorizontalLower FirstFooterText FirstFooterBold FirstFooterItalic "
         "FirstFooterCenter FirstFooterSize SecondFooterText SecondFooterBold SecondFooterItalic "
         "SecondFooterCenter SecondFooterSize WebTitle SaveHtmlButton CancelButton"},
        {"thesaurus", [](AppContext& c) { return std::make_unique<TThesSuggestions>(c, 1, QStringLiteral("happy")); },
         "TheWord LookUpButton CategoryList AntonymList SynonymList SuggestButton AbortButton"},
        {"word import", [](AppContext& c) { return std::make_unique<TImport>(c, QList<WordListTransfer::GridRow>(3)); },
         "WordListBox OpenFileButton AsWords AsClues AsWordsAndClues CancelButton HelpButton"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        AppContext context(startDir.path(), programDir.path());
        std::unique_ptr<QWidget> window = c.make(context);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        EXPECT_EQ(tabStops(window.get()).join(u' ').toStdString(), std::string(c.stops));
    }
}
