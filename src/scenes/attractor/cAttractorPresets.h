// The nine looks of the attractor clouds: coefficients, noise, colours' alphas, point sizes,
// camera distance, turn and offset, each with a slow drift of one or two coefficients that
// wraps back inside the range where that attractor keeps its shape.
#pragma once

#include "geometry/Vec3.h"
#include "iAttractorCalculator.h"

struct cAttractorLook {
    cAttractorParams params;
    float randscale = 0.25f;
    float rot = 0;
    float color0A = 0, pts_size0 = 1;
    float color1A = 0, pts_size1 = 1;
    float dist = 2;
    Vec3f ctr{0, -0.5f, 0};
};

class cAttractorPresets {
public:
    static constexpr int kCount = 9;

    // Writes preset `preset` into `look` when it is not the one last applied (and remembers
    // it); a number outside 0..8 changes nothing. True when it wrote.
    static bool apply_if_changed(int preset, int& applied, cAttractorLook& look);
    static void apply(int preset, cAttractorLook& look);
    // The preset's drift over `seconds`.
    static void drift(int preset, float seconds, cAttractorLook& look);
};
