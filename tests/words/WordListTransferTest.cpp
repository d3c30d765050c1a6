#include "words/InternationalKeys.h"
#include "words/WordListTransfer.h"

#include <gtest/gtest.h>

using namespace WordListTransfer;

namespace {

QList<GridRow> Rows(int words, int total = 200)
{
    QList<GridRow> rows(total);
    for (int i = 0; i < words; ++i)
        rows[i].Word = "W" + QByteArray::number(i + 1);
    return rows;
}

} // namespace

TEST(WordListTransfer, FreeRowsDependOnTheMode)
{
    // Row 1 holds only a clue, row 2 only spaces in its word with a clue, row 3 is empty.
    QList<GridRow> rows(200);
    rows[0].Clue = "Clue only";
    rows[1] = {"   ", "Spaces", false};
    rows[3].Word = "TAKEN";

    QList<GridRow> words = rows;
    EXPECT_EQ(Fill(words, {"LION", "TIGER", "BEAR"}, Words, ':'), (QList<int>{0, 1, 2}));
    EXPECT_EQ(words[0].Word, QByteArray("LION"));
    EXPECT_EQ(words[0].Clue, QByteArray("Clue only"));   // the clue stays with its new word
    EXPECT_EQ(words[1].Clue, QByteArray("Spaces"));
    EXPECT_EQ(words[2].Word, QByteArray("BEAR"));

    QList<GridRow> clues = rows;
    EXPECT_EQ(Fill(clues, {"Striped cat"}, Clues, ':'), QList<int>{2});
    EXPECT_EQ(clues[2].Clue, QByteArray("Striped cat"));
    EXPECT_TRUE(clues[2].Word.isEmpty());

    QList<GridRow> pairs = rows;
    EXPECT_EQ(Fill(pairs, {"RATIO : a:b", "LONE WORD", " : clue without word"}, WordsAndClues, ':'),
              (QList<int>{2, 4, 5}));
    EXPECT_EQ(pairs[2].Word, QByteArray("RATIO"));
    EXPECT_EQ(pairs[2].Clue, QByteArray("a:b"));
    EXPECT_EQ(pairs[4].Word, QByteArray("LONE WORD"));
    EXPECT_TRUE(pairs[4].Clue.isEmpty());
    EXPECT_EQ(pairs[5].Clue, QByteArray("clue without word"));
}

TEST(WordListTransfer, TheGridStopsAtTwoHundredWordsAndTheQuestionCountsTheRest)
{
    struct Case {
        int words;
        int selected;
        int filled;
        const char* question;
    } cases[] = {
        {195, 8, 5, "Too many words selected.  Last 3 words will not be used.  Continue?"},
        {199, 2, 1, "Too many words selected.  Last word will not be used.  Continue?"},
        {198, 2, 2, nullptr},
    };
    for (const Case& c : cases) {
        QList<GridRow> rows = Rows(c.words);
        QList<QByteArray> items;
        for (int i = 0; i < c.selected; ++i)
            items.append("NEW" + QByteArray::number(i));
        const int excess = WordCount(rows) + c.selected - 200;
        if (c.question)
            EXPECT_EQ(ExcessQuestion(excess), QString::fromLatin1(c.question)) << c.words;
        else
            EXPECT_LE(excess, 0);
        EXPECT_EQ(Fill(rows, items, Words, ':').size(), c.filled) << c.words;
        EXPECT_EQ(WordCount(rows), std::min(200, c.words + c.selected));
        EXPECT_EQ(rows[199].Word, c.filled ? QByteArray("NEW") + QByteArray::number(c.filled - 1) : QByteArray());
    }
    // Clues count as rows too: a full grid takes no more clues.
    QList<GridRow> full = Rows(200);
    EXPECT_TRUE(Fill(full, {"A clue"}, Clues, ':').isEmpty());
}

TEST(WordListTransfer, ExportItemsAndImportedPairsGiveBackTheSameRows)
{
    QList<GridRow> rows(200);
    rows[0] = {" LION ", "King of beasts", true};
    rows[1] = {"", "Clue without word", false};
    rows[2] = {"CAF\xC9", "", false};
    rows[4] = {"RATIO", "a;b", true};

    const QList<ExportItem> words = ExportItems(rows, Words, ':');
    ASSERT_EQ(words.size(), 3);
    EXPECT_EQ(words[0].Text, QByteArray("LION"));
    EXPECT_TRUE(words[0].Used);
    EXPECT_EQ(ExportItems(rows, Clues, ':').size(), 3);

    const QList<ExportItem> pairs = ExportItems(rows, WordsAndClues, ';');
    ASSERT_EQ(pairs.size(), 4);
    EXPECT_EQ(pairs[1].Text, QByteArray(31, ' ') + "; Clue without word");
    QList<QByteArray> texts;
    for (const ExportItem& item : pairs)
        texts.append(item.Text);
    QList<GridRow> back(200);
    Fill(back, texts, WordsAndClues, ';');
    const QList<GridRow> expected{{"LION", "King of beasts"}, {"", "Clue without word"}, {"CAF\xC9", ""}, {"RATIO", "a;b"}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(back[i].Word, expected[i].Word) << i;
        EXPECT_EQ(back[i].Clue, expected[i].Clue) << i;
    }

    EXPECT_EQ(SortedOrder({QStringLiteral("lion"), QStringLiteral("Cat"), QStringLiteral("éclair"), QStringLiteral("bear"),
                           QStringLiteral("cat")}),
              (QList<int>{3, 1, 4, 2, 0}));
}

TEST(InternationalKeys, SettingsNameCodesFrom192To255)
{
    EXPECT_EQ(InternationalKeys::CodeOf(QStringLiteral("0241")), 241);
    for (const char* bad : {"0300", "abc", "", "0191", "0256"})
        EXPECT_EQ(InternationalKeys::CodeOf(QString::fromLatin1(bad)), 192) << bad;
    EXPECT_EQ(InternationalKeys::SettingOf(192), QStringLiteral("0192"));
    EXPECT_EQ(InternationalKeys::CharacterOf(241), QChar(0xF1));
}
