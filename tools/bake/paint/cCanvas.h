// The picture every bake paints on: colour and coverage per pixel in floats, with the shared
// painting operations (gradients, soft light, masks filled or glowing, grain, vignette, "over").
// Rows run top to bottom while painting; bytes() turns them bottom-first for the texture loader.
#pragma once

#include "sRgb.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Coverage 0..1 per pixel, the canvas's size, rows top to bottom.
using tMask = std::vector<float>;

class cCanvas {
public:
    cCanvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    tMask empty_mask() const { return tMask(static_cast<size_t>(width_) * height_, 0.0f); }

    sRgb& at(int x, int y) { return pixels_[index(x, y)]; }
    const sRgb& at(int x, int y) const { return pixels_[index(x, y)]; }
    // Coverage, 0 until painted; written out only by bytes(4).
    float& alpha(int x, int y) { return alpha_[index(x, y)]; }
    float alpha(int x, int y) const { return alpha_[index(x, y)]; }

    // `colour` with coverage `cover` laid over the pixel and its own coverage.
    void over(int x, int y, sRgb colour, float cover);
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
    // A box blur of `radius` along rows and then columns, three times: close to a Gaussian.
    tMask blurred(const tMask& mask, int radius) const;

    // 8 bits per channel, bottom row first: RGB for 3 `channels`, RGBA for 4. A `dither` > 0
    // moves each colour value by up to half of it either way, hashed from `seed`, so slow
    // gradients do not band; coverage moves by up to half a step, so clear stays clear.
    std::vector<uint8_t> bytes(int channels = 3, float dither = 0, uint32_t seed = 0) const;

private:
    size_t index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<sRgb> pixels_;
    std::vector<float> alpha_;
};
