// Another copy of the program (or quorvex-cli) changes the open collection: the puzzle commands never
// open a puzzle other than the one listed, and coming back to the window lists the collection anew.
#include "MainWinTestSupport.h"

using MainWinOtherWriterTest = MainWinTest;

TEST_F(MainWinOtherWriterTest, AMovedPuzzleIsNotOpenedInItsPlaceAndComingBackListsTheCollectionAnew)
{
    start();
    for (const auto& [command, text] : ReadingCommands) {
        WriteCollection(defaultCollection(), {{"Animals", "Bears"}, {"Animals", "Cats"}});
        window->RequestSelection("Animals", "Cats");
        window->LoadInPuzzles();
        ASSERT_TRUE(RemoveRecord(defaultCollection(), 0));   // Cats moves from record 1 to 0
        messages.clear();
        (window.get()->*command)();
        EXPECT_EQ(messages.texts(), QStringList{QLatin1String(text) + QLatin1Char('\n') + CollectionMessages::ListOutdated});
        EXPECT_EQ(selectedTitle(), QStringLiteral("Cats"));
        (window.get()->*command)();   // chosen again from the renewed list, it opens
        EXPECT_EQ(messages.shown.size(), 1);
    }
    EXPECT_EQ(editorCaptions.size() + qsizetype(reported.size()), 4);

    ASSERT_TRUE(AppendPuzzle(defaultCollection(), MakePuzzle("Birds", "Owls")));
    showWindow();
    QWidget elsewhere;
    elsewhere.show();
    for (QWidget* active : {static_cast<QWidget*>(window.get()), &elsewhere, static_cast<QWidget*>(window.get())}) {
        active->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(active));
    }
    QCoreApplication::processEvents();   // the listing follows the activation
    EXPECT_EQ(categories(), QStringList({QStringLiteral("Animals"), QStringLiteral("Birds")}));
    EXPECT_EQ(selectedTitle(), QStringLiteral("Cats"));
}
