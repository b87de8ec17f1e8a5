// The solar flare as a viewer sees it, captured on a short timeline: black at the start of the
// fade-in, a sun that grows from a dot, the title card over the lower third in its seconds and
// gone after them, and the picture whited out after the impact on MIDI track 7.
#include "support/CaptureRun.h"

#include <gtest/gtest.h>

namespace {

// The scene from 0.1 s, the next scene (which ends the sun's growth) at 20 s.
const char* const kTimeline = "s00 0:0:0,100\ns01 0:0:20,000\nquit 0:0:20,500\n";
constexpr int kImpactTick = 34 * 480; // 17 s at 120 beats a minute

// A captured frame's picture (1024 x 640 below the letterbox bar), grey levels, rows top first.
struct sPicture {
    std::vector<uint8_t> grey;
    int at(int x, int y) const { return grey[size_t(y) * 1024 + x]; }
    // Pixels brighter than `level` in the box [x0, x1) x [y0, y1).
    int bright(int level, int x0, int y0, int x1, int y1) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += at(x, y) > level;
        return n;
    }
    double mean() const {
        double sum = 0;
        for (uint8_t g : grey)
            sum += g;
        return sum / double(grey.size());
    }
};

// Grey levels with the weights of the picture library's own conversion.
sPicture load(const TempDir& dir, int ms) {
    const sCapturedFrame frame = captured_frame(dir, ms);
    sPicture picture;
    for (size_t i = 0; i < frame.rgb.size(); i += 3)
        picture.grey.push_back(uint8_t(0.212671 * frame.rgb[i] + 0.715160 * frame.rgb[i + 1] +
                                       0.072169 * frame.rgb[i + 2]));
    return picture;
}

} // namespace

TEST(SolarFlareCaptureTest, SunGrowsTitleShowsInItsSecondsAndTheImpactWhitesOut) {
    std::vector<cMidiTrack> tracks(8);
    tracks[0].name(0, "tempo").tempo(0, 500000).end();
    for (int i = 1; i < 7; ++i)
        tracks[size_t(i)].name(0, "rest").end();
    tracks[7].name(0, "impact").event(kImpactTick, {0x90, 40, 100}).event(240, {0x80, 40, 0}).end();
    TempDir dir;
    std::string errors;
    ASSERT_EQ(run_capture(dir, kTimeline, tracks, 21,
                          "--letterbox --fps 2 --at 500,3000,11500,16000,18000", &errors),
              0)
        << errors;
    const sPicture start = load(dir, 500), early = load(dir, 3000), titled = load(dir, 11500),
                   late = load(dir, 16000), impact = load(dir, 18000);
    for (const sPicture* p : {&start, &early, &titled, &late, &impact})
        ASSERT_EQ(p->grey.size(), size_t(1024 * 640));
    EXPECT_LT(start.mean(), 20) << "the picture fades in from black";
    // The sun in the upper middle, above the title's rows.
    const int dot = early.bright(90, 312, 150, 712, 350);
    EXPECT_GT(dot, 0) << "a small sun by 3 s";
    // The count takes in the glow and the flares' gas around the body (3.6 times at 11.5 s
    // with today's gas picture, 4.1 with the one before).
    EXPECT_GT(titled.bright(90, 312, 150, 712, 350), 3 * dot) << "grown by 11.5 s";
    // The title's first letters, left of the sun in the lower third.
    EXPECT_GT(titled.bright(170, 150, 480, 300, 535), 300) << "title card at 11.5 s";
    EXPECT_LT(early.bright(170, 150, 480, 300, 535), 30) << "no title before 8 s";
    EXPECT_LT(late.bright(170, 150, 480, 300, 535), 30) << "no title after 14.5 s";
    EXPECT_LT(late.mean(), 120);
    // The frame whitens round the sun; how dark the body stays depends on its flares.
    EXPECT_GT(impact.mean(), 170) << "white-out one second after the track-7 hit";
    EXPECT_GT(impact.mean(), late.mean() + 60);
}
