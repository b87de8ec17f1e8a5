// The credits sun's own picture and mesh: the soft band mask (screen-sized, loaded as a
// rectangle texture) and the sphere. The room's pictures, the gas puff among them, belong
// to the credits room.
#pragma once

#include "cBakeMesh.h"

#include <cstdint>
#include <vector>

class cCreditsSunArt {
public:
    static constexpr int kMaskWidth = 1024, kMaskHeight = 640;

    // A horizontal band, white in the middle third and fading to black above and below,
    // frayed by noise; RGB, bottom row first.
    static std::vector<uint8_t> mask_band();
    // The credits sphere: radius 29, fine enough to show no facets.
    static cBakeMesh sphere();
};
