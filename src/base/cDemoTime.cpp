#include "cDemoTime.h"

#include "platform/PerfCounter.h"

void cDemoTime::advance(uint64_t frequency) {
    prev_ms = now_ms;
    now_ms = clock_now(frequency);
}

int32_t cDemoTime::clock_ms(uint64_t counter, uint64_t frequency) {
    return static_cast<int32_t>(static_cast<double>(counter) / static_cast<double>(frequency) *
                                1000.0);
}

int32_t cDemoTime::clock_now(uint64_t frequency) {
    return clock_ms(perf_counter(), frequency);
}
