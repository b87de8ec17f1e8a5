// The logo module: the group's end picture textures/mrllogo_full2.jpg, the word "mirrel"
// set in DejaVu Sans Bold with a warm gradient, glow and mirror image over a deep blue
// ground. It is exactly the default picture size, so the end scene shows it texel for texel.
#pragma once

#include "BakeModule.h"

#include <cstdint>
#include <vector>

class cBakeEndLogo : public iBakeModule {
public:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 640;
    static constexpr const char* kFile = "textures/mrllogo_full2.jpg";

    std::string name() const override { return "end logo"; }
    void bake(const std::string& data_dir) override;

    // The picture as 8-bit RGB, bottom row first.
    static std::vector<uint8_t> render();
};
