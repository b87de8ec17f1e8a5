#include "cBakeAttractorBack.h"

#include "BakeFile.h"
#include "PaintMath.h"
#include "cBakeImage.h"
#include "cCanvas.h"
#include "cPaintNoise.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kW = cBakeAttractorBack::kWidth, kH = cBakeAttractorBack::kHeight;
// The fractal is accumulated at twice the size and averaged down, for clean thin arms.
constexpr int kSuper = 2;
constexpr int kPoints = 6000000;

// One affine map of the spiral, its share of the chaos game and the colour it pulls toward.
struct cMap {
    float a, b, c, d, e, f, p;
    sRgb colour;
};

const std::array<cMap, 3> kSpiral = {{
    {0.787879f,
     -0.424242f,
     0.242424f,
     0.859848f,
     1.758647f,
     1.408065f,
     0.90f,
     {1.0f, 0.62f, 0.22f}},
    {-0.121212f,
     0.257576f,
     0.151515f,
     0.053030f,
     -6.721654f,
     1.377236f,
     0.05f,
     {0.95f, 0.25f, 0.12f}},
    {0.181818f,
     -0.136364f,
     0.090909f,
     0.181818f,
     6.086107f,
     1.568035f,
     0.05f,
     {0.85f, 0.2f, 0.45f}},
}};

// Deep violet toward the top left, cold blue toward the bottom right, a warped nebula of
// slightly lighter violet over both, and a vignette that sinks the corners to near black.
sRgb ground(float u, float v) {
    const float wx = cPaintNoise::fbm(u * 3.1f, v * 2.0f, 5, 11);
    const float wy = cPaintNoise::fbm(u * 3.1f + 5.2f, v * 2.0f + 1.3f, 5, 23);
    const float cloud = cPaintNoise::fbm(u * 2.6f + 1.55f * wx, v * 1.7f + 1.55f * wy, 5, 37);
    const float lift = std::pow(clamp01(cloud * 1.31f - 0.25f), 1.8f);
    const float dx = (u - 0.5f) * 1.25f, dy = v - 0.5f;
    const float vignette = clamp01(1.1f - 1.5f * (dx * dx + dy * dy));
    const float cool = clamp01(0.5f + 0.6f * (u - v));
    const sRgb violet{0.075f, 0.035f, 0.11f}, blue{0.025f, 0.045f, 0.10f};
    const float base = vignette * (0.45f + 0.9f * lift);
    // A soft rose halo where the emblem turns (right of centre), so its dark solids stand
    // out against something lighter than themselves.
    const float hx = (u - 0.8125f) * 1.6f, hy = v - 0.5f;
    const float halo = 0.07f * std::exp(-(hx * hx + hy * hy) / 0.045f) * (0.8f + 0.4f * cloud);
    return mix(violet, blue, cool) * base + sRgb{1.0f, 0.45f, 0.75f} * halo;
}

struct cHistogram {
    std::vector<float> count, r, g, b;
    cHistogram() : count(size_t(kW * kSuper) * kH * kSuper), r(count), g(count), b(count) {}
};

// The chaos game: points hop between the spiral's maps; each carries a colour that drifts
// halfway toward the colour of every map it passes through.
cHistogram chaos_game() {
    cHistogram h;
    uint32_t state = 1993;
    const int w = kW * kSuper, ht = kH * kSuper;
    // The spiral spans about x -6.7..6.7, y 0..10: fitted into the left two thirds of the
    // picture, tilted so its arms sweep across the frame.
    const float scale = 0.058f * ht, turn = 0.45f, cx = 0.40f * w, cy = 0.47f * ht;
    const float ct = std::cos(turn), st = std::sin(turn);
    float x = 0, y = 0;
    sRgb c{1, 0.6f, 0.2f};
    for (int i = 0; i < kPoints; ++i) {
        const float pick = cPaintNoise::random(state);
        const cMap& m = pick < kSpiral[0].p                  ? kSpiral[0]
                        : pick < kSpiral[0].p + kSpiral[1].p ? kSpiral[1]
                                                             : kSpiral[2];
        const float nx = m.a * x + m.b * y + m.e, ny = m.c * x + m.d * y + m.f;
        x = nx, y = ny;
        c = mix(c, m.colour, 0.5f);
        if (i < 100)
            continue; // the orbit settles onto the attractor first
        const float px = x - 0.0f, py = y - 5.0f;
        const int sx = static_cast<int>(cx + scale * (ct * px - st * py));
        const int sy = static_cast<int>(cy + scale * (st * px + ct * py));
        if (sx < 0 || sy < 0 || sx >= w || sy >= ht)
            continue;
        const size_t at = size_t(sy) * w + sx;
        h.count[at] += 1, h.r[at] += c.r, h.g[at] += c.g, h.b[at] += c.b;
    }
    return h;
}

// Log density, so the sparse outer arms still show beside the dense core.
sRgb fractal(const cHistogram& h, int x, int y, float log_peak) {
    sRgb sum;
    for (int j = 0; j < kSuper; ++j)
        for (int i = 0; i < kSuper; ++i) {
            const size_t at = size_t(y * kSuper + j) * (kW * kSuper) + (x * kSuper + i);
            const float n = h.count[at];
            if (n <= 0)
                continue;
            const float level = std::log1p(n) / log_peak;
            sum.r += level * h.r[at] / n, sum.g += level * h.g[at] / n,
                sum.b += level * h.b[at] / n;
        }
    return sum * (1.0f / (kSuper * kSuper));
}

// Gamma-encoded for the 8-bit file, whose values display as they are.
sRgb encoded(sRgb linear) {
    auto encode = [](float v) { return std::pow(clamp01(v), 1 / 2.2f); };
    return {encode(linear.r), encode(linear.g), encode(linear.b)};
}

} // namespace

std::vector<uint8_t> cBakeAttractorBack::render() {
    const cHistogram h = chaos_game();
    const float peak = *std::max_element(h.count.begin(), h.count.end());
    const float log_peak = std::log1p(std::max(peak, 1.0f));
    cCanvas canvas(kW, kH);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const sRgb g = ground((x + 0.5f) / kW, (y + 0.5f) / kH);
            // Faint: the arms peak near a third of full brightness, for the dodge to lift.
            const sRgb f = fractal(h, x, y, log_peak) * 0.16f;
            // The file's rows run bottom first: row y is the canvas's row kH - 1 - y.
            canvas.at(x, kH - 1 - y) = encoded(g + f);
        }
    // Grain of up to 0.9 of a step either way.
    return canvas.bytes(3, 1.8f / 255.0f, 77);
}

void cBakeAttractorBack::bake(const std::string& data_dir) {
    const cBakeFile out(data_dir, kFile);
    cBakeImage::save_jpeg(out.path(), kWidth, kHeight, render(), 92);
    out.report();
}
