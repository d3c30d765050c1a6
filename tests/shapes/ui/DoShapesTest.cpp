// The shape editor driven through its drawing area, fields and buttons.
#include "ui/AppContext.h"
#include "store/GridModel.h"
#include "shapes/ShapeTestSupport.h"
#include "shapes/ui/DoShapes.h"
#include "shapes/ui/ShapeUiSupport.h"
#include "store/RecordFile.h"
#include "uisupport/UiTestEnvironment.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using GridModel::LinearCell;

namespace {

class DoShapesTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        context = std::make_unique<AppContext>(startDir.path(), programDir.path());
    }

    /** An editor in modify mode on a shape of the given size whose cells are set from rows of '#' and '.'. */
    std::unique_ptr<TDoShapes> EditorOn(int width, int height, const QStringList& rows = {})
    {
        TShapeRecord shape = ShapeTest::Shape("Test", qint16(width), qint16(height));
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows[r].size(); ++c)
                shape.ShapeCells[std::size_t(LinearCell(r + 1, c + 1) - 1)] = rows[r][c] == QLatin1Char('#') ? 1 : 0;
        context->CurrentShape = shape;
        return std::make_unique<TDoShapes>(*context, TDoShapes::ModifyShape, 0);
    }

    static std::uint8_t CellOf(const TDoShapes& editor, int row, int column)
    {
        return editor.shape().ShapeCells[std::size_t(LinearCell(row, column) - 1)];
    }
    static QWidget* Canvas(TDoShapes& editor) { return editor.findChild<QWidget*>(QStringLiteral("ShapeGrid")); }
    static QPoint CentreOf(const TDoShapes& editor, int row, int column)
    {
        const int s = editor.cellSize();
        return QPoint((column - 1) * s + s / 2, (row - 1) * s + s / 2);
    }
    template <class T = QPushButton>
    static T* Find(QWidget& parent, const char* name)
    {
        return parent.findChild<T*>(QLatin1String(name));
    }

    std::unique_ptr<AppContext> context;
};

TEST_F(DoShapesTest, NewShapeIsTheFullSquareAndReverseEmptiesIt)
{
    TDoShapes editor(*context, TDoShapes::NewShape, -1);
    EXPECT_EQ(Find<QLineEdit>(editor, "Title")->text(), QStringLiteral("New Layout"));
    EXPECT_EQ(Find<QLineEdit>(editor, "Width")->text(), QStringLiteral("30"));
    EXPECT_EQ(editor.shape().ShapeHeight, 30);
    EXPECT_TRUE(std::all_of(editor.shape().ShapeCells.begin(), editor.shape().ShapeCells.end(), [](auto c) { return c == 1; }));
    EXPECT_EQ(editor.cellSize(), 12); // 401 div 30 - 1
    EXPECT_FALSE(Find(editor, "UndoButton")->isEnabled());

    // Drawn red inside the lines of 12-pixel cells.
    const QImage picture = ShapeUi::Picture(Canvas(editor));
    EXPECT_EQ(picture.pixelColor(6, 6), QColor(Qt::red));
    EXPECT_EQ(picture.pixelColor(12, 6), QColor(Qt::black));
    ShapeUi::SaveScreenshot(&editor, QStringLiteral("DoShapes"));

    Find(editor, "ReverseButton")->click();
    EXPECT_TRUE(std::all_of(editor.shape().ShapeCells.begin(), editor.shape().ShapeCells.end(), [](auto c) { return c == 0; }));
    EXPECT_FALSE(Find(editor, "UndoButton")->isEnabled());
    EXPECT_EQ(ShapeUi::Picture(Canvas(editor)).pixelColor(6, 6), QColor(Qt::white));
}

TEST_F(DoShapesTest, WidthAndHeightAcceptFiveToThirtyOnly)
{
    const struct {
        QString text;
        bool accepted;
    } cases[] = {{QStringLiteral("4"), false}, {QStringLiteral("5"), true}, {QStringLiteral("30"), true},
                 {QStringLiteral("31"), false}, {QString(), false}, {QStringLiteral("1x"), false}};
    for (const auto& c : cases) {
        for (const bool isWidth : {true, false}) {
            messages.clear();
            QDir(programDir.path()).remove(QStringLiteral("QVFLAY.DAT"));
            TDoShapes editor(*context, TDoShapes::NewShape, -1);
            Find<QLineEdit>(editor, isWidth ? "Width" : "Height")->setText(c.text);
            Find(editor, "SaveButton")->click();
            EXPECT_EQ(editor.saved(), c.accepted) << c.text.toStdString();
            if (c.accepted) {
                EXPECT_TRUE(messages.shown.isEmpty());
                EXPECT_EQ(isWidth ? editor.shape().ShapeWidth : editor.shape().ShapeHeight, c.text.toInt());
            } else {
                EXPECT_EQ(messages.last().text, isWidth ? QStringLiteral("Width must be between 5 and 30.  Please re-enter width.")
                                                        : QStringLiteral("Height must be between 5 and 30.  Please re-enter height."));
                EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
                EXPECT_EQ(RecordFile::count(context->ShapeLibraryPath(), 2555), 0);
            }
        }
    }
}

TEST_F(DoShapesTest, LeavingTheWidthFieldChecksItAndResizesTheGrid)
{
    TDoShapes editor(*context, TDoShapes::NewShape, -1);
    editor.show();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    auto* width = Find<QLineEdit>(editor, "Width");
    auto* height = Find<QLineEdit>(editor, "Height");

    width->setFocus();
    width->setText(QStringLiteral("31"));
    height->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(messages.shown.size(), 1);
    EXPECT_EQ(messages.last().text, QStringLiteral("Width must be between 5 and 30.  Please re-enter width."));
    EXPECT_TRUE(width->hasFocus());
    EXPECT_EQ(editor.shape().ShapeWidth, 30);

    width->setText(QStringLiteral("10"));
    height->setFocus(Qt::TabFocusReason);
    QTest::qWait(20);
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(editor.shape().ShapeWidth, 10);
    EXPECT_EQ(editor.cellSize(), 12); // the height of 30 still decides

    // Cells hidden by a smaller width come back when it grows again.
    width->setFocus();
    width->setText(QStringLiteral("30"));
    height->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(editor.shape().ShapeWidth, 30);
    EXPECT_EQ(CellOf(editor, 1, 30), 1);
}

TEST_F(DoShapesTest, ShiftThenUndoRestoresExactlyOneStep)
{
    auto editor = EditorOn(6, 5, {QStringLiteral("##...#"), QStringLiteral(".#.#.."), QStringLiteral("#....#")});
    const TShapeRecord original = editor->shape();

    Find<QToolButton>(*editor, "ShiftLeft")->click();
    EXPECT_TRUE(Find(*editor, "UndoButton")->isEnabled());
    EXPECT_EQ(CellOf(*editor, 1, 1), 1);
    EXPECT_EQ(CellOf(*editor, 1, 2), 0);
    EXPECT_EQ(CellOf(*editor, 1, 5), 1);
    EXPECT_EQ(CellOf(*editor, 1, 6), 0); // the last column empties
    Find(*editor, "UndoButton")->click();
    EXPECT_EQ(editor->shape(), original);
    EXPECT_FALSE(Find(*editor, "UndoButton")->isEnabled());

    Find<QToolButton>(*editor, "ShiftLeft")->click();
    const TShapeRecord afterFirst = editor->shape();
    Find<QToolButton>(*editor, "ShiftLeft")->click();
    Find(*editor, "UndoButton")->click();
    EXPECT_EQ(editor->shape(), afterFirst);

    // The other directions move a single cell and lose what falls over the edge.
    const struct {
        const char* button;
        int row;
        int column;
    } moves[] = {{"ShiftRight", 2, 4}, {"ShiftDown", 3, 3}, {"ShiftUp", 1, 3}, {"ShiftLeft", 2, 2}};
    auto single = EditorOn(6, 5, {QStringLiteral("......"), QStringLiteral("..#...")});
    for (const auto& m : moves) {
        Find<QToolButton>(*single, m.button)->click();
        EXPECT_EQ(CellOf(*single, m.row, m.column), 1) << m.button;
        EXPECT_EQ(CellOf(*single, 2, 3), 0) << m.button;
        Find(*single, "UndoButton")->click();
    }
    auto edge = EditorOn(6, 5, {QStringLiteral("#.....")});
    Find<QToolButton>(*edge, "ShiftUp")->click();
    EXPECT_TRUE(std::all_of(edge->shape().ShapeCells.begin(), edge->shape().ShapeCells.end(), [](auto c) { return c == 0; }));
}

TEST_F(DoShapesTest, ToggleNeedsPressAndReleaseOnOneCell)
{
    auto editor = EditorOn(10, 10);
    QWidget* canvas = Canvas(*editor);
    Find<QToolButton>(*editor, "ShiftLeft")->click();

    QTest::mousePress(canvas, Qt::LeftButton, {}, CentreOf(*editor, 2, 2));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, CentreOf(*editor, 2, 3));
    EXPECT_EQ(CellOf(*editor, 2, 2), 0);
    EXPECT_EQ(CellOf(*editor, 2, 3), 0);
    EXPECT_TRUE(Find(*editor, "UndoButton")->isEnabled());

    QTest::mouseClick(canvas, Qt::LeftButton, {}, CentreOf(*editor, 2, 3));
    EXPECT_EQ(CellOf(*editor, 2, 3), 1);
    EXPECT_FALSE(Find(*editor, "UndoButton")->isEnabled());
    QTest::mouseClick(canvas, Qt::LeftButton, {}, CentreOf(*editor, 2, 3));
    EXPECT_EQ(CellOf(*editor, 2, 3), 0);
}

TEST_F(DoShapesTest, PointsOnLinesSelectTheCellBelowRightAndPointsPastTheGridNothing)
{
    auto editor = EditorOn(10, 8);
    const int s = editor->cellSize();
    ASSERT_EQ(s, 39); // min(401 div 10 - 1, 401 div 8 - 1)
    QWidget* canvas = Canvas(*editor);

    QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(3 * s, 2 * s));
    EXPECT_EQ(CellOf(*editor, 3, 4), 1);
    int set = 0;
    for (auto c : editor->shape().ShapeCells)
        set += c;
    EXPECT_EQ(set, 1);

    // Right of the last column and below the last row, though inside the 401 x 401 area.
    const TShapeRecord before = editor->shape();
    for (const QPoint p : {QPoint(10 * s, 5), QPoint(10 * s + 5, 5), QPoint(5, 8 * s + 3), QPoint(400, 400)}) {
        QTest::mouseClick(canvas, Qt::LeftButton, {}, p);
        QTest::mouseClick(canvas, Qt::RightButton, {}, p);
    }
    EXPECT_EQ(editor->shape(), before);
    EXPECT_FALSE(Find(*editor, "UndoButton")->isEnabled());
}

TEST_F(DoShapesTest, RightClickFillsTheWholeEnclosureAndUndoTakesItBack)
{
    // A closed outline whose inside winds left under a wall and back up: one region of 17 cells.
    const QStringList rows{
        QStringLiteral("#######.."),
        QStringLiteral("#..#..#.."),
        QStringLiteral("#..#..#.."),
        QStringLiteral("#..#..#.."),
        QStringLiteral("#.....#.."),
        QStringLiteral("#######.."),
        QStringLiteral("........."),
    };
    auto editor = EditorOn(9, 7, rows);
    const TShapeRecord before = editor->shape();
    QWidget* canvas = Canvas(*editor);

    QTest::mouseClick(canvas, Qt::RightButton, {}, CentreOf(*editor, 2, 6));
    for (int r = 1; r <= 7; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const bool outline = rows[r - 1][c - 1] == QLatin1Char('#');
            const bool inside = r >= 2 && r <= 5 && c >= 2 && c <= 6;
            EXPECT_EQ(CellOf(*editor, r, c), outline || inside ? 1 : 0) << r << "," << c;
        }
    }
    EXPECT_TRUE(Find(*editor, "UndoButton")->isEnabled());
    Find(*editor, "UndoButton")->click();
    EXPECT_EQ(editor->shape(), before);

    // Filling a shape cell empties its connected shape cells; press and release apart fill nothing.
    QTest::mousePress(canvas, Qt::RightButton, {}, CentreOf(*editor, 1, 1));
    QTest::mouseRelease(canvas, Qt::RightButton, {}, CentreOf(*editor, 7, 9));
    EXPECT_EQ(editor->shape(), before);
    QTest::mouseClick(canvas, Qt::RightButton, {}, CentreOf(*editor, 1, 1));
    EXPECT_TRUE(std::all_of(editor->shape().ShapeCells.begin(), editor->shape().ShapeCells.end(), [](auto c) { return c == 0; }));
}

TEST_F(DoShapesTest, SaveAppendsOrReplacesAndReportsALibraryThatCannotBeWritten)
{
    const QString library = context->ShapeLibraryPath();
    QFile::remove(library);
    ASSERT_TRUE(ShapeTest::WriteBytes(library, ShapeTest::HandRecord("Old", 5, 5) + ShapeTest::HandRecord("Other", 6, 6)));

    auto editor = EditorOn(7, 7, {QStringLiteral("#")});
    Find<QLineEdit>(*editor, "Title")->setText(QStringLiteral("  Tiny  "));
    Find(*editor, "SaveButton")->click();
    EXPECT_TRUE(editor->saved());
    EXPECT_EQ(editor->savedRecordNumber(), 0);
    const QByteArray bytes = ShapeTest::FileBytes(library);
    ASSERT_EQ(bytes.size(), 2 * 2555);
    EXPECT_EQ(bytes.left(2555), ShapeTest::HandRecord("Tiny", 7, 7, {{1, 1}}));
    EXPECT_EQ(bytes.mid(2555), ShapeTest::HandRecord("Other", 6, 6));

    TDoShapes created(*context, TDoShapes::NewShape, -1);
    Find(created, "SaveButton")->click();
    EXPECT_EQ(created.savedRecordNumber(), 2);
    EXPECT_EQ(RecordFile::count(library, 2555), 3);

    // A directory where the library should be: nothing can open or create it.
    QFile::remove(library);
    ASSERT_TRUE(QDir(programDir.path()).mkdir(QStringLiteral("QVFLAY.DAT")));
    TDoShapes failing(*context, TDoShapes::NewShape, -1);
    Find(failing, "SaveButton")->click();
    EXPECT_FALSE(failing.saved());
    EXPECT_EQ(messages.last().text, QStringLiteral("Unable to add shape.\nIs a directory"));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Disk Error"));
}

} // namespace
