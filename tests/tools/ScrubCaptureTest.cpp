// The growing scrub as a viewer sees it, captured from a short timeline of its own: the
// opening picture until the first kick, the tube in yellow fog, a blue flash on each kick,
// the logo bars after the 32nd, and each of the seven greetings as dark lettering.
#include "support/CaptureRun.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Quarter notes of 500 ms at 480 ticks: a tick is 1.0417 ms.
constexpr int kTicksPerMs10 = 96; // ticks per 100 ms
constexpr int32_t kFirstKick = 1500, kKickStep = 250, kFirstCrash = 9400, kCrashStep = 400;
// A greeting is looked at just after its crash, before it shatters.
constexpr int32_t kLook = 60;
// After the 31st kick, before the first crash: the tube alone.
constexpr int32_t kBaseline = 9300;

struct sRgbStats {
    double r = 0, g = 0, b = 0, dark = 0; // means over the area; dark: share below 40
};

class ScrubCaptureTest : public ::testing::Test {
protected:
    static void capture() {
        dir_ = new TempDir;
        std::string times;
        for (int32_t t : frame_times())
            times += (times.empty() ? "" : ",") + std::to_string(t);
        exit_code_ = run_capture(*dir_, "s04 0:0:0,000\nquit 0:0:12,500\n", tracks(), 13,
                                 "--fps 20 --at " + times, &errors_);
    }
    static void TearDownTestSuite() { delete dir_; }

    // Kicks on track 1 every 250 ms from 1.5 s, crashes on track 10 every 400 ms from 9.4 s,
    // accents on track 17 just after each crash.
    static std::vector<cMidiTrack> tracks() {
        std::vector<cMidiTrack> t(18);
        t[0].name(0, "tempo").tempo(0, 500000).end();
        add_notes(t[1], 36, kFirstKick, kKickStep, 40);
        add_notes(t[10], 49, kFirstCrash, kCrashStep, 7);
        add_notes(t[17], 84, kFirstCrash + 50, kCrashStep, 7);
        for (int i = 1; i < 18; ++i)
            if (i != 1 && i != 10 && i != 17)
                t[i].end();
        return t;
    }
    static void add_notes(cMidiTrack& track, uint8_t key, int32_t first, int32_t step, int n) {
        track.name(0, "part");
        uint32_t at = 0;
        for (int i = 0; i < n; ++i) {
            const auto on = static_cast<uint32_t>((first + i * step) * kTicksPerMs10 / 100);
            track.event(on - at, {0x90, key, 100}).event(24, {0x80, key, 0});
            at = on + 24;
        }
        track.end();
    }
    static std::vector<int32_t> frame_times() {
        std::vector<int32_t> times{1000, 4060, 4240, kBaseline};
        for (int i = 0; i < 7; ++i)
            times.push_back(kFirstCrash + i * kCrashStep + kLook);
        return times;
    }

    // Mean colour over rows y0..y1 (from the picture's top, in 0..1) of a captured frame.
    static sRgbStats stats(int32_t ms, float y0, float y1) {
        const sCapturedFrame f = captured_frame(*dir_, ms);
        sRgbStats s;
        if (f.rgb.empty())
            return s;
        double n = 0;
        for (int y = int(y0 * 640); y < int(y1 * 640); ++y)
            for (int x = 0; x < f.width; ++x) {
                const uint8_t* c = f.at(x, y);
                s.r += c[0], s.g += c[1], s.b += c[2], n += 1;
                s.dark += (c[0] + c[1] + c[2]) < 120 ? 1 : 0;
            }
        s.r /= n, s.g /= n, s.b /= n, s.dark /= n;
        return s;
    }

    static TempDir* dir_;
    static int exit_code_;
    static std::string errors_;
};

TempDir* ScrubCaptureTest::dir_ = nullptr;
int ScrubCaptureTest::exit_code_ = -1;
std::string ScrubCaptureTest::errors_;

} // namespace

// One capture serves every check: the tool's run is the slow part.
TEST_F(ScrubCaptureTest, OpeningTubeFlashLogoBarsAndTheSevenGreetings) {
    capture();
    ASSERT_EQ(exit_code_, 0) << errors_;
    const sRgbStats opening = stats(1000, 0.0f, 1.0f);
    EXPECT_GT(opening.r, opening.g + 40) << "the orange sunset, not the yellow fog";
    const sRgbStats flash = stats(4060, 0.3f, 0.7f), after = stats(4240, 0.3f, 0.7f);
    EXPECT_GT(after.r, 150);
    EXPECT_GT(after.g, 120) << "yellow fog: red and green";
    EXPECT_LT(after.b, after.g - 40);
    EXPECT_GT(flash.b, after.b + 40) << "the kick at 4 s flashes the fog toward white";

    const double open_top = stats(4240, 0.0f, 0.08f).r;
    const double tube_only = stats(kBaseline, 0.4f, 0.6f).dark;
    std::vector<double> middles;
    for (int i = 0; i < 7; ++i) {
        const int32_t t = kFirstCrash + i * kCrashStep + kLook;
        // The bars slide in over 0.425 s from the 32nd kick at 9.25 s.
        const double top = stats(t, 0.0f, 0.08f).r;
        if (i > 0) {
            EXPECT_LT(top, 60) << "the top bar is in place at " << t;
            EXPECT_GT(open_top, top + 30) << "no bar before the 32nd kick";
        }
        const sRgbStats middle = stats(t, 0.4f, 0.6f);
        std::printf("greeting %d: dark %.3f (tube alone %.3f), top %.1f (open %.1f)\n", i,
                    middle.dark, tube_only, top, open_top);
        EXPECT_GT(middle.dark, tube_only + 0.08) << "greeting " << i << ": dark solid lettering";
        middles.push_back(middle.dark);
    }
    for (size_t i = 1; i < middles.size(); ++i)
        EXPECT_NE(middles[i], middles[i - 1]) << "greetings " << i - 1 << " and " << i;
}
