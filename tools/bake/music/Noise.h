// Deterministic white noise from a 32-bit linear congruential generator.
// Every noisy voice owns one seeded from its note, so bakes give the same
// bytes on every run and do not depend on the C library's rand().
#pragma once

#include <cstdint>

class cNoise {
public:
    explicit cNoise(uint32_t seed) : state_(seed * 2654435761u + 12345u) {}

    // Uniform in [-1, 1).
    float next() {
        state_ = state_ * 1664525u + 1013904223u;
        return float(state_ >> 8) * (1.0f / 8388608.0f) - 1.0f;
    }

private:
    uint32_t state_;
};
