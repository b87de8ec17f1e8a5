// The small shaping curves pictures are painted with: the demo's clamp and smooth step
// (base/Smoothstep.h), linear interpolation, and the step between two edges, so every
// picture's soft edges and ramps fall off the same way.
#pragma once

#include "base/Smoothstep.h"

inline float lerp(float a, float b, float t) {
    return a + (b - a) * t;
}

// 0 at or below `from`, 1 at or above `to`, a smooth S between.
inline float smoothstep(float from, float to, float x) {
    return smoothstep((x - from) / (to - from));
}
