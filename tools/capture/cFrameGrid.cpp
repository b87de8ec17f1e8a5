#include "cFrameGrid.h"

namespace {

int64_t floor_div(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

int32_t cFrameGrid::time_of(int64_t n) const {
    // floor(n * 1000 / fps + 1/2) in integers.
    return static_cast<int32_t>(floor_div(2 * n * 1000 + fps_, 2 * int64_t{fps_}));
}

int64_t cFrameGrid::frame_at(int32_t ms) const {
    int64_t n = floor_div(int64_t{ms} * fps_, 1000);
    while (time_of(n + 1) <= ms)
        ++n;
    while (time_of(n) > ms)
        --n;
    return n;
}

int64_t cFrameGrid::first_from(int32_t ms) const {
    const int64_t n = frame_at(ms);
    return time_of(n) == ms ? n : n + 1;
}
