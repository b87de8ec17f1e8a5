#include "base/FormatTime.h"

#include <gtest/gtest.h>

TEST(FormatTime, WritesHoursTotalMinutesSecondsAndMilliseconds) {
    const struct {
        int32_t ms;
        const char* text;
    } cases[] = {
        {0, "00:00:00,000"},
        {75004, "00:01:15,004"}, // seconds reduced modulo 60
        {59999, "00:00:59,999"},
        {3725000, "01:62:05,000"},   // minutes are the total, not modulo 60
        {36000000, "10:600:00,000"}, // no leading zero from 10 on
        {-150, "-00:00:00,150"},     // the frames just after the music starts
    };
    for (const auto& c : cases)
        EXPECT_EQ(format_time(c.ms), c.text) << c.ms;
}
