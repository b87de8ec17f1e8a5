// The load screen's pictures: the panel's printed, brushed face with the
// knob's scale and the meter window, the knob's occlusion-shaded skin, the
// title overlay and the blue colour grade the whole screen is seen through.
#pragma once

#include "BakeModule.h"

#include <cstdint>
#include <vector>

class cBakeLoaderArt : public iBakeModule {
public:
    std::string name() const override { return "loader art"; }
    void bake(const std::string& data_dir) override;

    static constexpr int kPanelSize = 512, kKnobSize = 256;
    static constexpr int kOverlayWidth = 512, kOverlayHeight = 128;

    // RGB rows, bottom row first, as written.
    static std::vector<uint8_t> panel();
    static std::vector<uint8_t> knob();
    // RGBA.
    static std::vector<uint8_t> overlay();
    // 256 x 1 RGB: each channel's output for input 0..255.
    static std::vector<uint8_t> blue_grade();
};
