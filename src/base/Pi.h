// The circle's constant as the scenes, the geometry and the bake use it: one float, so
// every angle in the demo is turned by the same rounding of pi. Header only.
#pragma once

constexpr float kPi = 3.14159265358979f;
constexpr float kTwoPi = 2.0f * kPi;
