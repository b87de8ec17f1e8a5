// The sprutte scene through the capture tool on a short timeline of its own: the intro looks
// down the tube into a white fog wall that recedes, and once the 38th counted kick (the 53rd,
// after the one-time reset at 15) starts the main part, a camera path shows the dark cage.
#include "support/CaptureRun.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const fs::path kRoot = fs::path(DEMO_BINARY).parent_path().parent_path();

struct sShares {
    double fog = 0;  // the graded white of the fog
    double dark = 0; // the cage's shadowed bars
};

sShares shares(const sCapturedFrame& f) {
    return {
        f.share([](const uint8_t* p) { return p[0] > 235 && p[1] > 205; }),
        f.share([](const uint8_t* p) { return 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2] < 70; })};
}

} // namespace

TEST(SprutteCaptureTest, FogWallRecedesInTheIntroAndThePathsShowTheCage) {
    ASSERT_TRUE(fs::exists(kRoot / "data/models/sprutte/path09.pth")) << "made by bake_data";
    // Track 1 kicks every 125 ms from 125 ms: the 53rd, at 6.625 s, ends the intro.
    std::vector<cMidiTrack> tracks(2);
    tracks[0].name(0, "tempo").tempo(0, 500000).end();
    tracks[1].name(0, "kick");
    for (int k = 0; k < 64; ++k)
        tracks[1].event(k == 0 ? 120 : 60, {0x90, 36, 100}).event(60, {0x80, 36, 0});
    tracks[1].end();
    TempDir dir;
    std::string errors;
    ASSERT_EQ(run_capture(dir, "s01 0:0:0,000\nquit 0:0:9,000\n", tracks, 12,
                          "--letterbox --fps 10 --to 8000 --at 300,4000,7800", &errors),
              0)
        << errors;

    const sShares start = shares(captured_frame(dir, 300));
    const sShares later = shares(captured_frame(dir, 4000));
    const sShares main = shares(captured_frame(dir, 7800));
    EXPECT_GT(start.fog, 0.15) << "the fog wall fills the tube 2600 units ahead";
    EXPECT_LT(later.fog, start.fog * 0.7) << "four seconds later it stands 10000 units away";
    EXPECT_LT(start.dark, 0.002) << "looking away from the cage";
    EXPECT_GT(main.dark, 0.005) << "a path frames the cage's dark bars";
}
