// A floating-point RGB picture with the few painting operations the logo needs: gradients,
// soft light, text masks filled with a gradient or spread into a glow, grain and vignette.
// Rows run top to bottom while painting; bytes() turns them bottom-first for the texture.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct sRgb {
    float r, g, b;
};

// Coverage 0..1 per pixel, the canvas's size, rows top to bottom.
using tMask = std::vector<float>;

class cLogoCanvas {
public:
    cLogoCanvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    tMask empty_mask() const { return tMask(static_cast<size_t>(width_) * height_, 0.0f); }

    // Top colour on the first row, bottom colour on the last.
    void vertical_gradient(sRgb top, sRgb bottom);
    // Light added around (x, y), falling off smoothly to nothing at `radius`; `squash` < 1
    // makes it wider than tall.
    void radial_light(float x, float y, float radius, float squash, sRgb colour);
    // The mask painted over the picture in a gradient from row `top` to row `bottom`.
    void fill(const tMask& mask, sRgb top_colour, sRgb bottom_colour, int top, int bottom,
              float opacity);
    // The mask blurred by `radius` and added as light.
    void glow(const tMask& mask, int radius, sRgb colour);
    // Deterministic film grain of the given strength.
    void grain(float strength, uint32_t seed);
    // Corners darkened by up to `strength`.
    void vignette(float strength);

    // 8-bit RGB, bottom row first.
    std::vector<uint8_t> bytes() const;

private:
    sRgb& at(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }

    int width_;
    int height_;
    std::vector<sRgb> pixels_;
};

// A box blur of `radius` along rows and then columns, three times: close to a Gaussian.
tMask blurred(const tMask& mask, int width, int height, int radius);
