// The created puzzle view: candidates, word lists and headings, the enlarged view and Save Puzzle.
#include "words/ui/WordListTestSupport.h"

#include "build/Engine.h"
#include "puzzle/ui/CreatedPuzzle.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace WordListTest;

namespace {

const QList<QByteArray> EnteredWords{"PEAR", "APPLE", "FIG", "KIWI"};

/** A candidate: a 5 x 5 grid with a letter in its first cell, the words in the given order and their placed flags. */
void PutCandidate(TBuildResult& result, int slot, const TPuzzleRecord& base, const QList<QByteArray>& words,
                  const QList<int>& flags)
{
    TPuzzleRecord& c = result.Candidates[std::size_t(slot)];
    c = base;
    c.GridWidth = 5;
    c.GridHeight = 5;
    c.Grid.fill(' ');
    c.Grid[0] = 'P';
    c.Grid[24] = 0;
    int placed = 0;
    for (int t = 0; t < words.size(); ++t) {
        c.Words[std::size_t(t)].setText(words[t]);
        result.CandidatePlacedFlags[std::size_t(slot)][std::size_t(t)] = std::uint8_t(flags[t]);
        placed += flags[t];
    }
    c.WordCount = std::int16_t(placed);
    c.AcrossCount = std::int16_t(placed);
    c.WordUsed[150] = 1; // left over from elsewhere: Save clears it
    result.CandidateScores[std::size_t(slot)] = placed;
}

} // namespace

class CreatedPuzzleTest : public WordListUiTest {
protected:
    void SetUp() override
    {
        WordListUiTest::SetUp();
        TPuzzleRecord& puzzle = context->Working.CurrentPuzzle;
        puzzle.Title.setText("Fruit Bowl");
        puzzle.Category.setText("Food");
        for (int i = 0; i < EnteredWords.size(); ++i)
            puzzle.Words[std::size_t(i)].setText(EnteredWords[i]);
        puzzle.WordCount = std::int16_t(EnteredWords.size());
        TBuildResult& result = context->Candidates();
        result = TBuildResult{};
        PutCandidate(result, 0, puzzle, {"PEAR", "APPLE", "FIG", "KIWI"}, {1, 1, 1, 1});
        PutCandidate(result, 1, puzzle, {"PEAR", "APPLE", "FIG", "KIWI"}, {1, 1, 1, 0});
        PutCandidate(result, 2, puzzle, {"KIWI", "APPLE", "FIG", "PEAR"}, {1, 0, 0, 0});
        context->RequestSelection = [this](const QByteArray& category, const QByteArray& title) {
            selections.append(category + '/' + title);
        };
    }

    static QStringList Items(QListWidget* list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out.append(list->item(i)->text());
        return out;
    }

    static void Click(TCreatedPuzzle& view, int slot)
    {
        QTest::mouseClick(Control<TCandidatePicture>(&view, ("Candidate" + std::to_string(slot)).c_str()),
                          Qt::LeftButton, {}, QPoint(30, 30));
    }

    /** The record Save Puzzle should write for slot (0-based), worked out from the rule. */
    TPuzzleRecord Expected(int slot) const
    {
        const TBuildResult& result = context->Candidates();
        TPuzzleRecord r = result.Candidates[std::size_t(slot)];
        r.Generated = 1;
        r.Version.setText("3.0c");
        r.WordUsed.fill(0);
        for (int t = 0; t < r.WordCount; ++t)
            r.WordUsed[std::size_t(t)] = result.CandidatePlacedFlags[std::size_t(slot)][std::size_t(t)];
        return r;
    }

    QList<QByteArray> selections;
};

TEST_F(CreatedPuzzleTest, SelectingACandidateListsItsWordsUnderCountedHeadings)
{
    TCreatedPuzzle view(*context);
    view.show();
    auto* included = Control<QListWidget>(&view, "IncludedWords");
    auto* excluded = Control<QListWidget>(&view, "ExcludedWords");
    auto* includedHeading = Control<QLabel>(&view, "IncludedHeading");
    auto* excludedHeading = Control<QLabel>(&view, "ExcludedHeading");

    struct Case {
        int slot;
        QString included, excluded;
        QStringList includedWords, excludedWords;
    };
    const QList<Case> cases{
        {1, QStringLiteral("4 Included Words"), QStringLiteral("0 Excluded Words"),
         {QStringLiteral("APPLE"), QStringLiteral("FIG"), QStringLiteral("KIWI"), QStringLiteral("PEAR")}, {}},
        {2, QStringLiteral("3 Included Words"), QStringLiteral("1 Excluded Word"),
         {QStringLiteral("APPLE"), QStringLiteral("FIG"), QStringLiteral("PEAR")}, {QStringLiteral("KIWI")}},
        {3, QStringLiteral("1 Included Word"), QStringLiteral("3 Excluded Words"), {QStringLiteral("KIWI")},
         {QStringLiteral("APPLE"), QStringLiteral("FIG"), QStringLiteral("PEAR")}},
    };
    // Candidate 1 is selected when the view first shows.
    EXPECT_EQ(view.selectedCandidate(), 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slot);
        Click(view, c.slot);
        EXPECT_EQ(view.selectedCandidate(), c.slot);
        EXPECT_EQ(includedHeading->text(), c.included);
        EXPECT_EQ(excludedHeading->text(), c.excluded);
        EXPECT_EQ(Items(included), c.includedWords);
        EXPECT_EQ(Items(excluded), c.excludedWords);
    }
}

TEST_F(CreatedPuzzleTest, EmptySlotsShowNothingAndIgnoreClicks)
{
    TCreatedPuzzle view(*context);
    view.show();
    for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(Control<QLabel>(&view, ("Caption" + std::to_string(n)).c_str())->isVisible());
    EXPECT_EQ(Control<QLabel>(&view, "Caption2")->text(), QStringLiteral("Second Best Fit"));
    EXPECT_FALSE(Control<QLabel>(&view, "Caption4")->isVisible());

    Click(view, 2);
    bool enlargedOpened = false;
    WhenModal<TEnlargedPuzzle>([](TEnlargedPuzzle* e) { e->reject(); }, &enlargedOpened, 300);
    Click(view, 4);
    QTest::mouseDClick(Control<TCandidatePicture>(&view, "Candidate4"), Qt::LeftButton, {}, QPoint(30, 30));
    QTest::qWait(400);
    EXPECT_FALSE(enlargedOpened);
    EXPECT_EQ(view.selectedCandidate(), 2);

    // The empty picture is bare background; a filled one has its grid lines.
    const QImage empty = Control<QWidget>(&view, "Candidate4")->grab().toImage();
    const QImage filled = Control<QWidget>(&view, "Candidate1")->grab().toImage();
    const QRgb background = view.palette().color(QPalette::Window).rgb();
    for (int y = 0; y < empty.height(); y += 10)
        for (int x = 0; x < empty.width(); x += 10)
            ASSERT_EQ(empty.pixel(x, y), background) << x << "," << y;
    EXPECT_EQ(filled.pixel(0, 0), qRgb(0, 0, 0));
}

TEST_F(CreatedPuzzleTest, TheSelectedCandidateHasARedFrameAndCaption)
{
    TCreatedPuzzle view(*context);
    view.show();
    Click(view, 3);
    const QImage shot = view.grab().toImage();
    const QRect third = Control<QWidget>(&view, "Candidate3")->geometry();
    const QRect first = Control<QWidget>(&view, "Candidate1")->geometry();
    EXPECT_EQ(shot.pixel(third.left() - 3, third.center().y()), qRgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(third.right() + 3, third.center().y()), qRgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(third.center().x(), third.bottom() + 4), qRgb(255, 0, 0));
    EXPECT_NE(shot.pixel(first.left() - 3, first.center().y()), qRgb(255, 0, 0));
    EXPECT_EQ(Control<QLabel>(&view, "Caption3")->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_NE(Control<QLabel>(&view, "Caption1")->palette().color(QPalette::Window), QColor(255, 0, 0));
}

TEST_F(CreatedPuzzleTest, DoubleClickOpensTheEnlargedViewUnderTheRankName)
{
    TCreatedPuzzle view(*context);
    view.show();
    QString caption;
    QSize pictureSize;
    WhenModal<TEnlargedPuzzle>([&](TEnlargedPuzzle* enlarged) {
        caption = enlarged->windowTitle();
        pictureSize = enlarged->findChild<QWidget*>(QStringLiteral("EnlargedPicture"))->size();
        QTest::mouseClick(enlarged->findChild<QPushButton*>(QStringLiteral("ExitButton")), Qt::LeftButton);
    });
    QTest::mouseDClick(Control<TCandidatePicture>(&view, "Candidate2"), Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(caption, QStringLiteral("Second Best Fit"));
    EXPECT_EQ(pictureSize, QSize(411, 411));
    EXPECT_TRUE(view.isVisible());
}

TEST_F(CreatedPuzzleTest, SaveAppendsANewPuzzleAsGeneratedVersion30c)
{
    TPuzzleRecord existing;
    existing.Title.setText("Already there");
    ASSERT_TRUE(AppendPuzzle(collectionPath(), existing).isOk());
    TCreatedPuzzle view(*context);
    view.show();
    QTest::mouseClick(Control<QPushButton>(&view, "SaveButton"), Qt::LeftButton);
    EXPECT_TRUE(messages.shown.isEmpty()); // nothing excluded: no question
    EXPECT_EQ(view.result(), QDialog::Accepted);
    EXPECT_FALSE(view.isVisible());
    ASSERT_EQ(RecordCount(collectionPath()), 2);
    const TPuzzleRecord saved = Stored(1);
    EXPECT_EQ(saved, Expected(0));
    EXPECT_EQ(saved.Generated, 1);
    EXPECT_EQ(saved.Version.text(), QByteArray("3.0c"));
    EXPECT_EQ(saved.WordUsed[150], 0);
    EXPECT_EQ(context->Working.CurrentPuzzle, saved);
    EXPECT_EQ(Stored(0).Title.text(), QByteArray("Already there"));
    EXPECT_EQ(selections, QList<QByteArray>{"Food/Fruit Bowl"});
}

TEST_F(CreatedPuzzleTest, ExcludedWordsAskFirstAndNoKeepsTheViewOpen)
{
    TCreatedPuzzle view(*context);
    view.show();
    Click(view, 2);
    messages.answers.push_back(MessageService::Button::No);
    QTest::mouseClick(Control<QPushButton>(&view, "SaveButton"), Qt::LeftButton);
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("One or more words did not fit into the puzzle.  Save Puzzle anyway?")});
    EXPECT_EQ(messages.last().caption, QStringLiteral("Warning"));
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(RecordCount(collectionPath()), 0);
    EXPECT_TRUE(selections.isEmpty());

    // The No made the candidate the working puzzle; the view still counts the list as entered.
    const QString excludedBefore = Control<QLabel>(&view, "ExcludedHeading")->text();
    Click(view, 1);
    Click(view, 2);
    EXPECT_EQ(Control<QLabel>(&view, "ExcludedHeading")->text(), excludedBefore);
    messages.clear();
    messages.answers.push_back(MessageService::Button::No);
    QTest::mouseClick(Control<QPushButton>(&view, "SaveButton"), Qt::LeftButton);
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("One or more words did not fit into the puzzle.  Save Puzzle anyway?")});

    messages.answers.push_back(MessageService::Button::Yes);
    QTest::mouseClick(Control<QPushButton>(&view, "SaveButton"), Qt::LeftButton);
    EXPECT_FALSE(view.isVisible());
    ASSERT_EQ(RecordCount(collectionPath()), 1);
    const TPuzzleRecord saved = Stored(0);
    EXPECT_EQ(saved, Expected(1));
    EXPECT_EQ(saved.WordCount, 3);
    EXPECT_EQ(saved.Words[3].text(), QByteArray("KIWI")); // the word that did not fit stays after WordCount
    EXPECT_EQ(saved.WordUsed[3], 0);
}

TEST_F(CreatedPuzzleTest, SaveWritesAModifiedPuzzleOverItsRecord)
{
    TPuzzleRecord other;
    for (const char* title : {"Zero", "One", "Two"}) {
        other.Title.setText(title);
        ASSERT_TRUE(AppendPuzzle(collectionPath(), other).isOk());
    }
    context->Working.IsNewPuzzle = false;
    context->Working.CurrentRecordNumber = 1;
    context->Working.ReadAs = {"", "One"};
    TCreatedPuzzle view(*context);
    view.show();
    Click(view, 3);
    messages.answers.push_back(MessageService::Button::Yes);
    QTest::mouseClick(Control<QPushButton>(&view, "SaveButton"), Qt::LeftButton);
    ASSERT_EQ(RecordCount(collectionPath()), 3);
    EXPECT_EQ(Stored(1), Expected(2));
    EXPECT_EQ(Stored(0).Title.text(), QByteArray("Zero"));
    EXPECT_EQ(Stored(2).Title.text(), QByteArray("Two"));
    EXPECT_EQ(view.result(), QDialog::Accepted);
}

TEST_F(CreatedPuzzleTest, AnUnwritableCollectionIsReportedAndTheViewKeepsItsResultsToSaveAgain)
{
    context->Working.CurrentCollection = startPath(QStringLiteral("no/such/dir/TEST.QV3"));
    TCreatedPuzzle view(*context);
    view.show();
    QTest::mouseClick(Control<QPushButton>(&view, "SaveButton"), Qt::LeftButton);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Unable to save puzzle.\nNo such file or directory")});
    EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
    EXPECT_TRUE(view.isVisible());
    EXPECT_TRUE(selections.isEmpty());
    ASSERT_TRUE(QDir(startDir.path()).mkpath(QStringLiteral("no/such/dir")));
    QTest::mouseClick(Control<QPushButton>(&view, "SaveButton"), Qt::LeftButton);
    EXPECT_EQ(view.result(), QDialog::Accepted);
    EXPECT_EQ(RecordCount(context->Working.CurrentCollection), 1);
}

TEST_F(CreatedPuzzleTest, ARunThatPlacedNothingOffersNoSave)
{
    context->Candidates().CandidateScores.fill(0);
    TCreatedPuzzle view(*context);
    view.show();
    EXPECT_EQ(view.selectedCandidate(), 0);
    EXPECT_FALSE(Control<QPushButton>(&view, "SaveButton")->isEnabled());
    for (int n = 1; n <= 4; ++n)
        EXPECT_FALSE(Control<QLabel>(&view, ("Caption" + std::to_string(n)).c_str())->isVisible());
    QTest::mouseClick(Control<QPushButton>(&view, "CancelButton"), Qt::LeftButton);
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(RecordCount(collectionPath()), 0);
}

TEST_F(CreatedPuzzleTest, TheKeyboardChoosesAndEnlargesACandidate)
{
    TCreatedPuzzle view(*context);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.isActiveWindow(); }));
    Control<QWidget>(&view, "Candidate1")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Candidate2"));
    EXPECT_EQ(Control<QLabel>(&view, "Caption2")->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(Items(Control<QListWidget>(&view, "ExcludedWords")), QStringList{QStringLiteral("KIWI")});

    QString caption;
    WhenModal<TEnlargedPuzzle>([&](TEnlargedPuzzle* enlarged) {
        caption = enlarged->windowTitle();
        enlarged->reject();
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(caption, QStringLiteral("Second Best Fit"));

    // The fourth slot is empty: Tab from the third goes on to the word lists.
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.isActiveWindow(); }));
    Control<QWidget>(&view, "Candidate3")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("IncludedWords"));
}
