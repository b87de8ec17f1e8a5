#include "cCreditsArt.h"

#include "cBakeShapes.h"

#include <algorithm>
#include <cmath>

namespace {

uint8_t byte(float v) {
    return uint8_t(std::clamp(v * 255.0f + 0.5f, 0.0f, 255.0f));
}

float hash(int x, int y, int seed) {
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return float((h ^ (h >> 16)) & 0xffff) / 65535.0f;
}

// Smooth value noise on a grid of `cell` pixels.
float noise(float x, float y, float cell, int seed) {
    const float gx = x / cell, gy = y / cell;
    const int ix = int(std::floor(gx)), iy = int(std::floor(gy));
    const float fx = gx - float(ix), fy = gy - float(iy);
    const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const float a = hash(ix, iy, seed) + (hash(ix + 1, iy, seed) - hash(ix, iy, seed)) * sx;
    const float b =
        hash(ix, iy + 1, seed) + (hash(ix + 1, iy + 1, seed) - hash(ix, iy + 1, seed)) * sx;
    return a + (b - a) * sy;
}

float fbm(float x, float y, float cell, int seed) {
    float sum = 0, amp = 0.5f;
    for (int o = 0; o < 5; ++o, amp *= 0.5f, cell *= 0.5f)
        sum += amp * noise(x, y, cell, seed + o);
    return sum / 0.96875f;
}

float smoothstep(float a, float b, float x) {
    const float t = std::clamp((x - a) / (b - a), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

} // namespace

std::vector<uint8_t> cCreditsArt::yellow_grade() {
    std::vector<uint8_t> table;
    for (int i = 0; i < 256; ++i) {
        const float x = float(i) / 255.0f;
        table.push_back(byte(0.02f + 0.97f * std::pow(x, 0.86f)));
        table.push_back(byte(0.01f + 0.95f * std::pow(x, 0.95f)));
        table.push_back(byte(0.03f + 0.80f * std::pow(x, 1.22f)));
    }
    return table;
}

std::vector<uint8_t> cCreditsArt::mask_band() {
    std::vector<uint8_t> rgb;
    rgb.reserve(size_t(kMaskWidth) * kMaskHeight * 3);
    for (int y = 0; y < kMaskHeight; ++y)
        for (int x = 0; x < kMaskWidth; ++x) {
            const float fx = float(x), fy = float(y);
            const float fray = 60 * (fbm(fx, fy, 160, 11) - 0.5f);
            const float d = std::fabs(fy + fray - kMaskHeight / 2.0f);
            const float band = 1 - smoothstep(90, 230, d);
            const float grain = (hash(x, y, 5) - 0.5f) * 0.03f;
            const float v =
                std::clamp(band * (0.85f + 0.15f * fbm(fx, fy, 40, 23)) + grain, 0.0f, 1.0f);
            for (int k = 0; k < 3; ++k)
                rgb.push_back(byte(v));
        }
    return rgb;
}

std::vector<uint8_t> cCreditsArt::gas_puff() {
    std::vector<uint8_t> rgba;
    const float c = kPuffSize / 2.0f;
    for (int y = 0; y < kPuffSize; ++y)
        for (int x = 0; x < kPuffSize; ++x) {
            const float dx = (float(x) + 0.5f - c) / c, dy = (float(y) + 0.5f - c) / c;
            const float r = std::sqrt(dx * dx + dy * dy);
            const float wisps = fbm(float(x), float(y), 48, 41);
            const float edge = 1 - smoothstep(0.25f + 0.35f * wisps, 1.0f, r);
            const float alpha = edge * edge * (0.55f + 0.45f * wisps);
            rgba.push_back(byte(0.95f));
            rgba.push_back(byte(0.86f + 0.06f * wisps));
            rgba.push_back(byte(0.70f + 0.12f * wisps));
            rgba.push_back(byte(alpha * 0.9f));
        }
    return rgba;
}

cBakeMesh cCreditsArt::sphere() {
    return cBakeShapes::sphere(29, 64, 32);
}
