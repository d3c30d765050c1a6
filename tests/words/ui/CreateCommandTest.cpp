// The Create command of the word list editor: refusals, the run with and without the progress
// window, and the road from typed words to a saved record.
#include "words/ui/WordListTestSupport.h"

#include "build/Engine.h"
#include "build/ui/CreationAttempts.h"
#include "puzzle/ui/CreatedPuzzle.h"
#include "words/ui/WordList.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

using namespace WordListTest;

namespace {

struct WordClue {
    const char* word;
    const char* clue;
};

/** Ten words that cross well in a 15 x 15 square. */
const QList<WordClue> TenWords{
    {"ELEPHANT", "Large grey animal"}, {"GIRAFFE", "Long neck"},   {"LEOPARD", "Spotted cat"},
    {"PANTHER", "Black cat"},          {"RABBIT", "Long ears"},    {"TIGER", "Striped cat"},
    {"ZEBRA", "Striped horse"},        {"OTTER", "River swimmer"}, {"HORSE", "Rides in races"},
    {"CAMEL", "Has a hump"},
};

} // namespace

class CreateCommandTest : public WordListUiTest {
protected:
    /** Fills the editor: title, category, attempts and words (clues "clue n") from row 0 on. */
    void Fill(TWordList& editor, const QString& title, const QString& category, const QString& attempts,
              const QStringList& words)
    {
        Control<QLineEdit>(&editor, "Title")->setText(title);
        Control<QComboBox>(&editor, "Category")->setEditText(category);
        Control<QLineEdit>(&editor, "Attempts")->setText(attempts);
        auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
        for (int i = 0; i < words.size(); ++i) {
            grid->item(i, TWordList::WordColumn)->setText(words[i]);
            grid->item(i, TWordList::ClueColumn)->setText(QStringLiteral("clue ") + QString::number(i + 1));
        }
    }

    void ClickCreate(TWordList& editor) { QTest::mouseClick(Control<QPushButton>(&editor, "CreateIt"), Qt::LeftButton); }
};

TEST_F(CreateCommandTest, RefusalsNameTheFaultAndPutTheFocusOnIt)
{
    struct Case {
        const char* name;
        QString title, category, attempts;
        QStringList words;
        QString message;
        const char* focus; // object name, or nullptr for a grid cell / nothing
        int row, column;   // selected grid cell for a word or clue refusal (-1: not checked)
        bool beep;
    };
    // A 5 x 5 shape whose longest run, across or down, is 3.
    const QList<Case> cases{
        {"blank title", QStringLiteral("   "), QStringLiteral("Cats"), QStringLiteral("1"), {QStringLiteral("CAT")},
         QStringLiteral("No title specified.  Please correct."), "Title", -1, -1, false},
        {"blank category", QStringLiteral("Cats"), QStringLiteral("  "), QStringLiteral("1"), {QStringLiteral("CAT")},
         QStringLiteral("No category specified.  Please correct."), "Category", -1, -1, false},
        {"no words", QStringLiteral("Cats"), QStringLiteral("Pets"), QStringLiteral("1"), {QStringLiteral("  ")},
         QStringLiteral("No words have been entered.  Please correct."), nullptr, -1, -1, false},
        {"attempts 0", QStringLiteral("Cats"), QStringLiteral("Pets"), QStringLiteral("0"), {QStringLiteral("CAT")},
         QStringLiteral("Attempts must be between 1 and 999.  Please correct."), "Attempts", -1, -1, false},
        {"attempts letters", QStringLiteral("Cats"), QStringLiteral("Pets"), QStringLiteral("abc"), {QStringLiteral("CAT")},
         QStringLiteral("Attempts must be between 1 and 999.  Please correct."), "Attempts", -1, -1, false},
        {"word beyond the shape", QStringLiteral("Cats"), QStringLiteral("Pets"), QStringLiteral("1"),
         {QStringLiteral("CAT"), QString(), QStringLiteral("TIGERS")},
         QStringLiteral("Word is greater than puzzle dimension size of 5 characters in \"TIGERS\"."), nullptr, 2, 2, false},
        {"word beyond the longest run", QStringLiteral("Cats"), QStringLiteral("Pets"), QStringLiteral(" 12"),
         {QStringLiteral("CAT"), QStringLiteral("LION")},
         QStringLiteral("The maximum word length as provided by the selected layout is 3.  The following word is greater "
                        "than the maximum word length: \"LION\".  You will need to correct the word or change the layout."),
         nullptr, 1, 2, true},
    };
    const TShapeRecord shape = PictureShape(
        {QStringLiteral("###.#"), QStringLiteral("#.#.#"), QStringLiteral("##.##"), QStringLiteral(".#.#."),
         QStringLiteral("###.#")});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        context->settings.Attempts = 7;
        TWordList editor(*context);
        context->CurrentShape = shape; // as if picked in the shape list
        editor.show();
        Fill(editor, c.title, c.category, c.attempts, c.words);
        auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
        grid->setCurrentCell(150, 3);
        ClickCreate(editor);
        EXPECT_EQ(messages.texts(), QStringList{c.message});
        EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
        const bool beeped = !messages.shown.isEmpty() && messages.shown.first().kind == ScriptedMessageService::Shown::Beep;
        EXPECT_EQ(beeped, c.beep);
        if (c.focus) {
            QWidget* field = Control<QWidget>(&editor, c.focus);
            EXPECT_TRUE(editor.focusWidget() == field || field->isAncestorOf(editor.focusWidget()));
        }
        if (c.row >= 0) {
            EXPECT_EQ(editor.focusWidget(), grid);
            EXPECT_EQ(grid->currentRow(), c.row);
            EXPECT_EQ(grid->currentColumn(), c.column);
            EXPECT_EQ(context->settings.Attempts, ReadAttemptsText(c.attempts.toLatin1()));
        } else {
            EXPECT_EQ(context->settings.Attempts, 7);
        }
        EXPECT_TRUE(editor.isVisible());
    }
}

TEST_F(CreateCommandTest, ClueRefusalSelectsTheClueOfTheRowAsTyped)
{
    TWordList editor(*context);
    editor.show();
    Fill(editor, QStringLiteral("Cats"), QStringLiteral("Pets"), QStringLiteral("1"),
         {QString(), QStringLiteral("CAT"), QString(), QStringLiteral("LION")});
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
    // A clue of exactly 150 characters passes; 151 (as an import can leave) is one too many.
    grid->item(1, 3)->setText(QString(150, QLatin1Char('a')));
    grid->item(3, 3)->setText(QString(151, QLatin1Char('b')));
    ClickCreate(editor);
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("The length of the clue for the word \"LION\" is 1 characters longer than the "
                                         "maximum clue size of 150.")});
    EXPECT_EQ(grid->currentRow(), 3);
    EXPECT_EQ(grid->currentColumn(), 3);
    // The record was prepared before the clue check: the words closed up.
    EXPECT_EQ(context->Working.CurrentPuzzle.WordCount, 2);
    EXPECT_EQ(context->Working.CurrentPuzzle.Words[1].text(), QByteArray("LION"));
}

TEST_F(CreateCommandTest, OneAttemptRunsWithoutTheProgressWindowAndClosesUpTheRows)
{
    TWordList editor(*context);
    editor.setFixedSeed(1234);
    editor.show();
    Fill(editor, QStringLiteral("  Cats  "), QStringLiteral("Pets"), QStringLiteral("1"), {});
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
    // Words in rows 3 and 7; a word of spaces in row 5 goes with its clue.
    TypeIntoCell(grid, 2, 2, QStringLiteral("TIGER"));
    TypeIntoCell(grid, 2, 3, QStringLiteral("Striped"));
    TypeIntoCell(grid, 4, 2, QStringLiteral("   "));
    TypeIntoCell(grid, 4, 3, QStringLiteral("lost clue"));
    TypeIntoCell(grid, 6, 2, QStringLiteral("GIRAFFE"));

    QString firstModal;
    RecordAndCloseNextModal(&firstModal);
    ClickCreate(editor);
    EXPECT_EQ(firstModal, QStringLiteral("TCreatedPuzzle"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(editor.isVisible()); // Cancel in the view leaves the editor open
    EXPECT_EQ(context->settings.Attempts, 1);

    const TPuzzleRecord& puzzle = context->Working.CurrentPuzzle;
    EXPECT_EQ(puzzle.Title.text(), QByteArray("Cats"));
    EXPECT_EQ(puzzle.WordCount, 2);
    EXPECT_EQ(puzzle.Words[0].text(), QByteArray("TIGER"));
    EXPECT_EQ(puzzle.Clues[0].text(), QByteArray("Striped"));
    EXPECT_EQ(puzzle.Words[1].text(), QByteArray("GIRAFFE"));
    EXPECT_TRUE(puzzle.Clues[1].isEmpty());
    EXPECT_EQ(puzzle.GridWidth, context->CurrentShape.ShapeWidth);
    EXPECT_EQ(puzzle.GridHeight, context->CurrentShape.ShapeHeight);
    EXPECT_GT(context->Candidates().CandidateScores[0], 0);
    EXPECT_EQ(context->Candidates().CandidateScores[1], 0);

    // Reopened on the prepared record, the words fill rows 1 and 2.
    TWordList again(*context);
    auto* againGrid = Control<QTableWidget>(&again, "WordsCluesGrid");
    EXPECT_EQ(CellText(againGrid, 0, 2), QStringLiteral("TIGER"));
    EXPECT_EQ(CellText(againGrid, 1, 2), QStringLiteral("GIRAFFE"));
    EXPECT_EQ(CellText(againGrid, 2, 2), QString());
}

TEST_F(CreateCommandTest, AbortStopsTheRunAfterTheAttemptInProgress)
{
    // Abort, and Escape or the close button, which abort too and leave the window up until the
    // engine has returned.
    for (const bool byEscape : {false, true}) {
        SCOPED_TRACE(byEscape ? "Escape" : "Abort button");
        messages.clear();
        TWordList editor(*context);
        editor.setFixedSeed(99);
        editor.show();
        // QQQ shares no letter with the other words, so no attempt places every word and the run
        // would go through all 999 attempts; 150 words make that long enough to abort it.
        QStringList words{QStringLiteral("QQQ")};
        for (int i = 0; i < 150; ++i)
            words.append(QStringLiteral("TIGER") + QChar(u'A' + i / 26) + QChar(u'A' + i % 26));
        Fill(editor, QStringLiteral("Cats"), QStringLiteral("Pets"), QStringLiteral("999"), words);

        int attemptAtClick = 0;
        QElapsedTimer sinceClick;
        qint64 answeredAfter = -1;
        bool upAfterRequest = false;
        QString finalStatus, finalSecond, buttonAfter;
        bool finished = false;
        WhenModal<TCreationAttempts>([&](TCreationAttempts* progress) {
            // Abort from a timer while the run goes on, once the window names an attempt.
            auto* poll = new QTimer(progress);
            poll->setInterval(1);
            QObject::connect(poll, &QTimer::timeout, progress, [&, progress, poll] {
                const QString status = progress->statusLine();
                const QString prefix = QStringLiteral("Creation Attempt #");
                if (attemptAtClick == 0 && progress->isRunning() && status.startsWith(prefix)
                    && status.mid(prefix.size()).toInt() >= 1) {
                    attemptAtClick = status.mid(prefix.size()).toInt();
                    sinceClick.start();
                    if (byEscape)
                        QTest::keyClick(progress, Qt::Key_Escape);
                    else
                        QTest::mouseClick(progress->findChild<QPushButton*>(QStringLiteral("Cancel")), Qt::LeftButton);
                    upAfterRequest = progress->isVisible();
                }
                if (progress->isFinished()) {
                    poll->stop();
                    answeredAfter = sinceClick.isValid() ? sinceClick.elapsed() : -1;
                    finished = true;
                    finalStatus = progress->statusLine();
                    finalSecond = progress->secondLine();
                    auto* button = progress->findChild<QPushButton*>(QStringLiteral("Cancel"));
                    buttonAfter = button->text();
                    QTest::mouseClick(button, Qt::LeftButton);
                }
            });
            EXPECT_EQ(progress->windowTitle(), QStringLiteral("Building Puzzles"));
            EXPECT_EQ(progress->findChild<QPushButton*>(QStringLiteral("Cancel"))->text(), QStringLiteral("&Abort"));
            poll->start();
        });
        bool viewAfterAbort = false;
        WhenModal<TCreatedPuzzle>([](TCreatedPuzzle* view) { view->reject(); }, &viewAfterAbort);
        ClickCreate(editor);

        ASSERT_TRUE(finished);
        ASSERT_GE(attemptAtClick, 1);
        EXPECT_TRUE(upAfterRequest);
        // The engine runs on while the window shows an attempt: it stops after the attempt in
        // progress when the click arrives, and the window answers within 50 ms.
        const int abortedAt = finalStatus.section(QLatin1Char('#'), 1).toInt();
        EXPECT_TRUE(finalStatus.startsWith(QStringLiteral("Aborted on creation Attempt #"))) << finalStatus.toStdString();
        EXPECT_GE(abortedAt, attemptAtClick);
        EXPECT_GE(answeredAfter, 0);
        EXPECT_LT(answeredAfter, 50);
        RecordProperty(byEscape ? "EscapeAnsweredAfterMs" : "AbortAnsweredAfterMs", int(answeredAfter));
        EXPECT_LT(abortedAt, 999);
        EXPECT_TRUE(finalSecond.isEmpty());
        EXPECT_EQ(buttonAfter, QStringLiteral("&Ok"));
        EXPECT_TRUE(viewAfterAbort); // the view follows an abort too
        EXPECT_TRUE(messages.shown.isEmpty()); // no beep after an abort
        EXPECT_EQ(context->settings.Attempts, 999);
    }
}

TEST_F(CreateCommandTest, ACompletedRunSaysSoBeepsAndGivesTheEnginesResultsForItsSeed)
{
    TWordList editor(*context);
    editor.setFixedSeed(7);
    editor.show();
    QStringList words{QStringLiteral("QQQ")};
    for (const WordClue& pair : TenWords)
        words.append(QString::fromLatin1(pair.word));
    Fill(editor, QStringLiteral("Cats"), QStringLiteral("Pets"), QStringLiteral("60"), words);
    const auto before = std::make_unique<TBuildResult>(context->Candidates());
    QString status, second, best;
    int barValue = 0, barMaximum = 0;
    WhenModal<TCreationAttempts>([&](TCreationAttempts* progress) {
        auto* poll = new QTimer(progress);
        poll->setInterval(2);
        QObject::connect(poll, &QTimer::timeout, progress, [&, progress, poll] {
            if (!progress->isFinished())
                return;
            poll->stop();
            status = progress->statusLine();
            second = progress->secondLine();
            barValue = progress->findChild<QProgressBar*>(QStringLiteral("AttemptsBar"))->value();
            barMaximum = progress->findChild<QProgressBar*>(QStringLiteral("AttemptsBar"))->maximum();
            best = progress->findChild<QLabel*>(QStringLiteral("BestResult"))->text();
            progress->CancelClick();
        });
        poll->start();
    });
    bool viewShown = false;
    WhenModal<TCreatedPuzzle>([](TCreatedPuzzle* view) { view->reject(); }, &viewShown);
    ClickCreate(editor);
    EXPECT_TRUE(viewShown);
    EXPECT_EQ(status, QStringLiteral("Creation Attempt #60"));
    EXPECT_EQ(second, QStringLiteral("Completed"));
    EXPECT_EQ(barValue, 60);
    EXPECT_EQ(barMaximum, 60);
    const TBuildResult& run = context->Candidates();
    EXPECT_EQ(best, QStringLiteral("Best so far: %1 of 11 words placed").arg(run.CandidateScores[0]));
    // The worker thread gives exactly what the engine gives on this thread for the same seed.
    BuildPuzzles(context->Working.CurrentPuzzle, context->CurrentShape, {60, false, false}, 7, nullptr, *before);
    EXPECT_EQ(run.CandidateScores, before->CandidateScores);
    EXPECT_EQ(run.CandidatePlacedFlags, before->CandidatePlacedFlags);
    EXPECT_TRUE(run.Candidates == before->Candidates);
    EXPECT_GT(run.CandidateScores[3], 0);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].kind, ScriptedMessageService::Shown::Beep);
}

TEST_F(CreateCommandTest, TypedWordsBecomeASavedPuzzleInTheCollection)
{
    QList<QByteArray> selections;
    context->RequestSelection = [&](const QByteArray& category, const QByteArray& title) {
        selections.append(category + '/' + title);
    };
    TWordList editor(*context);
    editor.setFixedSeed(20240501);
    editor.show();
    QTest::keyClicks(Control<QLineEdit>(&editor, "Title"), QStringLiteral("Zoo Day"));
    QTest::keyClicks(Control<QComboBox>(&editor, "Category")->lineEdit(), QStringLiteral("Animals"));
    auto* attempts = Control<QLineEdit>(&editor, "Attempts");
    attempts->selectAll();
    QTest::keyClicks(attempts, QStringLiteral("50"));
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
    for (int i = 0; i < TenWords.size(); ++i) {
        TypeIntoCell(grid, i, 2, QString::fromLatin1(TenWords[i].word));
        TypeIntoCell(grid, i, 3, QString::fromLatin1(TenWords[i].clue));
    }

    WhenModal<TCreationAttempts>([](TCreationAttempts* progress) {
        auto* poll = new QTimer(progress);
        poll->setInterval(2);
        QObject::connect(poll, &QTimer::timeout, progress, [progress, poll] {
            if (progress->isFinished()) {
                poll->stop();
                QTest::mouseClick(progress->findChild<QPushButton*>(QStringLiteral("Cancel")), Qt::LeftButton);
            }
        });
        poll->start();
    });
    int picked = 0;
    QString includedHeading;
    WhenModal<TCreatedPuzzle>([&](TCreatedPuzzle* view) {
        // Pick the second candidate when there is one, else the best.
        auto* second = view->findChild<TCandidatePicture*>(QStringLiteral("Candidate2"));
        QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(20, 20));
        picked = view->selectedCandidate();
        includedHeading = view->findChild<QLabel*>(QStringLiteral("IncludedHeading"))->text();
        messages.answers.push_back(MessageService::Button::Yes);
        QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("SaveButton")), Qt::LeftButton);
    });
    QTest::mouseClick(Control<QPushButton>(&editor, "CreateIt"), Qt::LeftButton);

    ASSERT_GE(picked, 1);
    EXPECT_EQ(context->settings.Attempts, 50);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    ASSERT_EQ(RecordCount(collectionPath()), 1);
    const TPuzzleRecord saved = Stored(0);
    EXPECT_EQ(saved.Title.text(), QByteArray("Zoo Day"));
    EXPECT_EQ(saved.Category.text(), QByteArray("Animals"));
    EXPECT_EQ(saved.Generated, 1);
    EXPECT_EQ(saved.Version.text(), QByteArray("3.0c"));
    EXPECT_EQ(saved.WordCount, context->Candidates().CandidateScores[std::size_t(picked - 1)]);
    EXPECT_EQ(includedHeading, QString::number(saved.WordCount) + QStringLiteral(" Included Words"));
    EXPECT_EQ(saved.AcrossCount + saved.DownCount, saved.WordCount);
    EXPECT_EQ(selections, QList<QByteArray>{"Animals/Zoo Day"});

    // Every placed word reads off the grid at its start cell, with its typed clue.
    for (int i = 0; i < saved.WordCount; ++i) {
        const QByteArray word = saved.Words[std::size_t(i)].text();
        const int step = saved.Direction[std::size_t(i)] == 1 ? 1 : 50;
        QByteArray read;
        for (int k = 0; k < saved.LetterCount[std::size_t(i)]; ++k)
            read += char(saved.Grid[std::size_t(saved.StartCell[std::size_t(i)] - 1 + k * step)]);
        EXPECT_EQ(read, word);
        EXPECT_EQ(saved.WordUsed[std::size_t(i)], 1);
        const auto typed = std::find_if(TenWords.begin(), TenWords.end(),
                                        [&](const WordClue& w) { return word == w.word; });
        ASSERT_NE(typed, TenWords.end());
        EXPECT_EQ(saved.Clues[std::size_t(i)].text(), QByteArray(typed->clue));
    }
}

TEST_F(CreateCommandTest, TheShapePickedInTheListIsTheShapeBuiltIn)
{
    TWordList editor(*context);
    editor.setFixedSeed(3);
    editor.show();
    auto* shapes = Control<QListWidget>(&editor, "ShapeBox");
    const QList<QListWidgetItem*> tens = shapes->findItems(QStringLiteral("10x10"), Qt::MatchStartsWith);
    ASSERT_FALSE(tens.isEmpty());
    shapes->setCurrentItem(tens.first());
    EXPECT_EQ(context->CurrentShape.ShapeWidth, 10);
    Fill(editor, QStringLiteral("Cats"), QStringLiteral("Pets"), QStringLiteral("1"),
         {QStringLiteral("TIGER"), QStringLiteral("LION")});
    QString firstModal;
    RecordAndCloseNextModal(&firstModal);
    ClickCreate(editor);
    EXPECT_EQ(firstModal, QStringLiteral("TCreatedPuzzle"));
    EXPECT_EQ(context->Working.CurrentPuzzle.GridWidth, 10);
    EXPECT_EQ(context->Working.CurrentPuzzle.GridHeight, 10);
}
