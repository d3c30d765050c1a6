// Another copy of the program (or quorvex-cli) changes the open collection: the puzzle commands never
// open a puzzle other than the one listed, and coming back to the window shows the collection anew.
#include "MainWinTestSupport.h"

#include <QWidget>

using MainWinOtherWriterTest = MainWinTest;

TEST_F(MainWinOtherWriterTest, APuzzleMovedByAnotherWriterIsNotOpenedInItsPlaceAndTheListIsRenewed)
{
    start();
    for (const auto& [command, text] : ReadingCommands) {
        SCOPED_TRACE(text);
        WriteCollection(defaultCollection(), {{"Animals", "Bears"}, {"Animals", "Cats"}, {"Animals", "Dogs"}});
        window->RequestSelection("Animals", "Dogs");
        window->LoadInPuzzles();
        ASSERT_TRUE(RemoveRecord(defaultCollection(), 0).isOk());   // Dogs moves from record 2 to 1

        messages.clear();
        editorCaptions.clear();
        reported.clear();
        (window.get()->*command)();
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.last().text, QLatin1String(text) + QLatin1Char('\n') + CollectionMessages::ListOutdated);
        EXPECT_TRUE(editorCaptions.isEmpty());
        EXPECT_TRUE(reported.empty());
        EXPECT_EQ(titles(), QStringList({QStringLiteral("Cats"), QStringLiteral("Dogs")}));
        EXPECT_EQ(selectedTitle(), QStringLiteral("Dogs"));

        // Chosen again from the renewed list, the puzzle opens.
        (window.get()->*command)();
        EXPECT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(editorCaptions.size() + qsizetype(reported.size()), 1);
        EXPECT_TRUE(window->Context().Working.CurrentPuzzle.Title.text().startsWith("Dogs"));   // a copy: "Dogs (2)"
    }
}

TEST_F(MainWinOtherWriterTest, ComingBackToTheWindowListsTheCollectionAnewWhenAnotherWriterChangedIt)
{
    WriteCollection(defaultCollection(), {{"Animals", "Bears"}, {"Animals", "Cats"}});
    start();
    showWindow();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    clickTitle(QStringLiteral("Cats"));

    QWidget elsewhere;
    const auto leaveAndComeBack = [&] {
        elsewhere.show();
        elsewhere.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    };
    ASSERT_TRUE(AppendPuzzle(defaultCollection(), MakePuzzle("Birds", "Owls")).isOk());
    ASSERT_TRUE(RemoveRecord(defaultCollection(), 0).isOk());
    leaveAndComeBack();
    EXPECT_EQ(categories(), QStringList({QStringLiteral("Animals"), QStringLiteral("Birds")}));
    EXPECT_EQ(titles(), QStringList({QStringLiteral("Cats")}));
    EXPECT_EQ(selectedTitle(), QStringLiteral("Cats"));

    // Unchanged, the lists stay as the user left them.
    clickCategory(QStringLiteral("Birds"));
    leaveAndComeBack();
    EXPECT_EQ(shownCategory(), QStringLiteral("Birds"));
    EXPECT_TRUE(selectedTitle().isEmpty());
}
