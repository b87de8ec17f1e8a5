#include "ClockLock.h"

#include <algorithm>
#include <cmath>

int32_t clock_lock::correction(int32_t demo_ms, double heard_ms, int32_t frame_ms) {
    const double difference = heard_ms - demo_ms;
    if (difference >= kJumpMs)
        return static_cast<int32_t>(difference);
    const double share = 1.0 - std::exp(-std::max(frame_ms, 0) / kSlewMs);
    double step = std::trunc(difference * share);
    // Whole milliseconds: a share too small to make one still moves by one, so what is left
    // after a few frames is under a millisecond.
    if (step == 0 && std::fabs(difference) >= 1.0)
        step = difference > 0 ? 1.0 : -1.0;
    return std::max(static_cast<int32_t>(step), -std::max(frame_ms, 0));
}
