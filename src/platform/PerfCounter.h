// The performance counter and sleep: the one seam every clock reading passes
// through. By default it is the system's monotonic clock in nanoseconds; a
// tool can install its own source to drive the demo with a virtual clock.
#pragma once

#include <cstdint>

class iClockSource {
public:
    virtual ~iClockSource() = default;
    virtual uint64_t counter() = 0;
    virtual uint64_t frequency() = 0; // counts per second
    virtual void sleep_ms(uint32_t ms) = 0;
};

// Installs `source` (not owned); nullptr restores the system clock.
void set_clock_source(iClockSource* source);

uint64_t perf_counter();
uint64_t perf_frequency();
void perf_sleep_ms(uint32_t ms);
// A counter reading as seconds of the system's CLOCK_MONOTONIC, which other programs can read
// too (a recorder timing what it hears); a tool's clock's readings as its own seconds.
double perf_monotonic_seconds(uint64_t counter);
