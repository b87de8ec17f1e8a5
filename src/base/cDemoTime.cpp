#include "cDemoTime.h"

#include "platform/PerfCounter.h"

void cDemoTime::start() {
    frequency = perf_frequency();
    now_counter = perf_counter();
    now_ms = clock_ms(now_counter, frequency);
    prev_ms = now_ms;
    start_ms = now_ms;
}

void cDemoTime::advance() {
    prev_ms = now_ms;
    now_counter = perf_counter();
    now_ms = clock_ms(now_counter, frequency);
}

int32_t cDemoTime::read_ms() const {
    return clock_ms(perf_counter(), frequency);
}

int32_t cDemoTime::clock_ms(uint64_t counter, uint64_t frequency) {
    return static_cast<int32_t>(static_cast<double>(counter) / static_cast<double>(frequency) *
                                1000.0);
}
