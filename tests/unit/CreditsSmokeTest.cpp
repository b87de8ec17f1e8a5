// The credits sun's smoke: it rises from the ring for the first 13 seconds only, is gone
// about 16 seconds in, and never stays inside the sun's sphere however large the sun grows.
#include "scenes/creditssun/cCreditsSmoke.h"
#include "toolkit/cRandomTable.h"

#include <gtest/gtest.h>

TEST(CreditsSmoke, RisesForThirteenSecondsAndKeepsOutOfTheSun) {
    random_table().fill();
    cCreditsSmoke smoke;
    smoke.load();
    smoke.init();
    const float dt = 1.0f / 60;
    size_t most = 0;
    float highest = 0;
    for (int frame = 0; frame <= 17 * 60; ++frame) {
        const int32_t ms = frame * 1000 / 60;
        const size_t before = smoke.system().alive_count();
        smoke.step(ms, dt, 5.0f * std::min(1.0f, float(ms) / 12000.0f));
        const size_t after = smoke.system().alive_count();
        most = std::max(most, after);
        if (ms >= cCreditsSmoke::kEmitMs) {
            EXPECT_LE(after, before) << "no new smoke at " << ms << " ms";
        }
        if (ms >= 16100) {
            EXPECT_EQ(after, 0u) << "smoke left at " << ms << " ms";
        }
        smoke.system().for_each_alive([&](size_t i) {
            const Vec3f& p = smoke.system().positions[i];
            highest = std::max(highest, p.y);
            EXPECT_GE((p - smoke.sphere().sphpos).length(), smoke.sphere().sphrad - 1e-3f)
                << "inside the sun at " << ms << " ms";
        });
    }
    EXPECT_GT(most, 5000u) << "a thick smoke at its height";
    EXPECT_GT(highest, 200.0f) << "the smoke rises above the ring";
}
