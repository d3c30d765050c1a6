// A fixed word list, a 15 x 15 square and a fixed seed give one known grid.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

using namespace EngineTest;

TEST(EngineGolden, AstronomyListInA15x15Square)
{
    const TShapeRecord shape = RectShape(15, 15);
    const TPuzzleRecord puzzle = PuzzleOf({"planet", "comet", "orbit", "galaxy", "nebula", "meteor", "quasar",
                                           "pulsar", "eclipse", "gravity", "rocket", "saturn", "venus", "mars", "lunar",
                                           "solar", "star", "moon", "cosmos", "zenith"},
                                          shape);
    TBuildOptions options;
    options.Attempts = 25;
    const auto result = Build(puzzle, shape, options, 19970415);

    EXPECT_EQ(result->CandidateScores, (std::array<std::int32_t, 4>{20, 18, 18, 18}));
    const TPuzzleRecord& best = result->Candidates[0];
    const std::vector<std::string> expected = {
        "ECLIPSE#Q######",
        "####L##PULSAR##",
        "#GALAXY#A######",
        "#R##N###S#MARS#",
        "#A#NEBULA####A#",
        "#V##T###ROCKET#",
        "#I#####M##O##U#",
        "STAR##VENUS##R#",
        "#Y#####T##MOON#",
        "####COMET#O####",
        "#####R#O##SOLAR",
        "#####B#R####U##",
        "#####I######N##",
        "#ZENITH#####A##",
        "############R##",
    };
    EXPECT_EQ(GridRows(best), expected);

    // Across words in number order, then down words; GALAXY and GRAVITY share number 5.
    const std::vector<std::pair<QByteArray, int>> words = {
        {"eclipse", 1}, {"pulsar", 4}, {"galaxy", 5}, {"mars", 6}, {"nebula", 8}, {"rocket", 9}, {"star", 12},
        {"venus", 13}, {"moon", 14}, {"comet", 15}, {"solar", 17}, {"zenith", 19}, {"planet", 2}, {"quasar", 3},
        {"gravity", 5}, {"saturn", 7}, {"cosmos", 10}, {"meteor", 11}, {"orbit", 16}, {"lunar", 18}};
    ASSERT_EQ(best.WordCount, 20);
    EXPECT_EQ(best.AcrossCount, 12);
    EXPECT_EQ(best.DownCount, 8);
    for (std::size_t i = 0; i < words.size(); ++i) {
        EXPECT_EQ(best.Words[i].text(), words[i].first) << i;
        EXPECT_EQ(best.Clues[i].text(), "clue " + words[i].first) << i;
        EXPECT_EQ(best.ClueNumber[i], words[i].second) << i;
    }
    for (int k = 0; k < Limits::CandidateSlots; ++k)
        ExpectObeysRules(result->Candidates[std::size_t(k)], result->CandidatePlacedFlags[std::size_t(k)], &shape);
}
