// The easing every scene shares: x clamped to 0..1, then x^2 (3 - 2x), so a fade or a move
// starts and ends at rest. Header only, so the hot paths inline it.
#pragma once

inline float clamp01(float x) {
    return x < 0.0f ? 0.0f : (x > 1.0f ? 1.0f : x);
}

inline float smoothstep(float x) {
    x = x < 0.0f ? 0.0f : (x > 1.0f ? 1.0f : x);
    return x * x * (3.0f - 2.0f * x);
}
