#include "words/WordListText.h"

#include <gtest/gtest.h>

TEST(WordListText, ItemsAreTrimmedCutAndBlankLinesDropped)
{
    const QByteArray file = "  LION : King \r\n   \r\n" + QByteArray(300, 'A') + "\nTIGER";
    const auto items = WordListText::ReadItems(file);
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0], QByteArray("LION : King"));
    EXPECT_EQ(items[1].size(), 255);
    EXPECT_EQ(items[2], QByteArray("TIGER"));
}

TEST(WordListText, PairsSplitAtTheFirstSeparatorAndRoundTrip)
{
    const auto pair = WordListText::SplitPair("RATIO: a:b", ':');
    EXPECT_EQ(pair.word, QByteArray("RATIO"));
    EXPECT_EQ(pair.clue, QByteArray("a:b"));
    const auto wordOnly = WordListText::SplitPair("  LONE WORD ", ':');
    EXPECT_EQ(wordOnly.word, QByteArray("LONE WORD"));
    EXPECT_TRUE(wordOnly.clue.isEmpty());

    const QByteArray line = WordListText::FormatPair("LION", "King of beasts", ';');
    EXPECT_EQ(line, QByteArray("LION") + QByteArray(27, ' ') + "; King of beasts");
    const auto back = WordListText::SplitPair(line, ';');
    EXPECT_EQ(back.word, QByteArray("LION"));
    EXPECT_EQ(back.clue, QByteArray("King of beasts"));
    EXPECT_EQ(WordListText::FormatPair({}, "Clue", ':'), QByteArray(31, ' ') + ": Clue");
}
