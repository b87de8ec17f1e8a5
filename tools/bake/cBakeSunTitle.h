// The title card laid over the opening seconds of the solar flare: the group's name above the
// demo's title, typeset, with a soft dark halo that dims the picture behind the words. RGBA,
// power-of-two for its mipmaps; set on a 1024 x 640 page and squeezed to the file's height,
// so drawn over the 1.6 picture the letters keep their proportions.
#pragma once

#include "BakeModule.h"

#include <cstdint>
#include <vector>

class cBakeSunTitle : public iBakeModule {
public:
    std::string name() const override { return "sun title"; }
    void bake(const std::string& data_dir) override;

    static constexpr int kWidth = 1024, kHeight = 512;
    static constexpr int kPageHeight = 640;
    static constexpr const char* kGroup = "mirrel";
    static constexpr const char* kTitle = "pulse 55";

    // RGBA rows, bottom row first.
    static std::vector<uint8_t> render();
};
