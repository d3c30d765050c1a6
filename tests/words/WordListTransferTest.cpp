#include "words/InternationalKeys.h"
#include "words/WordListTransfer.h"

#include <gtest/gtest.h>

using namespace WordListTransfer;

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

TEST(WordListTransfer, ExportItemsAreTrimmedAndPairsPaddedAndMarked)
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

    // Pairs round trip through the import: the separator inside a clue stays in the clue.
    const QList<ExportItem> pairs = ExportItems(rows, WordsAndClues, ';');
    ASSERT_EQ(pairs.size(), 4);
    EXPECT_EQ(pairs[1].Text, QByteArray(31, ' ') + "; Clue without word");
    QList<GridRow> back(200);
    Fill(back, {pairs[3].Text}, WordsAndClues, ';');
    EXPECT_EQ(back[0].Word, QByteArray("RATIO"));
    EXPECT_EQ(back[0].Clue, QByteArray("a;b"));

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
