// The desktop icon: icons/mirrel.png, 256 x 256 with a clear corner, the logo's "m" in its
// warm gradient and glow on the logo's deep blue ground, in a square with rounded corners.
// The menu entry of the installed demo shows it.
#pragma once

#include "BakeModule.h"

#include <cstdint>
#include <vector>

class cBakeIcon : public iBakeModule {
public:
    static constexpr int kSize = 256;
    static constexpr const char* kFile = "icons/mirrel.png";

    std::string name() const override { return "icon"; }
    void bake(const std::string& data_dir) override;

    // The icon as 8-bit RGBA, bottom row first.
    static std::vector<uint8_t> render();
};
