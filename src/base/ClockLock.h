// Keeps the demo time on the music heard. Given this frame's demo time, the music's position
// heard at the same moment and the frame's length, it says how far to move the demo time:
// a small difference slewed in over about kSlewMs, a large lead of the music jumped to.
#pragma once

#include <cstdint>

namespace clock_lock {

// The music this far ahead of the picture is jumped to at once.
constexpr double kJumpMs = 250.0;
// The time constant of the slewing: a difference shrinks to a third in this long.
constexpr double kSlewMs = 120.0;

// Milliseconds to add to the demo time, never less than -frame_ms: the demo time may stand
// still for a frame, but never runs backwards.
int32_t correction(int32_t demo_ms, double heard_ms, int32_t frame_ms);

} // namespace clock_lock
