#pragma once
// Opening the page designer on temporary directories and driving it with the mouse.

#include "pages/DefaultLayout.h"
#include "pages/PageFile.h"
#include "pages/ui/DoPages.h"
#include "ui/AppContext.h"
#include "uisupport/ModalWatchdog.h"
#include "uisupport/UiTestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

class DoPagesTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        context = std::make_unique<AppContext>(startDir.path(), programDir.path());
        QFile::remove(context->PageFilePath());
        context->settings.Zoom = 1; // 48 pixels per inch
        context->settings.PageDesignerWindowWidth = 1100;
        context->settings.PageDesignerWindowHeight = 900;
    }

    std::unique_ptr<TDoPages> open(const TPageLayout& layout = {}, TDoPages::DesignMode mode = TDoPages::DesignMode::New,
                                   qint64 recordNumber = -1)
    {
        auto window = std::make_unique<TDoPages>(*context, layout, mode, recordNumber);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }

    /** Arms a palette entry and clicks the page at a point. */
    static void place(TDoPages& window, int kind, QPoint at)
    {
        QTest::mouseClick(window.paletteButton(kind), Qt::LeftButton);
        QTest::mouseClick(window.canvas(), Qt::LeftButton, {}, at);
    }

    /** Presses the left button at one point, moves to another and releases there. */
    static void drag(TDoPages& window, QPoint from, QPoint to)
    {
        QTest::mousePress(window.canvas(), Qt::LeftButton, {}, from);
        QTest::mouseMove(window.canvas(), to);
        QTest::mouseRelease(window.canvas(), Qt::LeftButton, {}, to);
    }

    static QAction* action(QWidget& window, const char* name)
    {
        auto* found = window.findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    /** Chooses an object menu item for an object. */
    static void menu(TDoPages& window, int index, const char* item)
    {
        window.PrepareObjectMenu(index);
        action(window, item)->trigger();
    }

    /** Runs `step` on the next modal dialog of type D once it is up. */
    template <typename D>
    static void onDialog(std::function<void(D*)> step)
    {
        QTimer::singleShot(0, [step] {
            auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            step(dialog);
        });
    }

    static const TObjectBounds& bounds(const TDoPages& window, int index)
    {
        return window.layout().Objects[std::size_t(index)].Bounds;
    }

    std::unique_ptr<AppContext> context;
};

// Readable output of bounds in failures.
inline void PrintTo(const TObjectBounds& b, std::ostream* os)
{
    *os << "{" << b.Left << ", " << b.Top << ", " << b.Right << ", " << b.Bottom << "}";
}
