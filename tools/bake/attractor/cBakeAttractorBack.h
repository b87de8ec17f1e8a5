// The attractor intro's background, models/mirrel_intro/ifs_back2.jpg: a deep violet-blue
// ground of warped noise with a vignette, and a faint spiral fractal traced by the chaos game
// in gold, orange and red, tone-mapped so its brightest arms stay well below white.
#pragma once

#include "BakeModule.h"

#include <cstdint>
#include <vector>

class cBakeAttractorBack : public iBakeModule {
public:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 640;
    static constexpr const char* kFile = "models/mirrel_intro/ifs_back2.jpg";

    std::string name() const override { return "attractor background"; }
    void bake(const std::string& data_dir) override;

    // The picture as 8-bit RGB, bottom row first.
    static std::vector<uint8_t> render();
};
