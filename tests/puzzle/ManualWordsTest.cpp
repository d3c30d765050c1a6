#include "store/GridModel.h"
#include "puzzle/ManualWords.h"

#include <gtest/gtest.h>

using GridModel::LinearCell;
using ManualWords::WordStart;

namespace {

/** A grid of the given rows: letters as they are, '#' an empty square, '.' outside the shape. */
TPuzzleRecord Grid(const std::vector<std::string>& rows)
{
    TPuzzleRecord p;
    p.Grid.fill(0);
    p.GridHeight = std::int16_t(rows.size());
    p.GridWidth = std::int16_t(rows.front().size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const char ch = rows[r][c];
            p.Grid[std::size_t(LinearCell(int(r) + 1, int(c) + 1) - 1)] = std::uint8_t(ch == '#' ? ' ' : ch == '.' ? 0 : ch);
        }
    }
    return p;
}

void Place(TPuzzleRecord& p, int slot, const char* word, int start, bool across, int number = 0)
{
    const auto i = std::size_t(slot - 1);
    p.Words[i].setText(word);
    p.Clues[i].setText(QByteArray("clue of ") + word);
    p.StartCell[i] = std::int16_t(start);
    p.LetterCount[i] = std::int16_t(qstrlen(word));
    p.ClueNumber[i] = std::int16_t(number);
    p.Direction[i] = across ? WordDirection::Across : WordDirection::Down;
    p.WordUsed[i] = 1;
}

TEST(ManualWordsTest, ProtectsTheCellsBeforeAndAfterEveryWordInsideTheGrid)
{
    TPuzzleRecord p = Grid({"#CAT#", "##X##", "##E##", "#####"});
    Place(p, 1, "CAT", LinearCell(1, 2), true);
    Place(p, 2, "AXE", LinearCell(1, 3), false);
    Place(p, 3, "TO", LinearCell(1, 4), false); // length 2 in a grid of 4 rows
    Place(p, 4, "EDGE", LinearCell(4, 2), true); // ends in the last column
    Place(p, 5, "ZZ", 0, true);                  // damaged start: skipped
    p.WordCount = 5;
    p.AcrossCount = 2;
    EXPECT_EQ(ManualWords::ProtectedCells(p),
              (std::vector<int>{LinearCell(1, 1), LinearCell(1, 5), LinearCell(4, 3), LinearCell(3, 4), LinearCell(4, 1)}));

    // A down word in column 50 of a 50 x 50 grid protects only the cell below it.
    TPuzzleRecord wide;
    wide.GridWidth = 50;
    wide.GridHeight = 50;
    Place(wide, 1, "ABC", 50, false);
    wide.WordCount = 1;
    EXPECT_EQ(ManualWords::ProtectedCells(wide), std::vector<int>{200});
}

TEST(ManualWordsTest, FindsWordStartsInScanOrderAndTellsNewFromOld)
{
    // CAT across from (1,1); C and T start down words, A has an empty square below; WEN starts across.
    TPuzzleRecord p = Grid({"CAT#", "O#O#", "WEN.", "#####"});
    p.GridWidth = 4;
    const std::vector<WordStart> all = ManualWords::FindWordStarts(p);
    EXPECT_EQ(all, (std::vector<WordStart>{{LinearCell(1, 1), true}, {LinearCell(1, 1), false}, {LinearCell(1, 3), false},
                                           {LinearCell(3, 1), true}}));

    Place(p, 1, "CAT", LinearCell(1, 1), true);
    Place(p, 2, "WEN", LinearCell(3, 1), true);
    Place(p, 3, "COW", LinearCell(1, 1), false);
    p.WordCount = 3;
    p.AcrossCount = 2;
    p.DownCount = 1;
    EXPECT_TRUE(ManualWords::IsExistingStart(p, {LinearCell(1, 1), true}));
    EXPECT_TRUE(ManualWords::IsExistingStart(p, {LinearCell(1, 1), false}));
    // A down word that starts where only an across word starts is new.
    EXPECT_FALSE(ManualWords::IsExistingStart(p, {LinearCell(3, 1), false}));
    EXPECT_EQ(ManualWords::NewWordStarts(p), (std::vector<WordStart>{{LinearCell(1, 3), false}}));
    EXPECT_EQ(ManualWords::ReadWord(p, {LinearCell(1, 3), false}), QByteArray("TON"));
    EXPECT_EQ(ManualWords::ReadWord(p, {LinearCell(3, 1), true}), QByteArray("WEN"));
    EXPECT_EQ(ManualWords::ReadWord(p, {LinearCell(1, 1), true}), QByteArray("CAT"));
}

TEST(ManualWordsTest, CaseChoicesAndTypedLetters)
{
    const struct {
        const char* word;
        int letterCase;
        const char* expected;
    } cases[] = {{"COW", 1, "COW"}, {"cow", 1, "COW"}, {"COW", 2, "cow"}, {"COW", 3, "Cow"},
                 {"COW", 0, "Cow"}, {"\xC9T\xC9", 2, "\xC9t\xC9"}, {"", 3, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(ManualWords::ApplyCase(c.word, c.letterCase), QByteArray(c.expected)) << c.word << " " << c.letterCase;

    EXPECT_EQ(ManualWords::LetterFromText(QLatin1Char('q')), 'Q');
    EXPECT_EQ(ManualWords::LetterFromText(QLatin1Char('Z')), 'Z');
    for (const char16_t refused : {u'5', u'\u00e9', u'\u00c9', u' ', u'@', u'['})
        EXPECT_EQ(ManualWords::LetterFromText(QChar(refused)), 0) << int(refused);
}

TEST(ManualWordsTest, AddedWordsKeepTheWordsThatDidNotFitAndStopAtTwoHundredSlots)
{
    TPuzzleRecord p = Grid({"CAT", "O##", "###"});
    Place(p, 1, "CAT", 1, true, 1);
    p.WordCount = 1;
    p.AcrossCount = 1;
    Place(p, 2, "DOG", 0, true);
    p.WordUsed[1] = 0;
    EXPECT_EQ(ManualWords::SlotsInUse(p), 2);

    ASSERT_TRUE(ManualWords::AddWord(p, {1, false}, "Co", 2, "  A firm  "));
    EXPECT_EQ(p.WordCount, 2);
    EXPECT_EQ(p.Words[1].text(), QByteArray("Co"));
    EXPECT_EQ(p.Clues[1].text(), QByteArray("A firm"));
    EXPECT_EQ(p.StartCell[1], 1);
    EXPECT_EQ(p.LetterCount[1], 2);
    EXPECT_EQ(p.Direction[1], WordDirection::Down);
    EXPECT_EQ(p.WordUsed[1], 1);
    EXPECT_EQ(p.Words[2].text(), QByteArray("DOG"));
    EXPECT_EQ(p.WordUsed[2], 0);

    // Words in no grid never block a placed word: the last of them falls off the end instead.
    for (int slot = 4; slot <= 199; ++slot)
        Place(p, slot, "SPARE", 0, true);
    Place(p, 200, "LAST", 0, true);
    EXPECT_EQ(ManualWords::SlotsInUse(p), 200);
    EXPECT_EQ(ManualWords::LeftOversDropped(p, 0), 0);
    EXPECT_EQ(ManualWords::LeftOversDropped(p, 1), 1);
    EXPECT_EQ(ManualWords::LeftOversDropped(p, 3), 3);
    ASSERT_TRUE(ManualWords::AddWord(p, {3, false}, "TX", 2, "room made"));
    EXPECT_EQ(p.WordCount, 3);
    EXPECT_EQ(p.Words[2].text(), QByteArray("TX"));
    EXPECT_EQ(p.Words[3].text(), QByteArray("DOG"));
    EXPECT_EQ(p.Words[199].text(), QByteArray("SPARE"));

    // Only a grid that already holds 200 placed words refuses.
    p.WordCount = 200;
    const TPuzzleRecord full = p;
    EXPECT_FALSE(ManualWords::AddWord(p, {3, false}, "TX", 2, "no room"));
    EXPECT_EQ(p, full);
}

TEST(ManualWordsTest, RenumberingOrdersByStartCellSharesNumbersAndMovesWholeSlots)
{
    TPuzzleRecord p;
    Place(p, 1, "TEN", 53, true);
    Place(p, 2, "CAT", 1, true);
    Place(p, 3, "TOE", 3, false);
    Place(p, 4, "CUT", 1, false);
    Place(p, 5, "NO", 55, false);
    p.WordUsed[4] = 0;
    p.WordCount = 5;
    ManualWords::Renumber(p);

    EXPECT_EQ(p.AcrossCount, 2);
    EXPECT_EQ(p.DownCount, 3);
    const struct {
        const char* word;
        int number;
        std::uint8_t used;
    } expected[] = {{"CAT", 1, 1}, {"TEN", 3, 1}, {"CUT", 1, 1}, {"TOE", 2, 1}, {"NO", 4, 0}};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(p.Words[i].text(), QByteArray(expected[i].word)) << i;
        EXPECT_EQ(p.Clues[i].text(), QByteArray("clue of ") + expected[i].word) << i;
        EXPECT_EQ(p.ClueNumber[i], expected[i].number) << i;
        EXPECT_EQ(p.LetterCount[i], qstrlen(expected[i].word)) << i;
        EXPECT_EQ(p.WordUsed[i], expected[i].used) << i;
    }
}

} // namespace
