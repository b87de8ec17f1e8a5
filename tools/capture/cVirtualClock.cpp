#include "cVirtualClock.h"

uint64_t cVirtualClock::counter() {
    // The demo truncates the counter to whole milliseconds in double
    // precision; half a millisecond in keeps rounding error from ever
    // reading as the millisecond before.
    const uint64_t reading = static_cast<uint64_t>(now_ms_) * 1000 + 500;
    if (ticking_)
        now_ms_ += kTickMs;
    return reading;
}

void cVirtualClock::hold_at(int64_t ms) {
    ticking_ = false;
    now_ms_ = ms;
}
