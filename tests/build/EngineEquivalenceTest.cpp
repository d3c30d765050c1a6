// The indexed engine must give byte-identical results to the plain position-by-position scan.
#include "EngineTestSupport.h"
#include "ReferenceEngine.h"

#include <gtest/gtest.h>
#include <random>

using namespace EngineTest;

namespace {

/** Random word lists with spaces, separators, duplicates, lower case and Latin-1 letters. */
class TListMaker {
public:
    explicit TListMaker(std::uint32_t seed) : m_random(seed) {}

    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    QByteArray word(int maxLength)
    {
        // A small alphabet makes crossings frequent; the rest exercises folding and separators.
        static const char common[] = "AEIRSTaeirst";
        static const unsigned char rare[] = {'-', '/', '+', '*', '1', 0xE9, 0xC9, 0xF1, 0xD1, 0xF7, 0xFF, 0xE0, 0xFE};
        // Mostly short words, which cross often and keep later passes busy.
        const int length = uniform(0, 3) == 0 ? uniform(1, std::max(1, maxLength)) : uniform(2, std::min(7, std::max(2, maxLength)));
        QByteArray w;
        for (int k = 0; k < length; ++k) {
            const int pick = uniform(0, 99);
            if (pick < 80)
                w += common[uniform(0, int(sizeof common) - 2)];
            else if (pick < 92)
                w += char(rare[uniform(0, int(sizeof rare) - 1)]);
            else if (k > 0 && k < length - 1)
                w += ' ';
            else
                w += 'E';
        }
        return w;
    }

    TPuzzleRecord puzzle(const TShapeRecord& shape, int wordCount, int maxLength)
    {
        TPuzzleRecord p;
        p.GridWidth = shape.ShapeWidth;
        p.GridHeight = shape.ShapeHeight;
        p.WordCount = std::int16_t(wordCount);
        std::vector<QByteArray> made;
        for (int i = 0; i < Limits::WordSlots; ++i) {
            const auto s = std::size_t(i);
            if (i < wordCount) {
                const bool duplicate = !made.empty() && uniform(0, 9) == 0;
                made.push_back(duplicate ? made[std::size_t(uniform(0, int(made.size()) - 1))] : word(maxLength));
                p.Words[s].setText(made.back());
                p.Clues[s].setText("clue " + QByteArray::number(i));
            }
            // Old per-slot values must travel with their slot exactly as the rules say.
            p.StartCell[s] = std::int16_t(uniform(-5, 2600));
            p.LetterCount[s] = std::int16_t(uniform(0, 40));
            p.ClueNumber[s] = std::int16_t(uniform(0, 300));
            p.Direction[s] = std::uint8_t(uniform(0, 2));
            p.WordUsed[s] = std::uint8_t(uniform(0, 1));
        }
        for (auto& b : p.PageLayout)
            b = std::uint8_t(uniform(0, 255));
        p.BonusQuestion.setText("bonus");
        return p;
    }

    TShapeRecord shape()
    {
        const int kind = uniform(0, 7);
        int width = uniform(1, 30);
        int height = uniform(1, 30);
        if (kind == 0 || kind >= 6) {
            width = kind == 0 ? width : uniform(6, 18);  // square
            height = width;
        }
        else if (kind == 1)
            height = uniform(1, 3);  // narrow strip
        else if (kind == 2)
            width = uniform(1, 3);
        else if (kind == 3) {
            width = uniform(40, 50);  // up to the grid's edge
            height = uniform(40, 50);
        }
        TShapeRecord s = RectShape(width, height);
        const int holePercent = kind == 4 ? uniform(10, 60) : kind == 5 ? 0 : uniform(0, 15);
        for (int r = 1; r <= height; ++r)
            for (int c = 1; c <= width; ++c)
                if (uniform(0, 99) < holePercent)
                    GridModel::Cell(s.ShapeCells, GridModel::LinearCell(r, c)) = 0;
        if (kind == 5) {
            // An odd outline: a diamond.
            for (int r = 1; r <= height; ++r)
                for (int c = 1; c <= width; ++c)
                    if (std::abs(2 * r - height - 1) * width + std::abs(2 * c - width - 1) * height > width * height)
                        GridModel::Cell(s.ShapeCells, GridModel::LinearCell(r, c)) = 0;
        }
        // Stray shape cells outside the puzzle's width and height must stay unused.
        GridModel::Cell(s.ShapeCells, Limits::GridCells) = 7;
        return s;
    }

private:
    std::mt19937 m_random;
};

void ExpectSameResults(const TBuildResult& fast, const TBuildResult& reference, const std::string& what)
{
    EXPECT_EQ(fast.CandidateScores, reference.CandidateScores) << what;
    EXPECT_EQ(fast.CandidatePlacedFlags, reference.CandidatePlacedFlags) << what;
    EXPECT_EQ(fast.Aborted, reference.Aborted) << what;
    EXPECT_EQ(fast.LastAttempt, reference.LastAttempt) << what;
    for (std::size_t k = 0; k < fast.Candidates.size(); ++k)
        EXPECT_TRUE(fast.Candidates[k].toBytes() == reference.Candidates[k].toBytes()) << what << " slot " << k;
}

} // namespace

TEST(EngineEquivalence, IndexedEngineMatchesPlainScanOnRandomListsAndShapes)
{
    TListMaker maker(20240611);
    for (int round = 0; round < 300; ++round) {
        const TShapeRecord shape = maker.shape();
        const int side = std::max<int>(shape.ShapeWidth, shape.ShapeHeight);
        const bool big = shape.ShapeWidth >= 40;
        const int wordCount = big || round % 4 == 0 ? maker.uniform(60, 200) : maker.uniform(1, 60);
        const TPuzzleRecord puzzle = maker.puzzle(shape, wordCount, std::min(30, side + 2));
        TBuildOptions options;
        options.Shrink = (round & 1) != 0;
        options.QuickBuild = (round & 2) != 0;
        options.Attempts = big ? 2 : maker.uniform(1, 6);
        const auto seed = std::uint32_t(maker.uniform(0, 1 << 30)) * 4u + std::uint32_t(round);

        auto fast = std::make_unique<TBuildResult>();
        auto reference = std::make_unique<TBuildResult>();
        // Slots that stay empty keep what an earlier run left there.
        fast->Candidates[3].Title.setText("left over");
        reference->Candidates[3].Title.setText("left over");
        TRecordingProgress fastProgress;
        TRecordingProgress referenceProgress;
        BuildPuzzles(puzzle, shape, options, seed, &fastProgress, *fast);
        BuildPuzzlesReference(puzzle, shape, options, seed, &referenceProgress, *reference);

        const std::string what = "round " + std::to_string(round) + " seed " + std::to_string(seed);
        ExpectSameResults(*fast, *reference, what);
        EXPECT_EQ(fastProgress.Calls, referenceProgress.Calls) << what;
        if (HasFailure())
            break;
    }
}

TEST(EngineEquivalence, DamagedRecordsAreHeldToTheGrid)
{
    // Counts and sides beyond their ranges, and blank words, run without touching memory outside.
    TListMaker maker(99);
    for (int round = 0; round < 12; ++round) {
        TShapeRecord shape = RectShape(12, 9);
        TPuzzleRecord puzzle = maker.puzzle(shape, 40, 12);
        puzzle.Words[5].setText("");
        puzzle.Words[6].setText("   ");
        puzzle.WordCount = std::int16_t(round % 3 == 0 ? 500 : round % 3 == 1 ? -4 : 40);
        puzzle.GridWidth = std::int16_t(round % 4 == 0 ? 300 : round % 4 == 1 ? -7 : 12);
        puzzle.GridHeight = std::int16_t(round % 2 == 0 ? 90 : 9);
        TBuildOptions options{3, (round & 1) != 0, (round & 2) != 0};
        auto fast = std::make_unique<TBuildResult>();
        auto reference = std::make_unique<TBuildResult>();
        BuildPuzzles(puzzle, shape, options, std::uint32_t(round), nullptr, *fast);
        BuildPuzzlesReference(puzzle, shape, options, std::uint32_t(round), nullptr, *reference);
        ExpectSameResults(*fast, *reference, "round " + std::to_string(round));
        for (int k = 0; k < Limits::CandidateSlots; ++k)
            if (fast->CandidateScores[std::size_t(k)] > 0) {
                EXPECT_LE(fast->Candidates[std::size_t(k)].GridWidth, Limits::GridSide);
                EXPECT_GE(fast->Candidates[std::size_t(k)].GridWidth, 1);
            }
    }
}
