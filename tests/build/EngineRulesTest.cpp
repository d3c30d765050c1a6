// The placement rules, numbering, trimming, ranking and progress of construction runs.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>
#include <set>

using namespace EngineTest;
using GridModel::LinearCell;

namespace {

TBuildOptions Options(int attempts, bool shrink = false, bool quick = false)
{
    TBuildOptions options;
    options.Attempts = attempts;
    options.Shrink = shrink;
    options.QuickBuild = quick;
    return options;
}

/** Index of the word in a candidate's slots, or -1. */
int SlotOf(const TPuzzleRecord& c, const QByteArray& word)
{
    for (int i = 0; i < Limits::WordSlots; ++i)
        if (c.Words[std::size_t(i)].text() == word)
            return i;
    return -1;
}

// A shape whose only run of five is row 1, with columns hanging from it and two short rows:
//   #####..
//   #.#.###
//   ###.#..
const std::vector<std::string> LadderRows = {"#####..", "#.#.###", "###.#.."};

} // namespace

TEST(EngineRules, SameSeedGivesTheSameCandidatesAndOtherSeedsVary)
{
    const TShapeRecord shape = RectShape(13, 13);
    const TPuzzleRecord puzzle = PuzzleOf({"ORANGE", "APPLE", "PEAR", "GRAPE", "LEMON", "MANGO", "PLUM", "KIWI",
                                           "MELON", "CHERRY", "BANANA", "LIME", "PEACH", "OLIVE", "DATE"},
                                          shape);
    const auto first = Build(puzzle, shape, Options(20), 4242);
    const auto again = Build(puzzle, shape, Options(20), 4242);
    EXPECT_EQ(first->CandidateScores, again->CandidateScores);
    EXPECT_EQ(first->CandidatePlacedFlags, again->CandidatePlacedFlags);
    for (std::size_t k = 0; k < first->Candidates.size(); ++k)
        EXPECT_EQ(first->Candidates[k], again->Candidates[k]);

    std::set<std::vector<std::string>> grids;
    for (std::uint32_t seed = 1; seed <= 8; ++seed)
        grids.insert(GridRows(Build(puzzle, shape, Options(1), seed)->Candidates[0]));
    EXPECT_GT(grids.size(), 1u);
}

TEST(EngineRules, LongestWordGoesFirstWhereverItFitsWithoutCrossing)
{
    // A lone word in an open square: across it starts in column 1 of a random row, down in row 1
    // of a random column (the scan starts after a randomly drawn row or column).
    const TShapeRecord shape = RectShape(10, 10);
    std::set<int> acrossRows;
    std::set<int> downColumns;
    for (std::uint32_t seed = 0; seed < 40; ++seed) {
        const auto result = Build(PuzzleOf({"WORD"}, shape), shape, Options(1), seed);
        const TPuzzleRecord& c = result->Candidates[0];
        ASSERT_EQ(result->CandidateScores[0], 1);
        const int p = c.StartCell[0];
        if (c.Direction[0] == WordDirection::Across) {
            EXPECT_EQ(GridModel::ColumnOf(p), 1);
            acrossRows.insert(GridModel::RowOf(p));
        } else {
            EXPECT_EQ(GridModel::RowOf(p), 1);
            downColumns.insert(GridModel::ColumnOf(p));
        }
    }
    EXPECT_GT(acrossRows.size(), 2u);
    EXPECT_GT(downColumns.size(), 2u);

    // Listed last, the longest word still goes first: in the ladder it can only lie in row 1.
    const TShapeRecord ladder = DrawnShape(LadderRows);
    const auto result = Build(PuzzleOf({"AFG", "ABCDE"}, ladder), ladder, Options(1), 77);
    const TPuzzleRecord& c = result->Candidates[0];
    EXPECT_EQ(c.Words[0].text(), "ABCDE");
    EXPECT_EQ(c.StartCell[0], 1);
    EXPECT_EQ(c.Direction[0], WordDirection::Across);
}

TEST(EngineRules, AWordThatFitsNowherePlacesNothing)
{
    // The longest run is 3; the five-letter word goes first and fails, and every later word
    // then needs a crossing that cannot exist.
    const TShapeRecord shape = DrawnShape({"###.###", "#.#.#.#", "###.###"});
    auto result = std::make_unique<TBuildResult>();
    result->CandidateScores = {9, 9, 9, 9};
    BuildPuzzles(PuzzleOf({"CAT", "HORSE", "TAC"}, shape), shape, Options(5), 3, nullptr, *result);
    EXPECT_EQ(result->CandidateScores, (std::array<std::int32_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(result->LastAttempt, 5);
}

TEST(EngineRules, LaterWordsNeedACrossing)
{
    const TShapeRecord shape = RectShape(12, 12);
    for (std::uint32_t seed = 0; seed < 10; ++seed) {
        const auto apart = Build(PuzzleOf({"AAAA", "BBB"}, shape), shape, Options(1), seed);
        EXPECT_EQ(apart->CandidateScores[0], 1);
        EXPECT_EQ(apart->Candidates[0].Words[1].text(), "BBB");
        EXPECT_EQ(apart->CandidatePlacedFlags[0][1], 0);

        // ABA can hang from either end of AAAA, so it fits wherever AAAA went.
        const auto crossing = Build(PuzzleOf({"AAAA", "ABA"}, shape), shape, Options(1), seed);
        ASSERT_EQ(crossing->CandidateScores[0], 2);
        const TPuzzleRecord& c = crossing->Candidates[0];
        EXPECT_NE(c.Direction[0], c.Direction[1]);
        ExpectObeysRules(c, crossing->CandidatePlacedFlags[0], &shape);
    }
}

TEST(EngineRules, TwoCrossingsAreTakenBeforeAnEarlierPositionWithOne)
{
    // ABCDE fills row 1; AFG, CHI and EGK hang down from A, C and E. GXI could lie in row 2
    // from the G of EGK (one crossing, earlier in reading order) or in row 3 over the G of AFG
    // and the I of CHI (two crossings): it must take row 3.
    const TShapeRecord shape = DrawnShape(LadderRows);
    const TPuzzleRecord puzzle = PuzzleOf({"ABCDE", "AFG", "CHI", "EGK", "GXI"}, shape);
    for (std::uint32_t seed = 0; seed < 12; ++seed) {
        const auto result = Build(puzzle, shape, Options(1), seed);
        ASSERT_EQ(result->CandidateScores[0], 5);
        const TPuzzleRecord& c = result->Candidates[0];
        EXPECT_EQ(GridRows(c), (std::vector<std::string>{"ABCDE..", "F.H.G##", "GXI.K.."}));
        // Across words then down words, each in number order; A starts two words that share 1.
        const std::vector<QByteArray> order = {"ABCDE", "GXI", "AFG", "CHI", "EGK"};
        const std::vector<int> numbers = {1, 4, 1, 2, 3};
        for (std::size_t i = 0; i < order.size(); ++i) {
            EXPECT_EQ(c.Words[i].text(), order[i]);
            EXPECT_EQ(c.Clues[i].text(), "clue " + order[i]);
            EXPECT_EQ(c.ClueNumber[i], numbers[i]);
        }
        EXPECT_EQ(c.AcrossCount, 2);
        EXPECT_EQ(c.DownCount, 3);
        EXPECT_EQ(c.StartCell[1], LinearCell(3, 1));
        ExpectObeysRules(c, result->CandidatePlacedFlags[0], &shape);
    }
}

TEST(EngineRules, StoredLengthCountsSpacesButCellsDoNot)
{
    // "ABCD EFGH" sorts as 9 characters, ahead of the 8-letter word listed before it, and fills
    // 8 cells. The identical letters of the second word may not lie on the same cells: the word
    // crosses the first one instead, where their letters agree.
    const TShapeRecord shape = RectShape(8, 8);
    for (std::uint32_t seed = 0; seed < 6; ++seed) {
        const auto result = Build(PuzzleOf({"abcdefgh", "ABCD EFGH"}, shape), shape, Options(1), seed);
        ASSERT_EQ(result->CandidateScores[0], 2);
        const TPuzzleRecord& c = result->Candidates[0];
        EXPECT_EQ(c.Words[0].text(), "ABCD EFGH");
        EXPECT_EQ(c.Words[1].text(), "abcdefgh");
        EXPECT_EQ(c.LetterCount[0], 8);
        EXPECT_EQ(c.LetterCount[1], 8);
        EXPECT_NE(c.Direction[0], c.Direction[1]);
        ExpectObeysRules(c, result->CandidatePlacedFlags[0], &shape);
    }
}

TEST(EngineRules, AWordNeverLiesInsideOrOnOneRunningTheSameWay)
{
    // Words inside words: a word may share a square only as a crossing, so every placed word stays a
    // whole run of the grid (ExpectObeysRules), whatever the seed. In one line a duplicate stays unplaced.
    const TShapeRecord square = RectShape(13, 13);
    const TPuzzleRecord nested = PuzzleOf({"CART", "ART", "STONE", "TONE", "ONE", "K\xD6LN", "\xF6l", "STONES", "TONE",
                                           "CARTS", "ARTS", "NOTE", "TEN", "SET", "CAT", "TAR", "LOCK", "ONES"}, square);
    const TShapeRecord line = RectShape(4, 1);
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        const auto result = Build(nested, square, Options(1), seed);
        ExpectObeysRules(result->Candidates[0], result->CandidatePlacedFlags[0], &square);
        EXPECT_EQ(Build(PuzzleOf({"TONE", "TONE"}, line), line, Options(1), seed)->CandidateScores[0], 1) << seed;
    }
}

TEST(EngineRules, RandomListsGiveGridsThatObeyTheRules)
{
    const TShapeRecord square = RectShape(15, 15);
    const TShapeRecord holed = DrawnShape({"##########", "##.####.##", "##########", "###.##.###", "##########",
                                           "#.######.#", "##########", "####..####", "##########", "##########"});
    const std::vector<QByteArray> words = {"stone", "tree", "river", "ocean", "island", "desert", "forest", "meadow",
                                           "valley", "canyon", "glacier", "lagoon", "tundra", "marsh", "delta",
                                           "summit", "ridge", "prairie", "steppe", "fjord", "oasis", "reef", "dune",
                                           "crater", "geyser", "volcano", "lake", "pond", "bay", "cape", "ice-cap",
                                           "salt pan", "caf\xE9", "ni\xF1o"};
    for (const TShapeRecord* shape : {&square, &holed})
        for (std::uint32_t seed = 10; seed < 16; ++seed) {
            const auto result = Build(PuzzleOf(words, *shape), *shape, Options(6), seed);
            for (int k = 0; k < Limits::CandidateSlots; ++k) {
                ASSERT_GT(result->CandidateScores[std::size_t(k)], 5);
                const TPuzzleRecord& c = result->Candidates[std::size_t(k)];
                EXPECT_EQ(c.WordCount, result->CandidateScores[std::size_t(k)]);
                EXPECT_EQ(c.GridWidth, shape->ShapeWidth);
                EXPECT_EQ(c.GridHeight, shape->ShapeHeight);
                ExpectObeysRules(c, result->CandidatePlacedFlags[std::size_t(k)], shape);
                // The unplaced words follow the placed ones, still with their clues.
                int listed = 0;
                for (int i = 0; i < Limits::WordSlots; ++i)
                    if (!c.Words[std::size_t(i)].isEmpty()) {
                        ++listed;
                        EXPECT_EQ(c.Clues[std::size_t(i)].text(), "clue " + c.Words[std::size_t(i)].text());
                    }
                EXPECT_EQ(listed, int(words.size()));
            }
            // Best first.
            EXPECT_TRUE(std::is_sorted(result->CandidateScores.rbegin(), result->CandidateScores.rend()));
        }
}

TEST(EngineRules, ShrinkTrimsTrailingLinesAndLeadingLinesAcrossTheFirstWord)
{
    // Rows 1-2 and columns 1-2 are outside the shape. A lone across word keeps the empty leading
    // columns (only rows go); a lone down word keeps the empty leading rows (only columns go).
    std::vector<std::string> rows(10, "..########");
    rows[0] = rows[1] = "..........";
    const TShapeRecord shape = DrawnShape(rows);
    bool sawAcross = false;
    bool sawDown = false;
    for (std::uint32_t seed = 0; seed < 30; ++seed) {
        const auto result = Build(PuzzleOf({"abc"}, shape), shape, Options(1, true), seed);
        const TPuzzleRecord& c = result->Candidates[0];
        ASSERT_EQ(result->CandidateScores[0], 1);
        if (c.Direction[0] == WordDirection::Across) {
            sawAcross = true;
            EXPECT_EQ(GridRows(c), (std::vector<std::string>{"..ABC"}));
            EXPECT_EQ(c.StartCell[0], 3);
        } else {
            sawDown = true;
            EXPECT_EQ(GridRows(c), (std::vector<std::string>{".", ".", "A", "B", "C"}));
            EXPECT_EQ(c.StartCell[0], LinearCell(3, 1));
        }
    }
    EXPECT_TRUE(sawAcross);
    EXPECT_TRUE(sawDown);

    // Without Shrink the grid keeps the shape's size.
    const auto kept = Build(PuzzleOf({"abc"}, shape), shape, Options(1, false), 1);
    EXPECT_EQ(kept->Candidates[0].GridWidth, 10);
    EXPECT_EQ(kept->Candidates[0].GridHeight, 10);
}

TEST(EngineRules, QuickBuildRunsAtMostTwoPasses)
{
    // CDD can only cross BCC, which can only cross ABB, which crosses the first word. Listed in
    // this order, BCC cannot be placed before the second pass and CDD not before the third.
    const TShapeRecord shape = RectShape(15, 15);
    const TPuzzleRecord puzzle = PuzzleOf({"AAAAAA", "CDD", "BCC", "ABB"}, shape);
    int thirdPassFills = 0;
    for (std::uint32_t seed = 0; seed < 12; ++seed) {
        const auto full = Build(puzzle, shape, Options(1, false, false), seed);
        const auto quick = Build(puzzle, shape, Options(1, false, true), seed);
        const TPuzzleRecord& c = quick->Candidates[0];
        EXPECT_EQ(quick->CandidatePlacedFlags[0][std::size_t(SlotOf(c, "CDD"))], 0) << "seed " << seed;
        if (full->CandidateScores[0] == 4) {
            ++thirdPassFills;
            EXPECT_EQ(quick->CandidateScores[0], 3) << "seed " << seed;
        }
    }
    EXPECT_GT(thirdPassFills, 5);
}

TEST(EngineRules, FourCompleteFillsEndTheRunEarly)
{
    const TShapeRecord shape = RectShape(10, 10);
    TRecordingProgress progress;
    const auto result = Build(PuzzleOf({"FISH", "SHIP"}, shape), shape, Options(999), 21, &progress);
    EXPECT_EQ(result->CandidateScores, (std::array<std::int32_t, 4>{2, 2, 2, 2}));
    EXPECT_EQ(progress.AbortPolls, 4);
    EXPECT_EQ(result->LastAttempt, 999);
    EXPECT_FALSE(result->Aborted);
    EXPECT_EQ(progress.StatusLine, QStringLiteral("Creation Attempt #999"));
    EXPECT_EQ(progress.SecondLine, QStringLiteral("Completed"));
    EXPECT_EQ(progress.Beeps, 1);
    EXPECT_TRUE(progress.Calls.contains(QStringLiteral("status:Creation Attempt #4")));
    EXPECT_FALSE(progress.Calls.contains(QStringLiteral("status:Creation Attempt #5")));
}

TEST(EngineRules, TiesNeverDisplaceEarlierAttempts)
{
    // AAAA and BBB never cross, so every attempt scores 1. The first four attempts keep their
    // slots in the order found; later equal attempts are dropped.
    const TShapeRecord shape = RectShape(12, 12);
    const TPuzzleRecord puzzle = PuzzleOf({"AAAA", "BBB"}, shape);
    const auto four = Build(puzzle, shape, Options(4), 99);
    const auto twenty = Build(puzzle, shape, Options(20), 99);
    EXPECT_EQ(twenty->CandidateScores, (std::array<std::int32_t, 4>{1, 1, 1, 1}));
    std::set<std::vector<std::string>> distinct;
    for (int k = 0; k < 4; ++k) {
        const auto s = std::size_t(k);
        EXPECT_EQ(twenty->Candidates[s], four->Candidates[s]) << "slot " << k;
        // Attempt k + 1 of a longer run is the last attempt of a run of k + 1 attempts.
        const auto upTo = Build(puzzle, shape, Options(k + 1), 99);
        EXPECT_EQ(upTo->Candidates[s], four->Candidates[s]) << "slot " << k;
        distinct.insert(GridRows(four->Candidates[s]));
    }
    EXPECT_GT(distinct.size(), 1u);  // the attempts differ, so a displacement would show
}

TEST(EngineRules, BetterAttemptsPushWorseOnesDown)
{
    // Scores found in attempt order go into the slots best first; a better score moves the
    // others down one place and the fourth drops out.
    const TShapeRecord shape = RectShape(9, 9);
    const TPuzzleRecord puzzle = PuzzleOf({"TRAINS", "RAIN", "STAIR", "SIT", "ANT", "NEST", "TEN", "NET", "ART"}, shape);
    int insertions = 0;
    for (int attempts = 2; attempts <= 12; ++attempts) {
        const auto before = Build(puzzle, shape, Options(attempts - 1), 5);
        const auto after = Build(puzzle, shape, Options(attempts), 5);
        // The new attempt either went nowhere, or into the first slot whose score it beats.
        int inserted = -1;
        for (int k = 0; k < 4 && inserted < 0; ++k)
            if (after->CandidateScores[std::size_t(k)] != before->CandidateScores[std::size_t(k)]
                || !(after->Candidates[std::size_t(k)] == before->Candidates[std::size_t(k)]))
                inserted = k;
        if (inserted < 0)
            continue;
        ++insertions;
        const int score = after->CandidateScores[std::size_t(inserted)];
        EXPECT_GT(score, before->CandidateScores[std::size_t(inserted)]);
        for (int k = 0; k < inserted; ++k)
            EXPECT_GE(before->CandidateScores[std::size_t(k)], score);
        for (int k = inserted + 1; k < 4; ++k)
            EXPECT_EQ(after->Candidates[std::size_t(k)], before->Candidates[std::size_t(k - 1)]);
    }
    EXPECT_GT(insertions, 3);
}

TEST(EngineRules, ProgressIsToldAboutEachAttemptOnlyWithSeveralAttempts)
{
    const TShapeRecord shape = RectShape(10, 10);
    const TPuzzleRecord puzzle = PuzzleOf({"AAAA", "BBB"}, shape);
    TRecordingProgress single;
    Build(puzzle, shape, Options(1), 1, &single);
    EXPECT_TRUE(single.Calls.isEmpty());

    TRecordingProgress two;
    Build(puzzle, shape, Options(2), 1, &two);
    const QStringList expected = {
        QStringLiteral("status:Creation Attempt #1"), QStringLiteral("events"), QStringLiteral("events"),
        QStringLiteral("poll"), QStringLiteral("events"),
        QStringLiteral("status:Creation Attempt #2"), QStringLiteral("events"), QStringLiteral("events"),
        QStringLiteral("poll"), QStringLiteral("events"),
        QStringLiteral("status:Creation Attempt #2"), QStringLiteral("second:Completed"), QStringLiteral("beep")};
    EXPECT_EQ(two.Calls, expected);
}

TEST(EngineRules, AbortKeepsTheCandidatesFoundSoFar)
{
    const TShapeRecord shape = RectShape(9, 9);
    const TPuzzleRecord puzzle = PuzzleOf({"TRAINS", "RAIN", "STAIR", "SIT", "ANT", "NEST", "TEN", "XYZ"}, shape);
    TRecordingProgress progress;
    progress.AbortAtPoll = 3;
    const auto aborted = Build(puzzle, shape, Options(500), 8, &progress);
    EXPECT_TRUE(aborted->Aborted);
    EXPECT_EQ(aborted->LastAttempt, 3);
    EXPECT_EQ(progress.StatusLine, QStringLiteral("Aborted on creation Attempt #3"));
    EXPECT_TRUE(progress.SecondLine.isEmpty());
    EXPECT_EQ(progress.Beeps, 0);

    const auto three = Build(puzzle, shape, Options(3), 8);
    EXPECT_EQ(aborted->CandidateScores, three->CandidateScores);
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(aborted->Candidates[k], three->Candidates[k]);
}

TEST(EngineRules, EmptySlotsKeepTheirOldRecordsAndThePuzzleIsUntouched)
{
    const TShapeRecord shape = RectShape(10, 10);
    TPuzzleRecord puzzle = PuzzleOf({"AAAA", "BBB"}, shape);
    puzzle.PageLayout[100] = 0x5A;
    puzzle.Reserved[3] = 0x11;
    const TPuzzleRecord before = puzzle;
    auto result = std::make_unique<TBuildResult>();
    result->Candidates[2].Title.setText("earlier run");
    result->CandidateScores = {7, 7, 7, 7};
    BuildPuzzles(puzzle, shape, Options(1), 3, nullptr, *result);
    EXPECT_EQ(puzzle, before);
    EXPECT_EQ(result->CandidateScores, (std::array<std::int32_t, 4>{1, 0, 0, 0}));
    // Storing into slot 1 moved the old records down one slot, empty or not.
    EXPECT_EQ(result->Candidates[3].Title.text(), "earlier run");
    // Everything the engine does not build is copied from the puzzle.
    EXPECT_EQ(result->Candidates[0].PageLayout, puzzle.PageLayout);
    EXPECT_EQ(result->Candidates[0].Reserved, puzzle.Reserved);
    EXPECT_EQ(result->Candidates[0].Title.text(), "Test");
}
