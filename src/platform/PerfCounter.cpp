#include "platform/PerfCounter.h"

#include <cerrno>
#include <time.h>

namespace {

uint64_t monotonic_ns();

class cSystemClock : public iClockSource {
public:
    // Counted from the first reading, so millisecond values stay far from
    // the 32-bit limit however long the machine has been up.
    uint64_t counter() override {
        const uint64_t since = epoch(); // first: the first reading is the epoch itself
        return monotonic_ns() - since;
    }
    static uint64_t epoch() {
        static const uint64_t first = monotonic_ns();
        return first;
    }
    uint64_t frequency() override { return 1000000000ull; }
    void sleep_ms(uint32_t ms) override {
        timespec ts{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
        while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
        }
    }
};

uint64_t monotonic_ns() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint64_t>(ts.tv_sec) * 1000000000ull + static_cast<uint64_t>(ts.tv_nsec);
}

cSystemClock g_system_clock;
iClockSource* g_source = &g_system_clock;

} // namespace

void set_clock_source(iClockSource* source) {
    g_source = source ? source : &g_system_clock;
}

uint64_t perf_counter() {
    return g_source->counter();
}

uint64_t perf_frequency() {
    return g_source->frequency();
}

void perf_sleep_ms(uint32_t ms) {
    g_source->sleep_ms(ms);
}

double perf_monotonic_seconds(uint64_t counter) {
    const uint64_t epoch = g_source == &g_system_clock ? cSystemClock::epoch() : 0;
    return static_cast<double>(epoch + counter) / static_cast<double>(g_source->frequency());
}
