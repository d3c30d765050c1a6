// The road of one puzzle through the real windows, started from the main window: a new puzzle is
// typed, built, picked and saved into the collection, then modified and saved again.
#include "app/MainWinTestSupport.h"
#include "uisupport/ModalWatchdog.h"
#include "shapes/ui/ShapeUiSupport.h"
#include "words/ui/WordListTestSupport.h"

#include "build/ui/CreationAttempts.h"
#include "puzzle/ui/CreatedPuzzle.h"
#include "words/ui/WordList.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace WordListTest;

namespace {

struct WordClue {
    const char* word;
    const char* clue;
};

const QList<WordClue> ZooWords{
    {"ELEPHANT", "Large grey animal"}, {"GIRAFFE", "Long neck"},   {"LEOPARD", "Spotted cat"},
    {"PANTHER", "Black cat"},          {"RABBIT", "Long ears"},    {"TIGER", "Striped cat"},
    {"ZEBRA", "Striped horse"},        {"OTTER", "River swimmer"}, {"HORSE", "Rides in races"},
    {"CAMEL", "Has a hump"},           {"LLAMA", "Andes wool"},
};

} // namespace


class PuzzleRoadTest : public MainWinTest {
protected:
    /** Starts the main window with its own openers: the real editor, progress window and view. */
    TMainWin& startReal()
    {
        window = std::make_unique<TMainWin>(startDir.path(), programDir.path(), QSize(1280, 1024));
        QuietTips(*window);
        return *window;
    }

    /** Presses the progress window's button once the run has finished ("&Ok"). */
    static void CloseProgressWhenDone(QString* buttonText)
    {
        WhenModal<TCreationAttempts>([buttonText](TCreationAttempts* progress) {
            auto* poll = new QTimer(progress);
            poll->setInterval(2);
            QObject::connect(poll, &QTimer::timeout, progress, [progress, poll, buttonText] {
                if (!progress->isFinished())
                    return;
                poll->stop();
                auto* button = progress->findChild<QPushButton*>(QStringLiteral("Cancel"));
                *buttonText = button->text();
                QTest::mouseClick(button, Qt::LeftButton);
            });
            poll->start();
        });
    }

    static TPuzzleRecord Read(const QString& path, int n)
    {
        TPuzzleRecord record;
        EXPECT_TRUE(ReadPuzzle(path, n, record).isOk());
        return record;
    }
};

TEST_F(PuzzleRoadTest, NewPuzzleIsBuiltSavedListedThenModified)
{
    WriteCollection(defaultCollection(), {{"Birds", "Owls"}, {"Trees", "Oaks"}});
    TMainWin& main = startReal();
    showWindow();
    ASSERT_EQ(titles(), QStringList{QStringLiteral("Owls")});
    ModalWatchdog watchdog(60000);

    // New puzzle: typed into the editor the main window opens.
    QString editorCaption, progressButton, includedHeading;
    int picked = 0;
    bool editorSeen = false, viewSeen = false;
    WhenModal<TWordList>(
        [&](TWordList* editor) {
            editorCaption = editor->windowTitle();
            editor->setFixedSeed(424242);
            QTest::keyClicks(Control<QLineEdit>(editor, "Title"), QStringLiteral("Zoo Day"));
            QTest::keyClicks(Control<QComboBox>(editor, "Category")->lineEdit(), QStringLiteral("Animals"));
            auto* attempts = Control<QLineEdit>(editor, "Attempts");
            attempts->selectAll();
            QTest::keyClicks(attempts, QStringLiteral("50"));
            auto* grid = Control<QTableWidget>(editor, "WordsCluesGrid");
            for (int i = 0; i < ZooWords.size(); ++i) {
                TypeIntoCell(grid, i, TWordList::WordColumn, QString::fromLatin1(ZooWords[i].word));
                TypeIntoCell(grid, i, TWordList::ClueColumn, QString::fromLatin1(ZooWords[i].clue));
            }
            ShapeUi::SaveScreenshot(editor, QStringLiteral("RoadWordList"));
            CloseProgressWhenDone(&progressButton);
            WhenModal<TCreatedPuzzle>(
                [&](TCreatedPuzzle* view) {
                    auto* second = view->findChild<TCandidatePicture*>(QStringLiteral("Candidate2"));
                    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(20, 20));
                    picked = view->selectedCandidate();
                    ShapeUi::SaveScreenshot(view, QStringLiteral("RoadCreatedPuzzle"));
                    includedHeading = view->findChild<QLabel*>(QStringLiteral("IncludedHeading"))->text();
                    // Yes to "did not fit" in case a word stayed out.
                    messages.answers.push_back(MessageService::Button::Yes);
                    QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("SaveButton")), Qt::LeftButton);
                },
                &viewSeen);
            QTest::mouseClick(Control<QPushButton>(editor, "CreateIt"), Qt::LeftButton);
        },
        &editorSeen);
    action("MenuNewPuzzle")->trigger();

    ASSERT_TRUE(editorSeen);
    ASSERT_TRUE(viewSeen);
    ASSERT_FALSE(watchdog.fired());
    EXPECT_EQ(editorCaption, QStringLiteral("Create New Puzzle"));
    EXPECT_EQ(progressButton, QStringLiteral("&Ok"));
    ASSERT_GE(picked, 1);
    for (const QString& text : messages.texts())
        EXPECT_EQ(text, QStringLiteral("One or more words did not fit into the puzzle.  Save Puzzle anyway?"));

    ASSERT_EQ(RecordCount(defaultCollection()), 3);
    const TPuzzleRecord saved = Read(defaultCollection(), 2);
    EXPECT_EQ(saved.Title.text(), QByteArray("Zoo Day"));
    EXPECT_EQ(saved.Category.text(), QByteArray("Animals"));
    EXPECT_EQ(saved.Generated, 1);
    EXPECT_EQ(saved.Version.text(), QByteArray("3.0c"));
    EXPECT_EQ(saved.WordCount, main.Context().Candidates().CandidateScores[std::size_t(picked - 1)]);
    EXPECT_GE(saved.WordCount, 2);
    EXPECT_EQ(includedHeading, QString::number(saved.WordCount) + QStringLiteral(" Included Words"));

    // The main window lists the new puzzle under its category and selects it.
    EXPECT_EQ(categories(), (QStringList{QStringLiteral("Animals"), QStringLiteral("Birds"), QStringLiteral("Trees")}));
    EXPECT_EQ(shownCategory(), QStringLiteral("Animals"));
    EXPECT_EQ(titles(), QStringList{QStringLiteral("Zoo Day")});
    EXPECT_EQ(selectedTitle(), QStringLiteral("Zoo Day"));
    EXPECT_TRUE(action("MenuModify")->isEnabled());
    ShapeUi::SaveScreenshot(window.get(), QStringLiteral("RoadMainWin"));

    // Modify: the first clue changes, the grid stays.
    messages.clear();
    const QByteArray firstWord = saved.Words[0].text();
    bool modifySeen = false;
    QString modifyCaption, shownWord;
    WhenModal<TWordList>(
        [&](TWordList* editor) {
            modifyCaption = editor->windowTitle();
            auto* grid = Control<QTableWidget>(editor, "WordsCluesGrid");
            shownWord = CellText(grid, 0, TWordList::WordColumn);
            TypeIntoCell(grid, 0, TWordList::ClueColumn, QStringLiteral("Changed clue"));
            QTest::mouseClick(Control<QPushButton>(editor, "SaveButton"), Qt::LeftButton);
        },
        &modifySeen);
    action("MenuModify")->trigger();

    ASSERT_TRUE(modifySeen);
    ASSERT_FALSE(watchdog.fired());
    EXPECT_EQ(modifyCaption, QStringLiteral("Modify Existing Puzzle"));
    EXPECT_EQ(shownWord, QString::fromLatin1(firstWord));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(QLatin1Char('|')).toStdString();
    ASSERT_EQ(RecordCount(defaultCollection()), 3);
    const TPuzzleRecord modified = Read(defaultCollection(), 2);
    EXPECT_EQ(modified.Clues[0].text(), QByteArray("Changed clue"));
    EXPECT_EQ(modified.Words[0].text(), firstWord);
    for (int i = 1; i < saved.WordCount; ++i)
        EXPECT_EQ(modified.Clues[std::size_t(i)].text(), saved.Clues[std::size_t(i)].text()) << i;
    EXPECT_EQ(modified.Grid, saved.Grid);
    EXPECT_EQ(modified.StartCell, saved.StartCell);
    EXPECT_EQ(modified.ClueNumber, saved.ClueNumber);
    EXPECT_EQ(modified.WordCount, saved.WordCount);
    EXPECT_EQ(modified.Generated, 1);
    EXPECT_EQ(modified.Version.text(), QByteArray("3.0c"));
    // The other puzzles are untouched and the selection stays on the modified one.
    EXPECT_EQ(Read(defaultCollection(), 0).Title.text(), QByteArray("Owls"));
    EXPECT_EQ(Read(defaultCollection(), 1).Title.text(), QByteArray("Oaks"));
    EXPECT_EQ(selectedTitle(), QStringLiteral("Zoo Day"));

    // Modify again, this time leaving with Exit and answering Yes to the save question; the new
    // title is what the main window selects.
    messages.clear();
    messages.answers.push_back(MessageService::Button::Yes);
    bool exitSeen = false;
    WhenModal<TWordList>(
        [&](TWordList* editor) {
            auto* title = Control<QLineEdit>(editor, "Title");
            title->selectAll();
            QTest::keyClicks(title, QStringLiteral("Zoo Night"));
            TypeIntoCell(Control<QTableWidget>(editor, "WordsCluesGrid"), 1, TWordList::ClueColumn,
                         QStringLiteral("Second clue"));
            QTest::mouseClick(Control<QPushButton>(editor, "ExitButton"), Qt::LeftButton);
        },
        &exitSeen);
    action("MenuModify")->trigger();

    ASSERT_TRUE(exitSeen);
    ASSERT_FALSE(watchdog.fired());
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Puzzle has been modified.  Save changes?")});
    const TPuzzleRecord again = Read(defaultCollection(), 2);
    EXPECT_EQ(again.Title.text(), QByteArray("Zoo Night"));
    EXPECT_EQ(again.Clues[0].text(), QByteArray("Changed clue"));
    EXPECT_EQ(again.Clues[1].text(), QByteArray("Second clue"));
    EXPECT_EQ(again.Grid, saved.Grid);
    EXPECT_EQ(titles(), QStringList{QStringLiteral("Zoo Night")});
    EXPECT_EQ(selectedTitle(), QStringLiteral("Zoo Night"));
}

TEST_F(PuzzleRoadTest, NoToTheExcludedWordsWarningWritesNothing)
{
    WriteCollection(defaultCollection(), {{"Birds", "Owls"}});
    const QByteArray before = [this] {
        QFile f(defaultCollection());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    startReal();
    showWindow();
    ModalWatchdog watchdog(60000);

    // QQQ shares no letter with the other words, so it never fits.
    bool viewSeen = false, viewStillUp = false;
    WhenModal<TWordList>([&](TWordList* editor) {
        editor->setFixedSeed(5);
        QTest::keyClicks(Control<QLineEdit>(editor, "Title"), QStringLiteral("Leftover"));
        QTest::keyClicks(Control<QComboBox>(editor, "Category")->lineEdit(), QStringLiteral("Animals"));
        auto* attempts = Control<QLineEdit>(editor, "Attempts");
        attempts->selectAll();
        QTest::keyClicks(attempts, QStringLiteral("1"));
        auto* grid = Control<QTableWidget>(editor, "WordsCluesGrid");
        TypeIntoCell(grid, 0, TWordList::WordColumn, QStringLiteral("TIGER"));
        TypeIntoCell(grid, 1, TWordList::WordColumn, QStringLiteral("GIRAFFE"));
        TypeIntoCell(grid, 2, TWordList::WordColumn, QStringLiteral("QQQ"));
        WhenModal<TCreatedPuzzle>(
            [&](TCreatedPuzzle* view) {
                messages.answers.push_back(MessageService::Button::No);
                QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("SaveButton")), Qt::LeftButton);
                viewStillUp = view->isVisible();
                QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("CancelButton")), Qt::LeftButton);
            },
            &viewSeen);
        QTest::mouseClick(Control<QPushButton>(editor, "CreateIt"), Qt::LeftButton);
        // The words were never saved as a puzzle, so Exit asks before dropping them.
        messages.answers.push_back(MessageService::Button::Yes);
        QTest::mouseClick(Control<QPushButton>(editor, "ExitButton"), Qt::LeftButton);
    });
    action("MenuNewPuzzle")->trigger();

    ASSERT_TRUE(viewSeen);
    ASSERT_FALSE(watchdog.fired());
    EXPECT_TRUE(viewStillUp);
    EXPECT_EQ(messages.texts(),
              (QStringList{QStringLiteral("One or more words did not fit into the puzzle.  Save Puzzle anyway?"),
                           QStringLiteral("The words and clues have not been made into a puzzle.  Discard them?")}));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Warning"));
    QFile after(defaultCollection());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
    EXPECT_EQ(categories(), QStringList{QStringLiteral("Birds")});
    EXPECT_EQ(selectedTitle(), QStringLiteral("Owls"));
}
