// The shapes road through the real windows, started from the main window: a shape is drawn and
// saved in the shape manager, a puzzle is built in it from the word list editor, and a word is
// added to the stored puzzle by hand.
#include "app/MainWinTestSupport.h"
#include "uisupport/ModalWatchdog.h"
#include "shapes/ui/ShapeUiSupport.h"
#include "words/ui/WordListTestSupport.h"

#include "build/ui/CreationAttempts.h"
#include "store/GridModel.h"
#include "puzzle/ManualWords.h"
#include "shapes/ShapeLibrary.h"
#include "puzzle/ui/AddAClue.h"
#include "puzzle/ui/AddWords.h"
#include "puzzle/ui/CreatedPuzzle.h"
#include "shapes/ui/DoShapes.h"
#include "shapes/ui/SelectShapes.h"
#include "shapes/ui/ShapeListPanel.h"
#include "store/RecordFile.h"
#include "words/ui/WordList.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <set>

using GridModel::LinearCell;
using namespace WordListTest;

namespace {

constexpr int ShapeRecordSize = 2555;

/** Cells the test blocks in the 9 x 9 shape: the four corners and their neighbours. */
const QList<QPoint> BlockedCells{{1, 1}, {1, 2}, {2, 1}, {1, 9}, {1, 8}, {2, 9},
                                 {9, 1}, {8, 1}, {9, 2}, {9, 9}, {9, 8}, {8, 9}}; // (row, column)

const QList<std::pair<const char*, const char*>> Words{
    {"ELEPHANT", "Large grey animal"}, {"GIRAFFE", "Long neck"},  {"LEOPARD", "Spotted cat"},
    {"PANTHER", "Black cat"},          {"RABBIT", "Long ears"},   {"TIGER", "Striped cat"},
    {"ZEBRA", "Striped horse"},        {"OTTER", "River swimmer"}, {"HORSE", "Rides in races"},
    {"CAMEL", "Has a hump"},
};


/** Whether cell p of a puzzle holds a letter. */
bool Letter(const TPuzzleRecord& p, int row, int column)
{
    if (row < 1 || column < 1 || row > p.GridHeight || column > p.GridWidth)
        return false;
    return ManualWords::HoldsLetter(p, LinearCell(row, column));
}

} // namespace

class ShapeRoadTest : public MainWinTest {
protected:
    TMainWin& startReal()
    {
        window = std::make_unique<TMainWin>(startDir.path(), programDir.path(), QSize(1280, 1024));
        QuietTips(*window);
        return *window;
    }
    QString library() const { return programPath(QStringLiteral("QVFLAY.DAT")); }
};

TEST_F(ShapeRoadTest, DrawnShapeIsBuiltInAndTakesAWordByHand)
{
    ASSERT_TRUE(CreateCollection(defaultCollection()).isOk());
    TMainWin& main = startReal();
    showWindow();
    ModalWatchdog watchdog(60000);
    const int shapesBefore = RecordFile::count(library(), ShapeRecordSize);

    // 1. The shape manager: New, draw a 9 x 9 shape with its corners cut, save, close.
    bool managerSeen = false, editorSeen = false, editorSaved = false;
    QString managerSelection;
    WhenModal<TSelectShapes>(
        [&](TSelectShapes* manager) {
            WhenModal<TDoShapes>(
                [&](TDoShapes* editor) {
                    // Focus moves (and the fields' checks on leaving) need the editor to be the
                    // active window; a late activation of the manager beneath can take that away.
                    const auto focusOn = [editor](QWidget* field) {
                        if (!editor->isActiveWindow()) {
                            editor->activateWindow();
                            EXPECT_TRUE(QTest::qWaitFor([editor] { return editor->isActiveWindow(); }));
                        }
                        field->setFocus(Qt::TabFocusReason);
                    };
                    auto* title = Control<QLineEdit>(editor, "Title");
                    title->selectAll();
                    QTest::keyClicks(title, QStringLiteral("Cut Corners"));
                    for (const char* name : {"Width", "Height"}) {
                        auto* field = Control<QLineEdit>(editor, name);
                        focusOn(field);
                        field->selectAll();
                        QTest::keyClicks(field, QStringLiteral("9"));
                    }
                    focusOn(title);
                    // Leaving the fields resizes the grid the clicks land on.
                    EXPECT_TRUE(QTest::qWaitFor([editor] { return editor->shape().ShapeWidth == 9 && editor->shape().ShapeHeight == 9; }));
                    auto* grid = Control<QWidget>(editor, "ShapeGrid");
                    const int s = editor->cellSize();
                    for (const QPoint& cell : BlockedCells)
                        QTest::mouseClick(grid, Qt::LeftButton, {},
                                          QPoint((cell.y() - 1) * s + s / 2, (cell.x() - 1) * s + s / 2));
                    ShapeUi::SaveScreenshot(editor, QStringLiteral("RoadDoShapes"));
                    QTest::mouseClick(Control<QPushButton>(editor, "SaveButton"), Qt::LeftButton);
                    editorSaved = editor->saved();
                },
                &editorSeen);
            QTest::mouseClick(Control<QPushButton>(manager, "NewShape"), Qt::LeftButton);
            auto* list = Control<QListWidget>(manager, "ShapeBox");
            if (list->currentItem())
                managerSelection = list->currentItem()->text();
            ShapeUi::SaveScreenshot(manager, QStringLiteral("RoadSelectShapes"));
            QTest::mouseClick(Control<QPushButton>(manager, "ExitButton"), Qt::LeftButton);
        },
        &managerSeen);
    action("MenuPuzzleShape")->trigger();

    ASSERT_TRUE(managerSeen);
    ASSERT_TRUE(editorSeen);
    ASSERT_FALSE(watchdog.fired());
    EXPECT_TRUE(editorSaved);
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(managerSelection, QStringLiteral("9x9 Cut Corners"));
    ASSERT_EQ(RecordFile::count(library(), ShapeRecordSize), shapesBefore + 1);
    TShapeRecord drawn;
    {
        const QByteArray all = [this] {
            QFile f(library());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        ASSERT_EQ(all.size(), (shapesBefore + 1) * ShapeRecordSize);
        drawn = TShapeRecord::fromBytes(all.right(ShapeRecordSize));
    }
    EXPECT_EQ(drawn.ShapeTitle.text(), QByteArray("Cut Corners"));
    EXPECT_EQ(drawn.ShapeWidth, 9);
    EXPECT_EQ(drawn.ShapeHeight, 9);
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            EXPECT_EQ(drawn.ShapeCells[std::size_t(LinearCell(r, c) - 1)], BlockedCells.contains(QPoint(r, c)) ? 0 : 1)
                << r << "," << c;

    // 2. New Puzzle in the drawn shape, picked in the editor's shape panel.
    messages.clear();
    bool wordListSeen = false, viewSeen = false;
    QString pickedShape;
    WhenModal<TWordList>(
        [&](TWordList* editor) {
            editor->setFixedSeed(777);
            auto* shapes = Control<QListWidget>(editor, "ShapeBox");
            const auto found = shapes->findItems(QStringLiteral("9x9 Cut Corners"), Qt::MatchExactly);
            if (found.size() != 1) {
                editor->reject();
                return;
            }
            QTest::mouseClick(shapes->viewport(), Qt::LeftButton, {}, shapes->visualItemRect(found.first()).center());
            pickedShape = shapes->currentItem()->text();
            ShapeUi::SaveScreenshot(editor, QStringLiteral("RoadWordListShape"));
            QTest::keyClicks(Control<QLineEdit>(editor, "Title"), QStringLiteral("Corner Zoo"));
            QTest::keyClicks(Control<QComboBox>(editor, "Category")->lineEdit(), QStringLiteral("Shapes"));
            auto* attempts = Control<QLineEdit>(editor, "Attempts");
            attempts->selectAll();
            QTest::keyClicks(attempts, QStringLiteral("20"));
            auto* grid = Control<QTableWidget>(editor, "WordsCluesGrid");
            for (int i = 0; i < Words.size(); ++i) {
                TypeIntoCell(grid, i, TWordList::WordColumn, QString::fromLatin1(Words[i].first));
                TypeIntoCell(grid, i, TWordList::ClueColumn, QString::fromLatin1(Words[i].second));
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
            WhenModal<TCreatedPuzzle>(
                [&](TCreatedPuzzle* view) {
                    ShapeUi::SaveScreenshot(view, QStringLiteral("RoadShapeCreated"));
                    messages.answers.push_back(MessageService::Button::Yes);
                    QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("SaveButton")), Qt::LeftButton);
                },
                &viewSeen);
            QTest::mouseClick(Control<QPushButton>(editor, "CreateIt"), Qt::LeftButton);
        },
        &wordListSeen);
    action("MenuNewPuzzle")->trigger();

    ASSERT_TRUE(wordListSeen);
    EXPECT_EQ(pickedShape, QStringLiteral("9x9 Cut Corners"));
    ASSERT_TRUE(viewSeen);
    ASSERT_FALSE(watchdog.fired());
    ASSERT_EQ(RecordCount(defaultCollection()), 1);
    TPuzzleRecord built;
    ASSERT_TRUE(ReadPuzzle(defaultCollection(), 0, built).isOk());
    EXPECT_EQ(built.Title.text(), QByteArray("Corner Zoo"));
    EXPECT_EQ(built.GridWidth, 9);
    EXPECT_EQ(built.GridHeight, 9);
    ASSERT_GE(built.WordCount, 2);
    // Letters only on the drawn cells.
    for (const QPoint& cell : BlockedCells)
        EXPECT_FALSE(Letter(built, cell.x(), cell.y())) << cell.x() << "," << cell.y();
    EXPECT_EQ(selectedTitle(), QStringLiteral("Corner Zoo"));

    // 3. Puzzle Words: one letter below (or right of) a placed letter with nothing else around it
    // makes a two-letter word.
    int newCell = -1, anchorCell = -1;
    bool newDown = true;
    for (int r = 1; r <= 9 && newCell < 0; ++r)
        for (int c = 1; c <= 9 && newCell < 0; ++c) {
            if (built.Grid[std::size_t(LinearCell(r, c) - 1)] != ' ')
                continue;
            const bool up = Letter(built, r - 1, c), down = Letter(built, r + 1, c);
            const bool left = Letter(built, r, c - 1), right = Letter(built, r, c + 1);
            const std::vector<int> guarded = ManualWords::ProtectedCells(built);
            if (std::find(guarded.begin(), guarded.end(), LinearCell(r, c)) != guarded.end())
                continue;
            if (up && !down && !left && !right && !Letter(built, r - 2, c)) {
                newCell = LinearCell(r, c), anchorCell = LinearCell(r - 1, c), newDown = true;
            } else if (left && !right && !up && !down && !Letter(built, r, c - 2)) {
                newCell = LinearCell(r, c), anchorCell = LinearCell(r, c - 1), newDown = false;
            }
        }
    ASSERT_GT(newCell, 0) << "no cell takes a two-letter word";
    const QByteArray newWord = QByteArray(1, char(built.Grid[std::size_t(anchorCell - 1)])) + 'S';

    messages.clear();
    bool addSeen = false;
    QString clueWord;
    bool editable = false;
    WhenModal<TAddWords>(
        [&](TAddWords* add) {
            editable = add->isEditable(newCell);
            WhenModal<TAddAClue>([&](TAddAClue* clue) {
                clueWord = Control<QLabel>(clue, "WordText")->text();
                QTest::keyClicks(Control<QLineEdit>(clue, "ClueEdit"), QStringLiteral("Hand made"));
                ShapeUi::SaveScreenshot(clue, QStringLiteral("RoadAddAClue"));
                Control<QRadioButton>(clue, "UpperCase")->click();
                QTest::mouseClick(Control<QPushButton>(clue, "OkButton"), Qt::LeftButton);
            });
            const int s = add->cellSize();
            const int row = (newCell - 1) / 50 + 1, column = (newCell - 1) % 50 + 1;
            QTest::mouseClick(Control<QWidget>(add, "PuzzleImage"), Qt::LeftButton, {},
                              QPoint((column - 1) * s + s / 2, (row - 1) * s + s / 2));
            auto* entry = Control<QLineEdit>(add, "LetterEntry");
            QTest::keyClicks(entry, QStringLiteral("s"));
            Control<QToolButton>(add, "AcceptLetter")->click();
            ShapeUi::SaveScreenshot(add, QStringLiteral("RoadAddWords"));
            QTest::mouseClick(Control<QPushButton>(add, "OkButton"), Qt::LeftButton);
        },
        &addSeen);
    action("MenuPuzzleWords")->trigger();

    ASSERT_TRUE(addSeen);
    ASSERT_FALSE(watchdog.fired());
    EXPECT_TRUE(editable);
    EXPECT_EQ(clueWord, QString::fromLatin1(newWord));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(QLatin1Char('|')).toStdString();
    ASSERT_EQ(RecordCount(defaultCollection()), 1);
    TPuzzleRecord after;
    ASSERT_TRUE(ReadPuzzle(defaultCollection(), 0, after).isOk());
    ASSERT_EQ(after.WordCount, built.WordCount + 1);
    EXPECT_EQ(after.Grid[std::size_t(newCell - 1)], 'S');
    int slot = -1;
    for (int i = 0; i < after.WordCount; ++i)
        if (after.StartCell[std::size_t(i)] == anchorCell
            && after.Direction[std::size_t(i)] == (newDown ? WordDirection::Down : WordDirection::Across))
            slot = i;
    ASSERT_GE(slot, 0);
    EXPECT_EQ(after.Words[std::size_t(slot)].text(), newWord);
    EXPECT_EQ(after.Clues[std::size_t(slot)].text(), QByteArray("Hand made"));
    EXPECT_EQ(after.LetterCount[std::size_t(slot)], 2);
    EXPECT_EQ(after.WordUsed[std::size_t(slot)], 1);
    // Its number is the rank of its start cell among all start cells.
    std::set<int> starts;
    for (int i = 0; i < after.WordCount; ++i)
        starts.insert(after.StartCell[std::size_t(i)]);
    EXPECT_EQ(after.ClueNumber[std::size_t(slot)], int(std::distance(starts.begin(), starts.find(anchorCell))) + 1);
    EXPECT_EQ(after.AcrossCount + after.DownCount, after.WordCount);
    // The old words keep their letters and clues.
    for (int i = 0; i < built.WordCount; ++i) {
        const QByteArray word = built.Words[std::size_t(i)].text();
        bool kept = false;
        for (int j = 0; j < after.WordCount; ++j)
            kept = kept || (after.Words[std::size_t(j)].text() == word
                            && after.Clues[std::size_t(j)].text() == built.Clues[std::size_t(i)].text()
                            && after.StartCell[std::size_t(j)] == built.StartCell[std::size_t(i)]);
        EXPECT_TRUE(kept) << word.constData();
    }
    EXPECT_EQ(selectedTitle(), QStringLiteral("Corner Zoo"));
    (void)main;
}
