// The font module: renders the tweak GUI's glyphs from DejaVu Sans Mono
// through FreeType into textures/fontlist.png, white with the coverage as
// alpha, one glyph per 20 x 20 cell of the atlas table the GUI reads.
#pragma once

#include "BakeModule.h"

#include <cstdint>
#include <vector>

class cBakeFont : public iBakeModule {
public:
    std::string name() const override { return "toolkit font"; }
    void bake(const std::string& data_dir) override;

    // The atlas as RGBA rows, the first row at texel v = 0 (the bottom).
    static std::vector<uint8_t> render_atlas(const std::string& font_file);
    // The first of the DejaVu faces that is installed; throws if none is.
    static std::string find_font();
};
