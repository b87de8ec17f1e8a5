// The title card over the solar flare's opening seconds: the group's name and the demo's title
// in the lower third, clear of the growing sun, with a soft dark halo behind the words. RGBA,
// power-of-two for mipmaps, set on a 1024 x 640 page and squeezed so letters keep their shape.
#pragma once

#include "BakeModule.h"

#include <cstdint>
#include <vector>

class cBakeSolarFlareTitle : public iBakeModule {
public:
    std::string name() const override { return "solar flare title"; }
    void bake(const std::string& data_dir) override;

    static constexpr int kWidth = 1024, kHeight = 512;
    static constexpr int kPageHeight = 640;
    static constexpr const char* kGroup = "mirrel";
    static constexpr const char* kTitle = "pulse 55";

    // RGBA rows, bottom row first.
    static std::vector<uint8_t> render();
};
