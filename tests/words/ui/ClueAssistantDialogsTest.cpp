// The word list editor's clue and theme assistant: Suggest Clues and Theme Words on the real windows.
#include "words/ui/SuggestClues.h"
#include "words/ui/ThemeWordsDialog.h"
#include "words/ui/WordList.h"
#include "words/ui/WordListTestSupport.h"
#include "words/ClueDrafter.h"
#include "words/WordNetDatabase.h"

#include "ui/TypedTextGuard.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace WordListTest;

namespace {

class ClueAssistantUiTest : public WordListUiTest {
protected:
    void SetUp() override
    {
        WordListUiTest::SetUp();
        if (WordNetDatabase::Find(context->ProgramDir).isEmpty())
            GTEST_SKIP() << "the WordNet database (wordnet-base) is not installed";
    }
};

} // namespace

TEST_F(ClueAssistantUiTest, SuggestCluesWritesOnlyThePickedCluesAndIsGreyedOutsideEnglish)
{
    TWordList editor(*context);
    editor.show();
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
    const QStringList words{QStringLiteral("APPLE"), QStringLiteral("BANANA"), QStringLiteral("VIOLIN"), QStringLiteral("MOUSE")};
    for (int row = 0; row < words.size(); ++row)
        TypeIntoCell(grid, row, TWordList::WordColumn, words[row]);
    TypeIntoCell(grid, 1, TWordList::ClueColumn, QStringLiteral("Own clue"));

    QStringList offered;
    QString violinSecond;
    bool seen = false;
    WhenModal<TSuggestClues>([&](TSuggestClues* dialog) {
        ClueChoiceTable* table = dialog->Table();
        // The three words without a clue, each with drafts; nothing ticked yet.
        ASSERT_EQ(table->rowCount(), 3);
        EXPECT_EQ(table->item(1, 0)->text(), QStringLiteral("VIOLIN"));
        EXPECT_TRUE(table->choices().isEmpty());
        offered = QStringList{table->clueBox(0)->currentText()};
        table->item(0, 0)->setCheckState(Qt::Checked);                 // APPLE: the first draft, ticked
        QTest::keyClick(table->clueBox(1), Qt::Key_Down);               // VIOLIN: another draft picked
        violinSecond = table->clueBox(1)->currentText();
        QTest::mouseClick(Control<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
    }, &seen);
    QTest::mouseClick(Control<QPushButton>(&editor, "SuggestCluesButton"), Qt::LeftButton);
    ASSERT_TRUE(seen);
    EXPECT_EQ(CellText(grid, 0, TWordList::ClueColumn), offered.first());
    EXPECT_FALSE(ClueDrafter::GivesAway(offered.first(), QStringLiteral("APPLE")));
    EXPECT_FALSE(violinSecond.isEmpty());
    EXPECT_EQ(CellText(grid, 2, TWordList::ClueColumn), violinSecond);
    EXPECT_EQ(CellText(grid, 1, TWordList::ClueColumn), QStringLiteral("Own clue"));
    EXPECT_EQ(CellText(grid, 3, TWordList::ClueColumn), QString()); // not picked: nothing written

    // Spanish spelling: both commands greyed.
    context->settings.Dictionary = 3;
    TWordList spanish(*context);
    EXPECT_FALSE(Control<QPushButton>(&spanish, "SuggestCluesButton")->isEnabled());
    EXPECT_FALSE(Control<QPushButton>(&spanish, "ThemeWordsButton")->isEnabled());
}

TEST_F(ClueAssistantUiTest, ThemeWordsAddsTheTickedWordsToFreeRowsWithinTwoHundred)
{
    TWordList editor(*context);
    editor.show();
    auto* grid = Control<QTableWidget>(&editor, "WordsCluesGrid");
    // 198 rows hold a word, APPLE among them: three more ticked theme words are one too many.
    for (int row = 0; row < 197; ++row)
        grid->item(row, TWordList::WordColumn)->setText(QStringLiteral("W%1").arg(row));
    grid->item(197, TWordList::WordColumn)->setText(QStringLiteral(" apple"));
    messages.answers.push_back(MessageService::Button::Yes);

    QStringList added;
    QString found;
    bool meanings = false;
    bool seen = false;
    WhenModal<TThemeWords>([&](TThemeWords* dialog) {
        QTest::keyClicks(Control<QLineEdit>(dialog, "Topic"), QStringLiteral("fruit"));
        QTest::mouseClick(Control<QPushButton>(dialog, "LookUpButton"), Qt::LeftButton);
        found = Control<QLabel>(dialog, "FoundLabel")->text();
        meanings = Control<QComboBox>(dialog, "Meaning")->isEnabled();
        auto* table = Control<ClueChoiceTable>(dialog, "ClueChoices");
        ASSERT_EQ(table->rowCount(), 25);
        // APPLE and the three words listed after it.
        int apple = 0;
        while (apple < table->rowCount() && table->item(apple, 0)->text() != QLatin1String("APPLE"))
            ++apple;
        ASSERT_LE(apple, table->rowCount() - 4);
        for (int row = apple; row < apple + 4; ++row) {
            table->item(row, 0)->setCheckState(Qt::Checked);
            added.append(table->item(row, 0)->text() + QLatin1Char('|') + table->clueBox(row)->currentText());
        }
        QTest::mouseClick(Control<QPushButton>(dialog, "AddButton"), Qt::LeftButton);
    }, &seen);
    QTest::mouseClick(Control<QPushButton>(&editor, "ThemeWordsButton"), Qt::LeftButton);
    ASSERT_TRUE(seen);
    EXPECT_TRUE(found.contains(QLatin1String("words found, 25 listed."))) << found.toStdString();
    EXPECT_TRUE(meanings); // "fruit" has three meanings to choose from
    ASSERT_EQ(messages.texts().size(), 2);
    EXPECT_EQ(messages.texts().first(), QStringLiteral("Too many words selected.  Last word will not be used.  Continue?"));
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Already in the list, so not added again: APPLE."));
    ASSERT_EQ(added.size(), 4);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(CellText(grid, 198 + i, TWordList::WordColumn) + QLatin1Char('|') + CellText(grid, 198 + i, TWordList::ClueColumn),
                  added[i + 1]);
    EXPECT_TRUE(added.first().startsWith(QLatin1String("APPLE|")));
}

TEST_F(ClueAssistantUiTest, TheWheelScrollsTheClueListsAndEscapeAsksBeforeATypedClueIsLost)
{
    const QStringList words{QStringLiteral("NEPTUNE"), QStringLiteral("APPLE"), QStringLiteral("VIOLIN"), QStringLiteral("MOUSE"),
                            QStringLiteral("PIANO"), QStringLiteral("TIGER"), QStringLiteral("GUITAR"), QStringLiteral("EAGLE"),
                            QStringLiteral("SALMON"), QStringLiteral("TULIP"), QStringLiteral("HAMMER"), QStringLiteral("DAISY")};
    const std::unique_ptr<WordNetDatabase> source = WordNetDatabase::Open(WordNetDatabase::Find(context->ProgramDir));
    TSuggestClues dialog(*context, *source, words);
    dialog.resize(600, 200);
    dialog.show();
    ClueChoiceTable* table = dialog.Table();
    QComboBox* neptune = table->clueBox(0);
    ASSERT_GT(neptune->count(), 1);
    const QString first = neptune->currentText();
    EXPECT_EQ(neptune->toolTip(), first); // the whole clue, however narrow the column
    // Four notches down over the clue list: the table scrolls, the clue and the tick stay.
    const QPoint at = neptune->rect().center();
    for (int notch = 0; notch < 4; ++notch) {
        QWheelEvent wheel(at, neptune->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(neptune, &wheel);
    }
    EXPECT_EQ(neptune->currentText(), first);
    EXPECT_TRUE(table->choices().isEmpty());
    EXPECT_GT(table->verticalScrollBar()->value(), 0);

    // Escape without typing closes at once; after a typed clue it asks, and No keeps the window.
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(messages.texts().isEmpty());
    dialog.show();
    QTest::keyClicks(table->clueBox(1)->lineEdit(), QStringLiteral(" typed"));
    messages.answers.push_back(MessageService::Button::No);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(messages.texts().first(), TypedTextGuard::Question());
    EXPECT_TRUE(dialog.isVisible());
}
