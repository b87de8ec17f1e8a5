// The capture tool's reading of times and its frame grid: the forms a time
// may take, the lists of them, and which frame is on screen at a given time.
#include "cCaptureOptions.h"
#include "cFrameGrid.h"

#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>

TEST(CaptureTimeTest, ReadsMillisecondsAndClockTimes) {
    const struct {
        const char* text;
        int32_t ms;
    } cases[] = {{"0", 0},          {"65084", 65084},       {"0:1:05,084", 65084},
                 {"0:1:05", 65000}, {"1:00:00,5", 3600500}, {"0:4:31,600", 271600},
                 {"0:0:0,07", 70}};
    for (const auto& c : cases)
        EXPECT_EQ(cCaptureOptions::parse_time(c.text), c.ms) << c.text;
    for (const char* bad : {"", "-5", "1.5", "0:1", "0:0:1,1234", "12ms", "9999999999"})
        EXPECT_THROW(cCaptureOptions::parse_time(bad), std::runtime_error) << bad;
}

TEST(CaptureTimeTest, ListsMayMixBothFormsAndComeOutSorted) {
    EXPECT_EQ(cCaptureOptions::parse_times("0:0:2,250,1000,500,0:0:3"),
              (std::vector<int32_t>{500, 1000, 2250, 3000}));
    EXPECT_THROW(cCaptureOptions::parse_times("500,,1000"), std::runtime_error);
}

TEST(CaptureTimeTest, RejectsOptionsThatCannotWork) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--at"},
        {"--bogus"},
        {"--stats", "s.txt", "--fps", "0"},
        {"--sheet", "s.png", "--every", "0"},
        {"--video", "v.mp4", "--from", "2000", "--to", "1000"}};
    for (const auto& args : bad)
        EXPECT_THROW(cCaptureOptions::parse(args), std::runtime_error) << args.size();
    const sCaptureOptions o = cCaptureOptions::parse({"--wide", "--at", "1,2", "--fps", "30"});
    EXPECT_TRUE(o.wide);
    EXPECT_EQ(o.fps, 30);
}

TEST(CaptureTimeTest, FramesStartAtRoundedMultiplesOfTheStep) {
    const cFrameGrid sixty(60), twenty_four(24);
    EXPECT_EQ(sixty.time_of(0), 0);
    EXPECT_EQ(sixty.time_of(1), 17);
    EXPECT_EQ(sixty.time_of(2), 33);
    EXPECT_EQ(sixty.time_of(60), 1000);
    EXPECT_EQ(sixty.time_of(-12), -200);
    EXPECT_EQ(sixty.time_of(16296), 271600); // no drift over the whole demo
    EXPECT_EQ(twenty_four.time_of(3), 125);
    for (int32_t ms : {-200, -1, 0, 16, 17, 18, 999, 1000, 271599}) {
        const int64_t n = sixty.frame_at(ms);
        EXPECT_LE(sixty.time_of(n), ms);
        EXPECT_GT(sixty.time_of(n + 1), ms);
        EXPECT_EQ(sixty.first_from(ms), sixty.time_of(n) == ms ? n : n + 1);
    }
}
