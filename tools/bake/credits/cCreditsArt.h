// The credits scenes' pictures: the yellow grade (a 256 x 1 table), the soft band mask
// (screen-sized, a rectangle texture), the ambient gas puff for particles, and the sphere.
#pragma once

#include "cBakeMesh.h"

#include <cstdint>
#include <vector>

class cCreditsArt {
public:
    static constexpr int kMaskWidth = 1024, kMaskHeight = 640, kPuffSize = 128;

    // RGB per entry: shadows kept, mids and highs warmed towards yellow, blue held back.
    static std::vector<uint8_t> yellow_grade();
    // A horizontal band, white in the middle third and fading to black above and below,
    // frayed by noise; RGB, bottom row first.
    static std::vector<uint8_t> mask_band();
    // A round puff of gas, RGBA: warm white, alpha fading to nothing at the rim.
    static std::vector<uint8_t> gas_puff();
    // The credits sphere: radius 29, fine enough to show no facets.
    static cBakeMesh sphere();
};
