#include "render/post/LevelsCurve.h"

#include <gtest/gtest.h>

// Folded curves against the two applied one after the other, over the whole input range, for
// pairs whose bends fall inside, before and past each other, a flat first curve and a step.
TEST(LevelsCurveTest, AFoldedPairGivesWhatItsCurvesGiveInTurn) {
    const cLevelsParams cut{200, 255, 1, 0, 255};
    const cLevelsParams firsts[] = {
        {0, 255, 1, 0, 255},  {0, 180, 1, 13, 240},      {30, 90, 1, 210, 250}, {0, 255, 1, 0, 150},
        {40, 200, 1, 60, 60}, {100, 100.01f, 1, 0, 255}, {50, 150, 1, 100, 250}};
    const cLevelsParams thens[] = {cut, {20, 90, 1, 10, 200}, {0, 255, 1, 0, 255}};
    for (const cLevelsParams& first : firsts)
        for (const cLevelsParams& then : thens) {
            cLevelsParams both;
            ASSERT_TRUE(follow_levels(first, then, both));
            for (float x = 0; x <= 255; x += 0.25f)
                EXPECT_NEAR(levels_value(both, x), levels_value(then, levels_value(first, x)),
                            0.01f)
                    << "first " << first.inBlack << ".." << first.inWhite << " then "
                    << then.inBlack << " at " << x;
        }
    cLevelsParams untouched{1, 2, 3, 4, 5};
    EXPECT_FALSE(follow_levels({0, 255, 1.2f, 0, 255}, cut, untouched)) << "a bent first curve";
    EXPECT_FALSE(follow_levels({0, 255, 1, 255, 0}, cut, untouched)) << "a falling one";
    EXPECT_EQ(untouched.Gamma, 3);
}
