// The sun's pictures: its granulated surface map with spots and faculae, the flares' wispy
// gas and their colour over a flare's life, a soft gas puff for the glowing points, and the
// orange grade the solar scenes are seen through. RGB(A) rows, bottom row first.
#pragma once

#include "BakeModule.h"

#include <cstdint>
#include <vector>

class cBakeSolarFlareArt : public iBakeModule {
public:
    std::string name() const override { return "solar flare art"; }
    void bake(const std::string& data_dir) override;

    static constexpr int kSurfaceWidth = 1024, kSurfaceHeight = 512;
    static constexpr int kGasSize = 256;
    static constexpr int kGradientWidth = 256, kGradientHeight = 64;
    static constexpr int kPuffSize = 128;

    // RGB, u around the sun (seamless at 0 = 1), v from the south pole up.
    static std::vector<uint8_t> surface();
    // RGBA; alpha fades to nothing at all four edges.
    static std::vector<uint8_t> gas();
    // RGBA; across: a flare's age from birth to death, up: position across the band.
    static std::vector<uint8_t> gradient();
    static std::vector<uint8_t> puff();
    // 256 x 1 RGB.
    static std::vector<uint8_t> orange_grade();
};
