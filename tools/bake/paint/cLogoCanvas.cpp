#include "cLogoCanvas.h"

#include <algorithm>
#include <cmath>

namespace {

float smooth(float x) {
    x = std::clamp(x, 0.0f, 1.0f);
    return x * x * (3 - 2 * x);
}

sRgb mix(sRgb a, sRgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

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

} // namespace

cLogoCanvas::cLogoCanvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, sRgb{0, 0, 0}) {}

void cLogoCanvas::vertical_gradient(sRgb top, sRgb bottom) {
    for (int y = 0; y < height_; ++y) {
        const sRgb c = mix(top, bottom, static_cast<float>(y) / static_cast<float>(height_ - 1));
        for (int x = 0; x < width_; ++x)
            at(x, y) = c;
    }
}

void cLogoCanvas::radial_light(float cx, float cy, float radius, float squash, sRgb colour) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const float dx = (static_cast<float>(x) - cx) * squash;
            const float dy = static_cast<float>(y) - cy;
            const float k = smooth(1 - std::sqrt(dx * dx + dy * dy) / radius);
            sRgb& p = at(x, y);
            p = {p.r + colour.r * k, p.g + colour.g * k, p.b + colour.b * k};
        }
}

void cLogoCanvas::fill(const tMask& mask, sRgb top_colour, sRgb bottom_colour, int top, int bottom,
                       float opacity) {
    for (int y = 0; y < height_; ++y) {
        const float t = static_cast<float>(y - top) / static_cast<float>(bottom - top);
        const sRgb c = mix(top_colour, bottom_colour, std::clamp(t, 0.0f, 1.0f));
        for (int x = 0; x < width_; ++x) {
            const float a = mask[static_cast<size_t>(y) * width_ + x] * opacity;
            at(x, y) = mix(at(x, y), c, a);
        }
    }
}

void cLogoCanvas::glow(const tMask& mask, int radius, sRgb colour) {
    const tMask soft = blurred(mask, width_, height_, radius);
    for (size_t i = 0; i < pixels_.size(); ++i) {
        const float k = soft[i];
        pixels_[i] = {pixels_[i].r + colour.r * k, pixels_[i].g + colour.g * k,
                      pixels_[i].b + colour.b * k};
    }
}

void cLogoCanvas::grain(float strength, uint32_t seed) {
    uint32_t state = seed;
    for (sRgb& p : pixels_) {
        state = state * 1664525u + 1013904223u;
        const float n = (static_cast<float>(state >> 8) / 16777216.0f - 0.5f) * strength;
        p = {p.r + n, p.g + n, p.b + n};
    }
}

void cLogoCanvas::vignette(float strength) {
    const float cx = 0.5f * static_cast<float>(width_), cy = 0.5f * static_cast<float>(height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const float dx = (static_cast<float>(x) - cx) / cx;
            const float dy = (static_cast<float>(y) - cy) / cy;
            const float k = 1 - strength * smooth((dx * dx + dy * dy) / 2);
            sRgb& p = at(x, y);
            p = {p.r * k, p.g * k, p.b * k};
        }
}

std::vector<uint8_t> cLogoCanvas::bytes() const {
    std::vector<uint8_t> out;
    out.reserve(pixels_.size() * 3);
    auto byte = [](float v) {
        return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255));
    };
    for (int y = height_ - 1; y >= 0; --y)
        for (int x = 0; x < width_; ++x) {
            const sRgb& p = pixels_[static_cast<size_t>(y) * width_ + x];
            out.insert(out.end(), {byte(p.r), byte(p.g), byte(p.b)});
        }
    return out;
}

tMask blurred(const tMask& mask, int width, int height, int radius) {
    tMask out = mask;
    std::vector<float> scratch;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y)
            box(&out[static_cast<size_t>(y) * width], width, 1, radius, scratch);
        for (int x = 0; x < width; ++x)
            box(&out[static_cast<size_t>(x)], height, width, radius, scratch);
    }
    return out;
}
