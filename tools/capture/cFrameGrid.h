// The capture run's frames on demo time: frame n starts at round(n x 1000 / fps) ms,
// rounded half up and carried from 0 so the steps never drift. Negative frames
// are the audio latency's lead-in before demo time 0.
#pragma once

#include <cstdint>

class cFrameGrid {
public:
    explicit cFrameGrid(int fps) : fps_(fps) {}

    int fps() const { return fps_; }
    // The start of frame n in ms of demo time.
    int32_t time_of(int64_t n) const;
    // The frame on screen at `ms`: the last one starting at or before it.
    int64_t frame_at(int32_t ms) const;
    // The first frame starting at or after `ms`.
    int64_t first_from(int32_t ms) const;

private:
    int fps_;
};
