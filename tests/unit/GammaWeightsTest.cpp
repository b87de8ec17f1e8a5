#include "shaders/GammaWeights.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The sum as the levels programs evaluate it, in single precision.
float bent(const float w[kGammaWeights], float x) {
    const float root = std::sqrt(x);
    return (w[0] + w[1] * std::sqrt(root)) * root + (w[2] + w[3] * root + w[4] * x) * x;
}

} // namespace

// Across the gammas the sum stands for, it stays within a fraction of an 8-bit step of the pow
// at every input, keeps black black and white white; outside them the pow is left to draw.
TEST(GammaWeightsTest, TheSumFollowsThePowWhereverItIsUsed) {
    for (float gamma = 0.5f; gamma <= 2.0f; gamma += 0.01f) {
        float w[kGammaWeights];
        ASSERT_TRUE(gamma_weights(gamma, w)) << gamma;
        float worst = 0;
        for (int i = 0; i <= 1024; ++i) {
            const float x = float(i) / 1024;
            worst = std::max(worst, std::abs(bent(w, x) - std::pow(x, 1 / gamma)));
        }
        EXPECT_LE(worst * 255, 0.15f) << "gamma " << gamma;
        EXPECT_NEAR(bent(w, 1), 1, 1e-6f) << gamma;
        EXPECT_EQ(bent(w, 0), 0) << gamma;
    }
    float untouched[kGammaWeights] = {1, 2, 3, 4, 5};
    for (float gamma : {0.0f, 0.45f, 2.05f, 4.0f}) {
        EXPECT_FALSE(gamma_fits(gamma)) << gamma;
        EXPECT_FALSE(gamma_weights(gamma, untouched)) << gamma;
    }
    EXPECT_EQ(untouched[2], 3);
}
