// The engine's random number generator and its seed.
#include "build/Generator.h"

#include <gtest/gtest.h>

TEST(Generator, FirstDrawsFollowTheStateUpdate)
{
    // Seed 1: s1 = 1 x 134775813 + 1 = 134775814, and 134775814 x 100 / 2^32 = 3.14 -> 3.
    // s2 = 134775814 x 134775813 + 1 mod 2^32 = 3698175007, above 2^31, so a draw below 2 is 1.
    // s3 = 870078620: x 15 / 2^32 = 3.04 -> 3.  s4 = 1172187917: x 1000 / 2^32 = 272.9 -> 272.
    TRandomGenerator random(1);
    EXPECT_EQ(random.below(100), 3);
    EXPECT_EQ(random.state(), 134775814u);
    EXPECT_EQ(random.below(2), 1);
    EXPECT_EQ(random.state(), 3698175007u);
    EXPECT_EQ(random.below(15), 3);
    EXPECT_EQ(random.state(), 870078620u);
    EXPECT_EQ(random.below(1000), 272);
    EXPECT_EQ(random.state(), 1172187917u);
}

TEST(Generator, StateWrapsAndDrawsStayBelowTheLimit)
{
    // Seed 0 gives state 1 first; a draw below 0 or 1 is 0 but still advances the state.
    TRandomGenerator random(0);
    EXPECT_EQ(random.below(0), 0);
    EXPECT_EQ(random.state(), 1u);
    EXPECT_EQ(random.below(1), 0);
    EXPECT_EQ(random.state(), 134775814u);

    TRandomGenerator wrapping(0xFFFFFFFFu);
    wrapping.below(7);
    EXPECT_EQ(wrapping.state(), 0xFFFFFFFFu * TRandomGenerator::Multiplier + 1u);
    for (int i = 0; i < 1000; ++i) {
        const int draw = wrapping.below(50);
        ASSERT_GE(draw, 0);
        ASSERT_LT(draw, 50);
    }
}

TEST(Generator, TimeOfDaySeedIsWithinOneDayOfMilliseconds)
{
    EXPECT_LT(TimeOfDaySeed(), 24u * 60 * 60 * 1000);
}
