// The capture statistics: the frames whose post effects are timed (and so wait on the
// renderer) give the post share and stay out of the frame times.
#include "cFrameStats.h"

#include <gtest/gtest.h>
#include <sstream>

TEST(FrameStatsTest, TimedFramesGiveTheShareAndStayOutOfTheTimes) {
    cFrameStats stats;
    // Two scenes interleaved: each times its own fourth, eighth, ... frame.
    std::string timed;
    for (int i = 0; i < 8; ++i)
        for (const char* scene : {"s00 a", "s01 b"}) {
            const bool post_timed = stats.times_post(scene);
            timed += post_timed ? '1' : '0';
            // Timed frames are slow and half post; the others take 10 ms.
            stats.record(scene, post_timed ? 40.0 : 10.0, post_timed ? 20.0 : 0.0, 3, post_timed);
        }
    EXPECT_EQ(timed, "0000001100000011");
    stats.record("s02 short", 12.0, 0, 1, stats.times_post("s02 short"));
    std::ostringstream out;
    stats.write(out);
    std::istringstream in(out.str());
    std::string line;
    std::getline(in, line); // the heading
    for (const char* scene : {"s00 a", "s01 b"}) {
        std::getline(in, line);
        EXPECT_EQ(line, std::string(scene) +
                            "                          8      10.00      10.00      10.00     "
                            "50.00          3");
    }
    std::getline(in, line);
    EXPECT_EQ(line, "s02 short                      1      12.00      12.00      12.00      "
                    "0.00          1");
}
