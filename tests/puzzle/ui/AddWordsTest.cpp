// Manual word addition driven through its grid, letter entry and buttons, with the clue dialog.
#include "ui/AppContext.h"
#include "store/GridModel.h"
#include "puzzle/GridPicture.h"
#include "puzzle/ui/AddAClue.h"
#include "puzzle/ui/AddWords.h"
#include "shapes/ui/ShapeUiSupport.h"
#include "store/Collection.h"
#include "uisupport/UiTestEnvironment.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using GridModel::LinearCell;

namespace {

/** The clue and case to give one "Add A Clue" dialog, and what it showed. */
struct ClueAnswer {
    QString clue;
    const char* caseButton;
    QString shownWord;
};

class AddWordsTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        context = std::make_unique<AppContext>(startDir.path(), programDir.path());
        collection = startPath(QStringLiteral("TEST.QV3"));
        context->Working.CurrentCollection = collection;

        // 5 x 5: CAT across in row 1, the corner (5, 5) outside the shape, the rest empty squares.
        TPuzzleRecord& p = puzzle;
        p.Category.setText("Animals");
        p.Title.setText("Pets");
        p.GridWidth = 5;
        p.GridHeight = 5;
        p.Grid.fill(0);
        for (int r = 1; r <= 5; ++r)
            for (int c = 1; c <= 5; ++c)
                p.Grid[std::size_t(LinearCell(r, c) - 1)] = ' ';
        p.Grid[0] = 'C';
        p.Grid[1] = 'A';
        p.Grid[2] = 'T';
        p.Grid[std::size_t(LinearCell(5, 5) - 1)] = 0;
        AddSlot(p, 0, "CAT", "Feline", 1, 3, 1, WordDirection::Across, 1);
        p.WordCount = 1;
        p.AcrossCount = 1;
        p.DownCount = 0;
        p.Generated = 1;
        // A word that did not fit the grid, kept after WordCount.
        AddSlot(p, 1, "DOG", "Canine", 0, 0, 0, WordDirection::Down, 0);

        TPuzzleRecord other;
        other.Title.setText("Other");
        ASSERT_TRUE(AppendPuzzle(collection, other));
        ASSERT_TRUE(AppendPuzzle(collection, puzzle));
        context->Working.CurrentRecordNumber = 1;
        context->Working.IsNewPuzzle = false;
        context->Working.CurrentPuzzle = puzzle;
        context->Working.ReadAs = TRecordName::of(puzzle);
        context->RequestSelection = [this](const QByteArray& category, const QByteArray& title) {
            requested << QString::fromLatin1(category) << QString::fromLatin1(title);
        };
    }

    static void AddSlot(TPuzzleRecord& p, int i, const char* word, const char* clue, int start, int letters, int number,
                        std::uint8_t direction, std::uint8_t used)
    {
        const auto s = std::size_t(i);
        p.Words[s].setText(word);
        p.Clues[s].setText(clue);
        p.StartCell[s] = std::int16_t(start);
        p.LetterCount[s] = std::int16_t(letters);
        p.ClueNumber[s] = std::int16_t(number);
        p.Direction[s] = direction;
        p.WordUsed[s] = used;
    }

    TPuzzleRecord StoredPuzzle(int n = 1)
    {
        TPuzzleRecord stored;
        EXPECT_TRUE(ReadPuzzle(collection, n, stored));
        return stored;
    }

    static QWidget* Grid(TAddWords& window) { return window.findChild<QWidget*>(QStringLiteral("PuzzleImage")); }
    static QPoint Centre(TAddWords& window, int row, int column)
    {
        const int s = window.cellSize();
        return {(column - 1) * s + s / 2, (row - 1) * s + s / 2};
    }
    static void ClickCell(TAddWords& window, int row, int column)
    {
        QTest::mouseClick(Grid(window), Qt::LeftButton, {}, Centre(window, row, column));
    }
    static void TypeLetter(TAddWords& window, int row, int column, const QString& text)
    {
        ClickCell(window, row, column);
        window.findChild<QLineEdit*>(QStringLiteral("LetterEntry"))->setText(text);
    }
    static void Accept(TAddWords& window) { window.findChild<QToolButton*>(QStringLiteral("AcceptLetter"))->click(); }
    static std::uint8_t CellOf(const TAddWords& window, int row, int column)
    {
        return window.savedPuzzle().Grid[std::size_t(LinearCell(row, column) - 1)];
    }
    static Qt::CursorShape CursorOver(TAddWords& window, int row, int column)
    {
        QWidget* grid = Grid(window);
        const QPoint at = Centre(window, row, column);
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(grid->mapToGlobal(at)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(grid, &move);
        return grid->cursor().shape();
    }

    /** Answers the clue dialogs in order; the returned flag list records each dialog's word. */
    void AnswerClues(std::shared_ptr<std::vector<ClueAnswer>> answers, std::size_t index = 0)
    {
        ShapeUi::OnModal<TAddAClue>([this, answers, index](TAddAClue* dialog) {
            ClueAnswer& answer = (*answers)[index];
            answer.shownWord = dialog->findChild<QLabel*>(QStringLiteral("WordText"))->text();
            dialog->findChild<QLineEdit*>(QStringLiteral("ClueEdit"))->setText(answer.clue);
            dialog->findChild<QRadioButton*>(QLatin1String(answer.caseButton))->click();
            if (index + 1 < answers->size())
                AnswerClues(answers, index + 1);
            if (index == 0)
                ShapeUi::SaveScreenshot(dialog, QStringLiteral("AddAClue"));
            dialog->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
        });
    }

    std::unique_ptr<AppContext> context;
    QString collection;
    TPuzzleRecord puzzle;
    QStringList requested;
};

TEST_F(AddWordsTest, LettersUnderAnAcrossWordFormDownWordsWithCluesAndNumbers)
{
    TAddWords window(*context, TAddWords::FromWordList);
    window.show();
    EXPECT_EQ(window.cellSize(), 81); // 411 div 5 - 1

    TypeLetter(window, 2, 1, QStringLiteral("o"));
    Accept(window);
    EXPECT_EQ(CellOf(window, 2, 1), 'O');
    EXPECT_EQ(window.editedCell(), -1);
    // A press elsewhere commits the open entry.
    TypeLetter(window, 2, 3, QStringLiteral("O"));
    ShapeUi::SaveScreenshot(&window, QStringLiteral("AddWordsEntry"));
    QTest::mousePress(Grid(window), Qt::LeftButton, {}, Centre(window, 4, 4));
    EXPECT_EQ(CellOf(window, 2, 3), 'O');
    QTest::mouseRelease(Grid(window), Qt::LeftButton, {}, Centre(window, 4, 4));
    EXPECT_EQ(window.editedCell(), LinearCell(4, 4));
    window.findChild<QToolButton*>(QStringLiteral("RejectLetter"))->click();
    EXPECT_EQ(CellOf(window, 4, 4), ' ');
    ShapeUi::SaveScreenshot(&window, QStringLiteral("AddWords"));

    auto answers = std::make_shared<std::vector<ClueAnswer>>(std::vector<ClueAnswer>{
        {QStringLiteral("  Firm  "), "UpperCase", {}}, {QStringLiteral("Towards"), "FirstLetterCap", {}}});
    context->settings.CaseSensitivity = 2;
    AnswerClues(answers);
    window.findChild<QPushButton*>(QStringLiteral("OkButton"))->click();

    EXPECT_EQ((*answers)[0].shownWord, QStringLiteral("CO"));
    EXPECT_EQ((*answers)[1].shownWord, QStringLiteral("TO"));
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(window.saved());
    EXPECT_EQ(context->settings.CaseSensitivity, 3);

    const TPuzzleRecord stored = StoredPuzzle();
    EXPECT_EQ(stored, window.savedPuzzle());
    EXPECT_EQ(stored, context->Working.CurrentPuzzle);
    EXPECT_EQ(stored.WordCount, 3);
    EXPECT_EQ(stored.AcrossCount, 1);
    EXPECT_EQ(stored.DownCount, 2);
    const struct {
        const char* word;
        const char* clue;
        int start;
        int number;
        std::uint8_t direction;
    } expected[] = {{"CAT", "Feline", 1, 1, WordDirection::Across},
                    {"CO", "Firm", 1, 1, WordDirection::Down},
                    {"To", "Towards", 3, 2, WordDirection::Down}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(stored.Words[i].text(), QByteArray(expected[i].word)) << i;
        EXPECT_EQ(stored.Clues[i].text(), QByteArray(expected[i].clue)) << i;
        EXPECT_EQ(stored.StartCell[i], expected[i].start) << i;
        EXPECT_EQ(stored.ClueNumber[i], expected[i].number) << i;
        EXPECT_EQ(stored.Direction[i], expected[i].direction) << i;
        EXPECT_EQ(stored.WordUsed[i], 1) << i;
    }
    EXPECT_EQ(stored.LetterCount[1], 2);
    // The word that did not fit is kept after the placed ones.
    EXPECT_EQ(stored.Words[3].text(), QByteArray("DOG"));
    EXPECT_EQ(stored.Clues[3].text(), QByteArray("Canine"));
    EXPECT_EQ(stored.WordUsed[3], 0);
    EXPECT_EQ(StoredPuzzle(0).Title.text(), QByteArray("Other"));
    EXPECT_EQ(requested, (QStringList{QStringLiteral("Animals"), QStringLiteral("Pets")}));
}

TEST_F(AddWordsTest, ProtectedAndFilledCellsCannotBeEdited)
{
    TAddWords window(*context, TAddWords::FromMainWindow);
    window.show();
    const std::vector<int> guarded = window.protectedCells();
    EXPECT_EQ(guarded, std::vector<int>{LinearCell(1, 4)});

    // The cell after CAT is teal, other empty squares black, the cell outside the shape background.
    const QImage picture = ShapeUi::Picture(Grid(window));
    const auto inside = [&window](int row, int column) { return Centre(window, row, column) + QPoint(window.cellSize() / 3, 0); };
    EXPECT_EQ(picture.pixelColor(inside(1, 4)), GridPicture::ProtectedColor);
    EXPECT_EQ(picture.pixelColor(inside(2, 2)), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(inside(5, 5)), window.palette().color(QPalette::Window));
    EXPECT_EQ(picture.pixelColor(inside(1, 1)), QColor(Qt::white));

    const struct {
        int row;
        int column;
        Qt::CursorShape cursor;
    } cells[] = {{1, 4, Qt::ForbiddenCursor}, {1, 2, Qt::ForbiddenCursor}, {5, 5, Qt::ForbiddenCursor}, {2, 2, Qt::DragMoveCursor}};
    for (const auto& c : cells) {
        EXPECT_EQ(CursorOver(window, c.row, c.column), c.cursor) << c.row << "," << c.column;
        ClickCell(window, c.row, c.column);
        EXPECT_EQ(window.editedCell() != -1, c.cursor == Qt::DragMoveCursor) << c.row << "," << c.column;
        window.findChild<QToolButton*>(QStringLiteral("RejectLetter"))->click();
    }
    EXPECT_EQ(CellOf(window, 1, 4), ' ');
    EXPECT_EQ(CellOf(window, 1, 2), 'A');

    // Press on one cell and release on another opens nothing.
    QTest::mousePress(Grid(window), Qt::LeftButton, {}, Centre(window, 3, 3));
    QTest::mouseRelease(Grid(window), Qt::LeftButton, {}, Centre(window, 3, 2));
    EXPECT_EQ(window.editedCell(), -1);
}

TEST_F(AddWordsTest, OnlyLettersAToZAreAccepted)
{
    const struct {
        QString typed;
        std::uint8_t stored; // 0: refused
    } cases[] = {{QStringLiteral("q"), 'Q'}, {QStringLiteral("Z"), 'Z'}, {QStringLiteral(" "), ' '}, {QStringLiteral("5"), 0},
                 {QStringLiteral("\u00e9"), 0}, {QStringLiteral("-"), 0}, {QString(), ' '}};
    for (const auto& c : cases) {
        messages.clear();
        TAddWords window(*context, TAddWords::FromMainWindow);
        TypeLetter(window, 3, 2, c.typed);
        Accept(window);
        if (c.stored != 0) {
            EXPECT_TRUE(messages.shown.isEmpty()) << c.typed.toStdString();
            EXPECT_EQ(CellOf(window, 3, 2), c.stored) << c.typed.toStdString();
            EXPECT_EQ(window.editedCell(), -1);
        } else {
            EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Puzzle letter must be between A and Z.")}) << c.typed.toStdString();
            EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
            EXPECT_EQ(CellOf(window, 3, 2), ' ');
            EXPECT_EQ(window.editedCell(), LinearCell(3, 2));
            // A press elsewhere is refused the same way and opens nothing new.
            QTest::mouseClick(Grid(window), Qt::LeftButton, {}, Centre(window, 4, 2));
            EXPECT_EQ(messages.shown.size(), 2);
            EXPECT_EQ(window.editedCell(), LinearCell(3, 2));
        }
    }

    // Reject empties a cell that holds a new letter.
    TAddWords window(*context, TAddWords::FromMainWindow);
    TypeLetter(window, 3, 2, QStringLiteral("x"));
    Accept(window);
    ClickCell(window, 3, 2);
    window.findChild<QToolButton*>(QStringLiteral("RejectLetter"))->click();
    EXPECT_EQ(CellOf(window, 3, 2), ' ');
}

TEST_F(AddWordsTest, OkWithoutNewWordsGivesTheNoticeAndWritesNothing)
{
    const QByteArray before = StoredPuzzle().toBytes();
    TAddWords window(*context, TAddWords::FromMainWindow);
    window.show();
    // A letter typed but never accepted is not placed; a single letter forms no word.
    TypeLetter(window, 3, 3, QStringLiteral("E"));
    Accept(window);
    TypeLetter(window, 2, 1, QStringLiteral("O"));
    window.findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("No changes to the puzzle were detected.")});
    EXPECT_EQ(messages.last().caption, QStringLiteral("Notice"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.saved());
    EXPECT_EQ(StoredPuzzle().toBytes(), before);
    EXPECT_TRUE(requested.isEmpty());
}

TEST_F(AddWordsTest, WordsThatNeverFittedMakeRoomForNewWordsAfterAQuestion)
{
    // One placed word and 199 left over from a long list: every slot is in use.
    for (int i = 1; i < 200; ++i)
        AddSlot(context->Working.CurrentPuzzle, i, "SPARE", "Left over", 0, 0, 0, WordDirection::Down, 0);
    const QByteArray before = StoredPuzzle().toBytes();
    const QString question = QStringLiteral(
        "1 word that did not fit into the puzzle will be removed from its word list to make room for the new words.  Continue?");

    for (const MessageService::Button answer : {MessageService::Button::No, MessageService::Button::Yes}) {
        messages.clear();
        messages.answers.push_back(answer);
        TAddWords window(*context, TAddWords::FromMainWindow);
        window.show();
        TypeLetter(window, 2, 1, QStringLiteral("O"));
        Accept(window);
        QPointer<QTimer> watcher = ShapeUi::OnModal<TAddAClue>([](TAddAClue* dialog) { dialog->accept(); });
        window.findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
        delete watcher.data();

        EXPECT_EQ(messages.texts(), QStringList{question});
        if (answer == MessageService::Button::No) {
            EXPECT_TRUE(window.isVisible());
            EXPECT_EQ(StoredPuzzle().toBytes(), before);
            continue;
        }
        const TPuzzleRecord stored = StoredPuzzle();
        EXPECT_EQ(stored.WordCount, 2);
        EXPECT_EQ(stored.Words[1].text().toUpper(), QByteArray("CO"));
        EXPECT_EQ(stored.Words[2].text(), QByteArray("SPARE"));
        EXPECT_EQ(stored.Words[199].text(), QByteArray("SPARE"));
    }

    // A grid that holds 200 placed words takes no more.
    TPuzzleRecord full = StoredPuzzle();
    full.WordCount = 200;
    context->Working.CurrentPuzzle = full;
    messages.clear();
    TAddWords window(*context, TAddWords::FromMainWindow);
    window.show();
    TypeLetter(window, 2, 3, QStringLiteral("O"));
    Accept(window);
    window.findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("The puzzle cannot hold more than 200 words.  Remove some of the new letters and try again.")});
    EXPECT_TRUE(window.isVisible());
}

TEST_F(AddWordsTest, ACollectionThatCannotBeWrittenIsReportedAndTheWindowKeepsTheWordsToSaveAgain)
{
    context->Working.CurrentCollection = startPath(QStringLiteral("missing/dir/TEST.QV3"));
    TAddWords window(*context, TAddWords::FromMainWindow);
    window.show();
    TypeLetter(window, 2, 2, QStringLiteral("N"));
    Accept(window);
    AnswerClues(std::make_shared<std::vector<ClueAnswer>>(std::vector<ClueAnswer>{{QStringLiteral("Article"), "LowerCase", {}}}));
    window.findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Unable to save puzzle.\nNo such file or directory")});
    EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.saved());
    EXPECT_TRUE(requested.isEmpty());
    EXPECT_EQ(context->Working.CurrentPuzzle.Words[1].text(), QByteArray("an"));
    // Once the collection is there, Ok saves the word and its clue without asking for the clue again.
    ASSERT_TRUE(QDir(startDir.path()).mkpath(QStringLiteral("missing/dir")));
    ASSERT_TRUE(QFile::copy(collection, context->Working.CurrentCollection));
    messages.clear();
    window.findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
    EXPECT_TRUE(window.saved());
    TPuzzleRecord stored;
    ASSERT_TRUE(ReadPuzzle(context->Working.CurrentCollection, 1, stored));
    EXPECT_EQ(stored.Words[1].text(), QByteArray("an"));
    EXPECT_EQ(stored.Clues[1].text(), QByteArray("Article"));
}

} // namespace

TEST_F(AddWordsTest, TheLetterEntryOpensOverTheClickedCellAtEveryScreenSize)
{
    for (const double factor : {1.0, 1.6}) {
        SCOPED_TRACE(factor);
        context->ScaleFactor = factor;
        TAddWords window(*context, TAddWords::FromMainWindow);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        // The last column: the entry is moved in from the right edge of the grown picture, over the cell.
        const int s = window.cellSize();
        const int last = Grid(window)->width() / s;
        ClickCell(window, 3, last);
        ASSERT_EQ(window.editedCell(), LinearCell(3, last));
        const QRect entry = window.findChild<QWidget*>(QStringLiteral("LetterFrame"))->geometry();
        EXPECT_TRUE(entry.contains(QPoint((last - 1) * s + 1, 2 * s + 1))) << entry.x() << "," << entry.y();
        EXPECT_TRUE(Grid(window)->rect().contains(entry));
    }
}
