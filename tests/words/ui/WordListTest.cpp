// The word list editor: modes, the grid, Delete and Delete All, Save and Exit on stored puzzles.
#include "words/ui/WordListTestSupport.h"

#include "puzzle/ui/AddAClue.h"
#include "puzzle/ui/AddWords.h"
#include "pages/PageFile.h"
#include "render/PageRenderer.h"
#include "pages/ui/ListPages.h"
#include "puzzle/ui/CreatedPuzzle.h"
#include "words/ui/WordList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>

using namespace WordListTest;

namespace {

/** A stored-looking puzzle: title, category, bonus question and the given words with clues "clue i". */
TPuzzleRecord StoredPuzzle(const QList<QByteArray>& words, const QByteArray& title = "Animals One")
{
    TPuzzleRecord record;
    ClearForNewPuzzle(record);
    PutDefaultLayout(record);
    record.Title.setText(title);
    record.Category.setText("Animals");
    record.BonusQuestion.setText("Which one purrs?");
    for (int i = 0; i < words.size(); ++i) {
        record.Words[std::size_t(i)].setText(words[i]);
        if (!words[i].isEmpty())
            record.Clues[std::size_t(i)].setText("clue " + QByteArray::number(i + 1));
    }
    record.WordCount = std::int16_t(words.size());
    return record;
}

} // namespace

class WordListEditorTest : public WordListUiTest {
protected:
    /** Writes records to the collection and opens record n for modifying, as the main window does. */
    void OpenStored(const QList<TPuzzleRecord>& records, int n)
    {
        for (const TPuzzleRecord& r : records)
            ASSERT_TRUE(AppendPuzzle(collectionPath(), r).isOk());
        context->Working.IsNewPuzzle = false;
        context->Working.CurrentRecordNumber = n;
        context->Working.CurrentPuzzle = records[n];
        context->Working.ReadAs = TRecordName::of(records[n]);
        context->RequestSelection = [this](const QByteArray& category, const QByteArray& title) {
            selections.append(category + '/' + title);
        };
    }

    QList<QByteArray> selections;
};

TEST_F(WordListEditorTest, NewPuzzleModeEditsWordsAndOffersConstructionButNoSave)
{
    context->Working.CurrentPuzzle.WordUsed[1] = 1;
    context->settings.Attempts = 25;
    context->settings.Shrink = true;
    TWordList editor(*context);
    editor.show();
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
    ASSERT_EQ(grid->rowCount(), 200);
    ASSERT_EQ(grid->columnCount(), 4);
    const QStringList headings{QStringLiteral("Cnt"), QStringLiteral("U"), QStringLiteral("Word"), QStringLiteral("Clue")};
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(grid->horizontalHeaderItem(c)->text(), headings[c]);
    EXPECT_EQ(CellText(grid, 199, 0), QStringLiteral("200"));
    EXPECT_EQ(CellText(grid, 1, 1), QStringLiteral("x"));
    EXPECT_EQ(CellText(grid, 0, 1), QString());
    EXPECT_TRUE(grid->item(0, 2)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(grid->item(0, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(grid->item(0, 1)->flags() & Qt::ItemIsEditable);

    EXPECT_FALSE(Control<QPushButton>(&editor, "SaveButton")->isVisible());
    EXPECT_FALSE(Control<QPushButton>(&editor, "AddWordsButton")->isVisible());
    EXPECT_TRUE(Control<QPushButton>(&editor, "CreateIt")->isEnabled());
    EXPECT_EQ(Control<QLineEdit>(&editor, "Attempts")->text(), QStringLiteral("25"));
    EXPECT_TRUE(Control<QCheckBox>(&editor, "AutoShrink")->isChecked());
    EXPECT_EQ(editor.focusWidget(), Control<QLineEdit>(&editor, "Title"));

    // The check boxes change their settings at once.
    for (const char* name : {"AutoShrink", "QuickCreate"}) {
        auto* box = Control<QCheckBox>(&editor, name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    EXPECT_FALSE(context->settings.Shrink);
    EXPECT_TRUE(context->settings.QuickBuild);
}

TEST_F(WordListEditorTest, StoredPuzzleModeFixesWordsShapeAndConstruction)
{
    AppendPuzzle(collectionPath(), StoredPuzzle({"OTTER"}, "Other"));
    TPuzzleRecord second = StoredPuzzle({"CAT", "DOG"});
    second.Category.setText("Birds");
    OpenStored({second}, 0);
    context->Working.CurrentRecordNumber = 1;
    TWordList editor(*context);
    editor.show();
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
    EXPECT_FALSE(grid->item(0, 2)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(grid->item(0, 3)->flags() & Qt::ItemIsEditable);
    for (const char* name : {"CreateIt", "AutoShrink", "QuickCreate", "Attempts", "DeleteButton", "DeleteAllButton",
                             "ImportButton", "ShapeBox"})
        EXPECT_FALSE(Control<QWidget>(&editor, name)->isEnabled()) << name;
    EXPECT_TRUE(Control<QPushButton>(&editor, "SaveButton")->isVisible());
    EXPECT_TRUE(Control<QPushButton>(&editor, "SaveButton")->isEnabled());
    EXPECT_EQ(CellText(grid, 1, 2), QStringLiteral("DOG"));
    EXPECT_EQ(Control<QLineEdit>(&editor, "Title")->text(), QStringLiteral("Animals One"));

    // The category list is the collection's categories in case-insensitive order; the text is the puzzle's.
    auto* category = Control<QComboBox>(&editor, "Category");
    ASSERT_EQ(category->count(), 2);
    EXPECT_EQ(category->itemText(0), QStringLiteral("Animals"));
    EXPECT_EQ(category->itemText(1), QStringLiteral("Birds"));
    EXPECT_EQ(category->currentText(), QStringLiteral("Birds"));
}

TEST_F(WordListEditorTest, DeleteMovesRowsUpAndClearsTheLastRow)
{
    TPuzzleRecord& puzzle = context->Working.CurrentPuzzle;
    for (int i = 0; i < 3; ++i) {
        puzzle.Words[std::size_t(i)].setText("WORD" + QByteArray::number(i + 1));
        puzzle.Clues[std::size_t(i)].setText("clue " + QByteArray::number(i + 1));
    }
    puzzle.WordUsed[2] = 1;
    puzzle.Words[199].setText("LAST");
    TWordList editor(*context);
    editor.show();
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");

    grid->setCurrentCell(1, 3);
    QTest::mouseClick(Control<QPushButton>(&editor, "DeleteButton"), Qt::LeftButton);
    EXPECT_EQ(CellText(grid, 0, 2), QStringLiteral("WORD1"));
    EXPECT_EQ(CellText(grid, 1, 2), QStringLiteral("WORD3"));
    EXPECT_EQ(CellText(grid, 1, 3), QStringLiteral("clue 3"));
    EXPECT_EQ(CellText(grid, 1, 1), QStringLiteral("x"));
    EXPECT_EQ(CellText(grid, 2, 2), QString());
    EXPECT_EQ(CellText(grid, 198, 2), QStringLiteral("LAST"));
    EXPECT_EQ(CellText(grid, 199, 2), QString());
    EXPECT_EQ(CellText(grid, 1, 0), QStringLiteral("2")); // row numbers stay

    // Row 200 selected: only that row is cleared.
    grid->item(199, 2)->setText(QStringLiteral("END"));
    grid->setCurrentCell(199, 2);
    QTest::mouseClick(Control<QPushButton>(&editor, "DeleteButton"), Qt::LeftButton);
    EXPECT_EQ(CellText(grid, 199, 2), QString());
    EXPECT_EQ(CellText(grid, 198, 2), QStringLiteral("LAST"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(WordListEditorTest, DeleteAllAsksAndRefusesAnAlreadyClearedList)
{
    context->Working.CurrentPuzzle.Clues[4].setText("only a clue");
    context->Working.CurrentPuzzle.WordUsed[0] = 1;
    TWordList editor(*context);
    editor.show();
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
    auto* deleteAll = Control<QPushButton>(&editor, "DeleteAllButton");

    QTest::mouseClick(deleteAll, Qt::LeftButton);
    EXPECT_EQ(messages.last().text, QStringLiteral("All words are already cleared."));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));

    grid->item(0, 2)->setText(QStringLiteral("   "));
    grid->item(6, 2)->setText(QStringLiteral("WORD"));
    messages.clear();
    messages.answers.push_back(MessageService::Button::No);
    QTest::mouseClick(deleteAll, Qt::LeftButton);
    EXPECT_EQ(messages.last().text, QStringLiteral("This will remove all words and clues.  Continue?"));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Warning"));
    EXPECT_EQ(CellText(grid, 6, 2), QStringLiteral("WORD"));

    messages.answers.push_back(MessageService::Button::Yes);
    QTest::mouseClick(deleteAll, Qt::LeftButton);
    EXPECT_EQ(CellText(grid, 6, 2), QString());
    EXPECT_EQ(CellText(grid, 4, 3), QString());
    EXPECT_EQ(CellText(grid, 0, 1), QStringLiteral("x")); // the used column stays
}

TEST_F(WordListEditorTest, CellEditorsCutWordsTo30AndCluesTo150Characters)
{
    TWordList editor(*context);
    editor.show();
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
    TypeIntoCell(grid, 0, 2, QString(40, QLatin1Char('A')));
    TypeIntoCell(grid, 0, 3, QString(160, QLatin1Char('c')));
    EXPECT_EQ(CellText(grid, 0, 2).size(), 30);
    EXPECT_EQ(CellText(grid, 0, 3).size(), 150);
}

TEST_F(WordListEditorTest, SaveClosesUpBlankRowsAndWritesOverTheRecord)
{
    // Word 5 blank in the record: words 1..4 stay, the former word 6 moves to slot 5.
    const TPuzzleRecord first = StoredPuzzle({"LION"}, "First");
    const TPuzzleRecord second = StoredPuzzle({"CAT", "DOG", "EMU", "GNU", "", "YAK"});
    const TPuzzleRecord third = StoredPuzzle({"OWL"}, "Third");
    OpenStored({first, second, third}, 1);
    TWordList editor(*context);
    editor.show();
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
    TypeIntoCell(grid, 1, 3, QStringLiteral("  barks  "));
    Control<QLineEdit>(&editor, "Title")->end(false);
    QTest::keyClicks(Control<QLineEdit>(&editor, "Title"), QStringLiteral(" Two"));

    QTest::mouseClick(Control<QPushButton>(&editor, "SaveButton"), Qt::LeftButton);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    ASSERT_EQ(RecordCount(collectionPath()), 3);
    const TPuzzleRecord saved = Stored(1);
    EXPECT_EQ(saved.Title.text(), QByteArray("Animals One Two"));
    EXPECT_EQ(saved.WordCount, 5);
    EXPECT_EQ(saved.Words[3].text(), QByteArray("GNU"));
    EXPECT_EQ(saved.Words[4].text(), QByteArray("YAK"));
    EXPECT_EQ(saved.Clues[4].text(), QByteArray("clue 6"));
    EXPECT_EQ(saved.Clues[1].text(), QByteArray("barks"));
    EXPECT_TRUE(saved.Words[5].isEmpty());
    EXPECT_EQ(Stored(0), first);
    EXPECT_EQ(Stored(2), third);
    EXPECT_EQ(selections, QList<QByteArray>{"Animals/Animals One Two"});

    // Reopened, the words fill rows 1..5.
    context->Working.CurrentPuzzle = saved;
    TWordList again(*context);
    EXPECT_EQ(CellText(Control<QTableWidget>(&again, "WordsCluesGrid"), 4, 2), QStringLiteral("YAK"));
}

TEST_F(WordListEditorTest, SaveRefusesABlankTitleOrCategory)
{
    const TPuzzleRecord stored = StoredPuzzle({"CAT"});
    OpenStored({stored}, 0);
    TWordList editor(*context);
    editor.show();
    auto* title = Control<QLineEdit>(&editor, "Title");
    auto* category = Control<QComboBox>(&editor, "Category");
    title->setText(QStringLiteral("   "));
    QTest::mouseClick(Control<QPushButton>(&editor, "SaveButton"), Qt::LeftButton);
    EXPECT_EQ(messages.last().text, QStringLiteral("No title specified.  Please correct."));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
    EXPECT_EQ(editor.focusWidget(), title);

    title->setText(QStringLiteral("Cats"));
    category->setEditText(QString());
    QTest::mouseClick(Control<QPushButton>(&editor, "SaveButton"), Qt::LeftButton);
    EXPECT_EQ(messages.last().text, QStringLiteral("No category specified.  Please correct."));
    EXPECT_TRUE(category->isAncestorOf(editor.focusWidget()) || editor.focusWidget() == category);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(Stored(0), stored);
}

TEST_F(WordListEditorTest, SaveKeepsTheWordCountOfAConstructedPuzzleAtItsPlacedWords)
{
    // Constructed: CAT and DOG placed, EMU did not fit and stays after WordCount.
    TPuzzleRecord stored = StoredPuzzle({"CAT", "DOG", "EMU"});
    stored.Generated = 1;
    stored.WordCount = 2;
    stored.AcrossCount = 1;
    stored.DownCount = 1;
    stored.WordUsed[0] = stored.WordUsed[1] = 1;
    OpenStored({stored}, 0);
    TWordList editor(*context);
    editor.show();
    EXPECT_EQ(CellText(Control<QTableWidget>(&editor, "WordsCluesGrid"), 2, 2), QStringLiteral("EMU"));
    TypeIntoCell(Control<QTableWidget>(&editor, "WordsCluesGrid"), 0, 3, QStringLiteral("meows"));
    QTest::mouseClick(Control<QPushButton>(&editor, "SaveButton"), Qt::LeftButton);
    const TPuzzleRecord saved = Stored(0);
    EXPECT_EQ(saved.WordCount, 2);
    EXPECT_EQ(saved.Words[2].text(), QByteArray("EMU"));
    EXPECT_EQ(saved.Clues[0].text(), QByteArray("meows"));
    EXPECT_EQ(saved.Generated, 1);
}

TEST_F(WordListEditorTest, ExitAsksOnlyWhenTheStoredPuzzleChanged)
{
    const TPuzzleRecord stored = StoredPuzzle({"CAT", "DOG"});
    OpenStored({stored}, 0);
    const QString question = QStringLiteral("Puzzle has been modified.  Save changes?");

    {   // Unchanged: closes without asking.
        TWordList editor(*context);
        editor.show();
        QTest::mouseClick(Control<QPushButton>(&editor, "ExitButton"), Qt::LeftButton);
        EXPECT_TRUE(messages.shown.isEmpty());
        EXPECT_FALSE(editor.isVisible());
    }
    struct Change {
        const char* name;
        std::function<void(TWordList&)> make;
    };
    const QList<Change> changes{
        {"clue", [](TWordList& e) { TypeIntoCell(Control<QTableWidget>(&e, "WordsCluesGrid"), 1, 3, QStringLiteral("woof")); }},
        {"bonus question", [](TWordList& e) { QTest::keyClicks(Control<QLineEdit>(&e, "BonusQuest"), QStringLiteral("!")); }},
        {"page layout", [this](TWordList&) {
             // Another layout put into the puzzle: its name differs.
             auto& layout = context->Working.CurrentPuzzle.PageLayout;
             layout[1] = std::uint8_t(layout[1] == 'X' ? 'Y' : 'X');
         }},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        context->Working.CurrentPuzzle = stored;
        TWordList editor(*context);
        editor.show();
        change.make(editor);
        messages.clear();
        messages.answers.push_back(MessageService::Button::Cancel);
        QTest::mouseClick(Control<QPushButton>(&editor, "ExitButton"), Qt::LeftButton);
        EXPECT_EQ(messages.texts(), QStringList{question});
        EXPECT_EQ(messages.last().caption, QStringLiteral("Warning"));
        EXPECT_TRUE(editor.isVisible());

        messages.answers.push_back(MessageService::Button::No);
        QTest::mouseClick(Control<QPushButton>(&editor, "ExitButton"), Qt::LeftButton);
        EXPECT_FALSE(editor.isVisible());
        EXPECT_EQ(Stored(0), stored);
    }

    // Yes writes the change and closes; Escape runs Exit too.
    context->Working.CurrentPuzzle = stored;
    TWordList editor(*context);
    editor.show();
    TypeIntoCell(Control<QTableWidget>(&editor, "WordsCluesGrid"), 0, 3, QStringLiteral("purrs"));
    messages.clear();
    messages.answers.push_back(MessageService::Button::Yes);
    QTest::keyClick(&editor, Qt::Key_Escape);
    EXPECT_EQ(messages.texts(), QStringList{question});
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(Stored(0).Clues[0].text(), QByteArray("purrs"));
    EXPECT_EQ(selections.size(), 1);
}

TEST_F(WordListEditorTest, NewListWithTypedWordsAsksBeforeExitCloseBoxOrEscapeDiscardIt)
{
    const QString question = QStringLiteral("The words and clues have not been made into a puzzle.  Discard them?");
    {   // An empty list, and a copied one left as it was, close at once.
        TWordList empty(*context);
        empty.show();
        QTest::mouseClick(Control<QPushButton>(&empty, "ExitButton"), Qt::LeftButton);
        EXPECT_FALSE(empty.isVisible());
        context->Working.CurrentPuzzle = StoredPuzzle({"CAT"});
        TWordList copy(*context);
        copy.show();
        QTest::keyClick(&copy, Qt::Key_Escape);
        EXPECT_FALSE(copy.isVisible());
        EXPECT_TRUE(messages.shown.isEmpty());
    }
    context->Working.CurrentPuzzle = StoredPuzzle({"CAT"});
    TWordList editor(*context);
    editor.show();
    TypeIntoCell(Control<QTableWidget>(&editor, "WordsCluesGrid"), 1, 3, QStringLiteral("barks"));
    // No keeps the list, whichever way the window was asked to close.
    QTest::mouseClick(Control<QPushButton>(&editor, "ExitButton"), Qt::LeftButton);
    editor.close();
    QTest::keyClick(&editor, Qt::Key_Escape);
    EXPECT_EQ(messages.texts(), QStringList(3, question));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Warning"));
    EXPECT_EQ(messages.last().defaultButton, MessageService::Button::No);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(CellText(Control<QTableWidget>(&editor, "WordsCluesGrid"), 1, 3), QStringLiteral("barks"));
    messages.answers.push_back(MessageService::Button::Yes);
    QTest::keyClick(&editor, Qt::Key_Escape);
    EXPECT_FALSE(editor.isVisible());
}

TEST_F(WordListEditorTest, SaveReportsACollectionThatCannotBeWrittenAndKeepsTheEditorToSaveAgain)
{
    OpenStored({StoredPuzzle({"CAT"})}, 0);
    context->Working.CurrentCollection = startPath(QStringLiteral("missing/dir/TEST.QV3"));
    TWordList editor(*context);
    editor.show();
    QTest::mouseClick(Control<QPushButton>(&editor, "SaveButton"), Qt::LeftButton);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Unable to save puzzle.\nNo such file or directory")});
    EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
    EXPECT_TRUE(selections.isEmpty());
    // The editor stays open with the words, and saves once the collection is there.
    EXPECT_TRUE(editor.isVisible());
    ASSERT_TRUE(QDir(startDir.path()).mkpath(QStringLiteral("missing/dir")));
    ASSERT_TRUE(QFile::copy(collectionPath(), context->Working.CurrentCollection));
    QTest::mouseClick(Control<QPushButton>(&editor, "SaveButton"), Qt::LeftButton);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(RecordCount(context->Working.CurrentCollection), 1);
}

TEST_F(WordListEditorTest, AddWordsSavesNewWordsAndShowsThemInTheGrid)
{
    // A constructed 5 x 5 puzzle: CAT across at cell 1; EMU did not fit.
    TPuzzleRecord stored = StoredPuzzle({"CAT", "EMU"});
    stored.Generated = 1;
    stored.GridWidth = stored.GridHeight = 5;
    stored.Grid.fill(0);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            stored.Grid[std::size_t(r * 50 + c)] = ' ';
    stored.Grid[0] = 'C';
    stored.Grid[1] = 'A';
    stored.Grid[2] = 'T';
    stored.WordCount = 1;
    stored.AcrossCount = 1;
    stored.StartCell[0] = 1;
    stored.LetterCount[0] = 3;
    stored.Direction[0] = 1;
    stored.ClueNumber[0] = 1;
    stored.WordUsed[0] = 1;
    OpenStored({stored}, 0);
    TWordList editor(*context);
    editor.show();
    auto* addWords = Control<QPushButton>(&editor, "AddWordsButton");
    ASSERT_TRUE(addWords->isVisible());
    ASSERT_TRUE(addWords->isEnabled());

    // Type T under the A of CAT: the new down word AT gets the clue "Located".
    WhenModal<TAddAClue>([](TAddAClue* clue) {
        QTest::keyClicks(clue->findChild<QLineEdit*>(QStringLiteral("ClueEdit")), QStringLiteral("Located"));
        QTest::mouseClick(clue->findChild<QAbstractButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
    });
    WhenModal<TAddWords>([](TAddWords* window) {
        auto* canvas = window->findChild<QWidget*>(QStringLiteral("PuzzleImage"));
        const int s = window->cellSize();
        const QPoint cell(s + s / 2, s + s / 2); // row 2, column 2
        QTest::mousePress(canvas, Qt::LeftButton, {}, cell);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, cell);
        QTest::keyClicks(window->findChild<QLineEdit*>(QStringLiteral("LetterEntry")), QStringLiteral("t"));
        QTest::mouseClick(window->findChild<QAbstractButton*>(QStringLiteral("AcceptLetter")), Qt::LeftButton);
        QTest::mouseClick(window->findChild<QAbstractButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
    });
    QTest::mouseClick(addWords, Qt::LeftButton);

    const TPuzzleRecord saved = Stored(0);
    ASSERT_EQ(saved.WordCount, 2);
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(CellText(grid, row, 1), row < 2 ? QStringLiteral("x") : QString());
        EXPECT_EQ(CellText(grid, row, 2), Ansi::toUnicode(saved.Words[std::size_t(row)].text()));
        EXPECT_EQ(CellText(grid, row, 3), Ansi::toUnicode(saved.Clues[std::size_t(row)].text()));
    }
    EXPECT_EQ(CellText(grid, 1, 3), QStringLiteral("Located"));
    // EMU, which never fitted, stays in the list after the new word.
    EXPECT_EQ(CellText(grid, 2, 2), QStringLiteral("EMU"));
    EXPECT_TRUE(editor.isVisible());

    // What was written is the new reference: leaving now asks nothing.
    messages.clear();
    QTest::mouseClick(Control<QPushButton>(&editor, "ExitButton"), Qt::LeftButton);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_FALSE(editor.isVisible());
}

TEST_F(WordListEditorTest, AStoredBonusQuestionLongerThanTheFieldTakesIsKeptWhole)
{
    // The field takes 120 typed characters; a stored question may hold 150.
    TPuzzleRecord stored = StoredPuzzle({"CAT"});
    stored.BonusQuestion.setText(QByteArray(140, 'q'));
    OpenStored({stored}, 0);
    TWordList editor(*context);
    editor.show();
    QTest::mouseClick(Control<QPushButton>(&editor, "ExitButton"), Qt::LeftButton);
    EXPECT_TRUE(messages.shown.isEmpty());

    TWordList fresh(*context);
    fresh.show();
    auto* bonus = Control<QLineEdit>(&fresh, "BonusQuest");
    bonus->end(false);
    QTest::keyClicks(bonus, QStringLiteral("qq"));
    QTest::mouseClick(Control<QPushButton>(&fresh, "SaveButton"), Qt::LeftButton);
    EXPECT_EQ(Stored(0).BonusQuestion.text(), QByteArray(140, 'q'));

    ClearForNewPuzzle(context->Working);
    TWordList empty(*context);
    EXPECT_EQ(Control<QLineEdit>(&empty, "BonusQuest")->maxLength(), 120);
}

TEST_F(WordListEditorTest, ChangeLayoutPutsTheChosenLayoutIntoThePuzzle)
{
    OpenStored({StoredPuzzle({"CAT", "EMU"})}, 0);
    TWordList editor(*context);
    editor.show();
    auto* change = Control<QPushButton>(&editor, "ChangeLayoutButton");
    ASSERT_TRUE(change->isEnabled());

    // Choose the second listed layout of the starter page file.
    std::optional<TPageLayout> chosen;
    WhenModal<TListPages>([&chosen](TListPages* list) {
        auto* rows = list->findChild<QListWidget*>(QStringLiteral("PageList"));
        rows->setCurrentRow(1);
        chosen = list->loadedLayout();
        QTest::mouseClick(list->findChild<QPushButton*>(QStringLiteral("SelectButton")), Qt::LeftButton);
    });
    QTest::mouseClick(change, Qt::LeftButton);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(PuzzleLayout(context->Working.CurrentPuzzle).toBytes(), chosen->toBytes());
    EXPECT_NE(chosen->toBytes(), BuiltInDefaultLayout().toBytes());

    // A new layout is a change that Exit asks about.
    QTest::mouseClick(Control<QPushButton>(&editor, "ExitButton"), Qt::LeftButton);
    EXPECT_EQ(messages.last().text, QStringLiteral("Puzzle has been modified.  Save changes?"));
}
