// The main window's word options open their dialogs on the window's settings.
#include "app/MainWinTestSupport.h"

#include "words/ui/DoIntChars.h"
#include "words/ui/WordLetters.h"
#include "words/ui/WordListTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

class MainWinWordsTest : public MainWinTest {};

TEST_F(MainWinWordsTest, InternationalCharactersAndWordSeparatorsChangeTheWindowsSettings)
{
    start();
    showWindow();
    ASSERT_TRUE(action("MenuIntChars")->isEnabled());
    ASSERT_TRUE(action("MenuWordSeparators")->isEnabled());

    bool seen = false;
    WordListTest::WhenModal<TDoIntChars>(
        [](TDoIntChars* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("International Characters"));
            dialog->KeyList(0)->setCurrentIndex(0xE7 - 192);   // ç
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
        },
        &seen);
    action("MenuIntChars")->trigger();
    EXPECT_TRUE(seen);
    EXPECT_EQ(window->Context().settings.IntKeys[0], QStringLiteral("0231"));

    seen = false;
    WordListTest::WhenModal<TWordLetters>(
        [](TWordLetters* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Word Separator Characters"));
            auto* slash = dialog->findChild<QCheckBox*>(QStringLiteral("SepSlash"));
            QTest::mouseClick(slash, Qt::LeftButton, {}, QPoint(4, slash->height() / 2));
            dialog->reject();
        },
        &seen);
    action("MenuWordSeparators")->trigger();
    EXPECT_TRUE(seen);
    EXPECT_TRUE(window->Context().settings.WordSepSlash);
}
