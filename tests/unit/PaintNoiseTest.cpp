#include "cCanvas.h"
#include "cPaintNoise.h"

#include <gtest/gtest.h>

#include <algorithm>

// The tiling noise repeats after its period in both directions, in every octave.
TEST(PaintNoise, TiledFbmRepeatsAfterItsPeriod) {
    for (float y = 0.1f; y < 4; y += 0.73f)
        for (float x = 0.2f; x < 4; x += 0.61f) {
            const float v = cPaintNoise::tiled_fbm(x, y, 4, 5, 9);
            EXPECT_NEAR(v, cPaintNoise::tiled_fbm(x + 4, y, 4, 5, 9), 1e-4f);
            EXPECT_NEAR(v, cPaintNoise::tiled_fbm(x, y - 4, 4, 5, 9), 1e-4f);
        }
}

// Value octaves stay in 0..1 and use most of it; gradient octaves stay near -1..1.
TEST(PaintNoise, OctavesKeepTheirRange) {
    float low = 1, high = 0, low3 = 0, high3 = 0;
    for (int i = 0; i < 4000; ++i) {
        const float x = i * 0.137f, y = i * 0.071f;
        const float v = cPaintNoise::fbm(x, y, 5, 3);
        low = std::min(low, v), high = std::max(high, v);
        const float g = cPaintNoise::fbm(Vec3f(x, y, 0.5f * x), 5, 3);
        low3 = std::min(low3, g), high3 = std::max(high3, g);
    }
    EXPECT_GE(low, 0.0f);
    EXPECT_LE(high, 1.0f);
    EXPECT_GT(high - low, 0.5f);
    EXPECT_GT(low3, -1.3f);
    EXPECT_LT(high3, 1.3f);
    EXPECT_GT(high3 - low3, 0.8f);
}

// Seeds change the pattern; the same seed gives the same value.
TEST(PaintNoise, SeedsGiveRepeatableDifferentPatterns) {
    EXPECT_EQ(cPaintNoise::fbm(1.3f, 2.7f, 4, 5), cPaintNoise::fbm(1.3f, 2.7f, 4, 5));
    EXPECT_NE(cPaintNoise::fbm(1.3f, 2.7f, 4, 5), cPaintNoise::fbm(1.3f, 2.7f, 4, 6));
    EXPECT_NE(cPaintNoise::hash(1, 2, 3, 4), cPaintNoise::hash(1, 2, 4, 4));
}

// Bytes come bottom row first; colour dither stays within its amount, and clear stays clear.
TEST(Canvas, BytesBottomFirstAndDitherKeepsClearClear) {
    cCanvas canvas(8, 2);
    for (int x = 0; x < 8; ++x)
        canvas.at(x, 1) = {1, 0, 0};
    const std::vector<uint8_t> rgba = canvas.bytes(4, 3 / 255.0f, 7);
    ASSERT_EQ(rgba.size(), 8u * 2 * 4);
    for (int x = 0; x < 8; ++x) {
        EXPECT_GE(rgba[size_t(x) * 4], 253) << x; // the bottom row first: red
        EXPECT_LE(rgba[size_t(8 + x) * 4], 2) << x;
        EXPECT_EQ(rgba[size_t(x) * 4 + 3], 0) << x;
        EXPECT_EQ(rgba[size_t(8 + x) * 4 + 3], 0) << x;
    }
}
