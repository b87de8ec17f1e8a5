// The capture run's clock behind the performance-counter seam. While it ticks
// (the load phase) every reading is one tick later and sleeps add their
// length; once held (the frame loop) readings stay where the run puts them.
#pragma once

#include "platform/PerfCounter.h"

class cVirtualClock : public iClockSource {
public:
    // The load screen is never captured, so its busy-waiting fade needs only
    // a few of its costly frames: a tick is a tenth of a second.
    static constexpr int64_t kTickMs = 100;

    uint64_t counter() override;
    uint64_t frequency() override { return kPerSecond; }
    void sleep_ms(uint32_t ms) override { now_ms_ += ms; }

    // Stops the ticking; readings give `ms` until the next call.
    void hold_at(int64_t ms);
    int64_t now_ms() const { return now_ms_; }

private:
    static constexpr uint64_t kPerSecond = 1000000;

    bool ticking_ = true;
    int64_t now_ms_ = 0;
};
