#include "cCreditsArt.h"

#include "PaintMath.h"
#include "cCanvas.h"
#include "cPaintNoise.h"

#include <algorithm>
#include <cmath>

namespace {

// Value noise octaves in 0..1 over a lattice of `cell` pixels.
float fbm(float x, float y, float cell, uint32_t seed) {
    return cPaintNoise::fbm(x / cell, y / cell, 5, seed);
}

} // namespace

std::vector<uint8_t> cCreditsArt::yellow_grade() {
    cCanvas ramp(256, 1);
    for (int i = 0; i < 256; ++i) {
        const float x = float(i) / 255.0f;
        ramp.at(i, 0) = {0.02f + 0.97f * std::pow(x, 0.86f), 0.01f + 0.95f * std::pow(x, 0.95f),
                         0.03f + 0.80f * std::pow(x, 1.22f)};
    }
    return ramp.bytes();
}

std::vector<uint8_t> cCreditsArt::gas_puff() {
    cCanvas canvas(kPuffSize, kPuffSize);
    const float c = kPuffSize / 2.0f;
    for (int y = 0; y < kPuffSize; ++y) // y counts file rows, from the bottom
        for (int x = 0; x < kPuffSize; ++x) {
            const float dx = (float(x) + 0.5f - c) / c, dy = (float(y) + 0.5f - c) / c;
            const float r = std::sqrt(dx * dx + dy * dy);
            const float wisps = fbm(float(x), float(y), 48, 41);
            const float edge = 1 - smoothstep(0.25f + 0.35f * wisps, 1.0f, r);
            const float alpha = edge * edge * (0.55f + 0.45f * wisps);
            canvas.at(x, kPuffSize - 1 - y) = {0.95f, 0.86f + 0.06f * wisps, 0.70f + 0.12f * wisps};
            canvas.alpha(x, kPuffSize - 1 - y) = alpha * 0.9f;
        }
    return canvas.bytes(4);
}
