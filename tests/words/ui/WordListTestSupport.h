#pragma once
// Helpers for the word list editor, construction run and created puzzle view tests.

#include "ui/AppContext.h"
#include "pages/DefaultLayout.h"
#include "store/Ansi.h"
#include "store/Collection.h"
#include "uisupport/UiTestEnvironment.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace WordListTest {

/** A width x height shape whose every cell is usable, or the cells given as "#" in rows. */
inline TShapeRecord FullShape(int width, int height)
{
    TShapeRecord shape;
    shape.ShapeTitle.setText("Test");
    shape.ShapeWidth = std::int16_t(width);
    shape.ShapeHeight = std::int16_t(height);
    for (int r = 1; r <= height; ++r)
        for (int c = 1; c <= width; ++c)
            shape.ShapeCells[std::size_t((r - 1) * 50 + c - 1)] = 1;
    return shape;
}

/** A shape drawn as text rows, "#" for a usable cell. */
inline TShapeRecord PictureShape(const QStringList& rows)
{
    TShapeRecord shape;
    shape.ShapeTitle.setText("Picture");
    shape.ShapeHeight = std::int16_t(rows.size());
    shape.ShapeWidth = std::int16_t(rows.isEmpty() ? 0 : rows.first().size());
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            shape.ShapeCells[std::size_t(r * 50 + c)] = rows[r][c] == QLatin1Char('#') ? 1 : 0;
    return shape;
}

/** The stored bytes of the built-in default layout, as a new puzzle carries them. */
inline void PutDefaultLayout(TPuzzleRecord& record)
{
    const QByteArray bytes = BuiltInDefaultLayout().toBytes();
    std::copy(bytes.begin(), bytes.end(), reinterpret_cast<char*>(record.PageLayout.data()));
}

/** A control of a window by object name; fails the test when it is missing. */
template <typename T>
T* Control(QWidget* window, const char* name)
{
    T* w = window->findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

/** Types text into a cell of the grid through its cell editor and commits it with Return. */
inline void TypeIntoCell(QTableWidget* grid, int row, int column, const QString& text)
{
    grid->setCurrentCell(row, column);
    grid->editItem(grid->item(row, column));
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the delegate commits and closes its editor from a queued call
}

/** Text of a grid cell. */
inline QString CellText(QTableWidget* grid, int row, int column)
{
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

/**
 * Runs action on the next modal window of type T once it is the active modal widget. Polls from
 * a timer, so it also fires inside the nested event loop of an exec() or of a construction run.
 * Gives up after timeoutMs; seen (when given) tells whether it fired.
 */
template <typename T>
void WhenModal(std::function<void(T*)> action, bool* seen = nullptr, int timeoutMs = 20000)
{
    auto* timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action, seen, timeoutMs] {
        if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget()); window && window->isVisible()) {
            timer->stop();
            timer->deleteLater();
            if (seen)
                *seen = true;
            action(window);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

/** The class name of the next modal window, which is then closed with reject(). */
inline void RecordAndCloseNextModal(QString* className)
{
    WhenModal<QDialog>([className](QDialog* d) {
        *className = QString::fromLatin1(d->metaObject()->className());
        d->reject();
    });
}

} // namespace WordListTest

/**
 * Window test fixture with a context on the temporary directories: a new puzzle with the default
 * layout, a 15 x 15 shape, and the collection "TEST.QV3" in the start directory.
 */
class WordListUiTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        context = std::make_unique<AppContext>(startDir.path(), programDir.path());
        context->Working.CurrentCollection = collectionPath();
        ClearForNewPuzzle(context->Working);
        WordListTest::PutDefaultLayout(context->Working.CurrentPuzzle);
        context->CurrentShape = WordListTest::FullShape(15, 15);
    }

    QString collectionPath() const { return startPath(QStringLiteral("TEST.QV3")); }

    /** Reads record n of the test collection. */
    TPuzzleRecord Stored(int n) const
    {
        TPuzzleRecord record;
        EXPECT_TRUE(ReadPuzzle(collectionPath(), n, record).isOk());
        return record;
    }

    std::unique_ptr<AppContext> context;
};
