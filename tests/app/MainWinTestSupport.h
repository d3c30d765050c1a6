#pragma once
// Shared pieces of the main window tests: collections written record by record, a window started
// in the fixture's directories, and ways to read and click its lists.

#include "app/MainWin.h"
#include "app/RecentFiles.h"
#include "pages/PageLayout.h"
#include "store/Ansi.h"
#include "store/Collection.h"
#include "store/Settings.h"
#include "uisupport/UiTestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

/** Runs an action on the modal dialog that the next exec() shows. */
inline void onNextDialog(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        act(dialog);
    });
}

/** A page layout object of a kind, for opening its property dialogs. */
inline TPageObject PageObjectOf(std::int16_t kind)
{
    TPageObject object;
    object.Kind = kind;
    return object;
}

/** A puzzle record with a category and title; generated ones carry a one-word grid. */
inline TPuzzleRecord MakePuzzle(const char* category, const char* title, bool generated = true)
{
    TPuzzleRecord record;
    record.Category.setText(QByteArray(category));
    record.Title.setText(QByteArray(title));
    record.WordCount = 1;
    record.Words[0].setText("CAT");
    record.Clues[0].setText("Pet");
    record.Generated = generated ? 1 : 0;
    return record;
}

/** Writes a collection of (category, title) records in this order. */
inline void WriteCollection(const QString& path, const std::vector<std::pair<const char*, const char*>>& puzzles)
{
    ASSERT_TRUE(CreateCollection(path).isOk());
    for (const auto& [category, title] : puzzles)
        ASSERT_TRUE(AppendPuzzle(path, MakePuzzle(category, title)).isOk());
}

/** Keeps the tip of the day from opening on a real main window's first activation in a test. */
inline void QuietTips(TMainWin& window)
{
    TMainWinHooks hooks = window.Hooks();
    hooks.TipOfTheDay = [] {};
    window.SetHooks(hooks);
}

/** The commands that read the selected puzzle, each with the message it shows when it cannot. */
inline const std::array<std::pair<void (TMainWin::*)(), const char*>, 4> ReadingCommands{{
    {&TMainWin::ModifyPuzzle, "Unable to access Word List file."},
    {&TMainWin::CopyPuzzle, "Unable to access Word List file."},
    {&TMainWin::AddWords, "Unable to access Word List file."},
    {&TMainWin::PrintPuzzle, "Unable to load puzzle."}}};

/** Fixture: a main window started in the temporary start and program directories. */
class MainWinTest : public UiTest {
protected:
    void TearDown() override
    {
        window.reset();
        UiTest::TearDown();
    }

    /** The default collection of the start directory. */
    QString defaultCollection() const { return startPath(QStringLiteral("DEFAULT.QV3")); }

    /** Starts the window; the word list editor and manual word addition are recorded, not opened. */
    TMainWin& start(QSize screen = QSize(1280, 1024))
    {
        window = std::make_unique<TMainWin>(startDir.path(), programDir.path(), screen);
        TMainWinHooks hooks = window->Hooks();
        hooks.WordList = [this](const QString& caption) {
            editorCaptions.append(caption);
            if (onWordList)
                onWordList();
        };
        hooks.AddWords = [this] { editorCaptions.append(QStringLiteral("AddWords")); };
        hooks.SelectShapes = [this] { editorCaptions.append(QStringLiteral("SelectShapes")); };
        hooks.Report = [this](const TPuzzleRecord& puzzle) { reported.push_back(puzzle); };
        realTipOfTheDay = hooks.TipOfTheDay;
        hooks.TipOfTheDay = [this] { ++tipsShown; };
        hooks.OpenUrl = [this](const QUrl& url) {
            openedUrls.append(url);
            return true;
        };
        window->SetHooks(hooks);
        return *window;
    }

    /** Writes a settings file into the start directory. */
    template <typename Change>
    void writeSettings(Change change)
    {
        Settings settings = DefaultSettings(startDir.path());
        change(settings);
        ASSERT_TRUE(SaveSettings(settings, startDir.path()).isOk());
    }

    QListWidget* categoryBox() const { return window->findChild<QListWidget*>(QStringLiteral("CategoryBox")); }
    QListWidget* puzzleBox() const { return window->findChild<QListWidget*>(QStringLiteral("PuzzleBox")); }
    QAction* action(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }

    static QStringList texts(const QListWidget* list)
    {
        QStringList out;
        for (int row = 0; row < list->count(); ++row)
            out.append(list->item(row)->text());
        return out;
    }
    QStringList categories() const { return texts(categoryBox()); }
    QStringList titles() const { return texts(puzzleBox()); }

    /** The selected title, or an empty string. */
    QString selectedTitle() const
    {
        const auto selected = puzzleBox()->selectedItems();
        return selected.isEmpty() ? QString() : selected.constFirst()->text();
    }
    QString shownCategory() const { return categoryBox()->item(window->ShownCategory())->text(); }

    /** Clicks a list row as the user would. */
    static void clickRow(QListWidget* list, int row)
    {
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void clickCategory(const QString& text)
    {
        const auto found = categoryBox()->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        clickRow(categoryBox(), categoryBox()->row(found.constFirst()));
    }
    void clickTitle(const QString& text)
    {
        const auto found = puzzleBox()->findItems(text, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty());
        clickRow(puzzleBox(), puzzleBox()->row(found.constFirst()));
    }

    /** Shows the window so that its lists have their sizes and take clicks. */
    void showWindow()
    {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    std::unique_ptr<TMainWin> window;
    QStringList editorCaptions;
    std::function<void()> onWordList;
    std::vector<TPuzzleRecord> reported;
    QList<QUrl> openedUrls;
    int tipsShown = 0;
    /** The window's own tip of the day, for a test that opens it. */
    std::function<void()> realTipOfTheDay;
};
