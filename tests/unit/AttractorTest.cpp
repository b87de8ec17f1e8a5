// The attractor intro's logic without a window: the orbit's first points, the table sine
// and cosine against the C library's, the noise table's seed, the beat schedule over both
// sections of the tune, and the presets written only when the number changes.
#include "platform/RuntimeRandom.h"
#include "scenes/attractor/cAttractorBeats.h"
#include "scenes/attractor/cAttractorCalculator_pickover.h"
#include "scenes/attractor/cAttractorPresets.h"
#include "scenes/attractor/cAttractorStream.h"

#include <cmath>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

TEST(AttractorTest, OrbitFromTheOriginAndItsSeededNoise) {
    cAttractorCalculator_pickover calc;
    calc.noise_scale = 0;
    std::vector<float> points(9, 99.0f);
    calc.generate(points.data(), 1, {2.75f, 0.8f, 1.1f, 1.3f}); // somewhere off the origin
    calc.generate_from_origin(points.data(), 3, {1, 1, 1, 1});
    const float expected[9] = {0, -1, 0, -0.8415f, -0.5403f, 0, -0.5144f, -0.8576f, -0.7456f};
    for (int i = 0; i < 9; ++i)
        EXPECT_NEAR(points[size_t(i)], expected[i], 5e-5) << "coordinate " << i;
    EXPECT_EQ(calc.noise_index, 12);

    mrl_srand(1337);
    const double first = mrl_rand() / 32767.0 - 0.5, second = mrl_rand() / 32767.0 - 0.5;
    EXPECT_EQ(calc.noise_table()[0], first);
    EXPECT_EQ(calc.noise_table()[1], second);
    cAttractorCalculator_pickover other;
    EXPECT_EQ(other.noise_table(), calc.noise_table()) << "every calculator holds one table";
    // The jitter wraps at the table's end one read at a time and the index stays inside it.
    calc.noise_index = cAttractorCalculator_pickover::kNoiseSize - 1;
    calc.noise_scale = 1;
    calc.generate(points.data(), 1, {1, 1, 1, 1});
    EXPECT_EQ(calc.noise_index, 2);
}

TEST(AttractorTest, TableSineAndCosineFollowTheLibraryOverWideAndNegativeAngles) {
    const cSinCosTable& table = cSinCosTable::get();
    double scratch = 0, worst = 0;
    for (double theta = -2000.0; theta <= 2000.0; theta += 0.01237) {
        double s = 0, c = 0;
        table.sin_cos(theta, scratch, s, c);
        worst = std::max({worst, std::fabs(s - std::sin(theta)), std::fabs(c - std::cos(theta))});
    }
    for (double theta : {0.0, 1e-7, -1e-7, 3.14159265358979, -1.5707963267949, 1e5, -1e5}) {
        double s = 0, c = 0;
        table.sin_cos(theta, scratch, s, c);
        worst = std::max({worst, std::fabs(s - std::sin(theta)), std::fabs(c - std::cos(theta))});
    }
    EXPECT_LT(worst, 1e-5);
}

TEST(AttractorTest, BeatsSwitchPresetsFasterAsTheTuneBuilds) {
    cAttractorBeats beats;
    cAttractorBeatState state;
    std::vector<int> switched;
    for (int beat = 1; beat <= 64; ++beat) {
        if (beats.handle(cAttractorBeats::kBeatEvent, beat * 500, state))
            switched.push_back(beat);
        const int flash = beat <= 40 ? 2000 : beat < 48 ? 1500 : beat < 56 ? 1300 : 600;
        EXPECT_EQ(state.flash_ms, flash) << "beat " << beat;
        EXPECT_EQ(state.cloud0_alpha, beat >= 56 ? 0.1f : 1.0f) << "beat " << beat;
    }
    const std::vector<int> expected = {16, 32, 48, 52, 56, 57, 58, 59, 60, 61, 62, 63, 64};
    EXPECT_EQ(switched, expected);
    EXPECT_EQ(state.preset, (1 + 13) % 9);
    EXPECT_EQ(state.last_switch_ms, 64 * 500);

    // Any other event lifts the dimmed cloud again and never switches.
    EXPECT_FALSE(beats.handle(30, 40000, state));
    EXPECT_EQ(state.cloud0_alpha, 1.0f);
    EXPECT_EQ(beats.event_count, 64);
    EXPECT_EQ(state.last_switch_ms, 64 * 500);
}

TEST(AttractorTest, PresetsAreWrittenOnlyWhenTheNumberChangesAndDriftWraps) {
    cAttractorLook look;
    int applied = -1;
    EXPECT_TRUE(cAttractorPresets::apply_if_changed(1, applied, look));
    EXPECT_EQ(applied, 1);
    EXPECT_FLOAT_EQ(look.params.a, -0.887019f);
    EXPECT_FLOAT_EQ(look.dist, 4.4f);
    look.dist = 3.0f; // a tweak
    EXPECT_FALSE(cAttractorPresets::apply_if_changed(1, applied, look));
    EXPECT_EQ(look.dist, 3.0f);
    EXPECT_FALSE(cAttractorPresets::apply_if_changed(9, applied, look));
    EXPECT_TRUE(cAttractorPresets::apply_if_changed(8, applied, look));
    EXPECT_FLOAT_EQ(look.randscale, 0.6f);

    cAttractorPresets::apply(1, look);
    cAttractorPresets::drift(1, 1.0f, look);
    EXPECT_NEAR(look.params.a, -1.187019f, 1e-5);
    cAttractorPresets::drift(1, 7.0f, look); // past -3.03846
    EXPECT_FLOAT_EQ(look.params.a, -0.887019f);
}

// A ring of five batches: they land at their ring offsets, the sixth starts over at 0 from
// the origin, only what was written is given to draw, and a batch too large is refused.
TEST(AttractorTest, AStreamsRingRestartsFromTheOriginOnTheSixthBatch) {
    EXPECT_THROW(cAttractorStream(1000, 5000), std::invalid_argument);
    cAttractorStream stream(250000, 50000);
    stream.calculator().noise_scale = 0;
    std::vector<int> offsets;
    for (int update = 0; update < 5; ++update) {
        offsets.push_back(stream.write_offset());
        stream.update({1, 1, 1, 1});
        EXPECT_EQ(stream.points().count, 50000 * (update + 1));
    }
    stream.flush();
    EXPECT_EQ(offsets, (std::vector<int>{0, 50000, 100000, 150000, 200000}));
    const float* ring = stream.points().xyz;
    const std::vector<float> tail(ring + 3 * 249999, ring + 3 * 250000);

    stream.update({2, 1, 1, 1});
    stream.flush();
    EXPECT_EQ(stream.write_offset(), 50000);
    EXPECT_EQ(stream.points().count, 250000);
    const std::vector<float> head = {0, -1, 0, -0.9093f, -0.5403f, 0};
    for (size_t i = 0; i < head.size(); ++i)
        EXPECT_NEAR(ring[i], head[i], 5e-5) << i;
    EXPECT_EQ(std::vector<float>(ring + 3 * 249999, ring + 3 * 250000), tail)
        << "the ring's end is kept";
}
