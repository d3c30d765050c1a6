// The main window's lists: listing, sorting, the selection rules after a change, and which commands are available.
#include "MainWinTestSupport.h"

#include "app/RecentFiles.h"
#include "store/PuzzleRecord.h"

using MainWinListsTest = MainWinTest;

TEST_F(MainWinListsTest, ListsSortIgnoringCaseAndItemsCarryCategoryIndexAndRecordNumber)
{
    WriteCollection(defaultCollection(), {{"zoo", "Lions"},
                                          {"Animals", "tigers"},
                                          {"birds", "Owls"},
                                          {"Animals", "Bears"},
                                          {"Animals", "cats"},
                                          {"animals", "Dogs"},
                                          {"\xC9" "conomie", "Budget"},
                                          {"Animals", "\xC9l\xE9phants"}});
    start();
    // Accented letters stand among their base letters, not after Z.
    EXPECT_EQ(categories(), QStringList({QStringLiteral("Animals"), QStringLiteral("animals"), QStringLiteral("birds"),
                                         QStringLiteral("\u00C9conomie"), QStringLiteral("zoo")}));
    // Category indexes follow first appearance in the file.
    EXPECT_EQ(categoryBox()->item(0)->data(Qt::UserRole).toInt(), 1);
    EXPECT_EQ(categoryBox()->item(1)->data(Qt::UserRole).toInt(), 3);
    EXPECT_EQ(categoryBox()->item(3)->data(Qt::UserRole).toInt(), 4);
    EXPECT_EQ(categoryBox()->item(4)->data(Qt::UserRole).toInt(), 0);

    // At start the first category is shown with its first title selected.
    EXPECT_EQ(shownCategory(), QStringLiteral("Animals"));
    EXPECT_EQ(titles(), QStringList({QStringLiteral("Bears"), QStringLiteral("cats"), QStringLiteral("\u00C9l\u00E9phants"),
                                     QStringLiteral("tigers")}));
    EXPECT_EQ(puzzleBox()->item(0)->data(Qt::UserRole).toInt(), 3);
    EXPECT_EQ(puzzleBox()->item(1)->data(Qt::UserRole).toInt(), 4);
    EXPECT_EQ(puzzleBox()->item(2)->data(Qt::UserRole).toInt(), 7);
    EXPECT_EQ(puzzleBox()->item(3)->data(Qt::UserRole).toInt(), 1);
    EXPECT_EQ(selectedTitle(), QStringLiteral("Bears"));
}

TEST_F(MainWinListsTest, DeletingTheSecondOfThreeSelectsTheFirst)
{
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}, {"Animals", "Bears"}, {"Animals", "Dogs"}});
    start();
    showWindow();
    clickTitle(QStringLiteral("Cats"));
    messages.answers.push_back(MessageService::Button::Yes);
    action("MenuDelete")->trigger();

    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.last().text, QStringLiteral("Are you sure you want to delete Cats?"));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Delete"));
    EXPECT_EQ(titles(), QStringList({QStringLiteral("Bears"), QStringLiteral("Dogs")}));
    EXPECT_EQ(selectedTitle(), QStringLiteral("Bears"));
    EXPECT_EQ(RecordCount(defaultCollection()), 2);
    // The later record moved down: the listing's record numbers are the new ones.
    EXPECT_EQ(puzzleBox()->item(1)->data(Qt::UserRole).toInt(), 1);
    EXPECT_TRUE(action("MenuDelete")->isEnabled());
}

TEST_F(MainWinListsTest, DeletingTheFirstSelectsAnotherOfTheSameTitleOrNone)
{
    WriteCollection(defaultCollection(),
                    {{"Animals", "Bears"}, {"Animals", "Cats"}, {"Animals", "bears"}, {"Birds", "Owls"}, {"Birds", "Ducks"}});
    start();
    showWindow();
    clickTitle(QStringLiteral("Bears"));
    messages.answers.push_back(MessageService::Button::Yes);
    window->DeletePuzzle();
    EXPECT_EQ(titles(), QStringList({QStringLiteral("bears"), QStringLiteral("Cats")}));
    EXPECT_EQ(selectedTitle(), QStringLiteral("bears"));

    clickCategory(QStringLiteral("Birds"));
    clickTitle(QStringLiteral("Ducks"));
    messages.answers.push_back(MessageService::Button::Yes);
    window->DeletePuzzle();
    EXPECT_EQ(shownCategory(), QStringLiteral("Birds"));
    EXPECT_EQ(titles(), QStringList({QStringLiteral("Owls")}));
    EXPECT_TRUE(selectedTitle().isEmpty());
    EXPECT_FALSE(action("MenuModify")->isEnabled());
}

TEST_F(MainWinListsTest, DeletingTheOnlyPuzzleOfACategoryRemovesItAndShowsTheFirstCategory)
{
    WriteCollection(defaultCollection(), {{"Birds", "Owls"}, {"Zoo", "Lions"}, {"Animals", "Cats"}});
    start();
    showWindow();
    clickCategory(QStringLiteral("Zoo"));
    clickTitle(QStringLiteral("Lions"));
    messages.answers.push_back(MessageService::Button::Yes);
    window->DeletePuzzle();
    EXPECT_EQ(categories(), QStringList({QStringLiteral("Animals"), QStringLiteral("Birds")}));
    EXPECT_EQ(shownCategory(), QStringLiteral("Animals"));
    EXPECT_EQ(titles(), QStringList({QStringLiteral("Cats")}));
    EXPECT_TRUE(selectedTitle().isEmpty());
    EXPECT_FALSE(window->PendingSelection());
}

TEST_F(MainWinListsTest, AnsweringNoToTheDeleteQuestionKeepsThePuzzle)
{
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}, {"Animals", "Dogs"}});
    start();
    showWindow();
    clickTitle(QStringLiteral("Dogs"));
    messages.answers.push_back(MessageService::Button::No);
    window->DeletePuzzle();
    EXPECT_EQ(RecordCount(defaultCollection()), 2);
    EXPECT_EQ(selectedTitle(), QStringLiteral("Dogs"));
}

TEST_F(MainWinListsTest, AChangedCategoryIsSelectedAfterTheEditorSavesAndRequestsIt)
{
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}, {"Animals", "Dogs"}, {"Birds", "Owls"}});
    start();
    showWindow();
    clickTitle(QStringLiteral("Dogs"));
    // The editor writes the record under a new category and asks for it to be selected.
    onWordList = [this] {
        AppContext& context = window->Context();
        EXPECT_FALSE(context.Working.IsNewPuzzle);
        EXPECT_EQ(context.Working.CurrentRecordNumber, 1);
        context.Working.CurrentPuzzle.Category.setText("Pets");
        ASSERT_TRUE(WritePuzzle(context.Working.CurrentCollection, context.Working.CurrentRecordNumber,
                                context.Working.CurrentPuzzle)
                        .isOk());
        context.RequestSelection(context.Working.CurrentPuzzle.Category.text(), context.Working.CurrentPuzzle.Title.text());
    };
    action("MenuModify")->trigger();
    EXPECT_EQ(editorCaptions, QStringList({QStringLiteral("Modify Existing Puzzle")}));
    EXPECT_EQ(categories(), QStringList({QStringLiteral("Animals"), QStringLiteral("Birds"), QStringLiteral("Pets")}));
    EXPECT_EQ(shownCategory(), QStringLiteral("Pets"));
    EXPECT_EQ(selectedTitle(), QStringLiteral("Dogs"));
    EXPECT_TRUE(action("MenuModify")->isEnabled());
}

TEST_F(MainWinListsTest, SelectionRequestsMatchCategoryAndTitleIgnoringCase)
{
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}, {"Birds", "Owls"}, {"Birds", "Ducks"}});
    start();
    window->Context().RequestSelection("BIRDS", "owls");
    EXPECT_EQ(shownCategory(), QStringLiteral("Birds"));
    EXPECT_EQ(selectedTitle(), QStringLiteral("Owls"));

    // An unknown category shows the first one, and nothing is selected.
    window->Context().RequestSelection("Fish", "Owls");
    EXPECT_EQ(shownCategory(), QStringLiteral("Animals"));
    EXPECT_TRUE(selectedTitle().isEmpty());
}

TEST_F(MainWinListsTest, ClickingTheShownCategoryChangesNothingAndAnotherListsItsPuzzles)
{
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}, {"Animals", "Dogs"}, {"Birds", "Owls"}});
    start();
    showWindow();
    clickTitle(QStringLiteral("Dogs"));
    ASSERT_TRUE(action("MenuDelete")->isEnabled());

    clickCategory(QStringLiteral("Animals"));
    EXPECT_EQ(selectedTitle(), QStringLiteral("Dogs"));
    EXPECT_TRUE(action("MenuDelete")->isEnabled());

    clickCategory(QStringLiteral("Birds"));
    EXPECT_EQ(window->ShownCategory(), 1);
    EXPECT_EQ(titles(), QStringList({QStringLiteral("Owls")}));
    EXPECT_TRUE(selectedTitle().isEmpty());
    EXPECT_FALSE(action("MenuDelete")->isEnabled());

    clickTitle(QStringLiteral("Owls"));
    EXPECT_TRUE(action("MenuDelete")->isEnabled());
}

TEST_F(MainWinListsTest, AnEmptyOrMissingCollectionDisablesThePuzzleCommands)
{
    for (const bool exists : {false, true}) {
        SCOPED_TRACE(exists ? "empty file" : "missing file");
        QFile::remove(defaultCollection());
        if (exists) {
            ASSERT_TRUE(CreateCollection(defaultCollection()).isOk());
        }
        start();
        EXPECT_TRUE(categories().isEmpty());
        EXPECT_TRUE(titles().isEmpty());
        for (const char* name : {"MenuModify", "MenuCopy", "MenuDelete", "MenuPrint", "MenuPuzzleWords"})
            EXPECT_FALSE(action(name)->isEnabled()) << name;
        for (const char* name : {"MenuNewPuzzle", "MenuNewGroup", "MenuOpenGroup", "MenuExit", "MenuPuzzleShape"})
            EXPECT_TRUE(action(name)->isEnabled()) << name;
        EXPECT_NE(action("MenuImport"), nullptr);
        EXPECT_NE(action("MenuExport"), nullptr);
    }
}

TEST_F(MainWinListsTest, CommandsWithoutTheirWindowStayDisabledEvenWithASelection)
{
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}});
    window = std::make_unique<TMainWin>(startDir.path(), programDir.path(), QSize(1280, 1024));
    QuietTips(*window);
    TMainWinHooks hooks = window->Hooks();
    hooks.WordList = nullptr;
    hooks.AddWords = nullptr;
    hooks.SelectShapes = nullptr;
    hooks.PageLayouts = nullptr;
    window->SetHooks(hooks);
    ASSERT_EQ(selectedTitle(), QStringLiteral("Cats"));
    for (const char* name : {"MenuNewPuzzle", "MenuModify", "MenuCopy", "MenuPuzzleWords", "MenuPuzzleShape", "MenuPageLayout"})
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    EXPECT_TRUE(action("MenuDelete")->isEnabled());
    EXPECT_TRUE(action("MenuPrint")->isEnabled());
}

TEST_F(MainWinListsTest, PuzzleCommandsWithNothingSelectedSayTheyNeedASelection)
{
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}});
    start();
    puzzleBox()->clearSelection();
    const std::vector<std::pair<const char*, void (TMainWin::*)()>> commands = {
        {"modify", &TMainWin::ModifyPuzzle}, {"copy", &TMainWin::CopyPuzzle},   {"words", &TMainWin::AddWords},
        {"delete", &TMainWin::DeletePuzzle}, {"print", &TMainWin::PrintPuzzle}};
    for (const auto& [name, command] : commands) {
        SCOPED_TRACE(name);
        messages.clear();
        (window.get()->*command)();
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.last().text, QStringLiteral("No puzzle selected.  Please select a puzzle first."));
        EXPECT_EQ(messages.last().caption, QStringLiteral("Error"));
    }
    EXPECT_TRUE(editorCaptions.isEmpty());
    EXPECT_EQ(RecordCount(defaultCollection()), 1);
}

TEST_F(MainWinListsTest, CaptionShowsTheCollectionNameWithoutDirectoryAndExtension)
{
    writeSettings([](Settings& s) { s.LastGroup = QStringLiteral("/data/Games.QV3"); });
    start();
    EXPECT_EQ(window->GroupName(), QStringLiteral("Games"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorvex 98 (Games)"));
    EXPECT_TRUE(categories().isEmpty());

    const std::pair<const char*, const char*> names[] = {
        {"/data/Games.QV3", "Games"}, {"/x/my.puzzles.qv3", "my.puzzles"}, {"/x/ab", ""}, {"/x/.QV3", ""}};
    for (const auto& [path, name] : names)
        EXPECT_EQ(GroupNameOf(QLatin1String(path)), QLatin1String(name)) << path;
}

TEST_F(MainWinListsTest, TitlesInWindows1252AreShownAndFoundAgain)
{
    WriteCollection(defaultCollection(), {{"Caf\xe9", "\xc9t\xe9"}, {"Caf\xe9", "Alpha"}});
    start();
    EXPECT_EQ(categories(), QStringList({QStringLiteral("Café")}));
    EXPECT_EQ(titles(), QStringList({QStringLiteral("Alpha"), QStringLiteral("Été")}));
    window->Context().RequestSelection("CAF\xc9", "\xe9t\xe9");
    EXPECT_EQ(selectedTitle(), QStringLiteral("Été"));
}

TEST_F(MainWinListsTest, FromTheKeyboardTheFirstArrowInTheUnselectedPuzzleListChoosesItsFirstPuzzle)
{
    WriteCollection(defaultCollection(), {{"Animals", "Cats"}, {"Birds", "Owls"}, {"Birds", "Hens"}});
    start();
    showWindow();
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Home}) {
        categoryBox()->setFocus();
        QTest::keyClick(categoryBox(), Qt::Key_Up);
        QTest::keyClick(categoryBox(), Qt::Key_Down);   // Birds, no puzzle chosen
        ASSERT_EQ(shownCategory(), QStringLiteral("Birds"));
        ASSERT_TRUE(selectedTitle().isEmpty());
        QTest::keyClick(window.get(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), puzzleBox());
        QTest::keyClick(puzzleBox(), key);
        EXPECT_EQ(selectedTitle().toStdString(), "Hens") << key;
        EXPECT_TRUE(action("MenuDelete")->isEnabled());
    }
}
