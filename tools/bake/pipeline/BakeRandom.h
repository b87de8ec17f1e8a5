// The bake's one random stream: a 32-bit linear congruential generator whose state
// the caller keeps, so every module's scatter, grain and noisy voices come out the
// same on every run and machine, without the C library's rand().
#pragma once

#include <cstdint>

// The next number of the stream in 0..1 (24 bits); `state` moves on.
inline float next_random(uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return static_cast<float>(state >> 8) * (1.0f / 16777216.0f);
}
