// The small shaping curves pictures are painted with: clamping to 0..1, linear
// interpolation and the smooth Hermite step, written once so every picture's
// soft edges and ramps fall off the same way.
#pragma once

#include <algorithm>

inline float clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}

inline float lerp(float a, float b, float t) {
    return a + (b - a) * t;
}

// 0 at or below `from`, 1 at or above `to`, a smooth S between.
inline float smoothstep(float from, float to, float x) {
    const float t = clamp01((x - from) / (to - from));
    return t * t * (3 - 2 * t);
}
