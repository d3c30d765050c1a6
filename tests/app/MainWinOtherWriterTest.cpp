// Another copy of the program (or quorvex-cli) changes the open collection: the puzzle commands never
// open a puzzle other than the one listed.
#include "MainWinTestSupport.h"

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
