// The main window's collection commands, recent files, puzzle commands and exit.
#include "MainWinTestSupport.h"

#include "pages/DefaultLayout.h"
#include "pages/PageFile.h"

#include "pages/ui/ListPages.h"
#include "puzzle/ui/AddWords.h"
#include "shapes/ui/SelectShapes.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

using MainWinCommandsTest = MainWinTest;

namespace {

QString recentCaption(int entry, const QString& path)
{
    return QStringLiteral("&%1   %2").arg(entry).arg(path);
}

} // namespace

TEST_F(MainWinCommandsTest, RecentFilesFollowTheOpenedCollectionsAndAChosenEntryMovesToTheFront)
{
    QStringList paths;
    for (const char* name : {"A", "B", "C", "D", "E", "F"}) {
        paths.append(startPath(QLatin1String(name) + QStringLiteral(".QV3")));
        WriteCollection(paths.constLast(), {{name, name}});
    }
    writeSettings([&](Settings& s) { s.LastGroup = paths[0]; });
    start();
    EXPECT_FALSE(action("LastFileSeparator")->isVisible());
    for (int i = 1; i <= 5; ++i)
        EXPECT_FALSE(action(qPrintable(QStringLiteral("MenuLastFile%1").arg(i)))->isVisible());

    for (int i = 1; i < 6; ++i) {
        messages.files.push_back(paths[i]);
        action("MenuOpenGroup")->trigger();
    }
    const RecentFileList& recent = window->Context().settings.RecentFiles;
    EXPECT_EQ(window->Context().Working.CurrentCollection, paths[5]);
    EXPECT_EQ(recent, (RecentFileList{paths[4], paths[3], paths[2], paths[1], paths[0]}));
    EXPECT_TRUE(action("LastFileSeparator")->isVisible());
    EXPECT_EQ(action("MenuLastFile1")->text(), recentCaption(1, paths[4]));
    EXPECT_EQ(action("MenuLastFile5")->text(), recentCaption(5, paths[0]));
    EXPECT_EQ(categories(), QStringList({QStringLiteral("F")}));

    // Choosing C (entry 3) from the menu.
    action("MenuLastFile3")->trigger();
    EXPECT_EQ(window->Context().Working.CurrentCollection, paths[2]);
    EXPECT_EQ(window->Context().settings.LastGroup, paths[2]);
    EXPECT_EQ(recent, (RecentFileList{paths[5], paths[4], paths[3], paths[1], paths[0]}));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorvex 98 (C)"));
    EXPECT_EQ(categories(), QStringList({QStringLiteral("C")}));
    EXPECT_EQ(action("MenuLastFile4")->text(), recentCaption(4, paths[1]));
}

TEST_F(MainWinCommandsTest, ARecentFileThatNoLongerExistsIsIgnoredAndStaysListed)
{
    const QString gone = startPath(QStringLiteral("Gone.QV3"));
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}});
    writeSettings([&](Settings& s) {
        s.LastGroup = defaultCollection();
        s.RecentFiles = {QString(), gone, QString(), QString(), QString()};
    });
    start();
    EXPECT_TRUE(action("LastFileSeparator")->isVisible());
    EXPECT_FALSE(action("MenuLastFile1")->isVisible());
    EXPECT_TRUE(action("MenuLastFile2")->isVisible());
    EXPECT_EQ(action("MenuLastFile2")->text(), recentCaption(2, gone));

    action("MenuLastFile2")->trigger();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(window->Context().Working.CurrentCollection, defaultCollection());
    EXPECT_EQ(window->Context().settings.RecentFiles[1], gone);
    EXPECT_EQ(titles(), QStringList({QStringLiteral("Cats")}));
}

TEST_F(MainWinCommandsTest, OpeningAFileWithAnotherExtensionIsRefusedAndTheCollectionStays)
{
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}});
    const QString text = startPath(QStringLiteral("notes.TXT"));
    WriteCollection(text, {{"Other", "Thing"}});
    start();
    messages.files.push_back(text);
    action("MenuOpenGroup")->trigger();

    ASSERT_EQ(messages.fileRequests.size(), 1);
    EXPECT_EQ(messages.fileRequests[0].title, QStringLiteral("Open Puzzle Group"));
    EXPECT_EQ(messages.fileRequests[0].filter, QStringLiteral("QORVX Files (*.QV3)"));
    EXPECT_EQ(messages.fileRequests[0].defaultSuffix, QStringLiteral("QV3"));
    EXPECT_EQ(messages.fileRequests[0].initialPath, defaultCollection());
    EXPECT_EQ(messages.last().text, QStringLiteral("The file selected is not a valid Crossword file."));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
    EXPECT_EQ(window->Context().Working.CurrentCollection, defaultCollection());
    EXPECT_EQ(titles(), QStringList({QStringLiteral("Cats")}));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorvex 98 (DEFAULT)"));

    // The extension is compared without regard to case.
    const QString lower = startPath(QStringLiteral("games.qv3"));
    WriteCollection(lower, {{"Games", "Chess"}});
    messages.clear();
    messages.files.push_back(lower);
    window->OpenGroup();
    EXPECT_EQ(messages.texts(), QStringList());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorvex 98 (games)"));
    EXPECT_EQ(titles(), QStringList({QStringLiteral("Chess")}));
}

TEST_F(MainWinCommandsTest, ANewCollectionIsCreatedEmptyAndOffersTheFirstPuzzle)
{
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}});
    start();
    const QString created = startPath(QStringLiteral("Fresh.QV3"));
    QFile stale(created);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray(100, 'x'));
    stale.close();

    messages.files.push_back(created);
    messages.answers.push_back(MessageService::Button::Yes);
    action("MenuNewGroup")->trigger();

    ASSERT_EQ(messages.fileRequests.size(), 1);
    EXPECT_EQ(messages.fileRequests[0].title, QStringLiteral("Create New Puzzle Group"));
    EXPECT_EQ(messages.fileRequests[0].filter, QStringLiteral("QORVX Files (*.QV3)"));
    EXPECT_EQ(messages.fileRequests[0].defaultSuffix, QStringLiteral("QV3"));
    EXPECT_TRUE(messages.fileRequests[0].confirmOverwrite);
    EXPECT_EQ(QFileInfo(created).size(), 0);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorvex 98 (Fresh)"));
    EXPECT_TRUE(categories().isEmpty());
    EXPECT_EQ(window->Context().settings.RecentFiles[0], defaultCollection());
    EXPECT_EQ(messages.last().text,
              QStringLiteral("Would you like to create your first puzzle now for this new puzzle collection?"));
    EXPECT_EQ(messages.last().caption, QStringLiteral("New Puzzle"));
    EXPECT_EQ(editorCaptions, QStringList({QStringLiteral("Create New Puzzle")}));
    EXPECT_TRUE(window->Context().Working.IsNewPuzzle);

    // Cancelling the dialog changes nothing; answering No opens no editor.
    window->NewGroup();
    EXPECT_EQ(window->Context().Working.CurrentCollection, created);
    messages.files.push_back(startPath(QStringLiteral("Second.QV3")));
    window->NewGroup();
    EXPECT_EQ(editorCaptions.size(), 1);
    EXPECT_TRUE(QFileInfo::exists(startPath(QStringLiteral("Second.QV3"))));
}

TEST_F(MainWinCommandsTest, ACollectionThatCannotBeCreatedIsReportedAndTheOldOneStaysOpen)
{
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}});
    start();
    messages.files.push_back(startPath(QStringLiteral("no-such-dir/New.QV3")));
    window->NewGroup();
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.last().caption, QStringLiteral("Disk Error"));
    EXPECT_EQ(window->Context().Working.CurrentCollection, defaultCollection());
    EXPECT_EQ(titles(), QStringList({QStringLiteral("Cats")}));
}

TEST_F(MainWinCommandsTest, ANewPuzzleIsClearedAndGetsTheDefaultPageLayout)
{
    ASSERT_TRUE(QFileInfo::exists(programPath(QStringLiteral("QVFPAGE.DAT"))));
    struct Case {
        int defaultPage;
        bool pageFile;
        qint64 expectedRecord; // -1: the built-in layout
    } cases[] = {{1, true, 1}, {9999, true, 0}, {0, false, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.defaultPage);
        if (!c.pageFile)
            QFile::remove(programPath(QStringLiteral("QVFPAGE.DAT")));
        start();
        window->Context().settings.DefaultPage = c.defaultPage;
        window->Context().Working.CurrentPuzzle = MakePuzzle("Old", "Old title");
        window->Context().Working.IsNewPuzzle = false;
        editorCaptions.clear();
        action("MenuNewPuzzle")->trigger();

        const WorkingPuzzle& working = window->Context().Working;
        EXPECT_EQ(editorCaptions, QStringList({QStringLiteral("Create New Puzzle")}));
        EXPECT_TRUE(working.IsNewPuzzle);
        EXPECT_TRUE(working.CurrentPuzzle.Title.isEmpty());
        EXPECT_TRUE(working.CurrentPuzzle.Category.isEmpty());
        EXPECT_EQ(working.CurrentPuzzle.WordCount, 0);
        EXPECT_EQ(working.CurrentPuzzle.Generated, 0);
        TPageLayout expected = BuiltInDefaultLayout();
        if (c.expectedRecord >= 0) {
            ASSERT_TRUE(LoadLayout(programPath(QStringLiteral("QVFPAGE.DAT")), c.expectedRecord, expected).isOk());
        }
        EXPECT_EQ(LayoutOfPuzzle(working.CurrentPuzzle), expected);
    }
}

TEST_F(MainWinCommandsTest, ModifyCopyAndPuzzleWordsReadTheSelectedRecord)
{
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}, {"Animals", "Dogs (9)"}});
    TPuzzleRecord dogs;
    ASSERT_TRUE(ReadPuzzle(defaultCollection(), 1, dogs).isOk());
    dogs.WordUsed[0] = 1;
    ASSERT_TRUE(WritePuzzle(defaultCollection(), 1, dogs).isOk());
    start();
    showWindow();
    clickTitle(QStringLiteral("Dogs (9)"));
    WorkingPuzzle& working = window->Context().Working;

    action("MenuModify")->trigger();
    EXPECT_FALSE(working.IsNewPuzzle);
    EXPECT_EQ(working.CurrentRecordNumber, 1);
    EXPECT_EQ(working.CurrentPuzzle, dogs);

    action("MenuCopy")->trigger();
    EXPECT_TRUE(working.IsNewPuzzle);
    EXPECT_EQ(working.CurrentRecordNumber, 1);
    EXPECT_EQ(working.CurrentPuzzle.Title.text(), QByteArray("Dogs (10)"));
    EXPECT_EQ(working.CurrentPuzzle.WordUsed[0], 0);
    EXPECT_EQ(working.CurrentPuzzle.Generated, 1);
    EXPECT_EQ(RecordCount(defaultCollection()), 2);

    action("MenuPuzzleWords")->trigger();
    EXPECT_FALSE(working.IsNewPuzzle);
    EXPECT_EQ(working.CurrentPuzzle, dogs);

    EXPECT_EQ(editorCaptions, QStringList({QStringLiteral("Modify Existing Puzzle"),
                                           QStringLiteral("Create New Puzzle (copy of existing puzzle)"),
                                           QStringLiteral("AddWords")}));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MainWinCommandsTest, ACollectionThatCannotBeOpenedStopsTheCommandWithItsMessage)
{
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}});
    start();
    ASSERT_EQ(selectedTitle(), QStringLiteral("Cats"));
    ASSERT_TRUE(QFile::remove(defaultCollection()));
    for (const auto& [command, text] : ReadingCommands) {
        SCOPED_TRACE(text);
        messages.clear();
        (window.get()->*command)();
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.last().text, QLatin1String(text));
        EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
    }
    EXPECT_TRUE(editorCaptions.isEmpty());
    EXPECT_TRUE(reported.empty());
}

TEST_F(MainWinCommandsTest, PrintingANeverGeneratedPuzzleWarnsAndAGeneratedOneGoesToTheReport)
{
    ASSERT_TRUE(CreateCollection(defaultCollection()).isOk());
    ASSERT_TRUE(AppendPuzzle(defaultCollection(), MakePuzzle("Animals", "Draft", false)).isOk());
    ASSERT_TRUE(AppendPuzzle(defaultCollection(), MakePuzzle("Animals", "Done", true)).isOk());
    start();
    showWindow();

    clickTitle(QStringLiteral("Draft"));
    action("MenuPrint")->trigger();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.last().text,
              QStringLiteral("A puzzle has never been generated for this word/clue list. Please select \"File|Modify\" "
                             "from the menu and create the puzzle first"));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Warning"));
    EXPECT_TRUE(reported.empty());

    // A double click on a title prints it.
    const QListWidgetItem* done = puzzleBox()->findItems(QStringLiteral("Done"), Qt::MatchExactly).constFirst();
    const QPoint centre = puzzleBox()->visualItemRect(done).center();
    QTest::mouseClick(puzzleBox()->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(puzzleBox()->viewport(), Qt::LeftButton, {}, centre);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].Title.text(), QByteArray("Done"));
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(MainWinCommandsTest, ClosingTheWindowSavesTheSettingsWithTheOpenCollection)
{
    const QString games = startPath(QStringLiteral("Games.QV3"));
    WriteCollection(games, {{"Games", "Chess"}});
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}});
    start();
    messages.files.push_back(games);
    window->OpenGroup();
    action("MenuBackground")->trigger();
    action("MenuDictionary5")->trigger();
    window->Context().settings.AcrossLabel = QStringLiteral("Horizontal");
    EXPECT_FALSE(QFileInfo::exists(SettingsFilePath(startDir.path())));

    EXPECT_TRUE(window->close());
    const Settings saved = LoadSettings(startDir.path());
    EXPECT_EQ(saved.LastGroup, games);
    EXPECT_EQ(saved.RecentFiles[0], defaultCollection());
    EXPECT_FALSE(saved.BackgroundBitmap);
    EXPECT_EQ(saved.Dictionary, 5);
    EXPECT_EQ(saved.AcrossLabel, QStringLiteral("Horizontal"));

    // The next start opens the collection that was open at exit.
    start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorvex 98 (Games)"));
    EXPECT_EQ(titles(), QStringList({QStringLiteral("Chess")}));
    EXPECT_FALSE(action("MenuBackground")->isChecked());
}

TEST_F(MainWinCommandsTest, TheBuiltSampleCollectionOpensWhenThereIsNoDefaultOne)
{
    const QString sample = startPath(QStringLiteral("SAMPLE.QV3"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUORVEX_BUILD_DIR "/SAMPLE.QV3"), sample));
    start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorvex 98 (SAMPLE)"));
    EXPECT_EQ(categories(), QStringList({QStringLiteral("Food"), QStringLiteral("Nature"), QStringLiteral("Science")}));
    EXPECT_EQ(titles(), QStringList({QStringLiteral("Fruit Bowl")}));
    showWindow();
    clickCategory(QStringLiteral("Nature"));
    EXPECT_EQ(titles(), QStringList({QStringLiteral("Weather Watch"), QStringLiteral("Wild Animals")}));

    // Every sample puzzle was constructed, so each one goes to the report window.
    for (qint64 n = 0; n < RecordCount(sample); ++n) {
        TPuzzleRecord puzzle;
        ASSERT_TRUE(ReadPuzzle(sample, n, puzzle).isOk());
        window->Context().RequestSelection(puzzle.Category.text(), puzzle.Title.text());
        window->PrintPuzzle();
    }
    EXPECT_EQ(reported.size(), 4u);
    EXPECT_TRUE(messages.shown.isEmpty());

    // A DEFAULT.QV3 beside it wins.
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}});
    start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorvex 98 (DEFAULT)"));
}

TEST_F(MainWinCommandsTest, PuzzleWordsPuzzleShapeAndPageLayoutOpenTheirWindowsModally)
{
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}, {"Animals", "Dogs"}});
    window = std::make_unique<TMainWin>(startDir.path(), programDir.path(), QSize(1280, 1024));
    QuietTips(*window);
    showWindow();
    clickTitle(QStringLiteral("Dogs"));
    QStringList opened;
    const auto closeNextDialog = [&] {
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            if (auto* words = qobject_cast<TAddWords*>(dialog)) {
                opened.append(QStringLiteral("AddWords %1").arg(words->origin()));
                EXPECT_EQ(words->savedPuzzle().Title.text(), QByteArray("Dogs"));
            } else if (qobject_cast<TSelectShapes*>(dialog)) {
                opened.append(QStringLiteral("SelectShapes"));
            } else if (qobject_cast<TListPages*>(dialog)) {
                opened.append(dialog->windowTitle());
            }
            static_cast<QDialog*>(dialog)->reject();
        });
    };
    closeNextDialog();
    action("MenuPuzzleWords")->trigger();
    closeNextDialog();
    action("MenuPuzzleShape")->trigger();
    closeNextDialog();
    action("MenuPageLayout")->trigger();
    EXPECT_EQ(opened, QStringList({QStringLiteral("AddWords 1"), QStringLiteral("SelectShapes"),
                                   QStringLiteral("Puzzle Page Layouts")}));
    EXPECT_EQ(window->Context().Working.CurrentRecordNumber, 1);
}
