#include "cCanvas.h"

#include "PaintMath.h"
#include "cPaintNoise.h"

#include <algorithm>
#include <cmath>

namespace {

// One box pass over `count` values `stride` apart, clamped at the ends.
void box(float* line, int count, int stride, int radius, std::vector<float>& scratch) {
    scratch.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        scratch[static_cast<size_t>(i)] = line[i * stride];
    float sum = 0;
    for (int i = -radius - 1; i < radius; ++i)
        sum += scratch[static_cast<size_t>(std::clamp(i, 0, count - 1))];
    const float scale = 1.0f / static_cast<float>(2 * radius + 1);
    for (int i = 0; i < count; ++i) {
        sum += scratch[static_cast<size_t>(std::min(i + radius, count - 1))];
        sum -= scratch[static_cast<size_t>(std::max(i - radius - 1, 0))];
        line[i * stride] = sum * scale;
    }
}

uint8_t byte(float v, float offset) {
    return static_cast<uint8_t>(clamp01(v + offset) * 255.0f + 0.5f);
}

} // namespace

cCanvas::cCanvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height),
      alpha_(pixels_.size(), 0.0f) {}

void cCanvas::over(int x, int y, sRgb colour, float cover) {
    float& a = alpha(x, y);
    const float out = cover + a * (1 - cover);
    if (out <= 0)
        return;
    at(x, y) = (colour * cover + at(x, y) * (a * (1 - cover))) * (1 / out);
    a = out;
}

void cCanvas::vertical_gradient(sRgb top, sRgb bottom) {
    for (int y = 0; y < height_; ++y) {
        const sRgb c = mix(top, bottom, static_cast<float>(y) / static_cast<float>(height_ - 1));
        for (int x = 0; x < width_; ++x)
            at(x, y) = c;
    }
}

void cCanvas::radial_light(float cx, float cy, float radius, float squash, sRgb colour) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const float dx = (static_cast<float>(x) - cx) * squash;
            const float dy = static_cast<float>(y) - cy;
            const float k = smoothstep(0, 1, 1 - std::sqrt(dx * dx + dy * dy) / radius);
            at(x, y) = at(x, y) + colour * k;
        }
}

void cCanvas::fill(const tMask& mask, sRgb top_colour, sRgb bottom_colour, int top, int bottom,
                   float opacity) {
    for (int y = 0; y < height_; ++y) {
        const float t = static_cast<float>(y - top) / static_cast<float>(bottom - top);
        const sRgb c = mix(top_colour, bottom_colour, clamp01(t));
        for (int x = 0; x < width_; ++x)
            at(x, y) = mix(at(x, y), c, mask[index(x, y)] * opacity);
    }
}

void cCanvas::glow(const tMask& mask, int radius, sRgb colour) {
    const tMask soft = blurred(mask, radius);
    for (size_t i = 0; i < pixels_.size(); ++i)
        pixels_[i] = pixels_[i] + colour * soft[i];
}

void cCanvas::grain(float strength, uint32_t seed) {
    uint32_t state = seed;
    for (sRgb& p : pixels_) {
        const float n = (cPaintNoise::random(state) - 0.5f) * strength;
        p = p + sRgb{n, n, n};
    }
}

void cCanvas::vignette(float strength) {
    const float cx = 0.5f * static_cast<float>(width_), cy = 0.5f * static_cast<float>(height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const float dx = (static_cast<float>(x) - cx) / cx;
            const float dy = (static_cast<float>(y) - cy) / cy;
            at(x, y) = at(x, y) * (1 - strength * smoothstep(0, 1, (dx * dx + dy * dy) / 2));
        }
}

tMask cCanvas::blurred(const tMask& mask, int radius) const {
    tMask out = mask;
    std::vector<float> scratch;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height_; ++y)
            box(&out[index(0, y)], width_, 1, radius, scratch);
        for (int x = 0; x < width_; ++x)
            box(&out[index(x, 0)], height_, width_, radius, scratch);
    }
    return out;
}

std::vector<uint8_t> cCanvas::bytes(int channels, float dither, uint32_t seed) const {
    std::vector<uint8_t> out;
    out.reserve(pixels_.size() * static_cast<size_t>(channels));
    auto offset = [&](int x, int y, uint32_t k, float amount) {
        return dither > 0 ? (cPaintNoise::hash01(x, y, seed + k) - 0.5f) * amount : 0.0f;
    };
    for (int y = height_ - 1; y >= 0; --y)
        for (int x = 0; x < width_; ++x) {
            const sRgb& p = at(x, y);
            out.insert(out.end(),
                       {byte(p.r, offset(x, y, 0, dither)), byte(p.g, offset(x, y, 1, dither)),
                        byte(p.b, offset(x, y, 2, dither))});
            if (channels == 4)
                out.push_back(byte(alpha(x, y), offset(x, y, 3, 1 / 255.0f)));
        }
    return out;
}
