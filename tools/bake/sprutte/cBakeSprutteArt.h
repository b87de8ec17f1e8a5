// The sprutte scene's pictures: the plasma that flows along the tube (tiles seamlessly both
// ways, mipmapped), the mask of the final blur (dark, sharp centre; bright, blurred edges) and
// the orange grade (violet shadows, orange middle, cream highlights).
#pragma once

#include "BakeModule.h"

#include <cstdint>
#include <vector>

class cBakeSprutteArt : public iBakeModule {
public:
    static constexpr int kPlasmaSize = 512;
    static constexpr int kMaskSize = 256;

    std::string name() const override { return "sprutte art"; }
    void bake(const std::string& data_dir) override;

    static std::vector<uint8_t> plasma();
    static std::vector<uint8_t> blur_mask();
    static std::vector<uint8_t> orange_grade();
};
