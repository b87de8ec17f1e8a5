// The demo's millisecond clock: start, this frame and the previous frame, in
// whole milliseconds of the performance counter, truncated toward zero.
// Demo time is now - start; the last frame lasted now - prev (may be 0).
#pragma once

#include <cstdint>

struct cDemoTime {
    int32_t start_ms = 0;
    int32_t now_ms = 0;
    int32_t prev_ms = 0;
    uint64_t frequency = 1000; // counter counts per second, read at start
    uint64_t now_counter = 0;  // the counter reading now_ms was taken from

    int32_t demo_time() const { return now_ms - start_ms; }
    int32_t frame_ms() const { return now_ms - prev_ms; }

    // Reads the counter's frequency and puts start, now and prev at now.
    void start();
    // prev = now; now = the clock's current value (its reading kept in now_counter).
    void advance();
    // The clock's current value, leaving the block as it is.
    int32_t read_ms() const;
    // The counter converted to milliseconds in double precision, truncated.
    static int32_t clock_ms(uint64_t counter, uint64_t frequency);
};
