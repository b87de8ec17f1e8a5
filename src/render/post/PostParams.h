// The parameter records of the post effects, owned by the scenes that chain
// them and exposed as tweakable variables: levels, hue/saturation/brightness,
// the cut levels of the glow spill, and the layered glow.
#pragma once

#include <cstdint>

struct cLevelsParams {
    float inBlack = 0, inWhite = 255, Gamma = 1, outBlack = 0, outWhite = 255;
};

// Hue in degrees, saturation and brightness in percent.
struct cHsbParams {
    float hue = 0, saturation = 0, brightness = 0;
};

// The bright pass of the spill: what lies below pre_cut is dropped, what is
// left is scaled up from post_cut.
struct cCutLevels {
    float pre_cut = 200.0f;
    float post_cut = 128.0f;
};

struct cGlowParams {
    int32_t layers = 0;
    float distance = 0;
    float multiplier = 0;
};
