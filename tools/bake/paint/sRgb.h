// The colour every painted picture works in: linear red, green and blue as floats. Values
// may run past 0..1 while light is added; a canvas clamps them only when it turns into bytes.
// Black unless given, so sums can start from a default colour.
#pragma once

struct sRgb {
    float r = 0, g = 0, b = 0;
};

// `a` at t = 0, `b` at t = 1.
inline sRgb mix(sRgb a, sRgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

inline sRgb operator+(sRgb a, sRgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}

inline sRgb operator*(sRgb c, float k) {
    return {c.r * k, c.g * k, c.b * k};
}

// Channel by channel: light of one colour falling on a surface of another.
inline sRgb operator*(sRgb a, sRgb b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}
