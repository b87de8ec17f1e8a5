// Deterministic white noise from the bake's random stream. Every noisy voice
// owns one seeded from its note, so bakes give the same bytes on every run and
// do not depend on the C library's rand().
#pragma once

#include "BakeRandom.h"

#include <cstdint>

class cNoise {
public:
    explicit cNoise(uint32_t seed) : state_(seed * 2654435761u + 12345u) {}

    // Uniform in [-1, 1).
    float next() { return next_random(state_) * 2.0f - 1.0f; }

private:
    uint32_t state_;
};
