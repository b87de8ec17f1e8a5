// The demo clock on the music heard: the position the sound system's reports give, across a
// seek, a pause and the end, and the demo time pulled onto it without running backwards.
#include "base/ClockLock.h"
#include "platform/cHeardPosition.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A frame a millisecond, and a counter of milliseconds: positions read as plain numbers.
constexpr int kRate = 1000;
constexpr uint64_t kFrequency = 1000;

double heard_at(const cHeardPosition& heard, uint64_t counter) {
    double ms = NAN;
    return heard.music_ms(counter, kFrequency, &ms) ? ms : NAN;
}

} // namespace

TEST(HeardPosition, FollowsTheReportsAcrossASeekAPauseAndTheEnd) {
    cHeardPosition heard(kRate);
    heard.handed(0, 300, true);
    EXPECT_TRUE(std::isnan(heard_at(heard, 1000))) << "nothing known before a report";
    EXPECT_EQ(heard.delay_ms(), -1);

    heard.delayed(200, 1000); // 300 handed, 200 still to come: frame 100 heard at 1000
    EXPECT_DOUBLE_EQ(heard_at(heard, 1000), 100);
    EXPECT_DOUBLE_EQ(heard_at(heard, 1050), 150) << "between reports the music runs on";
    EXPECT_EQ(heard.delay_ms(), 200);

    // A seek to 5 s: what is still queued before the new music puts it that far in the future.
    heard.expect_new_music();
    heard.delayed(200, 1040); // the output's report for a chunk from before the seek
    EXPECT_TRUE(std::isnan(heard_at(heard, 1050))) << "no report counts until the new music";
    heard.new_music_starts(); // the device dropped what it held
    heard.handed(5000, 100, true);
    heard.delayed(150, 1100); // 400 handed: frame 250 heard, 50 before the new music
    EXPECT_DOUBLE_EQ(heard_at(heard, 1100), 4950);
    EXPECT_DOUBLE_EQ(heard_at(heard, 1200), 5050);

    // Paused: silence held at 5100, heard from handed frame 400 on.
    heard.handed(5100, 50, false);
    heard.delayed(20, 1300); // frame 430 heard: in the silence
    EXPECT_TRUE(std::isnan(heard_at(heard, 1300)));
    EXPECT_DOUBLE_EQ(heard_at(heard, 1260), 5090) << "the music before the pause";

    // Resumed where it stood: a new run from handed frame 450.
    heard.handed(5100, 100, true);
    heard.delayed(100, 1400); // 550 handed, frame 450 heard
    EXPECT_DOUBLE_EQ(heard_at(heard, 1400), 5100);
    EXPECT_DOUBLE_EQ(heard_at(heard, 1430), 5130);
}

// The music stalls for 33 ms (an underrun) or jumps ahead; frames of 16 ms and of 370 ms (the
// heaviest scene on a software renderer) must both lock again within a second.
TEST(ClockLock, LocksOntoTheMusicWithinASecondAndNeverRunsBackwards) {
    for (int32_t frame : {16, 370}) {
        for (double lag : {33.0, -60.0, -900.0}) {
            int32_t demo = 0;
            double music = -lag; // the music behind the picture by `lag`
            int32_t elapsed = 0;
            for (; elapsed < 3000; elapsed += frame) {
                const int32_t before = demo;
                demo += frame;
                music += frame;
                demo += clock_lock::correction(demo, music, frame);
                ASSERT_GE(demo, before) << "ran backwards at " << elapsed;
                if (elapsed >= 1000) {
                    EXPECT_LE(std::fabs(demo - music), 1.0)
                        << "frame " << frame << " ms, lag " << lag << " ms, after " << elapsed;
                }
            }
        }
    }
    EXPECT_EQ(clock_lock::correction(1000, 990, 0), 0) << "a frame of length 0 stands still";
    EXPECT_EQ(clock_lock::correction(1000, 1600, 16), 600) << "a large lead is jumped to";
}
